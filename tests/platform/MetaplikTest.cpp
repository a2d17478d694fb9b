// The metafile device: QPainter's drawing read back from the WMF and EMF files it writes.
#include "CzytnikMetapliku.h"
#include "Metaplik.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace czytnik;

namespace {

const QString Polskie = QStringLiteral("Gęstość żółwia Ćma Łódź");

QByteArray Narysuj(RodzajMetapliku rodzaj, const std::function<void(QPainter&)>& rysuj, QSize rozmiar = {400, 300})
{
    TMetaplik metaplik(rozmiar, rodzaj);
    QPainter malarz(&metaplik);
    rysuj(malarz);
    malarz.end();
    return metaplik.Zawartosc();
}

void Scena(QPainter& m)
{
    m.fillRect(QRect(0, 0, 400, 300), Qt::white);
    m.setPen(QPen(Qt::red, 2));
    m.drawPolyline(QPolygonF({QPointF(10, 10), QPointF(100, 50), QPointF(200, 20)}));
    m.setPen(QPen(Qt::blue, 1));
    m.drawLine(QPointF(10, 200), QPointF(390, 200));
    m.setFont(QFont(QStringLiteral("Arial"), 12));
    m.setPen(Qt::black);
    m.drawText(QPointF(20, 250), Polskie);
    m.translate(30, 280);
    m.rotate(-90);
    m.drawText(QPointF(0, 0), QStringLiteral("Oś pionowa"));
}

Zawartosc Czytaj(RodzajMetapliku rodzaj, const QByteArray& plik)
{
    return rodzaj == RodzajMetapliku::Emf ? CzytajEmf(plik) : CzytajWmf(plik);
}

class Metaplik : public ::testing::TestWithParam<RodzajMetapliku> {};

} // namespace

TEST_P(Metaplik, LinesKeepTheirPensAndTextsTheirPolishLetters)
{
    const Zawartosc z = Czytaj(GetParam(), Narysuj(GetParam(), Scena));
    ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
    ASSERT_EQ(z.lamane.size(), 2u);
    EXPECT_EQ(z.lamane[0].kolor, qRgb(255, 0, 0));
    EXPECT_EQ(z.lamane[0].punkty.size(), 3);
    EXPECT_EQ(z.lamane[1].kolor, qRgb(0, 0, 255));
    EXPECT_EQ(z.lamane[0].szerokosc, 2 * z.lamane[1].szerokosc);
    // The first point lies where it was drawn, in whole units of a tenth of a pixel or coarser.
    const QPoint p = z.lamane[0].punkty[0], q = z.lamane[0].punkty[1];
    EXPECT_EQ(q.x() * 10, p.x() * 100);
    EXPECT_EQ(q.y() * 10, p.y() * 50);
    ASSERT_EQ(z.teksty.size(), 2u);
    EXPECT_EQ(z.teksty[0].tekst, Polskie);
    EXPECT_EQ(z.teksty[0].nachylenie, 0);
    EXPECT_EQ(z.teksty[1].tekst, QStringLiteral("Oś pionowa"));
    EXPECT_EQ(z.teksty[1].nachylenie, 900); // going up the page
    if (GetParam() == RodzajMetapliku::Wmf) {
        EXPECT_EQ(z.teksty[0].zestawZnakow, 238); // Central European, for the code page 1250 bytes
    }
}

TEST_P(Metaplik, ConnectedSegmentsOfOnePenMakeOnePolyline)
{
    const Zawartosc z = Czytaj(GetParam(), Narysuj(GetParam(), [](QPainter& m) {
        m.setPen(QPen(Qt::red, 2));
        for (int i = 0; i < 50; ++i)
            m.drawLine(QPointF(4 * i, i), QPointF(4 * i + 4, i + 1));
    }));
    ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
    ASSERT_EQ(z.lamane.size(), 1u);
    EXPECT_EQ(z.lamane[0].punkty.size(), 51);
}

TEST_P(Metaplik, DrawingIsCutToTheClipRectangle)
{
    const Zawartosc z = Czytaj(GetParam(), Narysuj(GetParam(), [](QPainter& m) {
        m.setClipRect(QRectF(100, 100, 100, 100));
        m.setPen(QPen(Qt::red, 1));
        m.drawLine(QPointF(0, 150), QPointF(400, 150));   // crosses the clip
        m.drawLine(QPointF(0, 10), QPointF(400, 10));     // wholly outside
    }));
    ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
    ASSERT_EQ(z.lamane.size(), 1u);
    const QRect granice = z.lamane[0].punkty.boundingRect();
    const int k = z.lamane[0].punkty[0].y() / 150; // units per pixel
    EXPECT_EQ(granice.left(), 100 * k);
    EXPECT_EQ(granice.right(), 200 * k);
}

TEST_P(Metaplik, APictureHasNoVectorRecordAndGoesInAsABitmap)
{
    QImage obraz(8, 4, QImage::Format_RGB32);
    obraz.fill(Qt::green);
    const QByteArray plik = Narysuj(GetParam(), [&](QPainter& m) { m.drawImage(QPointF(5, 5), obraz); });
    const Zawartosc z = Czytaj(GetParam(), plik);
    ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
    EXPECT_EQ(z.liczba(GetParam() == RodzajMetapliku::Emf ? EMR_STRETCHDIBITS : 0x0F43), 1);
}

INSTANTIATE_TEST_SUITE_P(WmfIEmf, Metaplik, ::testing::Values(RodzajMetapliku::Wmf, RodzajMetapliku::Emf),
                         [](const auto& info) { return info.param == RodzajMetapliku::Wmf ? "Wmf" : "Emf"; });

TEST(Metaplik, EmfHeaderGivesSizeInPixelsAndMillimetres)
{
    const QByteArray plik = Narysuj(RodzajMetapliku::Emf, Scena, QSize(960, 480));
    const Zawartosc z = CzytajEmf(plik);
    ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
    // 960 x 480 pixels at 96 to the inch: 10 x 5 inches, 254 x 127 mm.
    EXPECT_EQ(I32(plik, 24), 0);
    EXPECT_NEAR(I32(plik, 32), 25400, 1);
    EXPECT_NEAR(I32(plik, 36), 12700, 1);
    const double jednostkiNaMm = double(I32(plik, 72)) / I32(plik, 80);
    EXPECT_NEAR((I32(plik, 16) + 1) / jednostkiNaMm, 254.0, 0.01); // bounds in device units
}

TEST(Metaplik, WmfPlaceableHeaderGivesTheSizeInInches)
{
    const QByteArray plik = Narysuj(RodzajMetapliku::Wmf, Scena, QSize(960, 480));
    ASSERT_TRUE(CzytajWmf(plik).blad.isEmpty());
    const double cale = double(I16(plik, 10) - I16(plik, 6)) / U16(plik, 14);
    EXPECT_DOUBLE_EQ(cale, 10.0);
    EXPECT_DOUBLE_EQ(double(I16(plik, 12) - I16(plik, 8)) / U16(plik, 14), 5.0);
}
