// The method tabs of the main window driven as a user drives them: every radio item stores its
// code and opens its window with its loader through the OK button, the main window hides while
// the window runs, shows again, resets the choices and keeps its substance's record; the
// experimental tab with its one-character codes and the experimental-correlation window; the
// critical-temperature descriptions; the heat-of-combustion preparation; and the codes whose
// window does not exist yet.
#include "BazaDoswiadczalna.h"
#include "BazaTestowa.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "FloatText.h"
#include "GrupaRadiowa.h"
#include "MathError.h"
#include "OknoGlowneTestowe.h"
#include "OtwieranieKorelacji.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "Tabela.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <limits>

namespace {

const QString Niedostepna = QStringLiteral("Ta metoda nie jest jeszcze dostępna");

// Every item of the prediction tabs, written from the table of methods: the parent item that
// shows its group, the code, the window class and the loader the opener calls.
struct Metoda {
    int zakladka; // of the prediction tab: parameters, properties, mixtures, equilibrium
    const char* nadrzedna;
    int pozycjaNadrzednej;
    const char* grupa;
    int pozycja;
    const char* kod;
    const char* okno;
    const char* przygotowanie;
};

void PrintTo(const Metoda& m, std::ostream* os)
{
    *os << m.grupa << " " << m.pozycja << " \"" << m.kod << "\"";
}

const Metoda Metody[] = {
    {0, "rgEstParam", 0, "rgTc", 0, "00", "TAmbrose_Form", ""},
    {0, "rgEstParam", 0, "rgTc", 1, "01", "TJoback1_Form", ""},
    {0, "rgEstParam", 0, "rgTc", 2, "02", "TFedors_Form", ""},
    {0, "rgEstParam", 0, "rgTc", 3, "03", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 1, "rgPc", 0, "10", "TAmbrose_Form", ""},
    {0, "rgEstParam", 1, "rgPc", 1, "11", "TJoback1_Form", ""},
    {0, "rgEstParam", 1, "rgPc", 2, "13", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 2, "rgVc", 0, "20", "TAmbrose_Form", ""},
    {0, "rgEstParam", 2, "rgVc", 1, "21", "TJoback1_Form", ""},
    {0, "rgEstParam", 2, "rgVc", 2, "23", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 3, "rgRoC", 0, "30", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 4, "rgZc", 0, "40", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 5, "rgOmega", 0, "50", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 5, "rgOmega", 1, "51", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 5, "rgOmega", 2, "52", "TEstymacjaParametrowFrm", ""},
    {0, "rgEstParam", 6, "rgTb", 0, "61", "TJoback1_Form", ""},
    {0, "rgEstParam", 7, "rgTf", 0, "71", "TJoback1_Form", ""},
    {1, "rgEstWlas", 0, "rgSigma", 0, "000", "TEstymacjaWlasnosciFrm", "wczytajBrocka"},
    {1, "rgEstWlas", 1, "rgLambdac", 0, "010", "TEstymacjaWlasnosciFrm", "wczytajSatoRiedla"},
    {1, "rgEstWlas", 2, "rgDelHv", 0, "020", "TEstymacjaWlasnosciFrm", "wczytajPitzera"},
    {1, "rgEstWlas", 3, "rgLepkosc", 0, "030", "TEstymacjaWlasnosciFrm", "wczytajChunga1"},
    {1, "rgEstWlas", 3, "rgLepkosc", 1, "031", "TEstymacjaWlasnosciFrm", "wczytajChunga2"},
    {1, "rgEstWlas", 3, "rgLepkosc", 2, "032", "TEstymacjaWlasnosciFrm", "wczytajLucasa"},
    {1, "rgEstWlas", 4, "rgDelHf", 0, "040", "TJoback1_Form", ""},
    {1, "rgEstWlas", 5, "rgDelHc", 0, "050", "TDelHcWynForm", ""},
    {1, "rgEstWlas", 6, "rgDyf", 0, "Tyna", "TEstymacjaWlasnosciFrm", "wczytajTyna"},
    {1, "rgEstWlas", 6, "rgDyf", 1, "Fullera", "TFuller_Form", ""},
    {1, "rgEstWlas", 7, "rgGestC", 0, "GestcRackett2", "TEstymacjaWlasnosciFrm", ""},
    {1, "rgEstWlas", 7, "rgGestC", 1, "Spencer-Danner", "TEstymacjaWlasnosciFrm", ""},
    {1, "rgEstWlas", 7, "rgGestC", 2, "GestcRackett", "TEstymacjaWlasnosciFrm", ""},
    {1, "rgEstWlas", 7, "rgGestC", 3, "HBT", "TEstymacjaWlasnosciFrm", ""},
    {1, "rgEstWlas", 7, "rgGestC", 4, "Aalto", "TEstymacjaWlasnosciFrm", ""},
    {2, "rgMixGaz", 0, "rgMixLepGaz", 0, "MixLepGaz", "TWilke_Form", ""},
    {2, "rgMixGaz", 0, "rgMixLepGaz", 1, "ChungMG", "TChungMG_Form", ""},
    {2, "rgMixGaz", 1, "rgMixGestGaz", 0, "MixGestGaz", "TWilke_Form", ""},
    {2, "rgMixCiecz", 0, "rgMixLepCiecz", 0, "MixLepCiecz", "TGrunberg_Form", ""},
    {2, "rgMixCiecz", 1, "rgMixGestCiecz", 0, "MixGestCieczSD", "TMixcFrm", ""},
    {3, "rgRownowaga", 0, "rgIzobara", 0, "RcgBis", "TFrmRownowaga", ""},
    {3, "rgRownowaga", 1, "rgIzoterma", 0, "RcgpBis", "TFrmRownowaga", ""},
};

const char* const Klasy[] = {"TAmbrose_Form", "TJoback1_Form", "TFedors_Form", "TEstymacjaParametrowFrm",
                             "TEstymacjaWlasnosciFrm", "TDelHcWynForm", "TFuller_Form", "TWilke_Form",
                             "TChungMG_Form", "TGrunberg_Form", "TMixcFrm", "TFrmRownowaga"};
const char* const Wczytania[] = {"wczytajBrocka", "wczytajSatoRiedla", "wczytajPitzera", "wczytajChunga1",
                                 "wczytajChunga2", "wczytajLucasa", "wczytajTyna"};

const char* const GrupyParametrow[] = {"rgTc", "rgPc", "rgVc", "rgRoC", "rgZc", "rgOmega", "rgTb", "rgTf"};
const char* const WszystkieGrupyMetod[] = {
    "rgTc", "rgPc", "rgVc", "rgRoC", "rgZc", "rgOmega", "rgTb", "rgTf", "rgSigma", "rgLambdac", "rgDelHv",
    "rgLepkosc", "rgDelHf", "rgDelHc", "rgDyf", "rgGestC", "rgMixLepGaz", "rgMixGestGaz", "rgMixLepCiecz",
    "rgMixGestCiecz", "rgIzobara", "rgIzoterma"};

// What a window saw while it ran.
struct Przebieg {
    QString okno;  // objectName: the class name for the stand-in windows
    QString kod;   // KodMetody when it was created
    QStringList wczytania;
    bool glowneWidoczne;
};

// Counts the main window's hidings.
class LicznikUkryc : public QObject {
public:
    int ukrycia = 0;

protected:
    bool eventFilter(QObject*, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Hide)
            ++ukrycia;
        return false;
    }
};

