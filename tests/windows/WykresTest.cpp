// The chart window driven as its user and its opener, the table window, drive it.
#include "Dialogs.h"
#include "Drukarka.h"
#include "Wykres.h"
#include "platform/CzytnikMetapliku.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString TekstInformacji = QStringLiteral(
    "Wykres jest graficzną reprezentacją danych zawartych w tabeli.\n"
    "Można powiększać dowolne jego części przez zaznaczenie określonego fragmentu myszą.\n"
    "Po wybraniu opcji z menu wykres można nagrać w trzech formatach (BMP, WMF, EMF) lub wydrukować.\n\n");

class FWykres : public ::testing::Test {
protected:
    // As the table window fills it for a range table.
    void SetUp() override
    {
        okno.Series1->Czysc();
        okno.Series2->Czysc();
        okno.Series2->UstawAktywna(false);
        for (int T = 300; T <= 400; T += 10)
            okno.Series1->AddXY(T, 1000 - 0.01 * (T - 300) * (T - 300), KolorCzerwony);
        okno.TytulX = QStringLiteral("T [K]");
        okno.TytulY = QStringLiteral("Gęstość [kg/m^3]");
        okno.Chart->OsDolna()->UstawTytul(okno.TytulX);
        okno.Chart->OsLewa()->UstawTytul(okno.TytulY);
        okno.Chart->UstawTytul({okno.TytulY + " = f{" + okno.TytulX + "}"});
        okno.Series1->UstawAktywna(true);
    }

    QAction* Polecenie(const char* nazwa) { return okno.findChild<QAction*>(QString::fromLatin1(nazwa)); }

    QByteArray Bajty(const QString& nazwa) const
    {
        QFile f(katalog.filePath(nazwa));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void Zapisz(const QString& nazwa, int indeksFiltra)
    {
        zapis->plikiDoZapisu.push_back({katalog.filePath(nazwa), indeksFiltra});
        Polecenie("MSave")->trigger();
    }

    QTemporaryDir katalog;
    ZapisujOkna zapis;
    TFWykres okno;
};

bool JestBmp(const QByteArray& b)
{
    return b.startsWith("BM");
}
bool JestWmf(const QByteArray& b)
{
    return czytnik::CzytajWmf(b).blad.isEmpty();
}
bool JestEmf(const QByteArray& b)
{
    return czytnik::CzytajEmf(b).blad.isEmpty();
}

} // namespace

TEST_F(FWykres, MenusAndChartAsDesigned)
{
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Wykres"));
    EXPECT_EQ(okno.menuBar()->objectName(), QStringLiteral("MenuWykres"));
    const std::pair<const char*, QString> polecenia[] = {
        {"MSave", "&Zapisz wykres"}, {"MPrint", "&Drukuj wykres"}, {"MExit", "Za&kończ"}, {"MInfo", "&Informacje"}};
    for (const auto& [nazwa, tekst] : polecenia) {
        ASSERT_NE(Polecenie(nazwa), nullptr) << nazwa;
        EXPECT_EQ(Polecenie(nazwa)->text(), tekst);
    }
    EXPECT_EQ(Polecenie("MInfo")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(okno.Series1->Rodzaj(), RodzajSerii::SzybkaLinia);
    EXPECT_EQ(okno.Series2->Rodzaj(), RodzajSerii::Linia);
    TFWykres nowe;
    EXPECT_FALSE(nowe.Series1->Aktywna());
    EXPECT_FALSE(nowe.Series2->Aktywna());
    EXPECT_EQ(nowe.Chart->Tytul(), QStringList{QString()});
}

TEST_F(FWykres, F1ShowsTheInformation)
{
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    QTest::keyClick(&okno, Qt::Key_F1);
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{TekstInformacji});
}

TEST_F(FWykres, SavesInTheFormatOfTheChosenFilter)
{
    struct Przypadek {
        QString wpisana;
        int filtr;
        QString zapisana;
        bool (*format)(const QByteArray&);
    };
    const Przypadek przypadki[] = {
        {"wykres", 1, "wykres.bmp", JestBmp},
        {"wykres", 2, "wykres.wmf", JestWmf},
        {"wykres", 3, "wykres.emf", JestEmf},
        {"obraz.bmp", 3, "obraz.bmp", JestEmf}, // the filter decides, not the name
        {"rysunek.emf", 2, "rysunek.emf", JestWmf},
    };
    for (const Przypadek& p : przypadki) {
        Zapisz(p.wpisana, p.filtr);
        EXPECT_TRUE(p.format(Bajty(p.zapisana))) << p.zapisana.toStdString();
    }
    EXPECT_FALSE(QFile::exists(katalog.filePath("obraz.bmp.emf")));
    EXPECT_TRUE(zapis->komunikaty.empty());
}

TEST_F(FWykres, CancellingTheDialogSavesNothing)
{
    Polecenie("MSave")->trigger(); // no scripted name: the dialog was cancelled
    EXPECT_TRUE(QDir(katalog.path()).isEmpty());
    EXPECT_TRUE(zapis->komunikaty.empty());
}

TEST_F(FWykres, AFailedSaveShowsAMessage)
{
    Zapisz("brak/wykres", 1);
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst,
              QStringLiteral("Nie udało się zapisać wykresu do pliku %1.").arg(katalog.filePath("brak/wykres.bmp")));
}

TEST_F(FWykres, PrintsOnTheDefaultPrinterOrSaysThereIsNone)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(katalog.filePath("wydruk.pdf"));
    {
        PodstawDrukarke podstawiona(&pdf);
        Polecenie("MPrint")->trigger();
    }
    EXPECT_TRUE(Bajty("wydruk.pdf").startsWith("%PDF"));
    EXPECT_TRUE(zapis->komunikaty.empty());
    PodstawDrukarke brak(nullptr);
    Polecenie("MPrint")->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(), std::vector<QString>{QStringLiteral("Brak drukarki domyślnej")});
}

// The table window's part: on close, its calculate button becomes the default one again.
TEST_F(FWykres, EscClosesTheWindowAndTheOpenerTakesItsDefaultButtonBack)
{
    QWidget tabela;
    auto* btnOblicz = new QPushButton(QStringLiteral("&Oblicz"), &tabela);
    auto* btnWykres = new QPushButton(QStringLiteral("Wykres"), &tabela);
    btnWykres->setDefault(true);
    QObject::connect(&okno, &TFWykres::Zamkniety, &tabela, [&] {
        btnWykres->setDefault(false);
        btnOblicz->setDefault(true);
    });
    bool zamknieteKlawiszem = false;
    zapis->skryptModalny = [&](QWidget* w) {
        QTest::keyClick(okno.Chart, Qt::Key_Escape); // pressed while the chart has the focus
        zamknieteKlawiszem = !w->isVisible();
    };
    UruchomModalnie(&okno);
    EXPECT_TRUE(zamknieteKlawiszem);
    EXPECT_TRUE(btnOblicz->isDefault());
    EXPECT_FALSE(btnWykres->isDefault());
}

TEST_F(FWykres, ExitClosesTheWindow)
{
    okno.show();
    Polecenie("MExit")->trigger();
    EXPECT_FALSE(okno.isVisible());
}
