// The main window end to end: its frame, menus, hints, and the substance search.
#include "Baza.h"
#include "BazaTestowa.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "GrupaRadiowa.h"
#include "O_Programie.h"
#include "OknoGlowneTestowe.h"
#include "PrzegladarkaPomocy.h"
#include "WzorySzukaj.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Types the text key by key; QTest names keys for ASCII only, so other letters go as text.
void Pisz(QWidget* kontrolka, const QString& tekst)
{
    for (QChar znak : tekst) {
        if (znak.unicode() < 128) {
            QTest::keyClick(kontrolka, static_cast<char>(znak.unicode()));
            continue;
        }
        QKeyEvent wcisniecie(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(znak));
        QKeyEvent puszczenie(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(kontrolka, &wcisniecie);
        QApplication::sendEvent(kontrolka, &puszczenie);
    }
}

QAction* Polecenie(QWidget* okno, const char* nazwa)
{
    return okno->findChild<QAction*>(QString::fromLatin1(nazwa));
}

class OknoGlowne : public ::testing::Test {
protected:
    void SetUp() override { PokazOknoGlowne(); }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        delete PrzegladarkaPomocy;
        PrzegladarkaPomocy = nullptr;
    }

    QComboBox* Lista(const char* nazwa) { return Baza_Form->findChild<QComboBox*>(QString::fromLatin1(nazwa)); }

    // Types into the list as a user would and presses Enter.
    void Szukaj(const char* lista, const QString& tekst)
    {
        QComboBox* cb = Lista(lista);
        cb->setFocus();
        cb->lineEdit()->selectAll();
        if (tekst.isEmpty())
            QTest::keyClick(cb, Qt::Key_Delete);
        else
            Pisz(cb, tekst);
        QTest::keyClick(cb, Qt::Key_Return);
    }

    ZapisujOkna zapis;
};

} // namespace

TEST_F(OknoGlowne, FrameHasItsTitleTabsMenusAndStatusBar)
{
    EXPECT_EQ(Baza_Form->windowTitle(), QStringLiteral("Baza danych QERN 2008 (v 8.0)"));
    auto* zakladki = Baza_Form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(zakladki, nullptr);
    QStringList teksty;
    for (int i = 0; i < zakladki->count(); ++i)
        teksty << zakladki->tabText(i);
    EXPECT_EQ(teksty, (QStringList{QStringLiteral("Karta związku"), QStringLiteral("Karta związku c.d."),
                                   QStringLiteral("Baza doświadczalna"), QStringLiteral("Baza predykcyjna")}));
    QStringList menu;
    for (QAction* pozycja : Baza_Form->menuBar()->actions())
        menu << pozycja->text();
    EXPECT_EQ(menu, (QStringList{QStringLiteral("Plik"), QStringLiteral("Jednostki"), QStringLiteral("Pomoc")}));
    EXPECT_EQ(Polecenie(Baza_Form, "Zakocz1")->text(), QStringLiteral("Wyjście z programu"));
    EXPECT_EQ(Polecenie(Baza_Form, "SI1")->text(), QStringLiteral("SI"));
    EXPECT_EQ(Polecenie(Baza_Form, "KelvinCelsjusz")->text(), QStringLiteral("Kelvin -> Celsjusz"));
    EXPECT_EQ(Polecenie(Baza_Form, "N1")->text(), QStringLiteral("Pomoc"));
    EXPECT_EQ(Polecenie(Baza_Form, "Oprogramie1")->text(), QStringLiteral("O programie"));
    EXPECT_NE(Baza_Form->findChild<QStatusBar*>(QStringLiteral("StatusBar1")), nullptr);
    EXPECT_EQ(Baza_Form->findChild<QToolButton*>(QStringLiteral("sbSzukaj"))->focusPolicy(), Qt::NoFocus);
    // The Polish-name list has the keyboard focus when the window shows.
    EXPECT_TRUE(Baza_Form->cbZnajdzZwiazek->hasFocus());
}

