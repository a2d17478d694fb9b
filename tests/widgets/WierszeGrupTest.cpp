#include "EdycjaZLicznikiem.h"
#include "WierszeGrup.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace {

class Wiersze : public ::testing::Test {
protected:
    Wiersze()
    {
        grupy.UstawPrzyrosty({QStringLiteral("0.5"), QStringLiteral("-2"), QStringLiteral("10")});
        grupy.resize(400, 300);
        grupy.show();
    }
    QLineEdit* Edycja(int i) { return grupy.findChild<QLineEdit*>(QStringLiteral("edt%1").arg(i)); }
    void Zaznacz(int i) { QTest::mouseClick(grupy.findChild<QCheckBox*>(QStringLiteral("cb%1").arg(i)), Qt::LeftButton, {}, QPoint(4, 4)); }
    bool Sprawdz()
    {
        TSprawdzanie sprawdzanie;
        grupy.Sprawdz(sprawdzanie, {QStringLiteral("Źle"), RodzajKomunikatu::Zwykly});
        return sprawdzanie.Poprawne();
    }

    TWierszeGrup grupy{QStringLiteral("scb"),
                       {{QStringLiteral("- CH3"), {}}, {QStringLiteral("> CH2"), QStringLiteral("podpowiedź")}, {QStringLiteral("- OH"), {}}},
                       {{1, QStringLiteral("Sekcja A")}, {3, QStringLiteral("Sekcja B")}}};
    ZapisujOkna zapis;
};

TEST_F(Wiersze, TickingShowsTheCountWithItsButtonsAndUntickingKeepsItsText)
{
    ASSERT_NE(Edycja(2), nullptr);
    EXPECT_FALSE(Edycja(2)->isVisible());
    EXPECT_EQ(Edycja(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(grupy.Pole(2)->toolTip(), QStringLiteral("podpowiedź"));
    Zaznacz(2);
    EXPECT_TRUE(Edycja(2)->isVisible());
    EXPECT_TRUE(grupy.findChild<QWidget*>(QStringLiteral("ud2"))->isVisible());
    EXPECT_EQ(grupy.focusWidget(), Edycja(2));
    QTest::mouseClick(grupy.findChild<QWidget*>(QStringLiteral("edt2W")), Qt::LeftButton);
    EXPECT_EQ(Edycja(2)->text(), QStringLiteral("2"));
    Zaznacz(2);
    EXPECT_FALSE(Edycja(2)->isVisible());
    EXPECT_EQ(Edycja(2)->text(), QStringLiteral("2"));
    EXPECT_EQ(grupy.findChild<QLabel*>(QStringLiteral("d3"))->text(), QStringLiteral("10"));
}

TEST_F(Wiersze, ChecksTicksThenSumsCountsTimesIncrementsOfTickedRowsOnly)
{
    EXPECT_FALSE(Sprawdz());
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{NieZaznaczonoGrupy});

    // A bad count in an unticked row does not matter; in a ticked row it is reported once.
    Edycja(3)->setText(QStringLiteral("abc"));
    Zaznacz(1);
    Zaznacz(2);
    Edycja(1)->setText(QStringLiteral("x"));
    Edycja(2)->setText(QStringLiteral("y"));
    zapis->komunikaty.clear();
    EXPECT_FALSE(Sprawdz());
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Źle"));
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Zwykly);

    // Fractional and negative counts are used as typed: 1.5·0.5 + (-2)·(-2) = 4.75.
    Edycja(1)->setText(QStringLiteral("1.5"));
    Edycja(2)->setText(QStringLiteral(" -2 "));
    EXPECT_TRUE(Sprawdz());
    EXPECT_EQ(SumaUdzialow(grupy.Udzialy()), 4.75L);
}

TEST_F(Wiersze, WidgetsPutUnderARowStayInTheOrderTheyCame)
{
    auto* pierwszy = new QLabel(QStringLiteral("pierwszy"));
    auto* drugi = new QLabel(QStringLiteral("drugi"));
    grupy.WstawPod(1, pierwszy);
    grupy.WstawPod(1, drugi);
    grupy.show();
    QApplication::processEvents();
    EXPECT_LT(grupy.Pole(1)->mapTo(&grupy, QPoint()).y(), pierwszy->mapTo(&grupy, QPoint()).y());
    EXPECT_LT(pierwszy->mapTo(&grupy, QPoint()).y(), drugi->mapTo(&grupy, QPoint()).y());
    EXPECT_LT(drugi->mapTo(&grupy, QPoint()).y(), grupy.Pole(2)->mapTo(&grupy, QPoint()).y());
}

} // namespace

TEST_F(Wiersze, WholeCountsAreReadInRowOrderAndClearingUnticksEveryRow)
{
    Zaznacz(1);
    Zaznacz(3);
    Edycja(1)->setText(QStringLiteral("3"));
    std::array<int, 3> liczby{7, 7, 7};
    int pokazano = 0;
    EXPECT_TRUE(grupy.WczytajLiczbyCalkowite(liczby, QStringLiteral("Zła liczba"), [&] { ++pokazano; }));
    EXPECT_EQ(liczby, (std::array<int, 3>{3, 0, 1}));

    for (const char* zla : {"0", "1.5", "abc"}) {
        Edycja(3)->setText(QString::fromLatin1(zla));
        EXPECT_FALSE(grupy.WczytajLiczbyCalkowite(liczby, QStringLiteral("Zła liczba"), [&] { ++pokazano; })) << zla;
        EXPECT_EQ(grupy.focusWidget(), Edycja(3)) << zla;
        EXPECT_EQ(Edycja(3)->selectedText(), QString::fromLatin1(zla)) << zla;
    }
    EXPECT_EQ(pokazano, 3);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>(3, QStringLiteral("Zła liczba")));

    grupy.Wyzeruj();
    for (int w = 1; w <= 3; ++w) {
        EXPECT_FALSE(grupy.Zaznaczony(w));
        EXPECT_FALSE(Edycja(w)->isVisible());
        EXPECT_EQ(Edycja(w)->text(), QStringLiteral("1"));
    }
}
