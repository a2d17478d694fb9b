// Chung's mixture window driven as a user drives it: fractions that complete each other, the
// association inputs of the polar option, the refusal without a density, and the density round
// trip through the gas-mixture window with methane and nitrogen of the sample database.
#include "BazaTestowa.h"
#include "ChungmixG.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "PoleLiczbowe.h"
#include "TestyMieszanin.h"
#include "Wilke.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

namespace {

class OknoChunga : public ::testing::Test {
protected:
    void SetUp() override
    {
        KodMetody = QStringLiteral("ChungMG");
        okno = std::make_unique<TChungMG_Form>();
        okno->show();
        QApplication::processEvents();
    }

    void Mieszanina()
    {
        WybierzZwiazek(okno->cbZwiazek1, "METAN");
        WybierzZwiazek(okno->cbZwiazek2, "AZOT");
        Wpisz(okno->eU1, "0.4");
        Wpisz(okno->edtT, "300");
        Wpisz(okno->edtP, "1");
    }

    // Nitrogen with carbon dioxide (its name is chosen whole: key clicks are ASCII only).
    void AzotIDwutlenek()
    {
        WybierzZwiazek(okno->cbZwiazek1, "AZOT");
        okno->cbZwiazek2->setFocus();
        okno->cbZwiazek2->setEditText(QStringLiteral("DITLENEK WĘGLA"));
        QTest::keyClick(okno->cbZwiazek2, Qt::Key_Return);
    }

    void Oblicz() { QTest::mouseClick(okno->buttonOblicz, Qt::LeftButton); }

    // The density button, with Z(0) typed in the gas-mixture window (after the check of what it
    // took over) and Z(1) = 0; returns the density that window showed.
    QString PobierzGestosc(const QString& Z0, const std::function<void(TWilke_Form*)>& sprawdz = {})
    {
        QString gestosc;
        zapis->skryptModalny = [&](QWidget* widok) {
            auto* wilke = qobject_cast<TWilke_Form*>(widok);
            ASSERT_NE(wilke, nullptr);
            if (sprawdz)
                sprawdz(wilke);
            Wpisz(wilke->edtWsp0, Z0);
            Wpisz(wilke->edtWsp1, "0");
            QTest::mouseClick(wilke->buttonOblicz, Qt::LeftButton);
            gestosc = wilke->Edit11->text();
        };
        QTest::mouseClick(okno->sbtnGestosc, Qt::LeftButton);
        return gestosc;
    }

    BazaTestowa baza_ = BazaTestowa::Probna();
    ZapisujOkna zapis;
    std::unique_ptr<TChungMG_Form> okno;
};

TEST_F(OknoChunga, FractionsCompleteEachOther)
{
    Wpisz(okno->eU1, "0.3");
    EXPECT_EQ(okno->eU2->text(), QStringLiteral("0.7"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    Wpisz(okno->eU1, "1,2");
    EXPECT_EQ(okno->eU1->text(), QStringLiteral("1.2"));
    EXPECT_EQ(okno->eU2->text(), QStringLiteral("-0.2"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" y1>1!!!")});
    Wpisz(okno->eU2, "1.5");
    EXPECT_EQ(okno->eU1->text(), QStringLiteral("-0.5"));
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Suma udziałów jest większa od 1"));

    EXPECT_FALSE(okno->edtOH1->isVisibleTo(okno.get()));
    QTest::mouseClick(okno->chbCzyPolarne, Qt::LeftButton);
    EXPECT_TRUE(okno->edtOH1->isVisibleTo(okno.get()) && okno->lblIleOH->isVisibleTo(okno.get()));
    EXPECT_EQ(okno->edtOH2->text(), QStringLiteral("1"));

    QTest::keyClick(okno.get(), Qt::Key_Escape);
    EXPECT_TRUE(okno->isVisible());
}

// No density, nothing computed; an unknown component is refused with its list's message.
TEST_F(OknoChunga, RefusesWithoutDensityOrComponent)
{
    Mieszanina();
    Oblicz();
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("Brak gęstości mieszaniny. Oblicz ją przyciskiem \"Oblicz gęstość\".")});
    EXPECT_TRUE(okno->Edit1->text().isEmpty());
    Wpisz(okno->eU2, "abc");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Źle podane wartości liczbowe"));
    EXPECT_TRUE(okno->Edit1->text().isEmpty());
    WybierzZwiazek(okno->cbZwiazek2, "AZOTX");
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą"));
    Wpisz(okno->edtP, "x");
    QTest::mouseClick(okno->sbtnGestosc, Qt::LeftButton);
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Sprawdź T i P"));
    EXPECT_TRUE(zapis->oknaModalne.empty());
}

