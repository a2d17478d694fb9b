// The gas-mixture window driven as a user drives it: the count with its messages and buttons,
// rows keeping their values while hidden, the completed last fraction, the look-ups and their
// messages, the viscosity with its temperature range, the density with its pseudo-critical values
// and title, the coefficient source, and air from the sample database.
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "TestyMieszanin.h"
#include "Wilke.h"
#include "ZrodloWspolczynnikowZ.h"
#include "windows/OknoGlowneTestowe.h"

#include "GrupaRadiowa.h"

#include <QRadioButton>

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {

// Gas viscosity A·1e-7 Pa·s over the block's range; critical data for the density.
TRekordYaws Gaz(const char* nazwa, long double M, long double eta_uP, long double Tmin, long double Tmax,
                long double Tc, long double Vc, long double Zc)
{
    TRekordYaws r = BazaTestowa::Substancja(nazwa);
    Ustaw(r, {{"Mmol", M}, {"NigA", eta_uP}, {"NigB", 0}, {"NigC", 0}, {"NigTmin", Tmin}, {"NigTmax", Tmax},
              {"Tc", Tc}, {"Vc", Vc}, {"Zc", Zc}, {"Omega", 0.1L}});
    return r;
}

TRekordYaws GazBezDanych()
{
    TRekordYaws r = BazaTestowa::Substancja("GAZ C");
    Ustaw(r, {{"Mmol", 28}, {"Tc", 200}, {"Zc", 0.3L}, {"Omega", 0.1L}});
    return r;
}

class OknoWilkego : public ::testing::Test {
protected:
    void Otworz(const char* kod)
    {
        KodMetody = QString::fromLatin1(kod);
        okno = std::make_unique<TWilke_Form>();
        okno->show();
        QApplication::processEvents();
    }

    void Licz(const QString& n) { Wpisz(okno->eLiczbaZwiazkow->edycja(), n); }

    void Skladniki(const QStringList& nazwy, const QStringList& udzialy)
    {
        Licz(QString::number(nazwy.size()));
        for (int i = 0; i < nazwy.size(); ++i)
            WybierzZwiazek(okno->cbZwiazek[i], nazwy[i]);
        for (int i = 0; i < udzialy.size(); ++i)
            Wpisz(okno->eU[i], udzialy[i]);
    }

    void Oblicz() { QTest::mouseClick(okno->buttonOblicz, Qt::LeftButton); }

    int WidoczneWiersze() const
    {
        int n = 0;
        for (int i = 0; i < TWilke_Form::MaksZwiazkow; ++i)
            n += okno->cbZwiazek[i]->isVisibleTo(okno.get()) && okno->eU[i]->isVisibleTo(okno.get());
        return n;
    }

    BazaTestowa baza_{{Gaz("GAZ A", 4, 100, 200, 800, 300, 100, 0.3L), Gaz("GAZ B", 16, 200, 250, 900, 100, 200, 0.2L),
                       GazBezDanych(), Gaz("GAZ ZERO", 4, 0, 200, 800, 300, 100, 0.3L)}};
    ZapisujOkna zapis;
    std::unique_ptr<TWilke_Form> okno;
};

TEST_F(OknoWilkego, CountShowsItsRowsAndRefusesWhatIsOutside)
{
    Otworz("MixLepGaz");
    Licz("1");
    EXPECT_EQ(okno->lComent->text(), QStringLiteral("Wybierz minimum dwa związki"));
    EXPECT_EQ(WidoczneWiersze(), 0);
    Licz("11");
    EXPECT_EQ(okno->lComent->text(), QStringLiteral("Wybierz maksimum dziesięć związków"));
    EXPECT_EQ(WidoczneWiersze(), 0);
    Wpisz(okno->edtT, "300");
    Oblicz();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Wybierz maksimum dziesięć związków")});

    auto* wDol = okno->findChild<QToolButton*>(QStringLiteral("eLiczbaZwiazkowN"));
    auto* wGore = okno->findChild<QToolButton*>(QStringLiteral("eLiczbaZwiazkowW"));
    QTest::mouseClick(wDol, Qt::LeftButton);
    EXPECT_EQ(okno->eLiczbaZwiazkow->text(), QStringLiteral("10"));
    EXPECT_EQ(WidoczneWiersze(), 10);
    QTest::mouseClick(wGore, Qt::LeftButton);
    EXPECT_EQ(okno->eLiczbaZwiazkow->text(), QStringLiteral("10"));

    // 0.1, 0.2, 0.3 of four complete the fourth; hidden rows keep their values.
    Licz("4");
    for (int i = 0; i < 3; ++i)
        Wpisz(okno->eU[i], QStringLiteral("0.%1").arg(i + 1));
    EXPECT_EQ(okno->eU[3]->text(), QStringLiteral("0.4"));
    Licz("2");
    EXPECT_EQ(WidoczneWiersze(), 2);
    EXPECT_EQ(okno->eU[1]->text(), QStringLiteral("0.2"));
    Licz("4");
    EXPECT_EQ(WidoczneWiersze(), 4);
    EXPECT_EQ(okno->eU[2]->text(), QStringLiteral("0.3"));
    Wpisz(okno->eU[1], "");
    Wpisz(okno->eU[2], "0.5");
    EXPECT_EQ(okno->eU[3]->text(), QStringLiteral("0.4"));
    // A comma is a point; the last box completes nothing.
    Wpisz(okno->eU[1], "0,25");
    EXPECT_EQ(okno->eU[1]->text(), QStringLiteral("0.25"));
    EXPECT_EQ(okno->eU[3]->text(), QStringLiteral("0.15"));

    QTest::keyClick(okno.get(), Qt::Key_Escape);
    EXPECT_TRUE(okno->isVisible());
}

TEST_F(OknoWilkego, ViscosityWithinTheCommonRange)
{
    Otworz("MixLepGaz");
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Lepkość mieszaniny gazów - metoda Wilkego"));
    EXPECT_FALSE(okno->pnlZety->isVisibleTo(okno.get()));
    EXPECT_FALSE(okno->edtCis->isVisibleTo(okno.get()));
    Skladniki({"gaz a", "GAZ B"}, {"0.5"});
    EXPECT_EQ(okno->cbZwiazek[0]->currentText(), QStringLiteral("GAZ A"));
    EXPECT_EQ(okno->eU[1]->text(), QStringLiteral("0.5"));

    Oblicz();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" Podaj temperaturę mieszaniny ")});
    Wpisz(okno->edtT, "250");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_NEAR(double(Liczba(okno->Edit11)), double(1e-5L / 3 + 2 * 2e-5L / 3), 1e-19);
    EXPECT_EQ(okno->lblJednostka->text(), QStringLiteral("Pa s"));

    Wpisz(okno->edtT, "800.001");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst,
              QStringLiteral("Temperatura wykracza poza dopuszczalny zakres\n    Dla tej mieszaniny Tmin=250, Tmax=800"));
    EXPECT_TRUE(okno->Edit11->text().isEmpty());

    Wpisz(okno->edtT, "abc");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral(" Źle podane wartości liczbowe "));
    EXPECT_TRUE(okno->edtT->hasFocus());

    // 0.1 + 0.2 + 0.7 passes the sum; a component without its viscosity block has no range.
    Wpisz(okno->edtT, "300");
    Skladniki({"GAZ A", "GAZ B", "GAZ C"}, {"0.1", "0.2"});
    EXPECT_EQ(okno->eU[2]->text(), QStringLiteral("0.7"));
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Brak danych do obliczeń lub nieprawidłowy zakres tempratur\n"
                                                             "Spróbuj z innymi związkami\nTmin=?, Tmax=?"));
    Wpisz(okno->eU[2], "0.6");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Suma udziałów jest różna od 1."));
}

