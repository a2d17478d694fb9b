// The experimental-correlation window driven as a user drives it: loaders, evaluation at the
// ends of the range and outside it, the decimal comma, the SI factor group, the result that
// vanishes when T changes, missing data, floating-point errors, the table button and the "032"
// hand-back. Reference values are computed independently (mpmath, 40 digits) from the sample
// database's coefficients.
#include "BazaDoswiadczalna.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "FloatText.h"
#include "KodyMetod.h"
#include "KorelacjeTemperaturowe.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "Tabela.h"
#include "Zmienne.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>

namespace {

using F = TOblicz_gaz_ciecz_Form;
using Loader = void (F::*)();


class OknoKorelacji : public ::testing::Test {
protected:
    void TearDown() override
    {
        okno.reset();
        ResetujZmienne();
    }

    void Otworz(Loader loader)
    {
        okno->wczytaj();
        (okno.get()->*loader)();
        okno->show();
        QCoreApplication::processEvents();
    }

    // Types the temperature key by key and presses "Oblicz".
    void Oblicz(const QString& temperatura)
    {
        okno->edtT->clear();
        QTest::keyClicks(okno->edtT, temperatura);
        QTest::mouseClick(okno->Button1, Qt::LeftButton);
    }

    // The result as the user sees it: empty when it is not on view.
    QString Wynik() const { return okno->edtWynik1->isVisible() ? okno->edtWynik1->text() : QString(); }

    bool WynikUkryty() const
    {
        return !okno->qlblWyn->isVisible() && !okno->edtWynik1->isVisible() && !okno->qlblJedn->isVisible();
    }

    ZapisujOkna zapis;
    std::unique_ptr<TOblicz_gaz_ciecz_Form> okno = std::make_unique<TOblicz_gaz_ciecz_Form>();
};

// Sample database: water's vapour pressure (gas) and ethanol's liquid viscosity at both ends of
// their ranges.
struct KoniecZakresu {
    const char* substancja;
    Loader loader;
    const char* temperatura;
    const char* wynik;
};

void PrintTo(const KoniecZakresu& p, std::ostream* os)
{
    *os << p.substancja << " " << p.temperatura;
}

class KonceZakresu : public OknoKorelacji, public ::testing::WithParamInterface<KoniecZakresu> {};

TEST_P(KonceZakresu, EvaluateToTheIndependentValue)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje(GetParam().substancja));
    Otworz(GetParam().loader);
    Oblicz(QString::fromLatin1(GetParam().temperatura));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Wynik(), QString::fromLatin1(GetParam().wynik));
}

INSTANTIATE_TEST_SUITE_P(
    ProbnaBaza, KonceZakresu,
    ::testing::Values(KoniecZakresu{"WODA", &F::wczytajPvp, "263.15", "285.200753361211"},
                      KoniecZakresu{"WODA", &F::wczytajPvp, "647.29", "22015585.0087411"},
                      KoniecZakresu{"ETANOL", &F::wczytajnic, "200", "0.0131752053456261"},
                      KoniecZakresu{"ETANOL", &F::wczytajnic, "473", "0.000100090470644342"}));

TEST_F(OknoKorelacji, OutsideTheRangeShowsTheMessageAndNoResult)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("WODA"));
    Otworz(&F::wczytajPvp);
    ASSERT_EQ(okno->edtTmin->text(), QStringLiteral("263.15"));
    ASSERT_EQ(okno->edtTmax->text(), QStringLiteral("647.29"));
    Oblicz(QStringLiteral("263.14"));
    Oblicz(QStringLiteral("647.3"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral(" Temperatura poniżej minimum! "),
                                    QStringLiteral(" Temperatura powyżej maksimum! ")}));
    EXPECT_TRUE(WynikUkryty());
}

