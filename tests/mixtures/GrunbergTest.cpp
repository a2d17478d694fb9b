// Grunberg and Nissan's window driven as a user drives it: a temperature typed opens the
// components' step, the speed buttons switch between the components, groups are ticked, "Oblicz"
// pressed; the range and fraction messages.
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "Grunberg.h"
#include "windows/OknoGlowneTestowe.h"
#include "OknoMieszaninyTestowe.h"
#include "RejestrOkienMetod.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

TRekordYaws Ciecz(const char* nazwa, long double A, long double Tmin, long double Tmax)
{
    TRekordYaws r = BazaTestowa::Substancja(nazwa, nazwa);
    Ustaw(r, {{"NicA", A}, {"NicB", 0}, {"NicC", 0}, {"NicD", 0}, {"NicTmin", Tmin}, {"NicTmax", Tmax}});
    return r;
}

void KliknijSkladnik(QWidget* okno, int numer)
{
    QTest::mouseClick(Kontrolka<QToolButton>(okno, QStringLiteral("sbZwiazek%1").arg(numer)), Qt::LeftButton);
}

const QString Wskazowka = QStringLiteral(
    "Metoda GRUNBERGA i NISSANA\n\nJako pierwszy składnik mieszaniny wybierz związek:\n"
    "a-alkohol, jeśli jest obecny w mieszaninie\nb-kwas, jeśli jest obecny\n"
    "c-składnik z największą liczbą atomów węgla w cząsteczce\n"
    "d-składnik z największą liczbą atomów wodoru w cząsteczce\ne-składnik z największą liczbą grup -CH3");

} // namespace

// Toluene (ring + CH3, 7 C) with benzene (ring, 6 C), equimolar at 298.15 K, from the main
// window: G12 = 0.666 − 0.766 + 0.3161/13 − 0.1188 = −0.1944846..., and with the two viscosities
// of the data file ηm = 0.000547548692741564966 Pa s by a 30-digit hand evaluation, a little
// below their logarithmic mean 0.000574735 (the interaction term is negative). The main window's
// substance stays its own all the while.
TEST(Grunberg, TolueneAndBenzeneFromTheMainWindow)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZapisujOkna zapis;
    ZarejestrujOknoGrunberga();
    PokazOknoGlowne();
    auto* lista = Kontrolka<QComboBox>(Baza_Form, QStringLiteral("cbZnajdzZwiazek"));
    lista->setFocus();
    lista->setEditText(QStringLiteral("WODA"));
    QTest::keyClick(lista, Qt::Key_Return);
    ASSERT_TRUE(Znaleziono);
    QString wynik;
    zapis->skryptModalny = [&](QWidget* okno) {
        ASSERT_NE(qobject_cast<TGrunberg_Form*>(okno), nullptr);
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("lblUwaga"))->toolTip(), Wskazowka);
        Wpisz(okno, QStringLiteral("editT"), QStringLiteral("298.15"));
        WybierzZwiazek(okno, 1, QStringLiteral("toluen"));
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("lblWzor"))->text(), QStringLiteral("C7H8"));
        Wpisz(okno, QStringLiteral("eU1"), QStringLiteral("0,5"));
        Wpisz(okno, QStringLiteral("eN1"), QStringLiteral("7"));
        Zaznacz(okno, QStringLiteral("chbRing"));
        Zaznacz(okno, QStringLiteral("chbCH3"));
        KliknijSkladnik(okno, 2);
        WybierzZwiazek(okno, 2, QStringLiteral("BENZEN"));
        Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.5"));
        Wpisz(okno, QStringLiteral("eN2"), QStringLiteral("6"));
        Zaznacz(okno, QStringLiteral("chbRing_2"));
        Oblicz(okno);
        wynik = Wynik(okno);
        EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
        ZapiszZrzut(okno, "grunberg_toluen_benzen_2.png");
        KliknijSkladnik(okno, 1);
        ZapiszZrzut(okno, "grunberg_toluen_benzen_1.png");
        okno->close();
    };
    OtworzMetode(2, {{"rgMixCiecz", 0}, {"rgMixLepCiecz", 0}}, Baza_Form->btnObliczMieszanine);
    EXPECT_EQ(zapis->oknaModalne.size(), 1u);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(wynik, QStringLiteral("0.000547548692741565"));
    ZwolnijOknoGlowne();
    WyrejestrujOknaMetod();
}

class OknoGrunberga : public ::testing::Test {
protected:
    void SetUp() override
    {
        okno = new TGrunberg_Form;
        okno->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    }
    void TearDown() override { delete okno; }

