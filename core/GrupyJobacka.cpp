#include "GrupyJobacka.h"

#include "Power.h"
#include "UdzialyGrup.h"

namespace {

const std::array<GrupaJobacka, LiczbaGrupJobacka> Grupy = {{
    {"- CH3", {"0.0141", "-0.0012", "65", "23.58", "-5.10", "-76.45"}, {1, 3, 0, 0, 0, 0, 0, 0, 0}},
    {"> CH2", {"0.0189", "0", "56", "22.88", "11.27", "-20.64"}, {1, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"> CH -", {"0.0164", "0.0020", "41", "21.74", "12.64", "29.89"}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"> C <", {"0.0067", "0.0043", "27", "18.25", "46.43", "82.23"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"= CH2", {"0.0113", "-0.0028", "56", "18.18", "-4.32", "-9.63"}, {1, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"= CH -", {"0.0129", "-0.0006", "46", "24.96", "8.73", "37.97"}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"= C<", {"0.0117", "0.0011", "38", "24.14", "11.14", "83.99"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"= C =", {"0.0026", "0.0028", "36", "26.15", "17.78", "142.14"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"-= CH", {"0.0027", "-0.0008", "46", "9.20", "-11.18", "79.30"}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"-= C -", {"0.0020", "0.0016", "37", "27.38", "64.32", "115.51"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"- CH2 -", {"0.0100", "0.0025", "48", "27.15", "7.75", "-26.80"}, {1, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"> CH -", {"0.0122", "0.0004", "38", "21.78", "19.88", "8.67"}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"> C <", {"0.0042", "0.0061", "27", "21.32", "60.15", "79.72"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"= CH -", {"0.0082", "0.0011", "41", "26.73", "8.13", "2.09"}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"= C <", {"0.0143", "0.0008", "32", "31.01", "37.02", "46.43"}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"- F", {"0.0111", "-0.0057", "27", "-0.03", "-15.78", "-251.92"}, {0, 0, 0, 0, 0, 1, 0, 0, 0}},
    {"- Cl", {"0.0105", "-0.0049", "58", "38.13", "13.55", "-71.55"}, {0, 0, 0, 0, 0, 0, 1, 0, 0}},
    {"- Br", {"0.0133", "0.0057", "71", "66.86", "43.43", "-29.48"}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {"- I", {"0.0068", "-0.0034", "97", "93.84", "41.69", "21.06"}, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
    {"- OH (alkohol)", {"0.0741", "0.0112", "28", "92.88", "44.45", "-208.04"}, {0, 1, 0, 1, 0, 0, 0, 0, 0}},
    {"- OH (fenol)", {"0.0240", "0.0184", "-25", "76.34", "82.83", "-221.65"}, {0, 1, 0, 1, 0, 0, 0, 0, 0}},
    {"- O - (niepierścieniowy)", {"0.0168", "0.0015", "18", "22.42", "22.23", "-132.22"}, {0, 0, 0, 1, 0, 0, 0, 0, 0}},
    {"- O - (pierścieniowy)", {"0.0098", "0.0048", "13", "31.22", "23.05", "-138.16"}, {0, 0, 0, 1, 0, 0, 0, 0, 0}},
    {"> C = O (niepierścieniowy)", {"0.0380", "0.0031", "62", "76.75", "61.20", "-133.22"}, {1, 0, 0, 1, 0, 0, 0, 0, 0}},
    {"> C = O (pierścieniowy)", {"0.0284", "0.0028", "55", "94.97", "75.97", "-164.50"}, {1, 0, 0, 1, 0, 0, 0, 0, 0}},
    {"O = CH - (aldehyd)", {"0.0379", "0.0030", "82", "72.24", "36.90", "-162.03"}, {1, 1, 0, 1, 0, 0, 0, 0, 0}},
    {"- COOH (kwas)", {"0.0791", "0.0077", "89", "169.09", "155.50", "-426.72"}, {1, 1, 0, 2, 0, 0, 0, 0, 0}},
    {"- COO - (ester)", {"0.0481", "0.0005", "82", "81.10", "53.60", "-337.92"}, {1, 0, 0, 2, 0, 0, 0, 0, 0}},
    {"= O (wyjąwszy powyższe)", {"0.0143", "0.0101", "36", "-10.50", "2.08", "-247.61"}, {0, 0, 0, 1, 0, 0, 0, 0, 0}},
    {"- NH2", {"0.0243", "0.0109", "38", "73.23", "66.89", "-22.02"}, {0, 2, 1, 0, 0, 0, 0, 0, 0}},
    {"> NH (niepierścieniowy)", {"0.0295", "0.0077", "35", "50.17", "52.66", "53.47"}, {0, 1, 1, 0, 0, 0, 0, 0, 0}},
    {"> NH (pierścieniowy)", {"0.0130", "0.0114", "29", "52.82", "101.51", "31.65"}, {0, 1, 1, 0, 0, 0, 0, 0, 0}},
    {"> N - (niepierścieniowy)", {"0.0169", "0.0074", "9", "11.74", "48.84", "123.34"}, {0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"- N = (niepierścieniowy)", {"0.0255", "-0.0099", "", "74.60", "", "23.61"}, {0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"- N = (pierścieniowy)", {"0.0085", "0.0076", "34", "57.55", "68.40", "55.52"}, {0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"- CN", {"0.0496", "-0.0101", "91", "125.66", "59.89", "88.43"}, {1, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"- NO2", {"0.0437", "0.0064", "91", "152.54", "127.24", "-66.57"}, {0, 0, 1, 2, 0, 0, 0, 0, 0}},
    {"- SH", {"0.0031", "0.0084", "63", "63.56", "20.09", "-17.33"}, {0, 1, 0, 0, 1, 0, 0, 0, 0}},
    {"- S - (niepierścieniowy)", {"0.0119", "0.0049", "54", "68.78", "34.40", "41.87"}, {0, 0, 0, 0, 1, 0, 0, 0, 0}},
    {"- S - (pierścieniowy)", {"0.0019", "0.0051", "38", "52.10", "79.93", "39.10"}, {0, 0, 0, 0, 1, 0, 0, 0, 0}},
}};

const std::array<SekcjaJobacka, 6> Sekcje = {{
    {1, "Poprawki dla niepierścieniowych:"},
    {11, "Poprawki dla pierścieniowych:"},
    {16, "Poprawki dla fluorowców:"},
    {20, "Poprawki dla związków zawierających tlen:"},
    {30, "Poprawki zawierające azot:"},
    {38, "Poprawki dla związków zawierających siarkę:"},
}};

// Positions in AtomyJobacka, in the order the formula writes the elements.
constexpr std::array<std::pair<const char*, int>, 9> KolejnoscWzoru = {{
    {"C", 0}, {"H", 1}, {"Br", 8}, {"Cl", 6}, {"I", 7}, {"F", 5}, {"O", 3}, {"S", 4}, {"N", 2},
}};

} // namespace

const std::array<GrupaJobacka, LiczbaGrupJobacka>& TabelaGrupJobacka()
{
    return Grupy;
}

const std::array<SekcjaJobacka, 6>& SekcjeGrupJobacka()
{
    return Sekcje;
}

AtomyJobacka AtomyGrupJobacka(const std::vector<std::pair<int, int>>& wierszeILiczby)
{
    AtomyJobacka atomy{};
    for (auto [wiersz, liczba] : wierszeILiczby)
        for (size_t e = 0; e < atomy.size(); ++e)
            atomy[e] += liczba * Grupy.at(wiersz - 1).atomy[e];
    return atomy;
}

std::string WzorZAtomow(const AtomyJobacka& atomy)
{
    std::string wzor;
    for (auto [symbol, pozycja] : KolejnoscWzoru) {
        const int liczba = atomy[pozycja];
        if (liczba >= 1)
            wzor += symbol;
        if (liczba >= 2)
            wzor += std::to_string(liczba);
    }
    return wzor;
}

long double JobackTc(long double Tb, long double S)
{
    return WynikRownaniaUdzialow([=] { return Tb * Power(0.584L + 0.965L * S - Power(S, 2.0L), -1.0L); });
}

long double JobackPc(int Na, long double S)
{
    return WynikRownaniaUdzialow([=] { return Power(0.113L + 0.0032L * Na - S, -2.0L) * 100000.0L; });
}

long double JobackVc(long double S)
{
    return WynikRownaniaUdzialow([=] { return (17.5L + S) / 1000.0L; });
}

long double JobackTb(long double S)
{
    return WynikRownaniaUdzialow([=] { return 198.0L + S; });
}

long double JobackTf(long double S)
{
    return WynikRownaniaUdzialow([=] { return 122.0L + S; });
}

long double JobackHf(long double S)
{
    return WynikRownaniaUdzialow([=] { return 68.29L + S; });
}
