#include "CieploSpalania.h"
#include "GrupyJobacka.h"

#include <gtest/gtest.h>

namespace {

long double Przyrost(int wiersz, WlasnoscJobacka w)
{
    return std::stold(TabelaGrupJobacka()[wiersz - 1].przyrosty[static_cast<int>(w)]);
}

// The formula of the ticked groups, in the order C, H, Br, Cl, I, F, O, S, N.
TEST(GrupyJobacka, FormulaOfTheGroupsLeavesOutElementsThatAreNotPositive)
{
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({{1, 2}, {2, 1}})), "C3H8");
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({{1, 1}, {2, 1}, {20, 1}})), "C2H6O");
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({{37, 1}, {1, 1}})), "CH3O2N");
    // Chlorobromoiodofluoromethane order, sulphur before nitrogen.
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({{4, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {38, 1}, {30, 1}})),
              "CH3BrClIFSN");
    // A negative count subtracts; what is left at or below zero is not written.
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({{1, 1}, {2, -1}, {20, 2}})), "H3O2");
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka({})), "");
}

// 2-ethylphenol C8H10O: -CH3, >CH2, four ring =CH-, two ring =C<, phenolic -OH; by hand from the
// table: S(Tc) = 0.1184, S(Pc) = 0.0232, S(Vc) = 324 cm³/mol, Na = 19, Tb 477.67 K.
TEST(GrupyJobacka, TwoEthylphenolByHand)
{
    const std::vector<std::pair<int, int>> grupy = {{1, 1}, {2, 1}, {14, 4}, {15, 2}, {21, 1}};
    auto suma = [&](WlasnoscJobacka w) {
        long double s = 0.0L;
        for (auto [wiersz, liczba] : grupy)
            s += liczba * Przyrost(wiersz, w);
        return s;
    };
    EXPECT_EQ(WzorZAtomow(AtomyGrupJobacka(grupy)), "C8H10O");
    EXPECT_NEAR(static_cast<double>(JobackTc(477.67L, suma(WlasnoscJobacka::Tc))), 698.105616670143, 1e-9);
    EXPECT_NEAR(static_cast<double>(JobackPc(19, suma(WlasnoscJobacka::Pc))), 4409101.090106154, 1e-4);
    EXPECT_NEAR(static_cast<double>(JobackVc(suma(WlasnoscJobacka::Vc))), 0.3415, 1e-15);
    EXPECT_NEAR(static_cast<double>(JobackTb(2 * Przyrost(1, WlasnoscJobacka::Tb) + Przyrost(2, WlasnoscJobacka::Tb))),
                268.04, 1e-12);
    EXPECT_EQ(JobackTf(0.0L), 122.0L);
    EXPECT_EQ(JobackHf(0.0L), 68.29L);
}

TEST(CieploSpalania, AtomsAndHeatOfFormation)
{
    LiczbyAtomow benzen;
    benzen.C = 6;
    benzen.H = 6;
    EXPECT_NEAR(static_cast<double>(CieploSpalania(benzen, 82.93L)), -3171.61, 1e-10);
    // CCl4 with ΔHf = -10: the hydrogen term -121·(0 - 4) adds 484.
    LiczbyAtomow tetrachlorometan;
    tetrachlorometan.C = 1;
    tetrachlorometan.Cl = 4;
    EXPECT_EQ(LiczbaHalogenow(tetrachlorometan), 4);
    EXPECT_NEAR(static_cast<double>(CieploSpalania(tetrachlorometan, -10.0L)), -269.26, 1e-10);
}

} // namespace
