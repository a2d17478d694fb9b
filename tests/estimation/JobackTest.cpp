#include "DelHcWynik.h"
#include "Joback.h"
#include "OknaGrupTestowe.h"

#include <QLabel>
#include <QMessageBox>

namespace {

const WyborMetody Tc{0, "rgEstParam", 0, "rgTc", 1};
const WyborMetody Pc{0, "rgEstParam", 1, "rgPc", 1};
const WyborMetody Vc{0, "rgEstParam", 2, "rgVc", 1};
const WyborMetody Tb{0, "rgEstParam", 6, "rgTb", 0};
const WyborMetody Tf{0, "rgEstParam", 7, "rgTf", 0};
const WyborMetody Spalanie{1, "rgEstWlas", 5, "rgDelHc", 0};

const QString ZleLiczby = QStringLiteral("Źle podane wartości liczbowe !");

class Joback : public ::testing::Test {
protected:
    void SetUp() override
    {
        PokazOknoGlowne();
        ZarejestrujJobacka();
        ZarejestrujDelHcWynik();
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }

    // 2-ethylphenol C8H10O: -CH3, >CH2, four ring =CH-, two ring =C<, phenolic -OH.
    static void Etylofenol(QWidget* okno)
    {
        ZaznaczGrupe(okno, 1);
        ZaznaczGrupe(okno, 2);
        ZaznaczGrupe(okno, 14, QStringLiteral("4"));
        ZaznaczGrupe(okno, 15, QStringLiteral("2"));
        ZaznaczGrupe(okno, 21);
    }
    static QString Wynik(QWidget* okno) { return Kontrolka(okno, QStringLiteral("wynik"))->text(); }

    BazaTestowa baza_ = BazaTestowa::Probna();
    ZapisujOkna zapis;
};

// Propane's groups give Tb = 198 + 2·23.58 + 22.88 = 268.04 K; the title shows the formula and,
// once per press, the record's boiling point. A count that is no whole number (1.5 >CH2 gives
// 198 + 47.16 + 34.32 = 279.48 K) leaves the formula in the title as it was.
TEST_F(Joback, PropaneBoilingPointAndFormulaInTheTitle)
{
    QString wynik, tytul, tytulPoDrugim, wynikUlamka, tytulUlamka;
    bool widoczny = false;
    UruchomMetode(zapis, "PROPAN", Tb, [&](QWidget* okno) {
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("d1"))->text(), QStringLiteral("23.58"));
        EXPECT_FALSE(Kontrolka(okno, QStringLiteral("edtNa"))->isVisible());
        ZaznaczGrupe(okno, 1, QStringLiteral("2"));
        ZaznaczGrupe(okno, 2);
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("C3H8"));
        Nacisnij(okno, "Oblicz_Button");
        wynik = Wynik(okno);
        widoczny = Kontrolka(okno, QStringLiteral("wynik"))->isVisible();
        tytul = okno->windowTitle();
        Nacisnij(okno, "Oblicz_Button");
        tytulPoDrugim = okno->windowTitle();
        Zrzut(okno, "joback_propan_tb.png");
        auto* liczba = Kontrolka(okno, QStringLiteral("edt2"));
        liczba->selectAll();
        QTest::keyClicks(liczba, QStringLiteral("1.5"));
        Nacisnij(okno, "Oblicz_Button");
        wynikUlamka = Wynik(okno);
        tytulUlamka = okno->windowTitle();
    });
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(wynik, QStringLiteral("268.04"));
    EXPECT_TRUE(widoczny);
    EXPECT_EQ(tytul, QStringLiteral("C3H8  Tb_exp=231.02 [K]"));
    EXPECT_EQ(tytulPoDrugim, tytul);
    EXPECT_EQ(wynikUlamka, QStringLiteral("279.48"));
    EXPECT_EQ(tytulUlamka, tytul);
}

