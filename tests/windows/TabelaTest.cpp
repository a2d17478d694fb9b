// The table window driven as a user drives it: ranges, steps and their refusals, the row count
// of extended arithmetic, an error in the middle of a table, the saved bytes, printing, the
// chart it fills, the estimation rows through a stand-in for the estimation window, the
// equilibrium rows from results the test puts into the arrays, and the road from the
// experimental-correlation window's table button. Reference values: mpmath at 40 digits from the
// sample database's coefficients; the CP1250 bytes from python's codec.
#include "Tabela.h"

#include "BazaDoswiadczalna.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "Drukarka.h"
#include "FloatText.h"
#include "KodyMetod.h"
#include "QzHtmlLabel2.h"
#include "SiatkaTekstowa.h"
#include "Wykres.h"
#include "WydrukTestowy.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {


class OknoTabeli : public ::testing::Test {
protected:
    void TearDown() override
    {
        okno.reset();
        ResetujZmienne();
    }

    void Wczytaj(const char* nazwaPL)
    {
        ASSERT_TRUE(WczytajSubstancje(nazwaPL));
    }

    // The window as its opener shows it, for the experimental code given.
    void Otworz(char gaz, char ciecz, const TOpisTabeli& opis = {})
    {
        KodGaz = gaz;
        KodCiecz = ciecz;
        okno->Opisz(opis);
        okno->show();
        QCoreApplication::processEvents();
    }

    // Types the range and the step key by key and presses "Oblicz".
    void Oblicz(const QString& od, const QString& doT, const QString& krok)
    {
        for (auto [pole, tekst] : {std::pair{okno->edtTminOd, od}, std::pair{okno->edtTmaxDo, doT}, std::pair{okno->edtKrok, krok}}) {
            pole->clear();
            QTest::keyClicks(pole, tekst);
        }
        QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    }

    // Ethanol's liquid viscosity from 300 K to 302 K, three rows.
    BazaTestowa TabelaLepkosciEtanolu()
    {
        auto baza = BazaTestowa::Probna();
        Wczytaj("ETANOL");
        Otworz(' ', '0', {QStringLiteral("200"), QStringLiteral("473")});
        Oblicz(QStringLiteral("300"), QStringLiteral("302"), QStringLiteral("1"));
        return baza;
    }

    TSiatkaTekstowa* Siatka() const { return okno->sgTabela; }
    QString Komorka(int k, int w) const { return Siatka()->Komorka(k, w); }
    int Wiersze() const { return Siatka()->LiczbaWierszy() - 1; }
    QStringList Kolumna(int k) const
    {
        QStringList teksty;
        for (int w = 1; w <= Wiersze(); ++w)
            teksty << Komorka(k, w);
        return teksty;
    }

    ZapisujOkna zapis;
    std::unique_ptr<TTabela_Form> okno = std::make_unique<TTabela_Form>();
};

TEST_F(OknoTabeli, RangesAndStepsGiveTheirRows)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('5', ' ', {QStringLiteral("263.15"), QStringLiteral("647.29")});
    EXPECT_EQ(okno->edtTminOd->text(), QStringLiteral("263.15"));
    EXPECT_EQ(okno->edtTmaxDo->text(), QStringLiteral("647.29"));
    EXPECT_TRUE(okno->sgTabela->isHidden());
    EXPECT_FALSE(okno->btnWykres->isEnabled());

    Oblicz(QStringLiteral("300"), QStringLiteral("310"), QStringLiteral("5"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(okno->sgTabela->isVisible());
    EXPECT_EQ(Kolumna(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Kolumna(1), (QStringList{"300", "305", "310"}));
    EXPECT_EQ(Komorka(1, 0), QStringLiteral("T [K]"));
    EXPECT_EQ(Komorka(2, 0), QStringLiteral("Prężność pary [Pa]"));
    EXPECT_TRUE(Komorka(0, 0).isEmpty());
    const long double oczekiwane[] = {3541.2127388629442L, 4726.0425587864497L, 6240.5088260404934L};
    for (int w = 1; w <= 3; ++w)
        EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, w)) / oczekiwane[w - 1]), 1.0, 1e-14);
    EXPECT_TRUE(okno->btnWykres->isEnabled());
    EXPECT_TRUE(okno->btnWykres->isDefault());
    EXPECT_FALSE(okno->btnOblicz->isDefault());

    Oblicz(QStringLiteral("310"), QStringLiteral("300"), QStringLiteral("5"));
    EXPECT_EQ(Kolumna(1), QStringList{"310"});
}

