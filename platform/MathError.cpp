#include "MathError.h"

#include <cfenv>
#include <cmath>

void WyczyscFlagiFPU()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void SprawdzFlagiFPU()
{
    int flagi = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (flagi & FE_INVALID)
        throw EMathError("Niedozwolona operacja zmiennoprzecinkowa");
    if (flagi & FE_DIVBYZERO)
        throw EMathError("Dzielenie przez zero");
    if (flagi & FE_OVERFLOW)
        throw EMathError("Przekroczenie zakresu liczby zmiennoprzecinkowej");
}

long double SkonczonaWartosc(long double wartosc)
{
    if (!std::isfinite(wartosc))
        throw EMathError("Niedozwolona operacja zmiennoprzecinkowa");
    return wartosc;
}
