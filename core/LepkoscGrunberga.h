#pragma once
// Grunberg and Nissan's viscosity of a binary liquid mixture,
//     ln ηm = x1 ln η1 + x2 ln η2 + x1 x2 G12(T),
// with the interaction parameter G12 = Σ1 − Σ2 + W at 298 K from group contributions of the two
// components and a size term of their carbon numbers, carried to T by
//     G12(T) = 1 − (1 − G12) (573 − T) / 275.
#include <array>

enum class RodzajWkladuGrupy {
    Staly,          // contribution per group
    Chlor,          // n (0.653 − 0.161 n)
    KwasZCiecza     // n (−0.411 + 0.06074 NC) with the component's carbon number
};

struct WkladGrupyGrunberga {
    const char* nazwa;     // ending of the control names: "CH3" gives chbCH3, eCH3 (chbCH3_2, eCH3_2)
    const char* naglowek;  // the heading above the row, or nullptr
    const char* podpis;    // caption of the check box of component 1
    const char* podpis2;   // caption for component 2 where it differs, or nullptr
    RodzajWkladuGrupy rodzaj;
    long double wklad;     // per group, for the constant kind
};

constexpr int LiczbaGrupGrunberga = 18;
// The groups in screen order, which is also the order of summing.
const std::array<WkladGrupyGrunberga, LiczbaGrupGrunberga>& WkladyGrupGrunberga();

// The contribution of n groups of the row to a component of carbon number NC.
long double WkladGrupy(const WkladGrupyGrunberga& grupa, int n, int NC);

// Σ over the rows of the contributions, in table order; a count of 0 is a group not ticked.
long double SumaGrupGrunberga(const std::array<int, LiczbaGrupGrunberga>& liczby, int NC);

// W = 0.3161 (N1 − N2)² / (N1 + N2) − 0.1188 (N1 − N2); 0 when either carbon number is 0.
long double CzlonWielkosciGrunberga(int N1, int N2);

// G12 carried from 298 K to T (K).
long double G12WTemperaturze(long double G12, long double T);

// ηm in the unit of η1 and η2. Throws EMathError when the numbers leave their domain or ηm
// underflows to 0 (a huge group count makes G12 huge).
long double LepkoscMieszaninyGrunberga(long double x1, long double x2, long double eta1, long double eta2,
                                       long double G12T);
