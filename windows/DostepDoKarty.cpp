#include "DostepDoKarty.h"

#include "KartaZwiazku.h"
#include "Zmienne.h"

namespace {

TDostepDoKarty* zarejestrowany = nullptr;

} // namespace

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep)
{
    zarejestrowany = dostep;
}

void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep)
{
    if (zarejestrowany == dostep)
        zarejestrowany = nullptr;
}

void WypelnijKarteGlowna()
{
    if (zarejestrowany)
        zarejestrowany->WypelnijKarte();
    else
        TempObjetosciMolowej = OdniesienieObjetosciMolowej(RekordYaws).temperatura;
}

void CzyscKarteGlowna()
{
    if (zarejestrowany)
        zarejestrowany->CzyscKarte();
}

void PokazNumerCASGlowny(const QString& cas)
{
    if (zarejestrowany)
        zarejestrowany->PokazNumerCAS(cas);
}