TEST_F(OknoKorelacji, TheTemperatureBoxHasTheFocusWhenTheWindowOpens)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("ETANOL"));
    Otworz(&F::wczytajnic);
    okno->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(okno->focusWidget(), okno->edtT);
}

TEST_F(OknoKorelacji, DecimalCommaTypedKeyByKeyIsAccepted)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("ETANOL"));
    Otworz(&F::wczytajnic);
    Oblicz(QStringLiteral("300,5"));
    EXPECT_EQ(okno->edtT->text(), QStringLiteral("300.5"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Wynik(), QStringLiteral("0.00103139390457804"));
    EXPECT_EQ(okno->edtSI->text(), QStringLiteral("0.001"));
}

TEST_F(OknoKorelacji, GasViscosityShowsItsFactorAndAResultInPascalSeconds)
{
    TRekordYaws r = BazaTestowa::Substancja("GAZ");
    Ustaw(r, {{"NigA", 100}, {"NigB", 0}, {"NigC", 0}, {"NigTmin", 200}, {"NigTmax", 1000}});
    BazaTestowa baza({r});
    RekordYaws = r;
    Otworz(&F::wczytajnig);
    EXPECT_TRUE(okno->gbxSI->isVisible());
    EXPECT_EQ(okno->edtSI->text(), QStringLiteral("1E-7"));
    Oblicz(QStringLiteral("300"));
    EXPECT_EQ(Wynik(), QStringLiteral("1E-5")); // 100 µP
    EXPECT_EQ(okno->qlblJedn->html(),
              QStringLiteral(R"(<font size="13">Pa<font size="10"><sup>.</sup></font size>s</font>)"));
    EXPECT_TRUE(okno->qlblWyn->html().endsWith(
        QStringLiteral(R"(<font name="Symbol" size="15">e</font><sub><b>SI</b></sub><font size="15">=</font></p>)")));
    // The result box sits between the symbol and the unit.
    EXPECT_EQ(okno->edtWynik1->x(), okno->qlblWyn->x() + okno->qlblWyn->width());
    EXPECT_GE(okno->qlblJedn->x(), okno->edtWynik1->x() + okno->edtWynik1->width());
}

TEST_F(OknoKorelacji, GasHeatCapacityHidesTheSiGroupAndTheWindowShrinks)
{
    okno->show();
    QCoreApplication::processEvents();
    const int wysokosc = okno->height();
    const int yZakresu = okno->gbxZakres->y();
    const int yOblicz = okno->pnlOblicz->y();
    okno->wczytajCpg();
    QCoreApplication::processEvents();
    EXPECT_FALSE(okno->gbxSI->isVisible());
    EXPECT_EQ(okno->height(), wysokosc - 79);
    EXPECT_EQ(okno->gbxZakres->y(), yZakresu - 79);
    EXPECT_EQ(okno->pnlOblicz->y(), yOblicz - 79);
    // The next reset brings the group and the height back.
    okno->wczytaj();
    QCoreApplication::processEvents();
    EXPECT_TRUE(okno->gbxSI->isVisible());
    EXPECT_EQ(okno->height(), wysokosc);
}

TEST_F(OknoKorelacji, ResultStartsEmptyAndEditingTheTemperatureHidesIt)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("WODA"));
    Otworz(&F::wczytajPvp);
    EXPECT_TRUE(WynikUkryty());
    EXPECT_TRUE(okno->edtWynik1->text().isEmpty());
    Oblicz(QStringLiteral("373.15"));
    ASSERT_FALSE(Wynik().isEmpty());
    QTest::keyClick(okno->edtT, Qt::Key_Backspace);
    EXPECT_TRUE(WynikUkryty());
}

TEST_F(OknoKorelacji, EmptyOrBadTemperatureAsksForOneAndSelectsIt)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("WODA"));
    Otworz(&F::wczytajPvp);
    Oblicz(QString());
    Oblicz(QStringLiteral("3OO"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral("Podaj temperaturę"), QStringLiteral("Podaj temperaturę")}));
    EXPECT_EQ(okno->focusWidget(), okno->edtT);
    EXPECT_EQ(okno->edtT->selectedText(), QStringLiteral("3OO"));
    EXPECT_TRUE(WynikUkryty());
}

