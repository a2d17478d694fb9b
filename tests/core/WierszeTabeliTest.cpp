// The table's logic without its window: the bounded range loop in extended arithmetic, the
// method each code names with its headers and its refusals, the Tyn-Calus coefficient and the
// equilibrium rows. Reference values: row counts from an exact emulation of 64-bit-significand
// rounding (python fractions), formula values from mpmath at 40 digits.
#include "WierszeTabeli.h"

#include "FloatText.h"
#include "MathError.h"
#include "Zmienne.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Zakres {
    const char *poczatek, *koniec, *krok;
    BladZakresu blad;
    size_t liczba;
    const char* ostatni; // FloatToStr of the last argument
};

TEST(ArgumentyTabeli, StepsInExtendedArithmeticWithTheirBounds)
{
    const Zakres zakresy[] = {
        {"300", "310", "5", BladZakresu::Brak, 3, "310"},
        {"310", "300", "5", BladZakresu::Brak, 1, "310"},
        {"300", "300", "1", BladZakresu::Brak, 1, "300"},
        // 0.1 rounds up in extended: the tenth step passes 1 (doubles would give 11 rows).
        {"0", "1", "0.1", BladZakresu::Brak, 10, "0.9"},
        {"0", "1", "0.01", BladZakresu::Brak, 101, "1"},
        {"1", "10", "0.1", BladZakresu::Brak, 90, "9.9"},
        {"300", "310", "0", BladZakresu::ZlyKrok, 0, ""},
        {"300", "310", "-5", BladZakresu::ZlyKrok, 0, ""},
        {"300", "310", "1E-20", BladZakresu::ZlyKrok, 0, ""},
        {"0", "99999", "1", BladZakresu::Brak, 100000, "99999"},
        {"0", "100000", "1", BladZakresu::ZbytWieleWierszy, 0, ""},
        {"0", "1E300", "1", BladZakresu::ZbytWieleWierszy, 0, ""},
    };
    for (const Zakres& z : zakresy) {
        const TZakresTabeli wynik = ArgumentyTabeli(StrToFloat(z.poczatek), StrToFloat(z.koniec), StrToFloat(z.krok));
        SCOPED_TRACE(std::string(z.poczatek) + ".." + z.koniec + " by " + z.krok);
        EXPECT_EQ(wynik.blad, z.blad);
        ASSERT_EQ(wynik.argumenty.size(), z.liczba);
        if (z.liczba > 0) {
            EXPECT_EQ(FloatToStr(wynik.argumenty.back()), QString::fromLatin1(z.ostatni));
        }
    }
}

TEST(ArgumentyTabeli, EachArgumentIsThePreviousPlusTheStep)
{
    const long double krok = StrToFloat(QStringLiteral("0.1"));
    const TZakresTabeli wynik = ArgumentyTabeli(0.0L, 1.0L, krok);
    long double oczekiwany = 0.0L;
    for (long double argument : wynik.argumenty) {
        EXPECT_EQ(argument, oczekiwany);
        oczekiwany += krok;
    }
    EXPECT_GT(oczekiwany, 1.0L);
}

class MetodyTabeli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetujZmienne();
        // Benzene's critical data.
        TRekordYaws& r = RekordYaws;
        r.Mmol = 78.11184L;
        r.Tb = 353.24L;
        r.Tc = 562.05L;
        r.Pc = 48.95L;
        r.Vc = 256.0L;
        r.Omega = 0.209L;
        r.DipM = 0.0L;
    }
    void TearDown() override { ResetujZmienne(); }

    TMetodaTabeli Metoda(const char* kod, const TDaneEstymacji* dane = nullptr, char gaz = ' ', char ciecz = ' ')
    {
        std::optional<TMetodaTabeli> metoda = MetodaTabeli(gaz, ciecz, QString::fromLatin1(kod), dane);
        if (!metoda)
            throw std::logic_error("no method");
        return *metoda;
    }

    TDaneEstymacji dane;
};

