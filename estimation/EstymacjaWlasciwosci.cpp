#include "EstymacjaWlasciwosci.h"

#include "Baza.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "GrupaRadiowa.h"
#include "KartaZwiazku.h"
#include "Kontrolka.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "ObliczeniaEstymacji.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "PrzyciskDomyslny.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "Tabela.h"
#include "Wyszukiwanie.h"
#include "WzoryEstymacyjne.h"
#include "ZapisRownan.h"
#include "ZrodloWspolczynnikowZ.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <stdexcept>

long double CisnienieEstymacji = 0.0L;
long double GestoscMolowa = 0.0L;
TEstymacjaWlasnosciFrm* EstymacjaWlasnosciFrm = nullptr;

namespace {

// A refusal of the compute button: its message is shown once the hourglass is off, and the box it
// is about, if any, then takes the focus with its text selected.
class EOdmowa : public std::runtime_error {
public:
    explicit EOdmowa(const QString& komunikat, QLineEdit* pole = nullptr)
        : std::runtime_error(komunikat.toStdString()), pole(pole)
    {
    }
    QLineEdit* pole;
};

const QString Pytajnik = QStringLiteral("?");
const QString BrakDanychDoObliczen = QStringLiteral("Brak danych do obliczeń");
const QString NieMaZwiazku = QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą");

constexpr int Szerokosc = 640;
constexpr int Odstep = 4;      // between the window's parts
constexpr int Margines = 8;    // method areas inside pnlMetody
constexpr int WysokoscMetod = 277;
constexpr int WysokoscMetodWyzsza = 337;
constexpr int WysokoscPola = 22;
constexpr int SzerokoscPola = 148;

const char* const KodyGestosci[] = {"GestcRackett", "GestcRackett2", "HBT", "Aalto", "Spencer-Danner"};

bool KodGestosci(const QString& kod)
{
    for (const char* k : KodyGestosci)
        if (kod == QLatin1String(k))
            return true;
    return false;
}

bool Kod(const char* kod)
{
    return KodMetody == QLatin1String(kod);
}

// A method panel over the method area: its title, its equations, then the grid of its inputs.
QGridLayout* PanelMetody(QGroupBox*& panel, const char* nazwa, const char* tytul, const QString& rownanie, QWidget* rodzic)
{
    panel = Utworz<QGroupBox>(QString::fromLatin1(nazwa), QString::fromUtf8(tytul), rodzic);
    auto* uklad = new QVBoxLayout(panel);
    uklad->addWidget(EtykietaHtml(QStringLiteral("qlbl") + nazwa, rownanie, panel), 1);
    auto* siatka = new QGridLayout;
    uklad->addLayout(siatka);
    return siatka;
}

QLabel* Tytul(const QString& tekst, QWidget* rodzic)
{
    auto* tytul = new QLabel(tekst, rodzic);
    QFont czcionka = tytul->font();
    czcionka.setBold(true);
    tytul->setFont(czcionka);
    tytul->setAlignment(Qt::AlignCenter);
    tytul->setWordWrap(true);
    return tytul;
}

// A box of the window that only shows a value: Tab passes over it, and a number longer than the
// box shows from its first digit.
QLineEdit* PoleWynikuStrony(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = PoleTylkoDoOdczytu(nazwa, rodzic);
    pole->setFocusPolicy(Qt::ClickFocus);
    pole->setFixedWidth(SzerokoscPola);
    QObject::connect(pole, &QLineEdit::textChanged, pole, [pole] { pole->setCursorPosition(0); });
    return pole;
}

// A value of the record shown in a read-only box; "?" there is a value the database lacks.
long double Liczba(const QLineEdit* pole)
{
    try {
        return StrToFloat(pole->text());
    } catch (const EConvertError&) {
        throw EOdmowa(BrakDanychDoObliczen);
    }
}

// A number above zero typed in the box (a temperature, pressure, density or viscosity); anything
// else is refused in its box with a message. `nazwa` names the box.
long double Dodatnia(TPoleLiczbowe* pole, const QString& nazwa)
{
    const std::optional<long double> wartosc = pole->WartoscBezKomunikatu();
    if (!wartosc || !JestDodatnia(*wartosc))
        throw EOdmowa(nazwa + QStringLiteral(" musi być liczbą większą od zera"), pole);
    return *wartosc;
}

// A liquid has no state above its critical temperature.
void SprawdzCiecz(long double T, long double Tc, QLineEdit* pole, const QString& nazwa)
{
    if (T > Tc)
        throw EOdmowa(QStringLiteral("%1 = %2 K jest wyższa od temperatury krytycznej Tc = %3 K: powyżej niej nie ma cieczy")
                          .arg(nazwa, FloatToStr(T), FloatToStr(Tc)),
                      pole);
}

// A reading of typed boxes outside the compute button: a refusal is said at once, in its box.
template <class Czytanie>
std::optional<long double> Odczytaj(Czytanie&& czytanie)
{
    try {
        return czytanie();
    } catch (const EOdmowa& odmowa) {
        OdrzucWpis(odmowa.pole, QString::fromStdString(odmowa.what()));
        return std::nullopt;
    }
}

const QString TemperaturaT = QStringLiteral("Temperatura T");
const QString CisnienieP = QStringLiteral("Ciśnienie P");
const QString TemperaturaNasyceniaTnas = QStringLiteral("Temperatura nasycenia Tnas");

TDaneEstymacji::Liczba LiczbaPola(const QLineEdit* pole)
{
    long double wartosc = 0.0L;
    try {
        wartosc = StrToFloat(pole->text());
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    return wartosc;
}

const QString Kropka = QStringLiteral(R"(<font size="10"><sup>.</sup></font size>)");
const QString SymbolSigma = QStringLiteral(R"(<font name="Symbol" size="15">s</font>)") + Kropka
                            + QStringLiteral(R"( <font name="Symbol" size="15">e</font><sub><b>SI</b></sub><font size="15">=</font>)");
const QString SymbolGestosci = QStringLiteral(R"(<font name="Symbol" size="15">r</font><sub><b>c</b></sub><font size="15">=</font>)");
const QString JednostkaGestosci = QStringLiteral("kg/m<sup>3</sup>");
const QString Lepkosc = QStringLiteral(R"(<font size="13">Lepkość = </font>)");
const QString JednostkaLepkosci = QStringLiteral("[Pa*s]");

const QString MarkupPmin = QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>min</sub>)");
const QString MarkupPmax = QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>max</sub>)");

} // namespace

