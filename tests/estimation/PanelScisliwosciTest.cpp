// The compressibility panel and its file exchange, driven as a user drives them: from the
// high-pressure Chung page for one substance, and from the gas-mixture window's coefficient button
// for a mixture, with the real compressibility runner beside the tests. Reference values: the
// worked example ρ = 1/(0.88·300·83.14/10) mol/cm³, and the Lee-Kesler check values.
#include "EstymacjaWlasciwosci.h"

#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "LeeKesler.h"
#include "MieszaninyGazowe.h"
#include "PoleLiczbowe.h"
#include "ProgramZety.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "mixtures/TestyMieszanin.h"
#include "Wilke.h"
#include "WzoryEstymacyjne.h"
#include "ZrodloWspolczynnikowZ.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <functional>

namespace {

QByteArray Zawartosc(const QString& sciezka)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray("(brak pliku)");
}

void Zapisz(const QString& sciezka, const QByteArray& tekst)
{
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
    plik.write(tekst);
}

// A gas for the Chung page and the mixture: Tc = 200 K, Pc = 20 bar, ω = 0.2.
TRekordYaws Gaz(const char* nazwa, long double Tc, long double Vc, long double Zc)
{
    TRekordYaws r = BazaTestowa::Substancja(nazwa, nazwa, "CH4");
    Ustaw(r, {{"Mmol", 16}, {"Tc", Tc}, {"Pc", 20}, {"Vc", Vc}, {"Zc", Zc}, {"Omega", 0.2L}, {"DipM", 0},
              {"NigA", 100}, {"NigB", 0}, {"NigC", 0}, {"NigTmin", 200}, {"NigTmax", 800}});
    return r;
}

class PanelScisliwosci : public ::testing::Test {
protected:
    void SetUp() override
    {
        UstawSciezkeProgramuZety(QStringLiteral(SCIEZKA_OBLICZZETY));
        zapis->skryptModalny = [this](QWidget* okno) {
            if (auto* e = qobject_cast<TEstymacjaWlasnosciFrm*>(okno); e && wOknie)
                wOknie(*e);
        };
    }

    void TearDown() override
    {
        UstawSciezkeProgramuZety(QString());
        ZarejestrujZrodloWspolczynnikowZ(nullptr);
        WyrejestrujOknaMetod();
    }

    // The high-pressure Chung page of the current substance, run as the main window runs it.
    void UruchomChunga2()
    {
        KodMetody = QStringLiteral("031");
        TEstymacjaWlasnosciFrm okno;
        okno.wczytajChunga2();
        UruchomModalnie(&okno);
    }

    QString Plik(const QString& nazwa) const { return baza_.katalogDanych() + nazwa; }
    std::vector<QString> Komunikaty() { return zapis->tekstyKomunikatow(); }

    BazaTestowa baza_{{Gaz("GAZ A", 200, 100, 0.3L), Gaz("GAZ B", 100, 200, 0.2L), [] {
                           TRekordYaws r = Gaz("GAZ BEZ OMEGI", 200, 100, 0.3L);
                           r.Omega = BrakDanych;
                           return r;
                       }()}};
    ZapisujOkna zapis;
    std::function<void(TEstymacjaWlasnosciFrm&)> wOknie;
};

