// Fuller's window driven as a user drives it: opened from the main window's method tab, the two
// gases chosen by typing their English names, T and P typed, "Oblicz" pressed.
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "Fuller.h"
#include "windows/OknoGlowneTestowe.h"
#include "OknoMieszaninyTestowe.h"
#include "RejestrOkienMetod.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The compound's tab shows this panel (its atoms or its message).
bool PanelWybrany(QWidget* okno, const char* panel)
{
    auto* p = Kontrolka<QWidget>(okno, QString::fromLatin1(panel));
    return qobject_cast<QStackedWidget*>(p->parentWidget())->currentWidget() == p;
}

class OknoFullera : public ::testing::Test {
protected:
    void SetUp() override
    {
        okno = new TFuller_Form;
        okno->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    }
    void TearDown() override { delete okno; }

    BazaTestowa baza_ = BazaTestowa::Probna();
    ZapisujOkna zapis;
    TFuller_Form* okno = nullptr;
};

} // namespace

// From the main window: the diffusion item of the properties tab opens the window; CO2 and N2
// bring their own volumes, so their tabs show messages; the result is the equation's value to
// the last shown digit (0.162151258129123070822 by a 30-digit evaluation). QERN_ZRZUTY=<folder>
// also saves a picture of the window.
TEST(Fuller, CarbonDioxideAndNitrogenFromTheMainWindow)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZapisujOkna zapis;
    ZarejestrujOknoFullera();
    PokazOknoGlowne();
    QString wynik;
    zapis->skryptModalny = [&](QWidget* okno) {
        ASSERT_NE(qobject_cast<TFuller_Form*>(okno), nullptr);
        auto* atomy = Kontrolka<QWidget>(okno, QStringLiteral("pnlAtomy"));
        const int waskie = okno->width();
        WybierzZwiazek(okno, 1, QStringLiteral("carbon dioxide"));
        EXPECT_TRUE(atomy->isHidden());
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("lblWzor1"))->text(), QStringLiteral("CO2"));
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("lblM1"))->text(), QStringLiteral("44.0095 [kg/kmol]"));
        WybierzZwiazek(okno, 2, QStringLiteral("NITROGEN"));
        QApplication::processEvents();
        EXPECT_FALSE(atomy->isHidden());
        EXPECT_GT(okno->width(), waskie);
        EXPECT_TRUE(PanelWybrany(okno, "ScrollBox3"));
        EXPECT_TRUE(PanelWybrany(okno, "ScrollBox4"));
        EXPECT_TRUE(Kontrolka<QLabel>(okno, QStringLiteral("Label7"))->text().endsWith(QStringLiteral("wynosi 18.5")));
        // Ticked atoms do not change a simple molecule's volume.
        Zaznacz(okno, QStringLiteral("chbC1"), QStringLiteral("edtC1"), QStringLiteral("7"));
        Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("298,15"));
        Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("1.01325"));
        Oblicz(okno);
        wynik = Wynik(okno);
        ZapiszZrzut(okno, "fuller_co2_n2.png");
        okno->close();
    };
    OtworzMetode(1, {{"rgEstWlas", 6}, {"rgDyf", 1}}, Baza_Form->btnObliczEstWlasnosc);

    EXPECT_EQ(zapis->oknaModalne.size(), 1u);
    EXPECT_EQ(wynik, QStringLiteral("0.162151258129123"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    ZwolnijOknoGlowne();
    WyrejestrujOknaMetod();
}

// Benzene has no fixed volume: its tab offers the atoms, and 6 C, 6 H and a benzene ring give
// Σv = 90.96, D = 0.0921690944186433803 cm²/s with N2 at 298.15 K and 1.01325 bar (30 digits).
// A count that is not a whole number and a zero volume sum are refused, the old result cleared.
TEST_F(OknoFullera, BenzeneByItsAtomsAndTheRefusedCounts)
{
    auto* atomy = Kontrolka<QWidget>(okno, QStringLiteral("pnlAtomy"));
    WybierzZwiazek(okno, 1, QStringLiteral("BENZENE"));
    EXPECT_TRUE(atomy->isHidden());
    WybierzZwiazek(okno, 2, QStringLiteral("NITROGEN"));
    EXPECT_FALSE(atomy->isHidden());
    EXPECT_TRUE(PanelWybrany(okno, "ScrollBox2"));
    EXPECT_TRUE(PanelWybrany(okno, "ScrollBox4"));
    Kontrolka<QTabWidget>(okno, QStringLiteral("PageControl1"))->setCurrentIndex(0);
    auto* liczbaC = Kontrolka<QLineEdit>(okno, QStringLiteral("edtC1"));
    EXPECT_FALSE(liczbaC->isVisible());
    Zaznacz(okno, QStringLiteral("chbC1"), QStringLiteral("edtC1"), QStringLiteral("6"));
    EXPECT_TRUE(liczbaC->isVisible());
    Zaznacz(okno, QStringLiteral("chbH1"));
    // The up button steps the count from 1 to 6.
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(Kontrolka<QWidget>(okno, QStringLiteral("edtH1W")), Qt::LeftButton);
    Zaznacz(okno, QStringLiteral("chbRingB1"));
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("298.15"));
    Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("1.01325"));
    Oblicz(okno);
    EXPECT_EQ(Wynik(okno), QStringLiteral("0.0921690944186434"));
    ZapiszZrzut(okno, "fuller_benzen_atomy.png");
    EXPECT_TRUE(zapis->komunikaty.empty());

    Wpisz(okno, QStringLiteral("edtH1"), QStringLiteral("1.5"));
    Oblicz(okno);
    EXPECT_EQ(Wynik(okno), QString());
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Liczba atomów i pierścieni musi być dodatnią liczbą całkowitą"));
    EXPECT_TRUE(Kontrolka<QLineEdit>(okno, QStringLiteral("edtH1"))->hasFocus());

    // Choosing benzene again clears its ticks: nothing ticked is a volume sum of 0.
    WybierzZwiazek(okno, 1, QStringLiteral("BENZENE"));
    EXPECT_FALSE(Kontrolka<QCheckBox>(okno, QStringLiteral("chbC1"))->isChecked());
    EXPECT_EQ(liczbaC->text(), QStringLiteral("1"));
    Oblicz(okno);
    EXPECT_EQ(Wynik(okno), QString());
    EXPECT_EQ(zapis->tekstyKomunikatow().back(),
              QStringLiteral("Suma objętości dyfuzyjnych związku 1 musi być większa od zera. Zaznacz jego atomy."));
}

