// The program's start-up end to end: data files, messages, the splash and the main window.
#include "Baza.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "Powitalny.h"
#include "RejestrOkienMetod.h"
#include "Rownowaga.h"
#include "Uruchomienie.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class Uruchomienie : public ::testing::Test {
protected:
    void SetUp() override
    {
        poprzedniKatalog_ = QDir::currentPath();
        OpoznienieKrokuPowitania = 0;
    }

    void TearDown() override
    {
        for (QWidget** okno : {reinterpret_cast<QWidget**>(&Powitalny_Form), reinterpret_cast<QWidget**>(&Baza_Form)}) {
            delete *okno;
            *okno = nullptr;
        }
        QDir::setCurrent(poprzedniKatalog_);
        ResetujZmienne();
    }

    static bool JakiekolwiekOknoWidoczne()
    {
        for (QWidget* okno : QApplication::topLevelWidgets())
            if (okno->isVisible())
                return true;
        return false;
    }

    static BazaTestowa BazaZWoda() { return BazaTestowa({BazaTestowa::Substancja("WODA", "WATER", "H2O", "7732-18-5")}); }

    QString poprzedniKatalog_;
};

} // namespace

TEST_F(Uruchomienie, WithoutTheMainDataFileOnlyTheMessageAndNoWindow)
{
    // The data sit in another folder; the program looks under the current directory only.
    BazaTestowa baza = BazaZWoda();
    QTemporaryDir innyKatalog;
    QDir::setCurrent(innyKatalog.path());
    ZapisujOkna zapis;
    EXPECT_FALSE(UruchomProgram());
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Nie odnaleziono plików bazy danych!")});
    EXPECT_EQ(Baza_Form, nullptr);
    EXPECT_EQ(Powitalny_Form, nullptr);
    EXPECT_FALSE(JakiekolwiekOknoWidoczne());
}

TEST_F(Uruchomienie, AnUnreadableMainDataFileIsNamedAndTheProgramEnds)
{
    BazaTestowa baza = BazaZWoda();
    QFile::remove(baza.katalogDanych() + "YAWS.dat");
    QDir().mkpath(baza.katalogDanych() + "YAWS.dat");
    QDir::setCurrent(baza.katalog());
    ZapisujOkna zapis;
    EXPECT_FALSE(UruchomProgram());
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_TRUE(zapis->komunikaty[0].tekst.contains(QStringLiteral("YAWS.dat")));
    EXPECT_EQ(Baza_Form, nullptr);
    EXPECT_FALSE(JakiekolwiekOknoWidoczne());
}

TEST_F(Uruchomienie, AMissingSideFileGivesItsMessageAndTheMainWindowStillComes)
{
    const struct {
        const char* plik;
        QString komunikat;
    } przypadki[] = {
        {"Rcg.dan", QStringLiteral("Nie odnaleziono plików bazy Rcg!")},
        {"Rcgt.dan", QStringLiteral("Nie odnaleziono plików bazy Rcgt!")},
        {"mixc.dan", QStringLiteral("Nie odnaleziono pliku bazy mieszanin ciekłych (mixc.dan)!")},
    };
    for (const auto& przypadek : przypadki) {
        SCOPED_TRACE(przypadek.plik);
        BazaTestowa baza = BazaZWoda();
        QFile::remove(baza.katalogDanych() + przypadek.plik);
        QDir::setCurrent(baza.katalog());
        ZapisujOkna zapis;
        EXPECT_TRUE(UruchomProgram());
        EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{przypadek.komunikat});
        ASSERT_NE(Baza_Form, nullptr);
        EXPECT_TRUE(Baza_Form->isVisible());
        TearDown();
    }
}

// A data file that is a device (read, it would never end) or a named pipe (opened, it would wait
// for a writer) is refused at once with the message of a missing file and the reason; without the
// main data file the program ends, without another one it goes on.
TEST_F(Uruchomienie, ADeviceOrAPipeInPlaceOfADataFileIsRefused)
{
    const auto przygotuj = [](const QString& sciezka, bool urzadzenie) {
        QFile::remove(sciezka);
        if (urzadzenie)
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), sciezka));
        else
            ASSERT_EQ(mkfifo(QFile::encodeName(sciezka).constData(), 0600), 0);
    };
    const struct {
        const char* plik;
        bool urzadzenie;
        QString komunikat;
        bool programTrwa;
    } przypadki[] = {
        {"Rcg.dan", true, QStringLiteral("Nie odnaleziono plików bazy Rcg!"), true},
        {"mixc.dan", false, QStringLiteral("Nie odnaleziono pliku bazy mieszanin ciekłych (mixc.dan)!"), true},
        {"YAWS.dat", true, QStringLiteral("Nie odnaleziono plików bazy danych!"), false},
        {"YAWS.dat", false, QStringLiteral("Nie odnaleziono plików bazy danych!"), false},
    };
    for (const auto& przypadek : przypadki) {
        SCOPED_TRACE(std::string(przypadek.plik) + (przypadek.urzadzenie ? " /dev/zero" : " pipe"));
        BazaTestowa baza = BazaZWoda();
        const QString sciezka = baza.katalogDanych() + przypadek.plik;
        przygotuj(sciezka, przypadek.urzadzenie);
        QDir::setCurrent(baza.katalog());
        ZapisujOkna zapis;
        EXPECT_EQ(UruchomProgram(), przypadek.programTrwa);
        EXPECT_EQ(zapis->tekstyKomunikatow(),
                  std::vector<QString>{przypadek.komunikat + QStringLiteral("\nPlik %1 nie jest zwykłym plikiem.").arg(sciezka)});
        EXPECT_EQ(Baza_Form && Baza_Form->isVisible(), przypadek.programTrwa);
        TearDown();
    }
}