TEST_F(OknoWilkego, UnknownOrEmptyComponentIsRefused)
{
    Otworz("MixLepGaz");
    Wpisz(okno->edtT, "300");
    Skladniki({"GAZ A", "GAZ B", "GAZ X"}, {"0.2", "0.3"});
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą")});
    EXPECT_TRUE(okno->cbZwiazek[2]->currentText().isEmpty());
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą"));
    WybierzZwiazek(okno->cbZwiazek[0], "GAZ Q");
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą"));
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
}

// Each box is refused on its own, with its message, the focus and its text selected: a
// temperature or pressure not above 0 (also "-0" and 1e-4000), a fraction outside 0 .. 1 even
// where the fractions add up to 1, a Z not above 0. A viscosity of 0 is a failure, not a result.
// A refusal leaves no result, and so does any change of a fraction, a component or the count.
TEST_F(OknoWilkego, ImpossibleInputRefusedInItsBoxAndNoResultStays)
{
    Otworz("MixLepGaz");
    Wpisz(okno->edtT, "300");
    Skladniki({"GAZ A", "GAZ B"}, {"0.5"});
    const std::vector<std::function<void()>> zmiany{[&] { Wpisz(okno->eU[0], "0.4"); },
                                                     [&] { WybierzZwiazek(okno->cbZwiazek[1], "GAZ A"); },
                                                     [&] { Licz("3"); }};
    KazdaZmianaCzysciWynik([&] { Oblicz(); }, [&] { return okno->Edit11->text(); }, zmiany);
    EXPECT_TRUE(zapis->komunikaty.empty());

    Skladniki({"GAZ A", "GAZ B"}, {"0.5"});
    for (const char* T : {"0", "-0", "1e-4000", "-300"}) {
        Wpisz(okno->edtT, T);
        Oblicz();
        SprawdzOdmowe(zapis, okno->edtT, QStringLiteral("Temperatura mieszaniny musi być większa od 0 K"));
        EXPECT_TRUE(okno->Edit11->text().isEmpty()) << T;
    }
    Wpisz(okno->edtT, "300");
    Wpisz(okno->eU[0], "1.5");
    EXPECT_EQ(okno->eU[1]->text(), QStringLiteral("-0.5"));
    Oblicz();
    SprawdzOdmowe(zapis, okno->eU[0], QStringLiteral("Udział molowy składnika 1 musi leżeć w przedziale od 0 do 1"));
    Wpisz(okno->eU[0], "-0.5");
    Wpisz(okno->eU[1], "1.5");
    Oblicz();
    SprawdzOdmowe(zapis, okno->eU[0], QStringLiteral("Udział molowy składnika 1 musi leżeć w przedziale od 0 do 1"));
    Wpisz(okno->eU[0], "0.5");
    Wpisz(okno->eU[1], "1.5");
    Oblicz();
    SprawdzOdmowe(zapis, okno->eU[1], QStringLiteral("Udział molowy składnika 2 musi leżeć w przedziale od 0 do 1"));
    Wpisz(okno->eU[1], "0.5");
    Skladniki({"GAZ ZERO", "GAZ ZERO"}, {"0.5"});
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Wynik wychodzi równy 0, a ta wielkość nie może być zerowa. Sprawdź dane."));
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
    SprawdzBezNieliczb(okno.get());

    Otworz("MixGestGaz");
    Wpisz(okno->edtT, "300");
    Wpisz(okno->edtCis, "0");
    Skladniki({"GAZ A", "GAZ B"}, {"0.5"});
    Wpisz(okno->edtWsp0, "1");
    Wpisz(okno->edtWsp1, "0");
    Oblicz();
    SprawdzOdmowe(zapis, okno->edtCis, QStringLiteral("Ciśnienie mieszaniny musi być większe od 0"));
    Wpisz(okno->edtCis, "1"); // another state: the coefficients typed for the earlier one are gone
    Wpisz(okno->edtWsp0, "-1");
    Wpisz(okno->edtWsp1, "0");
    Oblicz();
    SprawdzOdmowe(zapis, okno->edtWsp0,
                  QStringLiteral("Współczynnik ściśliwości Z = Z(0) + ω·Z(1) wychodzi niedodatni. Sprawdź Z(0) i Z(1)."));
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Gęstość mieszaniny gazów - metoda stanów odpowiadających sobie"));
    SprawdzBezNieliczb(okno.get());
}

