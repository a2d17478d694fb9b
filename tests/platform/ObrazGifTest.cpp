#include "GifTestowy.h"
#include "ObrazGif.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QRgb Czerwony = qRgb(255, 0, 0), Zielony = qRgb(0, 255, 0), Niebieski = qRgb(0, 0, 255),
           Bialy = qRgb(255, 255, 255);
}

TEST(ObrazGif, PaletteColoursLandOnTheirPixelsAndTheTransparentIndexStaysClear)
{
    const QByteArray gif = ZakodujGif(3, 2, {Czerwony, Zielony, Niebieski, Bialy},
                                      {0, 1, 2,
                                       3, 3, 0}, 3);
    const QImage obraz = DekodujGif(gif);
    ASSERT_EQ(obraz.size(), QSize(3, 2));
    EXPECT_EQ(obraz.pixel(0, 0), Czerwony | 0xff000000u);
    EXPECT_EQ(obraz.pixel(1, 0), Zielony | 0xff000000u);
    EXPECT_EQ(obraz.pixel(2, 0), Niebieski | 0xff000000u);
    EXPECT_EQ(qAlpha(obraz.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(obraz.pixel(1, 1)), 0);
    EXPECT_EQ(obraz.pixel(2, 1), Czerwony | 0xff000000u);
}

TEST(ObrazGif, WithoutAControlBlockEveryPixelIsOpaque)
{
    const QImage obraz = DekodujGif(ZakodujGif(2, 1, {Bialy, Niebieski}, {0, 1}));
    ASSERT_FALSE(obraz.isNull());
    EXPECT_EQ(obraz.pixel(0, 0), 0xffffffffu);
    EXPECT_EQ(obraz.pixel(1, 0), Niebieski | 0xff000000u);
}

TEST(ObrazGif, InterlacedRowsComeOutInPictureOrder)
{
    std::vector<unsigned char> piksele;
    std::vector<QRgb> paleta;
    for (int y = 0; y < 11; ++y) {
        piksele.push_back(static_cast<unsigned char>(y));
        paleta.push_back(qRgb(y * 20, 0, 0));
    }
    const QImage obraz = DekodujGif(ZakodujGif(1, 11, paleta, piksele, -1, true));
    ASSERT_EQ(obraz.height(), 11);
    for (int y = 0; y < 11; ++y)
        EXPECT_EQ(qRed(obraz.pixel(0, y)), y * 20) << "row " << y;
}

TEST(ObrazGif, BrokenInputGivesANullImage)
{
    const QByteArray gif = ZakodujGif(4, 4, {Czerwony, Zielony}, std::vector<unsigned char>(16, 1));
    for (const QByteArray& zle : {QByteArray(), QByteArray("GIF89a"), QByteArray("not a picture"),
                                  gif.left(gif.size() / 2)})
        EXPECT_TRUE(DekodujGif(zle).isNull()) << zle.size() << " bytes";
}

TEST(ObrazGif, AShippedStructuralFormulaDecodesWithItsWhiteBackgroundAndDarkLines)
{
    QFile plik(qEnvironmentVariable("QERN_DANE_TEKSTOWE") + "/pictures/71_43_2.gif"); // benzene
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const QImage obraz = DekodujGif(plik.readAll());
    ASSERT_EQ(obraz.size(), QSize(240, 180));
    EXPECT_EQ(obraz.pixel(0, 0), 0xffffffffu); // the shipped pictures name no transparent colour
    int ciemne = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            ciemne += qAlpha(obraz.pixel(x, y)) == 255 && qGray(obraz.pixel(x, y)) < 64;
    EXPECT_GT(ciemne, 200); // the ring's bonds
}
