#include "DyfuzjaFullera.h"

#include "MathError.h"
#include "Power.h"

const std::array<ObjetoscDyfuzyjnaAtomu, LiczbaObjetosciAtomow>& ObjetosciDyfuzyjneAtomow()
{
    static const std::array<ObjetoscDyfuzyjnaAtomu, LiczbaObjetosciAtomow> atomy = {{
        {"C", "C", 15.9L},
        {"H", "H", 2.31L},
        {"O", "O", 6.11L},
        {"N", "N", 4.54L},
        {"F", "F", 14.7L},
        {"Cl", "Cl", 21.0L},
        {"Br", "Br", 21.9L},
        {"I", "I", 29.8L},
        {"S", "S", 22.9L},
        {"RingB", "Pierścień benzenowy", -18.3L},
        {"RingH", "Pierścień heterocykliczny", -18.3L},
    }};
    return atomy;
}

std::optional<long double> ObjetoscDyfuzyjnaCzasteczki(const QString& wzor)
{
    struct Czasteczka {
        const char* wzor;
        long double objetosc;
    };
    static const Czasteczka czasteczki[] = {
        {"He", 2.67L}, {"Ne", 5.98L},  {"Ar", 16.2L},  {"Kr", 24.5L},  {"Xe", 32.7L},  {"H2", 6.12L},
        {"D2", 6.84L}, {"N2", 18.5L},  {"O2", 16.3L},  {"CO", 18.0L},  {"CO2", 26.9L}, {"N2O", 35.9L},
        {"NH3", 20.7L}, {"H2O", 13.1L}, {"SF6", 71.3L}, {"Cl2", 38.4L}, {"Br2", 69.0L}, {"SO2", 41.8L},
    };
    for (const Czasteczka& c : czasteczki)
        if (wzor == QLatin1String(c.wzor))
            return c.objetosc;
    return std::nullopt;
}

long double SumaObjetosciDyfuzyjnych(const std::array<int, LiczbaObjetosciAtomow>& liczby)
{
    long double suma = 0.0L;
    for (int i = 0; i < LiczbaObjetosciAtomow; ++i)
        if (liczby[i] != 0)
            suma += liczby[i] * ObjetosciDyfuzyjneAtomow()[i].objetosc;
    return suma;
}

long double WspolczynnikDyfuzjiFullera(long double T, long double P, long double M1, long double M2,
                                       long double Sv1, long double Sv2)
{
    return ObliczSprawdzajac([&] {
        const long double MAB = 2.0L / (1.0L / M1 + 1.0L / M2);
        const long double A = Power(T, 1.75L) * 0.00143L;
        const long double B = Power(MAB, 0.5L) * P;
        const long double C = Power(Sv1, 1.0L / 3.0L) + Power(Sv2, 1.0L / 3.0L);
        return NiezerowaWartosc(A / (Power(C, 2.0L) * B));
    });
}