TEstymacjaWlasnosciFrm::TEstymacjaWlasnosciFrm(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("EstymacjaWlasnosciFrm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    UtworzMenu();
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setSpacing(Odstep);
    uklad->setContentsMargins(Odstep, Odstep, Odstep, Odstep);
    uklad->addWidget(UtworzMetody());
    uklad->addWidget(UtworzPrzelicznik());
    uklad->addWidget(UtworzZakres());
    uklad->addWidget(UtworzOblicz());
    setCentralWidget(srodek);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window follows its visible stack
    PolaczObsluge();
    EnterNaciskaDomyslny(this); // "Oblicz"
    ZadnaMetoda();
}

TEstymacjaWlasnosciFrm::~TEstymacjaWlasnosciFrm()
{
    WyrejestrujOdbiorceLepkosciNasycenia(this);
}

void TEstymacjaWlasnosciFrm::UtworzMenu()
{
    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    Zamknij1 = plik->addAction(QStringLiteral("Zam&knij"));
    Zamknij1->setObjectName(QStringLiteral("Zamknij1"));
    Wyjscie1 = plik->addAction(QStringLiteral("&Wyjście z programu"));
    Wyjscie1->setObjectName(QStringLiteral("Wyjscie1"));
    connect(Zamknij1, &QAction::triggered, this, WSieci([this](auto&&...) { close(); }));
    connect(Wyjscie1, &QAction::triggered, this, WSieci([](auto&&...) { QApplication::quit(); }));
}

QWidget* TEstymacjaWlasnosciFrm::UtworzMetody()
{
    pnlMetody = Utworz<QWidget>(QStringLiteral("pnlMetody"), this);
    pcEstWlas = Utworz<QStackedWidget>(QStringLiteral("pcEstWlas"), pnlMetody);
    UtworzStronyOpisu();
    UtworzStronyGestosci();
    UtworzPanelChunga2();
    UtworzPanelLucasa();
    UtworzPanelTyna();
    pnlChung2Gestosc = new TPanelScisliwosci(pnlMetody);
    UstawWysokoscMetod(WysokoscMetod);
    return pnlMetody;
}

// Pages 0..3: the method's equations; page 3 also asks whether the gas is polar.
void TEstymacjaWlasnosciFrm::UtworzStronyOpisu()
{
    struct Opis {
        QWidget** strona;
        const char* nazwa;
        const char* tytul;
        QString rownanie;
    };
    const Opis opisy[] = {
        {&pnlBrocka, "pnlBrocka", "Napięcie powierzchniowe cieczy niepolarnych - metoda Brocka i Birda",
         RownanieHtml({"@s = P_{c}^{2/3} · T_{c}^{1/3} · (0.133 · @a_{c} - 0.281) · (1 - T_{r})^{11/9}",
                       "@a_{c} = 0.9076 · [1 + T_{br} · ln P_{c} / (1 - T_{br})]",
                       "T_{br} = T_{b} / T_{c}      T_{r} = T / T_{c}",
                       "@s [dyn/cm = 10^{-3} N/m],  P_{c} [bar],  T [K]"})},
        {&pnlSatoRiedla, "pnlSatoRiedla", "Współczynnik przewodzenia ciepła cieczy - metoda Sato i Riedla",
         RownanieHtml({"@l_{L} = (1.11 / M^{1/2}) · [3 + 20 · (1 - T_{r})^{2/3}] / [3 + 20 · (1 - T_{br})^{2/3}]",
                       "T_{br} = T_{b} / T_{c}      T_{r} = T / T_{c}",
                       "@l_{L} [W/(m K)],  M [kg/kmol],  T [K]"})},
        {&pnlPitzer, "pnlPitzer", "Ciepło parowania - wzór Pitzera",
         RownanieHtml({"@D H_{v} = R · T_{c} · [7.08 · (1 - T_{r})^{0.354} + 10.95 · @w · (1 - T_{r})^{0.456}]",
                       "T_{r} = T / T_{c}      R = 8.314 J/(mol K)",
                       "@D H_{v} [J/mol],  T [K]"})},
        {&pnlChung1, "pnlChung1", "Lepkość gazu pod niskim ciśnieniem - metoda Chunga",
         RownanieHtml({"@h = 40.785 · F_{c} · (M · T)^{1/2} / (V_{c}^{2/3} · @W_{v})   [@mP = 10^{-7} Pa s]",
                       "F_{c} = 1 - 0.2756 · @w + 0.059035 · @m_{r}^{4} + @k      @m_{r} = 131.3 · @m / (V_{c} · T_{c})^{1/2}",
                       "@W_{v} = 1.16145 · T*^{-0.14874} + 0.52487 · e^{-0.7732 T*} + 2.16178 · e^{-2.43787 T*}",
                       "T* = 1.2593 · T / T_{c}      @k = 0.0682 + 0.2767 · 17 · n_{OH} / M  (związki polarne)"},
                      12)},
    };
    for (const Opis& opis : opisy) {
        QWidget* strona = *opis.strona = Utworz<QWidget>(QString::fromLatin1(opis.nazwa));
        auto* uklad = new QVBoxLayout(strona);
        uklad->addWidget(Tytul(QString::fromUtf8(opis.tytul), strona));
        uklad->addWidget(EtykietaHtml(QStringLiteral("qlbl") + opis.nazwa, opis.rownanie, strona), 1);
        pcEstWlas->addWidget(strona);
    }
    cbPolarny = Utworz<QCheckBox>(QStringLiteral("cbPolarny"), QStringLiteral("Obliczenia dla związku polarnego"), pnlChung1);
    lblIleOH = Utworz<QLabel>(QStringLiteral("lblIleOH"), QStringLiteral("Podaj liczbę grup -OH"), pnlChung1);
    edtIleOH = new TEdycjaZLicznikiem(QStringLiteral("edtIleOH"), 0, 20, pnlChung1);
    edtIleOH->setText(QStringLiteral("1"));
    auto* polarny = new QHBoxLayout;
    polarny->addWidget(cbPolarny);
    polarny->addStretch();
    polarny->addWidget(lblIleOH);
    polarny->addWidget(edtIleOH);
    static_cast<QVBoxLayout*>(pnlChung1->layout())->addLayout(polarny);
    lblIleOH->hide();
    edtIleOH->hide();
}

// Pages 4..8: the equation, then the numbers it takes, each under its symbol and unit.
void TEstymacjaWlasnosciFrm::UtworzStronyGestosci()
{
    struct Pole {
        QLineEdit** pole;
        const char* nazwa;
        const char* jednostka;
    };
    struct Strona {
        QWidget** strona;
        const char* nazwa;
        const char* tytul;
        QString rownanie;
        std::vector<Pole> pola;
        int rozmiar;
    };
    const Strona strony[] = {
        {&ts5, "ts5", "Gęstość cieczy - metoda Yamady i Gunna",
         RownanieHtml({"@r = M / (V_{C} · Z_{RA}^{X})      X = (1 - T_{r})^{2/7}      Z_{RA} = 0.29056 - 0.08775 · @w"}),
         {{&edtVc, "edtVc", "V_{C} [m^{3}/kmol]"}, {&edtOmega, "edtOmega", "@w [-]"}, {&edtTc, "edtTc", "T_{C} [K]"},
          {&edtM, "edtM", "M [kg/kmol]"}},
         12},
        {&TabSheet1, "TabSheet1", "Gęstość cieczy - zmodyfikowana metoda Racketta (punkt odniesienia)",
         RownanieHtml({"@r = M / (V^{R} · Z_{RA}^{@f})      Z_{RA} = 0.29056 - 0.08775 · @w",
                       "@f = (1 - T / T_{C})^{2/7} - (1 - T^{R} / T_{C})^{2/7}"}),
         {{&edtVr, "edtVr", "V^{R} [m^{3}/kmol]"}, {&edtTr, "edtTr", "T^{R} [K]"}, {&edtTc_, "edtTc_", "T_{C} [K]"},
          {&edtOmega_, "edtOmega_", "@w [-]"}, {&edtM_, "edtM_", "M [kg/kmol]"}},
         12},
        {&TabSheet2, "TabSheet2", "Gęstość cieczy - zmodyfikowana metoda HBT",
         RownanieHtml({"@r = M / [V* · V_{R}^{(0)} · (1 - @w · V_{R}^{(@d)})]",
                       "V_{R}^{(0)} = 1 - 1.52816 x^{1/3} + 1.43907 x^{2/3} - 0.81446 x + 0.190454 x^{4/3}      x = 1 - T_{r}",
                       "V_{R}^{(@d)} = (-0.296123 + 0.386914 T_{r} - 0.0427258 T_{r}^{2} - 0.0480645 T_{r}^{3}) / (T_{r} - 1.00001)"},
                      11),
         {{&edtTr__, "edtTr__", "T_{r}=T/T_{C} [-]"}, {&edtVc__, "edtVc__", "V_{C} [m^{3}/kmol]"},
          {&edtOmega__, "edtOmega__", "@w [-]"}, {&edtTc__, "edtTc__", "T_{C} [K]"}, {&edtM__, "edtM__", "M [kg/kmol]"}},
         12},
        {&TabSheet3, "TabSheet3", "Gęstość cieczy pod wysokim ciśnieniem - zmodyfikowana metoda Aalto",
         RownanieHtml({"@r = M / V      V = V_{S} · [A · P_{C} + C^{X} · (P - P_{vp})] / [A · P_{C} + C · (P - P_{vp})]",
                       "A = -170.335 - 28.578 T_{r} + 124.809 T_{r}^{3} - 55.5393 T_{r}^{6} + 130.01 / T_{r}",
                       "X = (D - T_{r})^{B}      B = 0.164813 - 0.0914427 @w      C = e      D = 1.00588"},
                      11),
         {{&edtTc___, "edtTc___", "T_{C} [K]"}, {&edtOmega___, "edtOmega___", "@w [-]"},
          {&edtVs___, "edtVs___", "V_{S} [m^{3}/kmol]"}, {&edtTr___, "edtTr___", "T_{r}=T/T_{C} [-]"},
          {&edtM___, "edtM___", "M [kg/kmol]"}, {&edtPvp___, "edtPvp___", "P_{vp} [bar]"},
          {&edtPc___, "edtPc___", "P_{C} [bar]"}},
         10},
        {&TabSheet4, "TabSheet4", "Gęstość cieczy - metoda Spencera i Dannera",
         RownanieHtml({"@r = M / [(R · T_{C} / P_{C}) · Z_{RA}^{1 + X}]      X = (1 - T_{r})^{2/7}"}),
         {{&edtMSD, "edtMSD", "M [kg/kmol]"}, {&edtTcSD, "edtTcSD", "T_{C} [K]"}, {nullptr, "edtZra", "Z_{RA} [-]"},
          {&edtTrSD, "edtTrSD", "T_{r}=T/T_{C} [-]"}, {&edtPcSD, "edtPcSD", "P_{C} [Pa]"},
          {&Edit1, "Edit1", "R [J/(kmol K)]"}},
         12},
    };
    for (const Strona& opis : strony) {
        QWidget* strona = *opis.strona = Utworz<QWidget>(QString::fromLatin1(opis.nazwa));
        auto* uklad = new QVBoxLayout(strona);
        uklad->addWidget(Tytul(QString::fromUtf8(opis.tytul), strona));
        uklad->addWidget(EtykietaHtml(QStringLiteral("qlblRownanie") + opis.nazwa, opis.rownanie, strona), 1);
        auto* siatka = new QGridLayout;
        siatka->setVerticalSpacing(2);
        int i = 0;
        for (const Pole& p : opis.pola) {
            const QString nazwa = QString::fromLatin1(p.nazwa);
            QLineEdit* pole = p.pole ? PoleWynikuStrony(nazwa, strona) : (edtZra = UtworzPoleLiczbowe(nazwa, strona));
            if (p.pole)
                *p.pole = pole;
            pole->setFixedWidth(SzerokoscPola);
            const int wiersz = 2 * (i / 4), kolumna = i % 4;
            auto* jednostka = EtykietaHtml(QStringLiteral("qlbl") + nazwa, RownanieHtml({p.jednostka}, opis.rozmiar), strona);
            jednostka->setFixedSize(SzerokoscPola, 26);
            siatka->addWidget(jednostka, wiersz, kolumna, Qt::AlignHCenter | Qt::AlignBottom);
            siatka->addWidget(pole, wiersz + 1, kolumna, Qt::AlignHCenter);
            ++i;
        }
        uklad->addLayout(siatka);
        pcEstWlas->addWidget(strona);
    }
    Edit1->setText(QStringLiteral("8314"));
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelChunga2()
{
    QGridLayout* siatka = PanelMetody(
        pnlChung2, "pnlChung2", "Lepkość gazu pod wysokim ciśnieniem - Metoda Chunga",
        RownanieHtml({"@h = 36.344 · (M · T_{c})^{1/2} · @h* / V_{c}^{2/3}   [@mP = 10^{-7} Pa s]",
                      "@h* = T*^{1/2} · (1/G_{2} + E_{6} · y) · F_{c} / @W_{v} + @h**      y = @r · V_{c} / 6",
                      "@h** = E_{7} · y^{2} · G_{2} · exp(E_{8} + E_{9} / T* + E_{10} / T*^{2})"},
                     12),
        pnlMetody);
    edtCisnienie = UtworzPoleLiczbowe(QStringLiteral("edtCisnienie"), pnlChung2);
    edtGestoscObl = UtworzPoleLiczbowe(QStringLiteral("edtGestoscObl"), pnlChung2);
    sbtnGestosc = Utworz<QPushButton>(QStringLiteral("sbtnGestosc"), QStringLiteral("<--- Oblicz gęstość"), pnlChung2);
    siatka->addWidget(new QLabel(QStringLiteral("Ciśnienie  P ="), pnlChung2), 0, 0, Qt::AlignRight);
    siatka->addWidget(edtCisnienie, 0, 1);
    siatka->addWidget(new QLabel(QStringLiteral("bar"), pnlChung2), 0, 2);
    auto* gestosc = EtykietaHtml(QStringLiteral("qlblGestoscObl"), RownanieHtml({"Gęstość molowa  @r ="}, 10), pnlChung2);
    siatka->addWidget(gestosc, 1, 0, Qt::AlignRight);
    siatka->addWidget(edtGestoscObl, 1, 1);
    auto* jednostka = EtykietaHtml(QStringLiteral("qlblMolCm3"), RownanieHtml({"mol/cm^{3}"}, 10), pnlChung2);
    siatka->addWidget(jednostka, 1, 2, Qt::AlignLeft);
    siatka->addWidget(sbtnGestosc, 1, 3);
    for (QLineEdit* pole : {static_cast<QLineEdit*>(edtCisnienie), static_cast<QLineEdit*>(edtGestoscObl)})
        pole->setFixedWidth(180);
    sbtnGestosc->setMinimumWidth(sbtnGestosc->sizeHint().width() + 16);
    siatka->setColumnStretch(4, 1);
    return pnlChung2;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelLucasa()
{
    QGridLayout* siatka = PanelMetody(
        pnlLucas, "pnlLucas", "Lepkość cieczy pod wysokim ciśnieniem - Metoda Lucasa",
        RownanieHtml({"@h(T_{nas}, P) / @h_{SL} = [1 + D · (@D P_{r} / 2.118)^{A}] / (1 + C · @w · @D P_{r})",
                      "@D P_{r} = (P - P_{s}) / P_{c}      T_{r} = T_{nas} / T_{c}",
                      "@h(T)^{-0.2661} = @h(T_{nas})^{-0.2661} + (T - T_{nas}) / 233"},
                     12),
        pnlMetody);
    struct Wiersz {
        TPoleLiczbowe** pole;
        const char* nazwa;
        const char* podpis;
        const char* jednostka;
    };
    const Wiersz wiersze[] = {
        {&edtPLucas, "edtPLucas", "Ciśnienie  P =", "bar"},
        {&edtPnas, "edtPnas", "Ciśnienie nasycenia  Ps =", "bar"},
        {&edtTnas, "edtTnas", "Temperatura nasycenia  Tnas =", "K"},
        {&edtLepNas, "edtLepNas", "Lepkość cieczy nasyconej =", "Pa s"},
    };
    int i = 0;
    for (const Wiersz& w : wiersze) {
        *w.pole = UtworzPoleLiczbowe(QString::fromLatin1(w.nazwa), pnlLucas);
        (*w.pole)->setFixedWidth(SzerokoscPola);
        siatka->addWidget(new QLabel(QString::fromUtf8(w.podpis), pnlLucas), i, 0, Qt::AlignRight);
        siatka->addWidget(*w.pole, i, 1);
        siatka->addWidget(new QLabel(QString::fromUtf8(w.jednostka), pnlLucas), i, 2);
        ++i;
    }
    sbLepPodCisNas = Utworz<QPushButton>(QStringLiteral("sbLepPodCisNas"),
                                         QStringLiteral("Oblicz lepkość gazu\nw temperaturze nasycenia"), pnlLucas);
    siatka->addWidget(sbLepPodCisNas, 2, 3, 2, 1);
    siatka->setColumnStretch(3, 1);
    return pnlLucas;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelTyna()
{
    QGridLayout* siatka = PanelMetody(
        pnlTyna, "pnlTyna", "Współczynnik dyfuzji w cieczach - zmodyfikowana metoda Tyna i Calusa",
        RownanieHtml({"D_{AB} = 8.93 · 10^{-8} · V_{B}^{0.267} / V_{A}^{0.433} · T / @h_{B} · (@s_{B} / @s_{A})^{0.15}",
                      "V [cm^{3}/mol] w T_{b},  @h_{B} [cP],  D_{AB} [cm^{2}/s]",
                      "@s = P_{c}^{2/3} · T_{c}^{1/3} · (0.132 · @a_{c} - 0.278) · (1 - T_{br})^{11/9}"},
                     12),
        pnlMetody);
    cbZwiazek1 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek1"), pnlTyna);
    cbZwiazek2 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek2"), pnlTyna);
    siatka->addWidget(new QLabel(QStringLiteral("Substancja rozpuszczana"), pnlTyna), 0, 0);
    siatka->addWidget(new QLabel(QStringLiteral("Rozpuszczalnik"), pnlTyna), 0, 1);
    siatka->addWidget(cbZwiazek1, 1, 0);
    siatka->addWidget(cbZwiazek2, 1, 1);
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2})
        lista->WlaczDopelnianie();
    return pnlTyna;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPrzelicznik()
{
    gbxSI = Utworz<QGroupBox>(QStringLiteral("gbxSI"), QStringLiteral("Przelicznik na SI"), this);
    gbxSI->setFixedSize(Szerokosc, 56);
    edtSI = PoleWynikuStrony(QStringLiteral("edtSI"), gbxSI);
    edtSI->setGeometry((Szerokosc - SzerokoscPola) / 2, 24, SzerokoscPola, WysokoscPola);
    return gbxSI;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzZakres()
{
    gbxZakres = Utworz<QGroupBox>(QStringLiteral("gbxZakres"), QStringLiteral("Zakres stosowalności"), this);
    gbxZakres->setFixedSize(Szerokosc, 56);
    edtTmin = PoleWynikuStrony(QStringLiteral("edtTmin"), gbxZakres);
    edtTmax = PoleWynikuStrony(QStringLiteral("edtTmax"), gbxZakres);
    int x = Szerokosc / 2 - 250;
    for (auto [podpis, pole] : {std::pair{"Tmin  [K]", edtTmin}, std::pair{"Tmax  [K]", edtTmax}}) {
        auto* etykieta = new QLabel(QString::fromLatin1(podpis), gbxZakres);
        etykieta->setGeometry(x, 24, 70, WysokoscPola);
        pole->setGeometry(x + 70, 24, SzerokoscPola, WysokoscPola);
        x += 300;
    }
    return gbxZakres;
}

QWidget* TEstymacjaWlasnosciFrm::UtworzOblicz()
{
    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"), this);
    pnlOblicz->setFixedSize(Szerokosc, 96);
    lblT = Utworz<QLabel>(QStringLiteral("lblT"), QStringLiteral("Podaj temperaturę  T="), pnlOblicz);
    lblT->setGeometry(8, 10, 140, WysokoscPola);
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"), pnlOblicz);
    edtT->setGeometry(150, 10, 76, WysokoscPola);
    lblT_ = Utworz<QLabel>(QStringLiteral("lblT_"), QStringLiteral("K"), pnlOblicz);
    lblT_->setGeometry(230, 10, 14, WysokoscPola);
    lblP = Utworz<QLabel>(QStringLiteral("lblP"), QStringLiteral("i ciśnienie P="), pnlOblicz);
    lblP->setGeometry(248, 10, 86, WysokoscPola);
    edtP = UtworzPoleLiczbowe(QStringLiteral("edtP"), pnlOblicz);
    edtP->setGeometry(334, 10, 64, WysokoscPola);
    lblP_ = Utworz<QLabel>(QStringLiteral("lblP_"), QStringLiteral("bar"), pnlOblicz);
    lblP_->setGeometry(402, 10, 24, WysokoscPola);
    btnOblicz = Utworz<QPushButton>(QStringLiteral("btnOblicz"), QStringLiteral("&Oblicz"), pnlOblicz);
    btnOblicz->setGeometry(Szerokosc - 8 - 2 * 90 - 8, 8, 90, 26);
    btnOblicz->setDefault(true);
    Tab_Button = Utworz<QPushButton>(QStringLiteral("Tab_Button"), QStringLiteral("&Tabela"), pnlOblicz);
    Tab_Button->setGeometry(Szerokosc - 8 - 90, 8, 90, 26);
    qlblWyn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblWyn"), pnlOblicz);
    qlblWyn->setGeometry(8, 50, 200, 36);
    edtWynik = Utworz<QLineEdit>(QStringLiteral("edtWynik"), pnlOblicz);
    edtWynik->setReadOnly(true);
    edtWynik->setGeometry(208, 56, 120, WysokoscPola);
    qlblJedn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblJedn"), pnlOblicz);
    qlblJedn->setGeometry(332, 54, 280, 36);
    lblZakres = Utworz<QLabel>(QStringLiteral("lblZakres"), QString(), pnlOblicz);
    lblZakres->setGeometry(248, 10, 190, WysokoscPola);
    lblZakres->setAttribute(Qt::WA_TransparentForMouseEvents); // it lies over the Aalto page's pressure box
    return pnlOblicz;
}

void TEstymacjaWlasnosciFrm::PolaczObsluge()
{
    connect(btnOblicz, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnObliczClick(); }));
    connect(Tab_Button, &QPushButton::clicked, this, WSieci([this](auto&&...) { Tab_ButtonClick(); }));
    connect(sbLepPodCisNas, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbLepPodCisNasClick(); }));
    connect(sbtnGestosc, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbtnGestoscClick(); }));
    connect(edtT, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtTChange(); }));
    connect(edtP, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtPChange(); }));
    connect(cbPolarny, &QCheckBox::toggled, this, WSieci([this](auto&&...) { cbPolarnyClick(); }));
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2})
        connect(lista, &QComboBox::currentTextChanged, this, WSieci([this](auto&&...) { cbZwiazek1Change(); }));
    // A result no longer belongs to changed inputs: it is not shown nor handed to the table.
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtCisnienie, edtGestoscObl, edtPLucas, edtPnas, edtTnas,
                                                             edtLepNas, edtZra, edtIleOH->edycja()})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { CzyscWynik(); }));
    connect(cbPolarny, &QCheckBox::toggled, this, WSieci([this](auto&&...) { CzyscWynik(); }));
    // The compressibility panel's density belongs to its T and P; a density typed is the user's.
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtT, edtCisnienie})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { SprawdzStanGestosci(); }));
    connect(edtGestoscObl, &QLineEdit::textEdited, this, WSieci([this](auto&&...) { stanGestosci_.reset(); }));
    pnlChung2Gestosc->przyjmijGestosc = [this](long double gestosc) { PrzyjmijGestoscMolowa(gestosc); };
    pnlChung2Gestosc->powrot = [this] {
        if (pnlChung2Gestosc->Mieszanina())
            close();
        else
            ZamknijPanelGestosci();
    };
}

