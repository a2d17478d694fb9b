// The picture help: its five pages, paging by keys and mouse, and missing pages.
#include "Dialogs.h"
#include "Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The pages the build renders beside the program (build/Pomoc).
QString StronyZBudowy()
{
    return QDir(qEnvironmentVariable("QERN_DATA")).filePath(QStringLiteral("../Pomoc"));
}

class PomocObrazkowa : public ::testing::Test {
protected:
    void SetUp() override { KatalogStronPomocy = StronyZBudowy(); }
    void TearDown() override { KatalogStronPomocy.clear(); }

    bool StronaPokazana() const
    {
        return !okno.ImgHelp->pixmap().isNull() && okno.ImgHelp->pixmap().size() == QSize(720, 540);
    }

    ZapisujOkna zapis;
    THelpForm okno;
};

} // namespace

TEST_F(PomocObrazkowa, OpensOnPageOneAndPagesForwardToFiveThenStops)
{
    okno.show();
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 1 z 5"));
    EXPECT_TRUE(StronaPokazana());
    EXPECT_EQ(okno.toolTip(), QStringLiteral("Sterowanie strzałkami (---> i  <---)"));
    const QImage pierwsza = okno.ImgHelp->pixmap().toImage();
    for (int strona = 2; strona <= 5; ++strona) {
        QTest::keyClick(&okno, Qt::Key_Right);
        EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona %1 z 5").arg(strona));
        EXPECT_TRUE(StronaPokazana());
    }
    EXPECT_NE(okno.ImgHelp->pixmap().toImage(), pierwsza);
    QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 5 z 5"));
    EXPECT_EQ(StronaPomocy, 5);
    EXPECT_TRUE(zapis->komunikaty.empty());
}

TEST_F(PomocObrazkowa, LeftArrowAndRightButtonPageAndEscCloses)
{
    okno.show();
    QTest::keyClick(&okno, Qt::Key_Left);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 1 z 5"));
    QTest::mouseClick(&okno, Qt::RightButton);
    QTest::mouseClick(okno.ImgHelp, Qt::RightButton);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 3 z 5"));
    QTest::mouseClick(&okno, Qt::LeftButton);
    QTest::keyClick(&okno, Qt::Key_A);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 3 z 5"));
    QTest::keyClick(&okno, Qt::Key_Left);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 2 z 5"));
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_FALSE(okno.isVisible());
    // Each showing starts again at page 1.
    okno.show();
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 1 z 5"));
    EXPECT_EQ(StronaPomocy, 1);
}

TEST_F(PomocObrazkowa, MissingPagesAreAnnouncedAndTheWindowStaysUsable)
{
    QTemporaryDir katalog;
    for (int strona : {2, 4, 5})
        ASSERT_TRUE(QFile::copy(QDir(StronyZBudowy()).filePath(QStringLiteral("%1.jpg").arg(strona)),
                                katalog.filePath(QStringLiteral("%1.jpg").arg(strona))));
    QFile uszkodzona(katalog.filePath(QStringLiteral("3.jpg")));
    ASSERT_TRUE(uszkodzona.open(QIODevice::WriteOnly));
    uszkodzona.write("to nie jest obraz JPEG");
    uszkodzona.close();
    KatalogStronPomocy = katalog.path();

    okno.show();
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 1 z 5"));
    EXPECT_TRUE(okno.ImgHelp->pixmap().isNull());
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci"));
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Ostrzezenie);

    QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_TRUE(StronaPokazana());
    QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 3 z 5"));
    EXPECT_TRUE(okno.ImgHelp->pixmap().isNull());
    EXPECT_EQ(zapis->komunikaty.size(), 2u);
    QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 4 z 5"));
    EXPECT_TRUE(StronaPokazana());
}

TEST_F(PomocObrazkowa, PagesAreFoundBesideTheProgramWhateverTheWorkingFolder)
{
    KatalogStronPomocy.clear();
    const QString obokProgramu = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Pomoc"));
    QDir(obokProgramu).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(obokProgramu));
    for (int strona = 1; strona <= 5; ++strona)
        QFile::copy(QDir(StronyZBudowy()).filePath(QStringLiteral("%1.jpg").arg(strona)),
                    QDir(obokProgramu).filePath(QStringLiteral("%1.jpg").arg(strona)));
    const QString poprzedni = QDir::currentPath();
    QTemporaryDir inny;
    QDir::setCurrent(inny.path());
    okno.show();
    QDir::setCurrent(poprzedni);
    QDir(obokProgramu).removeRecursively();
    EXPECT_TRUE(StronaPokazana());
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// Pages that are no picture to show: one whose header declares 30000 × 30000 pixels, a named
// pipe, a file over the size bound of a picture, a link to an endless device. Each is a missing
// page: the warning, an empty window that goes on paging, and an answer at once.
TEST_F(PomocObrazkowa, AHugePictureAPipeATooLargeFileAndADeviceAreMissingPages)
{
    QTemporaryDir katalog;
    const auto sciezka = [&](int strona) { return katalog.filePath(QStringLiteral("%1.jpg").arg(strona)); };
    QByteArray naglowek = [] {
        QFile plik(QDir(StronyZBudowy()).filePath(QStringLiteral("1.jpg")));
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
    }();
    const qsizetype sof = naglowek.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (int bajt : {5, 7}) { // height, then width: 30000 big-endian
        naglowek[sof + bajt] = char(30000 >> 8);
        naglowek[sof + bajt + 1] = char(30000 & 0xFF);
    }
    QFile plik1(sciezka(1));
    ASSERT_TRUE(plik1.open(QIODevice::WriteOnly));
    plik1.write(naglowek);
    plik1.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(sciezka(2)).constData(), 0600), 0);
    QFile plik3(sciezka(3));
    ASSERT_TRUE(plik3.open(QIODevice::WriteOnly));
    ASSERT_TRUE(plik3.resize(11LL << 20));
    plik3.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), sciezka(4)));
    ASSERT_TRUE(QFile::copy(QDir(StronyZBudowy()).filePath(QStringLiteral("5.jpg")), sciezka(5)));
    KatalogStronPomocy = katalog.path();

    QElapsedTimer czas;
    czas.start();
    okno.show();
    for (int strona = 2; strona <= 5; ++strona)
        QTest::keyClick(&okno, Qt::Key_Right);
    EXPECT_LT(czas.elapsed(), 1000);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Strona 5 z 5"));
    EXPECT_TRUE(StronaPokazana());
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>(4, QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci")));
}
