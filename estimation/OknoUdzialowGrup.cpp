#include "OknoUdzialowGrup.h"

#include "Etykieta.h"
#include "FloatText.h"
#include "Dialogs.h"
#include "KartaZwiazku.h"
#include "Kontrolka.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "Zmienne.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QWidget* BialyPanel(const QString& nazwa)
{
    auto* panel = Utworz<QWidget>(nazwa);
    panel->setAutoFillBackground(true);
    QPalette paleta = panel->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    panel->setPalette(paleta);
    return panel;
}

void Pogrub(QWidget* kontrolka)
{
    QFont czcionka = kontrolka->font();
    czcionka.setBold(true);
    kontrolka->setFont(czcionka);
}

} // namespace

TOknoUdzialowGrup::TOknoUdzialowGrup(const QString& nazwa, const std::vector<WierszGrupy>& wiersze,
                                     const std::vector<NaglowekSekcji>& naglowki, const NazwyOknaUdzialow& nazwy,
                                     const NazwyWierszy& nazwyWierszy, bool glowkaPrzyrostow, QWidget* rodzic)
    : QMainWindow(rodzic)
{
    setObjectName(nazwa);
    setMinimumSize(640, 450);
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    pnlCo = BialyPanel(QStringLiteral("pnlCo"));
    ukladGorny_ = new QVBoxLayout(pnlCo);
    lblCo = Etykieta({}, QStringLiteral("lblCo"));
    Pogrub(lblCo);
    lblCo->setStyleSheet(QStringLiteral("color: navy"));
    lblRownanie = Etykieta({}, QStringLiteral("lblRownanie"));
    ukladGorny_->addWidget(lblCo, 0, Qt::AlignHCenter);
    ukladGorny_->addWidget(lblRownanie, 0, Qt::AlignHCenter);
    auto* liczba = Etykieta(QStringLiteral("Wpisz ich liczbę"));
    liczba->setWordWrap(true);
    glowkiKolumn_ = TWierszeGrup::WierszKolumn(Etykieta(QStringLiteral("Zaznacz odpowiednie grupy")), liczba,
                                               Etykieta(QStringLiteral("Wartość poprawki")));
    ukladGorny_->addWidget(glowkiKolumn_);

    grupy = new TWierszeGrup(nazwy.przewijanie, wiersze, naglowki, nazwyWierszy);
    lblDelta = nullptr;
    if (glowkaPrzyrostow) {
        lblDelta = Etykieta({}, QStringLiteral("lblDelta"));
        auto* delta = new QWidget;
        auto* ukladDelty = new QHBoxLayout(delta);
        ukladDelty->setContentsMargins(0, 0, 0, 0);
        ukladDelty->setSpacing(0);
        ukladDelty->addWidget(Etykieta(QStringLiteral("Δ"), QStringLiteral("Label3")));
        ukladDelty->addWidget(lblDelta);
        ukladDelty->addStretch(1);
        grupy->WstawPod(0, TWierszeGrup::WierszKolumn(nullptr, Etykieta(QStringLiteral("N"), QStringLiteral("Label5")), delta));
    }

    pnlPrawy = Utworz<QWidget>(QStringLiteral("pnlPrawy"));
    auto* ukladPrawy = new QVBoxLayout(pnlPrawy);
    lblNaOpis = Etykieta({}, QStringLiteral("lblNaOpis"));
    Pogrub(lblNaOpis);
    lblNaOpis->setAlignment(Qt::AlignHCenter);
    lblNa = Etykieta({}, QStringLiteral("lblNa"));
    edtNa = Utworz<QLineEdit>(QStringLiteral("edtNa"), QStringLiteral("0"));
    edtNa->setFixedWidth(90);
    auto* wejscie = new QHBoxLayout;
    wejscie->addWidget(lblNa);
    wejscie->addWidget(edtNa);
    ukladPrawy->addWidget(lblNaOpis);
    ukladPrawy->addLayout(wejscie);
    ukladPrawy->addStretch(1);
    pnlPrawy->setFixedWidth(170);

    pnlWynik = BialyPanel(nazwy.dolnyPanel);
    ukladDolny_ = new QHBoxLayout(pnlWynik);
    lblCoObl = Etykieta({}, QStringLiteral("lblCoObl"));
    wynik = Utworz<QLineEdit>(QStringLiteral("wynik"));
    wynik->setReadOnly(true);
    wynik->setFixedWidth(180);
    Pogrub(wynik);
    lblWym = Etykieta({}, QStringLiteral("lblWym"));
    przyciskOblicz = Utworz<QPushButton>(nazwy.przycisk, QStringLiteral("OBLICZ"));
    przyciskOblicz->setAutoDefault(false);
    ukladDolny_->addStretch(1);
    ukladDolny_->addWidget(lblCoObl);
    ukladDolny_->addWidget(wynik);
    ukladDolny_->addWidget(lblWym);
    ukladDolny_->addSpacing(20);
    ukladDolny_->addWidget(przyciskOblicz);
    for (QWidget* w : {static_cast<QWidget*>(lblCoObl), static_cast<QWidget*>(wynik), static_cast<QWidget*>(lblWym)})
        w->hide();

    auto* srodek = new QWidget;
    auto* ukladSrodka = new QHBoxLayout(srodek);
    ukladSrodka->setContentsMargins(0, 0, 0, 0);
    ukladSrodka->addWidget(grupy, 1);
    ukladSrodka->addWidget(pnlPrawy);
    auto* calosc = new QWidget;
    auto* uklad = new QVBoxLayout(calosc);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(pnlCo);
    uklad->addWidget(srodek, 1);
    uklad->addWidget(pnlWynik);
    setCentralWidget(calosc);
    ukladSrodka_ = ukladSrodka;
    PokazWejscie(false);
    resize(720, 560);
    WysrodkujNaPulpicie(this);
}

