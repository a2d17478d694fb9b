#include "ObrazGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct ZrodloBajtow {
    const QByteArray& bajty;
    qsizetype pozycja = 0;
};

int CzytajBajty(GifFileType* gif, GifByteType* cel, int ile)
{
    auto* zrodlo = static_cast<ZrodloBajtow*>(gif->UserData);
    const qsizetype dostepne = zrodlo->bajty.size() - zrodlo->pozycja;
    const int przeczytane = static_cast<int>(std::clamp<qsizetype>(ile, 0, dostepne));
    std::memcpy(cel, zrodlo->bajty.constData() + zrodlo->pozycja, przeczytane);
    zrodlo->pozycja += przeczytane;
    return przeczytane;
}

struct ZamknijGif {
    void operator()(GifFileType* gif) const
    {
        int blad = 0;
        DGifCloseFile(gif, &blad);
    }
};

int KolorPrzezroczysty(GifFileType* gif)
{
    GraphicsControlBlock blok{};
    blok.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif, 0, &blok);
    return blok.TransparentColor;
}

void RysujKlatke(const SavedImage& klatka, const ColorMapObject& paleta, int przezroczysty,
                 QImage& ekran)
{
    const GifImageDesc& opis = klatka.ImageDesc;
    for (int y = 0; y < opis.Height; ++y) {
        const int yEkranu = opis.Top + y;
        if (yEkranu < 0 || yEkranu >= ekran.height())
            continue;
        auto* linia = reinterpret_cast<QRgb*>(ekran.scanLine(yEkranu));
        for (int x = 0; x < opis.Width; ++x) {
            const int xEkranu = opis.Left + x;
            const int indeks = klatka.RasterBits[static_cast<size_t>(y) * opis.Width + x];
            if (xEkranu < 0 || xEkranu >= ekran.width() || indeks == przezroczysty
                || indeks >= paleta.ColorCount)
                continue;
            const GifColorType& kolor = paleta.Colors[indeks];
            linia[xEkranu] = qRgb(kolor.Red, kolor.Green, kolor.Blue);
        }
    }
}

} // namespace

QImage DekodujGif(const QByteArray& bajty)
{
    ZrodloBajtow zrodlo{bajty};
    int blad = 0;
    std::unique_ptr<GifFileType, ZamknijGif> gif(DGifOpen(&zrodlo, CzytajBajty, &blad));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1)
        return {};
    const SavedImage& klatka = gif->SavedImages[0];
    const ColorMapObject* paleta = klatka.ImageDesc.ColorMap ? klatka.ImageDesc.ColorMap
                                                              : gif->SColorMap;
    if (!paleta || !klatka.RasterBits)
        return {};
    const int szerokosc = gif->SWidth > 0 ? gif->SWidth : klatka.ImageDesc.Width;
    const int wysokosc = gif->SHeight > 0 ? gif->SHeight : klatka.ImageDesc.Height;
    QImage ekran(szerokosc, wysokosc, QImage::Format_ARGB32);
    if (ekran.isNull())
        return {};
    ekran.fill(Qt::transparent);
    RysujKlatke(klatka, *paleta, KolorPrzezroczysty(gif.get()), ekran);
    return ekran;
}
