#include "DelHcWynik.h"
#include "OknaGrupTestowe.h"

#include <QLabel>
#include <QStackedWidget>

namespace {

class CieploSpalania : public ::testing::Test {
protected:
    CieploSpalania() { ResetujZmienne(); }
    ~CieploSpalania() override { ResetujZmienne(); }

    // The globals as the main window's preparation leaves them.
    void Przygotuj(int c, int h, int cl, long double delHf, bool znane)
    {
        KodMetody = QStringLiteral("050");
        NazwaZwiazku = QStringLiteral("BENZEN");
        WzorZwiazku = QStringLiteral("C6H6");
        Nc = c, Nh = h, Ncl = cl;
        DelHf = delHf;
        DelHfZnane = znane;
        TrybAtomow = c + h + cl > 0;
        DelHcMinusDelHf = !TrybAtomow;
        okno = std::make_unique<TDelHcWynForm>();
        okno->show();
    }
    QString Wynik() const { return okno->pnlDelHcWyn->text(); }

    std::unique_ptr<TDelHcWynForm> okno;
    ZapisujOkna zapis;
};

// Benzene with ΔHf = 82.93: -393.78·6 - 121·6 - 82.93 = -3171.61 kJ/mol. A count that is not a
// whole number is refused and the result on view stays as it was.
TEST_F(CieploSpalania, BenzeneAndABadCountThatLeavesTheResult)
{
    Przygotuj(6, 6, 0, 82.93L, true);
    EXPECT_EQ(Wynik(), QStringLiteral("?"));
    EXPECT_EQ(okno->edtNc->text(), QStringLiteral("6"));
    EXPECT_EQ(okno->pgcDelHc->currentWidget(), okno->tsAtomy);
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("-3171.610  kJ/mol"));

    Wpisz(okno.get(), "edtNh", QStringLiteral("6.5"));
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Uzupełnij liczbę atomów!")});
    EXPECT_EQ(Wynik(), QStringLiteral("-3171.610  kJ/mol"));

    // The first refusal never shows a zero result.
    Przygotuj(6, 6, 0, 82.93L, true);
    Wpisz(okno.get(), "edtNc", QString());
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("?"));
}

// Typing a halogen count updates Nx and enables the defaults, which bring the counts back.
// CCl4 with ΔHf = -95.98: -393.78 - 121·(0 - 4) - 92.37·4 + 95.98 = -183.28 kJ/mol.
TEST_F(CieploSpalania, HalogensAndDefaults)
{
    Przygotuj(1, 0, 4, -95.98L, true);
    EXPECT_EQ(okno->stxNx->text(), QStringLiteral("4"));
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("-183.280  kJ/mol"));
    Wpisz(okno.get(), "edtNf", QStringLiteral("2"));
    EXPECT_EQ(okno->stxNx->text(), QStringLiteral("6"));
    EXPECT_TRUE(okno->btnDefault->isEnabled());
    Nacisnij(okno.get(), "btnDefault");
    EXPECT_EQ(okno->edtNf->text(), QStringLiteral("0"));
    EXPECT_EQ(okno->stxNx->text(), QStringLiteral("4"));
    EXPECT_FALSE(okno->btnDefault->isEnabled());
}

// No C, H, F, Cl, Br, I or S: the heat of combustion is minus the heat of formation.
TEST_F(CieploSpalania, WithoutTheAtomsItIsMinusTheHeatOfFormation)
{
    Przygotuj(0, 0, 0, 82.05L, true);
    EXPECT_FALSE(okno->pgcDelHc->isVisible());
    EXPECT_TRUE(okno->napisyMinusDelHf->isVisible());
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("-82.050  kJ/mol"));
}

// Without a heat of formation, answering No in Joback's window leaves the result unreachable.
TEST_F(CieploSpalania, JobackAnsweredNoChangesNothing)
{
    Przygotuj(6, 6, 0, 0.0L, false);
    zapis->odpowiedzi = {QMessageBox::No};
    zapis->skryptModalny = [](QWidget* joback) {
        ZaznaczGrupe(joback, 14, QStringLiteral("6"));
        Nacisnij(joback, "Oblicz_Button");
    };
    Nacisnij(okno.get(), "btnGoToJoback1");
    EXPECT_TRUE(okno->isVisible());
    EXPECT_FALSE(okno->btnOblicz->isEnabled());
    EXPECT_EQ(okno->pgcDelHc->currentWidget(), okno->tsGoToJoback1);
    EXPECT_FALSE(DelHfZnane);
    EXPECT_EQ(DelHf, 0.0L);
}

} // namespace