class Metody : public ::testing::Test {
protected:
    void SetUp() override
    {
        PokazOknoGlowne();
        Baza_Form->installEventFilter(&ukrycia);
        zapis->skryptModalny = [this](QWidget* okno) {
            if (Przebieg* p = PrzebiegOkna(okno))
                p->glowneWidoczne = Baza_Form->isVisible();
            if (skrypt)
                skrypt(okno);
        };
    }

    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }

    Przebieg* PrzebiegOkna(QWidget* okno)
    {
        for (Przebieg& p : przebiegi)
            if (p.okno == okno->objectName())
                return &p;
        if (okno->objectName() != QLatin1String("Oblicz_gaz_ciecz_Form"))
            return nullptr;
        przebiegi.push_back({okno->objectName(), KodMetody, {}, false});
        return &przebiegi.back();
    }

    // Stand-ins for every window of the table.
    void ZarejestrujZastepcze()
    {
        for (const char* klasa : Klasy) {
            std::map<QString, PrzygotowanieOkna> wczytania;
            for (const char* nazwa : Wczytania)
                wczytania[QString::fromLatin1(nazwa)] = [this, nazwa](QWidget*) {
                    przebiegi.back().wczytania << QString::fromLatin1(nazwa);
                };
            ZarejestrujOknoMetody(QString::fromLatin1(klasa), [this, klasa] {
                auto* okno = new QWidget;
                okno->setObjectName(QString::fromLatin1(klasa));
                przebiegi.push_back({okno->objectName(), KodMetody, {}, false});
                return okno;
            }, wczytania);
        }
    }

    void Wczytaj(const char* lista, const QString& tekst)
    {
        auto* cb = Baza_Form->findChild<QComboBox*>(QString::fromLatin1(lista));
        cb->setFocus();
        cb->setEditText(tekst);
        QTest::keyClick(cb, Qt::Key_Return);
        ASSERT_TRUE(Znaleziono) << tekst.toStdString();
    }

    static TGrupaRadiowa* Grupa(const char* nazwa)
    {
        auto* grupa = Baza_Form->findChild<TGrupaRadiowa*>(QString::fromLatin1(nazwa));
        if (!grupa)
            throw std::runtime_error(std::string("no group ") + nazwa);
        return grupa;
    }

    static void Kliknij(TGrupaRadiowa* grupa, int pozycja)
    {
        QRadioButton* przycisk = grupa->Pozycja(pozycja);
        QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
    }

    static void Wybierz(const Metoda& m)
    {
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(m.zakladka);
        Kliknij(Grupa(m.nadrzedna), m.pozycjaNadrzednej);
        Kliknij(Grupa(m.grupa), m.pozycja);
    }

    static QPushButton* PrzyciskOK(int zakladka)
    {
        QPushButton* przyciski[] = {Baza_Form->btnObliczEstParam, Baza_Form->btnObliczEstWlasnosc,
                                    Baza_Form->btnObliczMieszanine, Baza_Form->btnRownowaga};
        return przyciski[zakladka];
    }

    static QString Tekst(const char* pole) { return Baza_Form->findChild<QLineEdit*>(QString::fromLatin1(pole))->text(); }

    BazaTestowa baza_ = BazaTestowa::Probna();
    ZapisujOkna zapis;
    LicznikUkryc ukrycia;
    std::vector<Przebieg> przebiegi;
    std::function<void(QWidget*)> skrypt;
};

