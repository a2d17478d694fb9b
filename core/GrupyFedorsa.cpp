#include "GrupyFedorsa.h"

#include "UdzialyGrup.h"

#include <cmath>

namespace {

const std::array<GrupaFedorsa, LiczbaGrupFedorsa> Grupy = {{
    {" - CH3", "1.79"},
    {"- CH2 -", "1.34"},
    {"> CH -", "0.45"},
    {"> C <", "-0.22"},
    {"= CH2", "1.59"},
    {"= CH -", "1.40"},
    {"> C =", "0.89"},
    {"-= CH", "1.79"},
    {"-= C -", "2.46"},
    {"= C =", "1.03"},
    {"- COOH", "10.72"},
    {"- CO - O OC - ", "7.95"},
    {"- CO -O -", "5.32"},
    {"- O - OC - CO - O - ", "6.25"},
    {"- CO -", "5.36"},
    {"- O -", "1.56"},
    {"- O - (związek aromatyczny)", "2.68"},
    {"- OH", "5.63"},
    {"- OH (związek aromatyczny)", "9.65"},
    {"- CHO", "5.49"},
    {"- C -= N", "8.49"},
    {"- C -= N (związek aromatyczny)", "9.38"},
    {"- NH2", "4.56"},
    {"- NH2 (związek aromatyczny)", "9.20"},
    {"- NH -", "3.04"},
    {"- NH - (związek aromatyczny)", "7.64"},
    {"> N -", "0.89"},
    {"> N - (związek aromatyczny)", "4.74"},
    {"- N =", "4.51"},
    {"- S - S -", "9.83"},
    {"- S -", "4.91"},
    {"- SH", "5.36"},
    {"- F", "2.10"},
    {"- F (związek aromatyczny)", "0.45"},
    {"- F (związek perfluorowany)", "0.54"},
    {"- Cl", "4.20"},
    {"- Cl (dwupodstawiony)", "3.71"},
    {"-Cl (trójpodstawiony)", "3.17"},
    {"- Br", "5.58"},
    {"- I", "8.04"},
    {"- I (związek aromatyczny)", "10.77"},
    {"Trójczłonowy pierścień", "0.45"},
    {"Pięcioczłonowy pierścień", "2.23"},
    {"Sześcioczłonowy pierścień", "2.68"},
    {"Hetero atom w pierścieniu", "0.45"},
    {"Podstawienie na węglu z podwójnym wiązaniem", "0.58"},
    {"Podstawnikw położeniu orto w pierścieniu benzenowym", "1.16"},
    {"Sprzężenie przez podwójne wiązanie", "0.13"},
}};

} // namespace

const std::array<GrupaFedorsa, LiczbaGrupFedorsa>& TabelaGrupFedorsa()
{
    return Grupy;
}

long double FedorsTc(long double S)
{
    return WynikRownaniaUdzialow([=] { return 535.0L * std::log10(S); });
}
