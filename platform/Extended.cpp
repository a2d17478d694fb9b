#include "Extended.h"

#include <cstdint>
#include <cstring>

// The x87 layout is the memory layout of long double on x86-64 (little-endian), so copying the
// first ten bytes is exact; the remaining padding bytes are zeroed before the copy.
long double DekodujExtended(const unsigned char* bajty)
{
    long double wartosc = 0.0L;
    std::memset(&wartosc, 0, sizeof wartosc);
    std::memcpy(&wartosc, bajty, RozmiarExtended);
    return wartosc;
}

bool ExtendedSkonczony(const unsigned char* bajty)
{
    const unsigned wykladnik = (bajty[9] & 0x7Fu) << 8 | bajty[8];
    const bool bitCalkowity = (bajty[7] & 0x80u) != 0;
    return wykladnik == 0 || (wykladnik != 0x7FFFu && bitCalkowity);
}

void KodujExtended(long double wartosc, unsigned char* bajty)
{
    std::memcpy(bajty, &wartosc, RozmiarExtended);
}