// Everything that takes the method area: the pages and the panels placed over it.
std::array<QWidget*, 5> TEstymacjaWlasnosciFrm::ObszaryMetod() const
{
    return {pcEstWlas, pnlChung2, pnlLucas, pnlTyna, pnlChung2Gestosc};
}

void TEstymacjaWlasnosciFrm::UstawWysokoscMetod(int wysokosc)
{
    pnlMetody->setFixedSize(Szerokosc, wysokosc);
    const QRect obszar(Margines, Margines, Szerokosc - 2 * Margines, wysokosc - 2 * Margines);
    for (QWidget* panel : ObszaryMetod())
        panel->setGeometry(obszar);
}

void TEstymacjaWlasnosciFrm::ZadnaMetoda()
{
    for (QWidget* panel : ObszaryMetod())
        panel->hide();
}

void TEstymacjaWlasnosciFrm::UstawZakres(long double Tmin, long double Tmax)
{
    edtTmin->setText(TekstLubPytajnik(Tmin));
    edtTmax->setText(TekstLubPytajnik(Tmax));
}

// A page of pcEstWlas or a panel of its own, with the range and the SI factor of the method.
void TEstymacjaWlasnosciFrm::PokazMetode(QWidget* obszar, const char* si)
{
    ZadnaMetoda();
    if (pcEstWlas->indexOf(obszar) >= 0) {
        pcEstWlas->setCurrentWidget(obszar);
        obszar = pcEstWlas;
    }
    obszar->show();
    edtSI->setText(QString::fromLatin1(si));
}

