#include "EstymacjaParametrow.h"

#include "Cp1250.h"
#include "Dialogs.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "LiczenieAtomow.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "WzoryParametrow.h"
#include "Zmienne.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

TEstymacjaParametrowFrm* EstymacjaParametrowFrm = nullptr;

namespace {

constexpr long double BarNaPa = 100000.0L;
constexpr long double Cm3NaM3 = 0.001L; // cm³/mol → m³/kmol

struct BrakWpisu {};

struct OpisWzoru {
    TKodMetody kod;
    const char* metoda;
    const char* wzor;
    const char* coLiczymy;
    const char* jednostka;
};

const OpisWzoru Opisy[] = {
    {KodTcKlincewicza, "Obliczanie temperatury krytycznej - metoda Klincewicza",
     "Tc = 50.2 - 0.16 * Mmol + 1.41*Tb  [K]", "Tc = ", "K"},
    {KodPcKlincewicza, "Obliczanie ciśnienia krytycznego - metoda Klincewicza",
     "Pc = Mmol / (0.335 + 0.009 * Mmol + 0.019 * Na)^2 * 100000  [Pa]", "Pc = ", "Pa"},
    {KodVcKlincewicza, "Obliczanie objętości krytycznej - metoda Klincewicza",
     "Vc = (20 + 0.88 * Mmol + 13.4 * Na)/1000  [m^3/kmol]", "Vc = ", "m^3/kmol"},
    {KodRocZPVT, "Obliczanie gęstości krytycznej - metoda definicyjna", "Roc = Mmol / Vc  [kg/m^3]", "Roc = ", "kg/m^3"},
    {KodZcZPVT, "Obliczanie współczynnika ściśliwości krytycznego\r\nMetoda definicyjna",
     "Zc = Pc * Vc / (R * Tc)  [-]", "Zc = ", ""},
    {KodOmegiLeeKeslera, "Obliczanie czynnika acentrycznego - metoda Lee-Kesllera",
     "Patm = Pc*0.98692/100000 [Atm]     sigma = Tb/Tc\r\n"
     "alfa = -ln(Patm)-5.92714+6.09648/sigma+1.28862*ln(sigma)-0.169347*sigma^6\r\n"
     "beta = 15.2518-15.6875/sigma-13.4721*ln(sigma)+0.43577*sigma^6\r\n"
     "Omega = alfa / beta",
     "Omega =", ""},
    {KodOmegiPitzera, "Obliczanie czynnika acentrycznego - metoda Pitzera",
     "Patm = Pc*0.98692/100000 [Atm]\r\nsigma = Tb/Tc\r\nOmega = 3/7*sigma/(1-sigma)*log10(Patm)-1", "Omega =", ""},
    {KodOmegiZZc, "Obliczanie czynnika acentrycznego - metoda zgrubna",
     "Jeśli (-(-0.291+Pc*Vc/(R*Tc))/0.080)>0\r\nOmega=-(-0.291+Pc*Vc/(R*Tc))/0.080", "Omega =", ""},
};

const OpisWzoru* OpisKodu(const QString& kod)
{
    for (const OpisWzoru& opis : Opisy)
        if (kod == opis.kod)
            return &opis;
    return nullptr;
}

} // namespace

TEstymacjaParametrowFrm::TEstymacjaParametrowFrm(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("EstymacjaParametrowFrm"));
    setWindowTitle(QStringLiteral("Uzupełnij  dane"));
    UtworzKontrolki();
    connect(btnOblicz, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnObliczClick(); }));
    FormCreate();
}

