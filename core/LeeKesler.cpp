#include "LeeKesler.h"

#include "MathError.h"

#include <cmath>

namespace {

struct TStaleBWR {
    long double b1, b2, b3, b4, c1, c2, c3, c4, d1, d2, beta, gamma;
};

constexpr TStaleBWR PlynProsty{0.1181193L, 0.265728L, 0.154790L, 0.030323L, 0.0236744L, 0.0186984L,
                               0.0L,       0.042724L, 0.155488e-4L, 0.623689e-4L, 0.65392L, 0.060167L};
constexpr TStaleBWR PlynOdniesienia{0.2026579L, 0.331511L, 0.027655L, 0.203488L, 0.0313385L, 0.0503618L,
                                    0.016901L,  0.041577L, 0.48736e-4L, 0.0740336e-4L, 1.226L, 0.03754L};
constexpr long double OmegaOdniesienia = 0.3978L;

// Pr·Vr/Tr minus the right-hand side of the equation: positive above the largest root. An
// overflow, a division by zero or an invalid operation (a state far outside the equation's reach)
// throws EMathError.
long double Residuum(const TStaleBWR& s, long double Tr, long double Pr, long double Vr)
{
    return ObliczSkonczone([&] {
        const long double B = s.b1 - s.b2 / Tr - s.b3 / (Tr * Tr) - s.b4 / (Tr * Tr * Tr);
        const long double C = s.c1 - s.c2 / Tr + s.c3 / (Tr * Tr * Tr);
        const long double D = s.d1 + s.d2 / Tr;
        const long double V2 = Vr * Vr;
        const long double prawa = 1.0L + B / Vr + C / V2 + D / (V2 * V2 * Vr)
                                  + s.c4 / (Tr * Tr * Tr * V2) * (s.beta + s.gamma / V2) * std::exp(-s.gamma / V2);
        return Pr * Vr / Tr - prawa;
    });
}

// The largest root: from far above the ideal-gas volume down in steps of 1 % to the first change
// of sign, then halving to the last bit. The root lies near the ideal-gas volume or below it, so a
// few hundred steps reach it; the bound only stops a search that could not end.
std::optional<long double> NajwiekszyPierwiastek(const TStaleBWR& s, long double Tr, long double Pr)
{
    constexpr long double NajmniejszaObjetosc = 0.01L;
    constexpr int MaksKrokow = 100000;
    long double gorna = ObliczSkonczone([&] { return 10.0L * Tr / Pr + 10.0L; });
    if (Residuum(s, Tr, Pr, gorna) <= 0)
        return std::nullopt;
    long double dolna = gorna;
    int kroki = 0;
    do {
        gorna = dolna;
        dolna = gorna * 0.99L;
        if (dolna < NajmniejszaObjetosc || ++kroki > MaksKrokow)
            return std::nullopt;
    } while (Residuum(s, Tr, Pr, dolna) > 0);
    for (int i = 0; i < 200 && dolna < gorna; ++i) {
        const long double srodek = (dolna + gorna) / 2;
        if (srodek <= dolna || srodek >= gorna)
            break;
        (Residuum(s, Tr, Pr, srodek) > 0 ? gorna : dolna) = srodek;
    }
    return (dolna + gorna) / 2;
}

// Z of the fluid; none unless it is finite and positive.
std::optional<long double> CzynnikZ(const TStaleBWR& s, long double Tr, long double Pr)
{
    const std::optional<long double> Vr = NajwiekszyPierwiastek(s, Tr, Pr);
    if (!Vr)
        return std::nullopt;
    const long double Z = ObliczSkonczone([&] { return Pr * *Vr / Tr; });
    return Z > 0 ? std::optional(Z) : std::nullopt;
}

} // namespace

std::optional<TWspolczynnikiZ> WspolczynnikiLeeKeslera(long double Tr, long double Pr)
{
    if (!(Tr > 0) || !(Pr > 0) || !std::isfinite(Tr) || !std::isfinite(Pr))
        return std::nullopt;
    try {
        const std::optional<long double> Z0 = CzynnikZ(PlynProsty, Tr, Pr);
        const std::optional<long double> Zr = CzynnikZ(PlynOdniesienia, Tr, Pr);
        if (!Z0 || !Zr)
            return std::nullopt;
        return TWspolczynnikiZ{*Z0, ObliczSkonczone([&] { return (*Zr - *Z0) / OmegaOdniesienia; })};
    } catch (const EMathError&) {
        return std::nullopt;
    }
}