void TEstymacjaWlasnosciFrm::wczytajBrocka() { Wczytaj(pnlBrocka, RekordYaws.Tf, RekordYaws.Tb, "10e-3"); }
void TEstymacjaWlasnosciFrm::wczytajSatoRiedla() { Wczytaj(pnlSatoRiedla, RekordYaws.Tf, RekordYaws.Tb, "brak"); }
void TEstymacjaWlasnosciFrm::wczytajPitzera() { Wczytaj(pnlPitzer, RekordYaws.Tf, RekordYaws.Tb, "brak"); }
void TEstymacjaWlasnosciFrm::wczytajChunga1() { Wczytaj(pnlChung1, RekordYaws.Tb, RekordYaws.Tc, "10e-7"); }
void TEstymacjaWlasnosciFrm::wczytajChunga2() { Wczytaj(pnlChung2, RekordYaws.Tb, RekordYaws.Tc, "10e-7"); }
void TEstymacjaWlasnosciFrm::wczytajLucasa() { Wczytaj(pnlLucas, RekordYaws.Tb, RekordYaws.Tc, "10e-3"); }

void TEstymacjaWlasnosciFrm::Wczytaj(QWidget* obszar, long double Tmin, long double Tmax, const char* si)
{
    UstawZakres(Tmin, Tmax);
    PokazMetode(obszar, si);
}

