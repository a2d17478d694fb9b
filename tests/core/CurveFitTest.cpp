#include "CurveFit.h"

#include "MathError.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Dopasowanie {
    std::vector<long double> c;
    long double R = -1.0L;
};

Dopasowanie Dopasuj(const std::vector<long double>& x, const std::vector<long double>& y, int m)
{
    Dopasowanie d;
    d.c.assign(7, 0.0L);
    PolyFit(x, y, static_cast<int>(x.size()), m, d.c, d.R);
    return d;
}

std::string Komunikat(const std::vector<long double>& x, const std::vector<long double>& y, int m)
{
    try {
        Dopasuj(x, y, m);
    } catch (const EMathError& blad) {
        return blad.what();
    }
    return "no error";
}

} // namespace

TEST(CurveFit, FitsLinesMeansAndPolynomialsExactly)
{
    // Two points, two terms: the line through both, a perfect fit.
    Dopasowanie prosta = Dopasuj({1.0L, 3.0L}, {2.0L, 8.0L}, 2);
    EXPECT_NEAR(static_cast<double>(prosta.c[0]), -1.0, 1e-14);
    EXPECT_NEAR(static_cast<double>(prosta.c[1]), 3.0, 1e-14);
    EXPECT_NEAR(static_cast<double>(prosta.R), 1.0, 1e-12);

    // One term: the mean of y; (0,0), (1,1), (2,1) by a line: y = 1/6 + x/2, R = sqrt(3)/2.
    EXPECT_NEAR(static_cast<double>(Dopasuj({0.0L, 1.0L, 2.0L, 5.0L}, {1.0L, 4.0L, 2.0L, 7.0L}, 1).c[0]),
                3.5, 1e-15);
    Dopasowanie nachylona = Dopasuj({0.0L, 1.0L, 2.0L}, {0.0L, 1.0L, 1.0L}, 2);
    EXPECT_NEAR(static_cast<double>(nachylona.c[0]), 1.0 / 6.0, 1e-14);
    EXPECT_NEAR(static_cast<double>(nachylona.c[1]), 0.5, 1e-14);
    EXPECT_NEAR(static_cast<double>(nachylona.R), std::sqrt(3.0) / 2.0, 1e-14);

    // y with no spread: R = 1 whatever the fit.
    EXPECT_EQ(Dopasuj({0.0L, 1.0L, 2.0L}, {4.0L, 4.0L, 4.0L}, 2).R, 1.0L);

    // An exact cubic over eleven points, fitted with four terms; with seven the extra terms
    // vanish to the accuracy the double normal matrix allows.
    std::vector<long double> x, y;
    for (int i = 0; i <= 10; ++i) {
        const long double t = -1.0L + 0.3L * i;
        x.push_back(t);
        y.push_back(2.5L - 1.25L * t + 0.5L * t * t + 3.0L * t * t * t);
    }
    const std::array<double, 4> szescienny{2.5, -1.25, 0.5, 3.0};
    for (int m : {4, 7}) {
        Dopasowanie d = Dopasuj(x, y, m);
        for (int j = 0; j < m; ++j)
            EXPECT_NEAR(static_cast<double>(d.c[j]), j < 4 ? szescienny[j] : 0.0, m == 4 ? 1e-12 : 1e-8)
                << m << " " << j;
        EXPECT_NEAR(static_cast<double>(d.R), 1.0, 1e-12);
    }

    // The shape of an excess volume, VE = -2·x·(1 - x), recovered by degree 2.
    std::vector<long double> xe, ve;
    for (int i = 0; i <= 20; ++i) {
        xe.push_back(i / 20.0L);
        ve.push_back(-2.0L * xe.back() * (1.0L - xe.back()));
    }
    Dopasowanie kwadratowa = Dopasuj(xe, ve, 3);
    EXPECT_NEAR(static_cast<double>(kwadratowa.c[0]), 0.0, 1e-13);
    EXPECT_NEAR(static_cast<double>(kwadratowa.c[1]), -2.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(kwadratowa.c[2]), 2.0, 1e-12);
}

TEST(CurveFit, ReportsTooFewTermsOrPointsAndSingularMatrices)
{
    EXPECT_EQ(Komunikat({1.0L}, {1.0L}, 0), BladZaMaloWyrazow);
    EXPECT_EQ(Komunikat({1.0L, 2.0L}, {1.0L, 2.0L}, 0), BladZaMaloWyrazow);
    EXPECT_EQ(Komunikat({1.0L}, {1.0L}, 3), BladZaMaloPunktow);
    // All x equal: the normal matrix has rank one; the step that finds no pivot reports it.
    EXPECT_EQ(Komunikat({2.0L, 2.0L, 2.0L, 2.0L}, {1.0L, 2.0L, 3.0L, 4.0L}, 3), BladOsobliwaEliminacja);
    // Three terms through two points: singular as well.
    EXPECT_EQ(Komunikat({0.0L, 1.0L}, {0.0L, 1.0L}, 3).find("singular") != std::string::npos, true);
    // More terms than distinct x values, where elimination in doubles meets no exact zero pivot:
    // refused all the same, while as many terms as distinct values fit exactly.
    for (int m = 4; m <= 7; ++m)
        EXPECT_EQ(Komunikat({0.0L, 0.5L, 1.0L}, {0.0L, -0.4L, 0.0L}, m), BladOsobliwaEliminacja) << m;
    EXPECT_EQ(Komunikat({0.3L, 0.3L, 0.3L}, {1.0L, 2.0L, 3.0L}, 2), BladOsobliwaEliminacja);
    const Dopasowanie trzy = Dopasuj({0.0L, 0.5L, 1.0L}, {0.0L, -0.4L, 0.0L}, 3); // VE = -1.6·x·(1 - x)
    EXPECT_NEAR(static_cast<double>(trzy.c[0]), 0.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(trzy.c[1]), -1.6, 1e-14);
    EXPECT_NEAR(static_cast<double>(trzy.c[2]), 1.6, 1e-14);

    // The solver on its own leaves the inverse in N, columns in their order.
    MacierzDouble N{{0.0, 2.0}, {4.0, 1.0}};
    std::vector<long double> c;
    bool blad = true;
    GaussJordan(N, std::vector<long double>{2.0L, 9.0L}, 2, c, blad);
    EXPECT_FALSE(blad);
    EXPECT_NEAR(static_cast<double>(c[0]), 2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(c[1]), 1.0, 1e-15);
    EXPECT_NEAR(N[0][0], -0.125, 1e-15);
    EXPECT_NEAR(N[0][1], 0.25, 1e-15);
    EXPECT_NEAR(N[1][0], 0.5, 1e-15);
    EXPECT_NEAR(N[1][1], 0.0, 1e-15);
}
