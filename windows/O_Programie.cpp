#include "O_Programie.h"

#include "Dialogs.h"
#include "ObslugaZdarzen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Akapit(const QString& tekst, int rozmiarPiksele, bool pogrubiony, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    QFont czcionka = etykieta->font();
    czcionka.setPixelSize(rozmiarPiksele);
    czcionka.setBold(pogrubiony);
    etykieta->setFont(czcionka);
    etykieta->setAlignment(Qt::AlignCenter);
    etykieta->setWordWrap(true);
    return etykieta;
}

} // namespace

TO_programie_Form::TO_programie_Form(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("O_programie_Form"));
    setWindowTitle(QStringLiteral("O programie..."));
    setFixedSize(483, 318);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Akapit(QStringLiteral("Baza danych QERN 2008"), 24, true, this));
    uklad->addWidget(Akapit(QStringLiteral("wersja 8.0"), 14, false, this));
    uklad->addWidget(Akapit(
        QStringLiteral("Baza danych własności fizykochemicznych czystych substancji z korelacjami "
                       "temperaturowymi, metodami estymacji własności oraz kalkulatorami mieszanin "
                       "i równowagi ciecz-para, dla studentów i nauczycieli inżynierii chemicznej "
                       "i procesowej."),
        13, false, this));
    uklad->addWidget(Akapit(QStringLiteral("Program napisał zespół studentów pod kierunkiem "
                                           "opiekunów naukowych z katedry inżynierii chemicznej."),
                            13, false, this));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    uklad->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, WSieci([this] { Button1Click(); }));

    WysrodkujNaPulpicie(this);
}

void TO_programie_Form::Button1Click()
{
    close();
}
