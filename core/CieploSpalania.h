#pragma once
// The standard heat of combustion at 298.15 K from the atoms of C, H, F, Cl, Br, I and S and the
// heat of formation, and the preparation of its window's globals from the current record.
#include "LiczenieAtomow.h"

// A count from 0 to NajwiekszaLiczbaAtomow.
bool LiczbaAtomowDozwolona(int liczba);

// Nx, the number of halogen atoms F + Cl + Br + I.
int LiczbaHalogenow(const LiczbyAtomow& n);

// -393.78·Nc - 121·(Nh - Nx) - 271.81·Nf - 92.37·Ncl - 36.26·Nbr + 24.81·Ni - 297.26·Ns - DelHf,
// kJ/mol, for counts the caller has checked with LiczbaAtomowDozwolona.
long double CieploSpalania(const LiczbyAtomow& n, long double delHf);

// From RekordYaws: the name and formula, the heat of formation at 298.15 K when its correlation
// is complete, the atom counts of the formula and the way of computing (NazwaZwiazku,
// WzorZwiazku, DelHf, DelHfZnane, Nc .. Ns, Nx, TrybAtomow, DelHcMinusDelHf). A formula
// that does not describe a compound is returned as its error; the modes are then not set.
BladWzoru PrzygotujCieploSpalania();
