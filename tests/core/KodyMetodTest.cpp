// The code table: every item of the prediction tabs names a code, every code a window, and the
// lines put before the critical-temperature descriptions when the record lacks what they need.
// Which item opens which window is checked end to end by the main window's tests.
#include "KodyMetod.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(KodyMetod, EveryItemNamesACodeOfTheTableAndEveryCodeIsUnique)
{
    const auto tekst = [](TKodMetody kod) { return QString(kod.Tekst()); };
    QSet<QString> kody;
    for (const OknoMetody& wiersz : KodyMetod()) {
        EXPECT_FALSE(kody.contains(tekst(wiersz.kod))) << tekst(wiersz.kod).toStdString();
        kody.insert(tekst(wiersz.kod));
        EXPECT_EQ(OknoDlaKodu(tekst(wiersz.kod)), &wiersz);
    }
    QSet<QString> zGrup;
    for (const GrupaMetod& grupa : GrupyMetod())
        for (const PozycjaMetody& pozycja : grupa.pozycje) {
            EXPECT_TRUE(kody.contains(tekst(pozycja.kod))) << tekst(pozycja.kod).toStdString();
            EXPECT_EQ(ZakladkaKodu(tekst(pozycja.kod)), grupa.zakladka) << tekst(pozycja.kod).toStdString();
            zGrup.insert(tekst(pozycja.kod));
        }
    // Only the experimental tab's mixture density opens a window without a method group.
    EXPECT_EQ(kody - zGrup, QSet<QString>{tekst(KodGestosciMieszanin)});
    EXPECT_EQ(OknoDlaKodu(tekst(KodGestosciMieszanin))->okno, std::string("TMixcFrm"));
    EXPECT_EQ(OknoDlaKodu(QStringLiteral("99")), nullptr);
    EXPECT_EQ(OknoDlaKodu(QString()), nullptr);
    EXPECT_EQ(ZakladkaKodu(tekst(KodGestosciMieszanin)), std::nullopt);
}

TEST(KodyMetod, EveryParentItemShowsAMethodGroupOfItsTab)
{
    for (const GrupaNadrzedna& nadrzedna : GrupyNadrzedne()) {
        ASSERT_EQ(nadrzedna.pozycje.size(), nadrzedna.grupy.size()) << nadrzedna.nazwa;
        for (const char* nazwa : nadrzedna.grupy) {
            auto grupa = std::find_if(GrupyMetod().begin(), GrupyMetod().end(),
                                      [nazwa](const GrupaMetod& g) { return std::string(g.nazwa) == nazwa; });
            ASSERT_NE(grupa, GrupyMetod().end()) << nazwa;
            EXPECT_EQ(grupa->zakladka, nadrzedna.zakladka) << nazwa;
        }
    }
}

TEST(KodyMetod, TheExperimentalItemsStoreTheirCodesInTheirOwnOrder)
{
    ASSERT_EQ(PozycjeGaz().size(), 7);
    ASSERT_EQ(PozycjeCiecz().size(), 8);
    EXPECT_EQ(PozycjeGaz()[2], QStringLiteral("Ciepło właściwe"));
    EXPECT_EQ(KodyGaz[2], KodCieplaWlasciwegoGazu);
    EXPECT_EQ(PozycjeGaz()[0], QStringLiteral("Lepkość"));
    EXPECT_EQ(KodyGaz[0], KodLepkosciGazu);
    EXPECT_EQ(PozycjeCiecz()[PozycjaGestosciMieszanin], QStringLiteral("Gęstość mieszanin"));
}

TEST(KodyMetod, LinesBeforeTheCriticalTemperatureDescriptions)
{
    const QString brakTb = QStringLiteral("Nie znaleziono Tb - oblicz temperaturę wrzenia lub podaj ją z innych źródeł.");
    const QString brakMmol = QStringLiteral("Nie znaleziono Mmol - podaj masę molową z innych źródeł.");
    TRekordYaws pelny;
    CzyscRekord(pelny);
    pelny.Tb = 373.15L;
    pelny.Mmol = 18.01528L;
    TRekordYaws bezTb = pelny;
    bezTb.Tb = BrakDanych;
    TRekordYaws bezMmol = pelny;
    bezMmol.Mmol = BrakDanych;
    TRekordYaws pusty;
    CzyscRekord(pusty);
    const struct {
        int pozycja;
        const TRekordYaws* rekord;
        QStringList wiersze;
    } przypadki[] = {
        {0, &pelny, {}},       {0, &bezTb, {brakTb}},   {0, &bezMmol, {}},
        {1, &bezTb, {brakTb}}, {2, &pusty, {}},         {3, &pelny, {}},
        {3, &bezTb, {brakTb}}, {3, &bezMmol, {brakMmol}}, {3, &pusty, {brakMmol, brakTb}},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(WierszeBrakujacychDanych(p.pozycja, *p.rekord), p.wiersze) << p.pozycja;
    ASSERT_EQ(OpisyMetodTc().size(), 4u);
    EXPECT_EQ(OpisyMetodTc()[0].plik, QStringLiteral("Help/Tc_Ambrose.rtf"));
    EXPECT_TRUE(OpisyMetodTc()[0].rtf);
    EXPECT_EQ(OpisyMetodTc()[3].plik, QStringLiteral("Help/Tc_Klincewicz.txt"));
    EXPECT_FALSE(OpisyMetodTc()[3].rtf);
}
