#include "OdbiorcaLepkosciNasycenia.h"

#include "Rejestracja.h"

using Rejestracja = TRejestracja<TOdbiorcaLepkosciNasycenia>;

void ZarejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca) { Rejestracja::Zarejestruj(odbiorca); }
void WyrejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca) { Rejestracja::Wyrejestruj(odbiorca); }
TOdbiorcaLepkosciNasycenia* OdbiorcaLepkosciNasycenia() { return Rejestracja::Zarejestrowany(); }