TEST_F(OknoTabeli, BadStepsAreRefusedAndUnreadableBoxesEmptied)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('5', ' ', {QStringLiteral("263.15"), QStringLiteral("647.29")});
    Oblicz(QStringLiteral("300"), QStringLiteral("310"), QStringLiteral("5"));
    for (const char* krok : {"0", "-1", "1E-20"})
        Oblicz(QStringLiteral("300"), QStringLiteral("310"), QString::fromLatin1(krok));
    Oblicz(QStringLiteral("0"), QStringLiteral("200000"), QStringLiteral("1"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral(" źle podany krok "), QStringLiteral(" źle podany krok "),
                                    QStringLiteral(" źle podany krok "), QStringLiteral("Zbyt wiele punktów")}));
    EXPECT_EQ(Kolumna(1), (QStringList{"300", "305", "310"})); // a refusal leaves the table
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    zapis->komunikaty.clear();
    Oblicz(QStringLiteral("300"), QStringLiteral("3x0"), QStringLiteral("5"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(okno->edtTmaxDo->text().isEmpty());

    // A number beyond the range of extended numbers is no number: its own box is emptied, silently,
    // whichever box holds it, and the table stays as it was.
    const QString zaDuza = QStringLiteral("1e5000");
    Oblicz(QStringLiteral("300"), QStringLiteral("310"), QStringLiteral("5"));
    for (int ktore = 0; ktore < 3; ++ktore) {
        Oblicz(ktore == 0 ? zaDuza : QStringLiteral("300"), ktore == 1 ? QStringLiteral("-") + zaDuza : QStringLiteral("310"),
               ktore == 2 ? zaDuza : QStringLiteral("5"));
        const QLineEdit* pola[] = {okno->edtTminOd, okno->edtTmaxDo, okno->edtKrok};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(pola[i]->text().isEmpty(), i == ktore) << ktore << " " << i;
    }
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Kolumna(1), (QStringList{"300", "305", "310"}));
    // 1e4000 is an extended number: a start of that size is one a step of 1 cannot move.
    Oblicz(QStringLiteral("1e4000"), QStringLiteral("1e4001"), QStringLiteral("1"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral(" źle podany krok ")});
}

