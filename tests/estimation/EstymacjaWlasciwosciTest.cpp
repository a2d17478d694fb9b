// The property-estimation window end to end, reached from the main window as a user reaches it:
// property, method, OK, then typing and clicking in the window, which runs modally under the
// recorder. Reference values: the formulas of core called directly (the window computes nothing
// of its own), and mpmath at 40 digits for the density reference point and Tyn-Calus.
#include "EstymacjaWlasciwosci.h"

#include "Baza.h"
#include "BazaDoswiadczalna.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "GrupaRadiowa.h"
#include "KartaZwiazku.h"
#include "KorelacjeTemperaturowe.h"
#include "ListaZwiazkow.h"
#include "windows/OknoGlowneTestowe.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "SiatkaTekstowa.h"
#include "Tabela.h"
#include "Wyszukiwanie.h"
#include "WzoryEstymacyjne.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

struct Wybor {
    int wlasnosc;       // item of "rgEstWlas"
    const char* grupa;  // its method group
    int metoda;
};

const std::map<QString, Wybor> Wybory = {
    {"000", {0, "rgSigma", 0}},  {"010", {1, "rgLambdac", 0}}, {"020", {2, "rgDelHv", 0}},
    {"030", {3, "rgLepkosc", 0}}, {"031", {3, "rgLepkosc", 1}}, {"032", {3, "rgLepkosc", 2}},
    {"Tyna", {6, "rgDyf", 0}},   {"GestcRackett2", {7, "rgGestC", 0}}, {"Spencer-Danner", {7, "rgGestC", 1}},
    {"GestcRackett", {7, "rgGestC", 2}}, {"HBT", {7, "rgGestC", 3}}, {"Aalto", {7, "rgGestC", 4}},
};

void Kliknij(TGrupaRadiowa* grupa, int pozycja)
{
    QRadioButton* przycisk = grupa->Pozycja(pozycja);
    QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
}

void Wpisz(QLineEdit* pole, const QString& tekst)
{
    pole->selectAll();
    pole->del();
    QTest::keyClicks(pole, tekst);
}

const QString ZlaTemperatura = QStringLiteral("Temperatura T musi być liczbą większą od zera");

long double Wzgledny(const QString& tekst, long double oczekiwana)
{
    return std::abs(StrToFloat(tekst) / oczekiwana - 1.0L);
}

