// The equilibrium window driven as a user drives it: reached from the main window's equilibrium
// radio, a pair and its data set chosen, the parameter panel, the table computed and charted;
// the refusals of the selection panel and of the computation; names in two letter cases and two
// data sets at one temperature; the two-step close.
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "FloatText.h"
#include "GrupaRadiowa.h"
#include "ListaZwiazkow.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "Rownowaga.h"
#include "RownowagaCieczPara.h"
#include "SiatkaTekstowa.h"
#include "Tabela.h"
#include "TestyMieszanin.h"
#include "Wykres.h"
#include "windows/OknoGlowneTestowe.h"
#include "windows/WydrukTestowy.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <limits>

namespace {

// A choice from a drop-down list, as the keyboard makes it: the item of this text (the second
// one of it when ktory is 1). A list that drops down by itself is closed again.
void Wybierz(QComboBox* lista, const QString& tekst, int ktory = 0)
{
    int pozycja = -1;
    for (int i = 0, znalezione = 0; i < lista->count() && pozycja < 0; ++i)
        if (lista->itemText(i) == tekst && znalezione++ == ktory)
            pozycja = i;
    ASSERT_GE(pozycja, 0) << tekst.toStdString();
    lista->setCurrentIndex(pozycja);
    for (QComboBox* rozwinieta : lista->parentWidget()->findChildren<QComboBox*>())
        rozwinieta->hidePopup();
}

QStringList Pozycje(const QComboBox* lista)
{
    QStringList pozycje;
    for (int i = 0; i < lista->count(); ++i)
        pozycje << lista->itemText(i);
    return pozycje;
}

// No box of the window shows a number that is not one, nor the missing-value marker.
void BezNiePoprawnychLiczb(const QWidget& okno)
{
    for (const QLineEdit* pole : okno.findChildren<QLineEdit*>())
        for (const char* zly : {"nan", "inf", "12321"})
            EXPECT_FALSE(pole->text().contains(QLatin1String(zly), Qt::CaseInsensitive))
                << pole->objectName().toStdString() << ": " << pole->text().toStdString();
}

class OknoRownowagi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZarejestrujOknoRownowagi();
        // Every modal window goes to the step the test has set for its kind.
        zapis->skryptModalny = [this](QWidget* okno) {
            if (auto* r = qobject_cast<TFrmRownowaga*>(okno))
                krokOkna(*r);
            else if (auto* t = qobject_cast<TTabela_Form*>(okno))
                krokTabeli(*t);
            else if (auto* w = qobject_cast<TFWykres*>(okno))
                krokWykresu(*w);
        };
    }
    void TearDown() override { WyrejestrujOknaMetod(); }

    QString OstatniKomunikat() { return zapis->komunikaty.empty() ? QString() : zapis->komunikaty.back().tekst; }

    ZapisujOkna zapis;
    std::function<void(TFrmRownowaga&)> krokOkna = [](TFrmRownowaga&) {};
    std::function<void(TTabela_Form&)> krokTabeli = [](TTabela_Form&) {};
    std::function<void(TFWykres&)> krokWykresu = [](TFWykres&) {};
};

class ZOknaGlownego : public OknoRownowagi {
protected:
    void SetUp() override
    {
        OknoRownowagi::SetUp();
        PokazOknoGlowne();
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        OknoRownowagi::TearDown();
    }

    static void Kliknij(const char* grupa, int pozycja)
    {
        QRadioButton* przycisk = Baza_Form->findChild<TGrupaRadiowa*>(QString::fromLatin1(grupa))->Pozycja(pozycja);
        QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
    }

    // "Baza predykcyjna" → "Równowaga ciecz-para" → the isobar or isotherm → OK.
    static void OtworzRownowage(bool izobara)
    {
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(3);
        Kliknij("rgRownowaga", izobara ? 0 : 1);
        Kliknij(izobara ? "rgIzobara" : "rgIzoterma", 0);
        QTest::mouseClick(Baza_Form->btnRownowaga, Qt::LeftButton);
    }

    BazaTestowa baza_ = BazaTestowa::Probna();
};