TEST_F(OknoGlowne, HintsGoToTheStatusBar)
{
    const struct {
        const char* lista;
        QString hint;
    } przypadki[] = {
        {"cbZnajdzZwiazek", QStringLiteral("Wpisz polską nazwę związku")},
        {"cbSearchCompound", QStringLiteral("Wpisz angielską nazwę związku")},
        {"cbZnajdzWzor", QStringLiteral("Wpisz wzór związku")},
        {"cbCAS", QStringLiteral("Wpisz wzór związku")},
    };
    for (const auto& przypadek : przypadki) {
        auto* lista = Baza_Form->findChild<QComboBox*>(QString::fromLatin1(przypadek.lista));
        ASSERT_NE(lista, nullptr);
        EXPECT_EQ(lista->toolTip(), przypadek.hint);
        QEvent wejscie(QEvent::Enter);
        QApplication::sendEvent(lista, &wejscie);
        EXPECT_EQ(Baza_Form->StatusBar1->currentMessage(), przypadek.hint) << przypadek.lista;
    }
    int etykietyZHintem = 0;
    for (QLabel* etykieta : Baza_Form->gbZnajdzZwiazek->findChildren<QLabel*>())
        if (etykieta->toolTip() == QStringLiteral("Zapis alfabetyczny, węgiel na pierwszym miejscu"))
            ++etykietyZHintem;
    EXPECT_EQ(etykietyZHintem, 3);
}

TEST_F(OknoGlowne, HelpMenuShowsTheHelpFileOrSaysItIsMissingAndEscClosesIt)
{
    const QString poprzedni = QDir::currentPath();
    QTemporaryDir katalog;
    QDir::setCurrent(katalog.path());
    Polecenie(Baza_Form, "N1")->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci")});
    EXPECT_EQ(PrzegladarkaPomocy, nullptr);

    // The build puts the help file in Help/ beside DATA/.
    QDir::setCurrent(QDir(qEnvironmentVariable("QERN_DATA")).filePath(QStringLiteral("..")));
    Polecenie(Baza_Form, "N1")->trigger();
    QDir::setCurrent(poprzedni);
    ASSERT_NE(PrzegladarkaPomocy, nullptr);
    EXPECT_TRUE(PrzegladarkaPomocy->isVisible());
    EXPECT_TRUE(PrzegladarkaPomocy->tbPomoc->toPlainText().contains(QStringLiteral("Wyszukiwanie związku")));
    EXPECT_EQ(zapis->komunikaty.size(), 1u);
    QTest::keyClick(PrzegladarkaPomocy->tbPomoc, Qt::Key_Escape);
    EXPECT_FALSE(PrzegladarkaPomocy->isVisible());
}

// A help page over its size bound is a missing help file; a page whose image is a named pipe
// and whose style sheet is an endless device still shows its text, without them, at once.
TEST_F(OknoGlowne, TheHelpPageIsReadOnlyWithinItsBoundAndNeverWaitsOnWhatItNames)
{
    const QString poprzedni = QDir::currentPath();
    QTemporaryDir katalog;
    QDir::setCurrent(katalog.path());
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Help")));
    const auto zapisz = [](const QByteArray& tresc) {
        QFile plik(PlikPomocy);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
        plik.write(tresc);
    };
    zapisz(QByteArray("<p>") + QByteArray(2 << 20, 'a'));
    Polecenie(Baza_Form, "N1")->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci")});

    ASSERT_EQ(::mkfifo("Help/rysunek.png", 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("Help/styl.css")));
    zapisz("<html><head><link rel=\"stylesheet\" href=\"styl.css\"></head>"
           "<body><p>Wyszukiwanie</p><img src=\"rysunek.png\"></body></html>");
    QElapsedTimer czas;
    czas.start();
    Polecenie(Baza_Form, "N1")->trigger();
    QDir::setCurrent(poprzedni);
    EXPECT_LT(czas.elapsed(), 1000);
    ASSERT_NE(PrzegladarkaPomocy, nullptr);
    EXPECT_TRUE(PrzegladarkaPomocy->isVisible());
    EXPECT_TRUE(PrzegladarkaPomocy->tbPomoc->toPlainText().contains(QStringLiteral("Wyszukiwanie")));
    EXPECT_EQ(zapis->komunikaty.size(), 1u);
    PrzegladarkaPomocy->close();
}

