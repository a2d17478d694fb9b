#pragma once
// Binary vapour-liquid equilibrium from a stored data set: Wilson activity coefficients, Antoine
// vapour pressures (log10 P[mmHg] = A − B/(t + C), t in °C), the isobar's bubble temperatures by
// bisection and the isotherm's bubble pressures, written into WynikX1 .. WynikP and
// LiczbaPunktow (Zmienne.h); and the data sets of Rcg.dan (isobars) and Rcgt.dan (isotherms).
#include "Zmienne.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// The computation is refused before anything is computed; the message says why.
class EOdmowaRownowagi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TWspolczynnikiWilsona {
    long double Gamma1, Gamma2;
    long double GE; // gE/RT
};
TWspolczynnikiWilsona WspolczynnikiWilsona(long double x1, long double W12, long double W21);

// Antoine vapour pressure in mmHg at t in °C.
long double PreznoscAntoine(long double A, long double B, long double C, long double t);

// The isobar keeps 101 points, x1 = 0, 0.01, ..., 1 (each the previous + 0.01 in extended).
constexpr int PunktyIzobary = 101;
constexpr int MaksPolowien = 200;

// The refusals of the isobar's inputs, each naming its box; empty when the value can be computed
// with: a start temperature that is not above 0 K, an end temperature not above the start, an
// Epsilon that is not above 0 or not below the range.
QString OdmowaTemperaturyPoczatkowej(long double Tmin);
QString OdmowaTemperaturyKoncowej(long double Tmin, long double Tmax);
QString OdmowaEpsilonu(long double Tmin, long double Tmax, long double Eps);
// The refusal of a data set whose system pressure (isobar, mmHg) is not above 0, or whose system
// temperature (isotherm, °C) is not above absolute zero; empty otherwise.
QString OdmowaZestawu(const TRekordRcg& zestaw, bool izobara);

// P in mmHg, Tmin and Tmax in K bound the bisection, which stops when the bracket is narrower
// than 2·Eps (or after MaksPolowien halvings). Returns how many points had no sign change of the
// bubble function on [Tmin, Tmax]: their temperature is the end of the range that the halvings
// moved towards. Refuses the range and the Epsilon as above; a floating-point error throws
// EMathError with LiczbaPunktow 0.
int ObliczIzobare(long double P, long double A1, long double A2, long double B1, long double B2, long double C1,
                  long double C2, long double Tmin, long double Tmax, long double Eps, long double W12,
                  long double W21);

// t in °C; x1 = 0, krok, 2·krok, ... up to 1, and x1 = 1 itself when the steps fall short of it.
// Refuses a step ≤ 0 and one that needs more than MaksLiczbaPunktow points.
void ObliczIzoterme(long double t, long double A1, long double A2, long double B1, long double B2, long double C1,
                    long double C2, long double W12, long double W21, long double krok);

// The x1 values of the isotherm for the step, or the refusal.
std::vector<long double> UlamkiIzotermy(long double krok);

extern const QString ZlyKrokRownowagi;     // " źle podany krok "
extern const QString ZbytWielePunktow;     // "Zbyt wiele punktów"
extern const QString ZlyEpsilon;

// One data set of a pair as a list offers it: its pressure (mmHg) or temperature (°C) and the
// record it comes from.
struct TZestawRownowagi {
    long double Wartosc;
    long long Rekord;
};

// The lists offer only complete data sets: the value of the set, the six Antoine constants and
// both Wilson parameters present (a damaged number reads as missing).
bool ZestawKompletny(const TRekordRcg& zestaw);

// The first components of the file's data sets, each name once whatever its letter case (the
// first spelling met), unsorted.
QStringList PierwszeSkladniki(TPlikTypowany& plik);
// The second components stored with this first one (letter case ignored), each once.
QStringList DrugieSkladniki(TPlikTypowany& plik, const QString& skladnik1);
// The data sets stored for the pair in this order, sorted by their value (equal values in file
// order).
std::vector<TZestawRownowagi> ZestawyPary(TPlikTypowany& plik, const QString& skladnik1, const QString& skladnik2);
// Reads the record into RekordRcg; false when there is none or it is not complete.
bool WczytajZestaw(TPlikTypowany& plik, long long rekord);