TEST_F(MetodyTabeli, HeadersOfEveryCode)
{
    dane.T = dane.Tnas = 300;
    dane.Pnas = 1;
    dane.LepNas = 0.001L;
    dane.gestoscMolowa = 0.001L;
    dane.tynaCalusa = TDaneTynaCalusa{60, 20, 3, 4, 0.00089L};
    dane.Vc = dane.TR = dane.VR = dane.Omega = dane.Tc = dane.M = dane.Zra = dane.Pc = 1;
    struct Naglowki {
        const char *kod, *argument, *wartosc;
    };
    for (Naglowki n : {Naglowki{"000", "T [K]", " Sigma [N/m]"}, Naglowki{"010", "T [K]", " Lambda [W/(m K)]"},
                       Naglowki{"020", "T [K]", " DelHv [J/mol]"}, Naglowki{"030", "T [K]", " nig [Pa*s]"},
                       Naglowki{"031", "T [K]", " nig [Pa*s]"}, Naglowki{"032", "Ciśnienie [bar]", " nig [Pa*s]"},
                       Naglowki{"Tyna", "T [K]", "Dab [cm^2/s]"}, Naglowki{"GestcRackett", "T [K]", "Gęstość [kg/m^3]"},
                       Naglowki{"GestcRackett2", " T [K]", " Gęstość [kg/m^3]"}, Naglowki{"HBT", " T [K]", " Gęstość [kg/m^3]"},
                       Naglowki{"Spencer-Danner", " T [K]", " Gęstość [kg/m^3]"}}) {
        const TMetodaTabeli m = Metoda(n.kod, &dane);
        EXPECT_EQ(m.naglowekArgumentu, QString::fromUtf8(n.argument)) << n.kod;
        EXPECT_EQ(m.naglowekWartosci, QString::fromUtf8(n.wartosc)) << n.kod;
    }
    EXPECT_FALSE(MetodaTabeli(' ', ' ', QStringLiteral("MixLepGaz"), &dane));
    EXPECT_FALSE(MetodaTabeli(' ', ' ', QStringLiteral("RcgBis"), &dane));
}

TEST_F(MetodyTabeli, ExperimentalCodesComeFirstWithTheirHeaders)
{
    TRekordYaws& r = RekordYaws;
    r.PvpA = 30;
    r.PvpB = -3000;
    r.PvpC = r.PvpD = r.PvpE = 0;
    r.PvpTmin = 200;
    r.PvpTmax = 600;
    const TMetodaTabeli m = Metoda("000", nullptr, '5', '0');
    EXPECT_EQ(m.naglowekArgumentu, QStringLiteral("T [K]"));
    EXPECT_EQ(m.naglowekWartosci, QStringLiteral("Prężność pary [Pa]"));
    // 10^(30 - 3000/300) mmHg
    EXPECT_NEAR(static_cast<double>(m.wartosc(300) / 133.322L / 1e20L), 1.0, 1e-15);
    // Liquid viscosity has no coefficients here: refused, not computed with BrakDanych.
    EXPECT_THROW(Metoda("", nullptr, ' ', '0'), EOdmowaTabeli);
}

TEST_F(MetodyTabeli, MissingInputsAreRefused)
{
    RekordYaws.Tb = BrakDanych;
    EXPECT_THROW(Metoda("000"), EOdmowaTabeli);  // Brock-Bird reads Tb
    EXPECT_NO_THROW(Metoda("020"));              // Pitzer does not
    RekordYaws.DipM = BrakDanych;
    EXPECT_THROW(Metoda("030", &dane), EOdmowaTabeli);
    RekordYaws.DipM = 0;
    EXPECT_THROW(Metoda("030"), EOdmowaTabeli);  // the estimation window is not open
    EXPECT_THROW(Metoda("031", &dane), EOdmowaTabeli); // no molar density computed yet
    EXPECT_THROW(Metoda("Tyna", &dane), EOdmowaTabeli);
    EXPECT_THROW(Metoda("Aalto", &dane), EOdmowaTabeli); // no card volume, no vapour pressure
    // A box of the window that held no number.
    dane.Omega = 0.2L;
    dane.Tc = 500;
    dane.M = 78;
    EXPECT_THROW(Metoda("GestcRackett", &dane), EOdmowaTabeli);
}

