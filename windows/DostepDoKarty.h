#pragma once
// What a calculator window may ask of the main window's substance card while it looks its
// components up in RekordYaws: fill the card from the record (which also sets
// TempObjetosciMolowej, the temperature of the card's liquid molar volume), clear it, and show a
// CAS number in the CAS search list. The main window registers itself; with none registered the
// card is not touched, and filling still sets TempObjetosciMolowej from the record.
#include <QString>

class TDostepDoKarty {
public:
    virtual ~TDostepDoKarty() = default;
    virtual void WypelnijKarte() = 0;
    virtual void CzyscKarte() = 0;
    virtual void PokazNumerCAS(const QString& cas) = 0;
};

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep);
void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep);

// The card operations through the registered main window.
void WypelnijKarteGlowna();
void CzyscKarteGlowna();
void PokazNumerCASGlowny(const QString& cas);
