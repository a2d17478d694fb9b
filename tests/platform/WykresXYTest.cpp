// The chart layer: series, axes, zoom, and the chart as it comes out in BMP, WMF, EMF and print.
#include "CzytnikMetapliku.h"
#include "Dialogs.h"
#include "Drukarka.h"
#include "WykresXY.h"
#include "windows/WydrukTestowy.h"

#include <QChart>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXYSeries>
#include <gtest/gtest.h>

using namespace czytnik;

namespace {

const QString Nbsp(QChar(0x00A0));

class WykresXY : public ::testing::Test {
protected:
    void SetUp() override
    {
        wykres.resize(600, 400);
        seria1 = wykres.DodajSerie(RodzajSerii::SzybkaLinia, QStringLiteral("Series1"));
        seria2 = wykres.DodajSerie(RodzajSerii::Linia, QStringLiteral("Series2"));
    }

    // Two series as the table window fills them: a falling red curve and a rising blue line.
    void DwieKrzywe()
    {
        for (int i = 0; i <= 20; ++i) {
            seria1->AddXY(300 + 5 * i, 1000.0 - i * i, KolorCzerwony);
            seria2->AddXY(300 + 5 * i, 600 + 10 * i, KolorNiebieski);
        }
        wykres.OsDolna()->UstawTytul(QStringLiteral("T [K]"));
        wykres.OsLewa()->UstawTytul(QStringLiteral("Gęstość [kg/m^3]"));
        wykres.UstawTytul({QStringLiteral("Gęstość [kg/m^3] = f{T [K]}")});
    }

    QString Plik(const QString& nazwa) const { return katalog.filePath(nazwa); }

    static QByteArray Bajty(const QString& plik)
    {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QPoint Polozenie(QPointF punkt)
    {
        return wykres.chart()->mapToPosition(punkt, wykres.chart()->series().constFirst()).toPoint();
    }

    QTemporaryDir katalog;
    TWykresXY wykres;
    TSeria* seria1 = nullptr;
    TSeria* seria2 = nullptr;
};

bool Czerwony(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

bool Niebieski(QRgb p)
{
    return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
}

// Whether a pixel within two pixels of the point passes the test.
bool WPoblizu(const QImage& obraz, QPoint p, bool (*test)(QRgb))
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (obraz.valid(p + QPoint(dx, dy)) && test(obraz.pixel(p + QPoint(dx, dy))))
                return true;
    return false;
}

// Runs an outside program quietly; its exit code, or -1 when it did not finish.
int Uruchom(const QString& program, const QStringList& argumenty)
{
    QProcess proces;
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(program, argumenty);
    if (!proces.waitForFinished(60000))
        return -1;
    proces.readAllStandardOutput();
    return proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
}

int Piksele(const QImage& obraz, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            n += test(obraz.pixel(x, y));
    return n;
}

} // namespace

TEST(KolorWindows, BlueGreenRedOrder)
{
    EXPECT_EQ(KolorQt(KolorCzerwony), QColor(255, 0, 0));
    EXPECT_EQ(KolorQt(KolorNiebieski), QColor(0, 0, 255));
    EXPECT_EQ(KolorQt(0x00FF00), QColor(0, 255, 0));
}

// Each automatic axis runs past the active points by at least a fiftieth of their range on
// both sides (so end points and their markers are whole), to round ends, and not much further.
TEST_F(WykresXY, AutomaticRangesCoverTheActiveSeriesWithAMarginToRoundEnds)
{
    const auto obejmuje = [](const TOsWykresu* os, double od, double doo) {
        const double szerokosc = doo - od;
        EXPECT_LT(os->Minimum(), od - szerokosc / 50) << os->Tytul().toStdString();
        EXPECT_GT(os->Maksimum(), doo + szerokosc / 50) << os->Tytul().toStdString();
        EXPECT_LT(os->Maksimum() - os->Minimum(), 1.25 * szerokosc);
    };
    wykres.OsDolna()->UstawTytul(QStringLiteral("x"));
    wykres.OsLewa()->UstawTytul(QStringLiteral("y"));
    seria1->AddXY(310, 2e-3, KolorCzerwony);
    seria1->AddXY(300, 1e-3, KolorCzerwony);
    seria1->AddXY(350, 5e-4, KolorCzerwony);
    seria2->AddXY(0, 100, KolorNiebieski);
    seria2->UstawAktywna(false);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), 295); // 300 .. 350 by steps of 5
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 355);
    obejmuje(wykres.OsLewa(), 5e-4, 2e-3);
    seria2->UstawAktywna(true);
    obejmuje(wykres.OsDolna(), 0, 350);
    obejmuje(wykres.OsLewa(), 5e-4, 100);
    seria1->Czysc();
    seria2->Czysc();
    for (int i = 0; i <= 100; ++i) // the liquid-mixture density over x1 = 0 .. 1
        seria2->AddXY(i / 100.0, 997.05 - 1.92 * i, KolorNiebieski);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), -0.05);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 1.05);
    obejmuje(wykres.OsLewa(), 997.05 - 192, 997.05);
}

