// The group rows as a user meets them: a ticked row shows its count box, an unticked one hides it
// and leaves it out; counts that are not whole numbers of at least 1 are refused with the window's
// message, the rows brought into view and the bad count selected; clearing unticks every row.
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "WierszeGrup.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

TEST(WierszeGrup, TickedRowsGiveTheirCounts)
{
    ZapisujOkna zapis;
    QWidget okno;
    auto* wiersze = new TWierszeGrup(QStringLiteral("ScrollBox1"),
                                     {{QStringLiteral("Grupa"), QStringLiteral("- CH3"), QStringLiteral("chbCH3"), QStringLiteral("eCH3")},
                                      {{}, QStringLiteral(">CH2"), QStringLiteral("chbCH2"), QStringLiteral("eCH2")},
                                      {QStringLiteral("Podstawniki:"), QStringLiteral("orto"), QStringLiteral("chbOrto"), QStringLiteral("eOrto")}},
                                     99, &okno);
    okno.show();
    QApplication::setActiveWindow(&okno);
    std::vector<QString> naglowki;
    for (QLabel* l : wiersze->findChildren<QLabel*>())
        naglowki.push_back(l->text());
    EXPECT_EQ(naglowki, (std::vector<QString>{QStringLiteral("Grupa"), QStringLiteral("Podstawniki:")}));

    std::vector<int> klikniete;
    QObject::connect(wiersze, &TWierszeGrup::kliknieto, [&](int w) { klikniete.push_back(w); });
    const auto kliknij = [&](int w) { QTest::mouseClick(wiersze->Pole(w), Qt::LeftButton, {}, QPoint(6, 8)); };
    kliknij(0);
    kliknij(2);
    kliknij(2);
    EXPECT_EQ(klikniete, (std::vector<int>{0, 2, 2}));
    EXPECT_TRUE(wiersze->Licznik(0)->isVisible());
    EXPECT_FALSE(wiersze->Licznik(2)->isVisible());
    wiersze->Licznik(0)->setText(QStringLiteral("3"));
    std::array<int, 3> liczby{7, 7, 7};
    int pokazano = 0;
    EXPECT_TRUE(wiersze->WczytajLiczby(liczby, QStringLiteral("Zła liczba"), [&] { ++pokazano; }));
    EXPECT_EQ(liczby, (std::array<int, 3>{3, 0, 0}));

    kliknij(1);
    for (const char* zla : {"0", "1.5", "abc"}) {
        wiersze->Licznik(1)->setText(QString::fromLatin1(zla));
        EXPECT_FALSE(wiersze->WczytajLiczby(liczby, QStringLiteral("Zła liczba"), [&] { ++pokazano; })) << zla;
        EXPECT_TRUE(wiersze->Licznik(1)->edycja()->hasFocus()) << zla;
        EXPECT_EQ(wiersze->Licznik(1)->edycja()->selectedText(), QString::fromLatin1(zla)) << zla;
    }
    EXPECT_EQ(pokazano, 3);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>(3, QStringLiteral("Zła liczba")));

    wiersze->Wyzeruj();
    for (int w = 0; w < 3; ++w) {
        EXPECT_FALSE(wiersze->Pole(w)->isChecked());
        EXPECT_FALSE(wiersze->Licznik(w)->isVisible());
        EXPECT_EQ(wiersze->Licznik(w)->text(), QStringLiteral("1"));
    }
}
