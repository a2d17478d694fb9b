#include "BazaTestowa.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "GifTestowy.h"
#include "Karta.h"
#include "KartaZwiazku.h"
#include "QzHtmlLabel2.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <limits>

namespace {

const char* const JednostkiTemperatury[] = {"qlblTf", "qlblTb", "qlblTc"};

// A window that hosts the card as the main window does: the two pages as tabs, the picture beside
// them, and a search that loads a record by its English name the way a successful search does.
class OknoKarty {
public:
    OknoKarty()
    {
        QFont czcionka(QStringLiteral("MS Sans Serif"));
        czcionka.setPixelSize(11);
        okno.setFont(czcionka);
        karta = new TKartaZwiazku(&okno);
        auto* szukaj = new QGroupBox(QStringLiteral("Szukaj"));
        lista = new QComboBox;
        auto* uklad = new QVBoxLayout(szukaj);
        uklad->addWidget(lista);
        uklad->addStretch(1);
        PlikYaws.Szukaj(1);
        while (PlikYaws.Czytaj(RekordYaws))
            lista->addItem(Cp1250ToUnicode(RekordYaws.NazwaANG));
        CzyscRekordYaws();
        // The change of a search list clears the card and the record, as the main window's does.
        QObject::connect(lista, &QComboBox::currentTextChanged, [this] {
            karta->Czysc();
            CzyscRekordYaws();
            Znaleziono = false;
        });
        auto* panel = new QHBoxLayout;
        panel->addWidget(szukaj, 1);
        panel->addWidget(karta->ObrazKarty());
        karta->ObrazKarty()->setFixedSize(240, 180);
        auto* zakladki = new QTabWidget;
        zakladki->addTab(karta->StronaKarty(), QStringLiteral("Karta związku"));
        zakladki->addTab(karta->StronaKartyCd(), QStringLiteral("Karta związku c.d."));
        auto* glowny = new QVBoxLayout(&okno);
        glowny->addLayout(panel);
        glowny->addWidget(zakladki, 1);
        okno.show();
        QObject::connect(karta, &TKartaZwiazku::wlaczeniePozycjiDoswiadczalnej,
                         [this](int grupa, int pozycja, bool wlaczona) { pozycje[grupa][pozycja] = wlaczona; });
        QObject::connect(karta, &TKartaZwiazku::wybranoPozycjeDoswiadczalna,
                         [this](int grupa, int pozycja) { wybrane.push_back({grupa, pozycja}); });
    }
    ~OknoKarty() { TKartaZwiazku::UstawMiejsceRysunkow(QStringLiteral(":/wzory/")); }

    void Szukaj(const std::string& nazwaANG)
    {
        karta->Czysc();
        Znaleziono = false;
        PlikYaws.Szukaj(1);
        while (PlikYaws.Czytaj(RekordYaws))
            if (RekordYaws.NazwaANG == nazwaANG) {
                Znaleziono = true;
                const QSignalBlocker bezZmiany(lista); // selecting the found item is no user's change
                lista->setCurrentText(Cp1250ToUnicode(nazwaANG));
                karta->Wypelnij();
                karta->WlaczPolaPoWyszukaniu();
                return;
            }
        ADD_FAILURE() << "no substance " << nazwaANG;
    }

    QLineEdit* Pole(const char* nazwa) const { return Szukany<QLineEdit>(nazwa); }
    QString Tekst(const char* nazwa) const { return Pole(nazwa)->text(); }
    QString Podpis(const char* nazwa) const { return Szukany<QLabel>(nazwa)->text(); }
    QString Jednostka(const char* nazwa) const { return Szukany<TQzHtmlLabel2>(nazwa)->html(); }
    QLabel* Obraz() const { return Szukany<QLabel>("imgKarta"); }
    QList<QLineEdit*> WszystkiePola() const { return okno.findChildren<QLineEdit*>(); }

