#include "DostepDoKarty.h"

#include "Rejestracja.h"

using Rejestracja = TRejestracja<TDostepDoKarty>;

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep) { Rejestracja::Zarejestruj(dostep); }
void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep) { Rejestracja::Wyrejestruj(dostep); }

void PokazNumerCASGlowny(const QString& cas)
{
    if (TDostepDoKarty* karta = Rejestracja::Zarejestrowany())
        karta->PokazNumerCAS(cas);
}
