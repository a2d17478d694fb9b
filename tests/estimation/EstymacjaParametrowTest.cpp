// Estimates by formula opened through the method registry for the current substance, driven as
// a user drives the window: type the missing values, press "Oblicz", read the result.
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EstymacjaParametrow.h"
#include "FloatText.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Parametry : public ::testing::Test {
protected:
    void SetUp() override { ZarejestrujOknoEstymacjiParametrow(); }
    void TearDown() override { WyrejestrujOknaMetod(); }

    // The window of the code for the current record, shown.
    std::unique_ptr<QWidget> Otworz(const char* kod)
    {
        KodMetody = QString::fromLatin1(kod);
        std::unique_ptr<QWidget> okno(UtworzOknoMetody(KodMetody));
        EXPECT_NE(dynamic_cast<TEstymacjaParametrowFrm*>(okno.get()), nullptr);
        okno->show();
        return okno;
    }

    static void Wpisz(QWidget* okno, int wiersz, const QString& tekst)
    {
        auto* pole = okno->findChild<QLineEdit*>(QStringLiteral("edtPodaj%1").arg(wiersz));
        pole->clear();
        QTest::keyClicks(pole, tekst);
    }

    static QString Oblicz(QWidget* okno)
    {
        QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("btnOblicz")), Qt::LeftButton);
        return okno->findChild<QLineEdit*>(QStringLiteral("edtWynik"))->text();
    }

    static bool Widoczny(QWidget* okno, int wiersz)
    {
        return okno->findChild<QLineEdit*>(QStringLiteral("edtPodaj%1").arg(wiersz))->isVisible();
    }

    static double Liczba(const QString& tekst) { return static_cast<double>(StrToFloat(tekst)); }

    ZapisujOkna zapis;
};

} // namespace

TEST_F(Parametry, BenzeneFromTheSampleDatabase)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("BENZEN"));
    const TRekordYaws benzen = RekordYaws;

    auto okno = Otworz("13");
    EXPECT_FALSE(Widoczny(okno.get(), 1));
    EXPECT_TRUE(Widoczny(okno.get(), 2));
    EXPECT_TRUE(okno->windowTitle().startsWith(QStringLiteral("PL: BENZEN  UK: BENZENE Wzór: ")));
    Wpisz(okno.get(), 2, QStringLiteral("12"));
    EXPECT_NEAR(Liczba(Oblicz(okno.get())), 4873544.725836161, 1e-6);
    // An emptied input leaves no result from before, and no message.
    Wpisz(okno.get(), 2, QString());
    EXPECT_EQ(Oblicz(okno.get()), QString());

    okno = Otworz("23");
    EXPECT_TRUE(okno->findChild<QLabel*>(QStringLiteral("lblWzor"))->text().contains(QStringLiteral("0.88 * Mmol")));
    Wpisz(okno.get(), 2, QStringLiteral("12"));
    const double Vc = Liczba(Oblicz(okno.get()));
    EXPECT_NEAR(Vc, 0.2495384192, 1e-15);
    EXPECT_NEAR(Vc, 0.256, 0.256 * 0.10); // the measured critical volume

    okno = Otworz("50"); // Pc in Pa: without it omega would be about -3
    EXPECT_TRUE(okno->findChild<QLabel*>(QStringLiteral("lblWzor"))->text().contains(QStringLiteral("-5.92714+")));
    const double omega = Liczba(Oblicz(okno.get()));
    EXPECT_NEAR(omega, 0.2082896362215301, 1e-14);
    EXPECT_GT(omega, 0.18);
    EXPECT_LT(omega, 0.25);

    okno = Otworz("40");
    for (int w = 1; w <= 3; ++w)
        EXPECT_FALSE(Widoczny(okno.get(), w));
    EXPECT_NEAR(Liczba(Oblicz(okno.get())), 0.2681684545241304, 1e-15);

    okno = Otworz("30");
    EXPECT_NEAR(Liczba(Oblicz(okno.get())), 78.11184 / 0.256, 1e-10);

    // Tb equal to Tc: the three-sevenths form divides by zero; said so, nothing shown.
    RekordYaws.Tb = RekordYaws.Tc;
    okno = Otworz("51");
    EXPECT_EQ(Oblicz(okno.get()), QString());
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Dla podanych danych nie można obliczyć wyniku."));

    // A missing molar mass is never computed with.
    RekordYaws = benzen;
    RekordYaws.Mmol = BrakDanych;
    okno = Otworz("03");
    EXPECT_EQ(Oblicz(okno.get()), QStringLiteral("?"));
}

// Klincewicz's number of atoms is a whole number from 1 to 10 000: anything else is refused in its
// row, which takes the focus with its text selected, and no earlier result stays on view.
TEST_F(Parametry, KlincewiczTakesAPositiveWholeNumberOfAtoms)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ASSERT_TRUE(WczytajSubstancje("BENZEN"));
    auto okno = Otworz("23");
    auto* pole = okno->findChild<QLineEdit*>(QStringLiteral("edtPodaj2"));
    const std::vector<const char*> odrzucane{"-0", "1,5", "-54.63", "1e4000", "10001", "abc"};
    for (const char* Na : odrzucane) {
        Wpisz(okno.get(), 2, QStringLiteral("12"));
        EXPECT_FALSE(Oblicz(okno.get()).isEmpty());
        Wpisz(okno.get(), 2, QString::fromLatin1(Na));
        EXPECT_EQ(Oblicz(okno.get()), QString()) << Na;
        EXPECT_EQ(okno->focusWidget(), pole);
        EXPECT_EQ(pole->selectedText(), pole->text());
    }
    EXPECT_EQ(pole->text(), QStringLiteral("abc"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>(odrzucane.size(), QStringLiteral("Liczba atomów w cząsteczce musi być liczbą całkowitą od 1 do 10000")));
    Wpisz(okno.get(), 2, QStringLiteral("10000"));
    EXPECT_FALSE(Oblicz(okno.get()).isEmpty());
}

TEST_F(Parametry, CompressibilityFromTypedValuesOfWhatTheRecordLacks)
{
    BazaTestowa baza({BazaTestowa::Substancja("X", "X")});
    Ustaw(RekordYaws, {{"Vc", 256.0L}});
    auto okno = Otworz("40");
    EXPECT_TRUE(Widoczny(okno.get(), 1));
    EXPECT_FALSE(Widoczny(okno.get(), 2));
    EXPECT_TRUE(Widoczny(okno.get(), 3));
    EXPECT_EQ(okno->findChild<QLabel*>(QStringLiteral("lblJedn1"))->text(), QStringLiteral("[Pa]"));
    Wpisz(okno.get(), 1, QStringLiteral("4.5e6"));
    Wpisz(okno.get(), 3, QStringLiteral("560"));
    EXPECT_NEAR(Liczba(Oblicz(okno.get())), 0.2474311832021719, 1e-15);
    const QString katalog = qEnvironmentVariable("QERN_ZRZUTY");
    if (!katalog.isEmpty()) {
        QDir().mkpath(katalog);
        okno->adjustSize();
        EXPECT_TRUE(okno->grab().save(katalog + QStringLiteral("/estymacja_parametrow_zc.png")));
    }

    // All three missing: three rows.
    RekordYaws.Vc = BrakDanych;
    okno = Otworz("40");
    for (int w = 1; w <= 3; ++w)
        EXPECT_TRUE(Widoczny(okno.get(), w)) << w;
    EXPECT_EQ(okno->findChild<QLabel*>(QStringLiteral("lblJedn2"))->text(), QStringLiteral("[m^3/kmol]"));
    EXPECT_TRUE(zapis->komunikaty.empty());
}