class KazdaMetoda : public Metody, public ::testing::WithParamInterface<Metoda> {};

} // namespace

// Choose the item as a user does, press OK: the window of the table opens once with its loader
// while the main window is hidden; afterwards the main window is back with its substance.
TEST_P(KazdaMetoda, OpensItsWindowWithItsLoaderAndResetsTheChoice)
{
    const Metoda& m = GetParam();
    ZarejestrujZastepcze();
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Wybierz(m);
    EXPECT_EQ(KodMetody, QString::fromLatin1(m.kod));
    QPushButton* ok = PrzyciskOK(m.zakladka);
    ASSERT_FALSE(ok->isHidden());
    QTest::mouseClick(ok, Qt::LeftButton);

    EXPECT_TRUE(zapis->komunikaty.empty());
    ASSERT_EQ(przebiegi.size(), 1u);
    EXPECT_EQ(przebiegi[0].okno, QString::fromLatin1(m.okno));
    EXPECT_EQ(przebiegi[0].kod, QString::fromLatin1(m.kod));
    EXPECT_EQ(przebiegi[0].wczytania,
              *m.przygotowanie ? QStringList{QString::fromLatin1(m.przygotowanie)} : QStringList{});
    EXPECT_FALSE(przebiegi[0].glowneWidoczne);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(ukrycia.ukrycia, 1);

    switch (m.zakladka) {
    case 0:
        for (const char* grupa : GrupyParametrow)
            EXPECT_EQ(Grupa(grupa)->ItemIndex(), -1) << grupa;
        EXPECT_TRUE(ok->isHidden());
        EXPECT_EQ(Grupa(m.nadrzedna)->ItemIndex(), m.pozycjaNadrzednej);
        EXPECT_TRUE(KodMetody.isEmpty());
        break;
    case 1: {
        // A diffusion method stays chosen, and so does its code; no other code outlives its window.
        const bool zostaje = QLatin1String(m.grupa) == QLatin1String("rgDyf");
        EXPECT_EQ(Grupa(m.grupa)->ItemIndex(), zostaje ? m.pozycja : -1);
        EXPECT_EQ(Grupa(m.nadrzedna)->ItemIndex(), m.pozycjaNadrzednej);
        EXPECT_EQ(KodMetody, zostaje ? QString::fromLatin1(m.kod) : QString());
        break;
    }
    default:
        // Mixtures and equilibrium: everything reset, the card and the record emptied.
        EXPECT_FALSE(Znaleziono);
        EXPECT_TRUE(RekordYaws.NazwaPL.empty());
        EXPECT_TRUE(Tekst("edtMmol").isEmpty());
        for (const char* grupa : {"rgMixGaz", "rgMixCiecz", "rgRownowaga", "rgEstParam", "rgEstWlas"})
            EXPECT_EQ(Grupa(grupa)->ItemIndex(), -1) << grupa;
        for (const char* grupa : WszystkieGrupyMetod)
            EXPECT_TRUE(Grupa(grupa)->isHidden()) << grupa;
        EXPECT_TRUE(ok->isHidden());
        // No list names a substance that is not loaded.
        for (const char* lista : {"cbZnajdzZwiazek", "cbSearchCompound", "cbZnajdzWzor", "cbCAS"})
            EXPECT_EQ(Baza_Form->findChild<QComboBox*>(QString::fromLatin1(lista))->currentText(), QString()) << lista;
        EXPECT_TRUE(KodMetody.isEmpty());
        return;
    }
    // The card's substance stays.
    EXPECT_TRUE(Znaleziono);
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
    EXPECT_EQ(Tekst("edtMmol"), QStringLiteral("18.01528"));
}

// Nothing registered: the OK button says the method is not there yet, and nothing else happens.
TEST_P(KazdaMetoda, WithoutItsWindowOnlySaysSo)
{
    const Metoda& m = GetParam();
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("METAN"));
    Wybierz(m);
    QTest::mouseClick(PrzyciskOK(m.zakladka), Qt::LeftButton);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{Niedostepna});
    EXPECT_TRUE(zapis->oknaModalne.empty());
    EXPECT_EQ(ukrycia.ukrycia, 0);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(Grupa(m.grupa)->ItemIndex(), m.pozycja);
    EXPECT_FALSE(PrzyciskOK(m.zakladka)->isHidden());
    EXPECT_EQ(KodMetody, QString::fromLatin1(m.kod));
    EXPECT_TRUE(Znaleziono);
    EXPECT_EQ(RekordYaws.NazwaPL, "METAN");
}

INSTANTIATE_TEST_SUITE_P(TabelaKodow, KazdaMetoda, ::testing::ValuesIn(Metody));

