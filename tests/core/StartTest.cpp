#include "BazaTestowa.h"

#include <gtest/gtest.h>

TEST(Start, AllFilesPresentOpenWithoutMessages)
{
    BazaTestowa baza({BazaTestowa::Substancja("WODA")});
    EXPECT_EQ(KatalogDanych, baza.katalog() + "/DATA/");
    EXPECT_EQ(PlikYaws.Sciezka(), baza.katalog() + "/DATA/YAWS.dat");
    EXPECT_TRUE(PlikYaws.Otwarty());
    EXPECT_TRUE(PlikRcg.Otwarty());
    EXPECT_EQ(PlikYaws.Rozmiar(), 2);
    EXPECT_EQ(RekordYaws.Tc, BrakDanych);
}

TEST(Start, MissingFilesGiveTheirMessagesInOrder)
{
    BazaTestowa baza({BazaTestowa::Substancja("WODA")});
    QFile::remove(baza.katalogDanych() + "Rcg.dan");
    QFile::remove(baza.katalogDanych() + "mixc.dan");
    UstawSciezki(baza.katalog());
    WynikOtwarcia wynik = OtworzPlikiDanych();
    EXPECT_TRUE(wynik.moznaKontynuowac);
    ASSERT_EQ(wynik.komunikaty.size(), 2);
    EXPECT_EQ(wynik.komunikaty[0], QStringLiteral("Nie odnaleziono plików bazy Rcg!"));
    EXPECT_TRUE(wynik.komunikaty[1].contains(QStringLiteral("mixc.dan")));

    QFile::remove(baza.katalogDanych() + "YAWS.dat");
    UstawSciezki(baza.katalog());
    wynik = OtworzPlikiDanych();
    EXPECT_FALSE(wynik.moznaKontynuowac);
    EXPECT_EQ(wynik.komunikaty, QStringList{QStringLiteral("Nie odnaleziono plików bazy danych!")});
}

TEST(Start, AnUnreadableDataFileIsNamedNotFatal)
{
    BazaTestowa baza({BazaTestowa::Substancja("WODA")});
    QFile::remove(baza.katalogDanych() + "Rcgt.dan");
    QDir().mkpath(baza.katalogDanych() + "Rcgt.dan"); // a folder where the file should be
    UstawSciezki(baza.katalog());
    WynikOtwarcia wynik = OtworzPlikiDanych();
    EXPECT_TRUE(wynik.moznaKontynuowac);
    ASSERT_EQ(wynik.komunikaty.size(), 1);
    EXPECT_TRUE(wynik.komunikaty[0].contains(QStringLiteral("Rcgt.dan")));
}

TEST(Start, AFileFarTooLargeForItsKindIsRefusedWithTheMessageOfAMissingOne)
{
    BazaTestowa baza({BazaTestowa::Substancja("WODA")});
    // Sparse: no disk is spent on it, and nothing is read from it.
    ASSERT_TRUE(QFile::resize(baza.katalogDanych() + "mixc.dan",
                              (TPlikTypowany::NajwiecejRekordow + 1) * RozmiarRekorduMixc));
    UstawSciezki(baza.katalog());
    const WynikOtwarcia wynik = OtworzPlikiDanych();
    EXPECT_TRUE(wynik.moznaKontynuowac);
    EXPECT_FALSE(PlikMixc.Otwarty());
    EXPECT_EQ(wynik.komunikaty, QStringList{QStringLiteral("Nie odnaleziono pliku bazy mieszanin ciekłych (mixc.dan)!\n"
                                                           "Plik %1mixc.dan jest zbyt duży jak na plik bazy danych.")
                                                .arg(baza.katalogDanych())});
}