    template <class T>
    T* Szukany(const char* nazwa) const
    {
        T* kontrolka = okno.findChild<T*>(QString::fromLatin1(nazwa));
        if (!kontrolka)
            throw std::runtime_error(std::string("no control ") + nazwa);
        return kontrolka;
    }

    void Kliknij(const char* nazwa) const
    {
        QWidget* w = Szukany<QWidget>(nazwa);
        const QPointF srodek = QRectF(w->rect()).center();
        QMouseEvent nacisniecie(QEvent::MouseButtonPress, srodek, w->mapToGlobal(srodek), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QMouseEvent zwolnienie(QEvent::MouseButtonRelease, srodek, w->mapToGlobal(srodek), Qt::LeftButton,
                               Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &nacisniecie);
        QApplication::sendEvent(w, &zwolnienie);
    }

    QWidget okno;
    QComboBox* lista;
    TKartaZwiazku* karta;
    KompletneBloki pozycje{};
    std::vector<std::pair<int, int>> wybrane;
};

TRekordYaws Rekord(const std::string& nazwaANG, const std::string& cas = "")
{
    return BazaTestowa::Substancja("", nazwaANG, "", cas);
}

} // namespace

TEST(Karta, MolarVolumeCaptionAndReferenceTemperatureEndToEnd)
{
    struct Przypadek {
        const char* nazwa;
        long double Tf, Tb;
        const char* podpis;
        long double temperatura;
    };
    const Przypadek przypadki[] = {
        {"LIQUID", 250.0L, 350.0L, "Objętość molowa cieczy (25°C)", 298.15L},
        {"SOLID", 300.0L, 400.0L, "Objętość molowa cieczy (26.85°C)", 300.0L},
        {"GAS", 150.0L, 200.0L, "Objętość molowa cieczy (-73.15°C)", 200.0L},
        {"NOBP", 250.0L, BrakDanych, "Objętość molowa cieczy", BrakDanych},
    };
    std::vector<TRekordYaws> rekordy;
    for (const Przypadek& p : przypadki) {
        TRekordYaws r = Rekord(p.nazwa);
        r.Tf = p.Tf;
        r.Tb = p.Tb;
        r.Mmol = 18.0L;
        r.Vcmol = 20.0L;
        rekordy.push_back(r);
    }
    BazaTestowa baza(rekordy);
    OknoKarty okno;
    for (const Przypadek& p : przypadki) {
        okno.Szukaj(p.nazwa);
        EXPECT_EQ(okno.Podpis("lblVcmol"), QString::fromUtf8(p.podpis)) << p.nazwa;
        EXPECT_EQ(OdniesienieObjetosciMolowej(RekordYaws).temperatura, p.temperatura) << p.nazwa;
        EXPECT_EQ(okno.Tekst("edtVcmol"), QStringLiteral("20"));
        EXPECT_EQ(okno.Szukany<QLabel>("lblVcmol")->toolTip(), QStringLiteral("900 kg/m^3"));
    }
}

TEST(Karta, MissingValuesShowBrakDanychAndTheirBoxesAreDisabled)
{
    TRekordYaws r = Rekord("PARTIAL");
    r.Mmol = 50.0L;
    r.ExF = 212.0L;           // °F
    r.Nic_T = 0.001L;         // its temperature is missing
    r.AntA = 7.0L, r.AntB = 1500.0L, r.AntC = 230.0L, r.AntTmin = 10.0L; // AntTmax missing
    r.Tc = std::numeric_limits<long double>::quiet_NaN(); // damaged numbers in the file
    r.Pc = std::numeric_limits<long double>::infinity();
    BazaTestowa baza({r});
    OknoKarty okno;
    okno.Szukaj("PARTIAL");
    EXPECT_EQ(okno.Tekst("edtExF"), QStringLiteral("100"));
    EXPECT_EQ(okno.Tekst("edtNic_T"), QStringLiteral("0.001"));
    EXPECT_EQ(okno.Podpis("lblNic_T"), QStringLiteral("Lepkość cieczy"));
    for (const char* pole : {"edtAntA", "edtAntB", "edtAntC", "edtAntTmin", "edtAntTmax", "edtDipM",
                             "edtTb", "edtPvp_T", "edtTc", "edtPc"}) {
        EXPECT_EQ(okno.Tekst(pole), QStringLiteral("brak danych")) << pole;
        EXPECT_FALSE(okno.Pole(pole)->isEnabled()) << pole;
    }
    for (QLineEdit* pole : okno.WszystkiePola()) {
        EXPECT_FALSE(pole->text().isEmpty()) << pole->objectName().toStdString();
        EXPECT_TRUE(pole->isReadOnly());
        EXPECT_EQ(pole->isEnabled(), pole->text() != QStringLiteral("brak danych"));
        EXPECT_TRUE(qobject_cast<QGroupBox*>(pole->parentWidget())) << pole->objectName().toStdString();
    }
    EXPECT_TRUE(okno.Szukany<QLabel>("lblVcmol")->toolTip().isEmpty()); // no Vcmol: no density hint
}

TEST(Karta, WaterFromTheSampleDatabaseWithItsCaptionsPictureAndExperimentalItems)
{
    BazaTestowa baza = BazaTestowa::Probna();
    OknoKarty okno;
    okno.Szukaj("WATER");
    EXPECT_EQ(okno.Tekst("edtMmol"), QStringLiteral("18.01528"));
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("373.15"));
    EXPECT_EQ(okno.Tekst("edtRoc"), QStringLiteral("321.989"));     // 0.321989 g/cm³
    EXPECT_EQ(okno.Tekst("edtSin_T"), QStringLiteral("0.0720649")); // 72.0649 mN/m
    EXPECT_EQ(okno.Tekst("edtAntTmax"), QStringLiteral("300"));
    EXPECT_EQ(okno.Podpis("lblNic_T"), QStringLiteral("Lepkość cieczy (25°C)"));
    EXPECT_EQ(okno.Podpis("lblCps_T"), QStringLiteral("Ciepło wł. ciała stałego (0°C)"));
    EXPECT_EQ(okno.Podpis("lblVcmol"), QStringLiteral("Objętość molowa cieczy (25°C)"));
    EXPECT_EQ(okno.Podpis("lblSolParam"), QStringLiteral("Parametr rozpuszczalności (25°C)"));
    EXPECT_EQ(okno.Podpis("lblHcMol"), QStringLiteral("Stała Henryego (woda)"));
    EXPECT_EQ(okno.Szukany<QLabel>("lblVcmol")->toolTip(), QStringLiteral("996.310142683331 kg/m^3"));
    EXPECT_EQ(OdniesienieObjetosciMolowej(RekordYaws).temperatura, 298.15L);
    EXPECT_EQ(okno.pozycje[GrupaGaz], (std::array<bool, 7>{true, false, true, false, true, false, true}));
    EXPECT_EQ(okno.pozycje[GrupaCiecz], (std::array<bool, 7>{true, true, true, true, true, false, true}));
    // The picture carried in the program, and the card still filled once everything has run:
    // selecting the found name in the search list must not count as the user's change.
    QApplication::processEvents();
    EXPECT_TRUE(okno.Obraz()->isVisible());
    EXPECT_EQ(okno.Obraz()->pixmap().size(), QSize(240, 180));
    EXPECT_EQ(okno.lista->currentText(), QStringLiteral("WATER"));
    EXPECT_EQ(okno.Tekst("edtMmol"), QStringLiteral("18.01528"));
    okno.lista->setCurrentText(QStringLiteral("ETHANOL")); // the user's change empties the card
    EXPECT_TRUE(okno.Tekst("edtMmol").isEmpty());
    EXPECT_FALSE(okno.Obraz()->isVisible());
}

