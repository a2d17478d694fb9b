#include "Power.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

// long double is the x87 extended format (Extended.h), so the build is for x86 and its x87
// instructions compute every power.
#if !defined(__x86_64__) && !defined(__i386__)
#error "the power function is written in x87 instructions"
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

// An extended number's bits: the 64-bit significand with its leading one, then the sign and the
// biased exponent.
struct BityExtended {
    std::uint64_t mantysa;
    std::uint16_t wykladnik;
};
constexpr int PrzesuniecieWykladnika = 16383;

// 2^n for a whole n in the normal range, straight from its bits.
long double DwaDoCalkowitej(int n)
{
    const BityExtended bity{1ULL << 63, static_cast<std::uint16_t>(n + PrzesuniecieWykladnika)};
    long double wynik = 0.0L;
    std::memcpy(&wynik, &bity, sizeof bity);
    return wynik;
}

// 1.5·2^63: added to a number below 2^62 in size it rounds it to a whole n (in the rounding mode
// frndint uses) and leaves 1.5·2^63 + n in the significand.
constexpr long double Zaokraglajaca = 0x1.8p63L;
constexpr std::uint64_t MantysaZaokraglajacej = 3ULL << 62;
// Below this size of z, 2^z and its whole part are far from the range's ends.
constexpr long double ZakresBezpieczny = 16000.0L;

// 2^f for the fraction |f| <= 1/2.
long double DwaDoUlamka(long double ulamek)
{
    long double wynik;
    asm("f2xm1" : "=t"(wynik) : "0"(ulamek));
    return wynik + 1.0L;
}

// 2^z for a finite z: 2^f for the fraction |f| <= 1/2, scaled by the nearest whole power. Within
// the safe range the rounding and the scaling take a few additions instead of frndint and fscale
// (a third of a power's time), with the same result; beyond it fscale gives infinity with the
// overflow flag, or the underflow's tiny result.
long double DwaDo(long double z)
{
    if (std::fabs(z) < ZakresBezpieczny) {
        const long double przesunieta = z + Zaokraglajaca;
        BityExtended bity;
        std::memcpy(&bity, &przesunieta, sizeof bity);
        const int calkowita = static_cast<int>(static_cast<std::int64_t>(bity.mantysa - MantysaZaokraglajacej));
        return DwaDoUlamka(z - (przesunieta - Zaokraglajaca)) * DwaDoCalkowitej(calkowita);
    }
    long double calkowita;
    asm("frndint" : "=t"(calkowita) : "0"(z));
    long double wynik;
    asm("fscale" : "=t"(wynik) : "0"(DwaDoUlamka(z - calkowita)), "u"(calkowita));
    return wynik;
}

long double PotegaUlamkowa(long double podstawa, long double wykladnik)
{
    const long double z = podstawa == 10.0L ? wykladnik * Log2Z10 : IloczynLog2(podstawa, wykladnik);
    // An infinite base or product keeps the meaning exp and log give it.
    if (std::isfinite(z))
        return DwaDo(z);
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
    const long double z = x * Log2ZE;
    // An infinite or NaN argument, or an infinite product, keeps the meaning exp gives it.
    if (std::isfinite(z))
        return DwaDo(z);
    return std::exp(x);
}