// A heat capacity that is 1 at every T; the range starts at T = 0, which is no row.
TEST_F(OknoTabeli, ZeroToOneByATenthGivesTheRowsOfExtendedArithmetic)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    Ustaw(r, {{"CpgA", 1}, {"CpgB", 0}, {"CpgC", 0}, {"CpgD", 0}, {"CpgE", 0}, {"CpgTmin", 0}, {"CpgTmax", 1}});
    BazaTestowa baza({r});
    RekordYaws = r;
    Otworz('0', ' ', {QStringLiteral("0"), QStringLiteral("1")});
    Oblicz(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0.1"));
    EXPECT_EQ(Kolumna(0).first(), QStringLiteral("1"));
    EXPECT_EQ(Kolumna(1), (QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));
    EXPECT_EQ(Komorka(2, 9), QStringLiteral("1"));
    Oblicz(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0.01"));
    EXPECT_EQ(Wiersze(), 100);
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// Over a typed range the correlations leave their ranges far behind. A value its quantity cannot
// have (a viscosity, vapour pressure or heat capacity not above 0) ends the table at the
// temperature that gave it, with the rows before it on view and the temperature in the message;
// no row is at or below 0 K, and a range with none above 0 K says so.
TEST_F(OknoTabeli, ImpossibleValuesEndTheTableAndNoRowIsAtOrBelowZeroKelvin)
{
    auto baza = BazaTestowa::Probna();
    struct Przypadek {
        const char* substancja;
        char gaz, ciecz;
        const char *od, *doT, *krok;
        QStringList temperatury; // of the rows on view
        const char* poczatekKomunikatu; // none: no message
    };
    const Przypadek przypadki[] = {
        // Gas viscosity A + B·T + C·T² with C < 0 turns negative between 30 000 and 40 000 K.
        {"BENZEN", '4', ' ', "1e4", "1e5", "1e4", {"10000", "20000", "30000"}, "Przy T = 40000 K: wynik -"},
        // The liquid viscosity's 10^(... + D·T²) underflows to 0 at 40 000 K.
        {"BENZEN", ' ', '0', "1e4", "1e5", "1e4", {"10000", "20000", "30000"}, "Przy T = 40000 K: wynik 0 "},
        // The vapour pressure's 10^(A + B/T + ...) is 0 at 0.5 K; 0 K itself is no row.
        {"BENZEN", '5', ' ', "0", "50", "0.5", {}, "Przy T = 0.5 K: wynik 0 "},
        // The gas heat capacity is negative from 1 K on.
        {"BENZEN", '0', ' ', "0", "50", "1", {}, "Przy T = 1 K: wynik -"},
        // Water's stays positive: every row from 1 K to 50 K.
        {"WODA", '0', ' ', "0", "50", "1", {}, nullptr},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(std::string(p.substancja) + " " + p.gaz + p.ciecz + " " + p.od);
        zapis->komunikaty.clear();
        okno = std::make_unique<TTabela_Form>();
        Wczytaj(p.substancja);
        Otworz(p.gaz, p.ciecz);
        Oblicz(QString::fromLatin1(p.od), QString::fromLatin1(p.doT), QString::fromLatin1(p.krok));
        if (!p.poczatekKomunikatu) {
            EXPECT_TRUE(zapis->komunikaty.empty());
            ASSERT_EQ(Wiersze(), 50);
            EXPECT_EQ(Komorka(1, 1), QStringLiteral("1"));
            EXPECT_EQ(Komorka(1, 50), QStringLiteral("50"));
            continue;
        }
        EXPECT_EQ(Kolumna(1), p.temperatury);
        EXPECT_EQ(okno->btnWykres->isEnabled(), !p.temperatury.isEmpty());
        ASSERT_EQ(zapis->komunikaty.size(), 1u);
        EXPECT_TRUE(zapis->komunikaty[0].tekst.startsWith(QString::fromUtf8(p.poczatekKomunikatu)))
            << zapis->komunikaty[0].tekst.toStdString();
        EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Blad);
    }
    zapis->komunikaty.clear();
    Oblicz(QStringLiteral("-50"), QStringLiteral("0"), QStringLiteral("10"));
    EXPECT_EQ(Wiersze(), 0);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Temperatura końcowa musi być większa od 0 K")});
}

TEST_F(OknoTabeli, LiquidDensityPastTcKeepsTheRowsBeforeTheError)
{
    TRekordYaws r = BazaTestowa::Substancja("X");
    Ustaw(r, {{"Tc", 500}, {"RocA", 0.3L}, {"RocB", 0.27L}, {"RocN", 0.28L}, {"RocTmin", 300}, {"RocTmax", 520}});
    BazaTestowa baza({r});
    RekordYaws = r;
    Otworz(' ', '3', {QStringLiteral("300"), QStringLiteral("520")});
    Oblicz(QStringLiteral("480"), QStringLiteral("520"), QStringLiteral("10"));
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Przy T = 510 K: Niedozwolona operacja zmiennoprzecinkowa"));
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Blad);
    EXPECT_EQ(Kolumna(1), (QStringList{"480", "490", "500"}));
    const long double oczekiwane[] = {510.52210779949865444L, 464.81796144094428565L, 300.0L};
    for (int w = 1; w <= 3; ++w)
        EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, w)) / oczekiwane[w - 1]), 1.0, 1e-14);
    EXPECT_EQ(Komorka(2, 0), QStringLiteral("Gęstość [kg/m^3]"));
    EXPECT_TRUE(okno->sgTabela->isVisible());
    EXPECT_TRUE(okno->btnWykres->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Failing at the first row: the headers alone, and the chart has nothing to draw.
    Oblicz(QStringLiteral("510"), QStringLiteral("520"), QStringLiteral("10"));
    EXPECT_EQ(Wiersze(), 0);
    EXPECT_FALSE(okno->btnWykres->isEnabled());
}

