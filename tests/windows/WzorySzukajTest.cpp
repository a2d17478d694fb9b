// The candidate list: OK, double-click, Cancel and the keyboard, as its caller reads them.
#include "Dialogs.h"
#include "WzorySzukaj.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QStringList Kandydaci{QStringLiteral("ETHANOL"), QStringLiteral("Dimethyl ether"), QStringLiteral("WATER")};

// Runs the list modally as a search does, with the user's actions in the script.
void Wybierz(const std::function<void(TWzorySzukajForm*)>& uzytkownik)
{
    ZapisujOkna zapis;
    zapis->skryptModalny = [&](QWidget* okno) { uzytkownik(static_cast<TWzorySzukajForm*>(okno)); };
    WybranoZListy = false;
    WybranaNazwa.clear();
    TWzorySzukajForm okno;
    okno.UstawKandydatow(Kandydaci);
    UruchomModalnie(&okno);
}

} // namespace

TEST(WzorySzukaj, OkWithoutASelectionTakesTheFirstItem)
{
    Wybierz([](TWzorySzukajForm* okno) {
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("Wybierz z listy"));
        EXPECT_TRUE(okno->lbWzorySzukaj->selectedItems().isEmpty());
        QTest::mouseClick(okno->bbtnOK, Qt::LeftButton);
        EXPECT_FALSE(okno->isVisible());
    });
    EXPECT_TRUE(WybranoZListy);
    EXPECT_EQ(WybranaNazwa, QStringLiteral("ETHANOL"));
}

TEST(WzorySzukaj, TheChosenNameIsUpperCased)
{
    Wybierz([](TWzorySzukajForm* okno) {
        okno->lbWzorySzukaj->setCurrentRow(1);
        QTest::mouseClick(okno->bbtnOK, Qt::LeftButton);
    });
    EXPECT_EQ(WybranaNazwa, QStringLiteral("DIMETHYL ETHER"));
}

TEST(WzorySzukaj, DoubleClickChoosesAndCloses)
{
    Wybierz([](TWzorySzukajForm* okno) {
        QListWidget* lista = okno->lbWzorySzukaj;
        QApplication::processEvents(); // lays the items out
        const QRect miejsce = lista->visualItemRect(lista->item(2));
        // A double click is a click followed by the double-click press.
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, miejsce.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, miejsce.center());
        EXPECT_FALSE(okno->isVisible());
    });
    EXPECT_TRUE(WybranoZListy);
    EXPECT_EQ(WybranaNazwa, QStringLiteral("WATER"));
}

TEST(WzorySzukaj, CancelAndEscChooseNothing)
{
    Wybierz([](TWzorySzukajForm* okno) {
        okno->lbWzorySzukaj->setCurrentRow(1);
        QTest::mouseClick(okno->bbtnAnuluj, Qt::LeftButton);
    });
    EXPECT_FALSE(WybranoZListy);
    Wybierz([](TWzorySzukajForm* okno) { QTest::keyClick(okno->lbWzorySzukaj, Qt::Key_Escape); });
    EXPECT_FALSE(WybranoZListy);
}

TEST(WzorySzukaj, ArrowsAndEnterChooseFromTheKeyboard)
{
    Wybierz([](TWzorySzukajForm* okno) {
        okno->lbWzorySzukaj->setCurrentRow(0);
        QTest::keyClick(okno->lbWzorySzukaj, Qt::Key_Down);
        QTest::keyClick(okno->lbWzorySzukaj, Qt::Key_Return);
        EXPECT_FALSE(okno->isVisible());
    });
    EXPECT_TRUE(WybranoZListy);
    EXPECT_EQ(WybranaNazwa, QStringLiteral("DIMETHYL ETHER"));
}
