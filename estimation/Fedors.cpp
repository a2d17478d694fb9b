#include "Fedors.h"

#include "GrupyFedorsa.h"
#include "ObslugaZdarzen.h"
#include "RejestrOkienMetod.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString OMetodzie = QStringLiteral(
    " Metoda Fedorsa \r\r metoda udziału grup należy obliczyć wartość delty \r poprzez zaznaczenie występujących "
    "czynników, podania\r ile razy występuje pojedynczy czynnik i naciśnięcia przycisku oblicz.\r\r Wzory:\r\r\tTc = "
    "535log(delTc) __ [K]\r\r Wyniki są zapamiętywane TYLKO w układzie SI.\r Perogram dokonuje wszystkich niezbędnych "
    "przeliczeń.");

NazwyWierszy NazwyFedorsa()
{
    NazwyWierszy nazwy;
    nazwy.przyrost = QStringLiteral("a");
    return nazwy;
}

} // namespace

TFedors_Form::TFedors_Form(QWidget* rodzic)
    : TOknoUdzialowGrup(QStringLiteral("Fedors_Form"), WierszeZTabeli(TabelaGrupFedorsa()), {},
                        {QStringLiteral("sbUdzialy"), QStringLiteral("Panel2"), QStringLiteral("ObliczBtn")},
                        NazwyFedorsa(), false,
                        rodzic)
{
    setWindowTitle(QStringLiteral("Metoda Fedorsa dla estymacji Tc"));
    ObliczBtn = przyciskOblicz;
    lblCo->setText(QStringLiteral("Temperatura krytyczna - metoda Fedorsa"));
    lblRownanie->setText(QStringLiteral("Tc = 535 * log10(delT)      [K]"));
    lblCoObl->setText(QStringLiteral("Tc="));
    lblWym->setText(QStringLiteral("[K]"));
    std::vector<QString> przyrosty;
    for (const GrupaFedorsa& grupa : TabelaGrupFedorsa())
        przyrosty.push_back(QString::fromLatin1(grupa.przyrost));
    grupy->UstawPrzyrosty(przyrosty);
    for (const char* linia : {"wiązanie pojedyncze: ' - '", "wiązanie podwójne: ' = '", "wiązanie potrójne: ' -= '"})
        grupy->WstawPod(LiczbaGrupFedorsa, new QLabel(QString::fromUtf8(linia)));

    QAction* Ometodzie1 = UtworzMenu(QStringLiteral("Za&kończ"), true, QStringLiteral("Pomo&c"));
    connect(Ometodzie1, &QAction::triggered, this, WSieci([](bool) { PokazKomunikat(OMetodzie); }));
    connect(ObliczBtn, &QPushButton::clicked, this, WSieci([this](bool) { ObliczBtnClick(); }));
    grupy->PrzewinNaGore();
}

void TFedors_Form::ObliczBtnClick()
{
    KursorOczekiwania klepsydra;
    TSprawdzanie sprawdzanie;
    grupy->Sprawdz(sprawdzanie, {QStringLiteral(" Źle podane wartości liczbowe "), RodzajKomunikatu::Zwykly});
    if (!sprawdzanie.Poprawne())
        return;
    const long double suma = SumaUdzialow(grupy->Udzialy());
    PokazWynikRownania([&] { return FedorsTc(suma); });
}

void ZarejestrujFedorsa()
{
    ZarejestrujOknoMetody<TFedors_Form>(QStringLiteral("TFedors_Form"));
}