TEST_F(Uruchomienie, WithAllFilesTheSplashFadesInAndTheMainWindowComesWithoutMessages)
{
    BazaTestowa baza = BazaZWoda();
    QDir::setCurrent(baza.katalog());
    ZapisujOkna zapis;
    ASSERT_TRUE(UruchomProgram());
    EXPECT_TRUE(zapis->komunikaty.empty());
    EXPECT_EQ(KatalogProgramu, baza.katalog());
    ASSERT_NE(Baza_Form, nullptr);
    EXPECT_TRUE(Baza_Form->isVisible());
    EXPECT_EQ(Baza_Form->windowTitle(), QStringLiteral("Baza danych QERN 2008 (v 8.0)"));
    ASSERT_NE(Powitalny_Form, nullptr);
    EXPECT_TRUE(Powitalny_Form->isVisible());
    EXPECT_DOUBLE_EQ(Powitalny_Form->windowOpacity(), 248.0 / 255.0);
    EXPECT_FALSE(Powitalny_Form->pBar->isVisible());
    EXPECT_EQ(Powitalny_Form->pBar->value(), 100);
    EXPECT_EQ(Powitalny_Form->size(), QSize(457, 301));
    EXPECT_TRUE(Powitalny_Form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Powitalny_Form->windowFlags() & Qt::FramelessWindowHint);
    // No window but the main one and the splash is shown by the start.
    for (QWidget* okno : QApplication::topLevelWidgets())
        EXPECT_EQ(okno->isVisible(), okno == Baza_Form || okno == Powitalny_Form) << okno->objectName().toStdString();
    for (const char* kod : {"000", "010", "020", "030", "031", "032", "Tyna", "GestcRackett", "GestcRackett2", "HBT",
                            "Aalto", "Spencer-Danner"})
        EXPECT_TRUE(OknoMetodyDostepne(QString::fromLatin1(kod))) << kod;
    // The timer closes the splash about a second after the sequence.
    EXPECT_TRUE(QTest::qWaitFor([] { return !Powitalny_Form->isVisible(); }, 3000));
    EXPECT_TRUE(Baza_Form->isVisible());
}

TEST_F(Uruchomienie, AClickDuringTheSequenceIsIgnoredAndOneAfterItClosesTheSplash)
{
    BazaTestowa baza = BazaZWoda();
    QDir::setCurrent(baza.katalog());
    bool kliknieto = false;
    bool oknoGlowneWidoczneWTrakcie = true;
    bool powitanieWidoczneWTrakcie = false;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(Powitalny_Form, Qt::LeftButton);
        QTest::mouseClick(Powitalny_Form->Image1, Qt::LeftButton);
        kliknieto = true;
        oknoGlowneWidoczneWTrakcie = Baza_Form->isVisible();
        powitanieWidoczneWTrakcie = Powitalny_Form->isVisible();
    });
    ZapisujOkna zapis;
    ASSERT_TRUE(UruchomProgram());
    ASSERT_TRUE(kliknieto);
    EXPECT_TRUE(powitanieWidoczneWTrakcie);
    EXPECT_FALSE(oknoGlowneWidoczneWTrakcie);
    EXPECT_TRUE(Powitalny_Form->isVisible());

    QTest::mouseClick(Powitalny_Form->lblAutorzy, Qt::LeftButton);
    EXPECT_FALSE(Powitalny_Form->isVisible());
    EXPECT_TRUE(Baza_Form->isVisible());
}

TEST_F(Uruchomienie, TheSplashIsShownOnlyOnce)
{
    BazaTestowa baza = BazaZWoda();
    QDir::setCurrent(baza.katalog());
    ASSERT_TRUE(UruchomProgram());
    TPowitalny_Form* pierwsze = Powitalny_Form;
    Powitalny_Form->close();
    PokazPowitanie();
    EXPECT_EQ(Powitalny_Form, pierwsze);
    EXPECT_FALSE(Powitalny_Form->isVisible());
}

TEST_F(Uruchomienie, TheEquilibriumMethodsHaveTheirWindow)
{
    BazaTestowa baza = BazaZWoda();
    QDir::setCurrent(baza.katalog());
    ZapisujOkna zapis;
    ASSERT_TRUE(UruchomProgram());
    for (const char* kod : {"RcgBis", "RcgpBis"}) {
        KodMetody = QString::fromLatin1(kod);
        std::unique_ptr<QWidget> okno(UtworzOknoMetody(KodMetody));
        EXPECT_NE(qobject_cast<TFrmRownowaga*>(okno.get()), nullptr) << kod;
    }
}
