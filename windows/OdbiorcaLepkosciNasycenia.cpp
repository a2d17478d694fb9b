#include "OdbiorcaLepkosciNasycenia.h"

namespace {

TOdbiorcaLepkosciNasycenia* Zarejestrowany = nullptr;

} // namespace

void ZarejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca)
{
    Zarejestrowany = odbiorca;
}

void WyrejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca)
{
    if (Zarejestrowany == odbiorca)
        Zarejestrowany = nullptr;
}

TOdbiorcaLepkosciNasycenia* OdbiorcaLepkosciNasycenia()
{
    return Zarejestrowany;
}
