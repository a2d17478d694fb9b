// The gas-mixture rules against hand computations: the viscosity mixing of two gases whose molar
// masses differ fourfold, the common temperature range, the pseudo-critical values of a worked
// example, the molar density of an ideal gas, and the tolerance of the fraction sum.
#include "MathError.h"
#include "MieszaninyGazowe.h"

#include <gtest/gtest.h>

namespace {

SkladnikMieszaninyGazow Skladnik(long double y, long double M, long double eta = 0)
{
    SkladnikMieszaninyGazow s;
    s.y = y;
    s.Mmol = M;
    s.eta = eta;
    return s;
}

} // namespace

// M = 4 and 16: Φ12 = 2, Φ21 = 0.5, so with y = 0.5 each ηm = η1/3 + 2η2/3; equal masses give
// the plain weighted mean; a zero molar mass is a floating-point error, not a number.
TEST(MieszaninyGazowe, ViscosityMixingRule)
{
    const std::vector<SkladnikMieszaninyGazow> para{Skladnik(0.5L, 4, 1.1e-5L), Skladnik(0.5L, 16, 2.3e-5L)};
    const auto phi = WspolczynnikiOddzialywania(para);
    EXPECT_DOUBLE_EQ(double(phi[0][1]), 2.0);
    EXPECT_DOUBLE_EQ(double(phi[1][0]), 0.5);
    EXPECT_EQ(phi[0][0], 1.0L);
    EXPECT_NEAR(double(LepkoscMieszaninyGazow(para)), double(1.1e-5L / 3 + 2 * 2.3e-5L / 3), 1e-20);

    const std::vector<SkladnikMieszaninyGazow> rowne{Skladnik(0.2L, 28, 1e-5L), Skladnik(0.3L, 28, 2e-5L),
                                                     Skladnik(0.5L, 28, 3e-5L)};
    EXPECT_NEAR(double(LepkoscMieszaninyGazow(rowne)), 0.2e-5 + 0.6e-5 + 1.5e-5, 1e-20);

    EXPECT_THROW(LepkoscMieszaninyGazow({Skladnik(0.5L, 0, 1e-5L), Skladnik(0.5L, 16, 1e-5L)}), EMathError);
}

TEST(MieszaninyGazowe, CommonTemperatureRange)
{
    std::vector<SkladnikMieszaninyGazow> s(3);
    s[0].NigTmin = 250, s[0].NigTmax = 1500;
    s[1].NigTmin = 290, s[1].NigTmax = 1700;
    s[2].NigTmin = 270, s[2].NigTmax = 1000;
    ZakresTemperatur z = WspolnyZakresTemperatur(s);
    EXPECT_EQ(z.Tmin, 290);
    EXPECT_EQ(z.Tmax, 1000);
    EXPECT_TRUE(z.Obejmuje(290) && z.Obejmuje(1000));
    EXPECT_FALSE(z.Obejmuje(1000.001L));
    s[2].NigTmax = 280;
    EXPECT_TRUE(WspolnyZakresTemperatur(s).Pusty());
}

// y = 0.5 each, Zc 0.3 / 0.2, Tc 300 / 100 K, Vc 100 / 200 cm³/mol: Tcm = 200 K and
// Pcm = 0.25·83.14·200/150 bar; ω and M are fraction-weighted.
TEST(MieszaninyGazowe, PseudocriticalValues)
{
    std::vector<SkladnikMieszaninyGazow> s(2);
    s[0] = {0.5L, 28, 300, 100, 0.3L, 0.04L, 0, 0, 0};
    s[1] = {0.5L, 32, 100, 200, 0.2L, 0.02L, 0, 0, 0};
    const ParametryPseudokrytyczne p = ParametryPseudokrytyczneMieszaniny(s);
    EXPECT_EQ(p.Tc, 200.0L);
    EXPECT_NEAR(double(p.Pc), 27.713333333333335, 1e-12);
    EXPECT_NEAR(double(p.Omega), 0.03, 1e-15);
    EXPECT_EQ(p.M, 30.0L);
}

// Z0 = 1, Z1 = 0 at 300 K and 1 bar: V = 24942 cm³/mol, ρ = 4.00930e-5 mol/cm³; Z = Z0 + ω·Z1.
TEST(MieszaninyGazowe, MolarDensity)
{
    EXPECT_EQ(WspolczynnikScisliwosci(1, 0, 0.3L), 1.0L);
    EXPECT_NEAR(double(WspolczynnikScisliwosci(0.9L, 0.1L, 0.5L)), 0.95, 1e-15);
    const long double rho = GestoscMolowaGazu(1, 300, 1);
    EXPECT_NEAR(double(rho), 4.009301579664822e-05, 1e-19);
    EXPECT_NEAR(double(rho * 28 * 1000), 1.1226044423061503, 1e-13);
    EXPECT_THROW(GestoscMolowaGazu(1, 300, 0), EMathError);
}

TEST(MieszaninyGazowe, FractionSumWithinRounding)
{
    EXPECT_TRUE(SumaUdzialowRownaJeden({0.1L, 0.2L, 0.7L}));
    EXPECT_TRUE(SumaUdzialowRownaJeden({1.5L, -0.5L}));
    EXPECT_FALSE(SumaUdzialowRownaJeden({0.5L, 0.49L}));
    EXPECT_FALSE(SumaUdzialowRownaJeden({0.5L, 0.5L + 1e-11L}));
}
