// The liquid-mixture density window reached from the main window as a user reaches it: the
// Spencer-Danner mode from the mixtures tab, the excess-volume mode from the experimental tab,
// components chosen by typing their names and pressing Enter, what the table, the chart and the
// result box show.
#include "BazaTestowa.h"
#include "CurveFit.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "GestoscMieszaninCieczy.h"
#include "GrupaRadiowa.h"
#include "MixC.h"
#include "windows/OknoGlowneTestowe.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "SiatkaTekstowa.h"
#include "TestyMieszanin.h"
#include "WykresXY.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

void Kliknij(TGrupaRadiowa* grupa, int pozycja)
{
    QRadioButton* przycisk = grupa->Pozycja(pozycja);
    QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
}

template <class T>
T* Kontrolka(QWidget* okno, const char* nazwa)
{
    T* k = okno->findChild<T*>(QString::fromLatin1(nazwa));
    EXPECT_NE(k, nullptr) << nazwa;
    return k;
}

void Wpisz(QWidget* okno, const char* nazwa, const QString& tekst)
{
    auto* pole = Kontrolka<QLineEdit>(okno, nazwa);
    pole->selectAll();
    QTest::keyClick(pole, Qt::Key_Delete);
    QTest::keyClicks(pole, tekst);
}

void WybierzSkladnik(QWidget* okno, const char* lista, const char* nazwa)
{
    auto* cb = Kontrolka<QComboBox>(okno, lista);
    cb->lineEdit()->clear();
    QTest::keyClicks(cb, QString::fromLatin1(nazwa));
    QTest::keyClick(cb, Qt::Key_Return);
}

QString Tekst(QWidget* okno, const char* nazwa)
{
    return Kontrolka<QLineEdit>(okno, nazwa)->text();
}

double Liczba(const QString& tekst)
{
    return static_cast<double>(StrToFloat(tekst));
}

class OknoMixc : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZarejestrujOknoMixc();
        PokazOknoGlowne();
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }

    // Opens the window as the user does and runs the script while it is shown.
    void UruchomSD(const std::function<void(QWidget*)>& skrypt)
    {
        zapis->skryptModalny = [&](QWidget* okno) {
            okno->resize(1100, 800);
            skrypt(okno);
        };
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(2);
        Kliknij(Baza_Form->Grupa(QStringLiteral("rgMixCiecz")), 1);
        Kliknij(Baza_Form->Grupa(QStringLiteral("rgMixGestCiecz")), 0);
        QTest::mouseClick(Baza_Form->btnObliczMieszanine, Qt::LeftButton);
        ASSERT_EQ(zapis->oknaModalne.size(), 1u);
    }

    void UruchomNadmiarowy(const std::function<void(QWidget*)>& skrypt)
    {
        zapis->skryptModalny = [&](QWidget* okno) {
            okno->resize(1000, 860);
            skrypt(okno);
        };
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaDoswiadczalna);
        Kliknij(Baza_Form->rgExpCiecz, 7);
        QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
        ASSERT_EQ(zapis->oknaModalne.size(), 1u);
    }

    void Zrzut(QWidget* okno, const char* nazwa)
    {
        const QString katalog = qEnvironmentVariable("QERN_ZRZUTY");
        if (katalog.isEmpty())
            return;
        QDir().mkpath(katalog);
        QApplication::processEvents();
        okno->findChild<TWykresXY*>(QStringLiteral("Chart"))->Uaktualnij();
        QTest::qWait(300);
        EXPECT_TRUE(okno->grab().save(katalog + QLatin1Char('/') + QString::fromLatin1(nazwa)));
    }

    ZapisujOkna zapis;
};

// Rackett densities at 298.15 K (R = 8314 J/(kmol·K), Pc in Pa), computed apart with mpmath.
constexpr double GestoscWody = 1068.417804406075;
constexpr double GestoscBenzenu = 872.6720996534854;

} // namespace