TEST_F(OknoGlowne, AboutBoxRunsModallyAndClosesWithItsButton)
{
    QString tytul;
    QSize rozmiar;
    bool zamknietePrzyciskiem = false;
    zapis->skryptModalny = [&](QWidget* okno) {
        tytul = okno->windowTitle();
        rozmiar = okno->size();
        QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        zamknietePrzyciskiem = !okno->isVisible();
    };
    Polecenie(Baza_Form, "Oprogramie1")->trigger();
    EXPECT_EQ(tytul, QStringLiteral("O programie..."));
    EXPECT_EQ(rozmiar, QSize(483, 318));
    EXPECT_TRUE(zamknietePrzyciskiem);
    for (QWidget* okno : QApplication::topLevelWidgets())
        EXPECT_NE(okno->objectName(), QStringLiteral("O_programie_Form")); // freed once closed
}

namespace {

std::string Cp(const QString& tekst)
{
    return UnicodeToCp1250(tekst);
}

TRekordYaws Zwiazek(const QString& pl, const QString& ang, const char* wzor, const char* cas)
{
    return BazaTestowa::Substancja(Cp(pl), Cp(ang), wzor, cas);
}

// Substances with the traps of the search: Polish letters, a name inside another name, a name and
// a CAS number given twice, formulas that are orders of one another.
std::vector<TRekordYaws> ZwiazkiDoSzukania()
{
    std::vector<TRekordYaws> r = {
        Zwiazek(QStringLiteral("WODA"), QStringLiteral("WATER"), "H2O", "7732-18-5"),
        Zwiazek(QStringLiteral("TLENEK WĘGLA"), QStringLiteral("CARBON MONOXIDE"), "CO", "630-08-0"),
        Zwiazek(QStringLiteral("DITLENEK WĘGLA"), QStringLiteral("CARBON DIOXIDE"), "CO2", "124-38-9"),
        Zwiazek(QStringLiteral("METAN"), QStringLiteral("METHANE"), "CH4", "74-82-8"),
        Zwiazek(QStringLiteral("ETAN"), QStringLiteral("ETHANE"), "C2H6", "74-84-0"),
        Zwiazek(QStringLiteral("ETANOL"), QStringLiteral("ETHANOL"), "C2H6O", "64-17-5"),
        Zwiazek(QStringLiteral("ETER DIMETYLOWY"), QStringLiteral("DIMETHYL ETHER"), "C2H6O", "115-10-6"),
        Zwiazek(QStringLiteral("TETRACHLOROMETAN"), QStringLiteral("CARBON TETRACHLORIDE"), "CCl4", "56-23-5"),
        Zwiazek(QStringLiteral("ETANOL"), QStringLiteral("ETHANOL (DRUGI)"), "C2H6O", "64-17-5"),
        Zwiazek(QStringLiteral("ŻELAZO"), QStringLiteral("Iron"), "Fe", "7439-89-6"),
        Zwiazek(QStringLiteral(" "), QStringLiteral(""), "", ""),
    };
    r[0].Tc = 647.14L;
    return r;
}

// The window is created in SetUp, after the database of the fixture is open.
class Szukanie : public OknoGlowne {
protected:
    Szukanie() : baza_(ZwiazkiDoSzukania()) {}

    // The candidate window's answer: the items it showed are kept; the row is chosen with OK,
    // -1 cancels.
    void WybierzWOknie(int wiersz)
    {
        zapis->skryptModalny = [this, wiersz](QWidget* okno) {
            auto* lista = okno->findChild<QListWidget*>(QStringLiteral("lbWzorySzukaj"));
            tytulOkna = okno->windowTitle();
            for (int i = 0; i < lista->count(); ++i)
                pokazane << lista->item(i)->text();
            if (wiersz < 0) {
                QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("bbtnAnuluj")), Qt::LeftButton);
                return;
            }
            lista->setCurrentRow(wiersz);
            QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("bbtnOK")), Qt::LeftButton);
        };
    }

    static QString Tytul(const QString& pl, const QString& ang, const QString& wzor)
    {
        return QStringLiteral("QERN 2008 (v 8.0)    PL: ") + pl + QStringLiteral("  UK: ") + ang +
               QStringLiteral(" Wzór: ") + wzor;
    }

    void OczekujPustego()
    {
        EXPECT_FALSE(Znaleziono);
        EXPECT_EQ(Baza_Form->windowTitle(), QStringLiteral("Baza danych QERN 2008 (v 8.0)"));
        EXPECT_TRUE(RekordYaws.NazwaPL.empty());
        EXPECT_EQ(RekordYaws.Tc, BrakDanych);
    }

    BazaTestowa baza_;
    QString tytulOkna;
    QStringList pokazane;
};

