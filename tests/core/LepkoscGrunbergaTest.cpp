// Grunberg and Nissan's rule: group contributions, the size term, the temperature correction and
// the mixing rule against hand computations.
#include "LepkoscGrunberga.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

std::array<int, LiczbaGrupGrunberga> Liczby(std::initializer_list<std::pair<const char*, int>> grupy)
{
    std::array<int, LiczbaGrupGrunberga> liczby{};
    for (auto [nazwa, liczba] : grupy) {
        bool jest = false;
        for (int i = 0; i < LiczbaGrupGrunberga; ++i)
            if (std::string(WkladyGrupGrunberga()[i].nazwa) == nazwa) {
                liczby[i] = liczba;
                jest = true;
            }
        EXPECT_TRUE(jest) << nazwa;
    }
    return liczby;
}

} // namespace

TEST(LepkoscGrunberga, GroupSums)
{
    // Cl: n (0.653 − 0.161 n), so two give 2 · 0.331 = 0.662.
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"Cl", 2}}), 0), 0.662L, 1e-18L);
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"Cl", 1}}), 0), 0.492L, 1e-18L);
    EXPECT_EQ(SumaGrupGrunberga(Liczby({{"Meta", 3}}), 0), 0.0L);
    // Butane: 2 CH3 + 2 CH2 = −0.2 + 0.192; toluene: ring + CH3 = 0.666.
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"CH3", 2}, {"CH2", 2}}), 4), -0.008L, 1e-18L);
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"Ring", 1}, {"CH3", 1}}), 7), 0.666L, 1e-18L);
    // An acid with a non-associating liquid: n (−0.411 + 0.06074 NC); acetic acid, NC = 2.
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"COOH1", 1}}), 2), -0.28952L, 1e-18L);
    EXPECT_NEAR(SumaGrupGrunberga(Liczby({{"OHet", 1}, {"CO", 1}, {"COOH3", 2}, {"Br", 1}}), 0),
                -0.023L + 1.046L + 0.334L - 0.116L, 1e-17L);
    EXPECT_EQ(SumaGrupGrunberga(Liczby({}), 5), 0.0L);
}

TEST(LepkoscGrunberga, SizeTermAndTemperatureCorrection)
{
    // 0.3161 · 4 / 6 − 0.1188 · 2 = −0.02686666...
    EXPECT_NEAR(CzlonWielkosciGrunberga(4, 2), -0.0268666666666666666667L, 1e-18L);
    EXPECT_NEAR(CzlonWielkosciGrunberga(2, 4), 0.3161L * 4 / 6 + 0.1188L * 2, 1e-18L);
    EXPECT_EQ(CzlonWielkosciGrunberga(0, 4), 0.0L);
    EXPECT_EQ(CzlonWielkosciGrunberga(4, 0), 0.0L);
    EXPECT_EQ(CzlonWielkosciGrunberga(5, 5), 0.0L);
    EXPECT_NEAR(G12WTemperaturze(-0.3L, 298.0L), -0.3L, 1e-18L);
    EXPECT_EQ(G12WTemperaturze(-0.3L, 573.0L), 1.0L);
    EXPECT_NEAR(G12WTemperaturze(0.0L, 435.5L), 0.5L, 1e-18L);
}

// ln ηm = x1 ln η1 + x2 ln η2 + x1 x2 G12(T).
TEST(LepkoscGrunberga, MixingRule)
{
    EXPECT_NEAR(LepkoscMieszaninyGrunberga(0.5L, 0.5L, 0.001L, 0.01L, 1.0L), std::sqrt(1e-5L) * std::exp(0.25L), 1e-18L);
    EXPECT_NEAR(LepkoscMieszaninyGrunberga(1.0L, 0.0L, 0.00089L, 0.0006L, 2.0L), 0.00089L, 1e-19L);
}
