#include "RejestrOkienMetod.h"

#include "KodyMetod.h"

#include <memory>

namespace {

struct ZarejestrowaneOkno {
    FabrykaOkna fabryka;
    std::map<QString, PrzygotowanieOkna> przygotowania;
};

std::map<QString, ZarejestrowaneOkno>& Rejestr()
{
    static std::map<QString, ZarejestrowaneOkno> rejestr;
    return rejestr;
}

// The registered window of the code and its loader (empty when the code names none); nullptr
// when the window or the named loader is missing.
const ZarejestrowaneOkno* Zarejestrowane(const QString& kod, PrzygotowanieOkna* przygotowanie)
{
    const OknoMetody* wiersz = OknoDlaKodu(kod);
    if (!wiersz)
        return nullptr;
    auto okno = Rejestr().find(QString::fromLatin1(wiersz->okno));
    if (okno == Rejestr().end())
        return nullptr;
    const QString nazwa = QString::fromLatin1(wiersz->przygotowanie);
    if (nazwa.isEmpty())
        return &okno->second;
    auto wywolanie = okno->second.przygotowania.find(nazwa);
    if (wywolanie == okno->second.przygotowania.end())
        return nullptr;
    if (przygotowanie)
        *przygotowanie = wywolanie->second;
    return &okno->second;
}

} // namespace

void ZarejestrujOknoMetody(const QString& klasa, FabrykaOkna fabryka, std::map<QString, PrzygotowanieOkna> przygotowania)
{
    Rejestr()[klasa] = {std::move(fabryka), std::move(przygotowania)};
}

void WyrejestrujOknaMetod()
{
    Rejestr().clear();
}

bool OknoMetodyDostepne(const QString& kod)
{
    return Zarejestrowane(kod, nullptr) != nullptr;
}

QWidget* UtworzOknoMetody(const QString& kod)
{
    PrzygotowanieOkna przygotowanie;
    const ZarejestrowaneOkno* zarejestrowane = Zarejestrowane(kod, &przygotowanie);
    if (!zarejestrowane)
        return nullptr;
    std::unique_ptr<QWidget> okno(zarejestrowane->fabryka());
    if (przygotowanie)
        przygotowanie(okno.get());
    return okno.release();
}
