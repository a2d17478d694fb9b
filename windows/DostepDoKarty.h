#pragma once
// What a calculator window may ask of the main window while it looks its components up: show a
// CAS number in the CAS search list. The main window registers itself; with none registered
// nothing is shown.
#include <QString>

class TDostepDoKarty {
public:
    virtual ~TDostepDoKarty() = default;
    virtual void PokazNumerCAS(const QString& cas) = 0;
};

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep);
void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep);

// The CAS number in the registered main window's search list.
void PokazNumerCASGlowny(const QString& cas);
