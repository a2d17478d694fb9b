// The number box as a user meets it: a typed comma becomes a point, both readings take blanks
// around a number and a comma standing in the text as a point, the strict reading refuses
// what is no number (also a number too large even for the extended format) with the window's message and gives the box
// the focus with its text selected, the lenient reading says nothing.
#include "Dialogs.h"
#include "PoleLiczbowe.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(PoleLiczbowe, ReadsTypedNumbersStrictlyOrLeniently)
{
    ZapisujOkna zapis;
    QWidget okno;
    TPoleLiczbowe* pole = UtworzPoleLiczbowe(QStringLiteral("edtT"), &okno);
    QLineEdit inne(&okno);
    okno.show();
    QApplication::setActiveWindow(&okno);

    pole->setFocus();
    QTest::keyClicks(pole, QStringLiteral("298,15"));
    EXPECT_EQ(pole->text(), QStringLiteral("298.15"));
    EXPECT_EQ(pole->Wartosc(QStringLiteral("Podaj temperaturę")), 298.15L);
    pole->setText(QStringLiteral(" 1e3 "));
    EXPECT_EQ(pole->Wartosc(QStringLiteral("Podaj temperaturę")), 1000.0L);
    EXPECT_EQ(pole->WartoscLagodna(-1), 1000.0L);
    pole->setText(QStringLiteral("1,5 "));
    EXPECT_EQ(pole->Wartosc(QStringLiteral("Podaj temperaturę")), 1.5L);
    EXPECT_EQ(pole->WartoscLagodna(-1), 1.5L);
    EXPECT_TRUE(zapis->komunikaty.empty());

    for (const char* zly : {"abc", "1e5000", "", "1,5,"}) {
        pole->setText(QString::fromLatin1(zly));
        inne.setFocus();
        EXPECT_FALSE(pole->Wartosc(QStringLiteral("Podaj temperaturę"))) << zly;
        EXPECT_TRUE(pole->hasFocus()) << zly;
        EXPECT_EQ(pole->selectedText(), pole->text()) << zly;
        EXPECT_EQ(pole->WartoscLagodna(-1), -1.0L) << zly;
    }
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>(4, QStringLiteral("Podaj temperaturę")));

    pole->UstawWartosc(0.1L);
    EXPECT_EQ(pole->text(), QStringLiteral("0.1"));
    pole->UstawTylkoDoOdczytu();
    QTest::keyClicks(pole, QStringLiteral("5,"));
    EXPECT_EQ(pole->text(), QStringLiteral("0.1"));
}