TEST_F(OknoMixc, SpencerDannerTableFromPureComponentToPureComponent)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZwolnijOknoGlowne();
    PokazOknoGlowne();
    UruchomSD([&](QWidget* okno) {
        auto* siatka = Kontrolka<TSiatkaTekstowa>(okno, "sgMixC");
        EXPECT_FALSE(Kontrolka<QWidget>(okno, "edtT")->isHidden());
        EXPECT_TRUE(Kontrolka<QWidget>(okno, "cbxRegresja")->isHidden());
        Wpisz(okno, "edtT", QStringLiteral("298,15")); // the comma becomes a point
        EXPECT_EQ(Tekst(okno, "edtT"), QStringLiteral("298.15"));
        WybierzSkladnik(okno, "cbZwiazek1", "BENZENE");
        EXPECT_EQ(Tekst(okno, "edt11"), QStringLiteral("562.05"));
        EXPECT_EQ(Tekst(okno, "edt12"), QStringLiteral("4895000"));
        EXPECT_EQ(Tekst(okno, "edt13"), QStringLiteral("0.256"));
        EXPECT_EQ(Tekst(okno, "edt14"), QStringLiteral("78.11184"));
        EXPECT_EQ(Tekst(okno, "edtZra1"), QStringLiteral("0.2696"));
        WybierzSkladnik(okno, "cbZwiazek2", "WATER");
        EXPECT_EQ(Tekst(okno, "edtZra2"), QStringLiteral("0.2338"));
        ASSERT_EQ(siatka->LiczbaWierszy(), 12);
        const char* ulamki[] = {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
        for (int w = 1; w <= 11; ++w)
            EXPECT_EQ(siatka->Komorka(1, w), QString::fromLatin1(ulamki[w - 1])) << w;
        EXPECT_NEAR(Liczba(siatka->Komorka(2, 1)), GestoscWody, 1e-9);
        EXPECT_NEAR(Liczba(siatka->Komorka(2, 11)), GestoscBenzenu, 1e-9);
        for (int w = 2; w <= 11; ++w) // benzene is the lighter liquid
            EXPECT_LT(Liczba(siatka->Komorka(2, w)), Liczba(siatka->Komorka(2, w - 1)));
        auto* wykres = Kontrolka<TWykresXY>(okno, "Chart");
        EXPECT_EQ(wykres->OsDolna()->Tytul(), QStringLiteral("x1 [mol1/mol]"));
        EXPECT_FALSE(wykres->OsDolna()->Automatyczna());
        // Each row's x1 from its number: the last point lies on x1 = 1 itself, not a step short.
        const TSeria* punkty = wykres->findChild<TSeria*>(QStringLiteral("Series1"));
        ASSERT_EQ(punkty->LiczbaPunktow(), 11);
        EXPECT_EQ(punkty->Punkt(10).x(), 1.0);

        Wpisz(okno, "edtX1", QStringLiteral("1"));
        EXPECT_NEAR(Liczba(Tekst(okno, "edtWynik")), GestoscBenzenu, 1e-9);
        Wpisz(okno, "edtX1", QStringLiteral("abc"));
        EXPECT_EQ(Tekst(okno, "edtWynik"), QStringLiteral("?"));

        // Ethanol has no Rackett factor: every row says "?" until the user types one.
        WybierzSkladnik(okno, "cbZwiazek1", "ETHANOL");
        EXPECT_EQ(Tekst(okno, "edtZra1"), QStringLiteral("?"));
        EXPECT_EQ(Tekst(okno, "edtX1"), QString());
        for (int w = 1; w <= 11; ++w)
            EXPECT_EQ(siatka->Komorka(2, w), QStringLiteral("?")) << w;
        Wpisz(okno, "edtZra1", QStringLiteral("0.2502"));
        Wpisz(okno, "edtX1", QStringLiteral("0.5"));
        EXPECT_NEAR(Liczba(siatka->Komorka(2, 1)), GestoscWody, 1e-9);
        EXPECT_NEAR(Liczba(siatka->Komorka(2, 11)), 781.1177617637399, 1e-9);
        EXPECT_EQ(Tekst(okno, "edtWynik"), siatka->Komorka(2, 6).left(Tekst(okno, "edtWynik").size()));
        Zrzut(okno, "mixc_spencer_danner_etanol_woda.png");
    });
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// A temperature not above 0 K ("0", "0.", "-0", 1e-4000) or an x1 outside 0 .. 1 is refused in
// its box, and neither the earlier table nor the earlier result stays; a valid one computes again.
TEST_F(OknoMixc, SpencerDannerRefusesTemperatureAndX1WithNothingLeftOnView)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZwolnijOknoGlowne();
    PokazOknoGlowne();
    UruchomSD([&](QWidget* okno) {
        auto* siatka = Kontrolka<TSiatkaTekstowa>(okno, "sgMixC");
        auto* T = Kontrolka<QLineEdit>(okno, "edtT");
        auto* x1 = Kontrolka<QLineEdit>(okno, "edtX1");
        const auto nicNaWidoku = [&](const QString& tekst) {
            for (int w = 1; w <= 11; ++w)
                EXPECT_EQ(siatka->Komorka(2, w), QString()) << tekst.toStdString() << ", " << w;
            EXPECT_EQ(Tekst(okno, "edtWynik"), QString()) << tekst.toStdString();
        };
        Wpisz(okno, "edtT", QStringLiteral("298.15"));
        WybierzSkladnik(okno, "cbZwiazek1", "BENZENE");
        WybierzSkladnik(okno, "cbZwiazek2", "WATER");
        Wpisz(okno, "edtX1", QStringLiteral("1"));
        for (const QString zero : {"0", "0.", "-0", "1e-4000"}) {
            T->setText(QStringLiteral("298.15"));
            ASSERT_NEAR(Liczba(Tekst(okno, "edtWynik")), GestoscBenzenu, 1e-9);
            T->setText(zero);
            SprawdzOdmowe(zapis, T, QStringLiteral("Temperatura T musi być większa od 0 K"));
            nicNaWidoku(zero);
        }
        T->setText(QStringLiteral("298.15"));
        for (const QString poza : {"-5", "1.0001", "1e300"}) {
            x1->setText(poza);
            SprawdzOdmowe(zapis, x1, QStringLiteral("Udział molowy x1 musi leżeć w przedziale od 0 do 1"));
            nicNaWidoku(poza);
        }
        x1->setText(QStringLiteral("0"));
        EXPECT_NEAR(Liczba(Tekst(okno, "edtWynik")), GestoscWody, 1e-9);
        EXPECT_NEAR(Liczba(siatka->Komorka(2, 11)), GestoscBenzenu, 1e-9);
        EXPECT_EQ(zapis->komunikaty.size(), 7u);
        SprawdzBezNieliczb(okno);
    });
}

