#include "MathError.h"
#include "Power.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(Power, IntegralExponentsAllowNegativeBases)
{
    EXPECT_EQ(Power(-2.0L, 3.0L), -8.0L);
    EXPECT_EQ(Power(-2.0L, -2.0L), 0.25L);
    EXPECT_EQ(Power(5.0L, 0.0L), 1.0L);
    EXPECT_EQ(Power(0.0L, 0.0L), 1.0L);
    EXPECT_EQ(Power(10.0L, 10.0L), 1e10L);
    EXPECT_EQ(Power(1.5L, 2.0L), 2.25L);
}

TEST(Power, NonIntegralExponents)
{
    EXPECT_EQ(Power(0.0L, 0.38L), 0.0L);
    EXPECT_NEAR(static_cast<double>(Power(2.0L, 0.5L)), 1.4142135623730951, 1e-15);
    EXPECT_NEAR(static_cast<double>(Power(10.0L, 2.5L)), 316.22776601683796, 1e-12);
    // Beyond the 32-bit range an integral exponent goes through the logarithm.
    EXPECT_NEAR(static_cast<double>(Power(1.0000000001L, 3e9L)), std::exp(0.3), 1e-9);
}

TEST(MathError, NegativeBaseWithFractionalExponentIsAnInvalidOperation)
{
    EXPECT_THROW(ObliczSprawdzajac([] { return Power(-0.5L, 0.38L); }), EMathError);
}

TEST(MathError, DivisionByZeroAndOverflowAreReported)
{
    volatile long double zero = 0.0L;
    EXPECT_THROW(ObliczSprawdzajac([&] { return 1.0L / zero; }), EMathError);
    EXPECT_THROW(ObliczSprawdzajac([] { return Power(10.0L, 6000.5L); }), EMathError);
    try {
        ObliczSprawdzajac([&] { return 1.0L / zero; });
    } catch (const EMathError& blad) {
        EXPECT_STREQ(blad.what(), "Dzielenie przez zero");
    }
}

TEST(MathError, ACleanComputationPassesAndStaleFlagsDoNotLeak)
{
    volatile long double zero = 0.0L;
    volatile long double smiec = 1.0L / zero; // raises the flag before the checked computation
    (void)smiec;
    EXPECT_EQ(ObliczSprawdzajac([] { return Power(2.0L, 10.0L); }), 1024.0L);
}