TEST_F(OknoTabeli, ColumnsShowTheirWholeTextsAndTheHeaderWraps)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('3', ' ', {QStringLiteral("273.16"), QStringLiteral("1073.15")});
    Oblicz(QStringLiteral("273.16"), QStringLiteral("1073.15"), QStringLiteral("0.5"));
    // Each column exactly as wide as its widest text as the font measures it (the numbers' header
    // wraps instead), with the cell's margins.
    const QFontMetrics miara = Siatka()->fontMetrics();
    for (int k = 0; k < 3; ++k) {
        int najszerszy = 0;
        for (int w = k < 2 ? 0 : 1; w <= Wiersze(); ++w)
            najszerszy = std::max(najszerszy, miara.horizontalAdvance(Komorka(k, w)));
        EXPECT_EQ(Siatka()->SzerokoscKolumny(k), najszerszy + Siatka()->MarginesKomorki(k) + 5) << k;
    }
    // "Wsp. przewodzenia ciepła [W/m•K]" is wider than its column: two lines or more.
    EXPECT_GT(Siatka()->WysokoscNaglowka(), 2 * miara.height());
    EXPECT_GE(Siatka()->WysokoscNaglowka(), 36);
    // Wider numbers later: the window grows with its columns.
    Oblicz(QStringLiteral("273.16"), QStringLiteral("1073.15"), QStringLiteral("50"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Siatka()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(OknoTabeli, SavedLiquidViscosityTableIsTabSeparatedCp1250WithCrLf)
{
    auto baza = TabelaLepkosciEtanolu();
    const QString plik = baza.katalog() + QStringLiteral("/lepkosc");
    zapis->plikiDoZapisu.push_back({plik, 1});
    okno->Zapisztabel1->trigger();
    EXPECT_TRUE(zapis->komunikaty.empty());
    QFile zapisany(plik + QStringLiteral(".txt"));
    ASSERT_TRUE(zapisany.open(QIODevice::ReadOnly));
    EXPECT_EQ(zapisany.readAll(), QByteArray::fromHex("090954205b4b5d094c65706b6f9ce6205b506195735d0d0a")
                                      + "\t1\t300\t0.00104113838618612\r\n"
                                        "\t2\t301\t0.00102176368685728\r\n"
                                        "\t3\t302\t0.00100283966660547\r\n");
}

// "wynik" typed in the dialog becomes wynik.txt: an existing wynik.txt is replaced only after the
// question, and "Nie" leaves it as it was.
TEST_F(OknoTabeli, AnExistingFileOfTheFinalNameIsReplacedOnlyAfterTheQuestion)
{
    auto baza = TabelaLepkosciEtanolu();
    const QString plik = baza.katalog() + QStringLiteral("/wynik.txt");
    {
        QFile stary(plik);
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly));
        stary.write("stare dane\r\n");
    }
    auto zawartosc = [&plik] {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QString pytanie = QStringLiteral("Plik %1 już istnieje.\nCzy chcesz go zastąpić?").arg(plik);

    zapis->plikiDoZapisu.push_back({baza.katalog() + QStringLiteral("/wynik"), 1});
    zapis->odpowiedzi.push_back(QMessageBox::No);
    okno->Zapisztabel1->trigger();
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, pytanie);
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Pytanie);
    EXPECT_EQ(zawartosc(), QByteArray("stare dane\r\n"));

    zapis->plikiDoZapisu.push_back({baza.katalog() + QStringLiteral("/wynik"), 1});
    zapis->odpowiedzi.push_back(QMessageBox::Yes);
    okno->Zapisztabel1->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(), (std::vector<QString>{pytanie, pytanie}));
    EXPECT_TRUE(zawartosc().endsWith("\t3\t302\t0.00100283966660547\r\n"));
}

TEST_F(OknoTabeli, FailedSaveSaysSoAndCancelSavesNothing)
{
    auto baza = TabelaLepkosciEtanolu();
    okno->Zapisztabel1->trigger(); // cancelled
    const QString plik = baza.katalog() + QStringLiteral("/nie/ma/takiego/katalogu.txt");
    zapis->plikiDoZapisu.push_back({plik, 1});
    okno->Zapisztabel1->trigger();
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Nie udało się zapisać tabeli do pliku %1.").arg(plik));
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Blad);
}

// Every row, on as many pages as it takes.
TEST_F(OknoTabeli, PrintingPutsEveryRowOnPdfPages)
{
    if (Pdftotext().isEmpty())
        GTEST_SKIP() << BrakPdftotext;
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('0', ' ', {QStringLiteral("50"), QStringLiteral("1600")});
    Oblicz(QStringLiteral("50"), QStringLiteral("1600"), QStringLiteral("5"));
    ASSERT_EQ(Wiersze(), 311);
    const QString tekst = WydrukJakoTekst(okno->Drukujtabel1);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_GE(tekst.count(QLatin1Char('\f')), 3); // 312 lines do not fit two pages
    QStringList linie;
    for (const QString& linia : tekst.split(QLatin1Char('\n')))
        if (!linia.trimmed().isEmpty())
            linie << linia.simplified().remove(QLatin1Char('\f'));
    ASSERT_EQ(linie.size(), 312);
    EXPECT_EQ(linie[0], QStringLiteral("T [K] Ciepło właściwe [J/(mol•K)]"));
    for (int w = 1; w <= 311; ++w)
        ASSERT_EQ(linie[w], QStringLiteral("%1 %2 %3").arg(w).arg(Komorka(1, w), Komorka(2, w)));
}

TEST_F(OknoTabeli, PrintingWithoutAPrinterSaysSo)
{
    PodstawDrukarke brak(nullptr);
    okno->Drukujtabel1->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Brak drukarki domyślnej")});
}