TEST(Karta, ClearingEmptiesBoxesRestoresCaptionsAndHidesThePicture)
{
    BazaTestowa baza = BazaTestowa::Probna();
    OknoKarty okno;
    okno.Szukaj("WATER");
    okno.karta->Czysc();
    for (QLineEdit* pole : okno.WszystkiePola())
        EXPECT_TRUE(pole->text().isEmpty()) << pole->objectName().toStdString();
    EXPECT_EQ(okno.Podpis("lblNic_T"), QStringLiteral("Lepkość cieczy"));
    EXPECT_EQ(okno.Podpis("lblVcmol"), QStringLiteral("Objętość molowa cieczy"));
    EXPECT_EQ(okno.Podpis("lblPvp_T"), QStringLiteral("Prężność pary nad roztworem"));
    EXPECT_FALSE(okno.Obraz()->isVisible());
    EXPECT_TRUE(okno.Obraz()->pixmap().isNull());
    EXPECT_EQ(OdniesienieObjetosciMolowej(RekordYaws).temperatura, 298.15L); // the record is left as it was
}

TEST(Karta, KelvinCelsiusSwitchTogglesAndPersistsIntoTheNextSearch)
{
    BazaTestowa baza = BazaTestowa::Probna();
    OknoKarty okno;
    okno.Kliknij("qlblTb"); // empty card: nothing happens
    EXPECT_EQ(okno.Jednostka("qlblTb"), QStringLiteral("K"));

    okno.Szukaj("WATER");
    okno.Kliknij("qlblTb");
    EXPECT_EQ(okno.Jednostka("qlblTb"), QStringLiteral("<sup>o</sup>C"));
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("100"));
    okno.Kliknij("qlblTb");
    EXPECT_EQ(okno.Jednostka("qlblTb"), QStringLiteral("K"));
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("373.15"));

    okno.karta->KelvinCelsjuszClick();
    okno.Szukaj("ETHANOL");
    EXPECT_EQ(okno.Tekst("edtTf"), QStringLiteral("-114.1"));  // 159.05 K
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("78.65"));   // 351.8 K
    EXPECT_EQ(okno.Tekst("edtTc"), QStringLiteral("240.77"));  // 513.92 K
    for (const char* jednostka : JednostkiTemperatury)
        EXPECT_EQ(okno.Jednostka(jednostka), QStringLiteral("<sup>o</sup>C"));

    okno.Kliknij("qlblTc");
    okno.karta->SI1Click(); // only Tf and Tb were in °C
    EXPECT_EQ(okno.Tekst("edtTf"), QStringLiteral("159.05"));
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("351.8"));
    EXPECT_EQ(okno.Tekst("edtTc"), QStringLiteral("513.92"));
    for (const char* jednostka : JednostkiTemperatury)
        EXPECT_EQ(okno.Jednostka(jednostka), QStringLiteral("K"));
}