// A fixed range ignores points beyond it, and runs past its ends by the margin of the automatic
// ranges, so the markers on the ends (x1 = 0 and 1 of a mixture) are whole; the labels stay 0 .. 1.
TEST_F(WykresXY, AFixedRangeHoldsWhateverThePointsAndDrawsThoseOnItsEndsWhole)
{
    wykres.OsDolna()->UstawAutomatyczna(false);
    wykres.OsDolna()->UstawMinimum(0);
    wykres.OsDolna()->UstawMaksimum(1);
    TSeria* punkty = wykres.DodajSerie(RodzajSerii::Punkty, QStringLiteral("Series3"));
    for (double x : {0.0, 0.3, 0.5, 1.0})
        punkty->AddXY(x, 800 + 10 * x, KolorCzerwony);
    seria1->AddXY(1.4, 790, KolorCzerwony);
    const QImage obraz = wykres.Obraz();
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), -0.025);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 1.025);
    EXPECT_EQ(wykres.OsDolna()->Etykiety().constFirst(), QStringLiteral("0"));
    EXPECT_EQ(wykres.OsDolna()->Etykiety().constLast(), QStringLiteral("1"));
    EXPECT_LT(wykres.OsLewa()->Minimum(), 790); // the other axis still follows the points
    for (double x : {0.0, 1.0}) {
        const QPoint srodek = Polozenie({x, 800 + 10 * x});
        EXPECT_TRUE(WPoblizu(obraz, srodek - QPoint(3, 0), Czerwony)) << x;
        EXPECT_TRUE(WPoblizu(obraz, srodek + QPoint(3, 0), Czerwony)) << x;
    }
}

TEST_F(WykresXY, RangesOfNoWidthAreWidened)
{
    struct Przypadek {
        double y;
        double od, doo;
    };
    // ±1 around zero, else ±10 %, then the margin.
    for (const Przypadek& p : {Przypadek{0, -1.1, 1.1}, Przypadek{5, 4.45, 5.55}, Przypadek{-2e-5, -2.22e-5, -1.78e-5}}) {
        seria1->Czysc();
        seria1->AddXY(1, p.y, KolorCzerwony);
        seria1->AddXY(2, p.y, KolorCzerwony);
        EXPECT_NEAR(wykres.OsLewa()->Minimum(), p.od, std::abs(p.od) * 1e-12) << p.y;
        EXPECT_NEAR(wykres.OsLewa()->Maksimum(), p.doo, std::abs(p.doo) * 1e-12) << p.y;
    }
    seria1->Czysc();
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), 0);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 1);
}

