#include "OtwieranieKorelacji.h"

namespace {

TOtwieranieKorelacji* Zarejestrowane = nullptr;

} // namespace

void ZarejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno)
{
    Zarejestrowane = okno;
}

void WyrejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno)
{
    if (Zarejestrowane == okno)
        Zarejestrowane = nullptr;
}

TOtwieranieKorelacji* OtwieranieKorelacji()
{
    return Zarejestrowane;
}