QStringList Elementy(QComboBox* lista)
{
    QStringList elementy;
    for (int i = 0; i < lista->count(); ++i)
        elementy << lista->itemText(i);
    return elementy;
}

} // namespace

TEST_F(Szukanie, ListsHoldEveryNonEmptyValueUpperCasedAndInPolishOrder)
{
    EXPECT_EQ(Elementy(Lista("cbZnajdzZwiazek")),
              (QStringList{QStringLiteral("DITLENEK WĘGLA"), QStringLiteral("ETAN"), QStringLiteral("ETANOL"),
                           QStringLiteral("ETANOL"), QStringLiteral("ETER DIMETYLOWY"), QStringLiteral("METAN"),
                           QStringLiteral("TETRACHLOROMETAN"), QStringLiteral("TLENEK WĘGLA"), QStringLiteral("WODA"),
                           QStringLiteral("ŻELAZO")}));
    EXPECT_TRUE(Elementy(Lista("cbSearchCompound")).contains(QStringLiteral("IRON")));
    EXPECT_EQ(Elementy(Lista("cbZnajdzWzor")).size(), 10);
    EXPECT_TRUE(Elementy(Lista("cbZnajdzWzor")).contains(QStringLiteral("Fe")));
    EXPECT_EQ(Elementy(Lista("cbCAS")).count(QStringLiteral("64-17-5")), 2);
    for (const char* nazwa : {"cbZnajdzZwiazek", "cbSearchCompound", "cbZnajdzWzor", "cbCAS"})
        EXPECT_TRUE(Lista(nazwa)->currentText().isEmpty()) << nazwa;
    // Nothing is loaded after the lists are filled.
    OczekujPustego();
}

TEST_F(Szukanie, ALowerCasePolishNameWithPolishLettersLoadsWithTheExactCaption)
{
    QComboBox* lista = Lista("cbZnajdzZwiazek");
    lista->setFocus();
    Pisz(lista, QStringLiteral("tlenek węgla"));
    EXPECT_EQ(lista->currentText(), QStringLiteral("TLENEK WęGLA")); // only a..z are upper-cased
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_TRUE(Znaleziono);
    EXPECT_EQ(RekordYaws.CAS, "630-08-0");
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("TLENEK WĘGLA"), QStringLiteral("CARBON MONOXIDE"), QStringLiteral("CO")));
    // The lists show the loaded substance, and showing it did not clear it again.
    EXPECT_EQ(Lista("cbZnajdzZwiazek")->currentText(), QStringLiteral("TLENEK WĘGLA"));
    EXPECT_EQ(Lista("cbSearchCompound")->currentText(), QStringLiteral("CARBON MONOXIDE"));
    EXPECT_EQ(Lista("cbZnajdzWzor")->currentText(), QStringLiteral("CO"));
    EXPECT_EQ(Lista("cbCAS")->currentText(), QStringLiteral("630-08-0"));
    EXPECT_EQ(RekordYaws.NazwaANG, "CARBON MONOXIDE");
}

TEST_F(Szukanie, OfTwoEqualNamesTheLaterLoads)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("etanol"));
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_EQ(RekordYaws.NazwaANG, "ETHANOL (DRUGI)");
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("ETANOL"), QStringLiteral("ETHANOL (DRUGI)"), QStringLiteral("C2H6O")));
}