TEST_F(Metody, ParentItemsShowOnlyTheirMethodGroupWithNothingChosen)
{
    for (const char* grupa : WszystkieGrupyMetod)
        EXPECT_TRUE(Grupa(grupa)->isHidden()) << grupa;
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Wybierz({0, "rgEstParam", 1, "rgPc", 2, "", "", ""});
    EXPECT_FALSE(Baza_Form->btnObliczEstParam->isHidden());
    Kliknij(Grupa("rgEstParam"), 5);
    EXPECT_TRUE(Grupa("rgPc")->isHidden());
    EXPECT_FALSE(Grupa("rgOmega")->isHidden());
    EXPECT_EQ(Grupa("rgPc")->ItemIndex(), -1);
    EXPECT_TRUE(Baza_Form->btnObliczEstParam->isHidden());
    EXPECT_EQ(Grupa("rgOmega")->title(), QStringLiteral("Omega - dostępne metody"));

    // The mixture tab's two parent groups clear each other.
    Wybierz({2, "rgMixGaz", 0, "rgMixLepGaz", 1, "", "", ""});
    EXPECT_EQ(KodMetody, QStringLiteral("ChungMG"));
    Kliknij(Grupa("rgMixCiecz"), 1);
    EXPECT_EQ(Grupa("rgMixGaz")->ItemIndex(), -1);
    EXPECT_EQ(Grupa("rgMixLepGaz")->ItemIndex(), -1);
    EXPECT_TRUE(Grupa("rgMixLepGaz")->isHidden());
    EXPECT_FALSE(Grupa("rgMixGestCiecz")->isHidden());
    EXPECT_TRUE(Baza_Form->btnObliczMieszanine->isHidden());

    // The modified Rackett method puts its hint in the status bar; the other methods and the
    // parent group take it away.
    Wybierz({1, "rgEstWlas", 7, "rgGestC", 0, "", "", ""});
    EXPECT_EQ(Grupa("rgGestC")->statusTip(), QStringLiteral("Metoda Racketta"));
    Kliknij(Grupa("rgGestC"), 3);
    EXPECT_TRUE(Grupa("rgGestC")->statusTip().isEmpty());
    Kliknij(Grupa("rgGestC"), 0);
    Kliknij(Grupa("rgEstWlas"), 6);
    EXPECT_TRUE(Grupa("rgGestC")->statusTip().isEmpty());
}

TEST_F(Metody, WithoutASubstanceOnlyMixturesEquilibriumAndDiffusionOfferOK)
{
    const struct {
        Metoda metoda;
        bool ok;
    } przypadki[] = {
        {{0, "rgEstParam", 0, "rgTc", 1, "", "", ""}, false},
        {{1, "rgEstWlas", 0, "rgSigma", 0, "", "", ""}, false},
        {{1, "rgEstWlas", 6, "rgDyf", 1, "", "", ""}, true},
        {{2, "rgMixCiecz", 0, "rgMixLepCiecz", 0, "", "", ""}, true},
        {{3, "rgRownowaga", 1, "rgIzoterma", 0, "", "", ""}, true},
    };
    for (const auto& p : przypadki) {
        Wybierz(p.metoda);
        EXPECT_EQ(!PrzyciskOK(p.metoda.zakladka)->isHidden(), p.ok) << p.metoda.grupa;
    }
}

TEST_F(Metody, EquilibriumOKWithNoMethodChosenOnlyResets)
{
    ZarejestrujZastepcze();
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Kliknij(Grupa("rgRownowaga"), 0);
    Baza_Form->btnRownowagaClick();
    EXPECT_TRUE(przebiegi.empty());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_FALSE(Znaleziono);
    EXPECT_EQ(Grupa("rgRownowaga")->ItemIndex(), -1);
    EXPECT_TRUE(Grupa("rgIzobara")->isHidden());
}

// ---- The experimental tab ----

TEST_F(Metody, ExperimentalItemsStoreTheirCodesAndClearTheOtherGroup)
{
    const char gaz[] = {'4', '1', '0', '2', '3', '6', '5'};
    for (int i = 0; i < 7; ++i) {
        Kliknij(Baza_Form->rgExpGaz, i);
        EXPECT_EQ(KodGaz, gaz[i]) << i;
        EXPECT_EQ(KodCiecz, BrakKoduKorelacji);
    }
    EXPECT_EQ(Baza_Form->rgExpGaz->Pozycja(2)->text(), QStringLiteral("Ciepło właściwe"));
    Kliknij(Baza_Form->rgExpGaz, 2);
    EXPECT_EQ(KodGaz, '0');
    Kliknij(Baza_Form->rgExpGaz, 0);
    EXPECT_EQ(KodGaz, '4');
    for (int i = 0; i < 8; ++i) {
        Kliknij(Baza_Form->rgExpCiecz, i);
        EXPECT_EQ(KodCiecz, static_cast<char>('0' + i)) << i;
        EXPECT_EQ(KodGaz, BrakKoduKorelacji);
        EXPECT_EQ(Baza_Form->rgExpGaz->ItemIndex(), -1);
    }
    Kliknij(Baza_Form->rgExpGaz, 5);
    EXPECT_EQ(Baza_Form->rgExpCiecz->ItemIndex(), -1);
    EXPECT_EQ(KodCiecz, BrakKoduKorelacji);
}

TEST_F(Metody, ExperimentalOKNeedsASubstanceExceptForMixtureDensity)
{
    Kliknij(Baza_Form->rgExpGaz, 0);
    EXPECT_TRUE(Baza_Form->btnExpDalej->isHidden());
    Kliknij(Baza_Form->rgExpCiecz, 3);
    EXPECT_TRUE(Baza_Form->btnExpDalej->isHidden());
    Kliknij(Baza_Form->rgExpCiecz, 7);
    EXPECT_FALSE(Baza_Form->btnExpDalej->isHidden());
    Kliknij(Baza_Form->rgExpCiecz, 0);
    EXPECT_TRUE(Baza_Form->btnExpDalej->isHidden());
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    // A search clears the experimental choice and hides the button.
    EXPECT_EQ(Baza_Form->rgExpCiecz->ItemIndex(), -1);
    EXPECT_TRUE(Baza_Form->btnExpDalej->isHidden());
    Kliknij(Baza_Form->rgExpGaz, 6);
    EXPECT_FALSE(Baza_Form->btnExpDalej->isHidden());
}