class OknoEstymacji : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZarejestrujOknoEstymacjiWlasnosci();
        zapis->skryptModalny = [this](QWidget* okno) {
            if (auto* e = qobject_cast<TEstymacjaWlasnosciFrm*>(okno); e && wOknie)
                wOknie(*e);
            else if (auto* t = qobject_cast<TTabela_Form*>(okno); t && wTabeli)
                wTabeli(*t);
            else if (auto* k = qobject_cast<TOblicz_gaz_ciecz_Form*>(okno); k && wKorelacji)
                wKorelacji(*k);
        };
    }

    void TearDown() override
    {
        ZwolnijOknoGlowne();
        WyrejestrujOknaMetod();
    }

    void Wczytaj(const char* nazwa)
    {
        Baza_Form->cbZnajdzZwiazek->setFocus();
        Baza_Form->cbZnajdzZwiazek->setEditText(QString::fromUtf8(nazwa));
        QTest::keyClick(Baza_Form->cbZnajdzZwiazek, Qt::Key_Return);
        ASSERT_TRUE(Znaleziono) << nazwa;
    }

    // Property, method and OK on the main window; the window then runs `wOknie`.
    void Uruchom(const char* kod)
    {
        const Wybor& w = Wybory.at(QString::fromLatin1(kod));
        Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
        Baza_Form->PageControl2->setCurrentIndex(1);
        Kliknij(Baza_Form->Grupa(QStringLiteral("rgEstWlas")), w.wlasnosc);
        Kliknij(Baza_Form->Grupa(QString::fromLatin1(w.grupa)), w.metoda);
        ASSERT_EQ(KodMetody, QString::fromLatin1(kod));
        const size_t przed = zapis->oknaModalne.size();
        QTest::mouseClick(Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
        ASSERT_GT(zapis->oknaModalne.size(), przed) << kod;
    }

    // Types T and presses "Oblicz"; the result's text, empty when none is on view.
    static QString Oblicz(TEstymacjaWlasnosciFrm& o, const QString& T)
    {
        Wpisz(o.edtT, T);
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton);
        return o.edtWynik->isVisible() ? o.edtWynik->text() : QString();
    }

    static void Zrzut(QWidget& okno, const char* nazwa)
    {
        const QString katalog = qEnvironmentVariable("QERN_ZRZUTY");
        if (katalog.isEmpty())
            return;
        QTest::qWait(50);
        okno.grab().save(QDir(katalog).filePath(QString::fromLatin1(nazwa) + ".png"));
    }

    std::vector<QString> Komunikaty() { return zapis->tekstyKomunikatow(); }

    // Presses "Oblicz" and expects the box refused: one message that starts as given, the box
    // holding the focus with its whole text selected, no result on view, no NaN or infinity.
    void OczekujOdmowy(TEstymacjaWlasnosciFrm& o, QLineEdit* pole, const QString& poczatek)
    {
        const size_t przed = Komunikaty().size();
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton);
        ASSERT_EQ(Komunikaty().size(), przed + 1) << pole->text().toStdString();
        EXPECT_TRUE(Komunikaty().back().startsWith(poczatek)) << Komunikaty().back().toStdString();
        EXPECT_EQ(o.focusWidget(), pole);
        EXPECT_EQ(pole->selectedText(), pole->text());
        EXPECT_FALSE(o.edtWynik->isVisible());
        for (const QLineEdit* e : o.findChildren<QLineEdit*>())
            EXPECT_FALSE(e->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive)
                         || e->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                << e->objectName().toStdString();
    }

    ZapisujOkna zapis;
    std::function<void(TEstymacjaWlasnosciFrm&)> wOknie;
    std::function<void(TTabela_Form&)> wTabeli;
    std::function<void(TOblicz_gaz_ciecz_Form&)> wKorelacji;
};

