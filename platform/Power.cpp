#include "Power.h"

#include <climits>
#include <cmath>

namespace {

long double PotegaCalkowita(long double podstawa, long long wykladnik)
{
    bool ujemny = wykladnik < 0;
    unsigned long long n = ujemny ? static_cast<unsigned long long>(-wykladnik)
                                  : static_cast<unsigned long long>(wykladnik);
    long double wynik = 1.0L;
    while (n != 0) {
        if (n & 1ULL)
            wynik *= podstawa;
        n >>= 1;
        if (n != 0)
            podstawa *= podstawa;
    }
    return ujemny ? 1.0L / wynik : wynik;
}

} // namespace

long double Power(long double podstawa, long double wykladnik)
{
    if (wykladnik == std::truncl(wykladnik) && std::fabs(wykladnik) <= static_cast<long double>(INT_MAX))
        return PotegaCalkowita(podstawa, static_cast<long long>(wykladnik));
    if (podstawa == 0.0L)
        return 0.0L;
    return std::exp(wykladnik * std::log(podstawa));
}
