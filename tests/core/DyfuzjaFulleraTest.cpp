// Fuller's equation against an independent evaluation and against measurement, and the two ways
// a compound gets its diffusion volume.
#include "DyfuzjaFullera.h"

#include "MathError.h"

#include <gtest/gtest.h>

namespace {

std::array<int, LiczbaObjetosciAtomow> Liczby(std::initializer_list<std::pair<const char*, int>> atomy)
{
    std::array<int, LiczbaObjetosciAtomow> liczby{};
    for (auto [nazwa, liczba] : atomy)
        for (int i = 0; i < LiczbaObjetosciAtomow; ++i)
            if (std::string(ObjetosciDyfuzyjneAtomow()[i].nazwa) == nazwa)
                liczby[i] = liczba;
    return liczby;
}

} // namespace

// CO2 in N2 at 298.15 K and 1 atm: 0.162151258129123 cm²/s by a 30-digit evaluation of the
// same equation; measured values lie near 0.16-0.165 cm²/s.
TEST(DyfuzjaFullera, CarbonDioxideInNitrogenMatchesReferenceAndMeasurement)
{
    const long double D = WspolczynnikDyfuzjiFullera(298.15L, 1.01325L, 44.0095L, 28.0134L, 26.9L, 18.5L);
    EXPECT_NEAR(D, 0.162151258129123070822L, 1e-17L);
    EXPECT_GT(D, 0.16L);
    EXPECT_LT(D, 0.165L);
    // Symmetric in the two gases; halving the pressure doubles D.
    EXPECT_NEAR(WspolczynnikDyfuzjiFullera(298.15L, 1.01325L, 28.0134L, 44.0095L, 18.5L, 26.9L), D, 1e-18L);
    EXPECT_NEAR(WspolczynnikDyfuzjiFullera(298.15L, 1.01325L / 2.0L, 44.0095L, 28.0134L, 26.9L, 18.5L), 2.0L * D, 1e-17L);
}

TEST(DyfuzjaFullera, SimpleMoleculesAreRecognisedByTheirFormulaExactly)
{
    EXPECT_EQ(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("CO2")), 26.9L);
    EXPECT_EQ(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("N2")), 18.5L);
    EXPECT_EQ(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("H2O")), 13.1L);
    EXPECT_EQ(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("He")), 2.67L);
    EXPECT_EQ(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("SO2")), 41.8L);
    EXPECT_FALSE(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("co2")));
    EXPECT_FALSE(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("HE")));
    EXPECT_FALSE(ObjetoscDyfuzyjnaCzasteczki(QStringLiteral("C6H6")));
    EXPECT_FALSE(ObjetoscDyfuzyjnaCzasteczki(QString()));
}

// Benzene: 6 C + 6 H + one benzene ring = 6·15.9 + 6·2.31 − 18.3 = 90.96; three Cl = 63 exactly.
TEST(DyfuzjaFullera, AtomSumsFollowTheTableOfVolumes)
{
    EXPECT_NEAR(SumaObjetosciDyfuzyjnych(Liczby({{"C", 6}, {"H", 6}, {"RingB", 1}})), 90.96L, 1e-15L);
    EXPECT_EQ(SumaObjetosciDyfuzyjnych(Liczby({{"Cl", 3}})), 63.0L);
    // Pyridine: C5H5N with a heterocyclic ring = 79.5 + 11.55 + 4.54 − 18.3.
    EXPECT_NEAR(SumaObjetosciDyfuzyjnych(Liczby({{"C", 5}, {"H", 5}, {"N", 1}, {"RingH", 1}})), 77.29L, 1e-15L);
    EXPECT_NEAR(SumaObjetosciDyfuzyjnych(Liczby({{"O", 1}, {"F", 1}, {"Br", 1}, {"I", 1}, {"S", 1}})),
                6.11L + 14.7L + 21.9L + 29.8L + 22.9L, 1e-15L);
    EXPECT_EQ(SumaObjetosciDyfuzyjnych(Liczby({})), 0.0L);
}

TEST(DyfuzjaFullera, ZeroVolumesAreAFloatingPointErrorNotAnInfiniteResult)
{
    EXPECT_THROW(WspolczynnikDyfuzjiFullera(298.15L, 1.0L, 44.0L, 28.0L, 0.0L, 0.0L), EMathError);
}