// Benzene at 300 K by the four methods that read the record: the window shows what the formula
// gives, with the record's range, the SI factor and the units; the table's rows are the same
// single evaluations. Above Tc the formula fails: a message, and the result is gone.
TEST_F(OknoEstymacji, RecordMethodsShowTheirFormulasValues)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("BENZEN");
    const TRekordYaws benzen = RekordYaws;
    struct Przypadek {
        const char* kod;
        std::function<long double(long double)> wzor;
        const char *Tmin, *Tmax, *si, *jednostka;
        QWidget* TEstymacjaWlasnosciFrm::*strona;
        bool powyzejTc; // the formula has no value above Tc
    };
    const Przypadek przypadki[] = {
        {"000", NapiecieBrockaBirda, "278.68", "353.24", "10⁻³", "N/m", &TEstymacjaWlasnosciFrm::pnlBrocka, true},
        {"010", LambdaSatoRiedela, "278.68", "353.24", "brak", "[W/(m K)]", &TEstymacjaWlasnosciFrm::pnlSatoRiedla, true},
        {"020", DelHvPitzera, "278.68", "353.24", "brak", "[J/mol] dla Tr=0.534", &TEstymacjaWlasnosciFrm::pnlPitzer, true},
        {"030", LepkoscChunga, "353.24", "562.05", "10⁻⁷", "[Pa*s]", &TEstymacjaWlasnosciFrm::pnlChung1, false},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.kod);
        QString wynik, tekstWiersza300, jednostka, tytul;
        wOknie = [&](TEstymacjaWlasnosciFrm& o) {
            EXPECT_EQ(o.pcEstWlas->currentWidget(), o.*p.strona);
            EXPECT_TRUE(o.pcEstWlas->isVisible());
            EXPECT_EQ(o.edtTmin->text(), QString::fromLatin1(p.Tmin));
            EXPECT_EQ(o.edtTmax->text(), QString::fromLatin1(p.Tmax));
            EXPECT_EQ(o.edtSI->text(), QString::fromUtf8(p.si));
            EXPECT_FALSE(o.edtWynik->isVisible());
            tytul = o.windowTitle();
            wynik = Oblicz(o, QStringLiteral("300"));
            jednostka = o.qlblJedn->html();
            if (QLatin1String(p.kod) == QLatin1String("000"))
                Zrzut(o, "napiecie_brocka");
            wTabeli = [&](TTabela_Form& t) {
                EXPECT_EQ(t.edtTmin->text(), QString::fromLatin1(p.Tmin));
                Wpisz(t.edtTminOd, QStringLiteral("290"));
                Wpisz(t.edtTmaxDo, QStringLiteral("310"));
                Wpisz(t.edtKrok, QStringLiteral("10"));
                QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
                ASSERT_EQ(t.sgTabela->Komorka(1, 2), QStringLiteral("300"));
                tekstWiersza300 = t.sgTabela->Komorka(2, 2);
            };
            QTest::mouseClick(o.Tab_Button, Qt::LeftButton);
            // Above the critical temperature: a message, and no result stays on view.
            if (p.powyzejTc) {
                EXPECT_TRUE(Oblicz(o, QStringLiteral("600")).isEmpty());
            }
        };
        Uruchom(p.kod);
        RekordYaws = benzen;
        EXPECT_EQ(wynik, FloatToStr(p.wzor(300.0L)));
        EXPECT_EQ(tekstWiersza300, wynik);
        EXPECT_EQ(jednostka, QStringLiteral(R"(<font size="13">)") + QString::fromLatin1(p.jednostka) + "</font>");
        EXPECT_EQ(tytul, QStringLiteral("PL: BENZEN  UK: BENZENE Wzór: C6H6"));
        ASSERT_EQ(Komunikaty().size(), p.powyzejTc ? 1u : 0u);
        if (p.powyzejTc) {
            EXPECT_EQ(Komunikaty()[0], QStringLiteral("Temperatura T = 600 K jest wyższa od temperatury krytycznej "
                                                      "Tc = 562.05 K: powyżej niej nie ma cieczy"));
        }
        zapis->komunikaty.clear();
    }

    // The polar form takes the number of OH groups; the table follows the box.
    QString polarna;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_FALSE(o.edtIleOH->isVisible());
        QTest::mouseClick(o.cbPolarny, Qt::LeftButton, {}, QPoint(6, o.cbPolarny->height() / 2));
        EXPECT_TRUE(o.edtIleOH->isVisible());
        o.edtIleOH->setText(QStringLiteral("2"));
        polarna = Oblicz(o, QStringLiteral("400"));
        EXPECT_TRUE(o.DaneDlaTabeli().polarny);
        EXPECT_EQ(o.DaneDlaTabeli().grupyOH, 2);
    };
    Uruchom("030");
    RekordYaws = benzen;
    EXPECT_EQ(polarna, FloatToStr(LepkoscChungaPolarna(400.0L, 2.0L)));
    EXPECT_NE(polarna, FloatToStr(LepkoscChunga(400.0L)));
}

// "031": the dense-gas viscosity at the typed pressure and molar density; the table gets the
// density only from a computation that is still on view.
TEST_F(OknoEstymacji, ChungAtHighPressureWithTheTypedDensity)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("BENZEN");
    const TRekordYaws benzen = RekordYaws;
    QString lepkosc;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_TRUE(o.pnlChung2->isVisible());
        EXPECT_FALSE(o.pnlChung2Gestosc->isVisible());
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        Wpisz(o.edtGestoscObl, QStringLiteral("0.0005"));
        EXPECT_FALSE(o.DaneDlaTabeli().gestoscMolowa);
        lepkosc = Oblicz(o, QStringLiteral("400"));
        EXPECT_EQ(o.DaneDlaTabeli().gestoscMolowa, std::optional<long double>(0.0005L));
        Wpisz(o.edtGestoscObl, QStringLiteral("0.0006"));
        EXPECT_FALSE(o.DaneDlaTabeli().gestoscMolowa);
        EXPECT_FALSE(o.edtWynik->isVisible());
    };
    Uruchom("031");
    RekordYaws = benzen;
    EXPECT_EQ(lepkosc, FloatToStr(LepkoscChungaGestyGaz(400.0L, 10.0L, 0.0005L)));
    EXPECT_TRUE(Komunikaty().empty());
}