// Both lists hold every Polish name of the database, whole and sorted.
void TEstymacjaWlasnosciFrm::wczytajTyna()
{
    PokazMetode(pnlTyna, "");
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaPL);
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2}) {
        lista->clear();
        lista->WypelnijPosortowane(nazwy);
        lista->setCurrentIndex(-1);
    }
    tynaCalusa_.reset();
    zakresUkladu_.reset();
}

void TEstymacjaWlasnosciFrm::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (zdarzenie->spontaneous())
        return;
    FormShow();
    if (Kod("032"))
        ZarejestrujOdbiorceLepkosciNasycenia(this);
}

void TEstymacjaWlasnosciFrm::hideEvent(QHideEvent* zdarzenie)
{
    QMainWindow::hideEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        WyrejestrujOdbiorceLepkosciNasycenia(this);
}

void TEstymacjaWlasnosciFrm::FormShow()
{
    edtP->clear();
    CzyscWynik();
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblP, lblP_, edtP})
        kontrolka->hide();
    // For a gas mixture only the compressibility panel has a meaning.
    const bool mieszanina = pnlChung2Gestosc->Mieszanina();
    gbxSI->setVisible(!Kod("Tyna") && !KodGestosci(KodMetody) && !mieszanina);
    gbxZakres->setVisible(!mieszanina);
    pnlOblicz->setVisible(!mieszanina);
    lblZakres->clear();
    UstawWysokoscMetod(mieszanina ? WysokoscMetodWyzsza : WysokoscMetod); // the mixture's equations need more
    if (mieszanina)
        setWindowTitle(QStringLiteral("Obliczanie współczynnika ściśliwości dla mieszaniny gazów"));
    else if (Kod("Tyna"))
        setWindowTitle(QStringLiteral("Obliczanie współczynnika dyfuzji w cieczach zmodyfikowaną metodą Tyna i Calusa"));
    else
        setWindowTitle(QStringLiteral("PL: ") + Cp1250ToUnicode(RekordYaws.NazwaPL) + QStringLiteral("  UK: ")
                       + Cp1250ToUnicode(RekordYaws.NazwaANG) + QStringLiteral(" Wzór: ") + Cp1250ToUnicode(RekordYaws.Wzor));
    if (KodGestosci(KodMetody))
        WypelnijStroneGestosci();
    if (mieszanina)
        pnlChung2Gestosc->bbtnMathCad->setFocus();
    else
        edtT->setFocus();
    adjustSize();
}

void TEstymacjaWlasnosciFrm::WypelnijStroneGestosci()
{
    const TRekordYaws& r = RekordYaws;
    UstawZakres(r.Tf, r.Tb);
    if (Kod("GestcRackett")) {
        PokazMetode(ts5, "");
        edtVc->setText(TekstLubPytajnik(r.Vc, 0.001L));
        edtOmega->setText(TekstLubPytajnik(r.Omega));
        edtTc->setText(TekstLubPytajnik(r.Tc));
        edtM->setText(TekstLubPytajnik(r.Mmol));
    } else if (Kod("GestcRackett2")) {
        PokazMetode(TabSheet1, "");
        edtVr->setText(TekstLubPytajnik(r.Vcmol, 0.001L));
        temperaturaOdniesienia_ = TemperaturaOdniesieniaRacketta(r, temperaturaOdniesienia_);
        edtTr->setText(TekstLubPytajnik(temperaturaOdniesienia_));
        edtOmega_->setText(TekstLubPytajnik(r.Omega));
        edtTc_->setText(TekstLubPytajnik(r.Tc));
        edtM_->setText(TekstLubPytajnik(r.Mmol));
    } else if (Kod("HBT")) {
        PokazMetode(TabSheet2, "");
        UstawWysokoscMetod(WysokoscMetodWyzsza);
        edtVc__->setText(TekstLubPytajnik(r.Vc, 0.001L));
        edtOmega__->setText(TekstLubPytajnik(r.Omega));
        edtTc__->setText(TekstLubPytajnik(r.Tc));
        edtM__->setText(TekstLubPytajnik(r.Mmol));
        edtTr__->setText(Pytajnik);
    } else if (Kod("Aalto")) {
        PokazMetode(TabSheet3, "");
        UstawWysokoscMetod(WysokoscMetodWyzsza);
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblP, lblP_, edtP})
            kontrolka->show();
        const bool preznosc = KorelacjaKompletna(r, *KorelacjaDlaKodow('5', ' '));
        UstawZakres(preznosc ? r.PvpTmin : BrakDanych, preznosc ? r.PvpTmax : BrakDanych);
        edtOmega___->setText(TekstLubPytajnik(r.Omega));
        edtTc___->setText(TekstLubPytajnik(r.Tc));
        edtPc___->setText(TekstLubPytajnik(r.Pc));
        edtM___->setText(TekstLubPytajnik(r.Mmol));
        for (QLineEdit* pole : {edtVs___, edtTr___, edtPvp___})
            pole->setText(Pytajnik);
    } else {
        PokazMetode(TabSheet4, "");
        edtZra->setText(TekstLubPytajnik(r.Zra));
        edtPcSD->setText(TekstLubPytajnik(r.Pc, 100000.0L));
        edtTcSD->setText(TekstLubPytajnik(r.Tc));
        edtMSD->setText(TekstLubPytajnik(r.Mmol));
    }
}

