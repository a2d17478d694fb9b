#include "ObrazPliku.h"

#include "PlikZwykly.h"

#include <QBuffer>
#include <QImageReader>

QImage WczytajObraz(const QString& sciezka)
{
    std::optional<QByteArray> bajty = CzytajZwyklyPlik(sciezka, NajwiekszyObraz);
    if (!bajty)
        return {};
    QBuffer bufor(&*bajty);
    bufor.open(QIODevice::ReadOnly);
    QImageReader czytnik(&bufor);
    const QSize rozmiar = czytnik.size();
    if (rozmiar.width() > NajwiekszyBokObrazu || rozmiar.height() > NajwiekszyBokObrazu)
        return {};
    return czytnik.read();
}