TEST_F(OknoTabeli, ChartReceivesTheRowsInRedWithTheTitles)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('5', ' ', {QStringLiteral("263.15"), QStringLiteral("647.29")});
    Oblicz(QStringLiteral("300"), QStringLiteral("370"), QStringLiteral("1"));
    ASSERT_EQ(Wiersze(), 71);
    bool pokazany = false;
    zapis->skryptModalny = [&](QWidget* w) {
        auto* wykres = qobject_cast<TFWykres*>(w);
        ASSERT_NE(wykres, nullptr);
        pokazany = true;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        ASSERT_EQ(wykres->Series1->LiczbaPunktow(), 71);
        for (int i = 0; i < 71; ++i) {
            EXPECT_EQ(wykres->Series1->KolorPunktu(i), KolorCzerwony);
            EXPECT_EQ(wykres->Series1->Punkt(i), QPointF(300 + i, StrToFloat(Komorka(2, i + 1))));
        }
        EXPECT_TRUE(wykres->Series1->Aktywna());
        EXPECT_FALSE(wykres->Series2->Aktywna());
        EXPECT_EQ(wykres->Series2->LiczbaPunktow(), 0);
        EXPECT_EQ(wykres->TytulX, QStringLiteral("T [K]"));
        EXPECT_EQ(wykres->TytulY, QStringLiteral("Prężność pary [Pa]"));
        EXPECT_EQ(wykres->Chart->OsDolna()->Tytul(), QStringLiteral("T [K]"));
        EXPECT_EQ(wykres->Chart->OsLewa()->Tytul(), QStringLiteral("Prężność pary [Pa]"));
        EXPECT_EQ(wykres->Chart->Tytul(), QStringList{QStringLiteral("Prężność pary [Pa] = f{T [K]}")});
        QTest::keyClick(wykres, Qt::Key_Escape);
    };
    QTest::mouseClick(okno->btnWykres, Qt::LeftButton);
    EXPECT_TRUE(pokazany);
    EXPECT_TRUE(okno->btnOblicz->isDefault());
    EXPECT_FALSE(okno->btnWykres->isDefault());
}

// Enter computes, Enter again draws the chart; Esc closes the window.
TEST_F(OknoTabeli, EnterPressesTheDefaultButtonAndEscCloses)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    Otworz('5', ' ', {QStringLiteral("300"), QStringLiteral("310")});
    QTest::keyClick(okno->edtKrok, Qt::Key_Return);
    EXPECT_EQ(Wiersze(), 11);
    int wykresy = 0;
    zapis->skryptModalny = [&](QWidget*) { ++wykresy; };
    QTest::keyClick(okno->sgTabela, Qt::Key_Enter);
    EXPECT_EQ(wykresy, 1);
    QTest::keyClick(okno->edtKrok, Qt::Key_Escape);
    EXPECT_FALSE(okno->isVisible());
}