TEST_F(Szukanie, APartOfANameOffersEveryContainingNameSortedAndTheChoiceLoadsTheFirstOfThatName)
{
    WybierzWOknie(1);
    Szukaj("cbZnajdzZwiazek", QStringLiteral("tan"));
    EXPECT_EQ(tytulOkna, QStringLiteral("Wybierz z listy"));
    EXPECT_EQ(pokazane, (QStringList{QStringLiteral("ETAN"), QStringLiteral("ETANOL"), QStringLiteral("ETANOL"),
                                     QStringLiteral("METAN"), QStringLiteral("TETRACHLOROMETAN")}));
    EXPECT_TRUE(Znaleziono);
    EXPECT_EQ(RekordYaws.NazwaANG, "ETHANOL");
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("ETANOL"), QStringLiteral("ETHANOL"), QStringLiteral("C2H6O")));
}

TEST_F(Szukanie, AStemMatchingOneRecordStillShowsTheList)
{
    WybierzWOknie(0);
    Szukaj("cbZnajdzZwiazek", QStringLiteral("TETRACHLORO"));
    EXPECT_EQ(pokazane, QStringList{QStringLiteral("TETRACHLOROMETAN")});
    EXPECT_EQ(RekordYaws.CAS, "56-23-5");
}

TEST_F(Szukanie, CancellingTheListLeavesNoSubstanceAndNoMessage)
{
    WybierzWOknie(-1);
    Szukaj("cbZnajdzZwiazek", QStringLiteral("TAN"));
    ASSERT_EQ(pokazane.size(), 5);
    EXPECT_TRUE(zapis->komunikaty.empty());
    OczekujPustego();

    // Esc and the close box cancel too.
    for (auto anuluj : {std::function<void(QWidget*)>([](QWidget* okno) { QTest::keyClick(okno, Qt::Key_Escape); }),
                        std::function<void(QWidget*)>([](QWidget* okno) { okno->close(); })}) {
        zapis->skryptModalny = anuluj;
        Szukaj("cbZnajdzZwiazek", QStringLiteral("TAN"));
        EXPECT_FALSE(WybranoZListy);
        EXPECT_TRUE(zapis->komunikaty.empty());
        OczekujPustego();
    }
}

TEST_F(Szukanie, FormulaSearch)
{
    // OH2 is one of the six orders of H2O.
    Szukaj("cbZnajdzWzor", QStringLiteral("oh2"));
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
    EXPECT_EQ(Lista("cbZnajdzWzor")->currentText(), QStringLiteral("H2O"));

    // CCL4 has two equal orders for every order of its characters: the name comes twice.
    WybierzWOknie(1);
    Szukaj("cbZnajdzWzor", QStringLiteral("ccl4"));
    EXPECT_EQ(pokazane, (QStringList{QStringLiteral("CARBON TETRACHLORIDE"), QStringLiteral("CARBON TETRACHLORIDE")}));
    EXPECT_EQ(RekordYaws.Wzor, "CCl4");
    EXPECT_EQ(Lista("cbZnajdzWzor")->currentText(), QStringLiteral("CCl4"));

    // Five characters: compared as typed (case aside), hits in file order.
    pokazane.clear();
    WybierzWOknie(2);
    Szukaj("cbZnajdzWzor", QStringLiteral("c2h6o"));
    EXPECT_EQ(pokazane, (QStringList{QStringLiteral("ETHANOL"), QStringLiteral("DIMETHYL ETHER"), QStringLiteral("ETHANOL (DRUGI)")}));
    EXPECT_EQ(RekordYaws.NazwaANG, "ETHANOL (DRUGI)");
    Szukaj("cbZnajdzWzor", QStringLiteral("C2OH6"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą")});
    OczekujPustego();
}

TEST_F(Szukanie, ADuplicateCasListsBothNamesInFileOrder)
{
    WybierzWOknie(1);
    Szukaj("cbCAS", QStringLiteral("64-17-5"));
    EXPECT_EQ(pokazane, (QStringList{QStringLiteral("ETHANOL"), QStringLiteral("ETHANOL (DRUGI)")}));
    EXPECT_EQ(RekordYaws.NazwaANG, "ETHANOL (DRUGI)");
    EXPECT_EQ(Lista("cbCAS")->currentText(), QStringLiteral("64-17-5"));

    // A single hit loads at once.
    zapis->oknaModalne.clear();
    Szukaj("cbCAS", QStringLiteral("7439-89-6"));
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("ŻELAZO"), QStringLiteral("Iron"), QStringLiteral("Fe")));
    EXPECT_EQ(Lista("cbSearchCompound")->currentText(), QStringLiteral("IRON"));
}

