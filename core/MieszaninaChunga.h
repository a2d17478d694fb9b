#pragma once
// Chung's viscosity of a binary gas mixture, also dense: the mixing rules give the mixture's
// pseudo-critical values, the dense-gas correlation with its ten E coefficients corrects the
// low-pressure viscosity for the molar density. Every sum runs over both indices (i, j = 1, 2),
// so each cross term counts twice.

// One component's values from its record, and its association factor κ (0 when not polar).
struct SkladnikChunga {
    long double M = 0;     // g/mol
    long double Vc = 0;    // cm³/mol
    long double Tc = 0;    // K
    long double Omega = 0;
    long double DipM = 0;  // D
    long double kappa = 0;
};

// κ of an associating component with nOH hydroxyl groups: 0.0682 + 0.2767·17·nOH/M.
long double KappaAsocjacji(long double nOH, long double M);

struct MieszaninaChunga {
    long double sigma3 = 0; // σm³, Å³
    long double epsK = 0;   // (ε/k)m, K
    long double M = 0;      // Mm, g/mol
    long double Omega = 0;  // ωm
    long double mu = 0;     // μm, D
    long double Vc = 0;     // Vcm, cm³/mol
    long double Tc = 0;     // Tcm, K
    long double muR = 0;    // reduced dipole moment
    long double kappa = 0;  // κm
    long double Fc = 0;
};

MieszaninaChunga RegulyMieszaniaChunga(const SkladnikChunga& s1, const SkladnikChunga& s2, long double y1,
                                       long double y2);

// Y = ρ·Vcm/6 with ρ in mol/cm³; the correlation needs 0 < Y < 1.
long double GestoscZredukowanaChunga(const MieszaninaChunga& m, long double rho);

// The mixture's viscosity at T (K) and the molar density ρ (mol/cm³), in µP; one that is not
// finite or underflows to 0 throws EMathError.
long double LepkoscMieszaninyChunga(const MieszaninaChunga& m, long double T, long double rho);
