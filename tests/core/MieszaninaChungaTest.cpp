// Chung's mixture viscosity against an independent evaluation of its equations (mpmath, 30
// digits), its reduction to the pure-component dense-gas formula, and the association factor.
#include "MieszaninaChunga.h"
#include "WzoryEstymacyjne.h"
#include "Zmienne.h"

#include <gtest/gtest.h>

namespace {

const SkladnikChunga Metan{16.04246L, 98.6L, 190.56L, 0.011L, 0, 0};
const SkladnikChunga Azot{28.0134L, 90.1L, 126.2L, 0.037L, 0, 0};
const SkladnikChunga Etanol{46.06844L, 167, 513.92L, 0.649L, 1.691L, 0};

void UstawRekord(const SkladnikChunga& s)
{
    CzyscRekordYaws();
    RekordYaws.Mmol = s.M;
    RekordYaws.Vc = s.Vc;
    RekordYaws.Tc = s.Tc;
    RekordYaws.Omega = s.Omega;
    RekordYaws.DipM = s.DipM;
}

} // namespace

// Methane 0.4 + nitrogen 0.6 at 300 K, near 1 bar and dense.
TEST(MieszaninaChunga, BinaryAgainstIndependentEvaluation)
{
    const MieszaninaChunga m = RegulyMieszaniaChunga(Metan, Azot, 0.4L, 0.6L);
    const long double rho = 1.0L / (83.14L * 300.0L);
    EXPECT_NEAR(double(LepkoscMieszaninyChunga(m, 300, rho)), 144.1570197548930081, 144.16 * 1e-14);
    EXPECT_NEAR(double(LepkoscMieszaninyChunga(m, 300, 0.005L)), 173.7460579580018637, 173.75 * 1e-14);
}

// y = (1, 0): the mixture is component 1, and its viscosity is the pure dense-gas formula's
// (which takes Vc to the decimal 0.6666666666, not 2/3: within 1e-9).
TEST(MieszaninaChunga, PureComponentLimit)
{
    for (const SkladnikChunga& s : {Metan, Etanol}) {
        const MieszaninaChunga m = RegulyMieszaniaChunga(s, Azot, 1, 0);
        EXPECT_NEAR(double(m.M / s.M), 1.0, 1e-15);
        EXPECT_NEAR(double(m.Tc / s.Tc), 1.0, 1e-15);
        EXPECT_NEAR(double(m.Vc / s.Vc), 1.0, 1e-15);
        EXPECT_NEAR(double(m.Omega), double(s.Omega), 1e-15);
        EXPECT_NEAR(double(m.mu), double(s.DipM), 1e-15);
        UstawRekord(s);
        for (long double rho : {1e-7L, 1e-3L, 0.01L}) {
            const long double czysty = LepkoscChungaGestyGaz(400, 1, rho);
            EXPECT_NEAR(double(LepkoscMieszaninyChunga(m, 400, rho) * 1e-7L / czysty), 1.0, 1e-9);
        }
    }
    CzyscRekordYaws();
}

TEST(MieszaninaChunga, AssociationFactor)
{
    EXPECT_NEAR(double(KappaAsocjacji(1, 46)), 0.1704586956521739130, 1e-18);
    SkladnikChunga a = Etanol, b = Etanol;
    a.kappa = b.kappa = KappaAsocjacji(1, 46);
    const MieszaninaChunga m = RegulyMieszaniaChunga(a, b, 0.5L, 0.5L);
    EXPECT_NEAR(double(m.kappa), 0.1704586956521739130, 1e-18);
    EXPECT_EQ(RegulyMieszaniaChunga(Metan, Azot, 0.5L, 0.5L).kappa, 0.0L);
}