// One substance: the answer file read once and emptied, the density computed from it and handed
// to the Chung page, a close request only leaving the panel, the icon's run that reads nothing
// back, the runner's own Z(0) and Z(1), and a density that no longer belongs to the typed T and P
// cleared.
TEST_F(PanelScisliwosci, OneSubstanceDensityFromTheAnswerFile)
{
    ASSERT_TRUE(WczytajSubstancje("GAZ A"));
    const long double oczekiwana = 1.0L / (0.88L * 300.0L * 83.14L / 10.0L); // about 4.556e-4
    QString Z0poDrugimCzytaniu, gestoscChunga, lepkosc, Z0runnera, Z1runnera, gestoscPoZmianieP;
    QByteArray poCzytaniu;
    bool okienkoPoZamknieciu = false, chungPoZamknieciu = false;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        TPanelScisliwosci& p = *o.pnlChung2Gestosc;
        Wpisz(o.edtT, QStringLiteral("300"));
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        EXPECT_TRUE(p.isVisible());
        EXPECT_FALSE(o.pnlChung2->isVisible());
        EXPECT_TRUE(p.wierszGestosci->isVisible());
        EXPECT_FALSE(p.ImgWzog->isVisible());
        EXPECT_EQ(p.sbtnObliczGestosc->text(), QStringLiteral("OBLICZ"));
        EXPECT_EQ(p.Lblwspsci->text(), QStringLiteral("Współczynnik ściśliwości pod wysokim cisnieniem gazów - wzór Pitzera"));

        Zapisz(Plik(PlikZety), "0.9\r\n-0.1\r\n");
        p.btnZety->click();
        poCzytaniu = Zawartosc(Plik(PlikZety));
        EXPECT_EQ(p.edtZ0->text(), QStringLiteral("0.9"));
        EXPECT_EQ(p.edtZ1->text(), QStringLiteral("-0.1"));
        p.btnZety->click(); // consumed: nothing to read, nothing changes
        Z0poDrugimCzytaniu = p.edtZ0->text();

        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
        EXPECT_LT(std::abs(StrToFloat(p.edtGestosc->text()) / oczekiwana - 1.0L), 1e-15L);
        gestoscChunga = o.edtGestoscObl->text();
        EXPECT_EQ(p.sbtnObliczGestosc->text(), QStringLiteral("Zamknij"));

        o.close(); // only leaves the panel
        okienkoPoZamknieciu = o.isVisible();
        chungPoZamknieciu = o.pnlChung2->isVisible() && !p.isVisible() && o.pnlOblicz->isVisible();
        QTest::mouseClick(o.btnOblicz, Qt::LeftButton);
        lepkosc = o.edtWynik->text();

        // The runner itself, at Tr = 1.5 and Pr = 1.
        Wpisz(o.edtCisnienie, QStringLiteral("20"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        EXPECT_TRUE(p.edtZ0->text().isEmpty());
        QTest::mouseDClick(p.OleContainer1, Qt::LeftButton); // runs, reads nothing back
        EXPECT_TRUE(CzytajTekstZety(Zawartosc(Plik(PlikZety))));
        EXPECT_TRUE(p.edtZ0->text().isEmpty());
        QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
        Z0runnera = p.edtZ0->text();
        Z1runnera = p.edtZ1->text();
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton); // "Zamknij"
        EXPECT_FALSE(o.edtGestoscObl->text().isEmpty());
        Wpisz(o.edtCisnienie, QStringLiteral("21"));
        gestoscPoZmianieP = o.edtGestoscObl->text();
    };
    UruchomChunga2();
    EXPECT_TRUE(poCzytaniu.isEmpty());
    EXPECT_TRUE(QFile::exists(Plik(PlikZety)));
    EXPECT_EQ(Z0poDrugimCzytaniu, QStringLiteral("0.9"));
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Nie odnaleziono pliku danych !")});
    EXPECT_LT(std::abs(StrToFloat(gestoscChunga) / oczekiwana - 1.0L), 1e-15L);
    EXPECT_TRUE(okienkoPoZamknieciu);
    EXPECT_TRUE(chungPoZamknieciu);
    EXPECT_EQ(lepkosc, FloatToStr(LepkoscChungaGestyGaz(300.0L, 10.0L, StrToFloat(gestoscChunga))));
    EXPECT_NEAR(double(StrToFloat(Z0runnera)), 0.91034, 0.6e-5);
    EXPECT_NEAR(double(StrToFloat(Z1runnera)), 0.08640, 0.6e-5);
    EXPECT_TRUE(gestoscPoZmianieP.isEmpty());
    EXPECT_EQ(Zawartosc(Plik(PlikZety)), QByteArray());
}