TEST_F(WykresXY, LabelsHaveAtMostSevenDecimalsAndGroupedThousands)
{
    seria1->AddXY(0, 0, KolorCzerwony);
    seria1->AddXY(100000, 2.5e-6, KolorCzerwony);
    wykres.Obraz();
    const QStringList dolne = wykres.OsDolna()->Etykiety(), lewe = wykres.OsLewa()->Etykiety();
    EXPECT_EQ(dolne.constFirst(), QStringLiteral("0"));
    EXPECT_EQ(dolne.constLast(), QStringLiteral("100") + Nbsp + QStringLiteral("000"));
    EXPECT_TRUE(lewe.contains(QStringLiteral("0.000002"))) << lewe.join(QLatin1Char('|')).toStdString();
    const QRegularExpression format(QStringLiteral("^-?\\d{1,3}(\u00A0\\d{3})*(\\.\\d{0,6}[1-9])?$"));
    for (const QString& etykieta : dolne + lewe)
        EXPECT_TRUE(format.match(etykieta).hasMatch()) << etykieta.toStdString();
}

TEST_F(WykresXY, EachPointKeepsItsColourAndInactiveSeriesAreNotDrawn)
{
    seria1->AddXY(0, 0.5, KolorCzerwony);
    seria1->AddXY(1, 0.5, KolorCzerwony);
    seria1->AddXY(2, 0.5, KolorNiebieski); // the line from x = 1 to x = 2 is blue
    seria2->AddXY(0, 0.8, KolorNiebieski);
    seria2->AddXY(2, 0.2, KolorNiebieski);
    seria2->UstawAktywna(false);
    wykres.OsLewa()->UstawAutomatyczna(false);
    wykres.OsLewa()->UstawMinimum(0);
    wykres.OsLewa()->UstawMaksimum(1);
    const QImage obraz = wykres.Obraz();
    EXPECT_EQ(obraz.size(), wykres.size());
    EXPECT_TRUE(WPoblizu(obraz, Polozenie({0.5, 0.5}), Czerwony));
    EXPECT_TRUE(WPoblizu(obraz, Polozenie({1.5, 0.5}), Niebieski));
    EXPECT_FALSE(WPoblizu(obraz, Polozenie({0.5, 0.65}), Niebieski)); // on the inactive line
}

// A table of one row (a reversed range) charts its single point, never an empty plot.
TEST_F(WykresXY, ALonePointOfALineIsMarked)
{
    seria1->AddXY(310, 6240.5, KolorCzerwony);
    const QImage obraz = wykres.Obraz();
    EXPECT_TRUE(WPoblizu(obraz, Polozenie({310, 6240.5}), Czerwony));
    EXPECT_GT(Piksele(obraz, Czerwony), 25);
}

TEST_F(WykresXY, BitmapFileHasTheChartsPixelSize)
{
    DwieKrzywe();
    ASSERT_TRUE(wykres.ZapiszBitmape(Plik("wykres.bmp")));
    const QByteArray plik = Bajty(Plik("wykres.bmp"));
    ASSERT_GT(plik.size(), 54);
    EXPECT_EQ(plik.left(2), QByteArray("BM"));
    EXPECT_EQ(U32(plik, 2), static_cast<quint32>(plik.size()));
    EXPECT_EQ(I32(plik, 18), 600);
    EXPECT_EQ(std::abs(I32(plik, 22)), 400);
    const QImage obraz(Plik("wykres.bmp"));
    EXPECT_GT(Piksele(obraz, Czerwony), 100);
}