class ZrodloTestowe : public TZrodloWspolczynnikowZ {
public:
    explicit ZrodloTestowe(TStanGazu* stan) : stan_(stan) {}
    std::optional<TWspolczynnikiZ> ObliczWspolczynnikiZ(const TStanGazu& stan) override
    {
        *stan_ = stan;
        return TWspolczynnikiZ{0.996418911123581L, -0.0403254198839125L};
    }

private:
    TStanGazu* stan_;
};

TEST_F(OknoWilkego, DensityFromPseudocriticalValues)
{
    Otworz("MixGestGaz");
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Gęstość mieszaniny gazów - metoda stanów odpowiadających sobie"));
    EXPECT_TRUE(okno->edtCis->isVisibleTo(okno.get()));
    EXPECT_FALSE(okno->btnWsp->isVisibleTo(okno.get()));
    Wpisz(okno->edtT, "300");
    EXPECT_TRUE(okno->btnWsp->isVisibleTo(okno.get()));
    Wpisz(okno->edtCis, "1");
    Skladniki({"GAZ A", "GAZ B"}, {"0.5"});
    Oblicz();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" Oblicz współczynniki ściśliwości ")});

    Wpisz(okno->edtWsp0, "1");
    Wpisz(okno->edtWsp1, "0");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_NEAR(double(Liczba(okno->Edit11)), 4.009301579664822e-05, 1e-18);
    const QString tytul = okno->windowTitle();
    ASSERT_TRUE(tytul.startsWith(QStringLiteral("Gęstość = ")) && tytul.endsWith(QStringLiteral(" kg/m^3"))) << tytul.toStdString();
    EXPECT_NEAR(double(StrToFloat(tytul.mid(10).chopped(7))), 0.4009301579664822, 1e-14); // M = 10 g/mol

    // An edit clears the result and the density title.
    Wpisz(okno->edtCis, "2");
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Gęstość mieszaniny gazów - metoda stanów odpowiadających sobie"));

    // The coefficients from the registered source, for the mixture's state.
    QTest::mouseClick(okno->btnWsp, Qt::LeftButton);
    EXPECT_EQ(zapis->komunikaty.back().tekst, MetodaNiedostepna);
    TStanGazu stan{};
    ZarejestrujZrodloWspolczynnikowZ(std::make_unique<ZrodloTestowe>(&stan));
    QTest::mouseClick(okno->btnWsp, Qt::LeftButton);
    ZarejestrujZrodloWspolczynnikowZ(nullptr);
    EXPECT_EQ(stan.P, 2.0L);
    EXPECT_EQ(stan.T, 300.0L);
    EXPECT_EQ(stan.Tc, 200.0L);
    EXPECT_NEAR(double(stan.Pc), 27.713333333333335, 1e-12);
    EXPECT_EQ(okno->edtWsp0->text(), QStringLiteral("0.996418911123581"));
    EXPECT_EQ(okno->edtWsp1->text(), QStringLiteral("-0.0403254198839125"));
    for (QLineEdit* pole : {okno->edtWsp0, okno->edtWsp1}) { // whole in their boxes, not scrolled
        pole->end(false);
        pole->grab(); // drawing places the text
        EXPECT_GE(pole->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), pole->fontMetrics().horizontalAdvance(pole->text())) << pole->text().toStdString();
    }

    // A component without its critical volume is never computed with.
    Skladniki({"GAZ A", "GAZ C"}, {"0.5"});
    Wpisz(okno->edtWsp0, "1");
    Wpisz(okno->edtWsp1, "0");
    Oblicz();
    EXPECT_EQ(zapis->komunikaty.back().tekst, QStringLiteral("Związek GAZ C: brak danych (Vc)"));
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
}

