// The edit with its own up-down buttons: typed text stays as typed for the window's checks; the
// buttons step a whole number within the bounds and report every press.
#include "EdycjaZLicznikiem.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(EdycjaZLicznikiem, ButtonsStepWholeNumbersWithinBoundsAndLeaveOtherTextForTheChecks)
{
    TEdycjaZLicznikiem licznik(QStringLiteral("edtN"), 2, 10);
    std::vector<int> kroki;
    QObject::connect(&licznik, &TEdycjaZLicznikiem::krok, [&](int k) { kroki.push_back(k); });
    auto* wGore = licznik.findChild<QToolButton*>(QStringLiteral("edtNW"));
    auto* wDol = licznik.findChild<QToolButton*>(QStringLiteral("edtNN"));
    ASSERT_TRUE(wGore && wDol);
    EXPECT_EQ(licznik.edycja()->objectName(), QStringLiteral("edtN"));

    licznik.setText(QStringLiteral("9"));
    QTest::mouseClick(wGore, Qt::LeftButton);
    EXPECT_EQ(licznik.text(), QStringLiteral("10"));
    QTest::mouseClick(wGore, Qt::LeftButton);
    EXPECT_EQ(licznik.text(), QStringLiteral("10"));
    licznik.setText(QStringLiteral("2"));
    QTest::mouseClick(wDol, Qt::LeftButton);
    EXPECT_EQ(licznik.text(), QStringLiteral("2"));

    for (const char* wpisany : {"11", "1.5", "-2", "abc"}) {
        licznik.setText(QString::fromLatin1(wpisany));
        QTest::mouseClick(wGore, Qt::LeftButton);
        EXPECT_EQ(licznik.text(), QString::fromLatin1(wpisany));
    }
    EXPECT_EQ(kroki, (std::vector<int>{+1, +1, -1, +1, +1, +1, +1}));
}