TEST_F(Szukanie, NoMatchShowsTheMessageAndLeavesNothingLoaded)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    ASSERT_TRUE(Znaleziono);
    Szukaj("cbSearchCompound", QStringLiteral("unobtainium"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą")});
    OczekujPustego();
}

// The database is rewritten in place while the program holds it open: a record cut off since the
// lists were filled is missing, the program goes on, and the records before it still load.
TEST_F(Szukanie, ARecordCutOffTheFileWhileTheProgramRunsIsMissing)
{
    const QString yaws = baza_.katalogDanych() + "YAWS.dat";
    const QString brak = QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą");
    // Record 10 (ŻELAZO) is cut in half, record 11 is gone.
    ASSERT_TRUE(QFile::resize(yaws, QFileInfo(yaws).size() - RozmiarRekorduYaws - RozmiarRekorduYaws / 2));
    Szukaj("cbZnajdzZwiazek", QStringLiteral("żelazo"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{brak});
    OczekujPustego();
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    EXPECT_TRUE(Znaleziono);
    EXPECT_EQ(RekordYaws.Tc, 647.14L);

    ASSERT_TRUE(QFile::resize(yaws, 0));
    Szukaj("cbSearchCompound", QStringLiteral("water"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), (std::vector<QString>{brak, brak}));
    OczekujPustego();
}

// Another database of the same size written over the file in place (as cp does) while the window
// is open: what the names kept at start-up find is read again from the file as it is now, never
// another substance at the old place, for the card and for a mixture window's component alike.
TEST_F(Szukanie, AFileRewrittenUnderTheOpenWindowNeverGivesAnotherSubstance)
{
    const QString yaws = baza_.katalogDanych() + "YAWS.dat";
    const QString brak = QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą");
    std::vector<TRekordYaws> odwrotnie = ZwiazkiDoSzukania();
    std::reverse(odwrotnie.begin(), odwrotnie.end());
    const qint64 rozmiar = QFileInfo(yaws).size();
    ASSERT_TRUE(ZapiszPlik(yaws, odwrotnie));
    ASSERT_EQ(QFileInfo(yaws).size(), rozmiar);

    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("WODA"), QStringLiteral("WATER"), QStringLiteral("H2O")));
    EXPECT_EQ(RekordYaws.Tc, 647.14L);
    Szukaj("cbCAS", QStringLiteral("124-38-9"));
    EXPECT_EQ(Baza_Form->windowTitle(),
              Tytul(QStringLiteral("DITLENEK WĘGLA"), QStringLiteral("CARBON DIOXIDE"), QStringLiteral("CO2")));

    // Written over again, now without water: its place holds another substance.
    std::vector<TRekordYaws> bezWody = ZwiazkiDoSzukania();
    bezWody.front() = Zwiazek(QStringLiteral("AMONIAK"), QStringLiteral("AMMONIA"), "H3N", "7664-41-7");
    ASSERT_TRUE(ZapiszPlik(yaws, bezWody));
    const std::optional<TRekordYaws> metan = SkladnikONazwie(PoleSzukania::NazwaPL, QStringLiteral("METAN"));
    ASSERT_TRUE(metan);
    EXPECT_EQ(metan->NazwaPL, "METAN");
    EXPECT_FALSE(SkladnikONazwie(PoleSzukania::NazwaPL, QStringLiteral("WODA")));
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{brak});
    OczekujPustego();
    Szukaj("cbZnajdzZwiazek", QStringLiteral("amoniak"));
    EXPECT_EQ(Baza_Form->windowTitle(), Tytul(QStringLiteral("AMONIAK"), QStringLiteral("AMMONIA"), QStringLiteral("H3N")));
}

