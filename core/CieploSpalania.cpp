#include "CieploSpalania.h"

#include "Cp1250.h"
#include "KartaZwiazku.h"
#include "KorelacjeTemperaturowe.h"
#include "Zmienne.h"

bool LiczbaAtomowDozwolona(int liczba)
{
    return liczba >= 0 && liczba <= NajwiekszaLiczbaAtomow;
}

int LiczbaHalogenow(const LiczbyAtomow& n)
{
    return n.F + n.Cl + n.Br + n.I;
}

long double CieploSpalania(const LiczbyAtomow& n, long double delHf)
{
    const int wodorBezHalogenow = 121 * (n.H - LiczbaHalogenow(n));
    return -393.78L * n.C - static_cast<long double>(wodorBezHalogenow) - 271.81L * n.F - 92.37L * n.Cl
           - 36.26L * n.Br + 24.81L * n.I - 297.26L * n.S - delHf;
}

BladWzoru PrzygotujCieploSpalania()
{
    DelHf = 0.0L;
    DelHfZnane = false;
    NazwaZwiazku = Cp1250ToUnicode(RekordYaws.NazwaPL.substr(0, 40));
    WzorZwiazku = Cp1250ToUnicode(RekordYaws.Wzor);
    if (Podano(RekordYaws.DelHfA) && Podano(RekordYaws.DelHfB) && Podano(RekordYaws.DelHfC)) {
        DelHf = ObliczDelHf(298.15L);
        DelHfZnane = true;
    }
    const WynikLiczeniaAtomow wynik = PoliczAtomy(RekordYaws.Wzor);
    const LiczbyAtomow& n = wynik.liczby;
    Nc = n.C;
    Nh = n.H;
    Nf = n.F;
    Ncl = n.Cl;
    Nbr = n.Br;
    Ni = n.I;
    Ns = n.S;
    Nx = 0;
    if (wynik.blad == BladWzoru::Brak) {
        TrybAtomow = !n.WszystkieZerowe();
        DelHcMinusDelHf = !TrybAtomow;
    }
    return wynik.blad;
}