// Water's tab says where its volume comes from; typed text that names nothing runs no look-up
// until Enter, which then reports the missing compound and empties the list; T and P that are
// not numbers, or not above zero, are refused and the old result goes.
TEST_F(OknoFullera, MessagesOfTheWindow)
{
    WybierzZwiazek(okno, 1, QStringLiteral("WATER"));
    EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("Label6"))->text(),
              QStringLiteral("Wartość poprawki dla związku o wzorze H2O\n\nzostała odczytana z pliku i wynosi 13.1"));
    EXPECT_TRUE(PanelWybrany(okno, "ScrollBox3"));

    auto* lista2 = Kontrolka<QComboBox>(okno, QStringLiteral("cbZwiazek2"));
    lista2->setFocus();
    QTest::keyClicks(lista2, QStringLiteral("nitrogenx"));
    QTest::keyClick(lista2, Qt::Key_Backspace);
    EXPECT_TRUE(zapis->komunikaty.empty());
    QTest::keyClicks(lista2, QStringLiteral("q"));
    EXPECT_EQ(lista2->currentText(), QStringLiteral("NITROGENQ"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    QTest::keyClick(lista2, Qt::Key_Return);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą")});
    EXPECT_EQ(lista2->currentText(), QString());
    WybierzZwiazek(okno, 1, QStringLiteral("NO SUCH GAS"));
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą"));
    EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("lblWzor1"))->text(), QString());

    WybierzZwiazek(okno, 1, QStringLiteral("WATER"));
    WybierzZwiazek(okno, 2, QStringLiteral("NITROGEN"));
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("373.15"));
    Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("1"));
    Oblicz(okno);
    EXPECT_FALSE(Wynik(okno).isEmpty());
    zapis->komunikaty.clear();
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("abc"));
    Oblicz(okno);
    EXPECT_EQ(Wynik(okno), QString());
    EXPECT_TRUE(Kontrolka<QLineEdit>(okno, QStringLiteral("edtT"))->hasFocus());
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("-5"));
    Oblicz(okno);
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("300"));
    Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("0"));
    Oblicz(okno);
    EXPECT_EQ(Wynik(okno), QString());
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{ZleWartosci, QStringLiteral("Temperatura musi być większa od zera"),
                                    QStringLiteral("Ciśnienie musi być większe od zera")}));
}