TEST_F(Szukanie, AnEmptyTextShowsTheHintAndSearchesNothing)
{
    Szukaj("cbZnajdzZwiazek", QString());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_EQ(Baza_Form->StatusBar1->currentMessage(), QStringLiteral("Wpisz polską nazwę związku"));
    OczekujPustego();
}

TEST_F(Szukanie, TheButtonSearchesTheFocusedListAndNothingWithoutOne)
{
    QComboBox* angielska = Lista("cbSearchCompound");
    angielska->setFocus();
    Pisz(angielska, QStringLiteral("water"));
    QTest::mouseClick(Baza_Form->sbSzukaj, Qt::LeftButton);
    EXPECT_TRUE(angielska->hasFocus());
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
    EXPECT_EQ(RekordYaws.Tc, 647.14L);

    Baza_Form->PageControl1->setFocus();
    QTest::mouseClick(Baza_Form->sbSzukaj, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_TRUE(Znaleziono); // untouched
}

TEST_F(Szukanie, TypingInAListClearsTheLoadedSubstanceAndTheOtherLists)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    ASSERT_TRUE(Znaleziono);
    QComboBox* wzor = Lista("cbZnajdzWzor");
    wzor->setFocus();
    QTest::keyClick(wzor, Qt::Key_End);
    EXPECT_FALSE(Znaleziono);
    EXPECT_EQ(Baza_Form->windowTitle(), QStringLiteral("Baza danych QERN 2008 (v 8.0)"));
    Pisz(wzor, QStringLiteral("x"));
    EXPECT_TRUE(RekordYaws.NazwaPL.empty());
    EXPECT_TRUE(Lista("cbZnajdzZwiazek")->currentText().isEmpty());
    EXPECT_TRUE(Lista("cbCAS")->currentText().isEmpty());
    EXPECT_EQ(wzor->currentText(), QStringLiteral("H2Ox"));
}

namespace {

// The main window on the sample database, with its substance card.
class KartaWOknie : public OknoGlowne {
protected:
    KartaWOknie() : baza_(BazaTestowa::Probna()) {}

    QString Tekst(const char* pole) const
    {
        return Baza_Form->findChild<QLineEdit*>(QString::fromLatin1(pole))->text();
    }
    QLabel* Obraz() const { return Baza_Form->findChild<QLabel*>(QStringLiteral("imgKarta")); }
    std::vector<bool> Wlaczone(TGrupaRadiowa* grupa) const
    {
        std::vector<bool> wlaczone;
        for (int i = 0; i < grupa->LiczbaPozycji(); ++i)
            wlaczone.push_back(grupa->Pozycja(i)->isEnabled());
        return wlaczone;
    }

    BazaTestowa baza_;
};

} // namespace

TEST_F(KartaWOknie, TheCardPagesAreTheFirstTabsAndThePictureSitsInTheSearchPanel)
{
    EXPECT_EQ(Baza_Form->PageControl1->widget(0), Baza_Form->findChild<QWidget*>(QStringLiteral("tsKarta")));
    EXPECT_EQ(Baza_Form->PageControl1->widget(1), Baza_Form->findChild<QWidget*>(QStringLiteral("tsKartaCd")));
    EXPECT_NE(Baza_Form->tsKarta->findChild<QGroupBox*>(QStringLiteral("gbPodst")), nullptr);
    EXPECT_NE(Baza_Form->tsKartaCd->findChild<QGroupBox*>(QStringLiteral("gbAnt")), nullptr);
    EXPECT_EQ(Obraz()->parentWidget(), Baza_Form->pnlImgKarta);
    EXPECT_TRUE(Obraz()->isHidden());
}

