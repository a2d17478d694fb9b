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
// whole number from 0 to 10000 is refused in its edit and no result stays on view; counts beyond
// the 32-bit range typed while Nx follows them change nothing. 10000 hydrogens:
// -2362.68 - 1210000 - 82.93 = -1212445.61.
TEST_F(CieploSpalania, BenzeneAndImpossibleCountsAreRefused)
{
    Przygotuj(6, 6, 0, 82.93L, true);
    EXPECT_EQ(Wynik(), QStringLiteral("?"));
    EXPECT_EQ(okno->edtNc->text(), QStringLiteral("6"));
    EXPECT_EQ(okno->pgcDelHc->currentWidget(), okno->tsAtomy);
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("-3171.610  kJ/mol"));

    const QString wodor = QStringLiteral("Uzupełnij liczbę atomów! Liczba atomów wodoru NH musi być liczbą całkowitą od 0 do 10000.");
    for (const char* H : {"6.5", "-1", "10001", "-2147483648"}) {
        Nacisnij(okno.get(), "btnOblicz");
        EXPECT_EQ(Wynik(), QStringLiteral("-3171.610  kJ/mol"));
        zapis->komunikaty.clear();
        Wpisz(okno.get(), "edtNh", QString::fromLatin1(H));
        Nacisnij(okno.get(), "btnOblicz");
        EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{wodor});
        EXPECT_EQ(okno->focusWidget(), okno->edtNh);
        EXPECT_EQ(okno->edtNh->selectedText(), QString::fromLatin1(H));
        EXPECT_EQ(Wynik(), QStringLiteral("?"));
        Wpisz(okno.get(), "edtNh", QStringLiteral("6"));
    }
    okno->edtNcl->setText(QStringLiteral("2147483647"));
    okno->edtNf->setText(QStringLiteral("2147483647"));
    EXPECT_EQ(okno->stxNx->text(), QStringLiteral("0"));
    okno->edtNcl->setText(QStringLiteral("0"));
    okno->edtNf->setText(QStringLiteral("0"));
    Wpisz(okno.get(), "edtNh", QStringLiteral("10000"));
    Nacisnij(okno.get(), "btnOblicz");
    EXPECT_EQ(Wynik(), QStringLiteral("-1212445.610  kJ/mol"));

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
