// The picture help: its five pages, paging by keys and mouse, and missing pages.
#include "Dialogs.h"
#include "Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

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