TEST_F(Metody, ExperimentalOKOpensTheCorrelationWindowAndBlanksTheCodesAfterwards)
{
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaDoswiadczalna);
    Kliknij(Baza_Form->rgExpGaz, 6);
    QString tytul, rownanie;
    skrypt = [&](QWidget* okno) {
        auto* korelacja = qobject_cast<TOblicz_gaz_ciecz_Form*>(okno);
        ASSERT_NE(korelacja, nullptr);
        tytul = okno->windowTitle();
        rownanie = korelacja->lblObliczGazCo->text();
        EXPECT_EQ(KodGaz, '5');
        EXPECT_EQ(korelacja->edtTmin->text(), QStringLiteral("263.15"));
    };
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    ASSERT_EQ(przebiegi.size(), 1u);
    EXPECT_EQ(tytul, QStringLiteral("Gaz:      WODA       H2O"));
    EXPECT_FALSE(przebiegi[0].glowneWidoczne);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(KodGaz, BrakKoduKorelacji);
    EXPECT_EQ(KodCiecz, BrakKoduKorelacji);
    EXPECT_EQ(Baza_Form->rgExpGaz->ItemIndex(), 6); // the choice stays
    EXPECT_FALSE(Baza_Form->btnExpDalej->isHidden());
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");

    // Pressed again, the window opens with the same correlation although the codes are blank.
    skrypt = [&](QWidget* okno) { EXPECT_EQ(static_cast<TOblicz_gaz_ciecz_Form*>(okno)->lblObliczGazCo->text(), rownanie); };
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    EXPECT_EQ(zapis->oknaModalne.size(), 2u);
}

TEST_F(Metody, ACardLabelOpensItsCorrelationNamedAsTheFocusedListNamesIt)
{
    Wczytaj("cbSearchCompound", QStringLiteral("WATER"));
    QString tytul;
    skrypt = [&](QWidget* okno) { tytul = okno->windowTitle(); };
    QTest::mouseClick(Baza_Form->findChild<QLabel*>(QStringLiteral("lblNic_T")), Qt::LeftButton);
    EXPECT_EQ(Baza_Form->PageControl1->currentWidget(), Baza_Form->tsBazaDoswiadczalna);
    EXPECT_EQ(Baza_Form->rgExpCiecz->ItemIndex(), 0);
    EXPECT_EQ(tytul, QStringLiteral("Ciecz:      WATER       H2O"));
    EXPECT_TRUE(Baza_Form->isVisible());
}

TEST_F(Metody, MixtureDensityRunsOverTheVisibleMainWindowAndResetsEverything)
{
    Kliknij(Baza_Form->rgExpCiecz, 7);
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{Niedostepna});
    EXPECT_EQ(Baza_Form->rgExpCiecz->ItemIndex(), 7);

    zapis->komunikaty.clear();
    ZarejestrujZastepcze();
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Kliknij(Baza_Form->rgExpCiecz, 7);
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    ASSERT_EQ(przebiegi.size(), 1u);
    EXPECT_EQ(przebiegi[0].okno, QStringLiteral("TMixcFrm"));
    EXPECT_EQ(przebiegi[0].kod, QStringLiteral("MixGestCiecz"));
    EXPECT_TRUE(przebiegi[0].glowneWidoczne);
    EXPECT_EQ(ukrycia.ukrycia, 0);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_FALSE(Znaleziono);
    EXPECT_TRUE(RekordYaws.NazwaPL.empty());
    EXPECT_TRUE(Tekst("edtMmol").isEmpty());
    EXPECT_EQ(Baza_Form->rgExpCiecz->ItemIndex(), -1);
    EXPECT_TRUE(Baza_Form->btnExpDalej->isHidden());
}