// A runner that cannot be started clears the coefficients; the refusals change nothing: a missing
// ω, a coefficient that is not a number, Z ≤ 0.
TEST_F(PanelScisliwosci, RefusalsLeaveTheValuesAsTheyWere)
{
    ASSERT_TRUE(WczytajSubstancje("GAZ BEZ OMEGI"));
    QString Z0, gestosc, gestoscChunga;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        TPanelScisliwosci& p = *o.pnlChung2Gestosc;
        Wpisz(o.edtT, QStringLiteral("300"));
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        Zapisz(Plik(PlikZety), "0.9\r\n-0.1\r\n");
        p.btnZety->click();
        UstawSciezkeProgramuZety(baza_.katalog() + QStringLiteral("/nie-ma-takiego-programu"));
        QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
        Z0 = p.edtZ0->text(); // a failed run takes the earlier coefficients off the view
        Wpisz(p.edtZ0, QStringLiteral("0.9"));
        Wpisz(p.edtZ1, QStringLiteral("-0.1"));
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton); // ω missing
        Wpisz(p.edtZ1, QStringLiteral("x"));
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
        gestosc = p.edtGestosc->text();
        gestoscChunga = o.edtGestoscObl->text();
    };
    UruchomChunga2();
    const std::vector<QString> komunikaty = Komunikaty();
    ASSERT_EQ(komunikaty.size(), 3u);
    EXPECT_TRUE(komunikaty[0].startsWith(QStringLiteral("Nie można uruchomić programu"))) << komunikaty[0].toStdString();
    EXPECT_EQ(komunikaty[1], QStringLiteral("Brak danych do obliczeń (współczynnik acentryczny)"));
    EXPECT_EQ(komunikaty[2], QStringLiteral("Sprawdź poprawność danych"));
    EXPECT_TRUE(Z0.isEmpty());
    EXPECT_TRUE(gestosc.isEmpty());
    EXPECT_TRUE(gestoscChunga.isEmpty());

    zapis->komunikaty.clear();
    ASSERT_TRUE(WczytajSubstancje("GAZ A"));
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        TPanelScisliwosci& p = *o.pnlChung2Gestosc;
        Wpisz(o.edtT, QStringLiteral("300"));
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        Wpisz(p.edtZ0, QStringLiteral("0"));
        Wpisz(p.edtZ1, QStringLiteral("0"));
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
        gestosc = p.edtGestosc->text();
    };
    UruchomChunga2();
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Współczynnik ściśliwości Z = Z0 + ω·Z1 musi być większy od zera")});
    EXPECT_TRUE(gestosc.isEmpty());
}

// The runner's failures, each said in its own words, and no coefficients or density left on view:
// a state the equation cannot answer (T = 1e-4000 K once gave Z0 = 7.5E4002 and a density of
// 0.00029 mol/cm³), and a data folder where the answer cannot be written.
TEST_F(PanelScisliwosci, RunnerFailuresAreSaidAndLeaveNoValues)
{
    ASSERT_TRUE(WczytajSubstancje("GAZ A"));
    TPanelScisliwosci p;
    std::vector<long double> przekazane;
    p.przyjmijGestosc = [&](long double gestosc) { przekazane.push_back(gestosc); };
    p.PrzygotujDlaSubstancji(1e-4000L, 10.0L);
    QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
    QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
    EXPECT_TRUE(p.edtZ0->text().isEmpty());
    EXPECT_TRUE(p.edtGestosc->text().isEmpty());
    EXPECT_TRUE(przekazane.empty());
    EXPECT_FALSE(QFile::exists(Plik(PlikZety)));

    p.PrzygotujDlaSubstancji(300.0L, 20.0L);
    QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
    EXPECT_NEAR(double(StrToFloat(p.edtZ0->text())), 0.91034, 0.6e-5);
    ASSERT_TRUE(QFile::remove(Plik(PlikZety)));
    ASSERT_TRUE(QDir().mkdir(Plik(PlikZety))); // "zety.txt" cannot be written
    QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
    EXPECT_TRUE(p.edtZ0->text().isEmpty());
    EXPECT_TRUE(p.edtZ1->text().isEmpty());
    EXPECT_FALSE(p.Wspolczynniki());

    const std::vector<QString> komunikaty = Komunikaty();
    ASSERT_EQ(komunikaty.size(), 3u);
    EXPECT_TRUE(komunikaty[0].startsWith(QStringLiteral("Nie udało się obliczyć współczynników Z0 i Z1 dla tego stanu gazu")))
        << komunikaty[0].toStdString();
    EXPECT_EQ(komunikaty[1], QStringLiteral("Sprawdź poprawność danych"));
    EXPECT_TRUE(komunikaty[2].startsWith(QStringLiteral("Współczynniki Z0 i Z1 obliczono, ale nie można ich zapisać w pliku "
                                                        "zety.txt")))
        << komunikaty[2].toStdString();
}