// Z(0) and Z(1), obtained by the button or typed, belong to the temperature, pressure,
// components, fractions and count they were obtained for: each change takes them off, so the
// density is never computed with those of an earlier state. Typing one coefficient keeps the
// other.
TEST_F(OknoWilkego, CoefficientsBelongToTheirState)
{
    Otworz("MixGestGaz");
    Wpisz(okno->edtT, "300");
    Wpisz(okno->edtCis, "1");
    Skladniki({"GAZ A", "GAZ B"}, {"0.5"});
    TStanGazu stan{};
    ZarejestrujZrodloWspolczynnikowZ(std::make_unique<ZrodloTestowe>(&stan));
    const auto wspolczynniki = [&] { return okno->edtWsp0->text() + okno->edtWsp1->text(); };
    const std::vector<std::function<void()>> zmiany{
        [&] { Wpisz(okno->edtT, "400"); },
        [&] { Wpisz(okno->edtCis, "2"); },
        [&] { WybierzZwiazek(okno->cbZwiazek[1], "GAZ A"); },
        [&] { Wpisz(okno->eU[0], "0.4"); },
        [&] { Licz("3"); }};
    for (size_t i = 0; i < zmiany.size(); ++i) {
        QTest::mouseClick(okno->btnWsp, Qt::LeftButton);
        ASSERT_FALSE(wspolczynniki().isEmpty()) << i;
        zmiany[i]();
        EXPECT_TRUE(wspolczynniki().isEmpty()) << i;
        Licz("2");
        WybierzZwiazek(okno->cbZwiazek[1], "GAZ B");
    }
    ZarejestrujZrodloWspolczynnikowZ(nullptr);
    EXPECT_TRUE(zapis->komunikaty.empty());

    Wpisz(okno->edtWsp0, "1");
    Wpisz(okno->edtWsp1, "0");
    EXPECT_EQ(wspolczynniki(), QStringLiteral("10"));
    Wpisz(okno->edtT, "400");
    Oblicz();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" Oblicz współczynniki ściśliwości ")});
    EXPECT_TRUE(okno->Edit11->text().isEmpty());
}

