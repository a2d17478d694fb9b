#pragma once
// Counting the atoms of C, H, F, Cl, Br, I and S in a molecular formula written the way the data
// file writes it (every element once, carbon first), for the heat of combustion.
#include <string>

// The most atoms of one element, or of a whole molecule, a typed count may hold: more than any
// molecule of the data holds, and few enough that no sum or product of a formula leaves the
// 32-bit range.
constexpr int NajwiekszaLiczbaAtomow = 10000;

// The atoms of a whole molecule typed for a formula: a whole number from 1 to
// NajwiekszaLiczbaAtomow.
bool LiczbaAtomowCzasteczki(long double liczba);

struct LiczbyAtomow {
    int C = 0, H = 0, F = 0, Cl = 0, Br = 0, I = 0, S = 0;
    bool WszystkieZerowe() const { return C == 0 && H == 0 && F == 0 && Cl == 0 && Br == 0 && I == 0 && S == 0; }
};

enum class BladWzoru {
    Brak,
    Nieokreslony, // the formula starts with a digit
    Pierwiastek   // the formula names an element, not a compound
};

struct WynikLiczeniaAtomow {
    BladWzoru blad = BladWzoru::Brak;
    LiczbyAtomow liczby;
};

WynikLiczeniaAtomow PoliczAtomy(const std::string& wzor);