// Z(0), Z(1) and ρ belong to the state they were obtained for: a state the panel refuses (a
// temperature of 1e-4000 K is 0 in any double) takes them off instead of leaving those of the
// earlier state on view, and so does a refused temperature on the Chung page.
TEST_F(PanelScisliwosci, RefusedStateLeavesNoCoefficients)
{
    ASSERT_TRUE(WczytajSubstancje("GAZ A"));
    TPanelScisliwosci p;
    p.PrzygotujDlaSubstancji(1e-4000L, 10.0L);
    Wpisz(p.edtZ0, QStringLiteral("0.9"));
    Wpisz(p.edtZ1, QStringLiteral("-0.1"));
    QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
    EXPECT_EQ(Komunikaty(), std::vector<QString>{QStringLiteral("Temperatura i ciśnienie muszą być większe od zera")});
    EXPECT_EQ(p.edtZ0->text() + p.edtZ1->text() + p.edtGestosc->text(), QString());

    QString poOdmowie;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        TPanelScisliwosci& panel = *o.pnlChung2Gestosc;
        Wpisz(o.edtT, QStringLiteral("300"));
        Wpisz(o.edtCisnienie, QStringLiteral("10"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        Wpisz(panel.edtZ0, QStringLiteral("0.9"));
        Wpisz(panel.edtZ1, QStringLiteral("-0.1"));
        QTest::mouseClick(panel.sbtnObliczGestosc, Qt::LeftButton);
        QTest::mouseClick(panel.sbtnObliczGestosc, Qt::LeftButton); // "Zamknij"
        Wpisz(o.edtT, QStringLiteral("1e-4000"));
        QTest::mouseClick(o.sbtnGestosc, Qt::LeftButton);
        poOdmowie = panel.edtZ0->text() + panel.edtZ1->text() + panel.edtGestosc->text() + o.edtGestoscObl->text();
    };
    UruchomChunga2();
    EXPECT_EQ(Komunikaty().size(), 2u);
    EXPECT_EQ(poOdmowie, QString());
}

// A mixture end to end: the gas-mixture window's coefficient button opens the panel, which has
// written the mixture's state into "mathcad.txt" (four lines of 23 characters: P, T, Pc, Tc);
// "Oblicz Z0 i Z1" runs the runner and reads its answer; "WRÓĆ" hands Z(0) and Z(1) to the
// gas-mixture window, whose density then follows from them.
TEST_F(PanelScisliwosci, MixtureCoefficientsReachTheGasMixtureWindow)
{
    ZarejestrujOknoEstymacjiWlasnosci();
    KodMetody = QStringLiteral("MixGestGaz");
    TWilke_Form wilke;
    wilke.show();
    QApplication::processEvents();
    Wpisz(wilke.edtT, QStringLiteral("300"));
    Wpisz(wilke.edtCis, QStringLiteral("20"));
    Wpisz(wilke.eLiczbaZwiazkow->edycja(), QStringLiteral("2"));
    WybierzZwiazek(wilke.cbZwiazek[0], QStringLiteral("GAZ A"));
    WybierzZwiazek(wilke.cbZwiazek[1], QStringLiteral("GAZ B"));
    Wpisz(wilke.eU[0], QStringLiteral("0.5"));

    QList<QByteArray> wiersze;
    QString tytul, Z0, Z1;
    bool tylkoPanel = false;
    QByteArray zetyPoCzytaniu;
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        TPanelScisliwosci& p = *o.pnlChung2Gestosc;
        tytul = o.windowTitle();
        tylkoPanel = p.isVisible() && !o.pnlOblicz->isVisible() && !o.gbxZakres->isVisible() && p.ImgWzog->isVisible()
                     && !p.wierszGestosci->isVisible() && p.sbtnObliczGestosc->text() == QStringLiteral("WRÓĆ");
        wiersze = Zawartosc(Plik(PlikMathcad)).split('\n');
        QTest::mouseClick(p.bbtnMathCad, Qt::LeftButton);
        Z0 = p.edtZ0->text();
        Z1 = p.edtZ1->text();
        zetyPoCzytaniu = Zawartosc(Plik(PlikZety));
        ZapiszZrzut(&o, "mieszanina_wspolczynniki.png");
        QTest::mouseClick(p.sbtnObliczGestosc, Qt::LeftButton);
        EXPECT_FALSE(o.isVisible());
    };
    QTest::mouseClick(wilke.btnWsp, Qt::LeftButton);
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_EQ(tytul, QStringLiteral("Obliczanie współczynnika ściśliwości dla mieszaniny gazów"));
    EXPECT_TRUE(tylkoPanel);

    ASSERT_EQ(wiersze.size(), 5);
    // Kay's rule for the equimolar GAZ A and GAZ B: Tc = 150 K, Pc = Zc·83.14·Tc/Vc bar.
    const long double Tc = 150.0L, Pc = 0.25L * 83.14L * Tc / 150.0L;
    const long double stan[] = {20.0L, 300.0L, Pc, Tc};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(wiersze[i].size(), 24) << i; // 23 characters and CR
        EXPECT_TRUE(wiersze[i].endsWith('\r'));
        EXPECT_LT(std::abs(StrToFloat(QString::fromLatin1(wiersze[i].trimmed())) / stan[i] - 1.0L), 1e-14L) << i;
    }
    EXPECT_TRUE(wiersze[4].isEmpty());

    const auto lk = WspolczynnikiLeeKeslera(300.0L / Tc, 20.0L / Pc);
    ASSERT_TRUE(lk);
    EXPECT_NEAR(double(StrToFloat(Z0)), double(lk->Z0), 1e-12);
    EXPECT_NEAR(double(StrToFloat(Z1)), double(lk->Z1), 1e-12);
    EXPECT_TRUE(zetyPoCzytaniu.isEmpty());
    EXPECT_EQ(wilke.edtWsp0->text(), Z0);
    EXPECT_EQ(wilke.edtWsp1->text(), Z1);

    QTest::mouseClick(wilke.buttonOblicz, Qt::LeftButton);
    const long double Z = WspolczynnikScisliwosci(StrToFloat(Z0), StrToFloat(Z1), 0.2L);
    EXPECT_LT(std::abs(Liczba(wilke.Edit11) / GestoscMolowaGazu(Z, 300.0L, 20.0L) - 1.0L), 1e-14L);

    // "mathcad.txt" that cannot be written: the message, the panel still opens, and the runner
    // does not answer for an earlier mixture.
    const QString katalog = KatalogDanych;
    KatalogDanych = baza_.katalog() + QStringLiteral("/brak/");
    wOknie = [&](TEstymacjaWlasnosciFrm& o) {
        tylkoPanel = o.pnlChung2Gestosc->isVisible();
        QTest::mouseClick(o.pnlChung2Gestosc->bbtnMathCad, Qt::LeftButton);
        Z0 = o.pnlChung2Gestosc->edtZ0->text();
    };
    QTest::mouseClick(wilke.btnWsp, Qt::LeftButton);
    KatalogDanych = katalog;
    EXPECT_TRUE(tylkoPanel);
    EXPECT_TRUE(Z0.isEmpty());
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{QStringLiteral("Nie odnaleziono pliku danych !"),
                                                  QStringLiteral("Nie odnaleziono pliku danych !")}));
}

} // namespace

