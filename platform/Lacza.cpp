#include "Lacza.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

ZapisujLacza* aktywnyZapis = nullptr;

} // namespace

ZapisujLacza::ZapisujLacza() : poprzedni_(aktywnyZapis)
{
    aktywnyZapis = this;
}

ZapisujLacza::~ZapisujLacza()
{
    aktywnyZapis = poprzedni_;
}

bool OtworzLacze(const QString& adres)
{
    if (aktywnyZapis) {
        aktywnyZapis->otwarte.push_back(adres);
        return true;
    }
    return QDesktopServices::openUrl(QUrl(adres));
}
