#pragma once
// Ambrose's group contributions to Tc, Pc and Vc: 52 groups under their section headings, the
// aliphatic-alcohol rule of row 28 and the equations.
#include <array>

constexpr int LiczbaGrupAmbrosea = 52;
constexpr int WierszAlkoholi = 28;
constexpr int WierszBenzenu = 35;

enum class WlasnoscAmbrosea { Tc, Pc, Vc };

struct GrupaAmbrosea {
    const char* podpis;     // UTF-8, blanks kept
    const char* podpowiedz; // "" for none
    // The increment caption of each mode; "(* - kliknij)" or "" where the mode has no number.
    std::array<const char*, 3> przyrosty;
};

struct SekcjaAmbrosea {
    int pierwszyWiersz;
    const char* naglowek; // "\n" between lines
};

const std::array<GrupaAmbrosea, LiczbaGrupAmbrosea>& TabelaGrupAmbrosea();
const std::array<SekcjaAmbrosea, 7>& SekcjeGrupAmbrosea();

// n = (Tb - 314.1)/19.2 of the alcohol rule (Tb in K); the rule holds for n < 10.
long double LiczbaNAlkoholu(long double Tb);
// What row 28 adds in the Tc or Pc mode: the typed value v plus 0.87 - 0.11·n + 0.003·n² (Tc) or
// 0.1 - 0.013·n (Pc).
long double PoprawkaAlkoholu(WlasnoscAmbrosea wlasnosc, long double v, long double n);

// The estimates from the group sum S, each checked as WynikRownaniaUdzialow checks (UdzialyGrup.h).
long double AmbroseTc(long double Tb, long double S);   // K
long double AmbrosePc(long double Mmol, long double S); // Pa; Mmol in g/mol
long double AmbroseVc(long double S);                   // m³/kmol