// A missing field is never computed with: the range shows "?", and a formula that needs it
// refuses; an empty or bad temperature is asked for again; Enter computes.
TEST_F(OknoEstymacji, MissingDataShowQuestionMarksAndAreRefused)
{
    TRekordYaws bezTf = BazaTestowa::Substancja("BEZ TF", "NO TF", "X");
    Ustaw(bezTf, {{"Tb", 353.24L}, {"Tc", 562.05L}, {"Pc", 48.95L}, {"Mmol", 78.11184L}});
    TRekordYaws bezTc = bezTf;
    bezTc.NazwaPL = "BEZ TC";
    bezTc.Tc = BrakDanych;
    BazaTestowa baza({bezTf, bezTc});
    PokazOknoGlowne();
    Wczytaj("BEZ TF");
    QString wynik;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.edtTmin->text(), QStringLiteral("?"));
        EXPECT_EQ(o.edtTmax->text(), QStringLiteral("353.24"));
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton); // no temperature yet
        EXPECT_TRUE(Oblicz(o, QStringLiteral("abc")).isEmpty());
        EXPECT_EQ(o.edtT->selectedText(), QStringLiteral("abc"));
        Wpisz(o.edtT, QStringLiteral("300,5")); // the comma becomes a point; Enter computes
        QTest::keyClick(o.edtT, Qt::Key_Return);
        wynik = o.edtWynik->isVisible() ? o.edtWynik->text() : QString();
    };
    Uruchom("000");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{QStringLiteral("Podaj temperaturę"), ZlaTemperatura}));
    EXPECT_EQ(wynik, FloatToStr(NapiecieBrockaBirda(300.5L)));

    zapis->komunikaty.clear();
    Wczytaj("BEZ TC");
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.edtTmax->text(), QStringLiteral("?"));
        wynik = Oblicz(o, QStringLiteral("300"));
    };
    Uruchom("030");
    EXPECT_TRUE(wynik.isEmpty());
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Brak danych do obliczeń")});
}

