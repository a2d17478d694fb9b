#include "OtwieranieKorelacji.h"

#include "Rejestracja.h"

using Rejestracja = TRejestracja<TOtwieranieKorelacji>;

void ZarejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno) { Rejestracja::Zarejestruj(okno); }
void WyrejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno) { Rejestracja::Wyrejestruj(okno); }
TOtwieranieKorelacji* OtwieranieKorelacji() { return Rejestracja::Zarejestrowany(); }