void TEstymacjaWlasnosciFrm::CzyscWynik()
{
    qlblWyn->hide();
    edtWynik->hide();
    edtWynik->clear();
    qlblJedn->hide();
    gestoscChunga_.reset();
}

void TEstymacjaWlasnosciFrm::btnObliczClick()
{
    if (edtT->text().isEmpty()) {
        PokazKomunikat(QStringLiteral("Podaj temperaturę"));
        edtT->setFocus();
        return;
    }
    CzyscWynik();
    QString komunikat;
    RodzajKomunikatu rodzaj = RodzajKomunikatu::Zwykly;
    QLineEdit* pole = nullptr;
    std::optional<TWynik> wynik;
    {
        const KursorOczekiwania klepsydra;
        try {
            const long double T = Dodatnia(edtT, TemperaturaT);
            TempObliczen = T;
            TWynik obliczony = Oblicz(T);
            obliczony.wartosc = SkonczonaWartosc(obliczony.wartosc);
            // A viscosity, density or diffusion coefficient of 0 is an underflow, not a value.
            if (!obliczony.zeroMozliwe && !(obliczony.wartosc > 0.0L))
                throw EMathError("wynik nie jest większy od zera");
            wynik = obliczony;
        } catch (const EOdmowa& odmowa) {
            komunikat = QString::fromStdString(odmowa.what());
            pole = odmowa.pole;
        } catch (const EMathError& blad) {
            komunikat = QStringLiteral("Obliczenia nie powiodły się dla podanych danych (%1)").arg(QString::fromUtf8(blad.what()));
            rodzaj = RodzajKomunikatu::Blad;
        }
    }
    if (wynik)
        PokazWynik(*wynik);
    else if (pole)
        OdrzucWpis(pole, komunikat);
    else
        PokazKomunikat(komunikat, rodzaj);
}

TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::Oblicz(long double T)
{
    if (Kod("031"))
        return ObliczChunga2(T);
    if (Kod("032"))
        return ObliczLucasa(T);
    if (Kod("Tyna"))
        return ObliczTyna(T);
    if (KodGestosci(KodMetody))
        return ObliczGestosc(T);
    return ObliczZRekordu(T);
}

// "000" .. "030": the formula reads the record, which must hold every field it needs.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczZRekordu(long double T)
{
    const bool znany = Kod("000") || Kod("010") || Kod("020") || Kod("030");
    if (!znany)
        throw EOdmowa(MetodaNiedostepna);
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    if (!Kod("030"))
        SprawdzCiecz(T, RekordYaws.Tc, edtT, TemperaturaT);
    // Surface tension and the heat of vaporisation vanish at the critical point.
    if (Kod("000"))
        return {NapiecieBrockaBirda(T), SymbolSigma, QStringLiteral("N/m"), true};
    if (Kod("010"))
        return {LambdaSatoRiedela(T), QStringLiteral(R"(<font size="13">Lambda = </font>)"), QStringLiteral("[W/(m K)]")};
    if (Kod("020")) {
        const long double Tr = ObliczSprawdzajac([&] { return T / RekordYaws.Tc; });
        return {DelHvPitzera(T), QStringLiteral(R"(<font size="13">DelHv = </font>)"),
                QStringLiteral("[J/mol] dla Tr=") + QString::number(static_cast<double>(Tr), 'g', 3), true};
    }
    const long double lepkosc = cbPolarny->isChecked() ? LepkoscChungaPolarna(T, LiczbaGrupOH()) : LepkoscChunga(T);
    return {lepkosc, Lepkosc, JednostkaLepkosci};
}

long double TEstymacjaWlasnosciFrm::LiczbaGrupOH() const
{
    bool calkowita = false;
    const int liczba = edtIleOH->text().trimmed().toInt(&calkowita);
    if (!calkowita || liczba < 0)
        throw EOdmowa(QStringLiteral("Liczba grup -OH musi być liczbą całkowitą nie mniejszą od zera"), edtIleOH->edycja());
    return liczba;
}

TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczChunga2(long double T)
{
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    CisnienieEstymacji = Dodatnia(edtCisnienie, CisnienieP);
    GestoscMolowa = Dodatnia(edtGestoscObl, QStringLiteral("Gęstość molowa ρ"));
    const long double lepkosc = LepkoscChungaGestyGaz(T, CisnienieEstymacji, GestoscMolowa);
    gestoscChunga_ = GestoscMolowa;
    return {lepkosc, Lepkosc, JednostkaLepkosci};
}

// The saturated viscosity belongs to the saturation temperature; below the saturation pressure
// the liquid boils, and above the critical temperature there is no liquid, so no value there.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczLucasa(long double T)
{
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    SprawdzCiecz(T, RekordYaws.Tc, edtT, TemperaturaT);
    CisnienieEstymacji = Dodatnia(edtPLucas, CisnienieP);
    const long double Pnas = Dodatnia(edtPnas, QStringLiteral("Ciśnienie nasycenia Ps"));
    TemperaturaNasycenia = Dodatnia(edtTnas, TemperaturaNasyceniaTnas);
    SprawdzCiecz(TemperaturaNasycenia, RekordYaws.Tc, edtTnas, TemperaturaNasyceniaTnas);
    LepkoscNasycenia = Dodatnia(edtLepNas, QStringLiteral("Lepkość cieczy nasyconej"));
    if (CisnienieEstymacji < Pnas)
        throw EOdmowa(QStringLiteral("Ciśnienie jest mniejsze od ciśnienia nasycenia (%1 bar): ciecz wrze").arg(FloatToStr(Pnas)));
    return {LepkoscLucasa(TemperaturaNasycenia, T, Pnas, CisnienieEstymacji, LepkoscNasycenia), Lepkosc, JednostkaLepkosci};
}

// Each list's chosen name is looked up whole; RekordYaws is left holding the last record read.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczTyna(long double T)
{
    tynaCalusa_.reset();
    const auto znajdz = [](const QString& nazwa) -> std::optional<TRekordYaws> {
        if (!WczytajSkladnik(PoleSzukania::NazwaPL, nazwa))
            return std::nullopt;
        return RekordYaws;
    };
    const std::optional<TRekordYaws> substancja = znajdz(cbZwiazek1->currentText());
    Znaleziono1 = substancja.has_value();
    if (!substancja) {
        cbZwiazek1->setEditText(QString());
        throw EOdmowa(NieMaZwiazku);
    }
    const std::optional<TRekordYaws> rozpuszczalnik = znajdz(cbZwiazek2->currentText());
    Znaleziono2 = rozpuszczalnik.has_value();
    if (!rozpuszczalnik)
        throw EOdmowa(QStringLiteral("Brak danych dla wybranego układu"));
    const TWynikTynaCalusa wynik = ObliczTynaCalusa(T, *substancja, *rozpuszczalnik);
    zakresUkladu_ = wynik.zakres;
    if (wynik.zakres) {
        UstawZakres(wynik.zakres->first, wynik.zakres->second);
        lblZakres->setText(QStringLiteral("w zakresie <") + FloatToStr(wynik.zakres->first) + QStringLiteral(" , ")
                           + FloatToStr(wynik.zakres->second) + QStringLiteral(">"));
    }
    switch (wynik.blad) {
    case BladTynaCalusa::BrakDanych:
        throw EOdmowa(QStringLiteral("Brak danych dla wybranego układu"));
    case BladTynaCalusa::BrakWspolnegoZakresu:
        throw EOdmowa(QStringLiteral("Dla wybranego układu nie ma wspólnego zakresu temperatur"));
    case BladTynaCalusa::PozaZakresem:
        throw EOdmowa(QStringLiteral("Temperatura wykracza poza dopuszczalny zakres!"));
    case BladTynaCalusa::Brak:
        break;
    }
    tynaCalusa_ = wynik.dane;
    return {wynik.wspolczynnik, QStringLiteral(R"(<font size="13">Wsp. dyfuzji = </font>)"), QStringLiteral("[cm^2/s]")};
}