    // η = 10^A mPa s, so 0.001 and 0.01 Pa s; the third one's coefficients are missing.
    BazaTestowa baza_{{Ciecz("Ciecz A", 0, 200, 600), Ciecz("CIECZ B", 1, 250, 580),
                       Ciecz("BEZ DANYCH", BrakDanych, 250, 580)}};
    ZapisujOkna zapis;
    TGrunberg_Form* okno = nullptr;
};



// The temperature opens the first component's step; the speed buttons show one component at a
// time. Without groups and carbon numbers at 573 K, G12(T) = 1: ln ηm = x1 ln η1 + x2 ln η2 + x1 x2,
// and fractions 0.3 and 0.6 become 0.3 and 0.7 with the message.
TEST_F(OknoGrunberga, StepsAndTheMixingRuleAt573K)
{
    auto* lista1 = Kontrolka<QWidget>(okno, QStringLiteral("cbZwiazek1"));
    auto* lista2 = Kontrolka<QWidget>(okno, QStringLiteral("cbZwiazek2"));
    KliknijSkladnik(okno, 2);
    EXPECT_TRUE(lista2->isHidden());
    EXPECT_FALSE(Kontrolka<QToolButton>(okno, QStringLiteral("sbZwiazek2"))->isChecked());
    EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("Label4"))->text(), QStringLiteral("Podaj temperaturę mieszaniny"));
    EXPECT_TRUE(lista1->isHidden());
    Wpisz(okno, QStringLiteral("editT"), QStringLiteral("573"));
    EXPECT_FALSE(lista1->isHidden());
    EXPECT_TRUE(Kontrolka<QLabel>(okno, QStringLiteral("Label4"))->isHidden());
    EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("Label5"))->text(),
              QStringLiteral("Wybierz pierwszy związek\n                            podaj jego udział w mieszaninie"));
    EXPECT_TRUE(Kontrolka<QToolButton>(okno, QStringLiteral("sbZwiazek1"))->isChecked());
    // Typed in lower case, stored in mixed case: the names meet upper-cased.
    WybierzZwiazek(okno, 1, QStringLiteral("ciecz a"));
    Wpisz(okno, QStringLiteral("eU1"), QStringLiteral("0.3"));
    KliknijSkladnik(okno, 2);
    EXPECT_TRUE(lista1->isHidden());
    EXPECT_FALSE(lista2->isHidden());
    EXPECT_FALSE(Kontrolka<QToolButton>(okno, QStringLiteral("sbZwiazek1"))->isChecked());
    EXPECT_TRUE(Kontrolka<QWidget>(okno, QStringLiteral("ScrollBox1"))->isHidden());
    EXPECT_FALSE(Kontrolka<QWidget>(okno, QStringLiteral("ScrollBox2"))->isHidden());
    EXPECT_TRUE(Kontrolka<QLabel>(okno, QStringLiteral("Label5"))->text().startsWith(QStringLiteral("Wybierz drugi związek\n")));
    WybierzZwiazek(okno, 2, QStringLiteral("CIECZ B"));
    Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.6"));
    // A ticked group with an unticked box again is left out.
    Zaznacz(okno, QStringLiteral("chbCl_2"));
    Zaznacz(okno, QStringLiteral("chbCl_2"));
    Oblicz(okno);
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("Suma udziałów jest różna od 1. Dopasowano ostatni udział.")});
    EXPECT_EQ(Kontrolka<QLineEdit>(okno, QStringLiteral("eU2"))->text(), QStringLiteral("0.7"));
    const long double oczekiwana = std::exp(0.3L * std::log(0.001L) + 0.7L * std::log(0.01L) + 0.21L);
    EXPECT_NEAR(Wynik(okno).toDouble(), static_cast<double>(oczekiwana), 1e-17);
}

// T at the common Tmax is accepted, 0.001 K above it and below Tmin are refused with the range
// messages; a component without its viscosity coefficients gives the range message, not a
// floating-point error; a T that is not a number is refused. Each refusal clears the result.
TEST_F(OknoGrunberga, RangeMessages)
{
    Wpisz(okno, QStringLiteral("editT"), QStringLiteral("580"));
    WybierzZwiazek(okno, 1, QStringLiteral("CIECZ A"));
    Wpisz(okno, QStringLiteral("eU1"), QStringLiteral("0.5"));
    KliknijSkladnik(okno, 2);
    WybierzZwiazek(okno, 2, QStringLiteral("CIECZ B"));
    Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.5"));
    Oblicz(okno);
    EXPECT_FALSE(Wynik(okno).isEmpty());
    EXPECT_TRUE(zapis->komunikaty.empty());

    const auto odmowa = [&](const QString& T, const QString& komunikat) {
        zapis->komunikaty.clear();
        Wpisz(okno, QStringLiteral("editT"), T);
        Oblicz(okno);
        EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{komunikat}) << T.toStdString();
        EXPECT_EQ(Wynik(okno), QString()) << T.toStdString();
    };
    odmowa(QStringLiteral("580.001"), QStringLiteral("Temperatura wykracza poza dopuszczalny zakres W GORE\n"
                                                     "    Dla tej mieszaniny Tmin=250, Tmax=580"));
    odmowa(QStringLiteral("249.9"), QStringLiteral("Temperatura wykracza poza dopuszczalny zakres W DOL\n"
                                                   "    Dla tej mieszaniny Tmin=250, Tmax=580"));
    odmowa(QStringLiteral("abc"), ZleWartosci);
    WybierzZwiazek(okno, 2, QStringLiteral("BEZ DANYCH"));
    odmowa(QStringLiteral("300"), QStringLiteral("Nieprawidłowy zakres temperatur lub brak danych\n"
                                                 "          Spróbuj z innymi związkami\n"
                                                 "      Tmin=?        Tmax=?"));
    WybierzZwiazek(okno, 2, QStringLiteral("NIE MA"));
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą"));
    EXPECT_EQ(Kontrolka<QComboBox>(okno, QStringLiteral("cbZwiazek2"))->currentText(), QString());
}

