#pragma once
// Critical parameters and the acentric factor of one substance by closed formulas, in SI units:
// T in K, P in Pa, V in m³/kmol, M in kg/kmol, R = 8314 J/(kmol·K). A floating-point error (a
// division by zero, the logarithm of a non-positive number) throws EMathError; no function
// returns NaN or infinity.

inline constexpr long double StalaGazowaParametrow = 8314.0L;

// Klincewicz: from M and the normal boiling point; from M and the number of atoms Na.
long double TcKlincewicza(long double M, long double Tb);
long double PcKlincewicza(long double M, long double Na);
long double VcKlincewicza(long double M, long double Na);
// By definition: M / Vc (kg/m³) and Pc·Vc / (R·Tc).
long double GestoscKrytyczna(long double M, long double Vc);
long double ZcDefinicyjny(long double Pc, long double Vc, long double Tc);
// The acentric factor from Pc, Tb and Tc: Lee-Kesler's vapour-pressure form and the
// three-sevenths form; a rough value from Pc·Vc/(R·Tc), meaningful only when it is above 0.
long double OmegaLeeKeslera(long double Pc, long double Tb, long double Tc);
long double OmegaPitzera(long double Pc, long double Tb, long double Tc);
long double OmegaZZc(long double Pc, long double Vc, long double Tc);
