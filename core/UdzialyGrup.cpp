#include "UdzialyGrup.h"

long double SumaUdzialow(const std::vector<UdzialGrupy>& udzialy)
{
    long double suma = 0.0L;
    for (const UdzialGrupy& u : udzialy)
        suma += u.liczba * u.przyrost;
    return suma;
}