TEST_F(OknoTabeli, CodeWithoutATableLeavesOnlyTheHeaderRow)
{
    KodMetody = QStringLiteral("MixLepGaz");
    Otworz(' ', ' ', {QStringLiteral("300"), QStringLiteral("400")});
    Oblicz(QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("10"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Komorka(0, 0), QStringLiteral("lp."));
    EXPECT_EQ(Wiersze(), 0);
    EXPECT_FALSE(okno->btnWykres->isEnabled());
}

TEST_F(OknoTabeli, TableButtonOfTheExperimentalWindowOpensTheTable)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    KodGaz = '5';
    KodCiecz = BrakKoduKorelacji;
    TOblicz_gaz_ciecz_Form doswiadczalne;
    ASSERT_TRUE(doswiadczalne.WczytajWybrana());
    doswiadczalne.show();
    int tabele = 0;
    zapis->skryptModalny = [&](QWidget* w) {
        auto* tabela = qobject_cast<TTabela_Form*>(w);
        ASSERT_NE(tabela, nullptr);
        ++tabele;
        EXPECT_EQ(tabela->windowTitle(), QStringLiteral("Tabela"));
        EXPECT_EQ(tabela->edtTmin->text(), QStringLiteral("263.15"));
        EXPECT_EQ(tabela->edtTmax->text(), QStringLiteral("647.29"));
        EXPECT_EQ(tabela->edtTminOd->text(), QStringLiteral("263.15"));
        EXPECT_EQ(tabela->edtTmaxDo->text(), QStringLiteral("647.29"));
        QTest::mouseClick(tabela->btnOblicz, Qt::LeftButton);
        EXPECT_EQ(tabela->sgTabela->LiczbaWierszy(), 386); // 263.15 .. 647.15 by 1
        EXPECT_EQ(tabela->sgTabela->Komorka(2, 0), QStringLiteral("Prężność pary [Pa]"));
    };
    QTest::mouseClick(doswiadczalne.Tab_Button, Qt::LeftButton);
    EXPECT_EQ(tabele, 1);
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// "032": pressures from 1 to 10 bar by 0.1, the bounds labelled P, the first row at the
// saturation pressure.
TEST_F(OknoTabeli, LucasRowsStartAtTheSaturationPressure)
{
    auto baza = BazaTestowa::Probna();
    Wczytaj("WODA");
    TDaneEstymacji estymacja;
    estymacja.T = 320;
    estymacja.Tnas = 300;
    estymacja.Pnas = 1;
    estymacja.LepNas = 0.001L;
    KodMetody = QStringLiteral("032");
    Otworz(' ', ' ',
           {.Tmin = QStringLiteral("1"), .Tmax = QStringLiteral("10"), .argument = TOpisTabeli::Argument::Cisnienie,
            .estymacja = &estymacja, .krokLepkosciPodCisnieniem = true});
    EXPECT_EQ(okno->edtKrok->text(), QStringLiteral("0.1"));
    for (const TQzHtmlLabel2* etykieta : {okno->qlblTminOd, okno->qlblTmin})
        EXPECT_EQ(etykieta->html(), QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>min</sub>)"));
    for (const TQzHtmlLabel2* etykieta : {okno->qlblTmaxDo, okno->qlblTmax})
        EXPECT_EQ(etykieta->html(), QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>max</sub>)"));
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Komorka(1, 0), QStringLiteral("Ciśnienie [bar]"));
    EXPECT_EQ(Komorka(2, 0), QStringLiteral(" nig [Pa*s]"));
    EXPECT_EQ(Komorka(1, 1), QStringLiteral("1"));
    EXPECT_EQ(Wiersze(), 90); // 1 .. 9.9 by 0.1: the 90th step passes 10 in extended arithmetic
    EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, 1)) / 0.00073383284043054498223L), 1.0, 1e-14);

    // A saturation pressure of 1.5 bar puts the first row at the first step at or above it.
    estymacja.Pnas = 1.5L;
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Komorka(0, 1), QStringLiteral("1"));
    EXPECT_EQ(Komorka(1, 1), QStringLiteral("1.5"));
    EXPECT_GE(StrToFloat(Komorka(1, 1)), 1.5L);
    estymacja.Pnas = 20;
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("Ciśnienie końcowe jest mniejsze od ciśnienia nasycenia (20 bar)")});
}

TEST_F(OknoTabeli, TynCalusRowsWaitForTheEstimationResults)
{
    TDaneEstymacji estymacja;
    KodMetody = QStringLiteral("Tyna");
    Otworz(' ', ' ', {.Tmin = QStringLiteral("290"), .Tmax = QStringLiteral("300"), .estymacja = &estymacja});
    Oblicz(QStringLiteral("298"), QStringLiteral("300"), QStringLiteral("2"));
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("Najpierw wykonaj obliczenia w oknie estymacji (przycisk Oblicz)")});
    EXPECT_EQ(Wiersze(), 1); // nothing computed: the empty row of a new table
    estymacja.tynaCalusa = TDaneTynaCalusa{60, 20, 3, 4, 0.00089L};
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_EQ(Komorka(2, 0), QStringLiteral("Dab [cm^2/s]"));
    ASSERT_EQ(Wiersze(), 2);
    EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, 1)) / 0.00001179924025378316649L), 1.0, 1e-14);
    EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, 2)) / 0.0000118784297856877515L), 1.0, 1e-14);
}

TEST_F(OknoTabeli, DensityPageBoxWithoutANumberIsReported)
{
    TDaneEstymacji estymacja;
    estymacja.Omega = 0.209L; // Vc: its box held no number
    estymacja.Tc = 562.05L;
    estymacja.M = 78.11184L;
    KodMetody = QStringLiteral("GestcRackett");
    Otworz(' ', ' ', {.Tmin = QStringLiteral("279"), .Tmax = QStringLiteral("353"), .estymacja = &estymacja});
    Oblicz(QStringLiteral("300"), QStringLiteral("310"), QStringLiteral("10"));
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Sprawdź poprawność danych"));
    estymacja.Vc = 0.256L;
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    ASSERT_EQ(Wiersze(), 2);
    EXPECT_NEAR(static_cast<double>(StrToFloat(Komorka(2, 1)) / 868.68947365216658202L), 1.0, 1e-14);
}