// The density pages are filled from the record; the reference temperature of the modified
// Rackett page follows the freezing and boiling points; at T = TR the density is M / VR; the
// table computes with the page's numbers.
TEST_F(OknoEstymacji, DensityPagesFromTheRecordAndTheirLiveFields)
{
    TRekordYaws ciecz = BazaTestowa::Substancja("CIECZ", "LIQUID", "C6H6");
    Ustaw(ciecz, {{"Tf", 250}, {"Tb", 350}, {"Tc", 562.05L}, {"Pc", 48.95L}, {"Mmol", 78.11184L}, {"Omega", 0.209L},
                  {"Vc", 256}, {"Vcmol", 89.4L}, {"Zra", 0.2698L}});
    TRekordYaws cieczWyzej = ciecz;
    cieczWyzej.NazwaPL = "CIECZ WYZEJ";
    cieczWyzej.Tf = 300;
    BazaTestowa baza({ciecz, cieczWyzej});
    PokazOknoGlowne();
    Wczytaj("CIECZ");
    QString naOdniesieniu, przy320, wierszTabeli, Tr;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.pcEstWlas->currentWidget(), o.TabSheet1);
        // Every equation and unit of every page has its Greek letters, in sub- and superscripts too.
        for (const TQzHtmlLabel2* etykieta : o.findChildren<TQzHtmlLabel2*>())
            EXPECT_FALSE(etykieta->html().contains(QLatin1Char('@'))) << etykieta->objectName().toStdString();
        EXPECT_TRUE(o.findChild<TQzHtmlLabel2*>(QStringLiteral("qlblRownanieTabSheet1"))
                        ->html()
                        .contains(QStringLiteral(R"(Z<sub><b>RA</b></sub><sup><b><font name="Symbol">f</font></b></sup>)")));
        EXPECT_FALSE(o.gbxSI->isVisible());
        EXPECT_EQ(o.edtVr->text(), QStringLiteral("0.0894"));
        Tr = o.edtTr->text();
        naOdniesieniu = Oblicz(o, Tr);
        przy320 = Oblicz(o, QStringLiteral("320"));
        EXPECT_EQ(o.qlblJedn->html(), QStringLiteral(R"(<font size="13">kg/m<sup>3</sup></font>)"));
        wTabeli = [&](TTabela_Form& t) {
            Wpisz(t.edtTminOd, QStringLiteral("320"));
            Wpisz(t.edtTmaxDo, QStringLiteral("320"));
            QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
            wierszTabeli = t.sgTabela->Komorka(2, 1);
        };
        QTest::mouseClick(o.Tab_Button, Qt::LeftButton);
    };
    Uruchom("GestcRackett2");
    EXPECT_EQ(Tr, QStringLiteral("298.15"));
    EXPECT_LT(Wzgledny(naOdniesieniu, 873.7342281879194630872483L), 1e-15L); // M / VR
    EXPECT_LT(Wzgledny(przy320, 851.6755881122631831433801L), 1e-15L);
    EXPECT_EQ(wierszTabeli, przy320);

    Wczytaj("CIECZ WYZEJ");
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        Tr = o.edtTr->text();
        przy320 = Oblicz(o, QStringLiteral("320"));
    };
    Uruchom("GestcRackett2");
    EXPECT_EQ(Tr, QStringLiteral("300"));
    EXPECT_LT(Wzgledny(przy320, 853.4703264985803575509403L), 1e-15L);

    // Yamada-Gunn and HBT take Vc in m³/kmol; HBT's Tr follows T.
    QString yamadaGunn, hbt, TrHBT;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.edtVc->text(), QStringLiteral("0.256"));
        yamadaGunn = Oblicz(o, QStringLiteral("320"));
    };
    Uruchom("GestcRackett");
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.edtTr__->text(), QStringLiteral("?"));
        hbt = Oblicz(o, QStringLiteral("281.025"));
        TrHBT = o.edtTr__->text();
    };
    Uruchom("HBT");
    EXPECT_EQ(yamadaGunn, FloatToStr(GestoscYamadyGunna(320.0L, 0.256L, 0.209L, 562.05L, 78.11184L)));
    EXPECT_EQ(hbt, FloatToStr(GestoscCostald(281.025L, 0.256L, 0.209L, 562.05L, 78.11184L)));
    EXPECT_EQ(TrHBT, QStringLiteral("0.5"));

    // Spencer-Danner: Pc in Pa, Tr follows T; the editable ZRA is what counts.
    QString sd, TrSD;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.edtPcSD->text(), QStringLiteral("4895000"));
        EXPECT_EQ(o.Edit1->text(), QStringLiteral("8314"));
        Wpisz(o.edtZra, QStringLiteral("0,27"));
        sd = Oblicz(o, QStringLiteral("281.025"));
        TrSD = o.edtTrSD->text();
        Wpisz(o.edtZra, QStringLiteral("?"));
        EXPECT_TRUE(Oblicz(o, QStringLiteral("300")).isEmpty());
    };
    Uruchom("Spencer-Danner");
    EXPECT_EQ(TrSD, QStringLiteral("0.5"));
    EXPECT_EQ(sd, FloatToStr(GestoscRacketta(0.27L, 281.025L, 4895000.0L, 562.05L, 78.11184L)));
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Współczynnik ZRA musi być liczbą większą od zera")});
}

