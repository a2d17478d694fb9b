#pragma once
// The fourteen temperature correlations of the experimental tab as the experimental-correlation
// window shows them: the code that names each, its title, equation mark-up, coefficient fields
// with their captions, range fields, the factor to SI, the function that evaluates it, the
// mark-up of its result symbol and unit, and the header of its value column in the table window.
#include "Zmienne.h"

#include <QString>
#include <optional>
#include <vector>

enum class RodzajKorelacji { Gaz, Ciecz };

// The values a quantity can have: a viscosity, vapour pressure, density, heat capacity, thermal
// conductivity or diffusion coefficient only above 0; a surface tension or heat of vaporisation
// not below 0 (0 at the critical point); a heat or free energy of formation any finite number.
enum class DopuszczalneWartosci { Dodatnie, Nieujemne, Dowolne };

struct WspolczynnikKorelacji {
    QString etykieta; // "A".."E", "Tc", "n"
    long double TRekordYaws::*pole;
};

struct TKorelacjaDoswiadczalna {
    RodzajKorelacji rodzaj;
    char kod; // the value of KodGaz or KodCiecz that names it
    QString tytul;
    QString rownanie; // mark-up of the equation
    std::vector<WspolczynnikKorelacji> wspolczynniki;
    long double TRekordYaws::*Tmin;
    long double TRekordYaws::*Tmax;
    bool czytaTc; // the equation uses the record's critical temperature
    // From the correlation's own unit to SI; the evaluating function already applies it.
    std::optional<long double> przelicznikSI;
    long double (*oblicz)(long double T);
    QString symbolWyniku; // mark-up shown before the result
    QString jednostka;    // mark-up of the result's unit
    QString naglowekTabeli; // the table window's header of the value column (the SI value)
    DopuszczalneWartosci wartosci;
};

const std::vector<TKorelacjaDoswiadczalna>& KorelacjeDoswiadczalne();

// The correlation the two codes name, gas codes first; nullptr when neither names one.
const TKorelacjaDoswiadczalna* KorelacjaDlaKodow(char kodGaz, char kodCiecz);

// Every coefficient and both range fields are present, and the record's Tc where the equation
// reads it.
bool KorelacjaKompletna(const TRekordYaws& rekord, const TKorelacjaDoswiadczalna& korelacja);