// From the main window's radio to a table of 101 rows and its chart, Enter pressing each panel's
// default button (the component list keeps Enter for its look-up); closing goes back to the
// selection panel first and ends the window the second time.
TEST_F(ZOknaGlownego, IsobarFromTheMainWindowToTableAndChart)
{
    int wykresy = 0;
    krokWykresu = [&](TFWykres& w) {
        ++wykresy;
        EXPECT_EQ(w.Series1->LiczbaPunktow(), 101);
        EXPECT_EQ(w.Series2->LiczbaPunktow(), 101);
        EXPECT_EQ(w.TytulX, QStringLiteral("x, y"));
        EXPECT_EQ(w.TytulY, QStringLiteral("T [K]"));
    };
    krokTabeli = [&](TTabela_Form& t) {
        EXPECT_EQ(t.edtTminOd->text(), QStringLiteral("340"));
        EXPECT_EQ(t.edtTmaxDo->text(), QStringLiteral("380"));
        QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
        ASSERT_EQ(t.sgTabela->LiczbaWierszy(), 102);
        EXPECT_EQ(t.sgTabela->Komorka(6, 0), QStringLiteral("gERT [-]"));
        EXPECT_EQ(t.sgTabela->Komorka(2, 1), QStringLiteral("0"));
        EXPECT_EQ(t.sgTabela->Komorka(3, 1), QStringLiteral("0"));
        EXPECT_NEAR(static_cast<double>(StrToFloat(t.sgTabela->Komorka(1, 1))), 372.936, 0.001);
        EXPECT_EQ(t.sgTabela->Komorka(2, 101), QStringLiteral("1"));
        EXPECT_NEAR(static_cast<double>(StrToFloat(t.sgTabela->Komorka(1, 101))), 351.418, 0.001);
        QTest::mouseClick(t.btnWykres, Qt::LeftButton);
        // Printed, each row keeps its seven columns whole on the page.
        if (Pdftotext().isEmpty())
            GTEST_SKIP() << BrakPdftotext;
        const QString wydruk = WydrukJakoTekst(t.Drukujtabel1);
        QStringList linie;
        for (const QString& linia : wydruk.split(QLatin1Char('\n')))
            if (!linia.trimmed().isEmpty())
                linie << linia.simplified().remove(QLatin1Char('\f'));
        ASSERT_EQ(linie.size(), 102);
        for (int w = 1; w <= 101; w += 50) {
            QStringList komorki;
            for (int k = 0; k < 7; ++k)
                komorki << t.sgTabela->Komorka(k, w);
            EXPECT_EQ(linie[w].toStdString(), komorki.join(QLatin1Char(' ')).toStdString());
        }
    };
    bool sprawdzono = false;
    krokOkna = [&](TFrmRownowaga& r) {
        r.activateWindow(); // the focus moves between the controls as the user types
        ASSERT_TRUE(QTest::qWaitForWindowActive(&r));
        EXPECT_EQ(r.windowTitle(), QStringLiteral("Izobara równowagi ciecz - para"));
        EXPECT_EQ(r.size(), QSize(515, 374));
        EXPECT_EQ(r.Label17->text(), QStringLiteral("Ciśnienie całkowite"));
        EXPECT_EQ(Pozycje(r.cbZwiazek1), (QStringList{"ACETON", "BENZEN", "ETANOL", "METANOL", "OCTAN ETYLU", "PROPAN-2-OL",
                                                      "TETRACHLOROMETAN", "TRICHLOROMETAN"}));
        EXPECT_EQ(r.edtEpsilon->text(), QStringLiteral("0.00001"));
        EXPECT_EQ(r.edtKrok->text(), QStringLiteral("0.01"));
        Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("ETANOL"));
        QTest::keyClick(r.cbZwiazek1, Qt::Key_Return);
        EXPECT_TRUE(r.pnlSkladniki->isVisible());
        EXPECT_EQ(Pozycje(r.cbZwiazek2), (QStringList{"BENZEN", "WODA"}));
        EXPECT_EQ(r.lblTmin->text(), QStringLiteral("T<") + FloatToStr(351.8L));
        Wybierz(r.cbZwiazek2, QStringLiteral("WODA"));
        EXPECT_EQ(r.lblTmax->text(), QStringLiteral("T>") + FloatToStr(373.15L));
        EXPECT_EQ(Pozycje(r.cbCisnienie), (QStringList{"760", "1520"}));
        Wybierz(r.cbCisnienie, QStringLiteral("760"));
        Wpisz(r.edtTmin, QStringLiteral("340"));
        Wpisz(r.edtTmax, QStringLiteral("380"));
        QTest::keyClick(r.edtTmax, Qt::Key_Return);
        ASSERT_TRUE(r.pnlRownowaga->isVisible());
        EXPECT_FALSE(r.pnlSkladniki->isVisible());
        EXPECT_EQ(r.size(), QSize(640, 450));
        EXPECT_EQ(r.edtWzor->text(), QStringLiteral("Układ ETANOL - WODA"));
        EXPECT_EQ(r.edtPvp->text(), QStringLiteral("760"));
        EXPECT_EQ(r.edtA1->text(), QStringLiteral("7.86126429675"));
        EXPECT_EQ(r.edtC2->text(), QStringLiteral("235.989"));
        EXPECT_EQ(r.edtW21->text(), QStringLiteral("0.8601983634"));
        EXPECT_EQ(r.edtTpocz->text(), QStringLiteral("340"));
        EXPECT_EQ(r.edtTb->text(), QStringLiteral("380"));
        EXPECT_EQ(TempObliczen, 340.0L);
        QTest::keyClick(r.edtEpsilon, Qt::Key_Return);
        r.close();
        EXPECT_TRUE(r.isVisible());
        EXPECT_TRUE(r.pnlSkladniki->isVisible());
        EXPECT_EQ(r.size(), QSize(515, 374));
        EXPECT_EQ(KodMetody, QStringLiteral("RcgBis"));
        r.close();
        EXPECT_FALSE(r.isVisible());
        EXPECT_TRUE(KodMetody.isEmpty());
        sprawdzono = true;
    };
    OtworzRownowage(true);
    EXPECT_TRUE(sprawdzono);
    EXPECT_EQ(wykresy, 1);
    EXPECT_TRUE(zapis->komunikaty.empty()) << OstatniKomunikat().toStdString();
    EXPECT_TRUE(Baza_Form->isVisible());
}

