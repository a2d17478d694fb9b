#include "Ambrose.h"
#include "EstymacjaParametrow.h"
#include "Fedors.h"
#include "GrupyFedorsa.h"
#include "Joback.h"
#include "MathError.h"
#include "OknaGrupTestowe.h"
#include "UdzialyGrup.h"

#include <QApplication>
#include <QLabel>
#include <string>

namespace {

const WyborMetody Tc{0, "rgEstParam", 0, "rgTc", 2};
const QString ZleLiczby = QStringLiteral(" Źle podane wartości liczbowe ");

// n-hexane, two - CH3 and four - CH2 -: S = 2·1.79 + 4·1.34 = 8.94 and Tc = 535·log10 8.94 =
// 508.965572555816 K (by mpmath); the measured 507.60 K (Poling, Prausnitz and O'Connell, The
// Properties of Gases and Liquids, 5th ed., Appendix A) lies within 1 % of it. A sum that is not
// positive has no logarithm: the one refusal of the group-contribution equations.
TEST(GrupyFedorsa, HexaneAgainstItsMeasuredCriticalTemperature)
{
    const auto przyrost = [](int wiersz) { return std::stold(TabelaGrupFedorsa()[wiersz - 1].przyrost); };
    const double Tc = static_cast<double>(FedorsTc(SumaUdzialow({{1, 2.0L, przyrost(1)}, {2, 4.0L, przyrost(2)}})));
    EXPECT_NEAR(Tc, 508.965572555816, 1e-9);
    EXPECT_NEAR(Tc, 507.60, 507.60 * 0.01);
    for (long double S : {0.0L, -0.22L})
        try {
            FedorsTc(S);
            ADD_FAILURE() << static_cast<double>(S);
        } catch (const EMathError& blad) {
            EXPECT_STREQ(blad.what(), "Dla podanych danych nie można obliczyć wyniku.");
        }
}

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

namespace {

// Each window of the parameter tab, opened and closed as a user does it, many times over.
TEST_F(Fedors, RepeatedOpeningsOfTheParameterWindowsLeaveNoWidgetBehind)
{
    ZarejestrujJobacka();
    ZarejestrujAmbrosea();
    ZarejestrujOknoEstymacjiParametrow();
    const WyborMetody okna[] = {Tc, {0, "rgEstParam", 0, "rgTc", 0}, {0, "rgEstParam", 0, "rgTc", 1},
                                {0, "rgEstParam", 0, "rgTc", 3}};
    const auto otworzKazde = [&] {
        for (const WyborMetody& m : okna)
            UruchomMetode(zapis, "PROPAN", m, [](QWidget* okno) { okno->close(); });
    };
    otworzKazde(); // the first run creates what the program keeps for good
    const qsizetype przed = QApplication::allWidgets().size();
    for (int i = 0; i < 25; ++i)
        otworzKazde();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::allWidgets().size(), przed);
    EXPECT_EQ(zapis->tekstyKomunikatow().size(), 0u);
}

} // namespace
