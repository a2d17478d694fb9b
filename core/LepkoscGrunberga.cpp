#include "LepkoscGrunberga.h"

#include "MathError.h"

#include <cmath>

const std::array<WkladGrupyGrunberga, LiczbaGrupGrunberga>& WkladyGrupGrunberga()
{
    using enum RodzajWkladuGrupy;
    static const std::array<WkladGrupyGrunberga, LiczbaGrupGrunberga> grupy = {{
        {"CH3", "Grupa", "- CH3", nullptr, Staly, -0.100L},
        {"CH2", nullptr, ">CH2", nullptr, Staly, 0.096L},
        {"CH", nullptr, ">CH -", nullptr, Staly, 0.204L},
        {"C", nullptr, ">C<", nullptr, Staly, 0.433L},
        {"Ring", nullptr, "Pierścień benzenowy", nullptr, Staly, 0.766L},
        {"Orto", "Podstawniki:", "orto", nullptr, Staly, 0.174L},
        {"Meta", nullptr, "meta", nullptr, Staly, 0.0L},
        {"Para", nullptr, "para", nullptr, Staly, 0.154L},
        {"Cyklo", nullptr, "Pierścień cykloheksanowy", nullptr, Staly, 0.887L},
        {"OHmet", nullptr, "- OH metanol", nullptr, Staly, 0.887L},
        {"OHet", nullptr, "- OH etanol", nullptr, Staly, -0.023L},
        {"OH", nullptr, "- OH wyższe alkohole alifatyczne", nullptr, Staly, -0.443L},
        {"CO", nullptr, "- C = O ketony", nullptr, Staly, 1.046L},
        {"Cl", nullptr, "- Cl", nullptr, Chlor, 0.0L},
        {"Br", nullptr, "- Br", nullptr, Staly, -0.116L},
        {"COOH1", "- COOH kwas z:", "nieasocjującą cieczą", nullptr, KwasZCiecza, 0.0L},
        {"COOH2", nullptr, "ketonami", nullptr, Staly, 1.130L},
        {"COOH3", nullptr, "kwasem mrówkowym z ketonami", "kwas mrówkowy z ketonami", Staly, 0.167L},
    }};
    return grupy;
}

long double WkladGrupy(const WkladGrupyGrunberga& grupa, int n, int NC)
{
    switch (grupa.rodzaj) {
    case RodzajWkladuGrupy::Chlor:
        return n * (0.653L - 0.161L * n);
    case RodzajWkladuGrupy::KwasZCiecza:
        return n * (-0.411L + 0.06074L * NC);
    case RodzajWkladuGrupy::Staly:
        break;
    }
    return grupa.wklad * n;
}

long double SumaGrupGrunberga(const std::array<int, LiczbaGrupGrunberga>& liczby, int NC)
{
    long double suma = 0.0L;
    for (int i = 0; i < LiczbaGrupGrunberga; ++i)
        if (liczby[i] != 0)
            suma += WkladGrupy(WkladyGrupGrunberga()[i], liczby[i], NC);
    return suma;
}

long double CzlonWielkosciGrunberga(int N1, int N2)
{
    if (N1 == 0 || N2 == 0)
        return 0.0L;
    const long long roznica = static_cast<long long>(N1) - N2;
    return 0.3161L * static_cast<long double>(roznica * roznica) / (static_cast<long double>(N1) + N2) -
           0.1188L * static_cast<long double>(roznica);
}

long double G12WTemperaturze(long double G12, long double T)
{
    return 1.0L - (1.0L - G12) * (573.0L - T) / 275.0L;
}

long double LepkoscMieszaninyGrunberga(long double x1, long double x2, long double eta1, long double eta2,
                                       long double G12T)
{
    return NiezerowaWartosc(ObliczSprawdzajac([&] {
        return std::exp(x1 * std::log(eta1) + x2 * std::log(eta2) + x1 * x2 * G12T);
    }));
}