TEST_F(WykresXY, MetafilesDrawEveryActiveSeriesAsPolylinesWithTheTexts)
{
    DwieKrzywe();
    for (auto [rodzaj, nazwa] : {std::pair{RodzajMetapliku::Emf, "wykres.emf"}, std::pair{RodzajMetapliku::Wmf, "wykres.wmf"}}) {
        SCOPED_TRACE(nazwa);
        seria2->UstawAktywna(true);
        ASSERT_TRUE(wykres.ZapiszMetaplik(Plik(nazwa), rodzaj));
        const QByteArray plik = Bajty(Plik(nazwa));
        Zawartosc z = rodzaj == RodzajMetapliku::Emf ? CzytajEmf(plik) : CzytajWmf(plik);
        ASSERT_TRUE(z.blad.isEmpty()) << z.blad.toStdString();
        auto lamaneKoloru = [&](QRgb kolor) {
            return std::count_if(z.lamane.begin(), z.lamane.end(), [&](const Lamana& l) { return l.kolor == kolor; });
        };
        EXPECT_GE(lamaneKoloru(qRgb(255, 0, 0)), 1);
        EXPECT_GE(lamaneKoloru(qRgb(0, 0, 255)), 1);
        QStringList teksty;
        for (const Tekst& t : z.teksty)
            teksty << t.tekst;
        EXPECT_TRUE(teksty.contains(QStringLiteral("Gęstość [kg/m^3] = f{T [K]}"))) << teksty.join('|').toStdString();
        EXPECT_TRUE(teksty.contains(QStringLiteral("Gęstość [kg/m^3]")));
        EXPECT_TRUE(teksty.contains(QStringLiteral("T [K]")));
        EXPECT_TRUE(teksty.contains(QStringLiteral("1") + Nbsp + QStringLiteral("000")));

        seria2->UstawAktywna(false);
        ASSERT_TRUE(wykres.ZapiszMetaplik(Plik(nazwa), rodzaj));
        const QByteArray bezSerii2 = Bajty(Plik(nazwa));
        z = rodzaj == RodzajMetapliku::Emf ? CzytajEmf(bezSerii2) : CzytajWmf(bezSerii2);
        EXPECT_EQ(lamaneKoloru(qRgb(0, 0, 255)), 0);
    }
}

// Programs of other authors read our files: Debian's emf2svg and libwmf.
TEST_F(WykresXY, OtherProgramsReadTheMetafiles)
{
    const QString emf2svg = QStandardPaths::findExecutable(QStringLiteral("emf2svg-conv"));
    const QString wmf2gd = QStandardPaths::findExecutable(QStringLiteral("wmf2gd"));
    if (emf2svg.isEmpty() || wmf2gd.isEmpty())
        GTEST_SKIP() << "emf2svg-conv or wmf2gd missing (Debian packages emf2svg, libwmf-bin)";
    DwieKrzywe();
    ASSERT_TRUE(wykres.ZapiszMetaplik(Plik("w.emf"), RodzajMetapliku::Emf));
    ASSERT_TRUE(wykres.ZapiszMetaplik(Plik("w.wmf"), RodzajMetapliku::Wmf));

    ASSERT_EQ(Uruchom(emf2svg, {"-i", Plik("w.emf"), "-o", Plik("w.svg")}), 0);
    const QString svg = QString::fromUtf8(Bajty(Plik("w.svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"#FF0000\""))) << "no red line";
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"#0000FF\""))) << "no blue line";
    EXPECT_TRUE(svg.contains(QStringLiteral("Gęstość [kg/m^3] = f{T [K]}")));

    ASSERT_EQ(Uruchom(wmf2gd, {"-t", "png", "-o", Plik("w.png"), Plik("w.wmf")}), 0);
    const QImage obraz(Plik("w.png"));
    ASSERT_FALSE(obraz.isNull());
    EXPECT_GT(Piksele(obraz, Czerwony), 100);
    EXPECT_GT(Piksele(obraz, Niebieski), 100);
}

