#include "MieszaninaChunga.h"

#include "MathError.h"
#include "Power.h"

#include <array>
#include <cmath>

namespace {

constexpr long double JednaTrzecia = 1.0L / 3.0L;
constexpr long double DwieTrzecie = 2.0L / 3.0L;

// Ei = ai + bi·ωm + ci·μr⁴ + di·κm.
struct WspolczynnikiE {
    long double a, b, c, d;
};
constexpr std::array<WspolczynnikiE, 10> TablicaE{{
    {6.324L, 50.412L, -51.68L, 1189.0L},
    {1.21e-3L, -1.154e-3L, -6.257e-3L, 0.03728L},
    {5.283L, 254.209L, -168.48L, 3898.0L},
    {6.623L, 38.096L, -8.464L, 31.42L},
    {19.745L, 7.63L, -14.354L, 31.53L},
    {-1.9L, -12.537L, 4.985L, -18.15L},
    {24.275L, 3.45L, -11.291L, 69.35L},
    {0.7972L, 1.117L, 0.01235L, -4.117L},
    {-0.2382L, 0.0677L, -0.8163L, 4.025L},
    {0.06863L, 0.3479L, 0.5926L, -0.727L},
}};

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
    return ObliczSprawdzajac([&] { return SkonczonaWartosc(0.0682L + 0.2767L * 17.0L * nOH / M); });
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
        const long double OmegaV = 1.16145L * Power(Tgw, -0.14874L) + 0.52487L * std::exp(-0.7732L * Tgw) +
                                   2.16178L * std::exp(-2.43787L * Tgw);
        std::array<long double, 11> E{}; // E[1] .. E[10]
        const long double muR4 = Power(m.muR, 4.0L);
        for (int i = 1; i <= 10; ++i) {
            const WspolczynnikiE& w = TablicaE[size_t(i - 1)];
            E[size_t(i)] = w.a + w.b * m.Omega + w.c * muR4 + w.d * m.kappa;
        }
        const long double Y = GestoscZredukowanaChunga(m, rho);
        const long double G1 = (1.0L - 0.5L * Y) / Power(1.0L - Y, 3.0L);
        const long double G2 = (E[1] * ((1.0L - std::exp(-E[4] * Y)) / Y) + E[2] * G1 * std::exp(E[5] * Y) + E[3] * G1) /
                               (E[1] * E[4] + E[2] + E[3]);
        const long double etaGwGw = E[7] * Power(Y, 2.0L) * G2 * std::exp(E[8] + E[9] / Tgw + E[10] / Power(Tgw, 2.0L));
        const long double etaGw = (Power(Tgw, 0.5L) / OmegaV) * m.Fc * (1.0L / G2 + E[6] * Y) + etaGwGw;
        return SkonczonaWartosc(36.344L * Power(m.M * m.Tc, 0.5L) / Power(m.Vc, DwieTrzecie) * etaGw);
    });
}