// Any change of an input clears ηm. T not above 0 and a fraction outside 0 .. 1 (even where the
// two add up to 1) are refused in their box; 2147483647 CH3 groups make G12 so negative that ηm
// underflows: a failure, not "0".
TEST_F(OknoGrunberga, ImpossibleInputAndAZeroViscosityAreRefused)
{
    Wpisz(okno, QStringLiteral("editT"), QStringLiteral("300"));
    WybierzZwiazek(okno, 1, QStringLiteral("CIECZ A"));
    Wpisz(okno, QStringLiteral("eU1"), QStringLiteral("0.5"));
    KliknijSkladnik(okno, 2);
    WybierzZwiazek(okno, 2, QStringLiteral("CIECZ B"));
    Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.5"));
    const std::vector<std::function<void()>> zmiany{
        [&] { Wpisz(okno, QStringLiteral("editT"), QStringLiteral("301")); },
        [&] { Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.50")); },
        [&] { Wpisz(okno, QStringLiteral("eN2"), QStringLiteral("3")); },
        [&] { Zaznacz(okno, QStringLiteral("chbCH3_2")); },
        [&] { WybierzZwiazek(okno, 2, QStringLiteral("CIECZ A")); }};
    KazdaZmianaCzysciWynik([&] { Oblicz(okno); }, [&] { return Wynik(okno); }, zmiany);
    EXPECT_TRUE(zapis->komunikaty.empty());

    auto* T = Kontrolka<QLineEdit>(okno, QStringLiteral("editT"));
    Wpisz(T, QStringLiteral("0"));
    Oblicz(okno);
    SprawdzOdmowe(zapis, T, QStringLiteral("Temperatura musi być większa od 0 K"));
    Wpisz(T, QStringLiteral("300"));
    KliknijSkladnik(okno, 1);
    Wpisz(okno, QStringLiteral("eU1"), QStringLiteral("1.5"));
    KliknijSkladnik(okno, 2);
    Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("-0.5"));
    Oblicz(okno);
    auto* x1 = Kontrolka<QLineEdit>(okno, QStringLiteral("eU1"));
    EXPECT_TRUE(x1->isVisible());
    SprawdzOdmowe(zapis, x1, QStringLiteral("Udział molowy składnika 1 musi leżeć w przedziale od 0 do 1"));

    Wpisz(x1, QStringLiteral("0.5"));
    KliknijSkladnik(okno, 2);
    Wpisz(okno, QStringLiteral("eU2"), QStringLiteral("0.5"));
    KliknijSkladnik(okno, 1);
    Zaznacz(okno, QStringLiteral("chbCH3"), QStringLiteral("eCH3"), QStringLiteral("2147483647"));
    Oblicz(okno);
    EXPECT_EQ(zapis->tekstyKomunikatow().back(), QStringLiteral("Wynik wychodzi równy 0, a ta wielkość nie może być zerowa. Sprawdź dane."));
    EXPECT_EQ(Wynik(okno), QString());
    SprawdzBezNieliczb(okno);
}

// The "!!!" label explains whom to choose first, each letter followed by a tab.
TEST_F(OknoGrunberga, HintOnClick)
{
    QTest::mouseClick(Kontrolka<QLabel>(okno, QStringLiteral("lblUwaga")), Qt::LeftButton);
    QString tekst = Wskazowka;
    for (const char* litera : {"a", "b", "c", "d", "e"})
        tekst.replace(QLatin1Char('\n') + QLatin1String(litera) + QLatin1Char('-'),
                      QLatin1Char('\n') + QLatin1String(litera) + QStringLiteral(".\t"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{tekst});
}