TEST_F(WykresXY, DraggingARectangleZoomsAndRightClickShowsTheWholeChart)
{
    DwieKrzywe();
    wykres.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wykres));
    wykres.Uaktualnij();
    const QPoint od = Polozenie({320, 950}), doo = Polozenie({360, 700});
    QTest::mousePress(wykres.viewport(), Qt::LeftButton, {}, od);
    QTest::mouseMove(wykres.viewport(), doo);
    QTest::mouseRelease(wykres.viewport(), Qt::LeftButton, {}, doo);
    EXPECT_NEAR(wykres.OsDolna()->Minimum(), 320, 1);
    EXPECT_NEAR(wykres.OsDolna()->Maksimum(), 360, 1);
    EXPECT_NEAR(wykres.OsLewa()->Maksimum(), 950, 5);

    // The zoomed curve is cut at the plot area in a metafile too (Qt clips a pixel or two wider).
    ASSERT_TRUE(wykres.ZapiszMetaplik(Plik("zoom.emf"), RodzajMetapliku::Emf));
    const QByteArray emf = Bajty(Plik("zoom.emf"));
    const Zawartosc z = CzytajEmf(emf);
    const int jednostki = (I32(emf, 16) + 1) / wykres.width();
    const QRectF pole = wykres.chart()->plotArea();
    const QRect dozwolone = QRectF(pole.topLeft() * jednostki, pole.size() * jednostki)
                                .toAlignedRect()
                                .adjusted(-2 * jednostki, -2 * jednostki, 2 * jednostki, 2 * jednostki);
    int punktyKrzywej = 0;
    for (const Lamana& l : z.lamane)
        if (l.kolor == qRgb(255, 0, 0))
            for (const QPoint& p : l.punkty)
                punktyKrzywej += dozwolone.contains(p) ? 1 : 1000;
    EXPECT_GT(punktyKrzywej, 1);
    EXPECT_LT(punktyKrzywej, 1000) << "a point of the curve outside the plot area";

    QTest::mouseClick(wykres.viewport(), Qt::RightButton, {}, doo);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), 295);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 405);
    EXPECT_DOUBLE_EQ(wykres.OsLewa()->Maksimum(), 1020);

    // Dragging towards the upper left also brings the whole chart back.
    QTest::mousePress(wykres.viewport(), Qt::LeftButton, {}, od);
    QTest::mouseMove(wykres.viewport(), doo);
    QTest::mouseRelease(wykres.viewport(), Qt::LeftButton, {}, doo);
    QTest::mousePress(wykres.viewport(), Qt::LeftButton, {}, doo);
    QTest::mouseMove(wykres.viewport(), od);
    QTest::mouseRelease(wykres.viewport(), Qt::LeftButton, {}, od);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Minimum(), 295);
    EXPECT_DOUBLE_EQ(wykres.OsDolna()->Maksimum(), 405);
}

TEST_F(WykresXY, PrintsOnThePrinterInPlaceOfTheDefaultOne)
{
    DwieKrzywe();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(Plik("wydruk.pdf"));
    PodstawDrukarke podstawiona(&pdf);
    ZapisujOkna zapis;
    ASSERT_TRUE(wykres.Drukuj());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(Bajty(Plik("wydruk.pdf")).startsWith("%PDF"));
    if (Pdftotext().isEmpty())
        GTEST_SKIP() << BrakPdftotext;
    ASSERT_EQ(Uruchom(Pdftotext(), {"-enc", "UTF-8", Plik("wydruk.pdf"), Plik("wydruk.txt")}), 0);
    EXPECT_TRUE(QString::fromUtf8(Bajty(Plik("wydruk.txt"))).contains(QStringLiteral("Gęstość [kg/m^3] = f{T [K]}")));
}

TEST_F(WykresXY, WithoutADefaultPrinterTheUserIsTold)
{
    PodstawDrukarke brak(nullptr);
    ZapisujOkna zapis;
    EXPECT_FALSE(wykres.Drukuj());
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Brak drukarki domyślnej")});
}

TEST_F(WykresXY, AFailedSaveSaysSoAndLeavesNoFile)
{
    DwieKrzywe();
    ZapisujOkna zapis;
    const QString plik = Plik("nie-ma-takiego-katalogu/wykres.emf");
    EXPECT_FALSE(wykres.ZapiszMetaplik(plik, RodzajMetapliku::Emf));
    EXPECT_FALSE(wykres.ZapiszBitmape(plik));
    ASSERT_EQ(zapis->komunikaty.size(), 2u);
    EXPECT_TRUE(zapis->komunikaty[0].tekst.contains(plik));
    EXPECT_FALSE(QFile::exists(plik));
}
