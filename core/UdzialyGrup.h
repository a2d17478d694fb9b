#pragma once
// The group sum of the group-contribution methods: every ticked group adds its count times its
// increment, in row order, accumulated in extended precision from zero. And the one check of
// their equations: what a window shows when the sum gives no estimate.
#include <functional>
#include <vector>

struct UdzialGrupy {
    int wiersz = 0; // from 1
    long double liczba = 0.0L;
    long double przyrost = 0.0L;
};

long double SumaUdzialow(const std::vector<UdzialGrupy>& udzialy);

// The value of an equation of a group-contribution method, computed between a clear and a check
// of the floating-point flags. A sum at a pole of the equation or outside its logarithm, an
// overflow, or a result that is not finite throws EMathError with NieMoznaObliczycWyniku
// (MathError.h), the text of every formula that gives no result.
long double WynikRownaniaUdzialow(const std::function<long double()>& rownanie);
