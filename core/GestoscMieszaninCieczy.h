#pragma once
// The numerics and data of the liquid-mixture density window, without widgets: the pairs of
// mixc.dan and their measured excess volumes, the pure-liquid molar volume of a component at a
// temperature, the mixture's molar volume and density, and the fitted excess-volume curve.
#include "Zmienne.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

// Only complete points of mixc.dan count below: one without its T, P, x1 or VE is left out.
// The first components of mixc.dan, each once ignoring case (first spelling kept), sorted.
QStringList PierwszeSkladnikiMixc();
// The second components paired with the first one (case ignored), each once, sorted, and the
// first component's CAS number as the last of its records gives it.
struct PartnerzySkladnika {
    QStringList nazwy;
    QString CAS1;
};
PartnerzySkladnika PartnerzyMixc(const QString& skladnik1);

// The measured points of the pair (component order matters, case ignored), in file order.
struct PomiaryPary {
    std::vector<TRekordMixc> punkty;
    QString CAS1, CAS2;               // of the last record of the pair
    std::vector<long double> temperatury, cisnienia; // each value once, in file order
};
PomiaryPary ZbierzPomiaryPary(const QString& skladnik1, const QString& skladnik2);
// The points measured at exactly this temperature and pressure.
std::vector<TRekordMixc> PunktyPrzy(const PomiaryPary& para, long double T, long double P);

// A pure liquid's molar volume at T, m³/kmol, from the record and the temperature its stored
// molar volume refers to (OdniesienieObjetosciMolowej, the substance card's rule): the stored
// volume itself ("(d)") when T is that temperature, else Rackett's reference-volume equation
// ("(r)"), which needs omega, Tc and M. No volume when the record lacks what the rule needs or the
// equation fails.
struct ObjetoscCzystejCieczy {
    long double V;
    bool zDanych; // "(d)"; otherwise "(r)"
};
std::optional<ObjetoscCzystejCieczy> ObjetoscMolowaCieczy(const TRekordYaws& rekord, long double T);

// M / V rounded to thousandths (kg/m³ from kg/kmol and m³/kmol); a density that rounds to 0
// throws EMathError.
long double GestoscZaokraglona(long double M, long double V);

// The mixture's molar volume x1·V1 + (1 − x1)·V2 + VE (m³/kmol) and its density
// (x1·M1 + (1 − x1)·M2) / Vm (kg/m³) rounded to thousandths. A floating-point error throws.
long double ObjetoscMolowaMieszaniny(long double x1, long double V1, long double V2, long double VE);
long double GestoscMieszaninyCieczy(long double x1, long double M1, long double M2, long double Vm);

// c0 + c1·x + ... over the given coefficients, summed in extended precision.
long double WartoscWielomianu(std::span<const long double> c, long double x);

// The points of the fitted curve drawn over measured abscissae X[0] .. X[n−1]: (2n + 1)·10
// points a twentieth of the mean spacing apart, from half a spacing before X[0]; the sum is in
// double precision as it is drawn.
struct PunktKrzywej {
    double x, y;
};
std::vector<PunktKrzywej> PunktyKrzywej(std::span<const long double> X, std::span<const long double> c);