QAction* TOknoUdzialowGrup::UtworzMenu(const QString& zamknij, bool wyjscieZProgramu, const QString& pomoc)
{
    auto dodaj = [](QMenu* menu, const QString& nazwa, const QString& tekst) {
        QAction* pozycja = menu->addAction(tekst);
        pozycja->setObjectName(nazwa);
        return pozycja;
    };
    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    connect(dodaj(plik, QStringLiteral("Wyjcie1"), zamknij), &QAction::triggered, this, WSieci([this](bool) { close(); }));
    if (wyjscieZProgramu)
        connect(dodaj(plik, QStringLiteral("Wyjciezprogramu1"), QStringLiteral("&Wyjście z programu")), &QAction::triggered,
                this, WSieci([](bool) { QApplication::quit(); }));
    return dodaj(menuBar()->addMenu(pomoc), QStringLiteral("Ometodzie1"), QStringLiteral("O &metodzie"));
}

void TOknoUdzialowGrup::PokazWynik(long double wartosc)
{
    PokazTekstWyniku(FloatToStr(wartosc));
}

bool TOknoUdzialowGrup::PokazWynikRownania(const std::function<long double()>& rownanie)
{
    wynik->clear();
    try {
        PokazWynik(rownanie());
        return true;
    } catch (const EMathError& blad) {
        PokazKomunikat(QString::fromUtf8(blad.what()), RodzajKomunikatu::Ostrzezenie);
        return false;
    }
}

void TOknoUdzialowGrup::PokazBrakWyniku()
{
    PokazTekstWyniku(QStringLiteral("?"));
}

void TOknoUdzialowGrup::PokazTekstWyniku(const QString& tekst)
{
    wynik->setText(tekst);
    lblCoObl->show();
    wynik->show();
    lblWym->show();
}

void TOknoUdzialowGrup::PokazWejscie(bool widoczne)
{
    pnlPrawy->setVisible(widoczne);
    // The column heads of the top panel stand over the columns of the rows below.
    const int ramka = grupy->frameWidth();
    const int lewy = ramka + grupy->widget()->layout()->contentsMargins().left() - ukladGorny_->contentsMargins().left();
    const int prawy = ramka + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + grupy->widget()->layout()->contentsMargins().right()
                      + (widoczne ? pnlPrawy->width() + ukladSrodka_->spacing() : 0)
                      - ukladGorny_->contentsMargins().right();
    glowkiKolumn_->setContentsMargins(lewy, 0, prawy, 0);
}

void TOknoUdzialowGrup::PokazTemperatureWrzenia()
{
    PokazWejscie(true);
    lblNa->setText(QStringLiteral("Tb ="));
    const bool znana = Podano(RekordYaws.Tb);
    if (znana)
        edtNa->setText(FloatToStr(RekordYaws.Tb));
    lblNaOpis->setText(znana ? QStringLiteral("Temperatura wrzenia") : QStringLiteral("Podaj temperaturę\nwrzenia"));
}