TEST_F(OknoMixc, ExcessVolumesOfEthanolAndWaterGiveTheMeasuredDensity)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZwolnijOknoGlowne();
    PokazOknoGlowne();
    UruchomNadmiarowy([&](QWidget* okno) {
        auto* siatka = Kontrolka<TSiatkaTekstowa>(okno, "sgMixC");
        EXPECT_TRUE(Kontrolka<QWidget>(okno, "edtT")->isHidden());
        EXPECT_EQ(Kontrolka<QComboBox>(okno, "cbZwiazek1")->count(), 1);
        WybierzSkladnik(okno, "cbZwiazek1", "ETANOL");
        EXPECT_EQ(Baza_Form->cbCAS->currentText(), QStringLiteral("64-17-5"));
        WybierzSkladnik(okno, "cbZwiazek2", "WODA");
        EXPECT_EQ(Kontrolka<QComboBox>(okno, "cbTemperatura")->currentText(), QStringLiteral("298.15"));
        EXPECT_EQ(Kontrolka<QComboBox>(okno, "cbCisnienie")->currentText(), QStringLiteral("0.5"));
        // The stored molar volumes belong to 25 °C: taken as they are, marked "(d)".
        EXPECT_EQ(Tekst(okno, "edt11"), QStringLiteral("0.0585446"));
        EXPECT_EQ(Tekst(okno, "edt21"), QStringLiteral("0.018082"));
        EXPECT_TRUE(Kontrolka<TQzHtmlLabel2>(okno, "qlblVc1")->html().contains(QStringLiteral("(d)")));
        EXPECT_EQ(Tekst(okno, "edt12"), QStringLiteral("786.895"));

        ASSERT_EQ(siatka->LiczbaWierszy(), 29); // header, (0, 0), 26 points, (1, 0)
        EXPECT_EQ(siatka->Komorka(1, 1), QStringLiteral("0"));
        EXPECT_EQ(siatka->Komorka(1, 2), QStringLiteral("0.0161"));
        EXPECT_EQ(siatka->Komorka(2, 2), QStringLiteral("-6E-5"));
        EXPECT_EQ(siatka->Komorka(1, 28), QStringLiteral("1"));
        EXPECT_EQ(siatka->Komorka(3, 1), QStringLiteral("0.018"));   // pure water
        EXPECT_EQ(siatka->Komorka(4, 1), QStringLiteral("996.31"));   // 18.01528 / 0.018082 = 996.3101
        EXPECT_EQ(siatka->Komorka(4, 28), QStringLiteral("786.895"));

        auto* wykres = Kontrolka<TWykresXY>(okno, "Chart");
        EXPECT_EQ(wykres->OsLewa()->Tytul(), QStringLiteral("VE"));

        // Degree 3 from the spinner: the fitted minimum has the measured data's shape.
        QTest::mouseClick(okno->findChild<QToolButton*>(QStringLiteral("edtStW")), Qt::LeftButton);
        EXPECT_EQ(Tekst(okno, "edtSt"), QStringLiteral("3"));
        EXPECT_EQ(LiczbaWyrazowVE, 4);
        double najmniejsze = 1, wMinimum = -1;
        for (int i = 0; i <= 1000; ++i) {
            const double x = i / 1000.0, ve = static_cast<double>(WartoscWielomianu({WspolczynnikiVE.data(), 4}, x));
            if (ve < najmniejsze)
                najmniejsze = ve, wMinimum = x;
        }
        EXPECT_GT(wMinimum, 0.3);
        EXPECT_LT(wMinimum, 0.45);
        EXPECT_NEAR(najmniejsze * 1000, -1.1, 0.1);

        Wpisz(okno, "edtX1", QStringLiteral("0,5"));
        const long double VE = WartoscWielomianu({WspolczynnikiVE.data(), 4}, 0.5L);
        const long double V1 = StrToFloat(Tekst(okno, "edt11")), V2 = StrToFloat(Tekst(okno, "edt21"));
        const long double oczekiwana = (0.5L * 46.06844L + 0.5L * 18.01528L) / (0.5L * V1 + 0.5L * V2 + VE);
        const double wynik = Liczba(Tekst(okno, "edtWynik"));
        EXPECT_NEAR(wynik, static_cast<double>(oczekiwana), 0.0005);
        EXPECT_NEAR(wynik, 859.0, 859.0 * 0.015);
        Zrzut(okno, "mixc_nadmiarowe_etanol_woda.png");

        // Degree 0: a constant equal to the mean of the table's VE column, zero rows included.
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(okno->findChild<QToolButton*>(QStringLiteral("edtStN")), Qt::LeftButton);
        EXPECT_EQ(LiczbaWyrazowVE, 1);
        long double suma = 0;
        for (int w = 1; w < siatka->LiczbaWierszy(); ++w)
            suma += StrToFloat(siatka->Komorka(2, w));
        EXPECT_NEAR(static_cast<double>(WspolczynnikiVE[0]), static_cast<double>(suma / 28), 1e-15);
    });
    EXPECT_TRUE(zapis->komunikaty.empty());
}

