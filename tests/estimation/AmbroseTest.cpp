#include "Ambrose.h"
#include "GrupyAmbrosea.h"
#include "MathError.h"
#include "OknaGrupTestowe.h"
#include "UdzialyGrup.h"

#include <QLabel>
#include <string>

namespace {

const WyborMetody Tc{0, "rgEstParam", 0, "rgTc", 0};
const WyborMetody Pc{0, "rgEstParam", 1, "rgPc", 0};
const WyborMetody Vc{0, "rgEstParam", 2, "rgVc", 0};
const QString ZleLiczby = QStringLiteral(" Źle podane wartości liczbowe ");

// ALFA: Tb 400 K, M 100 g/mol; BETA: Tb 510 K (n = 10.2, outside the alcohol rule); GAMMA:
// neither.
std::vector<TRekordYaws> Substancje()
{
    TRekordYaws alfa = BazaTestowa::Substancja("ALFA", "ALPHA", "C5H12O");
    Ustaw(alfa, {{"Tb", 400.0L}, {"Mmol", 100.0L}});
    TRekordYaws beta = BazaTestowa::Substancja("BETA", "BETA", "C9H20O");
    Ustaw(beta, {{"Tb", 510.0L}, {"Mmol", 144.25L}});
    return {alfa, beta, BazaTestowa::Substancja("GAMMA", "GAMMA", "C2H6O")};
}

// n-hexane has six carbon atoms in alkyl groups (row 1 six times). Its sums 6·0.138, 6·0.226 and
// 6·55.1 with Tb = 341.88 K and M = 86.177 g/mol give Tc = 507.039420289855 K, Pc =
// 2999521.41036016 Pa and Vc = 0.3706 m³/kmol (by mpmath); the measured constants (Poling,
// Prausnitz and O'Connell, The Properties of Gases and Liquids, 5th ed., Appendix A: 507.60 K,
// 30.25 bar, 368 cm³/mol) lie within 1 % of them. A sum at the pole of the Tc equation is refused.
TEST(GrupyAmbrosea, HexaneAgainstItsMeasuredCriticalConstants)
{
    const auto suma = [](WlasnoscAmbrosea wlasnosc) {
        const char* przyrost = TabelaGrupAmbrosea()[0].przyrosty[static_cast<int>(wlasnosc)];
        return SumaUdzialow({{1, 6.0L, std::stold(przyrost)}});
    };
    const double Tc = static_cast<double>(AmbroseTc(341.88L, suma(WlasnoscAmbrosea::Tc)));
    const double Pc = static_cast<double>(AmbrosePc(86.177L, suma(WlasnoscAmbrosea::Pc)));
    const double Vc = static_cast<double>(AmbroseVc(suma(WlasnoscAmbrosea::Vc)));
    EXPECT_NEAR(Tc, 507.039420289855, 1e-9);
    EXPECT_NEAR(Pc, 2999521.41036016, 1e-5);
    EXPECT_NEAR(Vc, 0.3706, 1e-15);
    EXPECT_NEAR(Tc, 507.60, 507.60 * 0.01);
    EXPECT_NEAR(Pc, 30.25e5, 30.25e5 * 0.01);
    EXPECT_NEAR(Vc, 0.368, 0.368 * 0.01);
    EXPECT_THROW(AmbroseTc(341.88L, -1.242L), EMathError);
}

class Ambrose : public ::testing::Test {
protected:
    void SetUp() override
    {
        PokazOknoGlowne();
        ZarejestrujAmbrosea();
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }
    static QString Wynik(QWidget* okno) { return Kontrolka(okno, QStringLiteral("wynik"))->text(); }
    static QString Tekst(QWidget* okno, const char* nazwa)
    {
        return Kontrolka<QLabel>(okno, QString::fromLatin1(nazwa))->text();
    }
    static void Kliknij(QWidget* okno, const char* nazwa)
    {
        QTest::mouseClick(Kontrolka<QLabel>(okno, QString::fromLatin1(nazwa)), Qt::LeftButton);
    }