// The equilibrium window as far as the table uses it: its computation puts three points into
// the result arrays.
class OknoRownowagi : public TRownowagaDlaTabeli {
public:
    int obliczenia = 0;
    long double krokObliczen = 0; // the step of the last computation
    QString TekstTmin() const override { return QStringLiteral("340"); }
    QString TekstTmax() const override { return QStringLiteral("390"); }
    long double TemperaturaUkladu() const override { return 25; }
    long double Krok() const override { return 0.01L; }
    QString ObliczRownowage(long double krok) override
    {
        ++obliczenia;
        krokObliczen = krok;
        LiczbaPunktow = 3;
        for (int i = 1; i <= 3; ++i) {
            WynikX1[i] = 0.5L * (i - 1);
            WynikY1[i] = i == 1 ? 0.0L : 0.25L + 0.375L * i;
            WynikGamma1[i] = 1.5L;
            WynikGamma2[i] = 1.25L;
            WynikGE[i] = 0.0625L * i;
            WynikT[i] = 380 - 10 * i;
            WynikP[i] = 20 + 10 * i;
        }
        return {};
    }
};

class TabelaRownowagi : public OknoTabeli {
protected:
    void Pokaz(const char* kod)
    {
        KodMetody = QString::fromLatin1(kod);
        Otworz(' ', ' ', {.rownowaga = &rownowaga});
    }
    OknoRownowagi rownowaga;
};