// What each loader puts on the window and what its button evaluates, read against field names
// of the record: every field holds its own value, so a box or a function that reads the wrong
// block is caught. At T = 1 K every correlation stays finite.
struct Ladowanie {
    Loader loader;
    const char* tytul;
    std::vector<const char*> pola;     // fields in edtW1.. order
    std::vector<const char*> etykiety; // lblW1..
    const char* blok;                  // prefix of its range fields
    const char* SI;                    // "" when the group is hidden
    long double (*oblicz)(long double);
};

void PrintTo(const Ladowanie& p, std::ostream* os)
{
    *os << p.blok;
}

class Ladowania : public OknoKorelacji, public ::testing::WithParamInterface<Ladowanie> {};

TEST_P(Ladowania, FillTitleBoxesRangeAndFactorAndEvaluateTheirOwnBlock)
{
    const Ladowanie& p = GetParam();
    TRekordYaws r = BazaTestowa::Substancja("X");
    long double wartosc = 0.0L;
    for (const auto& pole : PolaYaws())
        if (pole.liczba)
            r.*pole.liczba = (wartosc += 0.001L);
    const std::string blok = p.blok;
    *PoleLiczbowe(r, blok + "Tmin") += 0.5L;
    *PoleLiczbowe(r, blok + "Tmax") += 2.0L;
    Ustaw(r, {{"Tc", 1000}, {"SinTc", 1000}});
    RekordYaws = r;
    Otworz(p.loader);
    EXPECT_EQ(okno->lblObliczGazCo->text(), QString::fromUtf8(p.tytul));
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const bool widoczny = i < p.pola.size();
        EXPECT_EQ(okno->edtW[i]->isVisible(), widoczny);
        EXPECT_EQ(okno->lblW[i]->isVisible(), widoczny);
        if (widoczny) {
            EXPECT_EQ(okno->edtW[i]->text(), FloatToStr(*PoleLiczbowe(r, p.pola[i])));
            EXPECT_EQ(okno->lblW[i]->text(), QString::fromLatin1(p.etykiety[i]));
        }
    }
    EXPECT_EQ(okno->edtTmin->text(), FloatToStr(*PoleLiczbowe(r, blok + "Tmin")));
    EXPECT_EQ(okno->edtTmax->text(), FloatToStr(*PoleLiczbowe(r, blok + "Tmax")));
    EXPECT_EQ(okno->gbxSI->isVisible(), *p.SI != '\0');
    if (*p.SI) {
        EXPECT_EQ(okno->edtSI->text(), QString::fromLatin1(p.SI));
    }
    EXPECT_FALSE(okno->qlblRownanie->html().isEmpty());
    Oblicz(QStringLiteral("1"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Wynik(), FloatToStr(p.oblicz(1.0L)));
}