TEST_F(MetodyTabeli, EstimationValuesAtTheirIndependentValues)
{
    struct Wartosc {
        const char* kod;
        long double argument, oczekiwana;
    };
    dane.Vc = 0.256L;
    dane.Omega = 0.209L;
    dane.Tc = 562.05L;
    dane.M = 78.11184L;
    dane.tynaCalusa = TDaneTynaCalusa{60, 20, 3, 4, 0.00089L};
    for (Wartosc w : {Wartosc{"000", 295, 0.027840877028490961038L}, Wartosc{"GestcRackett", 310, 858.69971454479778608L},
                      Wartosc{"Tyna", 298, 0.00001179924025378316649L}}) {
        const long double wynik = Metoda(w.kod, &dane).wartosc(w.argument);
        EXPECT_NEAR(static_cast<double>(wynik / w.oczekiwana), 1.0, 1e-15) << w.kod;
    }
}

// The saturated viscosity belongs to Tnas; at P = Ps only the Lewis-Squires shift from Tnas
// to T remains; no rows below Ps.
TEST_F(MetodyTabeli, LucasOverPressureShiftsFromTheSaturationTemperature)
{
    dane.T = 320;
    dane.Tnas = 300;
    dane.Pnas = 1.5L;
    dane.LepNas = 0.001L;
    const TMetodaTabeli m = Metoda("032", &dane);
    EXPECT_EQ(m.najmniejszyArgument, 1.5L);
    EXPECT_NEAR(static_cast<double>(m.wartosc(1.5L) / 0.00073383284043054498223L), 1.0, 1e-15);
    EXPECT_THROW(m.wartosc(1.0L), EMathError); // below Ps the pressure factor has no value
}

TEST_F(MetodyTabeli, FloatingPointErrorsThrowAndNeverGiveNaN)
{
    const TMetodaTabeli m = Metoda("010");
    EXPECT_TRUE(std::isfinite(m.wartosc(500)));
    EXPECT_THROW(m.wartosc(600), EMathError); // above Tc
    // A heat of vaporisation may be 0 (at Tc), only not below it.
    EXPECT_EQ(Metoda("020").wartosc(562.05L), 0.0L);
}

TEST(WierszeRownowagi, RowsOfTheResultArraysAsTheTableShowsThem)
{
    ResetujZmienne();
    EXPECT_THROW(WierszeRownowagi(RodzajTabeli::Izobara), EOdmowaTabeli);
    LiczbaPunktow = 2;
    for (int i = 1; i <= 2; ++i) {
        WynikX1[i] = i - 1;
        WynikY1[i] = 0.5L * i;
        WynikGamma1[i] = 1.25L;
        WynikGamma2[i] = 1.5L;
        WynikGE[i] = 0.125L;
        WynikT[i] = 350 + i;
        WynikP[i] = 700 + i;
    }
    const auto izobara = WierszeRownowagi(RodzajTabeli::Izobara);
    ASSERT_EQ(izobara.size(), 2u);
    EXPECT_EQ(izobara[1], (QStringList{"2", "352", "1", "1", "1.25", "1.5", "0.125"}));
    const auto izoterma = WierszeRownowagi(RodzajTabeli::Izoterma);
    EXPECT_EQ(izoterma[0], (QStringList{"1", "701", "0", "0.5", "1.25", "1.5"}));
    EXPECT_EQ(NaglowkiRownowagi(RodzajTabeli::Izobara).size(), 7);
    EXPECT_EQ(NaglowkiRownowagi(RodzajTabeli::Izoterma).last(), QStringLiteral("gamma2 [-]"));
    LiczbaPunktow = 5000; // never past the arrays
    EXPECT_EQ(WierszeRownowagi(RodzajTabeli::Izoterma).size(), static_cast<size_t>(MaksLiczbaPunktow));
    EXPECT_EQ(RodzajTabeliDlaKodu(QStringLiteral("RcgBis")), RodzajTabeli::Izobara);
    EXPECT_EQ(RodzajTabeliDlaKodu(QStringLiteral("RcgpBis")), RodzajTabeli::Izoterma);
    EXPECT_EQ(RodzajTabeliDlaKodu(QStringLiteral("032")), RodzajTabeli::Zakres);
    ResetujZmienne();
}

} // namespace