TEST_F(TabelaRownowagi, IsobarShowsAndSavesItsSevenColumns)
{
    Pokaz("RcgBis");
    EXPECT_EQ(okno->lblPodaj->text(), QStringLiteral("Zakres temperatur"));
    EXPECT_EQ(okno->edtTminOd->text(), QStringLiteral("340"));
    EXPECT_EQ(okno->edtTmaxDo->text(), QStringLiteral("390"));
    EXPECT_EQ(okno->edtKrok->text(), QStringLiteral("0.01"));
    EXPECT_TRUE(okno->gbZakres->isHidden());
    EXPECT_TRUE(okno->btnWykres2->isHidden());
    // The range and step are the equilibrium window's: shown, and typing changes none of them.
    for (QLineEdit* pole : {okno->edtTminOd, okno->edtTmaxDo, okno->edtKrok}) {
        EXPECT_TRUE(pole->isReadOnly()) << pole->objectName().toStdString();
        QTest::keyClicks(pole, QStringLiteral("5"));
    }
    EXPECT_EQ(okno->edtTminOd->text(), QStringLiteral("340"));
    EXPECT_EQ(okno->edtTmaxDo->text(), QStringLiteral("390"));
    EXPECT_EQ(okno->edtKrok->text(), QStringLiteral("0.01"));
    // Opened near the right edge of the screen, the window that widens for its seven columns
    // moves left to stay whole on view.
    const QRect ekran = okno->screen()->availableGeometry();
    okno->move(ekran.right() - okno->frameGeometry().width(), ekran.top());
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_GT(okno->width(), okno->pnlOblicz->width() + Siatka()->SzerokoscKolumny(1));
    EXPECT_LE(okno->frameGeometry().right(), ekran.right());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(rownowaga.obliczenia, 1);
    EXPECT_EQ(Siatka()->LiczbaKolumn(), 7);
    EXPECT_EQ(Kolumna(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Komorka(0, 0), QStringLiteral("lp."));
    EXPECT_EQ(Komorka(6, 0), QStringLiteral("gERT [-]"));
    EXPECT_EQ(Kolumna(1), (QStringList{"370", "360", "350"}));
    EXPECT_EQ(Kolumna(3), (QStringList{"0", "1", "1.375"}));
    QTemporaryDir katalog;
    zapis->plikiDoZapisu.push_back({katalog.filePath(QStringLiteral("izobara.txt")), 1});
    okno->Zapisztabel1->trigger();
    QFile plik(katalog.filePath(QStringLiteral("izobara.txt")));
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_EQ(plik.readAll(), QByteArray("\tlp.\tT [K]\tx\ty\tgamma1 [-]\tgamma2 [-]\tgERT [-]\r\n"
                                         "\t1\t370\t0\t0\t1.5\t1.25\t0.0625\r\n"
                                         "\t2\t360\t0.5\t1\t1.5\t1.25\t0.125\r\n"
                                         "\t3\t350\t1\t1.375\t1.5\t1.25\t0.1875\r\n"));
}

TEST_F(TabelaRownowagi, IsothermSavesItsSixColumnsAndDrawsBothCharts)
{
    Pokaz("RcgpBis");
    EXPECT_EQ(okno->lblPodaj->text(), QStringLiteral("Temperatura układu: 25 °C"));
    EXPECT_TRUE(okno->edtTminOd->isHidden());
    EXPECT_TRUE(okno->btnWykres2->isVisible());
    EXPECT_EQ(okno->btnWykres->text(), QStringLiteral("Wykres P=f(x,y)"));
    EXPECT_FALSE(okno->edtKrok->isReadOnly()); // the isotherm's step is its own
    EXPECT_FALSE(okno->btnWykres2->isEnabled()); // nothing to draw before the rows
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_TRUE(okno->btnWykres2->isEnabled());
    EXPECT_EQ(Siatka()->LiczbaKolumn(), 6);
    EXPECT_EQ(Komorka(1, 0), QStringLiteral("P [mmHg]"));
    QTemporaryDir katalog;
    zapis->plikiDoZapisu.push_back({katalog.filePath(QStringLiteral("izoterma.txt")), 1});
    okno->Zapisztabel1->trigger();
    QFile plik(katalog.filePath(QStringLiteral("izoterma.txt")));
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_EQ(plik.readAll(), QByteArray("\tlp.\tP [mmHg]\tx\ty\tgamma1 [-]\tgamma2 [-]\r\n"
                                         "\t1\t30\t0\t0\t1.5\t1.25\r\n"
                                         "\t2\t40\t0.5\t1\t1.5\t1.25\r\n"
                                         "\t3\t50\t1\t1.375\t1.5\t1.25\r\n"));

    std::vector<std::function<void(TFWykres&)>> sprawdzenia{
        [](TFWykres& w) { // P over x (red) and over y (blue)
            EXPECT_EQ(w.TytulX, QStringLiteral("x, y"));
            EXPECT_EQ(w.TytulY, QStringLiteral("P [mmHg]"));
            EXPECT_EQ(w.Chart->Tytul(), QStringList{QStringLiteral("P [mmHg] = f{x, y}")});
            ASSERT_EQ(w.Series1->LiczbaPunktow(), 3);
            EXPECT_EQ(w.Series1->Punkt(1), QPointF(0.5, 40));
            EXPECT_EQ(w.Series1->KolorPunktu(1), KolorCzerwony);
            ASSERT_TRUE(w.Series2->Aktywna());
            ASSERT_EQ(w.Series2->LiczbaPunktow(), 3);
            EXPECT_EQ(w.Series2->Punkt(2), QPointF(1.375, 50));
            EXPECT_EQ(w.Series2->KolorPunktu(2), KolorNiebieski);
        },
        [](TFWykres& w) { // y over x with the diagonal
            EXPECT_EQ(w.Chart->Tytul(), QStringList{QStringLiteral("y = f{x}")});
            ASSERT_EQ(w.Series1->LiczbaPunktow(), 2);
            EXPECT_EQ(w.Series1->Punkt(0), QPointF(0, 0));
            EXPECT_EQ(w.Series1->Punkt(1), QPointF(1, 1));
            ASSERT_EQ(w.Series2->LiczbaPunktow(), 3);
            EXPECT_EQ(w.Series2->Punkt(1), QPointF(0.5, 1));
            EXPECT_EQ(w.Series2->KolorPunktu(1), KolorNiebieski);
        }};
    size_t pokazane = 0;
    zapis->skryptModalny = [&](QWidget* w) { sprawdzenia.at(pokazane++)(*qobject_cast<TFWykres*>(w)); };
    QTest::mouseClick(okno->btnWykres, Qt::LeftButton);
    QTest::mouseClick(okno->btnWykres2, Qt::LeftButton);
    EXPECT_EQ(pokazane, 2u);
}

TEST_F(TabelaRownowagi, IsothermStepAndMissingResultsAreRefused)
{
    Pokaz("RcgpBis");
    okno->edtKrok->setText(QStringLiteral("0"));
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_EQ(rownowaga.obliczenia, 0);
    rownowaga.ObliczRownowage(0.01L); // results of an earlier computation are not shown
    okno->Opisz({});
    okno->edtKrok->setText(QStringLiteral("0.5"));
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{QStringLiteral(" źle podany krok "), QStringLiteral("Brak wyników obliczeń równowagi")}));
    EXPECT_EQ(Wiersze(), 1); // the empty row of a new table
    // The step typed is the one the computation takes.
    okno->Opisz({.rownowaga = &rownowaga});
    QTest::mouseClick(okno->btnOblicz, Qt::LeftButton);
    EXPECT_EQ(rownowaga.krokObliczen, 0.5L);
}

} // namespace
