#include "ObrazGif.h"

#include "PlikZwykly.h"

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

int Slowo(const QByteArray& bajty, qsizetype pozycja)
{
    return static_cast<unsigned char>(bajty[pozycja]) | static_cast<unsigned char>(bajty[pozycja + 1]) << 8;
}

// Past a colour table announced by the flags byte (present when its high bit is set).
qsizetype ZaPaleta(const QByteArray& bajty, qsizetype flagi, qsizetype pozycja)
{
    const int f = static_cast<unsigned char>(bajty[flagi]);
    return pozycja + ((f & 0x80) ? 3 * (2 << (f & 7)) : 0);
}

qsizetype ZaPodblokami(const QByteArray& bajty, qsizetype pozycja)
{
    while (pozycja < bajty.size() && bajty[pozycja] != 0)
        pozycja += static_cast<unsigned char>(bajty[pozycja]) + 1;
    return pozycja + 1;
}

// giflib allocates every frame as its descriptor declares before reading its pixels, so the
// declared sizes are checked first: the screen and each frame within the side bound, all frames
// together within the area of one largest picture. Bytes that are no GIF are left to giflib.
bool RozmiaryWGranicach(const QByteArray& bajty)
{
    constexpr qsizetype NaglowekEkranu = 13;
    if (bajty.size() < NaglowekEkranu)
        return true;
    if (Slowo(bajty, 6) > NajwiekszyBokObrazu || Slowo(bajty, 8) > NajwiekszyBokObrazu)
        return false;
    constexpr long long NajwiekszePole = static_cast<long long>(NajwiekszyBokObrazu) * NajwiekszyBokObrazu;
    long long pole = 0;
    qsizetype pozycja = ZaPaleta(bajty, 10, NaglowekEkranu);
    while (pozycja < bajty.size()) {
        const char znacznik = bajty[pozycja];
        if (znacznik == 0x21) {
            pozycja = ZaPodblokami(bajty, pozycja + 2);
        } else if (znacznik == 0x2C && pozycja + 10 < bajty.size()) {
            const int szerokosc = Slowo(bajty, pozycja + 5), wysokosc = Slowo(bajty, pozycja + 7);
            pole += static_cast<long long>(szerokosc) * wysokosc;
            if (szerokosc > NajwiekszyBokObrazu || wysokosc > NajwiekszyBokObrazu || pole > NajwiekszePole)
                return false;
            pozycja = ZaPodblokami(bajty, ZaPaleta(bajty, pozycja + 9, pozycja + 10) + 1);
        } else {
            break;
        }
    }
    return true;
}

} // namespace

QImage DekodujGif(const QByteArray& bajty)
{
    if (!RozmiaryWGranicach(bajty))
        return {};
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

QImage WczytajGif(const QString& sciezka)
{
    const std::optional<QByteArray> bajty = CzytajZwyklyPlik(sciezka, NajwiekszyObraz);
    return bajty ? DekodujGif(*bajty) : QImage();
}