// The selection panel says what is missing; a bad tolerance is refused before the table opens; a
// range without the boiling point is said once for each computation, and the table still shows
// what the rows are.
TEST_F(ZOknaGlownego, IsobarRefusalsAndWarnings)
{
    int tabele = 0;
    krokTabeli = [&](TTabela_Form& t) {
        ++tabele;
        QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
        EXPECT_EQ(t.sgTabela->LiczbaWierszy(), 102);
    };
    krokOkna = [&](TFrmRownowaga& r) {
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Podaj temperaturę minimalną"));
        EXPECT_EQ(r.focusWidget(), r.edtTmin);
        Wpisz(r.edtTmin, QStringLiteral("abc"));
        Wpisz(r.edtTmax, QStringLiteral("380"));
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Wybierz 1. składnik"));
        Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("ETANOL"));
        Wybierz(r.cbZwiazek2, QStringLiteral("WODA"));
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Wybierz ciśnienie układu"));
        Wybierz(r.cbCisnienie, QStringLiteral("760"));

        Wpisz(r.edtTmin, QStringLiteral("300"));
        Wpisz(r.edtTmax, QStringLiteral("320"));
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        ASSERT_TRUE(r.pnlRownowaga->isVisible());
        for (const char* eps : {"0", "-1e-5"}) {
            Wpisz(r.edtEpsilon, QString::fromLatin1(eps));
            QTest::mouseClick(r.Tab_Button, Qt::LeftButton);
            EXPECT_EQ(OstatniKomunikat(), ZlyEpsilon);
        }
        EXPECT_EQ(tabele, 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        Wpisz(r.edtEpsilon, QStringLiteral("0.00001"));
        const size_t przed = zapis->komunikaty.size();
        QTest::mouseClick(r.Tab_Button, Qt::LeftButton);
        EXPECT_EQ(tabele, 1);
        ASSERT_EQ(zapis->komunikaty.size(), przed + 1); // with the table's rows, not before them too
        for (size_t i = przed; i < zapis->komunikaty.size(); ++i) {
            EXPECT_EQ(zapis->komunikaty[i].rodzaj, RodzajKomunikatu::Ostrzezenie);
            EXPECT_TRUE(zapis->komunikaty[i].tekst.contains(QStringLiteral("dla 101 z 101 punktów")));
        }
        QTest::keyClick(r.Tab_Button, Qt::Key_Escape);
        EXPECT_TRUE(r.pnlSkladniki->isVisible());
        r.close();
    };
    OtworzRownowage(true);
}