// The density button opens the gas-mixture window with this window's mixture; its density
// comes back, and the viscosity follows (reference: the equations evaluated with mpmath).
TEST_F(OknoChunga, DensityRoundTrip)
{
    Mieszanina();
    const QString gestoscWilkego = PobierzGestosc(QStringLiteral("1"), [](TWilke_Form* wilke) {
        EXPECT_EQ(wilke->eLiczbaZwiazkow->text(), QStringLiteral("2"));
        EXPECT_EQ(wilke->cbZwiazek[0]->currentText(), QStringLiteral("METAN"));
        EXPECT_EQ(wilke->cbZwiazek[1]->currentText(), QStringLiteral("AZOT"));
        EXPECT_EQ(wilke->eU[1]->text(), QStringLiteral("0.6"));
        EXPECT_EQ(wilke->edtT->text(), QStringLiteral("300"));
        EXPECT_EQ(wilke->edtCis->text(), QStringLiteral("1"));
        EXPECT_TRUE(wilke->btnWsp->isVisible());
    });
    ASSERT_EQ(zapis->oknaModalne.size(), 1u);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_FALSE(gestoscWilkego.isEmpty());
    EXPECT_EQ(okno->edtGestoscObl->text(), gestoscWilkego);
    EXPECT_TRUE(okno->edtGestoscObl->isReadOnly());

    Oblicz();
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_NEAR(double(Liczba(okno->Edit1)), 144.1570197548930081, 1e-10);
    EXPECT_NEAR(double(Liczba(okno->edtWynikPas)), 144.1570197548930081e-7, 1e-17);
    ZapiszZrzut(okno.get(), "chung_po_gestosci.png");

    // Another temperature is another mixture state: its density is gone.
    Wpisz(okno->edtT, "310");
    EXPECT_TRUE(okno->edtGestoscObl->text().isEmpty());
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst,
              QStringLiteral("Brak gęstości mieszaniny. Oblicz ją przyciskiem \"Oblicz gęstość\"."));
    EXPECT_TRUE(okno->Edit1->text().isEmpty());
}

// Nitrogen with carbon dioxide at 350 K and 100 bar, Z(0) = 1 and Z(1) = 0 in the gas-mixture
// window. A density is taken back only for the state this window shows: one the gas-mixture
// window computed after its temperature, pressure, a component, a fraction or the count changed
// belongs to another mixture and is not taken (the 500 K one gave 208.42 µP instead of 215.69).
TEST_F(OknoChunga, DensityOfAnotherStateIsNotTaken)
{
    AzotIDwutlenek();
    Wpisz(okno->eU1, "1");
    Wpisz(okno->edtT, "350");
    Wpisz(okno->edtP, "100");
    const std::vector<std::function<void(TWilke_Form*)>> zmiany{
        [](TWilke_Form* w) { Wpisz(w->edtT, "500"); },
        [](TWilke_Form* w) { Wpisz(w->edtCis, "90"); },
        [](TWilke_Form* w) { WybierzZwiazek(w->cbZwiazek[1], "METAN"); },
        [](TWilke_Form* w) { Wpisz(w->eU[0], "0.5"); },
        [](TWilke_Form* w) {
            Wpisz(w->eLiczbaZwiazkow->edycja(), "3");
            WybierzZwiazek(w->cbZwiazek[2], "METAN");
            Wpisz(w->eU[1], "0");
        }};
    for (size_t i = 0; i < zmiany.size(); ++i) {
        EXPECT_FALSE(PobierzGestosc(QStringLiteral("1"), zmiany[i]).isEmpty()) << i;
        EXPECT_TRUE(okno->edtGestoscObl->text().isEmpty()) << i;
        Oblicz();
        EXPECT_EQ(zapis->komunikaty.back().tekst,
                  QStringLiteral("Brak gęstości mieszaniny. Oblicz ją przyciskiem \"Oblicz gęstość\".")) << i;
        EXPECT_TRUE(okno->Edit1->text().isEmpty()) << i;
    }
    const QString gestosc = PobierzGestosc(QStringLiteral("1"));
    EXPECT_EQ(okno->edtGestoscObl->text(), gestosc);
    Oblicz();
    EXPECT_NEAR(double(Liczba(okno->Edit1)), 215.69, 0.005);
}

