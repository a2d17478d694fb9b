#include "GrupyAmbrosea.h"

#include "Power.h"
#include "UdzialyGrup.h"

namespace {

const std::array<GrupaAmbrosea, LiczbaGrupAmbrosea> Grupy = {{
    {"Atomy węgla w grupach alkilowych", "", {"0.138", "0.226", "55.1"}},
    {"> CH - (każda)", "", {"-0.043", "-0.006", "-8"}},
    {"> C < (każda)", "", {"-0.120", "-0.030", "-17"}},
    {"Podwójne wiązanie (niearomatyczne)", "", {"-0.050", "-0.065", "-20"}},
    {"Potrójne wiazanie", "", {"-0.200", "-0.170", "-40"}},
    {"Wartość liczby Delty Platta", "", {"-0.023", "-0.026", "0"}},
    {" - O -", "", {"0.138", "0.160", "20"}},
    {"> CO", "", {"0.220", "0.282", "60"}},
    {"- CHO", "", {"0.220", "0.220", "55"}},
    {"- COOH", "", {"0.578", "0.450", "80"}},
    {"- CO - O - OC -", "", {"1.156", "0.900", "160"}},
    {"- CO - O -", "", {"0.330", "0.470", "80"}},
    {"- NO2", "", {"0.370", "0.420", "78"}},
    {"- NH2", "", {"0.208", "0.095", "30"}},
    {"- NH -", "", {"0.208", "0.135", "30"}},
    {"> N -", "", {"0.088", "0.170", "30"}},
    {"- CN", "", {"0.423", "0.360", "80"}},
    {"- S -", "", {"0.105", "0.270", "88"}},
    {"- SH", "", {"0.090", "0.270", "88"}},
    {"- SiH3", "", {"0.200", "0.460", "119"}},
    {"- O - Si(CH3)3", "", {"0.496", "0", "0"}},
    {"- F", "", {"0.055", "0.223", "14"}},
    {"- Cl", "", {"0.055", "0.318", "45"}},
    {"- Br", "", {"0.055", "0.500", "67"}},
    {"- I", "", {"0.055", "0", "90"}},
    {"F jest obecne", "", {"0.125", "0", "0"}},
    {"F jest nieobecne,lecz są Cl, Br, I ", "", {"0.055", "0", "0"}},
    {"Alifatyczne alkohole", "", {"(* - kliknij)", "(* - kliknij)", "15"}},
    {"- CH2 -", "", {"0.090", "0.182", "44.5"}},
    {"> CH - pierścień  skondensowany", "dla pierścieni skondensowanych", {"0.030", "0.182", "44.5"}},
    {"Podwójne wiązanie", "", {"-0.030", "0", "-15"}},
    {"- O -", "", {"0.090", "0", "10"}},
    {"- NH -", "", {"0.090", "0", "0"}},
    {" - S - ", "", {"0.090", "0", "30"}},
    {"Benzen", "", {"0.448", "0.924", "(* - kliknij)"}},
    {"Pirydyna", "", {"0.448", "0.850", ""}},
    {"C4H4 (skondensowany)", "Skondensowany jak w naftalenie", {"0.220", "0.515", ""}},
    {" - F", "", {"0.080", "0.183", ""}},
    {"- Cl", "", {"0.080", "0.318", ""}},
    {"- Br", "", {"0.080", "0.600", ""}},
    {"- I", "", {"0.080", "0.850", ""}},
    {"- OH", "", {"0.198", "-0.025", ""}},
    {"Pierwszy", "", {"0.010", "0", ""}},
    {"Każdy następny", "", {"0.030", "0.020", ""}},
    {"Pary podstawników orto  z - OH", "Pary podstawników w położenio orto z -OH", {"-0.080", "-0.050", ""}},
    {"Pary podstawników bez - OH", "Pary podstawników w położeniu orto bez -OH", {"-0.040", "-0.050", ""}},
    {"- CF3, - CF2 -, > CF -", "", {"0.200", "0.550", ""}},
    {"- CF2 -, > CF - (pierścień)", "", {"0.140", "0.420", ""}},
    {"> CF - (pierścień skondensowanany)", "", {"0.030", "0", ""}},
    {"- H (jednopodstawione wodorem)", "", {"-0.050", "-0.350", ""}},
    {"Podwójne wiązanie (niecykliczne)", "", {"-0.150", "-0.500", ""}},
    {"Podwójne wiązanie (cykliczne)", "", {"-0.030", "0", ""}},
}};

const std::array<SekcjaAmbrosea, 7> Sekcje = {{
    {2, "Poprawka:"},
    {7, "Grupy funkcyjne w związkach alifatycznych"},
    {26, "Poprawki na fluorowce w związkach alifatycznych"},
    {29, "Poprawki dla związków cyklicznych\nmające inne wartości niż dla związków alifatycznych"},
    {35, "Związki aromatyczne"},
    {43, "Poprawka dla związków zawierających niechlorowane podstawniki"},
    {47, "Wielofluorowe związki alifatyczne bez grupy -OH"},
}};

} // namespace

const std::array<GrupaAmbrosea, LiczbaGrupAmbrosea>& TabelaGrupAmbrosea()
{
    return Grupy;
}

const std::array<SekcjaAmbrosea, 7>& SekcjeGrupAmbrosea()
{
    return Sekcje;
}

long double LiczbaNAlkoholu(long double Tb)
{
    return (Tb - 314.1L) / 19.2L;
}

long double PoprawkaAlkoholu(WlasnoscAmbrosea wlasnosc, long double v, long double n)
{
    if (wlasnosc == WlasnoscAmbrosea::Tc)
        return v + (0.87L - 0.11L * n + 0.003L * Power(n, 2.0L));
    return v + (0.1L - 0.013L * n);
}

long double AmbroseTc(long double Tb, long double S)
{
    return WynikRownaniaUdzialow([=] { return Tb * (1.0L + 1.0L / (1.242L + S)); });
}

long double AmbrosePc(long double Mmol, long double S)
{
    return WynikRownaniaUdzialow([=] { return Mmol * (1.0L / Power(0.339L + S, 2.0L)) * 100000.0L; });
}

long double AmbroseVc(long double S)
{
    return WynikRownaniaUdzialow([=] { return (40.0L + S) / 1000.0L; });
}
