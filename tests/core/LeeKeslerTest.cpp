// Lee-Kesler Z(0) and Z(1) against the published method's check values (computed independently
// from the equation and constants of Lee and Kesler), and their ideal-gas limit.
#include "LeeKesler.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>

TEST(LeeKesler, ReproducesTheCheckValuesAndTheIdealGasLimit)
{
    struct Punkt {
        long double Tr, Pr, Z0, Z1;
    };
    for (const Punkt& p : {Punkt{1.5L, 1.0L, 0.91034L, 0.08640L}, Punkt{2.0L, 1.0L, 0.97535L, 0.07674L},
                           Punkt{1.2L, 0.5L, 0.89944L, 0.02539L}, Punkt{3.0L, 5.0L, 1.06346L, 0.22680L},
                           Punkt{0.9L, 0.1L, 0.95277L, -0.02051L}, Punkt{1.0L, 0.01L, 0.99666L, -0.00069L}}) {
        const auto z = WspolczynnikiLeeKeslera(p.Tr, p.Pr);
        ASSERT_TRUE(z) << double(p.Tr) << " " << double(p.Pr);
        EXPECT_NEAR(double(z->Z0), double(p.Z0), 0.6e-5) << double(p.Tr) << " " << double(p.Pr);
        EXPECT_NEAR(double(z->Z1), double(p.Z1), 0.6e-5) << double(p.Tr) << " " << double(p.Pr);
    }
    for (long double Tr : {0.8L, 1.5L, 4.0L}) {
        const auto z = WspolczynnikiLeeKeslera(Tr, 1e-7L);
        ASSERT_TRUE(z);
        EXPECT_NEAR(double(z->Z0), 1.0, 1e-6);
        EXPECT_NEAR(double(z->Z1), 0.0, 1e-6);
    }
    // Outside the reach of the equation there is no answer rather than an infinite or absurd one.
    for (auto [Tr, Pr] : {std::pair{0.0L, 1.0L}, {1.5L, -1.0L}, {1.5L, std::numeric_limits<long double>::infinity()},
                          {std::numeric_limits<long double>::quiet_NaN(), 1.0L}, {1e4000L, 1e-4000L},
                          {1.2e-3020L, 8.3e3021L}, {3e-4003L, 0.25L}})
        EXPECT_FALSE(WspolczynnikiLeeKeslera(Tr, Pr)) << double(Tr) << " " << double(Pr);
}
