#include "ZrodloWspolczynnikowZ.h"

namespace {

std::unique_ptr<TZrodloWspolczynnikowZ>& Zrodlo()
{
    static std::unique_ptr<TZrodloWspolczynnikowZ> zrodlo;
    return zrodlo;
}

} // namespace

void ZarejestrujZrodloWspolczynnikowZ(std::unique_ptr<TZrodloWspolczynnikowZ> zrodlo)
{
    Zrodlo() = std::move(zrodlo);
}

TZrodloWspolczynnikowZ* ZrodloWspolczynnikowZ()
{
    return Zrodlo().get();
}
