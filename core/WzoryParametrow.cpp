#include "WzoryParametrow.h"

#include "MathError.h"
#include "Power.h"

#include <cmath>

namespace {

// Pc in atmospheres.
long double Atmosfery(long double Pc)
{
    return Pc * 0.98692L / 100000.0L;
}

} // namespace

long double TcKlincewicza(long double M, long double Tb)
{
    return ObliczSkonczone([&] { return (50.2L - 0.16L * M) + 1.41L * Tb; });
}

long double PcKlincewicza(long double M, long double Na)
{
    return ObliczSkonczone([&] {
        const long double D = (0.335L + 0.009L * M) + 0.019L * Na;
        return (M / (D * D)) * 100000.0L;
    });
}

long double VcKlincewicza(long double M, long double Na)
{
    return ObliczSkonczone([&] { return (20.0L + 0.88L * M + 13.4L * Na) / 1000.0L; });
}

long double GestoscKrytyczna(long double M, long double Vc)
{
    return ObliczSkonczone([&] { return M / Vc; });
}

long double ZcDefinicyjny(long double Pc, long double Vc, long double Tc)
{
    return ObliczSkonczone([&] { return (Pc * Vc) / (StalaGazowaParametrow * Tc); });
}

long double OmegaLeeKeslera(long double Pc, long double Tb, long double Tc)
{
    return ObliczSkonczone([&] {
        const long double sigma = Tb / Tc;
        const long double sigma6 = Power(sigma, 6.0L);
        const long double alfa = -std::log(Atmosfery(Pc)) - 5.92714L + 6.09648L / sigma + 1.28862L * std::log(sigma)
                                 - 0.169347L * sigma6;
        const long double beta = 15.2518L - 15.6875L / sigma - 13.4721L * std::log(sigma) + 0.43577L * sigma6;
        return alfa / beta;
    });
}

long double OmegaPitzera(long double Pc, long double Tb, long double Tc)
{
    return ObliczSkonczone([&] {
        const long double sigma = Tb / Tc;
        return std::log10(Atmosfery(Pc)) * ((3.0L / 7.0L * sigma) / (1.0L - sigma)) - 1.0L;
    });
}

long double OmegaZZc(long double Pc, long double Vc, long double Tc)
{
    return ObliczSkonczone([&] { return -(-0.291L + (Pc * Vc) / (StalaGazowaParametrow * Tc)) / 0.080L; });
}
