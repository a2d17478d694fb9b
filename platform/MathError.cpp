#include "MathError.h"

#include <cmath>
#include <limits>

void ZglosBladFPU(int flagi)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    if (flagi & FE_INVALID)
        throw EMathError("Niedozwolona operacja zmiennoprzecinkowa");
    if (flagi & FE_DIVBYZERO)
        throw EMathError("Dzielenie przez zero");
    throw EMathError("Przekroczenie zakresu liczby zmiennoprzecinkowej");
}

long double SkonczonaWartosc(long double wartosc)
{
    if (!std::isfinite(wartosc))
        throw EMathError("Niedozwolona operacja zmiennoprzecinkowa");
    return wartosc;
}

long double NiezerowaWartosc(long double wartosc)
{
    if (SkonczonaWartosc(wartosc) == 0)
        throw EMathError("Wynik wychodzi równy 0, a ta wielkość nie może być zerowa. Sprawdź dane.");
    return wartosc;
}

bool JestDodatnia(long double wartosc)
{
    return wartosc >= std::numeric_limits<double>::min();
}

bool JestUdzialemMolowym(long double wartosc)
{
    return 0 <= wartosc && wartosc <= 1;
}