TEST(Karta, AMissingTemperatureCannotBeSwitched)
{
    TRekordYaws r = Rekord("NOTB");
    r.Tf = 250.0L;
    BazaTestowa baza({r});
    OknoKarty okno;
    okno.Szukaj("NOTB");
    okno.karta->KelvinCelsjuszClick();
    EXPECT_EQ(okno.Jednostka("qlblTf"), QStringLiteral("<sup>o</sup>C"));
    EXPECT_EQ(okno.Jednostka("qlblTb"), QStringLiteral("K"));
    EXPECT_EQ(okno.Tekst("edtTb"), QStringLiteral("brak danych"));
    okno.karta->SI1Click();
    EXPECT_EQ(okno.Jednostka("qlblTf"), QStringLiteral("K"));
    EXPECT_EQ(okno.Tekst("edtTf"), QStringLiteral("250"));
}

TEST(Karta, PictureWrittenByTheTestIsShownAndAMissingOneShowsNothing)
{
    QTemporaryDir rysunki;
    const QRgb czarny = qRgb(0, 0, 0), bialy = qRgb(255, 255, 255);
    std::vector<unsigned char> piksele(40 * 20, 1);
    for (int x = 0; x < 40; ++x)
        piksele[10 * 40 + x] = 0; // a black line across the middle, the rest transparent
    QFile plik(rysunki.path() + "/1234_56_7.gif");
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(ZakodujGif(40, 20, {czarny, bialy}, piksele, 1));
    plik.close();
    QFile zly(rysunki.path() + "/99_99_9.gif");
    ASSERT_TRUE(zly.open(QIODevice::WriteOnly));
    zly.write("GIF89a and then nothing useful");
    zly.close();

    BazaTestowa baza({Rekord("DRAWN", "1234-56-7"), Rekord("UNDRAWN", "555-55-5"), Rekord("BROKEN", "99-99-9"),
                      Rekord("NOCAS", "#"), Rekord("BLANK", " ")});
    ZapisujOkna zapis;
    OknoKarty okno;
    TKartaZwiazku::UstawMiejsceRysunkow(rysunki.path() + "/");
    okno.Szukaj("DRAWN");
    ASSERT_TRUE(okno.Obraz()->isVisible());
    const QImage pokazany = okno.Obraz()->pixmap().toImage();
    ASSERT_EQ(pokazany.size(), QSize(40, 20));
    EXPECT_EQ(qAlpha(pokazany.pixel(5, 5)), 0);
    EXPECT_EQ(pokazany.pixel(5, 10), 0xff000000u);
    // Scaled into the 240 × 180 control keeping 2:1, centred: 240 × 120 from y = 30, the line
    // at y = 30 + 6·10 .. 30 + 6·11.
    const QImage ekran = okno.Obraz()->grab().toImage();
    EXPECT_LT(qGray(ekran.pixel(120, 93)), 64);
    EXPECT_GT(qGray(ekran.pixel(120, 20)), 128);

    for (const char* bezRysunku : {"UNDRAWN", "BROKEN", "NOCAS", "BLANK"}) {
        okno.Szukaj(bezRysunku);
        EXPECT_FALSE(okno.Obraz()->isVisible()) << bezRysunku;
        EXPECT_TRUE(okno.Obraz()->pixmap().isNull()) << bezRysunku;
    }
    EXPECT_TRUE(zapis->komunikaty.empty());
}

