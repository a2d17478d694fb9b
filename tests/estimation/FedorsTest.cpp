#include "Fedors.h"
#include "OknaGrupTestowe.h"

#include <QLabel>

namespace {

const WyborMetody Tc{0, "rgEstParam", 0, "rgTc", 2};
const QString ZleLiczby = QStringLiteral(" Źle podane wartości liczbowe ");

class Fedors : public ::testing::Test {
protected:
    void SetUp() override
    {
        PokazOknoGlowne();
        ZarejestrujFedorsa();
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }
    static QString Wynik(QWidget* okno) { return Kontrolka(okno, QStringLiteral("wynik"))->text(); }

    BazaTestowa baza_ = BazaTestowa::Probna();
    ZapisujOkna zapis;
};

// Rows 1 × 2 and 2 × 3: S = 2·1.79 + 3·1.34 = 7.6, Tc = 535·log10 7.6 = 471.235271870223 K (by
// mpmath); rows 20 and 29 give S = 10 and Tc = 535 K. A bad count or a sum without a logarithm
// never shows a result: the first keeps the earlier one, the second empties it.
TEST_F(Fedors, CriticalTemperatureFromTheGroups)
{
    QStringList wyniki;
    UruchomMetode(zapis, "PROPAN", Tc, [&](QWidget* okno) {
        EXPECT_EQ(Kontrolka<QCheckBox>(okno, QStringLiteral("cb12"))->text(), QStringLiteral("- CO - O OC - "));
        EXPECT_EQ(Kontrolka<QLabel>(okno, QStringLiteral("a4"))->text(), QStringLiteral("-0.22"));
        EXPECT_FALSE(Kontrolka(okno, QStringLiteral("wynik"))->isVisible());
        ZaznaczGrupe(okno, 1, QStringLiteral("2"));
        ZaznaczGrupe(okno, 2, QStringLiteral("3"));
        Nacisnij(okno, "ObliczBtn");
        wyniki << Wynik(okno);
        Zrzut(okno, "fedors.png");
        ZaznaczGrupe(okno, 30, QStringLiteral("abc"));
        Nacisnij(okno, "ObliczBtn");
        wyniki << Wynik(okno);
        ZaznaczGrupe(okno, 30);
        ZaznaczGrupe(okno, 1);
        ZaznaczGrupe(okno, 2);
        ZaznaczGrupe(okno, 20);
        ZaznaczGrupe(okno, 29);
        Nacisnij(okno, "ObliczBtn");
        wyniki << Wynik(okno);
        ZaznaczGrupe(okno, 20);
        ZaznaczGrupe(okno, 29);
        ZaznaczGrupe(okno, 4);
        Nacisnij(okno, "ObliczBtn");
        wyniki << Wynik(okno);
    });
    EXPECT_EQ(wyniki, (QStringList{QStringLiteral("471.235271870223"), QStringLiteral("471.235271870223"),
                                   QStringLiteral("535"), QString()}));
    ASSERT_EQ(zapis->komunikaty.size(), 2u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, ZleLiczby);
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Zwykly);
    EXPECT_EQ(zapis->komunikaty[1].rodzaj, RodzajKomunikatu::Ostrzezenie);
}

} // namespace