// Impossible input is refused in its box, whatever was on view before goes: a temperature that
// is no number or not above zero, a pressure or density not above zero, a saturated viscosity of
// zero, a liquid asked above its critical temperature (Lucas at 5000 K, and at 1E4000 K where its
// formula would give 0 Pa s). "340,5" typed is read as 340.5.
TEST_F(OknoEstymacji, ImpossibleInputIsRefusedInItsBox)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("BENZEN");
    const TRekordYaws benzen = RekordYaws;
    const QString nadKrytyczna = QStringLiteral(" jest wyższa od temperatury krytycznej Tc = 562.05 K");
    QString napiecie;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        napiecie = Oblicz(o, QStringLiteral("340,5"));
        for (const char* T : {"abc", "-0", "0.", "1e-4000"}) {
            Wpisz(o.edtT, QString::fromLatin1(T));
            OczekujOdmowy(o, o.edtT, ZlaTemperatura);
        }
        EXPECT_FALSE(Oblicz(o, QStringLiteral("340")).isEmpty());
        Wpisz(o.edtT, QStringLiteral("600"));
        OczekujOdmowy(o, o.edtT, QStringLiteral("Temperatura T = 600 K") + nadKrytyczna);
    };
    Uruchom("000");
    RekordYaws = benzen;
    EXPECT_EQ(napiecie, FloatToStr(NapiecieBrockaBirda(340.5L)));

    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        Wpisz(o.edtT, QStringLiteral("400"));
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        Wpisz(o.edtGestoscObl, QStringLiteral("-1"));
        OczekujOdmowy(o, o.edtGestoscObl, QStringLiteral("Gęstość molowa ρ musi być liczbą większą od zera"));
        Wpisz(o.edtGestoscObl, QStringLiteral("0.0005"));
        Wpisz(o.edtCisnienie, QStringLiteral("0"));
        OczekujOdmowy(o, o.edtCisnienie, QStringLiteral("Ciśnienie P musi być liczbą większą od zera"));
    };
    Uruchom("031");

    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        Wpisz(o.edtTnas, QStringLiteral("300"));
        Wpisz(o.edtPnas, QStringLiteral("0.1"));
        Wpisz(o.edtPLucas, QStringLiteral("200"));
        Wpisz(o.edtLepNas, QStringLiteral("0.0006"));
        EXPECT_FALSE(Oblicz(o, QStringLiteral("320")).isEmpty());
        for (const char* T : {"5000", "1E4000"}) {
            Wpisz(o.edtT, QString::fromLatin1(T));
            OczekujOdmowy(o, o.edtT, QStringLiteral("Temperatura T = %1 K").arg(QString::fromLatin1(T)) + nadKrytyczna);
        }
        Wpisz(o.edtT, QStringLiteral("320"));
        Wpisz(o.edtTnas, QStringLiteral("600"));
        OczekujOdmowy(o, o.edtTnas, QStringLiteral("Temperatura nasycenia Tnas = 600 K") + nadKrytyczna);
        Wpisz(o.edtTnas, QStringLiteral("300"));
        Wpisz(o.edtLepNas, QStringLiteral("0"));
        OczekujOdmowy(o, o.edtLepNas, QStringLiteral("Lepkość cieczy nasyconej musi być liczbą większą od zera"));
    };
    Uruchom("032");
}

