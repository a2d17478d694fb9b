#pragma once
// Joback's group contributions: the 40 groups with their increments for the critical
// temperature, pressure and volume, the boiling and freezing points and the heat of formation,
// the atoms each group brings to the molecular formula, and the equations.
#include <array>
#include <string>
#include <utility>
#include <vector>

enum class WlasnoscJobacka { Tc, Pc, Vc, Tb, Tf, Hf };
constexpr int LiczbaWlasnosciJobacka = 6;
constexpr int LiczbaGrupJobacka = 40;

// Atom counts in the order C, H, N, O, S, F, Cl, I, Br.
using AtomyJobacka = std::array<int, 9>;

struct GrupaJobacka {
    const char* podpis; // UTF-8
    // The increments as the window shows them, by WlasnoscJobacka (Tc, Pc dimensionless; Vc
    // cm³/mol; Tb, Tf K; hf kJ/mol); the sum converts these very texts. An empty text: the
    // method has no increment of the group for the property.
    std::array<const char*, LiczbaWlasnosciJobacka> przyrosty;
    AtomyJobacka atomy;
};

struct SekcjaJobacka {
    int pierwszyWiersz; // from 1
    const char* naglowek;
};

const std::array<GrupaJobacka, LiczbaGrupJobacka>& TabelaGrupJobacka();
const std::array<SekcjaJobacka, 6>& SekcjeGrupJobacka();

// The atoms of the groups taken the given number of times (row from 1, whole count).
AtomyJobacka AtomyGrupJobacka(const std::vector<std::pair<int, int>>& wierszeILiczby);
// The formula in the order C, H, Br, Cl, I, F, O, S, N: a count above 1 after its symbol, an
// element whose count is not positive left out.
std::string WzorZAtomow(const AtomyJobacka& atomy);

// The estimates from the group sum S (in extended precision, constants exact), each checked as
// WynikRownaniaUdzialow checks (UdzialyGrup.h):
long double JobackTc(long double Tb, long double S); // K; Tb in K
long double JobackPc(int Na, long double S);         // Pa; Na the number of atoms
long double JobackVc(long double S);                 // m³/kmol
long double JobackTb(long double S);                 // K
long double JobackTf(long double S);                 // K
long double JobackHf(long double S);                 // kJ/mol
