#pragma once
// Small GIF pictures written with giflib for tests of the decoder and of the card's picture.
#include <QByteArray>
#include <QRgb>
#include <gif_lib.h>
#include <stdexcept>
#include <vector>

// Pixels are palette indices row by row; przezroczysty < 0 writes no graphics control block.
// An interlaced picture is written in the four passes of the format.
inline QByteArray ZakodujGif(int szerokosc, int wysokosc, const std::vector<QRgb>& paleta,
                             const std::vector<unsigned char>& piksele, int przezroczysty = -1,
                             bool przeplot = false)
{
    QByteArray wynik;
    int blad = 0;
    GifFileType* gif = EGifOpen(&wynik, [](GifFileType* g, const GifByteType* dane, int ile) {
        static_cast<QByteArray*>(g->UserData)->append(reinterpret_cast<const char*>(dane), ile);
        return ile;
    }, &blad);
    if (!gif)
        throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(gif, true);
    int rozmiarPalety = 2;
    while (rozmiarPalety < static_cast<int>(paleta.size()))
        rozmiarPalety *= 2;
    ColorMapObject* mapa = GifMakeMapObject(rozmiarPalety, nullptr);
    for (int i = 0; i < rozmiarPalety; ++i) {
        const QRgb kolor = i < static_cast<int>(paleta.size()) ? paleta[i] : 0;
        mapa->Colors[i] = {static_cast<GifByteType>(qRed(kolor)),
                           static_cast<GifByteType>(qGreen(kolor)),
                           static_cast<GifByteType>(qBlue(kolor))};
    }
    bool dobrze = EGifPutScreenDesc(gif, szerokosc, wysokosc, GifBitSize(rozmiarPalety), 0, mapa) == GIF_OK;
    GifFreeMapObject(mapa);
    if (przezroczysty >= 0) {
        GraphicsControlBlock blok{};
        blok.DisposalMode = DISPOSAL_UNSPECIFIED;
        blok.TransparentColor = przezroczysty;
        GifByteType rozszerzenie[4];
        const size_t dlugosc = EGifGCBToExtension(&blok, rozszerzenie);
        dobrze = dobrze && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(dlugosc), rozszerzenie) == GIF_OK;
    }
    dobrze = dobrze && EGifPutImageDesc(gif, 0, 0, szerokosc, wysokosc, przeplot, nullptr) == GIF_OK;
    std::vector<int> kolejnosc;
    if (przeplot) {
        for (auto [poczatek, krok] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = poczatek; y < wysokosc; y += krok)
                kolejnosc.push_back(y);
    } else {
        for (int y = 0; y < wysokosc; ++y)
            kolejnosc.push_back(y);
    }
    for (int y : kolejnosc) {
        std::vector<GifPixelType> linia(piksele.begin() + y * szerokosc, piksele.begin() + (y + 1) * szerokosc);
        dobrze = dobrze && EGifPutLine(gif, linia.data(), szerokosc) == GIF_OK;
    }
    dobrze = EGifCloseFile(gif, &blad) == GIF_OK && dobrze;
    if (!dobrze)
        throw std::runtime_error("GIF encoding failed");
    return wynik;
}