void TEstymacjaParametrowFrm::UtworzKontrolki()
{
    setMinimumWidth(560);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(16, 12, 16, 12);
    uklad->setSpacing(10);
    lblMetoda = Utworz<QLabel>(QStringLiteral("lblMetoda"));
    QFont pogrubiona = lblMetoda->font();
    pogrubiona.setBold(true);
    lblMetoda->setFont(pogrubiona);
    lblMetoda->setAlignment(Qt::AlignCenter);
    uklad->addWidget(lblMetoda);
    pnlWzor = Utworz<QFrame>(QStringLiteral("pnlWzor"));
    pnlWzor->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblWzor = Utworz<QLabel>(QStringLiteral("lblWzor"), QString(), pnlWzor);
    lblWzor->setAlignment(Qt::AlignCenter);
    auto* ukladWzoru = new QVBoxLayout(pnlWzor);
    ukladWzoru->setContentsMargins(12, 10, 12, 10);
    ukladWzoru->addWidget(lblWzor);
    uklad->addWidget(pnlWzor);
    auto* wiersze = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        lblPodaj[i] = Utworz<QLabel>(QStringLiteral("lblPodaj") + n);
        edtPodaj[i] = UtworzPoleLiczbowe(QStringLiteral("edtPodaj") + n);
        edtPodaj[i]->setFixedWidth(160);
        lblJedn[i] = Utworz<QLabel>(QStringLiteral("lblJedn") + n);
        wiersze->addWidget(lblPodaj[i], i, 0);
        wiersze->addWidget(edtPodaj[i], i, 1);
        wiersze->addWidget(lblJedn[i], i, 2);
    }
    wiersze->setColumnStretch(3, 1);
    uklad->addLayout(wiersze);
    Panel1 = Utworz<QWidget>(QStringLiteral("Panel1"));
    auto* wynik = new QHBoxLayout(Panel1);
    wynik->setContentsMargins(0, 6, 0, 0);
    lblCoLiczymy = Utworz<QLabel>(QStringLiteral("lblCoLiczymy"));
    edtWynik = Utworz<QLineEdit>(QStringLiteral("edtWynik"));
    edtWynik->setReadOnly(true);
    edtWynik->setFont(pogrubiona);
    edtWynik->setFixedWidth(200);
    lblJednostka = Utworz<QLabel>(QStringLiteral("lblJednostka"));
    btnOblicz = Utworz<QPushButton>(QStringLiteral("btnOblicz"), QStringLiteral("&Oblicz"));
    wynik->addWidget(lblCoLiczymy);
    wynik->addWidget(edtWynik);
    wynik->addWidget(lblJednostka);
    wynik->addStretch(1);
    wynik->addWidget(btnOblicz);
    uklad->addWidget(Panel1);
}

void TEstymacjaParametrowFrm::PokazWiersz(int wiersz, const char* podpis, const char* jednostka, const char* nazwa)
{
    nazwyWierszy_[wiersz] = QString::fromUtf8(nazwa);
    lblPodaj[wiersz]->setText(QString::fromUtf8(podpis));
    lblJedn[wiersz]->setText(QString::fromUtf8(jednostka));
    for (QWidget* w : std::initializer_list<QWidget*>{lblPodaj[wiersz], edtPodaj[wiersz], lblJedn[wiersz]})
        w->show();
}

void TEstymacjaParametrowFrm::FormCreate()
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblCoLiczymy, edtWynik, lblJednostka})
        w->hide();
    for (int i = 0; i < 3; ++i)
        for (QWidget* w : std::initializer_list<QWidget*>{lblPodaj[i], edtPodaj[i], lblJedn[i]})
            w->hide();
    const OpisWzoru* opis = OpisKodu(KodMetody);
    if (!opis)
        return;
    lblMetoda->setText(QString::fromUtf8(opis->metoda));
    lblWzor->setText(QString::fromUtf8(opis->wzor));
    lblCoLiczymy->setText(QString::fromUtf8(opis->coLiczymy));
    lblJednostka->setText(QString::fromUtf8(opis->jednostka));
    const TRekordYaws& r = RekordYaws;
    const QString& kod = KodMetody;
    if (kod == KodTcKlincewicza && !Podano(r.Tb))
        PokazWiersz(0, "Podaj temperaturę wrzenia", "[K]", "Temperatura wrzenia");
    if (kod == KodPcKlincewicza || kod == KodVcKlincewicza)
        PokazWiersz(1, "Podaj liczbę atomów w cząsteczce", "[-]", "Liczba atomów w cząsteczce");
    if (kod == KodRocZPVT && !Podano(r.Vc))
        PokazWiersz(0, "Podaj objętość krytyczną", "[m^3/kmol]", "Objętość krytyczna");
    if (kod == KodZcZPVT) {
        if (!Podano(r.Pc))
            PokazWiersz(0, "Podaj ciśnienie krytyczne", "[Pa]", "Ciśnienie krytyczne");
        if (!Podano(r.Vc))
            PokazWiersz(1, "Podaj objętość krytyczną", "[m^3/kmol]", "Objętość krytyczna");
        if (!Podano(r.Tc))
            PokazWiersz(2, "Podaj temperaturę krytyczną", "[K]", "Temperatura krytyczna");
    }
}

void TEstymacjaParametrowFrm::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    setWindowTitle(QStringLiteral("PL: ") + Cp1250ToUnicode(RekordYaws.NazwaPL) + QStringLiteral("  UK: ")
                   + Cp1250ToUnicode(RekordYaws.NazwaANG) + QStringLiteral(" Wzór: ") + Cp1250ToUnicode(RekordYaws.Wzor));
}