INSTANTIATE_TEST_SUITE_P(
    CzternascieWlasnosci, Ladowania,
    ::testing::Values(
        Ladowanie{&F::wczytajCpg, "Obliczanie ciepła właściwego gazów", {"CpgA", "CpgB", "CpgC", "CpgD", "CpgE"}, {"A", "B", "C", "D", "E"}, "Cpg", "", ObliczCpGazu},
        Ladowanie{&F::wczytajdelHf, "Obliczanie ciepła tworzenia gazów", {"DelHfA", "DelHfB", "DelHfC"}, {"A", "B", "C"}, "DelHf", "", ObliczDelHf},
        Ladowanie{&F::wczytajdelGf, "Obliczanie swobodnej energii Gibbsa dla gazów", {"DelGfA", "DelGfB", "DelGfC"}, {"A", "B", "C"}, "DelGf", "", ObliczDelGf},
        Ladowanie{&F::wczytajlag, "Obliczanie współczynnika przewodzenia ciepła gazów", {"LagA", "LagB", "LagC"}, {"A", "B", "C"}, "Lag", "", ObliczLambdaGazu},
        Ladowanie{&F::wczytajnig, "Obliczanie lepkości gazów", {"NigA", "NigB", "NigC"}, {"A", "B", "C"}, "Nig", "1E-7", ObliczLepkoscGazu},
        Ladowanie{&F::wczytajPvp, "Obliczanie prężności pary", {"PvpA", "PvpB", "PvpC", "PvpD", "PvpE"}, {"A", "B", "C", "D", "E"}, "Pvp", "133.322", ObliczPreznoscPary},
        Ladowanie{&F::wczytajDap, "Obliczanie współczynnika dyfuzji w powietrzu dla gazów", {"DapA", "DapB", "DapC"}, {"A", "B", "C"}, "Dap", "", ObliczDyfuzjeWPowietrzu},
        Ladowanie{&F::wczytajnic, "Obliczanie lepkości cieczy", {"NicA", "NicB", "NicC", "NicD"}, {"A", "B", "C", "D"}, "Nic", "0.001", ObliczLepkoscCieczy},
        Ladowanie{&F::wczytajsin, "Obliczanie napięcia powierzchniowego cieczy", {"SinA", "SinTc", "SinN"}, {"A", "Tc", "n"}, "Sin", "0.001", ObliczNapieciePowierzchniowe},
        Ladowanie{&F::wczytajCpc, "Obliczanie ciepła właściwego cieczy", {"CpcA", "CpcB", "CpcC", "CpcD"}, {"A", "B", "C", "D"}, "Cpc", "", ObliczCpCieczy},
        Ladowanie{&F::wczytajroc, "Obliczanie gęstości cieczy", {"RocA", "RocB", "RocN"}, {"A", "B", "n"}, "Roc", "1000", ObliczGestoscCieczy},
        Ladowanie{&F::wczytajlac, "Obliczanie współczynnika przewodzenia ciepła cieczy", {"LacA", "LacB", "LacC"}, {"A", "B", "C"}, "Lac", "", ObliczLambdaCieczy},
        Ladowanie{&F::wczytajDaw, "Obliczanie współczynnika dyfuzji w wodzie dla cieczy", {"DawA", "DawB"}, {"A", "B"}, "Daw", "", ObliczDyfuzjeWWodzie},
        Ladowanie{&F::wczytajdelHv, "Obliczanie ciepła parowania cieczy", {"DelHvA", "DelHvN"}, {"A", "n"}, "DelHv", "", ObliczDelHv}));

TEST_F(OknoKorelacji, BoxesSitAroundTheMiddle)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    RekordYaws = r;
    Otworz(&F::wczytajnig);
    const int srodek = okno->gbxWsp->width() / 2;
    EXPECT_EQ(okno->edtW[1]->x(), okno->edtSI->x());
    EXPECT_EQ(okno->edtW[1]->x() - okno->edtW[0]->x(), okno->edtW[2]->x() - okno->edtW[1]->x());
    EXPECT_NEAR(okno->edtW[1]->geometry().center().x(), srodek, 1);
    Otworz(&F::wczytajnic);
    EXPECT_EQ(okno->edtW[1]->x() + okno->edtW[1]->width(), srodek - 20);
    EXPECT_EQ(okno->edtW[2]->x(), srodek + 20);
    EXPECT_EQ(okno->edtW[1]->x() - okno->edtW[0]->x(), okno->edtW[3]->x() - okno->edtW[2]->x());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(okno->lblW[i]->geometry().center().x(), okno->edtW[i]->geometry().center().x());
    // Every box shows the widest number whole.
    EXPECT_GT(okno->edtW[0]->width(), okno->edtW[0]->fontMetrics().horizontalAdvance(QStringLiteral("-1.12229712850325E-13")));
}