// A runner that takes a while: three quick clicks on "Oblicz Z0 i Z1" run it once, the panel
// takes no clicks meanwhile and answers again afterwards. An answer file that is a named pipe or
// an endless device is a missing one, said at once.
TEST_F(PanelScisliwosci, ClicksDuringARunAreDroppedAndAnAnswerFileThatIsNoFileIsMissing)
{
    ASSERT_TRUE(WczytajSubstancje("GAZ A"));
    QTemporaryDir katalog;
    const QString dziennik = katalog.filePath(QStringLiteral("uruchomienia"));
    const QString skrypt = katalog.filePath(QStringLiteral("powolny.sh"));
    Zapisz(skrypt, QStringLiteral("#!/bin/sh\necho run >> '%1'\nsleep 1\nexec '%2' \"$@\"\n")
                       .arg(dziennik, QStringLiteral(SCIEZKA_OBLICZZETY)).toUtf8());
    ASSERT_TRUE(QFile::setPermissions(skrypt, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    UstawSciezkeProgramuZety(skrypt);
    TPanelScisliwosci p;
    p.PrzygotujDlaSubstancji(300.0L, 20.0L);
    QElapsedTimer czas;
    czas.start();
    for (int klik = 0; klik < 3; ++klik)
        for (QEvent::Type rodzaj : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(p.bbtnMathCad, new QMouseEvent(rodzaj, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                                                       Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::processEvents();
    EXPECT_LT(czas.elapsed(), 2500);
    EXPECT_EQ(Zawartosc(dziennik), QByteArray("run\n"));
    EXPECT_NEAR(double(StrToFloat(p.edtZ0->text())), 0.91034, 0.6e-5);
    EXPECT_TRUE(p.isEnabled());

    ASSERT_TRUE(QFile::remove(Plik(PlikZety)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Plik(PlikZety)).constData(), 0600), 0);
    czas.restart();
    QTest::mouseClick(p.btnZety, Qt::LeftButton);
    ASSERT_TRUE(QFile::remove(Plik(PlikZety)));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Plik(PlikZety)));
    QTest::mouseClick(p.btnZety, Qt::LeftButton);
    EXPECT_LT(czas.elapsed(), 1000);
    EXPECT_EQ(Komunikaty(), std::vector<QString>(2, QStringLiteral("Nie odnaleziono pliku danych !")));
    EXPECT_TRUE(QFileInfo(Plik(PlikZety)).isSymLink());
}