// One reading of a typed number: "0.79 " (a trailing blank) is 0.79 for the completed fraction,
// for the gas-mixture window it goes to ("350 " is 350 K there) and for the viscosity, which is
// the one of the same numbers typed without blanks (the fill once gave y2 = 1 and a viscosity of
// the sum 1.79).
TEST_F(OknoChunga, TypedNumbersReadOneWay)
{
    AzotIDwutlenek();
    Wpisz(okno->eU1, "0.79 ");
    EXPECT_EQ(okno->eU2->text(), QStringLiteral("0.21"));
    Wpisz(okno->edtT, "350 ");
    Wpisz(okno->edtP, " 100");
    EXPECT_FALSE(PobierzGestosc(QStringLiteral("1")).isEmpty());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_FALSE(okno->edtGestoscObl->text().isEmpty());
    Oblicz();
    EXPECT_TRUE(zapis->komunikaty.empty());
    const QString zOdstepami = okno->Edit1->text();
    EXPECT_FALSE(zOdstepami.isEmpty());
    for (auto [pole, tekst] : {std::pair{okno->eU1, "0.79"}, std::pair{okno->edtT, "350"}, std::pair{okno->edtP, "100"}})
        Wpisz(pole, tekst);
    PobierzGestosc(QStringLiteral("1"));
    Oblicz();
    EXPECT_EQ(okno->Edit1->text(), zOdstepami);
}

} // namespace

namespace {

// Each input is refused in its box before anything is computed: T or P not above 0 (also "-0"
// and 1e-4000), a fraction outside 0 .. 1 (the warning while typing permits nothing), a density
// too large for the method. Any change of an input clears the viscosity; a refusal leaves none.
TEST_F(OknoChunga, ImpossibleInputRefusedAndNoViscosityStays)
{
    Mieszanina();
    PobierzGestosc(QStringLiteral("1"));
    const std::vector<std::function<void()>> zmiany{
        [&] { QTest::mouseClick(okno->chbCzyPolarne, Qt::LeftButton); },
        [&] { Wpisz(okno->edtOH1->edycja(), "2"); },
        [&] { Wpisz(okno->eU1, "1.2"); }};
    KazdaZmianaCzysciWynik([&] { Oblicz(); }, [&] { return okno->Edit1->text() + okno->edtWynikPas->text(); }, zmiany);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" y1>1!!!")});
    Oblicz();
    SprawdzOdmowe(zapis, okno->eU1, QStringLiteral("Udział molowy y1 musi leżeć w przedziale od 0 do 1"));
    Wpisz(okno->eU2, "1.5");
    Oblicz();
    SprawdzOdmowe(zapis, okno->eU1, QStringLiteral("Udział molowy y1 musi leżeć w przedziale od 0 do 1"));
    for (const char* T : {"0", "-0", "1e-4000"}) {
        Wpisz(okno->edtT, T);
        Oblicz();
        SprawdzOdmowe(zapis, okno->edtT, QStringLiteral("Temperatura musi być większa od 0 K"));
    }
    Wpisz(okno->edtT, "300");
    Wpisz(okno->edtP, "0");
    Oblicz();
    SprawdzOdmowe(zapis, okno->edtP, QStringLiteral("Ciśnienie musi być większe od 0"));
    QTest::mouseClick(okno->sbtnGestosc, Qt::LeftButton);
    SprawdzOdmowe(zapis, okno->edtP, QStringLiteral("Ciśnienie musi być większe od 0"));
    EXPECT_EQ(zapis->oknaModalne.size(), 1u);

    // Z(0) = 0.0001 gives ρ = 0.4 mol/cm³: ρ·Vc/6 is far above 1.
    Wpisz(okno->edtP, "1");
    Wpisz(okno->eU1, "0.4");
    PobierzGestosc(QStringLiteral("0.0001"));
    Oblicz();
    SprawdzOdmowe(zapis, okno->edtGestoscObl,
                  QStringLiteral("Gęstość mieszaniny poza zakresem metody Chunga (wymagane 0 < ρ·Vc/6 < 1)."));
    EXPECT_TRUE(okno->Edit1->text().isEmpty());
    SprawdzBezNieliczb(okno.get());
}

} // namespace
