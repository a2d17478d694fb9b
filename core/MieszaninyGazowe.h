#pragma once
// The gas-mixture calculations of the Wilke window: viscosity of a mixture of 2 to 10 gases from
// the components' viscosities and molar masses, the temperature range common to the components,
// the pseudo-critical mixing rules and the molar density from Z = Z(0) + ω·Z(1). Every sum runs
// in the order of the components.
#include <vector>

// One component as the window has looked it up: its mole fraction, its record's values and its
// gas viscosity at the mixture's temperature.
struct SkladnikMieszaninyGazow {
    long double y = 0;       // mole fraction
    long double Mmol = 0;    // g/mol
    long double Tc = 0;      // K
    long double Vc = 0;      // cm³/mol
    long double Zc = 0;
    long double Omega = 0;
    long double NigTmin = 0; // K, range of the gas-viscosity correlation
    long double NigTmax = 0; // K
    long double eta = 0;     // Pa·s at the mixture's temperature
};

// Φ_ij of every ordered pair, Φ_ii = 1: Φ_ik = (M_k/M_i)^0.5 as exp(0.5·ln x), Φ_ki = 1/Φ_ik.
std::vector<std::vector<long double>> WspolczynnikiOddzialywania(const std::vector<SkladnikMieszaninyGazow>& skladniki);

// η_m = Σ y_i·η_i / Σ_j y_j·Φ_ij, Pa·s. Here and below, a viscosity, pressure or density that
// is not finite, or 0 (lost to underflow), throws EMathError.
long double LepkoscMieszaninyGazow(const std::vector<SkladnikMieszaninyGazow>& skladniki);

// The temperature range every component's gas-viscosity correlation covers: the largest Tmin and
// the smallest Tmax. Empty when Tmax < Tmin.
struct ZakresTemperatur {
    long double Tmin = 0;
    long double Tmax = 0;
    bool Pusty() const { return Tmax < Tmin; }
    bool Obejmuje(long double T) const { return Tmin <= T && T <= Tmax; }
};
ZakresTemperatur WspolnyZakresTemperatur(const std::vector<SkladnikMieszaninyGazow>& skladniki);

// The pseudo-critical values of the mixture.
struct ParametryPseudokrytyczne {
    long double Tc = 0;    // K: Σ y_i·Tc_i
    long double Pc = 0;    // bar: (Σ y_i·Zc_i)·83.14·(Σ y_i·Tc_i) / Σ y_i·Vc_i
    long double Omega = 0; // Σ y_i·ω_i
    long double M = 0;     // g/mol: Σ y_i·M_i
};
ParametryPseudokrytyczne ParametryPseudokrytyczneMieszaniny(const std::vector<SkladnikMieszaninyGazow>& skladniki);

// Z = Z0 + ω·Z1 and the molar density 1/V with V = Z·83.14·T/P, mol/cm³ (T in K, P in bar).
long double WspolczynnikScisliwosci(long double Z0, long double Z1, long double omega);
long double GestoscMolowaGazu(long double Z, long double T, long double P);

// The fractions add up to one within 1e-12 (decimal fractions are rarely exact in binary).
bool SumaUdzialowRownaJeden(const std::vector<long double>& udzialy);