// However many entries the lists hold, their width is not measured from every one: still, a list
// as wide as it asks to be shows every name, formula and CAS number of the sample database whole.
TEST_F(KartaWOknie, EveryEntryOfTheSampleDatabaseFitsTheWidthItsSearchListAsksFor)
{
    for (auto* lista : {Baza_Form->cbZnajdzZwiazek, Baza_Form->cbSearchCompound, Baza_Form->cbZnajdzWzor, Baza_Form->cbCAS}) {
        SCOPED_TRACE(lista->objectName().toStdString());
        ASSERT_GT(lista->count(), 100);
        lista->resize(lista->sizeHint());
        const QFontMetrics miara(lista->lineEdit()->font());
        for (int i = 0; i < lista->count(); ++i)
            EXPECT_LE(miara.horizontalAdvance(lista->itemText(i)), lista->lineEdit()->width()) << lista->itemText(i).toStdString();
    }
}

// Selecting the loaded substance in the four lists is no change of the user's: the card filled
// after the search stays filled once every event has run.
TEST_F(KartaWOknie, ASearchThroughTheMainWindowLeavesTheCardFilled)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    QApplication::processEvents();
    ASSERT_TRUE(Znaleziono);
    EXPECT_EQ(Tekst("edtMmol"), QStringLiteral("18.01528"));
    EXPECT_EQ(Tekst("edtTc"), QStringLiteral("647.14"));
    EXPECT_EQ(Tekst("edtSin_T"), QStringLiteral("0.0720649"));
    EXPECT_EQ(Tekst("edtPvp_T"), QStringLiteral("brak danych"));
    EXPECT_FALSE(Baza_Form->findChild<QLineEdit*>(QStringLiteral("edtPvp_T"))->isEnabled());
    EXPECT_TRUE(Baza_Form->findChild<QLineEdit*>(QStringLiteral("edtMmol"))->isEnabled());
    EXPECT_TRUE(Obraz()->isVisible());
    EXPECT_FALSE(Obraz()->pixmap().isNull());
    // The card enabled the experimental items whose correlation is complete; "Gęstość mieszanin"
    // is not the card's.
    EXPECT_EQ(Wlaczone(Baza_Form->rgExpGaz), (std::vector<bool>{true, false, true, false, true, false, true}));
    EXPECT_EQ(Wlaczone(Baza_Form->rgExpCiecz), (std::vector<bool>{true, true, true, true, true, false, true, true}));

    // Another search by formula, then by CAS: the card follows.
    Szukaj("cbCAS", QStringLiteral("64-17-5"));
    QApplication::processEvents();
    EXPECT_EQ(Tekst("edtMmol"), QStringLiteral("46.06844"));
    EXPECT_EQ(Lista("cbZnajdzZwiazek")->currentText(), QStringLiteral("ETANOL"));
}

TEST_F(KartaWOknie, AChangeOfAListClearsTheCardTheRecordAndHidesThePicture)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    ASSERT_TRUE(Obraz()->isVisible());
    QComboBox* wzor = Lista("cbZnajdzWzor");
    wzor->setFocus();
    Pisz(wzor, QStringLiteral("x"));
    EXPECT_TRUE(Tekst("edtMmol").isEmpty());
    EXPECT_FALSE(Obraz()->isVisible());
    EXPECT_TRUE(Obraz()->pixmap().isNull());
    EXPECT_FALSE(Znaleziono);
    EXPECT_EQ(RekordYaws.Mmol, BrakDanych);

    // A failed search leaves the card empty too.
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    Szukaj("cbZnajdzZwiazek", QStringLiteral("unobtainium"));
    EXPECT_TRUE(Tekst("edtMmol").isEmpty());
    EXPECT_FALSE(Obraz()->isVisible());
}

TEST_F(KartaWOknie, TheUnitsMenuSwitchesTheCardTemperatures)
{
    Szukaj("cbZnajdzZwiazek", QStringLiteral("woda"));
    Polecenie(Baza_Form, "KelvinCelsjusz")->trigger();
    EXPECT_EQ(Tekst("edtTb"), QStringLiteral("100"));
    EXPECT_EQ(Tekst("edtTf"), QStringLiteral("0"));
    EXPECT_EQ(Tekst("edtTc"), QStringLiteral("373.99"));
    Polecenie(Baza_Form, "SI1")->trigger();
    EXPECT_EQ(Tekst("edtTb"), QStringLiteral("373.15"));
    EXPECT_EQ(Tekst("edtTc"), QStringLiteral("647.14"));
}
