#include "LiczenieAtomow.h"

#include <array>
#include <gtest/gtest.h>

namespace {

struct Przypadek {
    const char* wzor;
    BladWzoru blad;
    LiczbyAtomow liczby;
};

LiczbyAtomow Liczby(int c, int h, int f = 0, int cl = 0, int br = 0, int i = 0, int s = 0)
{
    return {c, h, f, cl, br, i, s};
}

} // namespace

TEST(LiczenieAtomow, FormulasOfTheDataFile)
{
    const Przypadek przypadki[] = {
        {"H2O", BladWzoru::Brak, Liczby(0, 2)},
        {"CO", BladWzoru::Brak, Liczby(1, 0)},
        {"N2O", BladWzoru::Brak, Liczby(0, 0)},
        {"C10H22", BladWzoru::Brak, Liczby(10, 22)},
        {"CCl4", BladWzoru::Brak, Liczby(1, 0, 0, 4)},
        {"SiCl4", BladWzoru::Brak, Liczby(0, 0, 0, 4)},
        {"C12Cl10", BladWzoru::Brak, Liczby(12, 0, 0, 10)},
        {"CH2BrCl", BladWzoru::Brak, Liczby(1, 2, 0, 1, 1)},
        {"C2H5I", BladWzoru::Brak, Liczby(2, 5, 0, 0, 0, 1)},
        {"C2H6OS", BladWzoru::Brak, Liczby(2, 6, 0, 0, 0, 0, 1)},
        {"CF4", BladWzoru::Brak, Liczby(1, 0, 4)},
        {"CHCl3", BladWzoru::Brak, Liczby(1, 1, 0, 3)},
        {"C6H5Br", BladWzoru::Brak, Liczby(6, 5, 0, 0, 1)},
        {"HgCl2", BladWzoru::Brak, Liczby(0, 0, 0, 2)},
        {"CaCO3", BladWzoru::Brak, Liczby(1, 0)},
        {"H2", BladWzoru::Pierwiastek, Liczby(0, 2)},
        {"Cl2", BladWzoru::Pierwiastek, Liczby(0, 0, 0, 2)},
        {"C", BladWzoru::Pierwiastek, Liczby(1, 0)},
        {"", BladWzoru::Pierwiastek, Liczby(0, 0)},
        {"He", BladWzoru::Pierwiastek, Liczby(0, 0)},
    };
    for (const auto& p : przypadki) {
        WynikLiczeniaAtomow wynik = PoliczAtomy(p.wzor);
        EXPECT_EQ(wynik.blad, p.blad) << p.wzor;
        const LiczbyAtomow& l = wynik.liczby;
        EXPECT_EQ((std::array<int, 7>{l.C, l.H, l.F, l.Cl, l.Br, l.I, l.S}),
                  (std::array<int, 7>{p.liczby.C, p.liczby.H, p.liczby.F, p.liczby.Cl, p.liczby.Br, p.liczby.I, p.liczby.S}))
            << p.wzor;
    }
}

TEST(LiczenieAtomow, ALeadingDigitIsAnUndefinedError)
{
    EXPECT_EQ(PoliczAtomy("2H").blad, BladWzoru::Nieokreslony);
    EXPECT_EQ(PoliczAtomy("1").blad, BladWzoru::Nieokreslony);
}

TEST(LiczenieAtomow, NoCarbonHydrogenOrHalogenMeansNoAtomCounts)
{
    EXPECT_TRUE(PoliczAtomy("N2O").liczby.WszystkieZerowe());
    EXPECT_FALSE(PoliczAtomy("CO").liczby.WszystkieZerowe());
}