// "032": the estimation window asks the experimental tab for the saturated-liquid viscosity at
// its saturation temperature and takes the result back into its box; the main window stays
// hidden until the estimation window closes.
TEST_F(Metody, SaturatedViscosityRoundTrip)
{
    bool glowneUkryte = false;
    char kodCieczy = '?';
    bool obliczyc = true;
    // The estimation window as far as the trip uses it.
    ZarejestrujOknoMetody(QStringLiteral("TEstymacjaWlasnosciFrm"), [] { return new QWidget; },
                          {{QStringLiteral("wczytajLucasa"), [](QWidget*) {}}});
    QString oddana;
    skrypt = [&](QWidget* okno) {
        if (auto* korelacja = qobject_cast<TOblicz_gaz_ciecz_Form*>(okno)) {
            EXPECT_EQ(korelacja->edtT->text(), QStringLiteral("200"));
            if (obliczyc)
                QTest::mouseClick(korelacja->Button1, Qt::LeftButton);
            return;
        }
        // The estimation window's button for the saturated viscosity.
        const std::optional<long double> lepkosc = OtwieranieKorelacji()->LepkoscNasyceniaZKorelacji(200.0L);
        oddana = lepkosc ? FloatToStr(*lepkosc) : QStringLiteral("bez zmian");
        glowneUkryte = !Baza_Form->isVisible();
        kodCieczy = KodCiecz;
    };
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("ETANOL"));
    Wybierz({1, "rgEstWlas", 3, "rgLepkosc", 2, "", "", ""});
    QTest::mouseClick(Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(zapis->oknaModalne.size(), 2u);
    EXPECT_EQ(oddana, QStringLiteral("0.0131752053456261")); // ethanol at 200 K
    EXPECT_TRUE(glowneUkryte);
    EXPECT_EQ(kodCieczy, BrakKoduKorelacji);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(ukrycia.ukrycia, 1);

    // Closed before evaluating: nothing is handed back.
    obliczyc = false;
    Wybierz({1, "rgEstWlas", 3, "rgLepkosc", 2, "", "", ""});
    QTest::mouseClick(Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
    EXPECT_EQ(oddana, QStringLiteral("bez zmian"));
}

// The liquid viscosity under pressure with its saturation temperature, closed: afterwards the
// liquid viscosity of any substance starts with an empty temperature and its table with the step
// of a temperature table, and nothing waits for a viscosity.
TEST_F(Metody, AClosedLucasWindowLeavesNoSaturationTemperatureNorPressureStep)
{
    ZarejestrujOknoMetody(QStringLiteral("TEstymacjaWlasnosciFrm"), [] { return new QWidget; },
                          {{QStringLiteral("wczytajLucasa"), [](QWidget*) {}}});
    QString temperatura = QStringLiteral("?"), krok = QStringLiteral("?");
    skrypt = [&](QWidget* okno) {
        if (auto* korelacja = qobject_cast<TOblicz_gaz_ciecz_Form*>(okno)) {
            temperatura = korelacja->edtT->text();
            QTest::mouseClick(korelacja->Tab_Button, Qt::LeftButton);
        } else if (auto* tabela = qobject_cast<TTabela_Form*>(okno)) {
            krok = tabela->edtKrok->text();
        }
    };
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("ETANOL"));
    Wybierz({1, "rgEstWlas", 3, "rgLepkosc", 2, "", "", ""});
    QTest::mouseClick(Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
    EXPECT_TRUE(KodMetody.isEmpty());

    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaDoswiadczalna);
    Kliknij(Baza_Form->rgExpCiecz, 0);
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    EXPECT_EQ(zapis->oknaModalne.size(), 3u);
    EXPECT_EQ(temperatura, QString());
    EXPECT_EQ(krok, QStringLiteral("1"));
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// A "032" left in KodMetody by an estimation window that has closed does not keep the main
// window hidden after the experimental window.
TEST_F(Metody, AStaleSaturatedViscosityCodeDoesNotHideTheMainWindow)
{
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("ETANOL"));
    KodMetody = QStringLiteral("032");
    Kliknij(Baza_Form->rgExpCiecz, 0);
    QTest::mouseClick(Baza_Form->btnExpDalej, Qt::LeftButton);
    EXPECT_EQ(zapis->oknaModalne.size(), 1u);
    EXPECT_TRUE(Baza_Form->isVisible());
}

// A floating-point error while the OK button's handler runs (here in the loader of the window it
// opens) ends in the general error box and the main window comes back with its substance. The
// click is a direct call, so no event carries it through the application object: without the
// handler's own net the error would reach this test.
TEST_F(Metody, AFloatingPointErrorInAHandlerEndsInTheGeneralErrorBox)
{
    ZarejestrujOknoMetody(QStringLiteral("TEstymacjaWlasnosciFrm"), [] { return new QWidget; },
                          {{QStringLiteral("wczytajBrocka"), [](QWidget*) {
                                SkonczonaWartosc(std::numeric_limits<long double>::infinity());
                            }}});
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    Wybierz({1, "rgEstWlas", 0, "rgSigma", 0, "000", "", ""}); // Brock-Bird
    Baza_Form->btnObliczEstWlasnosc->click();

    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Niedozwolona operacja zmiennoprzecinkowa"));
    EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Blad);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
}

// ---- Critical-temperature descriptions ----

namespace {

class OpisyMetod : public Metody {
protected:
    void SetUp() override
    {
        poprzedni_ = QDir::currentPath();
        // The build copies Help/ beside DATA/.
        QDir::setCurrent(QDir(qEnvironmentVariable("QERN_DATA")).filePath(QStringLiteral("..")));
        Metody::SetUp();
    }
    void TearDown() override
    {
        Metody::TearDown();
        QDir::setCurrent(poprzedni_);
    }

    static void WybierzTc(int pozycja) { Wybierz({0, "rgEstParam", 0, "rgTc", pozycja, "", "", ""}); }
    static QTextEdit* Opis() { return Baza_Form->reOpisMetody; }
    static QStringList Wiersze()
    {
        return Opis()->toPlainText().split(QLatin1Char('\n'));
    }
    static bool Pogrubiony(int wiersz)
    {
        return Opis()->document()->findBlockByNumber(wiersz).begin().fragment().charFormat().fontWeight() == QFont::Bold;
    }

    QString poprzedni_;
};

const QString BrakTb = QStringLiteral("Nie znaleziono Tb - oblicz temperaturę wrzenia lub podaj ją z innych źródeł.");
const QString BrakMmol = QStringLiteral("Nie znaleziono Mmol - podaj masę molową z innych źródeł.");

} // namespace