// By hand from the group table: S(Tc) = 0.1184 with Tb 477.67 K gives 698.105616670143 K;
// S(Pc) = 0.0232 with Na = 19 gives 4409101.09010615 Pa; S(Vc) = 324 gives 0.3415 m³/kmol.
// The record's Pc (42.48 bar) and Vc (200 cm³/mol) are compared in Pa and m³/kmol.
TEST_F(Joback, TwoEthylphenolCriticalConstants)
{
    QStringList wyniki, tytuly;
    auto oblicz = [&](const char* na) {
        return [&, na](QWidget* okno) {
            Etylofenol(okno);
            if (*na)
                Wpisz(okno, "edtNa", QString::fromLatin1(na));
            Nacisnij(okno, "Oblicz_Button");
            wyniki << Wynik(okno);
            tytuly << okno->windowTitle();
        };
    };
    UruchomMetode(zapis, "PROPAN", Tc, oblicz("477.67"));
    UruchomMetode(zapis, "PROPAN", Pc, oblicz("19"));
    UruchomMetode(zapis, "PROPAN", Vc, oblicz(""));
    EXPECT_TRUE(zapis->komunikaty.empty());
    ASSERT_EQ(wyniki.size(), 3);
    EXPECT_TRUE(wyniki[0].startsWith(QStringLiteral("698.10561667014"))) << wyniki[0].toStdString();
    EXPECT_TRUE(wyniki[1].startsWith(QStringLiteral("4409101.0901061"))) << wyniki[1].toStdString();
    EXPECT_EQ(wyniki[2], QStringLiteral("0.3415"));
    EXPECT_EQ(tytuly, (QStringList{QStringLiteral("C8H10O  Tc_exp=369.83 [K]"), QStringLiteral("C8H10O  Pc_exp=4248000 [Pa]"),
                                   QStringLiteral("C8H10O  Vc_exp=0.2 [m^3]")}));
}

// Every check of a press speaks, in order, and nothing is computed; the earlier result stays.
TEST_F(Joback, WarningsOfOnePressComeInOrderAndKeepTheEarlierResult)
{
    QString przed, po;
    UruchomMetode(zapis, "PROPAN", Tc, [&](QWidget* okno) {
        EXPECT_EQ(Kontrolka(okno, QStringLiteral("edtNa"))->text(), QStringLiteral("231.02"));
        Nacisnij(okno, "Oblicz_Button"); // nothing ticked
        ZaznaczGrupe(okno, 1, QStringLiteral("2"));
        Nacisnij(okno, "Oblicz_Button");
        przed = Wynik(okno);
        ZaznaczGrupe(okno, 2, QStringLiteral("1.5x"));
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("C3H8")); // from the tick; the typing leaves it
        Wpisz(okno, "edtNa", QStringLiteral("0"));
        Nacisnij(okno, "Oblicz_Button");
        po = Wynik(okno);
    });
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral("Nie zaznaczono żadnej grupy!"), ZleLiczby,
                                    QStringLiteral("Podaj temperaturę wrzenia")}));
    EXPECT_FALSE(przed.isEmpty());
    EXPECT_EQ(po, przed);

    zapis->komunikaty.clear();
    UruchomMetode(zapis, "PROPAN", Pc, [&](QWidget* okno) {
        ZaznaczGrupe(okno, 1);
        Nacisnij(okno, "Oblicz_Button");
        EXPECT_EQ(okno->focusWidget(), Kontrolka(okno, QStringLiteral("edtNa")));
    });
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Podaj liczbę atomów")});

    // "- N = (niepierścieniowy)" has no published increment for Vc nor Tf: a tick there is refused
    // and the earlier result stays, where a 0 would have been summed; without it the press computes.
    zapis->komunikaty.clear();
    QStringList wyniki;
    for (const WyborMetody& metoda : {Vc, Tf})
        UruchomMetode(zapis, "PROPAN", metoda, [&](QWidget* okno) {
            EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("d34"))->text(), QString());
            ZaznaczGrupe(okno, 1);
            Nacisnij(okno, "Oblicz_Button");
            ZaznaczGrupe(okno, 34);
            Nacisnij(okno, "Oblicz_Button");
            wyniki << Wynik(okno);
        });
    EXPECT_EQ(wyniki, (QStringList{QStringLiteral("0.0825"), QStringLiteral("116.9")}));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{
                  QStringLiteral("Grupa „- N = (niepierścieniowy)” nie ma wartości poprawki dla objętości krytycznej.\rOdznacz ją."),
                  QStringLiteral("Grupa „- N = (niepierścieniowy)” nie ma wartości poprawki dla temperatury krzepnięcia.\rOdznacz ją.")}));

    // A number of atoms no molecule has is refused in its box, whatever the groups give.
    zapis->komunikaty.clear();
    const std::vector<const char*> odrzucane{"-2147483648", "1.5", "10001", "1e4000"};
    UruchomMetode(zapis, "PROPAN", Pc, [&](QWidget* okno) {
        ZaznaczGrupe(okno, 1);
        auto* Na = Kontrolka(okno, QStringLiteral("edtNa"));
        for (const char* tekst : odrzucane) {
            Wpisz(okno, "edtNa", QString::fromLatin1(tekst));
            Nacisnij(okno, "Oblicz_Button");
            EXPECT_EQ(okno->focusWidget(), Na) << tekst;
        }
        Wpisz(okno, "edtNa", QStringLiteral("11"));
        Nacisnij(okno, "Oblicz_Button");
        EXPECT_FALSE(Wynik(okno).isEmpty());
    });
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>(odrzucane.size(), QStringLiteral("Liczba atomów Na musi być liczbą całkowitą od 1 do 10000")));
}

