#include "DostepDoKarty.h"

#include "KartaZwiazku.h"
#include "Rejestracja.h"
#include "Zmienne.h"

using Rejestracja = TRejestracja<TDostepDoKarty>;

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep) { Rejestracja::Zarejestruj(dostep); }
void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep) { Rejestracja::Wyrejestruj(dostep); }

void WypelnijKarteGlowna()
{
    if (TDostepDoKarty* karta = Rejestracja::Zarejestrowany())
        karta->WypelnijKarte();
    else
        TempObjetosciMolowej = OdniesienieObjetosciMolowej(RekordYaws).temperatura;
}

void CzyscKarteGlowna()
{
    if (TDostepDoKarty* karta = Rejestracja::Zarejestrowany())
        karta->CzyscKarte();
}

void PokazNumerCASGlowny(const QString& cas)
{
    if (TDostepDoKarty* karta = Rejestracja::Zarejestrowany())
        karta->PokazNumerCAS(cas);
}