// Each page reads its critical temperature first: above it there is no liquid density.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczGestosc(long double T)
{
    const auto krytyczna = [&](const QLineEdit* Tc) {
        const long double wartosc = Liczba(Tc);
        SprawdzCiecz(T, wartosc, edtT, TemperaturaT);
        return wartosc;
    };
    long double gestosc;
    if (Kod("GestcRackett")) {
        const long double Tc = krytyczna(edtTc);
        gestosc = GestoscYamadyGunna(T, Liczba(edtVc), Liczba(edtOmega), Tc, Liczba(edtM));
    } else if (Kod("GestcRackett2")) {
        const long double Tc = krytyczna(edtTc_);
        temperaturaOdniesienia_ = Liczba(edtTr);
        gestosc = GestoscRackettaOdniesienie(T, temperaturaOdniesienia_, Liczba(edtVr), Liczba(edtOmega_), Tc, Liczba(edtM_));
    } else if (Kod("HBT")) {
        const long double Tc = krytyczna(edtTc__);
        gestosc = GestoscCostald(T, Liczba(edtVc__), Liczba(edtOmega__), Tc, Liczba(edtM__));
    } else if (Kod("Aalto")) {
        const long double Tc = krytyczna(edtTc___);
        CisnienieEstymacji = Dodatnia(edtP, CisnienieP);
        gestosc = GestoscChangaZhao(T, CisnienieEstymacji, Liczba(edtVs___), Liczba(edtOmega___), Liczba(edtPvp___),
                                    Liczba(edtM___), Liczba(edtPc___), Tc);
    } else {
        const long double Tc = krytyczna(edtTcSD);
        gestosc = GestoscRacketta(Dodatnia(edtZra, QStringLiteral("Współczynnik ZRA")), T, Liczba(edtPcSD), Tc, Liczba(edtMSD));
    }
    return {gestosc, SymbolGestosci, JednostkaGestosci};
}

void TEstymacjaWlasnosciFrm::PokazWynik(const TWynik& wynik)
{
    qlblWyn->setHtml(QStringLiteral(R"(<p align="right">)") + wynik.symbol + QStringLiteral("</p>"));
    qlblJedn->setHtml(QStringLiteral(R"(<font size="13">)") + wynik.jednostka + QStringLiteral("</font>"));
    edtWynik->setText(FloatToStr(wynik.wartosc));
    edtWynik->setFixedWidth(fontMetrics().horizontalAdvance(edtWynik->text()) + 14);
    edtWynik->move(qlblWyn->x() + qlblWyn->width(), edtWynik->y());
    qlblJedn->move(edtWynik->x() + edtWynik->width() + 4, qlblJedn->y());
    edtWynik->setCursorPosition(0);
    qlblWyn->show();
    edtWynik->show();
    qlblJedn->show();
}

void TEstymacjaWlasnosciFrm::edtTChange()
{
    CzyscWynik();
    long double T = 0.0L;
    const bool liczba = Val(edtT->text(), T);
    const auto wzgledna = [&](QLineEdit* Tc, QLineEdit* Tr) {
        try {
            Tr->setText(liczba ? FloatToStr(ObliczSprawdzajac([&] { return T / StrToFloat(Tc->text()); })) : Pytajnik);
        } catch (const std::exception&) {
            Tr->setText(Pytajnik);
        }
    };
    if (Kod("HBT"))
        wzgledna(edtTc__, edtTr__);
    else if (Kod("Spencer-Danner"))
        wzgledna(edtTcSD, edtTrSD);
    else if (Kod("Aalto")) {
        wzgledna(edtTc___, edtTr___);
        PrzeliczPoleAalto(liczba ? T : BrakDanych);
    }
}

// The vapour pressure and the saturated volume of the Aalto page at T, "?" where the record
// lacks what they need.
void TEstymacjaWlasnosciFrm::PrzeliczPoleAalto(long double T)
{
    const TRekordYaws& r = RekordYaws;
    const auto wartosc = [T](bool dane, const std::function<long double()>& oblicz) {
        if (T == BrakDanych || !dane)
            return Pytajnik;
        try {
            return FloatToStr(ObliczSkonczone(oblicz));
        } catch (const EMathError&) {
            return Pytajnik;
        }
    };
    edtPvp___->setText(wartosc(KorelacjaKompletna(r, *KorelacjaDlaKodow('5', ' ')),
                               [T] { return ObliczPreznoscPary(T) * 0.00001L; }));
    const bool objetosc = TempObjetosciMolowej != BrakDanych && r.Vcmol != BrakDanych && r.Omega != BrakDanych
                          && r.Tc != BrakDanych && r.Mmol != BrakDanych;
    edtVs___->setText(wartosc(objetosc, [T, &r] {
        return ObjetoscRackettaOdniesienie(T, TempObjetosciMolowej, r.Vcmol * 0.001L, r.Omega, r.Tc, r.Mmol);
    }));
}

// A pressure typed on the Aalto page needs a temperature strictly inside the vapour-pressure range.
void TEstymacjaWlasnosciFrm::edtPChange()
{
    CzyscWynik();
    if (!Kod("Aalto") || edtP->text().isEmpty() || edtTmin->text() == Pytajnik || edtTmax->text() == Pytajnik)
        return;
    long double T = 0.0L;
    if (!Val(edtT->text(), T) || !(StrToFloat(edtTmin->text()) < T && T < StrToFloat(edtTmax->text()))) {
        PokazKomunikat(QStringLiteral("Temperatura poza zakresem!"));
        return;
    }
    PrzeliczPoleAalto(T);
}

void TEstymacjaWlasnosciFrm::cbPolarnyClick()
{
    lblIleOH->setVisible(cbPolarny->isChecked());
    edtIleOH->setVisible(cbPolarny->isChecked());
}

// Another pair: its range and its result are no longer known.
void TEstymacjaWlasnosciFrm::cbZwiazek1Change()
{
    lblZakres->clear();
    edtTmin->clear();
    edtTmax->clear();
    CzyscWynik();
    tynaCalusa_.reset();
    zakresUkladu_.reset();
}

