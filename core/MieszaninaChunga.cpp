#include "MieszaninaChunga.h"

#include "MathError.h"
#include "Power.h"
#include "WzoryEstymacyjne.h"

#include <array>

namespace {

constexpr long double JednaTrzecia = 1.0L / 3.0L;
constexpr long double DwieTrzecie = 2.0L / 3.0L;

// Σi Σj yi·yj·Xij over i, j = 1, 2 in index order.
template <class Wyraz>
long double SumaPodwojna(const std::array<long double, 2>& y, Wyraz X)
{
    long double suma = 0.0L;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            suma += y[i] * y[j] * X(i, j);
    return suma;
}

// The geometric mean of a pair's values (the value itself for i = j).
long double Srednia(const std::array<long double, 2>& x, int i, int j)
{
    return i == j ? x[i] : Power(x[0] * x[1], 0.5L);
}

} // namespace

long double KappaAsocjacji(long double nOH, long double M)
{
    return ObliczSkonczone([&] { return KappaChunga(nOH, M); });
}

MieszaninaChunga RegulyMieszaniaChunga(const SkladnikChunga& s1, const SkladnikChunga& s2, long double y1,
                                       long double y2)
{
    MieszaninaChunga m;
    WyczyscFlagiFPU();
    const std::array<long double, 2> y{y1, y2};
    const std::array<long double, 2> sigma{0.809L * Power(s1.Vc, JednaTrzecia), 0.809L * Power(s2.Vc, JednaTrzecia)};
    const std::array<long double, 2> eps{s1.Tc / 1.2593L, s2.Tc / 1.2593L};
    const std::array<long double, 2> M{s1.M, s2.M};
    const std::array<long double, 2> omega{s1.Omega, s2.Omega};
    const std::array<long double, 2> mu{s1.DipM, s2.DipM};
    const std::array<long double, 2> kappa{s1.kappa, s2.kappa};
    auto sigmaij = [&](int i, int j) { return Srednia(sigma, i, j); };
    auto epsij = [&](int i, int j) { return Srednia(eps, i, j); };
    auto Mij = [&](int i, int j) { return i == j ? M[i] : 2.0L * M[0] * M[1] / (M[0] + M[1]); };

    m.sigma3 = SumaPodwojna(y, [&](int i, int j) { return Power(sigmaij(i, j), 3.0L); });
    m.epsK = SumaPodwojna(y, [&](int i, int j) { return epsij(i, j) * Power(sigmaij(i, j), 3.0L); }) / m.sigma3;
    const long double licznikM = SumaPodwojna(y, [&](int i, int j) {
        return epsij(i, j) * Power(sigmaij(i, j), 2.0L) * Power(Mij(i, j), 0.5L);
    });
    m.M = Power(licznikM / (m.epsK * Power(m.sigma3, DwieTrzecie)), 2.0L);
    m.Omega = SumaPodwojna(y, [&](int i, int j) {
                  return (omega[i] + omega[j]) / 2.0L * Power(sigmaij(i, j), 3.0L);
              }) / m.sigma3;
    m.mu = Power(m.sigma3 * SumaPodwojna(y, [&](int i, int j) {
                     return Power(mu[i], 2.0L) * Power(mu[j], 2.0L) / Power(sigmaij(i, j), 3.0L);
                 }),
                 0.25L);
    m.Vc = m.sigma3 / Power(0.809L, 3.0L);
    m.Tc = 1.2593L * m.epsK;
    m.muR = 131.3L * m.mu / Power(m.Vc * m.Tc, 0.5L);
    m.kappa = SumaPodwojna(y, [&](int i, int j) { return Srednia(kappa, i, j); });
    m.Fc = 1.0L - 0.2756L * m.Omega + 0.059035L * Power(m.muR, 4.0L) + m.kappa;
    SprawdzFlagiFPU();
    for (long double wartosc : {m.sigma3, m.epsK, m.M, m.Omega, m.mu, m.Vc, m.Tc, m.muR, m.kappa, m.Fc})
        SkonczonaWartosc(wartosc);
    return m;
}

long double GestoscZredukowanaChunga(const MieszaninaChunga& m, long double rho)
{
    return rho * m.Vc / 6.0L;
}

long double LepkoscMieszaninyChunga(const MieszaninaChunga& m, long double T, long double rho)
{
    return ObliczSprawdzajac([&] {
        const long double Tgw = T / m.epsK;
        const long double etaGw = LepkoscZredukowanaChunga(Tgw, GestoscZredukowanaChunga(m, rho), m.Omega,
                                                           Power(m.muR, 4.0L), m.kappa, m.Fc, CalkaZderzenChunga(Tgw));
        return NiezerowaWartosc(36.344L * Power(m.M * m.Tc, 0.5L) / Power(m.Vc, DwieTrzecie) * etaGw);
    });
}
