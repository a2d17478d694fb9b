#pragma once
// Fuller's equation for the diffusion coefficient of a binary gas mixture at low pressure,
//     D°AB = 0.00143 T^1.75 / (P M_AB^(1/2) [(Σv)_A^(1/3) + (Σv)_B^(1/3)]²)   [cm²/s],
// T in K, P in bar, M_AB = 2 / (1/M_A + 1/M_B) in g/mol, with the diffusion volumes Σv of the two
// molecules: a fixed volume for a few simple molecules, otherwise a sum of atomic and ring
// volumes.
#include <QString>
#include <array>
#include <optional>

struct ObjetoscDyfuzyjnaAtomu {
    const char* nazwa;  // ending of the control names: "C", "Cl", "RingB"
    const char* podpis; // caption of the check box
    long double objetosc;
};

constexpr int LiczbaObjetosciAtomow = 11;
// The atoms and rings in the order they are summed.
const std::array<ObjetoscDyfuzyjnaAtomu, LiczbaObjetosciAtomow>& ObjetosciDyfuzyjneAtomow();

// The volume of a simple molecule recognised by its formula exactly as written (case counts);
// none for any other formula.
std::optional<long double> ObjetoscDyfuzyjnaCzasteczki(const QString& wzor);

// Σ count × volume over the atoms and rings, in table order; a count of 0 is an atom not present.
long double SumaObjetosciDyfuzyjnych(const std::array<int, LiczbaObjetosciAtomow>& liczby);

// D°AB in cm²/s. Throws EMathError when the computation leaves the numbers or D°AB underflows to
// 0 (the caller refuses T, P or a volume sum that is not positive beforehand).
long double WspolczynnikDyfuzjiFullera(long double T, long double P, long double M1, long double M2,
                                       long double Sv1, long double Sv2);