TEST_F(OpisyMetod, WithoutASubstanceADescriptionShowsWithTheMissingDataButNoOK)
{
    WybierzTc(0);
    ASSERT_FALSE(Opis()->isHidden());
    EXPECT_TRUE(Baza_Form->btnObliczEstParam->isHidden());
    EXPECT_EQ(KodMetody, QStringLiteral("00"));
    const QStringList wiersze = Wiersze();
    ASSERT_GE(wiersze.size(), 3);
    EXPECT_EQ(wiersze[0], BrakTb);
    EXPECT_EQ(wiersze[1], QStringLiteral("Metoda Ambrose'a"));
    // The rich-text file: Polish letters from its CP1250 escapes, a Greek letter, a bold heading.
    EXPECT_TRUE(wiersze[2].startsWith(QStringLiteral("Metoda udziałów grup do szacowania temperatury krytycznej związków")));
    EXPECT_TRUE(Opis()->toPlainText().contains(QStringLiteral("ΔT")));
    EXPECT_TRUE(Opis()->toPlainText().contains(QStringLiteral("Źródło: D. Ambrose")));
    EXPECT_TRUE(Pogrubiony(1));
    EXPECT_FALSE(Pogrubiony(0));
    EXPECT_FALSE(Pogrubiony(2));

    WybierzTc(3);
    EXPECT_EQ(Wiersze().mid(0, 3), (QStringList{BrakMmol, BrakTb, QStringLiteral("Metoda Klincewicza")}));
    WybierzTc(2);
    EXPECT_EQ(Wiersze()[0], QStringLiteral("Metoda Fedorsa"));
    EXPECT_TRUE(Opis()->toPlainText().contains(QStringLiteral("budową cząsteczki")));
    WybierzTc(1);
    EXPECT_EQ(Wiersze().mid(0, 2), (QStringList{BrakTb, QStringLiteral("Metoda Jobacka")}));
    EXPECT_TRUE(zapis->komunikaty.empty());
    // Another parameter hides the description.
    Kliknij(Grupa("rgEstParam"), 1);
    EXPECT_TRUE(Opis()->isHidden());
}

TEST_F(OpisyMetod, WithASubstanceNoLinesAreAddedAndOKShows)
{
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    WybierzTc(3);
    EXPECT_EQ(Wiersze()[0], QStringLiteral("Metoda Klincewicza"));
    EXPECT_FALSE(Baza_Form->btnObliczEstParam->isHidden());
}

TEST_F(OpisyMetod, AMissingDescriptionShowsNothingAndSaysNothing)
{
    QTemporaryDir pusty;
    QDir::setCurrent(pusty.path());
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    WybierzTc(0);
    EXPECT_TRUE(Opis()->isHidden());
    EXPECT_TRUE(Opis()->toPlainText().isEmpty());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_FALSE(Baza_Form->btnObliczEstParam->isHidden());
}

// Descriptions that are no description file: a named pipe, a file over the bound of a
// description, a link to an endless device. Each shows nothing, says nothing and answers at once;
// an ordinary description beside them still shows.
TEST_F(OpisyMetod, APipeATooLargeFileOrADeviceIsAMissingDescription)
{
    QTemporaryDir katalog;
    QDir::setCurrent(katalog.path());
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Help")));
    ASSERT_EQ(::mkfifo("Help/Tc_Ambrose.rtf", 0600), 0);
    QFile duzy(QStringLiteral("Help/Tc_Joback.txt"));
    ASSERT_TRUE(duzy.open(QIODevice::WriteOnly));
    duzy.write(QByteArray(2 << 20, 'a'));
    duzy.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("Help/Tc_Fedors.txt")));
    QFile zwykly(QStringLiteral("Help/Tc_Klincewicz.txt"));
    ASSERT_TRUE(zwykly.open(QIODevice::WriteOnly));
    zwykly.write("Metoda Klincewicza");
    zwykly.close();
    Wczytaj("cbZnajdzZwiazek", QStringLiteral("WODA"));
    QElapsedTimer czas;
    czas.start();
    for (int pozycja : {0, 1, 2}) {
        WybierzTc(pozycja);
        EXPECT_TRUE(Opis()->isHidden()) << pozycja;
        EXPECT_TRUE(Opis()->toPlainText().isEmpty()) << pozycja;
    }
    WybierzTc(3);
    EXPECT_LT(czas.elapsed(), 1000);
    EXPECT_EQ(Wiersze()[0], QStringLiteral("Metoda Klincewicza"));
    EXPECT_TRUE(zapis->komunikaty.empty());
}

// ---- Heat of combustion ----

namespace {

struct Spalanie {
    const char* wzor;
    const char* komunikat; // "" when the window opens
    int C, H, F, Cl, Br, I, S;
    bool trybAtomow;
};

void PrintTo(const Spalanie& s, std::ostream* os)
{
    *os << s.wzor;
}

TRekordYaws Zwiazek(const char* nazwa, const char* wzor)
{
    return BazaTestowa::Substancja(nazwa, nazwa, wzor, "");
}

class CieploSpalania : public ::testing::TestWithParam<Spalanie> {
protected:
    void SetUp() override
    {
        PokazOknoGlowne();
        ZarejestrujOknoMetody(QStringLiteral("TDelHcWynForm"), [this] {
            otwarte = true;
            liczby = {Nc, Nh, Nf, Ncl, Nbr, Ni, Ns, Nx};
            tryb = {TrybAtomow, DelHcMinusDelHf};
            glowneWidoczne = Baza_Form->isVisible();
            return new QWidget;
        });
    }
    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }

    // Loads the substance by its Polish name and presses OK on the heat of combustion.
    void Oblicz(const char* nazwa)
    {
        auto* lista = Baza_Form->cbZnajdzZwiazek;
        lista->setFocus();
        lista->setEditText(QString::fromLatin1(nazwa));
        QTest::keyClick(lista, Qt::Key_Return);
        ASSERT_TRUE(Znaleziono);
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(1);
        Baza_Form->rgEstWlas->UstawItemIndex(5);
        Baza_Form->Grupa(QStringLiteral("rgDelHc"))->UstawItemIndex(0);
        QTest::mouseClick(Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
    }

    BazaTestowa baza_{[] {
        std::vector<TRekordYaws> r;
        for (const char* wzor : {"H2", "H2O", "CO", "N2O", "C10H22", "CCl4", "SiCl4", "C12Cl10", "2H", "C6H5Br",
                                 "C2H6OS", "CH3I", "C2F6"})
            r.push_back(Zwiazek(wzor, wzor));
        TRekordYaws zCieplem = Zwiazek("Z CIEPLEM", "CH4");
        zCieplem.DelHfA = -63.425L;
        zCieplem.DelHfB = -4.3355e-2L;
        zCieplem.DelHfC = 1.72e-5L;
        r.push_back(zCieplem);
        zCieplem.NazwaPL = "BEZ C";
        zCieplem.DelHfC = BrakDanych;
        r.push_back(zCieplem);
        return r;
    }()};
    ZapisujOkna zapis;
    bool otwarte = false;
    bool glowneWidoczne = true;
    std::array<int, 8> liczby{};
    std::pair<bool, bool> tryb;
};

} // namespace

TEST_P(CieploSpalania, CountsTheAtomsOfTheFormula)
{
    const Spalanie& s = GetParam();
    Oblicz(s.wzor);
    if (*s.komunikat) {
        ASSERT_EQ(zapis->komunikaty.size(), 1u);
        EXPECT_EQ(zapis->komunikaty[0].tekst, QString::fromUtf8(s.komunikat));
        EXPECT_EQ(zapis->komunikaty[0].rodzaj, RodzajKomunikatu::Ostrzezenie);
        EXPECT_FALSE(otwarte);
        return;
    }
    EXPECT_TRUE(zapis->komunikaty.empty());
    ASSERT_TRUE(otwarte);
    EXPECT_FALSE(glowneWidoczne);
    EXPECT_EQ(liczby, (std::array<int, 8>{s.C, s.H, s.F, s.Cl, s.Br, s.I, s.S, 0}));
    EXPECT_EQ(tryb, std::make_pair(s.trybAtomow, !s.trybAtomow));
    EXPECT_EQ(WzorZwiazku, QString::fromLatin1(s.wzor));
    EXPECT_EQ(NazwaZwiazku, QString::fromLatin1(s.wzor));
    // No heat of formation in these records.
    EXPECT_FALSE(DelHfZnane);
    EXPECT_EQ(DelHf, 0.0L);
    EXPECT_TRUE(Baza_Form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Wzory, CieploSpalania,
    ::testing::Values(Spalanie{"H2", "Metoda nie stosuje się do pierwiastków ", 0, 2, 0, 0, 0, 0, 0, true},
                      Spalanie{"H2O", "", 0, 2, 0, 0, 0, 0, 0, true},
                      Spalanie{"CO", "", 1, 0, 0, 0, 0, 0, 0, true},
                      Spalanie{"N2O", "", 0, 0, 0, 0, 0, 0, 0, false},
                      Spalanie{"C10H22", "", 10, 22, 0, 0, 0, 0, 0, true},
                      Spalanie{"CCl4", "", 1, 0, 0, 4, 0, 0, 0, true},
                      Spalanie{"SiCl4", "", 0, 0, 0, 4, 0, 0, 0, true},
                      Spalanie{"C12Cl10", "", 12, 0, 0, 10, 0, 0, 0, true},
                      Spalanie{"C6H5Br", "", 6, 5, 0, 0, 1, 0, 0, true},
                      Spalanie{"C2H6OS", "", 2, 6, 0, 0, 0, 0, 1, true},
                      Spalanie{"CH3I", "", 1, 3, 0, 0, 0, 1, 0, true},
                      Spalanie{"C2F6", "", 2, 0, 6, 0, 0, 0, 0, true},
                      Spalanie{"2H", "Nieokreślony błąd", 0, 0, 0, 0, 0, 0, 0, true}));

// The heat of formation at 298.15 K from the correlation, only when all three coefficients are
// there: -63.425 - 0.043355·298.15 + 1.72e-5·298.15² = -74.822326383 kJ/mol (exact
// in decimals).
TEST_F(CieploSpalania, HeatOfFormationOnlyFromACompleteCorrelation)
{
    Oblicz("Z CIEPLEM");
    ASSERT_TRUE(otwarte);
    EXPECT_TRUE(DelHfZnane);
    EXPECT_NEAR(static_cast<double>(DelHf), -74.822326383, 1e-12);
    EXPECT_EQ(liczby[0], 1);
    EXPECT_EQ(liczby[1], 4);

    otwarte = false;
    Oblicz("BEZ C");
    ASSERT_TRUE(otwarte);
    EXPECT_FALSE(DelHfZnane);
    EXPECT_EQ(DelHf, 0.0L);
}

TEST_F(CieploSpalania, WithoutItsWindowThePreparationRunsAndSaysTheMethodIsNotThereYet)
{
    WyrejestrujOknaMetod();
    Oblicz("CO");
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{Niedostepna});
    EXPECT_EQ(Nc, 1);
    EXPECT_TRUE(TrybAtomow);
    Oblicz("H2");
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              (std::vector<QString>{Niedostepna, QStringLiteral("Metoda nie stosuje się do pierwiastków ")}));
}