std::optional<long double> TEstymacjaParametrowFrm::Wartosc(long double zRekordu, long double mnoznik, int wiersz) const
{
    if (Podano(zRekordu))
        return zRekordu * mnoznik;
    if (wiersz < 0)
        return std::nullopt;
    return Wpisana(wiersz);
}

long double TEstymacjaParametrowFrm::Wpisana(int wiersz, bool calkowita) const
{
    TPoleLiczbowe* pole = edtPodaj[wiersz];
    if (pole->text().trimmed().isEmpty())
        throw BrakWpisu{};
    const std::optional<long double> wpisana = pole->WartoscBezKomunikatu();
    if (!wpisana || !(calkowita ? LiczbaAtomowCzasteczki(*wpisana) : JestDodatnia(*wpisana))) {
        OdrzucWpis(pole, nazwyWierszy_[wiersz] + (calkowita ? QStringLiteral(" musi być liczbą całkowitą od 1 do %1").arg(NajwiekszaLiczbaAtomow)
                                                            : QStringLiteral(" musi być liczbą większą od zera")));
        throw BrakWpisu{};
    }
    return *wpisana;
}

// The result's text; none when a value the formula needs is missing.
std::optional<QString> TEstymacjaParametrowFrm::Oblicz() const
{
    const TRekordYaws& r = RekordYaws;
    const QString& kod = KodMetody;
    const auto M = Wartosc(r.Mmol, 1.0L, -1);
    const auto tekst = [](long double w) { return std::optional<QString>(FloatToStr(w)); };
    if (kod == KodTcKlincewicza) {
        const auto Tb = Wartosc(r.Tb, 1.0L, 0);
        return M && Tb ? tekst(TcKlincewicza(*M, *Tb)) : std::nullopt;
    }
    if (kod == KodPcKlincewicza || kod == KodVcKlincewicza) {
        const long double Na = Wpisana(1, true);
        if (!M)
            return std::nullopt;
        return tekst(kod == KodPcKlincewicza ? PcKlincewicza(*M, Na) : VcKlincewicza(*M, Na));
    }
    if (kod == KodRocZPVT) {
        const auto Vc = Wartosc(r.Vc, Cm3NaM3, 0);
        return M && Vc ? tekst(GestoscKrytyczna(*M, *Vc)) : std::nullopt;
    }
    const bool zWpisami = kod == KodZcZPVT;
    const auto Pc = Wartosc(r.Pc, BarNaPa, zWpisami ? 0 : -1);
    const auto Vc = Wartosc(r.Vc, Cm3NaM3, zWpisami ? 1 : -1);
    const auto Tc = Wartosc(r.Tc, 1.0L, zWpisami ? 2 : -1);
    const auto Tb = Wartosc(r.Tb, 1.0L, -1);
    if (zWpisami)
        return Pc && Vc && Tc ? tekst(ZcDefinicyjny(*Pc, *Vc, *Tc)) : std::nullopt;
    if (kod == KodOmegiLeeKeslera || kod == KodOmegiPitzera) {
        if (!Pc || !Tb || !Tc)
            return std::nullopt;
        return tekst(kod == KodOmegiLeeKeslera ? OmegaLeeKeslera(*Pc, *Tb, *Tc) : OmegaPitzera(*Pc, *Tb, *Tc));
    }
    if (kod == KodOmegiZZc) {
        if (!Pc || !Vc || !Tc)
            return std::nullopt;
        const long double omega = OmegaZZc(*Pc, *Vc, *Tc);
        return omega > 0.0L ? tekst(omega) : std::optional<QString>(QStringLiteral("warunek nie spełniony"));
    }
    return std::nullopt;
}

void TEstymacjaParametrowFrm::btnObliczClick()
{
    edtWynik->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{lblCoLiczymy, edtWynik, lblJednostka})
        w->show();
    try {
        edtWynik->setText(Oblicz().value_or(QStringLiteral("?")));
    } catch (const BrakWpisu&) {
    } catch (const EMathError&) {
        PokazKomunikat(QString::fromUtf8(NieMoznaObliczycWyniku), RodzajKomunikatu::Ostrzezenie);
    }
}

void ZarejestrujOknoEstymacjiParametrow()
{
    ZarejestrujOknoMetody<TEstymacjaParametrowFrm>(QStringLiteral("TEstymacjaParametrowFrm"), &EstymacjaParametrowFrm);
}