namespace {

TRekordYaws Skladnik(const char* nazwa, const char* cas, long double M, long double V, long double Tc,
                     bool zTemperaturaObjetosci = true)
{
    TRekordYaws r = BazaTestowa::Substancja(nazwa, nazwa, "", cas);
    Ustaw(r, {{"Mmol", M}, {"Vcmol", V}, {"Omega", 0.3L}, {"Tc", Tc}});
    if (zTemperaturaObjetosci)
        Ustaw(r, {{"TVcmol", 25.0L}});
    return r;
}

TRekordMixc Punkt(const char* n1, const char* cas1, const char* n2, const char* cas2, long double T,
                  long double x1, long double VE, long double P = 0.1L)
{
    TRekordMixc r;
    CzyscRekord(r);
    r.Nazwa1 = n1, r.CAS1 = cas1, r.Nazwa2 = n2, r.CAS2 = cas2;
    r.T = T, r.P = P, r.x1 = x1, r.VE = VE;
    return r;
}

std::vector<TRekordMixc> PunktyPary()
{
    std::vector<TRekordMixc> punkty{Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 308.15L, 0.25L, -0.5L),
                                    Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 298.15L, 0.5L, -1.0L),
                                    Punkt("alfa", "1-1-1", "Beta", "2-2-2", 308.15L, 0.75L, -0.6L),
                                    Punkt("BETA", "2-2-2", "GAMMA", "3-3-3", 298.15L, 1.0L, 0.0L)};
    // Damaged or missing numbers make no point: none of these is offered, tabulated or fitted, and
    // DELTA, which has no other point, is not offered at all.
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    for (TRekordMixc r : {Punkt("ALFA", "1-1-1", "BETA", "2-2-2", nan, 0.3L, -0.7L),
                          Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 298.15L, nan, -0.7L),
                          Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 298.15L, 0.6L, inf),
                          Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 298.15L, 0.7L, -0.7L, BrakDanych),
                          Punkt("DELTA", "4-4-4", "BETA", "2-2-2", 298.15L, 0.5L, nan)})
        punkty.push_back(r);
    // A long series at another pressure: more points than the old fixed buffers held.
    for (int i = 1; i <= 60; ++i) {
        const long double x = i / 61.0L;
        punkty.push_back(Punkt("ALFA", "1-1-1", "BETA", "2-2-2", 298.15L, x, -4.0L * x * (1.0L - x), 0.2L));
    }
    return punkty;
}

} // namespace

