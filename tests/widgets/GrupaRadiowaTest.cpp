// The radio group: a choice made by the user or by code runs the click handler once; clearing
// the choice or choosing the chosen item again runs nothing; items are enabled one by one.
#include "GrupaRadiowa.h"

#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Grupa : public ::testing::Test {
protected:
    Grupa()
    {
        QObject::connect(&grupa, &TGrupaRadiowa::Click, [this] { klikniecia.push_back(grupa.ItemIndex()); });
        grupa.show();
    }

    void KliknijPozycje(int i)
    {
        QRadioButton* przycisk = grupa.Pozycja(i);
        QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
    }

    TGrupaRadiowa grupa{QStringLiteral("rgProba"), QStringLiteral("Próba"),
                        {QStringLiteral("pierwsza"), QStringLiteral("druga"), QStringLiteral("trzecia")}};
    std::vector<int> klikniecia;
};

} // namespace

TEST_F(Grupa, StartsWithNoChoiceAndItsItems)
{
    EXPECT_EQ(grupa.objectName(), QStringLiteral("rgProba"));
    EXPECT_EQ(grupa.title(), QStringLiteral("Próba"));
    EXPECT_EQ(grupa.LiczbaPozycji(), 3);
    EXPECT_EQ(grupa.Pozycja(1)->text(), QStringLiteral("druga"));
    EXPECT_EQ(grupa.Pozycja(3), nullptr);
    EXPECT_EQ(grupa.ItemIndex(), -1);
}

TEST_F(Grupa, AChoiceFromCodeOrByTheUserRunsTheHandlerOnce)
{
    grupa.UstawItemIndex(1);
    EXPECT_EQ(klikniecia, std::vector<int>{1});
    grupa.UstawItemIndex(1); // already chosen
    KliknijPozycje(1);
    EXPECT_EQ(klikniecia, std::vector<int>{1});
    KliknijPozycje(2);
    EXPECT_EQ(klikniecia, (std::vector<int>{1, 2}));
    EXPECT_EQ(grupa.ItemIndex(), 2);
    EXPECT_FALSE(grupa.Pozycja(1)->isChecked());
}

TEST_F(Grupa, ClearingTheChoiceRunsNothingAndLeavesNoItemChecked)
{
    grupa.UstawItemIndex(0);
    grupa.UstawItemIndex(-1);
    EXPECT_EQ(grupa.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(grupa.Pozycja(i)->isChecked()) << i;
    grupa.UstawItemIndex(-7); // taken as -1
    grupa.UstawItemIndex(3);  // past the last item: ignored
    EXPECT_EQ(grupa.ItemIndex(), -1);
    EXPECT_EQ(klikniecia, std::vector<int>{0});
    // The same item can be chosen again after clearing, and it runs the handler again.
    KliknijPozycje(0);
    EXPECT_EQ(klikniecia, (std::vector<int>{0, 0}));
}

TEST_F(Grupa, ADisabledItemIgnoresTheUserButNotTheCode)
{
    UstawPozycjeGrupy(&grupa, 1, false);
    UstawPozycjeGrupy(&grupa, 5, false); // no such item: nothing happens
    EXPECT_FALSE(grupa.Pozycja(1)->isEnabled());
    EXPECT_TRUE(grupa.Pozycja(0)->isEnabled());
    KliknijPozycje(1);
    EXPECT_EQ(grupa.ItemIndex(), -1);
    grupa.UstawItemIndex(1);
    EXPECT_EQ(klikniecia, std::vector<int>{1});
    UstawPozycjeGrupy(&grupa, 1, true);
    EXPECT_TRUE(grupa.Pozycja(1)->isEnabled());
}