// A missing coefficient shows "brak danych"; the heat of vaporisation and the liquid density
// also need the record's Tc. Nothing is computed without them.
TEST_F(OknoKorelacji, MissingDataIsNeverComputed)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    Ustaw(r, {{"NigA", 100}, {"NigB", 0.5}, {"NigTmin", 200}, {"NigTmax", 1000},
              {"DelHvA", 50}, {"DelHvN", 0.38}, {"DelHvTmin", 300}, {"DelHvTmax", 400},
              {"RocA", 0.3}, {"RocB", 0.27}, {"RocN", 0.28}, {"RocTmin", 300}, {"RocTmax", 400}});
    RekordYaws = r;
    for (Loader loader : {&F::wczytajnig, &F::wczytajdelHv, &F::wczytajroc}) {
        Otworz(loader);
        Oblicz(QStringLiteral("350"));
        EXPECT_TRUE(WynikUkryty());
        QTest::mouseClick(okno->Tab_Button, Qt::LeftButton);
    }
    EXPECT_EQ(okno->edtW[0]->text(), QStringLiteral("0.3"));
    const QString brak = QStringLiteral("Brak danych do obliczeń");
    const QString brakTc = QStringLiteral("Brak danych do obliczeń: nie ma temperatury krytycznej Tc");
    EXPECT_EQ(zapis->tekstyKomunikatow(), (std::vector<QString>{brak, brak, brakTc, brakTc, brakTc, brakTc}));
    Otworz(&F::wczytajnig);
    EXPECT_EQ(okno->edtW[2]->text(), QStringLiteral("brak danych"));
}

TEST_F(OknoKorelacji, FloatingPointErrorShowsAMessageAndClearsTheOldResult)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    // A range that runs past Tc: above it the base of the power is negative.
    Ustaw(r, {{"Tc", 500}, {"DelHvA", 50}, {"DelHvN", 0.38}, {"DelHvTmin", 300}, {"DelHvTmax", 600}});
    RekordYaws = r;
    Otworz(&F::wczytajdelHv);
    Oblicz(QStringLiteral("400"));
    // 50 · (1 − 400/500)^0.38
    EXPECT_NEAR(StrToFloat(Wynik()), 27.1244788481111L, 1e-12L);
    Oblicz(QStringLiteral("550"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("Niedozwolona operacja zmiennoprzecinkowa")});
    EXPECT_TRUE(WynikUkryty());
    EXPECT_TRUE(okno->edtWynik1->text().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A damaged data file can hold a NaN or an infinite coefficient: the result box never shows
// "NAN" or "INF", the user is told and the old result goes.
TEST_F(OknoKorelacji, NonFiniteCoefficientShowsAMessageNotNanOrInf)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    Ustaw(r, {{"NigA", 100}, {"NigB", 0.5}, {"NigC", 0}, {"NigTmin", 200}, {"NigTmax", 1000}});
    RekordYaws = r;
    Otworz(&F::wczytajnig);
    Oblicz(QStringLiteral("300"));
    // (100 + 0.5 · 300) · 1E-7
    EXPECT_EQ(Wynik(), QStringLiteral("2.5E-5"));
    for (long double zla : {std::numeric_limits<long double>::quiet_NaN(), std::numeric_limits<long double>::infinity()}) {
        RekordYaws.NigC = zla;
        Oblicz(QStringLiteral("300"));
        EXPECT_TRUE(WynikUkryty());
        EXPECT_TRUE(okno->edtWynik1->text().isEmpty());
    }
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>(2, QStringLiteral("Niedozwolona operacja zmiennoprzecinkowa")));
}