// Air from the sample database at 300 K: about 1.85e-5 Pa·s; blanks typed around the numbers
// are no part of them.
TEST(OknoWilkegoNaBazieProbnej, AirViscosity)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZapisujOkna zapis;
    KodMetody = QStringLiteral("MixLepGaz");
    TWilke_Form okno;
    okno.show();
    Wpisz(okno.eLiczbaZwiazkow->edycja(), "3");
    const char* nazwy[] = {"AZOT", "TLEN", "ARGON"};
    for (int i = 0; i < 3; ++i)
        WybierzZwiazek(okno.cbZwiazek[i], QString::fromLatin1(nazwy[i]));
    Wpisz(okno.eU[0], "0.7812 ");
    Wpisz(okno.eU[1], " 0.2095");
    EXPECT_EQ(okno.eU[2]->text(), QStringLiteral("0.0093"));
    Wpisz(okno.edtT, "300 ");
    QTest::mouseClick(okno.buttonOblicz, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_NEAR(double(Liczba(okno.Edit11)), 1.85e-5, 0.05 * 1.85e-5);
}

// Both user modes reached from the main window's mixture tab, with air composed; pictures when
// QERN_ZRZUTY names a folder.
TEST(OknoWilkegoZOknaGlownego, OpensInBothModes)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZapisujOkna zapis;
    ZarejestrujOknoWilkego();
    PokazOknoGlowne();
    QString tytul;
    zapis->skryptModalny = [&](QWidget* widok) {
        auto* okno = qobject_cast<TWilke_Form*>(widok);
        ASSERT_NE(okno, nullptr);
        tytul = okno->windowTitle();
        Wpisz(okno->edtT, "300");
        if (okno->edtCis->isVisible())
            Wpisz(okno->edtCis, "1");
        Wpisz(okno->eLiczbaZwiazkow->edycja(), "3");
        const char* nazwy[] = {"AZOT", "TLEN", "ARGON"};
        for (int i = 0; i < 3; ++i)
            WybierzZwiazek(okno->cbZwiazek[i], QString::fromLatin1(nazwy[i]));
        Wpisz(okno->eU[0], "0.7812");
        Wpisz(okno->eU[1], "0.2095");
        if (okno->edtCis->isVisible()) {
            Wpisz(okno->edtWsp0, "0.9997");
            Wpisz(okno->edtWsp1, "-0.0012");
        }
        QTest::mouseClick(okno->buttonOblicz, Qt::LeftButton);
        ZapiszZrzut(okno, okno->edtCis->isVisible() ? "wilke_gestosc.png" : "wilke_lepkosc.png");
    };
    auto otworz = [](int pozycjaNadrzednej, const char* grupa) {
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(2);
        for (auto [nazwa, pozycja] : {std::pair{"rgMixGaz", pozycjaNadrzednej}, std::pair{grupa, 0}}) {
            QRadioButton* przycisk = Baza_Form->findChild<TGrupaRadiowa*>(QString::fromLatin1(nazwa))->Pozycja(pozycja);
            QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
        }
        QTest::mouseClick(Baza_Form->btnObliczMieszanine, Qt::LeftButton);
    };
    otworz(0, "rgMixLepGaz");
    EXPECT_EQ(tytul, QStringLiteral("Lepkość mieszaniny gazów - metoda Wilkego"));
    otworz(1, "rgMixGestGaz");
    EXPECT_EQ(tytul, QStringLiteral("Gęstość mieszaniny gazów - metoda stanów odpowiadających sobie"));
    EXPECT_EQ(zapis->oknaModalne.size(), 2u);
    EXPECT_TRUE(zapis->komunikaty.empty());
    ZwolnijOknoGlowne();
    WyrejestrujOknaMetod();
}

} // namespace