TDaneEstymacji TEstymacjaWlasnosciFrm::DaneDlaTabeli() const
{
    TDaneEstymacji dane;
    dane.T = LiczbaPola(edtT);
    dane.Tnas = LiczbaPola(edtTnas);
    dane.Pnas = LiczbaPola(edtPnas);
    dane.LepNas = LiczbaPola(edtLepNas);
    dane.polarny = cbPolarny->isChecked();
    dane.grupyOH = edtIleOH->text().toInt();
    dane.gestoscMolowa = gestoscChunga_;
    dane.tynaCalusa = tynaCalusa_;
    if (Kod("GestcRackett")) {
        dane.Vc = LiczbaPola(edtVc), dane.Omega = LiczbaPola(edtOmega), dane.Tc = LiczbaPola(edtTc), dane.M = LiczbaPola(edtM);
    } else if (Kod("GestcRackett2")) {
        dane.TR = LiczbaPola(edtTr), dane.VR = LiczbaPola(edtVr), dane.Omega = LiczbaPola(edtOmega_);
        dane.Tc = LiczbaPola(edtTc_), dane.M = LiczbaPola(edtM_);
    } else if (Kod("HBT")) {
        dane.Vc = LiczbaPola(edtVc__), dane.Omega = LiczbaPola(edtOmega__), dane.Tc = LiczbaPola(edtTc__);
        dane.M = LiczbaPola(edtM__);
    } else if (Kod("Aalto")) {
        dane.P = LiczbaPola(edtP), dane.Omega = LiczbaPola(edtOmega___), dane.M = LiczbaPola(edtM___);
        dane.Pc = LiczbaPola(edtPc___), dane.Tc = LiczbaPola(edtTc___);
    } else if (Kod("Spencer-Danner")) {
        dane.Zra = LiczbaPola(edtZra), dane.Pc = LiczbaPola(edtPcSD), dane.Tc = LiczbaPola(edtTcSD), dane.M = LiczbaPola(edtMSD);
    }
    return dane;
}

// The table over this window's range with its inputs; "032" over pressures 1 to 10 bar, "Tyna"
// over the pair's range once a computation has found it.
void TEstymacjaWlasnosciFrm::Tab_ButtonClick()
{
    const TDaneEstymacji dane = DaneDlaTabeli();
    QString Tmin = edtTmin->text(), Tmax = edtTmax->text();
    if (Kod("032")) {
        Tmin = QStringLiteral("1");
        Tmax = QStringLiteral("10");
    } else if (Kod("Tyna")) {
        Tmin = zakresUkladu_ ? FloatToStr(zakresUkladu_->first) : QString();
        Tmax = zakresUkladu_ ? FloatToStr(zakresUkladu_->second) : QString();
    }
    OtworzTabele([&](TTabela_Form& tabela) {
        tabela.DaneEstymacji = &dane;
        tabela.edtTmin->setText(Tmin);
        tabela.edtTmax->setText(Tmax);
        if (Kod("032")) {
            tabela.qlblTminOd->setHtml(MarkupPmin);
            tabela.qlblTmin->setHtml(MarkupPmin);
            tabela.qlblTmaxDo->setHtml(MarkupPmax);
            tabela.qlblTmax->setHtml(MarkupPmax);
        }
    });
}

// The experimental tab computes the liquid viscosity at the saturation temperature and hands it
// back through PrzyjmijLepkoscNasycenia.
void TEstymacjaWlasnosciFrm::sbLepPodCisNasClick()
{
    const std::optional<long double> Tnas = Odczytaj([this] {
        const long double T = Dodatnia(edtTnas, TemperaturaNasyceniaTnas);
        SprawdzCiecz(T, RekordYaws.Tc, edtTnas, TemperaturaNasyceniaTnas);
        return T;
    });
    if (!Tnas || !Baza_Form)
        return;
    TemperaturaNasycenia = *Tnas;
    Baza_Form->rgExpCiecz->UstawItemIndex(0);
    Baza_Form->btnExpDalejClick();
}

void TEstymacjaWlasnosciFrm::PrzyjmijLepkoscNasycenia(long double lepkosc)
{
    edtLepNas->setText(FloatToStr(lepkosc));
    edtLepNas->setCursorPosition(0);
}

// The compressibility panel computes the density at this temperature and pressure; the
// temperature row waits hidden until the panel returns, so T cannot change meanwhile.
void TEstymacjaWlasnosciFrm::sbtnGestoscClick()
{
    const std::optional<long double> T = Odczytaj([this] { return Dodatnia(edtT, TemperaturaT); });
    if (!T)
        return;
    const std::optional<long double> P = Odczytaj([this] { return Dodatnia(edtCisnienie, CisnienieP); });
    if (!P)
        return;
    TempObliczen = *T;
    CisnienieEstymacji = *P;
    pnlChung2Gestosc->PrzygotujDlaSubstancji(*T, *P);
    pnlChung2->hide();
    pnlOblicz->hide();
    pnlChung2Gestosc->show();
    pnlChung2Gestosc->bbtnMathCad->setFocus();
}

void TEstymacjaWlasnosciFrm::PrzyjmijGestoscMolowa(long double gestosc)
{
    GestoscMolowa = gestosc;
    edtGestoscObl->setText(FloatToStr(gestosc));
    edtGestoscObl->setCursorPosition(0);
    stanGestosci_ = std::pair{TempObliczen, CisnienieEstymacji};
}

// A density from the panel is cleared once T or P differs from the state it was computed for.
void TEstymacjaWlasnosciFrm::SprawdzStanGestosci()
{
    if (!stanGestosci_)
        return;
    long double T = 0.0L, P = 0.0L;
    if (Val(edtT->text(), T) && Val(edtCisnienie->text(), P) && std::pair{T, P} == *stanGestosci_)
        return;
    stanGestosci_.reset();
    edtGestoscObl->clear();
}

void TEstymacjaWlasnosciFrm::ZamknijPanelGestosci()
{
    pnlChung2Gestosc->hide();
    pnlChung2->show();
    pnlOblicz->show();
    edtT->setFocus();
}

void TEstymacjaWlasnosciFrm::wczytajStanowOSP(const TStanGazu& stan)
{
    ZadnaMetoda();
    pnlChung2Gestosc->PrzygotujDlaMieszaniny(stan);
    pnlChung2Gestosc->show();
}

// While the compressibility panel is on view, closing returns from it to the method.
void TEstymacjaWlasnosciFrm::closeEvent(QCloseEvent* zdarzenie)
{
    if (pnlChung2Gestosc->isVisible() && !pnlChung2Gestosc->Mieszanina()) {
        ZamknijPanelGestosci();
        zdarzenie->ignore();
        return;
    }
    QMainWindow::closeEvent(zdarzenie);
}

namespace {

// The gas-mixture window's compressibility coefficients: this window in the mixture use, run
// modally; the coefficients it read last go back.
class TArkuszWspolczynnikowZ : public TZrodloWspolczynnikowZ {
public:
    std::optional<TWspolczynnikiZ> ObliczWspolczynnikiZ(const TStanGazu& stan) override
    {
        TEstymacjaWlasnosciFrm okno;
        okno.wczytajStanowOSP(stan);
        UruchomModalnie(&okno);
        return okno.pnlChung2Gestosc->Wspolczynniki();
    }
};

} // namespace

void ZarejestrujOknoEstymacjiWlasnosci()
{
    ZarejestrujZrodloWspolczynnikowZ(std::make_unique<TArkuszWspolczynnikowZ>());
    using F = TEstymacjaWlasnosciFrm;
    ZarejestrujOknoMetody<F>(QStringLiteral("TEstymacjaWlasnosciFrm"), &EstymacjaWlasnosciFrm,
                             {{QStringLiteral("wczytajBrocka"), &F::wczytajBrocka},
                              {QStringLiteral("wczytajSatoRiedla"), &F::wczytajSatoRiedla},
                              {QStringLiteral("wczytajPitzera"), &F::wczytajPitzera},
                              {QStringLiteral("wczytajChunga1"), &F::wczytajChunga1},
                              {QStringLiteral("wczytajChunga2"), &F::wczytajChunga2},
                              {QStringLiteral("wczytajLucasa"), &F::wczytajLucasa},
                              {QStringLiteral("wczytajTyna"), &F::wczytajTyna}});
}