TEST(Karta, PropertyLabelsOpenOnlyACompleteCorrelationOfALoadedSubstance)
{
    BazaTestowa baza = BazaTestowa::Probna();
    OknoKarty okno;
    okno.Kliknij("lblNic_T"); // nothing loaded
    EXPECT_TRUE(okno.wybrane.empty());

    okno.Szukaj("WATER");
    for (const char* etykieta : {"lblNig25", "lblCpg25", "lblLag25", "lblDap25", "lblPvp_T", "lblNic_T",
                                 "lblSin_T", "lblCpc_T", "lblRoc25", "lblLac25", "lblDaw25", "lbldelHvTb"})
        okno.Kliknij(etykieta);
    // Water has no diffusion correlations (gas 5, liquid 5).
    const std::vector<std::pair<int, int>> oczekiwane = {{0, 0}, {0, 2}, {0, 4}, {0, 6}, {1, 0},
                                                         {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 6}};
    EXPECT_EQ(okno.wybrane, oczekiwane);

    okno.wybrane.clear();
    RekordYaws.Tc = BrakDanych; // the density and vaporisation correlations need Tc
    okno.Kliknij("lblRoc25");
    okno.Kliknij("lbldelHvTb");
    Znaleziono = false;
    okno.Kliknij("lblNic_T");
    EXPECT_TRUE(okno.wybrane.empty());

    QLabel* etykieta = okno.Szukany<QLabel>("lblNic_T");
    QEvent wejscie(QEvent::Enter), wyjscie(QEvent::Leave);
    QApplication::sendEvent(etykieta, &wejscie);
    EXPECT_EQ(etykieta->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(etykieta->font().underline());
    QApplication::sendEvent(etykieta, &wyjscie);
    EXPECT_EQ(etykieta->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_FALSE(etykieta->font().underline());
}