// Aalto on benzene: the vapour-pressure range, the live vapour pressure and saturated volume,
// a pressure typed at a range end refused, and the compressed density from the page's numbers.
TEST_F(OknoEstymacji, AaltoPageComputesAtTheTypedPressure)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("BENZEN");
    const TRekordYaws benzen = RekordYaws;
    const long double Tv = OdniesienieObjetosciMolowej(benzen).temperatura;
    QString Pvp, Vs, gestosc;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_EQ(o.pcEstWlas->currentWidget(), o.TabSheet3);
        EXPECT_EQ(o.pnlMetody->height(), 337);
        EXPECT_TRUE(o.edtP->isVisible());
        EXPECT_EQ(o.edtTmin->text(), FloatToStr(benzen.PvpTmin));
        EXPECT_EQ(o.edtTmax->text(), FloatToStr(benzen.PvpTmax));
        EXPECT_EQ(o.edtVs___->text(), QStringLiteral("?"));
        Wpisz(o.edtT, o.edtTmin->text());
        Wpisz(o.edtP, QStringLiteral("5")); // at the range end
        Wpisz(o.edtT, QStringLiteral("320"));
        Pvp = o.edtPvp___->text();
        Vs = o.edtVs___->text();
        EXPECT_EQ(o.edtTr___->text(), FloatToStr(320.0L / 562.05L));
        Wpisz(o.edtP, QStringLiteral("50"));
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton);
        gestosc = o.edtWynik->text();
        Zrzut(o, "gestosc_aalto");
    };
    Uruchom("Aalto");
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Temperatura poza zakresem!")});
    RekordYaws = benzen;
    EXPECT_EQ(Pvp, FloatToStr(ObliczPreznoscPary(320.0L) * 0.00001L));
    EXPECT_EQ(Vs, FloatToStr(ObjetoscRackettaOdniesienie(320.0L, Tv, benzen.Vcmol * 0.001L, benzen.Omega, benzen.Tc,
                                                         benzen.Mmol)));
    EXPECT_EQ(gestosc, FloatToStr(GestoscChangaZhao(320.0L, 50.0L, StrToFloat(Vs), benzen.Omega, StrToFloat(Pvp),
                                                    benzen.Mmol, benzen.Pc, benzen.Tc)));
}

// "032": the saturated viscosity comes from the experimental window at the saturation
// temperature; Lucas is called at (Tnas, T, ...); a pressure below the saturation pressure is
// refused; the table runs over pressures.
TEST_F(OknoEstymacji, LucasFetchesTheSaturatedViscosityThroughTheExperimentalWindow)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("ETANOL");
    const TRekordYaws etanol = RekordYaws;
    QString lepkoscNasycenia, lepkosc, Tkorelacji, etykietaTabeli, PminTabeli, krokTabeli;
    bool glowneUkryte = false;
    wKorelacji = [&](TOblicz_gaz_ciecz_Form& k) {
        Tkorelacji = k.edtT->text();
        glowneUkryte = !Baza_Form->isVisible();
        QTest::mouseClick(k.Button1, Qt::LeftButton);
    };
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_TRUE(o.pnlLucas->isVisible());
        EXPECT_FALSE(o.pcEstWlas->isVisible());
        EXPECT_EQ(o.edtSI->text(), QStringLiteral("10⁻³"));
        EXPECT_EQ(KodMetody, KodLepkosciPodCisnieniem);
        Wpisz(o.edtTnas, QStringLiteral("300"));
        QTest::mouseClick(o.sbLepPodCisNas, Qt::LeftButton);
        lepkoscNasycenia = o.edtLepNas->text();
        Wpisz(o.edtPnas, QStringLiteral("0.1"));
        Wpisz(o.edtPLucas, QStringLiteral("200"));
        lepkosc = Oblicz(o, QStringLiteral("320"));
        Zrzut(o, "lepkosc_lucasa");
        wTabeli = [&](TTabela_Form& t) {
            etykietaTabeli = t.qlblTminOd->html();
            PminTabeli = t.edtTmin->text();
            krokTabeli = t.edtKrok->text();
        };
        QTest::mouseClick(o.Tab_Button, Qt::LeftButton);
        Wpisz(o.edtPLucas, QStringLiteral("0.05"));
        EXPECT_TRUE(Oblicz(o, QStringLiteral("320")).isEmpty());
    };
    Uruchom("032");
    EXPECT_EQ(Tkorelacji, QStringLiteral("300"));
    EXPECT_TRUE(glowneUkryte);
    EXPECT_TRUE(KodMetody.isEmpty());
    RekordYaws = etanol;
    const long double nasycona = ObliczLepkoscCieczy(300.0L);
    EXPECT_EQ(lepkoscNasycenia, FloatToStr(nasycona));
    EXPECT_EQ(lepkosc, FloatToStr(LepkoscLucasa(300.0L, 320.0L, 0.1L, 200.0L, StrToFloat(lepkoscNasycenia))));
    EXPECT_NE(lepkosc, FloatToStr(LepkoscLucasa(320.0L, 300.0L, 0.1L, 200.0L, StrToFloat(lepkoscNasycenia))));
    EXPECT_EQ(PminTabeli, QStringLiteral("1"));
    EXPECT_EQ(krokTabeli, QStringLiteral("0.1"));
    EXPECT_EQ(etykietaTabeli, QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>min</sub>)"));
    EXPECT_EQ(Komunikaty(),
              std::vector<QString>{QStringLiteral("Ciśnienie jest mniejsze od ciśnienia nasycenia (0.1 bar): ciecz wrze")});
    EXPECT_TRUE(Baza_Form->isVisible());
}

