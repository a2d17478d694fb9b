// Binary vapour-liquid equilibrium: Wilson coefficients and Antoine pressures against hand
// computations (mpmath), the isobar's bisection and the isotherm's points, the refusals that keep
// a computation bounded, a real isobar of the sample database, and the data-set lists.
#include "BazaTestowa.h"
#include "MathError.h"
#include "RownowagaCieczPara.h"

#include <gtest/gtest.h>
#include <chrono>
#include <cmath>

namespace {

// Ethanol (1) and water (2) at 760 mmHg, as the sample database stores them.
constexpr long double A1 = 7.86126429675L, B1 = 1449.37097446L, C1 = 212.744L;
constexpr long double A2 = 8.03802215089L, B2 = 1731.66238769L, C2 = 235.989L;
constexpr long double W12 = 0.1812093802L, W21 = 0.8601983634L;

class Rownowaga : public ::testing::Test {
protected:
    void TearDown() override { ResetujZmienne(); }

    static int Izobara(long double Tmin, long double Tmax, long double eps, long double w12 = W12, long double w21 = W21)
    {
        return ObliczIzobare(760.0L, A1, A2, B1, B2, C1, C2, Tmin, Tmax, eps, w12, w21);
    }
    static void Izoterma(long double krok, long double w12 = W12, long double w21 = W21)
    {
        ObliczIzoterme(70.0L, A1, A2, B1, B2, C1, C2, w12, w21, krok);
    }
};

TEST_F(Rownowaga, WilsonCoefficientsAndAntoinePressureMatchAHandComputation)
{
    const TWspolczynnikiWilsona w = WspolczynnikiWilsona(0.5L, W12, W21);
    EXPECT_NEAR(static_cast<double>(w.Gamma1), 1.24308412311100269, 1e-15);
    EXPECT_NEAR(static_cast<double>(w.Gamma2), 1.46444588037719099, 1e-15);
    EXPECT_NEAR(static_cast<double>(w.GE), 0.29953620999481498, 1e-15);
    // At the pure-component ends the coefficient of that component is 1 and gE/RT is 0.
    EXPECT_EQ(WspolczynnikiWilsona(0.0L, W12, W21).Gamma2, 1.0L);
    EXPECT_EQ(WspolczynnikiWilsona(0.0L, W12, W21).GE, 0.0L);
    EXPECT_NEAR(static_cast<double>(PreznoscAntoine(A1, B1, C1, 70.0L)), 543.469357784314898, 1e-11);
}

// Λ12 = Λ21 = 1 is Raoult's law: every γ is 1; x1 = 0 boils at the inverted Antoine equation of
// component 2 (t = T − 273.15), x1 = 1 at that of component 1; the isotherm is linear in x1.
TEST_F(Rownowaga, IdealSetFollowsRaoultsLaw)
{
    EXPECT_EQ(Izobara(300.0L, 420.0L, 1e-9L, 1.0L, 1.0L), 0);
    ASSERT_EQ(LiczbaPunktow, 101);
    for (int i = 1; i <= LiczbaPunktow; ++i) {
        EXPECT_NEAR(static_cast<double>(WynikGamma1[i]), 1.0, 1e-18);
        EXPECT_NEAR(static_cast<double>(WynikGamma2[i]), 1.0, 1e-18);
        EXPECT_NEAR(static_cast<double>(WynikGE[i]), 0.0, 1e-18);
    }
    EXPECT_EQ(WynikX1[1], 0.0L);
    EXPECT_EQ(WynikY1[1], 0.0L);
    EXPECT_NEAR(static_cast<double>(WynikT[1]), 372.936132614957335, 1e-8);
    EXPECT_NEAR(static_cast<double>(WynikX1[101]), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(WynikT[101]), 351.418010852633599, 1e-8);
    EXPECT_NEAR(static_cast<double>(WynikY1[101]), 1.0, 1e-9);

    Izoterma(0.1L, 1.0L, 1.0L);
    ASSERT_EQ(LiczbaPunktow, 11);
    EXPECT_NEAR(static_cast<double>(WynikX1[4]), 0.3, 1e-15);
    EXPECT_NEAR(static_cast<double>(WynikP[4]), 330.492423594937936, 1e-11);
    EXPECT_NEAR(static_cast<double>(WynikY1[4]), 0.493326913705962855, 1e-15);
}

// The isotherm takes x1 = 0, step, 2·step ... ≤ 1 and adds x1 = 1 when the steps miss it, but
// never a second point at 1 (0.002 reaches 1 − 5e-18 in 500 additions); it never touches the
// isobar's arrays, nor the isobar the isotherm's.
TEST_F(Rownowaga, PointCountsAndTheArraysEachModeWrites)
{
    WynikT[3] = WynikGE[3] = -7.0L;
    for (auto [krok, punkty] : {std::pair{0.01L, 101}, {0.1L, 11}, {0.3L, 5}, {0.001L, 1001}, {0.002L, 501}, {0.0005L, 2001}}) {
        Izoterma(krok);
        EXPECT_EQ(LiczbaPunktow, punkty) << static_cast<double>(krok);
        EXPECT_NEAR(static_cast<double>(WynikX1[punkty]), 1.0, 1e-15);
        EXPECT_LT(WynikX1[punkty - 1], 1.0L - 1e-9L);
    }
    Izoterma(0.3L);
    EXPECT_NEAR(static_cast<double>(WynikX1[4]), 0.9, 1e-15);
    EXPECT_EQ(WynikX1[5], 1.0L);
    EXPECT_EQ(WynikT[3], -7.0L);
    EXPECT_EQ(WynikGE[3], -7.0L);
    const long double P3 = WynikP[3];
    Izobara(340.0L, 380.0L, 1e-5L);
    EXPECT_EQ(LiczbaPunktow, 101);
    EXPECT_EQ(WynikP[3], P3);
}

// Ethanol-water at 760 mmHg from the sample database: the bubble curve ends at the boiling points
// of the pure components at that pressure and dips to the minimum-boiling azeotrope near
// x1 = 0.88 (351.04 K on the scale t = T − 273, so 351.19 K here).
TEST_F(Rownowaga, RealIsobarOfTheSampleDatabase)
{
    BazaTestowa baza = BazaTestowa::Probna();
    const std::vector<TZestawRownowagi> zestawy = ZestawyPary(PlikRcg, QStringLiteral("ETANOL"), QStringLiteral("WODA"));
    ASSERT_EQ(zestawy.size(), 2u);
    EXPECT_EQ(zestawy[0].Wartosc, 760.0L);
    EXPECT_EQ(zestawy[1].Wartosc, 1520.0L);
    ASSERT_TRUE(WczytajZestaw(PlikRcg, zestawy[0].Rekord));
    const TRekordRcg r = RekordRcg;
    EXPECT_EQ(ObliczIzobare(r.PT, r.A1, r.A2, r.B1, r.B2, r.C1, r.C2, 340.0L, 380.0L, 1e-5L, r.W12, r.W21), 0);
    ASSERT_EQ(LiczbaPunktow, 101);
    // The last row is pure ethanol exactly: no excess Gibbs energy left over from rounding.
    EXPECT_EQ(WynikX1[101], 1.0L);
    EXPECT_EQ(WynikGE[101], 0.0L);
    EXPECT_NEAR(static_cast<double>(WynikT[1]), 372.936, 0.1);
    EXPECT_NEAR(static_cast<double>(WynikT[101]), 351.418, 0.1);
    int najnizszy = 1;
    for (int i = 2; i <= 101; ++i)
        if (WynikT[i] < WynikT[najnizszy])
            najnizszy = i;
    EXPECT_NEAR(static_cast<double>(WynikX1[najnizszy]), 0.884, 0.011);
    EXPECT_NEAR(static_cast<double>(WynikT[najnizszy]), 351.19, 0.02);
    EXPECT_NEAR(static_cast<double>(WynikY1[najnizszy]), static_cast<double>(WynikX1[najnizszy]), 0.01);
}

// Bad tolerances and steps are refused at once and leave the results as they were; a range
// without the boiling point is reported point by point; a tolerance finer than the numbers
// themselves ends after the bounded number of halvings.
TEST_F(Rownowaga, RefusalsAndBoundsNeverHang)
{
    Izoterma(0.5L);
    ASSERT_EQ(LiczbaPunktow, 3);
    const auto start = std::chrono::steady_clock::now();
    for (long double eps : {0.0L, -1e-5L, std::nanl("")})
        EXPECT_THROW(Izobara(340.0L, 380.0L, eps), EOdmowaRownowagi);
    try {
        Izoterma(0.0L);
        FAIL();
    } catch (const EOdmowaRownowagi& odmowa) {
        EXPECT_STREQ(odmowa.what(), " źle podany krok ");
    }
    EXPECT_THROW(Izoterma(-0.1L), EOdmowaRownowagi);
    for (long double krok : {0.0004L, 1e-30L}) {
        try {
            Izoterma(krok);
            FAIL();
        } catch (const EOdmowaRownowagi& odmowa) {
            EXPECT_STREQ(odmowa.what(), "Zbyt wiele punktów");
        }
    }
    EXPECT_EQ(LiczbaPunktow, 3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    // Both ends below every bubble point: each point reports the end temperature.
    EXPECT_EQ(Izobara(300.0L, 320.0L, 1e-5L), 101);
    for (int i = 1; i <= 101; ++i)
        EXPECT_NEAR(static_cast<double>(WynikT[i]), 320.0, 1e-5);

    EXPECT_EQ(Izobara(340.0L, 380.0L, 1e-300L), 0);
    EXPECT_NEAR(static_cast<double>(WynikT[1]), 372.936132614957335, 1e-9);

    // A constant that makes ln of a negative number is an error, and no results stay on view.
    EXPECT_THROW(Izobara(340.0L, 380.0L, 1e-5L, -2.0L, W21), EMathError);
    EXPECT_EQ(LiczbaPunktow, 0);
}

TRekordRcg Zestaw(const char* nazwa1, const char* nazwa2, long double PT, long double A1 = 7.0L)
{
    TRekordRcg r;
    CzyscRekord(r);
    r.Nazwa1 = nazwa1;
    r.Nazwa2 = nazwa2;
    r.PT = PT;
    r.A1 = A1;
    return r;
}

// Names are listed once whatever their letter case (the first spelling met); a pair is offered
// only in the direction it is stored; equal pressures stay two items, each with its own record;
// a pair may have any number of data sets.
TEST_F(Rownowaga, DataSetListsOfAFile)
{
    std::vector<TRekordRcg> izobary{Zestaw("Etanol", "WODA", 1520), Zestaw("ETANOL", "benzen", 760),
                                    Zestaw("etanol", "Woda", 760, 8.5L), Zestaw("ETANOL", "WODA", 760, 9.5L),
                                    Zestaw("TOLUEN", "ETANOL", 760)};
    for (int n = 0; n < 12; ++n)
        izobary.push_back(Zestaw("BENZEN", "TOLUEN", 100 + n));
    BazaTestowa baza({BazaTestowa::Substancja("ETANOL")}, izobary);
    EXPECT_EQ(PierwszeSkladniki(PlikRcg), (QStringList{"Etanol", "TOLUEN", "BENZEN"}));
    EXPECT_EQ(DrugieSkladniki(PlikRcg, QStringLiteral("ETANOL")), (QStringList{"WODA", "benzen"}));
    EXPECT_EQ(DrugieSkladniki(PlikRcg, QStringLiteral("WODA")), QStringList{});
    EXPECT_EQ(DrugieSkladniki(PlikRcg, QStringLiteral("TOLUEN")), QStringList{"ETANOL"});
    const std::vector<TZestawRownowagi> pary = ZestawyPary(PlikRcg, QStringLiteral("ETANOL"), QStringLiteral("WODA"));
    ASSERT_EQ(pary.size(), 3u);
    EXPECT_EQ(pary[0].Wartosc, 760.0L);
    EXPECT_EQ(pary[1].Wartosc, 760.0L);
    EXPECT_EQ(pary[2].Wartosc, 1520.0L);
    ASSERT_TRUE(WczytajZestaw(PlikRcg, pary[0].Rekord));
    EXPECT_EQ(RekordRcg.A1, 8.5L);
    ASSERT_TRUE(WczytajZestaw(PlikRcg, pary[1].Rekord));
    EXPECT_EQ(RekordRcg.A1, 9.5L);
    EXPECT_EQ(ZestawyPary(PlikRcg, QStringLiteral("BENZEN"), QStringLiteral("TOLUEN")).size(), 12u);
    EXPECT_TRUE(ZestawyPary(PlikRcg, QStringLiteral("WODA"), QStringLiteral("ETANOL")).empty());
    EXPECT_FALSE(WczytajZestaw(PlikRcg, 0));
    EXPECT_FALSE(WczytajZestaw(PlikRcg, 18));
}

} // namespace