// Every number box of the isobar speaks: a text that is no number, a start temperature not above
// 0 K, an end not above the start, an Epsilon not inside the range are each refused with a message
// naming the box, which takes the focus with its text selected, and nothing is computed; a
// decimal comma is read as a point; a changed input takes the computed points off.
TEST_F(OknoRownowagi, IsobarBoxesRefuseWhatCannotBeComputed)
{
    BazaTestowa baza = BazaTestowa::Probna();
    KodMetody = QStringLiteral("RcgBis");
    TFrmRownowaga r;
    r.show();
    Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("ETANOL"));
    Wybierz(r.cbZwiazek2, QStringLiteral("WODA"));
    Wybierz(r.cbCisnienie, QStringLiteral("760"));
    const auto odmowa = [&](TPoleLiczbowe* pole, const QString& komunikat, QPushButton* przycisk) {
        const size_t przed = zapis->komunikaty.size();
        QTest::mouseClick(przycisk, Qt::LeftButton);
        ASSERT_EQ(zapis->komunikaty.size(), przed + 1) << pole->text().toStdString();
        EXPECT_EQ(OstatniKomunikat(), komunikat) << pole->text().toStdString();
        EXPECT_EQ(r.focusWidget(), pole) << pole->text().toStdString();
        EXPECT_EQ(pole->selectedText(), pole->text());
        EXPECT_TRUE(zapis->oknaModalne.empty());
        BezNiePoprawnychLiczb(r);
    };
    struct Zakres {
        const char *Tmin, *Tmax;
        TPoleLiczbowe* pole;
        QString komunikat;
    };
    for (const Zakres& z : {Zakres{"abc", "380", r.edtTmin, QStringLiteral("Źle podana temperatura początkowa")},
                            {"0", "380", r.edtTmin, QStringLiteral("Temperatura początkowa musi być większa od 0 K")},
                            {"-0", "380", r.edtTmin, QStringLiteral("Temperatura początkowa musi być większa od 0 K")},
                            {"0.", "380", r.edtTmin, QStringLiteral("Temperatura początkowa musi być większa od 0 K")},
                            {"340", "", r.edtTmax, QStringLiteral("Podaj temperaturę maksymalną")},
                            {"340", "x1", r.edtTmax, QStringLiteral("Źle podana temperatura końcowa")},
                            {"340", "340", r.edtTmax, QStringLiteral("Temperatura końcowa musi być większa od temperatury początkowej")},
                            {"380", "340", r.edtTmax, QStringLiteral("Temperatura końcowa musi być większa od temperatury początkowej")}}) {
        Wpisz(r.edtTmin, QString::fromLatin1(z.Tmin));
        Wpisz(r.edtTmax, QString::fromLatin1(z.Tmax));
        if (z.pole->text().isEmpty()) { // the empty box is asked for, not refused
            QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
            EXPECT_EQ(OstatniKomunikat(), z.komunikat);
            EXPECT_EQ(r.focusWidget(), z.pole);
        } else {
            odmowa(z.pole, z.komunikat, r.btnSkladniki);
        }
        EXPECT_TRUE(r.pnlRownowaga->isHidden());
    }
    Wpisz(r.edtTmin, QStringLiteral("340,5"));
    Wpisz(r.edtTmax, QStringLiteral("380"));
    Wpisz(r.edtKrok, QStringLiteral("abc"));
    odmowa(r.edtKrok, QStringLiteral("Źle podany krok obliczeń"), r.btnSkladniki);
    Wpisz(r.edtKrok, QStringLiteral("0,01"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    ASSERT_TRUE(r.pnlRownowaga->isVisible());
    EXPECT_EQ(r.edtTpocz->text(), QStringLiteral("340.5"));
    EXPECT_EQ(TempObliczen, 340.5L);

    // Epsilon 1e4000 once gave every row the middle of the range.
    for (const char* eps : {"1e4000", "39.5", "-0", "abc"})
        Wpisz(r.edtEpsilon, QString::fromLatin1(eps)), odmowa(r.edtEpsilon, ZlyEpsilon, r.Tab_Button);
    EXPECT_EQ(LiczbaPunktow, 0);
    int tabele = 0;
    krokTabeli = [&](TTabela_Form& t) {
        ++tabele;
        QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
        EXPECT_EQ(t.sgTabela->LiczbaWierszy(), 102);
    };
    Wpisz(r.edtEpsilon, QStringLiteral("0,00001"));
    QTest::mouseClick(r.Tab_Button, Qt::LeftButton);
    EXPECT_EQ(tabele, 1);
    EXPECT_EQ(LiczbaPunktow, PunktyIzobary);
    QTest::mouseClick(r.btnWstecz, Qt::LeftButton);
    Wpisz(r.edtTmax, QStringLiteral("390"));
    EXPECT_EQ(LiczbaPunktow, 0);
}

// A data set with a damaged (NaN, infinite) or missing Antoine constant or Wilson parameter is not
// offered, nor a pair or first component that has no other; a set whose system pressure is not
// above 0, or whose temperature is not above absolute zero, is refused when chosen.
TEST_F(OknoRownowagi, DamagedDataSetsAreNotOffered)
{
    const auto zestaw = [](const char* n1, const char* n2, long double PT) {
        TRekordRcg z;
        CzyscRekord(z);
        z.Nazwa1 = n1, z.Nazwa2 = n2, z.PT = PT;
        z.A1 = 7.2L, z.B1 = 1238.0L, z.C1 = 231.5L, z.A2 = 8.038L, z.B2 = 1731.7L, z.C2 = 236.0L;
        z.W12 = 0.12L, z.W21 = 0.46L;
        return z;
    };
    const auto uszkodzony = [&](const char* n1, const char* n2, long double PT, long double TRekordRcg::*pole,
                                long double wartosc) {
        TRekordRcg z = zestaw(n1, n2, PT);
        z.*pole = wartosc;
        return z;
    };
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    BazaTestowa baza({BazaTestowa::Substancja("A")},
                     {zestaw("A", "B", 760), uszkodzony("A", "B", 1520, &TRekordRcg::W12, nan),
                      uszkodzony("A", "B", 380, &TRekordRcg::C2, BrakDanych), zestaw("A", "B", 0),
                      uszkodzony("A", "C", 760, &TRekordRcg::A2, inf), uszkodzony("D", "B", 760, &TRekordRcg::W21, nan)},
                     {zestaw("A", "B", -300)});
    KodMetody = QStringLiteral("RcgBis");
    TFrmRownowaga r;
    r.show();
    EXPECT_EQ(Pozycje(r.cbZwiazek1), QStringList{"A"});
    Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("A"));
    EXPECT_EQ(Pozycje(r.cbZwiazek2), QStringList{"B"});
    Wybierz(r.cbZwiazek2, QStringLiteral("B"));
    EXPECT_EQ(Pozycje(r.cbCisnienie), (QStringList{"0", "760"}));
    Wpisz(r.edtTmin, QStringLiteral("300"));
    Wpisz(r.edtTmax, QStringLiteral("400"));
    Wybierz(r.cbCisnienie, QStringLiteral("0"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Ciśnienie całkowite wybranego zestawu danych nie jest większe od zera: "
                                                 "wybierz inny zestaw"));
    EXPECT_EQ(r.focusWidget(), r.cbCisnienie);
    EXPECT_TRUE(r.pnlRownowaga->isHidden());
    Wybierz(r.cbCisnienie, QStringLiteral("760"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    ASSERT_TRUE(r.pnlRownowaga->isVisible());
    EXPECT_EQ(r.edtW12->text(), QStringLiteral("0.12"));
    BezNiePoprawnychLiczb(r);
    r.close();
    r.close();

    KodMetody = QStringLiteral("RcgpBis");
    r.show();
    Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("A"));
    Wybierz(r.cbZwiazek2, QStringLiteral("B"));
    Wybierz(r.cbCisnienie, QStringLiteral("-300"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Temperatura układu wybranego zestawu danych nie jest wyższa od zera "
                                                 "bezwzględnego: wybierz inny zestaw"));
    EXPECT_TRUE(r.pnlRownowaga->isHidden());
}

// Isotherm on a file of its own: a name in two letter cases is listed once, a pair stored one way
// is offered only that way, two data sets at one temperature each bring their own constants, the
// step is refused when it cannot give a table, and the table has the isotherm's points.
TEST_F(OknoRownowagi, IsothermOfTwoDataSetsAtOneTemperature)
{
    const auto zestaw = [](const char* n1, const char* n2, long double t, long double A1) {
        TRekordRcg z;
        CzyscRekord(z);
        z.Nazwa1 = n1, z.Nazwa2 = n2, z.PT = t;
        z.A1 = A1, z.B1 = 1238.0L, z.C1 = 231.5L, z.A2 = 8.038L, z.B2 = 1731.7L, z.C2 = 236.0L;
        z.W12 = 0.12L, z.W21 = 0.46L;
        return z;
    };
    BazaTestowa baza({BazaTestowa::Substancja("ACETON")},
                     {}, {zestaw("Aceton", "WODA", 50, 7.18L), zestaw("ACETON", "WODA", 50, 7.2L),
                          zestaw("WODA", "METANOL", 50, 8.0L), zestaw("aceton", "METANOL", 55, 7.1L)});
    KodMetody = QStringLiteral("RcgpBis");
    TFrmRownowaga r;
    r.show();
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Izoterma równowagi ciecz - para"));
    EXPECT_EQ(Pozycje(r.cbZwiazek1), (QStringList{"Aceton", "WODA"}));
    EXPECT_TRUE(r.edtTmin->isHidden());
    EXPECT_FALSE(r.lblKrok->font().bold());
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Wybierz 1. składnik"));
    Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("WODA"));
    EXPECT_EQ(Pozycje(r.cbZwiazek2), QStringList{"METANOL"});
    Wpisz(r.cbZwiazek1->lineEdit(), QStringLiteral("ACETON"));
    EXPECT_EQ(Pozycje(r.cbZwiazek2), (QStringList{"METANOL", "WODA"}));
    EXPECT_EQ(r.lblTmin->text(), QStringLiteral("T<?"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Wybierz 2. składnik"));
    Wybierz(r.cbZwiazek2, QStringLiteral("WODA"));
    EXPECT_EQ(Pozycje(r.cbCisnienie), (QStringList{"50", "50"}));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    EXPECT_EQ(OstatniKomunikat(), QStringLiteral("Wybierz temperaturę układu"));
    for (auto [ktory, A1] : {std::pair{0, "7.18"}, {1, "7.2"}}) {
        Wybierz(r.cbCisnienie, QStringLiteral("50"), ktory);
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        ASSERT_TRUE(r.pnlRownowaga->isVisible());
        EXPECT_EQ(r.edtA1->text(), QString::fromLatin1(A1));
        EXPECT_EQ(r.Label13->text(), QStringLiteral("Temperatura układu"));
        EXPECT_EQ(r.Label35->text(), QStringLiteral("[st. C]"));
        EXPECT_TRUE(r.edtEpsilon->isHidden());
        QTest::mouseClick(r.btnWstecz, Qt::LeftButton);
    }
    const size_t przed = zapis->komunikaty.size();
    for (const char* krok : {"0", "0.0001"}) {
        Wpisz(r.edtKrok, QString::fromLatin1(krok));
        QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
        QTest::mouseClick(r.Tab_Button, Qt::LeftButton);
        QTest::mouseClick(r.btnWstecz, Qt::LeftButton);
    }
    EXPECT_EQ(zapis.rejestrator().tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral("Wybierz 1. składnik"), QStringLiteral("Wybierz 2. składnik"),
                                    QStringLiteral("Wybierz temperaturę układu"), ZlyKrokRownowagi, ZbytWielePunktow}));
    EXPECT_EQ(zapis->komunikaty.size(), przed + 2);
    EXPECT_TRUE(zapis->oknaModalne.empty());

    krokTabeli = [&](TTabela_Form& t) {
        EXPECT_EQ(t.lblPodaj->text(), QStringLiteral("Temperatura układu: 50 °C"));
        QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
        ASSERT_EQ(t.sgTabela->LiczbaWierszy(), 6);
        EXPECT_EQ(t.sgTabela->Komorka(1, 0), QStringLiteral("P [mmHg]"));
        EXPECT_EQ(t.sgTabela->Komorka(2, 4), QStringLiteral("0.9"));
        EXPECT_EQ(t.sgTabela->Komorka(2, 5), QStringLiteral("1"));
        // x1 = 1: the pressure of pure component 1 of the chosen (second) data set.
        EXPECT_NEAR(static_cast<double>(StrToFloat(t.sgTabela->Komorka(1, 5))),
                    static_cast<double>(PreznoscAntoine(7.2L, 1238.0L, 231.5L, 50.0L)), 1e-9);
        // A step the table refuses through this window takes the earlier rows off the view.
        Wpisz(t.edtKrok, QStringLiteral("0.0001"));
        QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
        EXPECT_EQ(OstatniKomunikat(), ZbytWielePunktow);
        EXPECT_EQ(t.sgTabela->LiczbaWierszy(), 1);
    };
    Wpisz(r.edtKrok, QStringLiteral("0.3"));
    QTest::mouseClick(r.btnSkladniki, Qt::LeftButton);
    QTest::mouseClick(r.Tab_Button, Qt::LeftButton);
    EXPECT_EQ(zapis->oknaModalne.size(), 1u);
    EXPECT_EQ(zapis->komunikaty.size(), przed + 3);
}

} // namespace
