#pragma once
// Fedors' group contributions to the critical temperature: 48 groups and Tc = 535·log10 S.
#include <array>

constexpr int LiczbaGrupFedorsa = 48;

struct GrupaFedorsa {
    const char* podpis;   // UTF-8, trailing blanks kept
    const char* przyrost; // as shown; the sum converts this text
};

const std::array<GrupaFedorsa, LiczbaGrupFedorsa>& TabelaGrupFedorsa();

// K; a sum that is not positive has no logarithm and throws as WynikRownaniaUdzialow does
// (UdzialyGrup.h).
long double FedorsTc(long double S);
