#pragma once
// The group sum of the group-contribution methods: every ticked group adds its count times its
// increment, in row order, accumulated in extended precision from zero.
#include <vector>

struct UdzialGrupy {
    int wiersz = 0; // from 1
    long double liczba = 0.0L;
    long double przyrost = 0.0L;
};

long double SumaUdzialow(const std::vector<UdzialGrupy>& udzialy);
