#include "Power.h"

#include <climits>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#define POTEGI_X87 1
#endif

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

// The whole number the exponent equals, if it is one within the int range. Through double, whose
// truncation needs no change of the x87 rounding mode (truncl and the direct conversion switch it
// twice, once the slowest part of a power).
bool WykladnikCalkowity(long double wykladnik, long long& calkowity)
{
    if (!(std::fabs(wykladnik) <= static_cast<long double>(INT_MAX)))
        return false;
    calkowity = static_cast<long long>(static_cast<double>(wykladnik));
    return static_cast<long double>(calkowity) == wykladnik;
}

#ifdef POTEGI_X87

// log2 10 and log2 e rounded to the extended format, as the x87 loads them (fldl2t, fldl2e).
constexpr long double Log2Z10 = 3.32192809488736234787031942948939017586L;
constexpr long double Log2ZE = 1.44269504088896340735992468100189213743L;

// y·log2 x; a negative x raises the invalid-operation flag and gives NaN.
long double IloczynLog2(long double x, long double y)
{
    long double wynik;
    asm("fyl2x" : "=t"(wynik) : "0"(x), "u"(y) : "st(1)");
    return wynik;
}

// 2^z for a finite z: 2^f for the fraction |f| <= 1/2, scaled by the nearest whole power
// (an overflow raises its flag and gives infinity).
long double DwaDo(long double z)
{
    long double calkowita;
    asm("frndint" : "=t"(calkowita) : "0"(z));
    long double ulamek;
    asm("f2xm1" : "=t"(ulamek) : "0"(z - calkowita));
    long double wynik;
    asm("fscale" : "=t"(wynik) : "0"(ulamek + 1.0L), "u"(calkowita));
    return wynik;
}

#endif

long double PotegaUlamkowa(long double podstawa, long double wykladnik)
{
#ifdef POTEGI_X87
    const long double z = podstawa == 10.0L ? wykladnik * Log2Z10 : IloczynLog2(podstawa, wykladnik);
    // An infinite base or product keeps the meaning exp and log give it.
    if (std::isfinite(z))
        return DwaDo(z);
#endif
    return std::exp(wykladnik * std::log(podstawa));
}

} // namespace

long double Power(long double podstawa, long double wykladnik)
{
    if (long long calkowity = 0; WykladnikCalkowity(wykladnik, calkowity))
        return PotegaCalkowita(podstawa, calkowity);
    if (podstawa == 0.0L)
        return 0.0L;
    if (wykladnik == 0.5L)
        return std::sqrt(podstawa);
    return PotegaUlamkowa(podstawa, wykladnik);
}

long double Exp(long double x)
{
#ifdef POTEGI_X87
    const long double z = x * Log2ZE;
    if (std::isfinite(z))
        return DwaDo(z);
#endif
    return std::exp(x);
}
