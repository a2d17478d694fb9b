#include "KorelacjeTemperaturowe.h"

#include "MathError.h"
#include "Power.h"
#include "Zmienne.h"

#include <cmath>

namespace {

// Polynomials term by term from the constant up, each power as repeated multiplication by T.
long double Kwadratowy(long double A, long double B, long double C, long double T)
{
    return A + B * T + C * T * T;
}

long double Szescienny(long double A, long double B, long double C, long double D, long double T)
{
    return A + B * T + C * T * T + D * T * T * T;
}

// A·(1 − T/Tk)ⁿ: the base first, then the power, then the factor.
long double Potegowy(long double A, long double T, long double Tk, long double n)
{
    long double podstawa = 1.0L - T / Tk;
    return A * Power(podstawa, n);
}

long double DziesiecDo(long double wykladnik)
{
    return Power(10.0L, wykladnik);
}

} // namespace

long double ObliczCpGazu(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        return Szescienny(r.CpgA, r.CpgB, r.CpgC, r.CpgD, T) + r.CpgE * T * T * T * T;
    });
}

long double ObliczDelHf(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Kwadratowy(r.DelHfA, r.DelHfB, r.DelHfC, T); });
}

long double ObliczDelGf(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Kwadratowy(r.DelGfA, r.DelGfB, r.DelGfC, T); });
}

long double ObliczDelHv(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Potegowy(r.DelHvA, T, r.Tc, r.DelHvN); });
}

long double ObliczLambdaGazu(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Kwadratowy(r.LagA, r.LagB, r.LagC, T); });
}

long double ObliczLepkoscGazu(long double T)
{
    return ObliczLepkoscGazu(RekordYaws, T);
}

long double ObliczLepkoscGazu(const TRekordYaws& r, long double T)
{
    return ObliczSprawdzajac([&] { return Kwadratowy(r.NigA, r.NigB, r.NigC, T) * 1E-7L; });
}

long double ObliczPreznoscPary(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        long double wykladnik =
            r.PvpA + r.PvpB / T + r.PvpC * std::log10(T) + r.PvpD * T + r.PvpE * T * T;
        return DziesiecDo(wykladnik) * 133.322L;
    });
}

long double ObliczDyfuzjeWPowietrzu(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Kwadratowy(r.DapA, r.DapB, r.DapC, T); });
}

long double ObliczLepkoscCieczy(long double T)
{
    return ObliczLepkoscCieczy(RekordYaws, T);
}

long double ObliczLepkoscCieczy(const TRekordYaws& r, long double T)
{
    return ObliczSprawdzajac([&] {
        long double wykladnik = r.NicA + r.NicB / T + r.NicC * T + r.NicD * T * T;
        return DziesiecDo(wykladnik) * 0.001L;
    });
}

long double ObliczNapieciePowierzchniowe(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Potegowy(r.SinA, T, r.SinTc, r.SinN) * 0.001L; });
}

long double ObliczCpCieczy(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Szescienny(r.CpcA, r.CpcB, r.CpcC, r.CpcD, T); });
}

long double ObliczGestoscCieczy(long double T)
{
    return ObliczGestoscCieczy(RekordYaws, T);
}

long double ObliczGestoscCieczy(const TRekordYaws& r, long double T)
{
    return ObliczSprawdzajac([&] {
        long double x = Power(1.0L - T / r.Tc, r.RocN);
        return r.RocA * Power(r.RocB, -x) * 1000.0L;
    });
}

long double ObliczLambdaCieczy(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return Kwadratowy(r.LacA, r.LacB, r.LacC, T); });
}

long double ObliczDyfuzjeWWodzie(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] { return DziesiecDo(r.DawA + r.DawB / T); });
}
