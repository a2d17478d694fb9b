#pragma once
// 80-bit extended floats as stored in the data files: 10 bytes, little-endian,
// 64-bit significand with explicit integer bit, then 15-bit exponent and sign.
#include <cfloat>

static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

constexpr int RozmiarExtended = 10;

long double DekodujExtended(const unsigned char* bajty);
// Whether the ten bytes hold a number to compute with: not a NaN, not an infinity and not an
// unnormal (an exponent without the significand's integer bit, which the processor refuses).
bool ExtendedSkonczony(const unsigned char* bajty);
void KodujExtended(long double wartosc, unsigned char* bajty);
