#include "UdzialyGrup.h"

#include "MathError.h"

long double SumaUdzialow(const std::vector<UdzialGrupy>& udzialy)
{
    long double suma = 0.0L;
    for (const UdzialGrupy& u : udzialy)
        suma += u.liczba * u.przyrost;
    return suma;
}

long double WynikRownaniaUdzialow(const std::function<long double()>& rownanie)
{
    try {
        return ObliczSkonczone(rownanie);
    } catch (const EMathError&) {
        throw EMathError(NieMoznaObliczycWyniku);
    }
}
