#pragma once
// The numerics of the property-estimation window apart from its widgets: which record fields each
// formula reads, the reference temperature of the modified Rackett page, and the modified
// Tyn-Calus diffusion coefficient of a solute in a solvent.
#include "Zmienne.h"

#include <QString>
#include <optional>

// The record fields that the formula of the code reads ("000" .. "032"); false when one of them
// is BrakDanych. A code whose inputs come from the window's boxes reads none.
bool DaneMetodyKompletne(const QString& kod, const TRekordYaws& rekord);

// The temperature (K) of the record's liquid molar volume Vcmol, by the card's rule
// (OdniesienieObjetosciMolowej); `poprzednia` when that rule finds none; BrakDanych without Vcmol.
long double TemperaturaOdniesieniaRacketta(const TRekordYaws& rekord, long double poprzednia);

// The solute (A) and the solvent (B) of a Tyn-Calus computation: molar volumes at their boiling
// points in cm³/mol, their σ terms, and the solvent's viscosity at the temperature of the
// computation in Pa·s.
struct TDaneTynaCalusa {
    long double ObjetoscMolowaA, ObjetoscMolowaB;
    long double NapiecieA, NapiecieB;
    long double LepkoscRozpuszczalnika;
};

// The modified Tyn-Calus diffusion coefficient of the solute in the solvent at T, cm²/s.
long double WspolczynnikDyfuzjiTynaCalusa(long double T, const TDaneTynaCalusa& dane);

// The σ term of one component from its boiling point, critical temperature (K) and pressure (bar).
long double NapiecieTynaCalusa(long double Tb, long double Tc, long double Pc);

enum class BladTynaCalusa { Brak, BrakDanych, BrakWspolnegoZakresu, PozaZakresem };

struct TWynikTynaCalusa {
    BladTynaCalusa blad = BladTynaCalusa::Brak;
    // The pair's range: the larger freezing point to the smaller boiling point (with BrakDanych
    // there is none).
    std::optional<std::pair<long double, long double>> zakres;
    TDaneTynaCalusa dane{};
    long double wspolczynnik = 0.0L; // cm²/s
};

// The coefficient at T for the two records. Needs Mmol, Tb, Tf, Tc, Pc and the liquid-density
// correlation of both and the solvent's liquid-viscosity correlation; both ends of the range are
// allowed. Reads only the two records. A floating-point error throws EMathError.
TWynikTynaCalusa ObliczTynaCalusa(long double T, const TRekordYaws& substancja, const TRekordYaws& rozpuszczalnik);