TEST_F(OknoKorelacji, TableButtonHandsTheRangeToTheTableWindow)
{
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("WODA"));
    Otworz(&F::wczytajPvp);
    std::vector<std::pair<QString, QString>> otwarte;
    zapis->skryptModalny = [&](QWidget* w) {
        auto* tabela = qobject_cast<TTabela_Form*>(w);
        ASSERT_NE(tabela, nullptr);
        otwarte.emplace_back(tabela->edtTmin->text(), tabela->edtTmax->text());
    };
    QTest::mouseClick(okno->Tab_Button, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(otwarte, (std::vector<std::pair<QString, QString>>{{QStringLiteral("263.15"), QStringLiteral("647.29")}}));
}

TEST_F(OknoKorelacji, OneCallPicksTheLoaderGasCodesFirst)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    RekordYaws = r;
    struct Przypadek {
        char gaz, ciecz;
        bool wczytano;
        const char* tytul;
    };
    for (Przypadek p : {Przypadek{'5', ' ', true, "Obliczanie prężności pary"},
                        Przypadek{' ', '3', true, "Obliczanie gęstości cieczy"},
                        Przypadek{'0', '0', true, "Obliczanie ciepła właściwego gazów"},
                        Przypadek{' ', '7', false, "Obliczanie gęstości cieczy"}}) {
        KodGaz = p.gaz;
        KodCiecz = p.ciecz;
        EXPECT_EQ(okno->WczytajWybrana(), p.wczytano);
        if (p.wczytano) {
            EXPECT_EQ(okno->lblObliczGazCo->text(), QString::fromUtf8(p.tytul));
        }
    }
}

// "032": the window starts at the saturation temperature and, closed with a result on view,
// hands it back; closed by Esc before an evaluation or after T changed it hands back nothing,
// and outside "032" nothing is ever handed back.
TEST_F(OknoKorelacji, SaturatedViscosityIsHandedBackOnlyFromAResultOnView)
{
    struct Przypadek {
        const char* kodMetody;
        std::function<void(TOblicz_gaz_ciecz_Form&)> uzytkownik;
        bool oddano;
    };
    const auto oblicz = [](TOblicz_gaz_ciecz_Form& o) { QTest::mouseClick(o.Button1, Qt::LeftButton); };
    const std::vector<Przypadek> przypadki{
        {"032", [](TOblicz_gaz_ciecz_Form&) {}, false},
        {"032", [&](TOblicz_gaz_ciecz_Form& o) { oblicz(o); QTest::keyClick(o.edtT, Qt::Key_0); }, false},
        {"032", oblicz, true},
        {"", [&](TOblicz_gaz_ciecz_Form& o) { o.edtT->setText(QStringLiteral("300.5")); oblicz(o); }, false},
    };
    auto baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("ETANOL"));
    for (const Przypadek& p : przypadki) {
        KodMetody = QString::fromLatin1(p.kodMetody);
        KodGaz = BrakKoduKorelacji;
        KodCiecz = '0';
        okno = std::make_unique<TOblicz_gaz_ciecz_Form>();
        if (!KodMetody.isEmpty())
            okno->CzekajNaLepkoscNasycenia(300.5L);
        ASSERT_TRUE(okno->WczytajWybrana());
        EXPECT_EQ(okno->edtT->text(), KodMetody.isEmpty() ? QString() : QStringLiteral("300.5"));
        zapis->skryptModalny = [&](QWidget*) {
            p.uzytkownik(*okno);
            QTest::keyClick(okno->edtT, Qt::Key_Escape);
            EXPECT_FALSE(okno->isVisible());
        };
        UruchomModalnie(okno.get());
        EXPECT_TRUE(zapis->komunikaty.empty());
        EXPECT_EQ(okno->LepkoscNasycenia().has_value(), p.oddano);
        EXPECT_EQ(FloatToStr(okno->LepkoscNasycenia().value_or(0.5L)),
                  p.oddano ? QStringLiteral("0.00103139390457804") : QStringLiteral("0.5"));
    }
}

} // namespace
