#include "LiczenieAtomow.h"

#include <cctype>
#include <cmath>

namespace {

bool Cyfra(char znak) { return std::isdigit(static_cast<unsigned char>(znak)) != 0; }
bool WielkaLitera(char znak) { return znak >= 'A' && znak <= 'Z'; }

// The counter of C, H, F, I or S; nullptr for any other letter.
int* LicznikPojedynczejLitery(char litera, LiczbyAtomow& liczby)
{
    switch (litera) {
    case 'C': return &liczby.C;
    case 'H': return &liczby.H;
    case 'F': return &liczby.F;
    case 'I': return &liczby.I;
    case 'S': return &liczby.S;
    default: return nullptr;
    }
}

// Reads a count of one or two digits at position i (1 when there is none) and moves i past it.
int CzytajLiczbe(const std::string& wzor, size_t& i)
{
    if (i >= wzor.size() || !Cyfra(wzor[i]))
        return 1;
    int liczba = wzor[i++] - '0';
    if (i < wzor.size() && Cyfra(wzor[i]))
        liczba = 10 * liczba + (wzor[i++] - '0');
    return liczba;
}

bool OpisujeZwiazek(const std::string& wzor)
{
    if (wzor.size() >= 4)
        return true;
    if (wzor.size() < 2)
        return false;
    return WielkaLitera(wzor[1]) || (Cyfra(wzor[1]) && wzor.size() > 2);
}

} // namespace

WynikLiczeniaAtomow PoliczAtomy(const std::string& wzor)
{
    WynikLiczeniaAtomow wynik;
    LiczbyAtomow& liczby = wynik.liczby;
    size_t i = 0;
    while (i < wzor.size()) {
        char znak = wzor[i];
        if (Cyfra(znak)) {
            if (i == 0) {
                wynik.blad = BladWzoru::Nieokreslony;
                return wynik;
            }
            ++i;
            continue;
        }
        ++i;
        char nastepny = i < wzor.size() ? wzor[i] : '\0';
        int* licznik = LicznikPojedynczejLitery(znak, liczby);
        if ((znak == 'C' && nastepny == 'l') || (znak == 'B' && nastepny == 'r')) {
            ++i;
            (znak == 'C' ? liczby.Cl : liczby.Br) = CzytajLiczbe(wzor, i);
        } else if (licznik && (nastepny == '\0' || Cyfra(nastepny) || WielkaLitera(nastepny))) {
            *licznik = CzytajLiczbe(wzor, i);
        }
    }
    if (!OpisujeZwiazek(wzor))
        wynik.blad = BladWzoru::Pierwiastek;
    return wynik;
}

bool LiczbaAtomowCzasteczki(long double liczba)
{
    return liczba >= 1.0L && liczba <= NajwiekszaLiczbaAtomow && liczba == std::floor(liczba);
}