// Each pair is offered under its first component only; the points of one temperature and
// pressure make the table and the fit, however many they are; another temperature brings its own
// points and pure volumes by Rackett's equation, marked "(r)". A component whose molar volume has
// no reference temperature gets no volume, whatever the component before it had; a fit with more
// terms than distinct mole fractions says the matrix is singular and draws nothing. A point with a
// damaged or missing T, P, x1 or VE counts nowhere; an x1 outside 0 .. 1 is refused in its box.
TEST_F(OknoMixc, ExcessVolumesAtTheChosenConditionsOnly)
{
    BazaTestowa baza({Skladnik("ALFA", "1-1-1", 50, 50, 500), Skladnik("BETA", "2-2-2", 20, 20, 600),
                      Skladnik("GAMMA", "3-3-3", 30, 40, 550, false)},
                     {}, {}, PunktyPary());
    ZwolnijOknoGlowne();
    PokazOknoGlowne();
    UruchomNadmiarowy([&](QWidget* okno) {
        auto* mixc = qobject_cast<TMixcFrm*>(okno);
        ASSERT_NE(mixc, nullptr);
        auto* lista1 = Kontrolka<QComboBox>(okno, "cbZwiazek1");
        ASSERT_EQ(lista1->count(), 2);
        EXPECT_EQ(lista1->itemText(0), QStringLiteral("ALFA"));
        EXPECT_EQ(lista1->itemText(1), QStringLiteral("BETA"));
        WybierzSkladnik(okno, "cbZwiazek1", "ALFA");
        auto* lista2 = Kontrolka<QComboBox>(okno, "cbZwiazek2");
        ASSERT_EQ(lista2->count(), 1);
        WybierzSkladnik(okno, "cbZwiazek2", "BETA");
        auto* temperatury = Kontrolka<QComboBox>(okno, "cbTemperatura");
        ASSERT_EQ(temperatury->count(), 2);
        EXPECT_EQ(temperatury->itemText(0), QStringLiteral("298.15"));
        EXPECT_EQ(temperatury->itemText(1), QStringLiteral("308.15"));
        auto* cisnienia = Kontrolka<QComboBox>(okno, "cbCisnienie");
        ASSERT_EQ(cisnienia->count(), 2);
        EXPECT_EQ(cisnienia->itemText(0), QStringLiteral("0.1"));

        auto* siatka = Kontrolka<TSiatkaTekstowa>(okno, "sgMixC");
        ASSERT_EQ(siatka->LiczbaWierszy(), 4);
        EXPECT_EQ(siatka->Komorka(1, 2), QStringLiteral("0.5"));
        EXPECT_EQ(Tekst(okno, "edt11"), QStringLiteral("0.05"));

        cisnienia->setCurrentIndex(1);
        emit cisnienia->activated(1);
        ASSERT_EQ(siatka->LiczbaWierszy(), 63); // header, (0, 0), 60 points, (1, 0)
        EXPECT_EQ(mixc->Series1->LiczbaPunktow(), 62);
        EXPECT_EQ(mixc->Series2->LiczbaPunktow(), (2 * 62 + 1) * 10);
        EXPECT_NEAR(static_cast<double>(WspolczynnikiVE[2]), 0.004, 1e-12); // VE = -4x(1 - x) cm³/mol

        cisnienia->setCurrentIndex(0);
        emit cisnienia->activated(0);
        temperatury->setCurrentIndex(1);
        emit temperatury->activated(1);
        ASSERT_EQ(siatka->LiczbaWierszy(), 5);
        EXPECT_EQ(siatka->Komorka(1, 2), QStringLiteral("0.25"));
        EXPECT_EQ(siatka->Komorka(1, 3), QStringLiteral("0.75"));
        EXPECT_TRUE(Kontrolka<TQzHtmlLabel2>(okno, "qlblVc1")->html().contains(QStringLiteral("(r)")));
        EXPECT_NEAR(Liczba(Tekst(okno, "edt11")), 0.05074563416865206, 1e-15);
        Wpisz(okno, "edtX1", QStringLiteral("0.5"));
        EXPECT_FALSE(Tekst(okno, "edtWynik").isEmpty());
        EXPECT_TRUE(zapis->komunikaty.empty());
        auto* x1 = Kontrolka<QLineEdit>(okno, "edtX1");
        x1->setText(QStringLiteral("1e300"));
        SprawdzOdmowe(zapis, x1, QStringLiteral("Udział molowy x1 musi leżeć w przedziale od 0 do 1"));
        EXPECT_EQ(Tekst(okno, "edtWynik"), QString());
        SprawdzBezNieliczb(okno);
        zapis->komunikaty.clear();

        WybierzSkladnik(okno, "cbZwiazek1", "BETA");
        WybierzSkladnik(okno, "cbZwiazek2", "GAMMA"); // measured at x1 = 1 only: two distinct x1, three terms
        ASSERT_EQ(zapis->komunikaty.size(), 1u);
        EXPECT_EQ(zapis->komunikaty[0].tekst, QString::fromLatin1(BladOsobliwaEliminacja));
        EXPECT_EQ(mixc->Series2->LiczbaPunktow(), 0);
        EXPECT_EQ(Tekst(okno, "edt11"), QStringLiteral("0.02"));
        EXPECT_EQ(Tekst(okno, "edt21"), QString());
        EXPECT_FALSE(Kontrolka<TQzHtmlLabel2>(okno, "qlblVc2")->html().contains(QStringLiteral("(")));
        ASSERT_EQ(siatka->LiczbaWierszy(), 4);
        for (int w = 1; w <= 3; ++w)
            EXPECT_EQ(siatka->Komorka(3, w) + siatka->Komorka(4, w), QStringLiteral("??")) << w;
    });
}