// Tyn-Calus: both lists hold every name; benzene in toluene computes at both ends of the pair's
// range and refuses just outside; the table gets the pair's range and values; the main window's
// substance stays put meanwhile and afterwards.
TEST_F(OknoEstymacji, TynCalusOverThePairsRange)
{
    auto baza = BazaTestowa::Probna();
    PokazOknoGlowne();
    Wczytaj("WODA");
    const QStringList nazwy = ZbierzListySzukania().NazwyPL; // sorted in the Polish order
    QString naKoncu, naPoczatku, zakres, tytul, TminTabeli, wierszTabeli;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        EXPECT_TRUE(o.pnlTyna->isVisible());
        tytul = o.windowTitle();
        for (TListaZwiazkow* lista : {o.cbZwiazek1, o.cbZwiazek2}) {
            ASSERT_EQ(lista->count(), nazwy.size());
            EXPECT_EQ(lista->itemText(0), nazwy.first());
            EXPECT_EQ(lista->itemText(lista->count() - 1), nazwy.last());
        }
        Wpisz(o.edtT, QStringLiteral("300"));
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton); // nothing chosen
        EXPECT_FALSE(o.DaneDlaTabeli().tynaCalusa);
        o.cbZwiazek1->setCurrentText(QStringLiteral("BENZEN"));
        o.cbZwiazek2->setCurrentText(QStringLiteral("TOLUEN"));
        naKoncu = Oblicz(o, QStringLiteral("353.24"));
        zakres = o.lblZakres->text();
        Zrzut(o, "dyfuzja_tyna_calusa");
        naPoczatku = Oblicz(o, QStringLiteral("278.68"));
        EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
        wTabeli = [&](TTabela_Form& t) {
            TminTabeli = t.edtTmin->text();
            Wpisz(t.edtTminOd, QStringLiteral("353.24"));
            QTest::mouseClick(t.btnOblicz, Qt::LeftButton);
            wierszTabeli = t.sgTabela->Komorka(2, 1);
        };
        QTest::mouseClick(o.Tab_Button, Qt::LeftButton);
        EXPECT_TRUE(Oblicz(o, QStringLiteral("353.25")).isEmpty());
        // Another solvent: the earlier pair's values are not handed on.
        o.cbZwiazek2->setCurrentText(QStringLiteral("WODA"));
        EXPECT_FALSE(o.DaneDlaTabeli().tynaCalusa);
        EXPECT_TRUE(o.lblZakres->text().isEmpty());
    };
    Uruchom("Tyna");
    EXPECT_EQ(tytul, QStringLiteral("Obliczanie współczynnika dyfuzji w cieczach zmodyfikowaną metodą Tyna i Calusa"));
    EXPECT_EQ(zakres, QStringLiteral("w zakresie <278.68 , 353.24>"));
    EXPECT_LT(Wzgledny(naKoncu, 0.00004829361927724947365055085L), 1e-14L);
    EXPECT_LT(Wzgledny(naPoczatku, 0.00001729801860213981214060878L), 1e-14L);
    EXPECT_EQ(TminTabeli, QStringLiteral("278.68"));
    // The table keeps the solvent's viscosity of the last computation (at 278.68 K).
    EXPECT_FALSE(wierszTabeli.isEmpty());
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą"),
                                                  QStringLiteral("Temperatura wykracza poza dopuszczalny zakres!")}));
    EXPECT_EQ(RekordYaws.NazwaPL, "WODA");
}

} // namespace