    BazaTestowa baza_{Substancje()};
    ZapisujOkna zapis;
};

// Tb 350 K with rows 20, 47, 29 and 43 (S = 0.2 + 0.2 + 0.09 + 0.01 = 0.5): Tc = 350·(1 + 1/1.742).
// Row 28 alone with its value "0" and the record's Tb 400 K: n = 85.9/19.2, the row adds
// 0.87 - 0.11·n + 0.003·n² = 0.437913…, Tc = 400·(1 + 1/1.679913…) = 638.107498811812 K (by
// hand in 40 digits). An empty alcohol value is a bad number and keeps the earlier result.
TEST_F(Ambrose, CriticalTemperatureWithTheAlcoholRow)
{
    QStringList wyniki;
    bool polePokazane = false;
    UruchomMetode(zapis, "ALFA", Tc, [&](QWidget* okno) {
        EXPECT_EQ(Tekst(okno, "lblCo"), QStringLiteral("Temperatura krytyczna - metoda Ambrose`a"));
        EXPECT_EQ(Tekst(okno, "lblRownanie"), QStringLiteral("Tc = Tb[1+(1,242+delTc)^(-1)]"));
        EXPECT_EQ(Tekst(okno, "lblNaOpis"), QStringLiteral("Temperatura wrzenia"));
        EXPECT_EQ(Kontrolka(okno, QStringLiteral("edtNa"))->text(), QStringLiteral("400"));
        EXPECT_EQ(Tekst(okno, "a6"), QStringLiteral("-0.023"));
        EXPECT_EQ(Tekst(okno, "a28"), QStringLiteral("(* - kliknij)"));
        Kliknij(okno, "a28");
        Kliknij(okno, "Label7");
        for (int wiersz : {20, 47, 29, 43})
            ZaznaczGrupe(okno, wiersz);
        Wpisz(okno, "edtNa", QStringLiteral("350"));
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
        Zrzut(okno, "ambrose_tc.png");
        for (int wiersz : {20, 47, 29, 43})
            ZaznaczGrupe(okno, wiersz);
        ZaznaczGrupe(okno, 28);
        polePokazane = Kontrolka(okno, QStringLiteral("a28_edt"))->isVisible();
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
        Wpisz(okno, "a28_edt", QStringLiteral("0"));
        Wpisz(okno, "edtNa", QStringLiteral("400"));
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
    });
    ASSERT_EQ(wyniki.size(), 3);
    EXPECT_EQ(wyniki[0], QStringLiteral("550.918484500574"));
    EXPECT_EQ(wyniki[1], wyniki[0]);
    EXPECT_EQ(wyniki[2], QStringLiteral("638.107498811812"));
    EXPECT_TRUE(polePokazane);
    ASSERT_EQ(zapis->komunikaty.size(), 3u);
    EXPECT_TRUE(zapis->komunikaty[0].tekst.startsWith(QStringLiteral("   Należy najpierw")));
    EXPECT_TRUE(zapis->komunikaty[0].tekst.contains(QStringLiteral("odjąć 0,138")));
    EXPECT_TRUE(zapis->komunikaty[1].tekst.startsWith(QStringLiteral("   Liczba \"delta Platta\" jest definiowana")));
    EXPECT_EQ(zapis->komunikaty[2].tekst, ZleLiczby);
    EXPECT_EQ(zapis->komunikaty[2].rodzaj, RodzajKomunikatu::Zwykly);
}

// Pc with row 28 and "0": the row adds 0.1 - 0.013·n = 0.0418385…, Pc = 100/(0.3808385…)²·1e5 =
// 68947450.7179566 Pa. BETA (n = 10.2) leaves the row out with its message: Tc = 510·(1 + 1/1.38).
// GAMMA has no molar mass and no boiling point: Pc shows "?", Tc asks for the boiling point.
TEST_F(Ambrose, PressureAndTheLimitsOfTheAlcoholRule)
{
    QStringList wyniki;
    QString opis;
    auto alkohol = [&](QWidget* okno) {
        ZaznaczGrupe(okno, 28);
        Wpisz(okno, "a28_edt", QStringLiteral("0"));
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
    };
    UruchomMetode(zapis, "ALFA", Pc, alkohol);
    UruchomMetode(zapis, "BETA", Tc, [&](QWidget* okno) {
        ZaznaczGrupe(okno, 1);
        alkohol(okno);
    });
    UruchomMetode(zapis, "GAMMA", Pc, [&](QWidget* okno) {
        ZaznaczGrupe(okno, 1);
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
    });
    UruchomMetode(zapis, "GAMMA", Tc, [&](QWidget* okno) {
        opis = Tekst(okno, "lblNaOpis");
        ZaznaczGrupe(okno, 1);
        Nacisnij(okno, "Oblicz_Button");
        EXPECT_EQ(okno->focusWidget(), Kontrolka(okno, QStringLiteral("edtNa")));
        wyniki << Wynik(okno);
    });
    EXPECT_EQ(wyniki, (QStringList{QStringLiteral("68947450.7179566"), QStringLiteral("879.565217391304"),
                                   QStringLiteral("?"), QString()}));
    EXPECT_EQ(opis, QStringLiteral("Podaj temperaturę\nwrzenia"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral(" Obliczona wartość n > 10 \r Nie podlega temu warunkowi"),
                                    QStringLiteral("Podaj temperaturę wrzenia")}));
}

// Vc: row 1 alone gives (40 + 55.1)/1000; row 28 is an ordinary row there (2 × 15). A ticked
// aromatic row has no Vc increment and is refused, keeping the result. Esc and Enter do nothing.
TEST_F(Ambrose, VolumeRefusesRowsWithoutAnIncrement)
{
    QStringList wyniki;
    bool widocznePoEsc = false;
    UruchomMetode(zapis, "ALFA", Vc, [&](QWidget* okno) {
        EXPECT_FALSE(Kontrolka(okno, QStringLiteral("edtNa"))->isVisible());
        EXPECT_EQ(Tekst(okno, "a28"), QStringLiteral("15"));
        EXPECT_EQ(Tekst(okno, "a36"), QString());
        Kliknij(okno, "a35");
        ZaznaczGrupe(okno, 1);
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
        ZaznaczGrupe(okno, 36);
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
        ZaznaczGrupe(okno, 36);
        ZaznaczGrupe(okno, 1);
        ZaznaczGrupe(okno, 28, QStringLiteral("2"));
        QTest::keyClick(Kontrolka(okno, QStringLiteral("edt28")), Qt::Key_Return);
        wyniki << Wynik(okno);
        Nacisnij(okno, "Oblicz_Button");
        wyniki << Wynik(okno);
        QTest::keyClick(okno, Qt::Key_Escape);
        widocznePoEsc = okno->isVisible();
    });
    EXPECT_EQ(wyniki, (QStringList{QStringLiteral("0.0951"), QStringLiteral("0.0951"), QStringLiteral("0.0951"),
                                   QStringLiteral("0.07")}));
    EXPECT_TRUE(widocznePoEsc);
    ASSERT_EQ(zapis->komunikaty.size(), 2u);
    EXPECT_TRUE(zapis->komunikaty[0].tekst.startsWith(QStringLiteral("   Przy oszacowaniu objętości krytycznych")));
    EXPECT_EQ(zapis->komunikaty[1].tekst,
              QStringLiteral("Grupa „Pirydyna” nie ma wartości poprawki dla objętości krytycznej.\rOdznacz ją."));
}

} // namespace