// A compound without a molar mass is never computed with, and an empty list is no compound even
// where the file holds a record with an empty name.
TEST(Fuller, MissingMolarMassAndEmptyNames)
{
    TRekordYaws bezMasy = BazaTestowa::Substancja("X", "GAS X", "CO2");
    TRekordYaws azot = BazaTestowa::Substancja("AZOT", "NITROGEN", "N2");
    Ustaw(azot, {{"Mmol", 28.0134L}});
    TRekordYaws bezNazwy = BazaTestowa::Substancja("BEZ NAZWY", "", "He");
    Ustaw(bezNazwy, {{"Mmol", 4.0026L}});
    BazaTestowa baza({bezNazwy, bezMasy, azot});
    ZapisujOkna zapis;
    TFuller_Form okno;
    okno.show();
    WybierzZwiazek(&okno, 1, QStringLiteral("GAS X"));
    EXPECT_EQ(Kontrolka<QLabel>(&okno, QStringLiteral("lblM1"))->text(), QStringLiteral("brak danych"));
    WybierzZwiazek(&okno, 2, QString());
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą")});
    WybierzZwiazek(&okno, 2, QStringLiteral("NITROGEN"));
    Wpisz(&okno, QStringLiteral("edtT"), QStringLiteral("300"));
    Wpisz(&okno, QStringLiteral("edtP"), QStringLiteral("1"));
    Oblicz(&okno);
    EXPECT_EQ(Wynik(&okno), QString());
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Brak danych: w bazie nie ma masy molowej związku 1"));
}

// A coefficient goes as soon as any input changes: T, P, an atom count or tick, a compound. T or
// P not above 0 (also 1e-4000 and "-0") is refused in its box; a coefficient that underflows to 0
// (1e-307 K at 1e4500 bar) is a failure, never "0".
TEST_F(OknoFullera, NoCoefficientOutlivesItsInputsAndNoneIsZero)
{
    WybierzZwiazek(okno, 1, QStringLiteral("CARBON DIOXIDE"));
    WybierzZwiazek(okno, 2, QStringLiteral("BENZENE"));
    Zaznacz(okno, QStringLiteral("chbC2"), QStringLiteral("edtC2"), QStringLiteral("6"));
    Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("298.15"));
    Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("1"));
    const std::vector<std::function<void()>> zmiany{
        [&] { Wpisz(okno, QStringLiteral("edtT"), QStringLiteral("300")); },
        [&] { Wpisz(okno, QStringLiteral("edtP"), QStringLiteral("2")); },
        [&] { Wpisz(okno, QStringLiteral("edtC2"), QStringLiteral("7")); },
        [&] { Zaznacz(okno, QStringLiteral("chbH2")); },
        [&] { WybierzZwiazek(okno, 1, QStringLiteral("NITROGEN")); }};
    KazdaZmianaCzysciWynik([&] { Oblicz(okno); }, [&] { return Wynik(okno); }, zmiany);
    EXPECT_TRUE(zapis->komunikaty.empty());

    auto* T = Kontrolka<QLineEdit>(okno, QStringLiteral("edtT"));
    auto* P = Kontrolka<QLineEdit>(okno, QStringLiteral("edtP"));
    Wpisz(T, QStringLiteral("1e-4000"));
    Oblicz(okno);
    SprawdzOdmowe(zapis, T, QStringLiteral("Temperatura musi być większa od zera"));
    Wpisz(T, QStringLiteral("1e-307"));
    Wpisz(P, QStringLiteral("-0"));
    Oblicz(okno);
    SprawdzOdmowe(zapis, P, QStringLiteral("Ciśnienie musi być większe od zera"));
    Wpisz(P, QStringLiteral("1e4500"));
    Oblicz(okno);
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Wynik wychodzi równy 0, a ta wielkość nie może być zerowa. Sprawdź dane."));
    EXPECT_EQ(Wynik(okno), QString());
    SprawdzBezNieliczb(okno);
}