// Heat of combustion of a substance without a heat of formation: the window goes to Joback's
// groups and comes back. Benzene's six ring =CH- give ΔHf = 68.29 + 6·2.09 = 80.83 kJ/mol; then
// ΔHc = -393.78·6 - 121·6 - 80.83 = -3169.51 kJ/mol.
TEST_F(Joback, HeatOfFormationRoundTripFromTheHeatOfCombustion)
{
    zapis->odpowiedzi = {QMessageBox::No, QMessageBox::Yes};
    bool obliczWylaczony = false, obliczWlaczony = false, ukryte = false;
    QString pytanie, wynik, strona;
    int wizytyJobacka = 0;
    QWidget* oknoSpalania = nullptr;
    UruchomMetode(zapis, "BENZEN", Spalanie, [&](QWidget* okno) {
        if (okno->objectName() == QLatin1String("Joback1_Form")) {
            ++wizytyJobacka;
            ukryte = oknoSpalania && !oknoSpalania->isVisible();
            ZaznaczGrupe(okno, 14, QStringLiteral("6"));
            Nacisnij(okno, "Oblicz_Button"); // No: stays, nothing handed back
            EXPECT_EQ(DelHf, 0.0L);
            EXPECT_FALSE(DelHfZnane);
            Nacisnij(okno, "Oblicz_Button"); // Yes: closes
            return;
        }
        oknoSpalania = okno;
        // No heat of formation in the sample record of benzene.
        obliczWylaczony = !Kontrolka<QPushButton>(okno, QStringLiteral("btnOblicz"))->isEnabled();
        Nacisnij(okno, "btnGoToJoback1");
        obliczWlaczony = Kontrolka<QPushButton>(okno, QStringLiteral("btnOblicz"))->isEnabled();
        strona = Kontrolka<QWidget>(okno, QStringLiteral("pgcDelHc"))->findChild<QWidget*>(QStringLiteral("tsAtomy"))->isVisible()
                     ? QStringLiteral("tsAtomy")
                     : QString();
        Nacisnij(okno, "btnOblicz");
        wynik = Kontrolka<QLabel>(okno, QStringLiteral("pnlDelHcWyn"))->text();
        Zrzut(okno, "delhc_benzen.png");
    });
    ASSERT_EQ(wizytyJobacka, 1);
    ASSERT_EQ(zapis->komunikaty.size(), 2u);
    EXPECT_EQ(zapis->komunikaty[1].tekst, QStringLiteral(" delHf = 80.83  (kJ/mol)\r\rPowrócić do ciepła spalania?"));
    EXPECT_EQ(zapis->komunikaty[1].rodzaj, RodzajKomunikatu::Informacja);
    EXPECT_TRUE(ukryte);
    EXPECT_TRUE(obliczWylaczony);
    EXPECT_TRUE(obliczWlaczony);
    EXPECT_EQ(strona, QStringLiteral("tsAtomy"));
    EXPECT_EQ(wynik, QStringLiteral("-3169.510  kJ/mol"));
    EXPECT_TRUE(Baza_Form->isVisible());
}

} // namespace
