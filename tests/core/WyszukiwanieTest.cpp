// The search over YAWS.dat without windows: lists, comparisons, formula orders, hits.
#include "BazaTestowa.h"
#include "Cp1250.h"
#include "PolishText.h"
#include "Wyszukiwanie.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TRekordYaws Zwiazek(const QString& pl, const QString& ang, const char* wzor = "", const char* cas = "")
{
    return BazaTestowa::Substancja(UnicodeToCp1250(pl), UnicodeToCp1250(ang), wzor, cas);
}

} // namespace

TEST(Wyszukiwanie, FormulaOrdersComeInLexicographicOrderOfPositionsIdentityFirst)
{
    EXPECT_EQ(PrzestawieniaWzoru(QStringLiteral("ABC")),
              (std::vector<QString>{"ABC", "ACB", "BAC", "BCA", "CAB", "CBA"}));
    const auto ccl4 = PrzestawieniaWzoru(QStringLiteral("CCL4"));
    ASSERT_EQ(ccl4.size(), 24u);
    EXPECT_EQ(ccl4.front(), QStringLiteral("CCL4"));
    EXPECT_EQ(std::count(ccl4.begin(), ccl4.end(), QStringLiteral("CCL4")), 2);
    const auto oh2 = PrzestawieniaWzoru(QStringLiteral("OH2"));
    EXPECT_NE(std::find(oh2.begin(), oh2.end(), QStringLiteral("H2O")), oh2.end());
}

TEST(Wyszukiwanie, ListsAreUpperCasedAsciiOnlySortedPolishAndSkipBlanks)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("Ćma"), QStringLiteral("moth"), "X", "1-1-1"),
                      Zwiazek(QStringLiteral("czad"), QStringLiteral(" "), "CO", "630-08-0"),
                      Zwiazek(QStringLiteral("łój"), QStringLiteral("tallow"), " ", ""),
                      Zwiazek(QStringLiteral("Lab"), QStringLiteral("Tallow")),
                      Zwiazek(QStringLiteral("mat"), QString())});
    const ListySzukania listy = ZbierzListySzukania();
    EXPECT_EQ(listy.NazwyPL, (QStringList{QStringLiteral("CZAD"), QStringLiteral("ĆMA"), QStringLiteral("LAB"),
                                          QStringLiteral("łóJ"), QStringLiteral("MAT")}));
    EXPECT_EQ(listy.NazwyANG, (QStringList{QStringLiteral("MOTH"), QStringLiteral("TALLOW"), QStringLiteral("TALLOW")}));
    EXPECT_EQ(listy.Wzory, (QStringList{QStringLiteral("CO"), QStringLiteral("X")}));
    EXPECT_EQ(listy.NumeryCAS, (QStringList{QStringLiteral("1-1-1"), QStringLiteral("630-08-0")}));
}

TEST(Wyszukiwanie, ListsOfEveryCodePageLetterComeInThePolishOrderEqualOnesInFileOrder)
{
    // Names of up to twelve bytes from the whole code page, many sharing their first eight.
    std::mt19937 los(1250);
    std::uniform_int_distribution<int> dlugosc(1, 12), bajt(0x21, 0xFF), wspolnyPoczatek(0, 3);
    std::vector<TRekordYaws> rekordy;
    QStringList nazwy;
    for (int i = 0; i < 2000; ++i) {
        std::string nazwa = wspolnyPoczatek(los) == 0 ? "abcdefgh" : "";
        for (int n = dlugosc(los); n > 0; --n)
            nazwa += static_cast<char>(bajt(los));
        rekordy.push_back(BazaTestowa::Substancja(nazwa, nazwa));
        nazwy << Cp1250ToUnicode(UpperAscii(nazwa));
    }
    BazaTestowa baza(rekordy);
    SortujPL(nazwy);
    const ListySzukania listy = ZbierzListySzukania();
    EXPECT_EQ(listy.NazwyPL, nazwy);
    EXPECT_EQ(listy.NazwyANG, nazwy);
}

TEST(Wyszukiwanie, NamesMatchWhateverTheCaseOfPolishLetters)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("DITLENEK WĘGLA"), QStringLiteral("CARBON DIOXIDE")),
                      Zwiazek(QStringLiteral("TLENEK WĘGLA"), QStringLiteral("Carbon monoxide")),
                      Zwiazek(QStringLiteral("ŻELAZO"), QStringLiteral("IRON"))});
    WynikSzukania wynik = SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("tlenek węgla"));
    EXPECT_TRUE(wynik.Znaleziono);
    EXPECT_FALSE(wynik.WymagaWyboru);
    EXPECT_EQ(wynik.Pozycja, 2);

    wynik = SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("węgl"));
    EXPECT_TRUE(wynik.WymagaWyboru);
    EXPECT_EQ(wynik.Kandydaci, (QStringList{QStringLiteral("DITLENEK WĘGLA"), QStringLiteral("TLENEK WĘGLA")}));
    EXPECT_EQ(wynik.PoleWyboru, PoleSzukania::NazwaPL);

    wynik = SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("żel"));
    EXPECT_EQ(wynik.Kandydaci, QStringList{QStringLiteral("ŻELAZO")});

    // English names are offered upper-cased; a chosen one is found whatever case the file holds.
    wynik = SzukajZwiazku(PoleSzukania::NazwaANG, QStringLiteral("mono"));
    EXPECT_EQ(wynik.Kandydaci, QStringList{QStringLiteral("CARBON MONOXIDE")});
    EXPECT_EQ(ZnajdzPierwszyONazwie(PoleSzukania::NazwaANG, QStringLiteral("CARBON MONOXIDE")), 2);
    EXPECT_EQ(ZnajdzPierwszyONazwie(PoleSzukania::NazwaANG, QStringLiteral("CARBON")), 0);
}

TEST(Wyszukiwanie, NameCandidatesAreEveryNameHoldingTheTextInTheListOrderEvenBlankOnes)
{
    // Short names of a few letters in both cases, blanks among them, against every short text of
    // those letters: a name is offered once if any of its stretches equals the text; an empty
    // name holds not even the empty text, yet equals it.
    const QStringList litery{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("ą"), QStringLiteral("Ą"),
                             QStringLiteral("b"), QStringLiteral(" ")};
    std::mt19937 los(17);
    std::uniform_int_distribution<int> dlugosc(0, 7), litera(0, static_cast<int>(litery.size()) - 1);
    std::vector<TRekordYaws> rekordy;
    QStringList nazwy;
    for (int i = 0; i < 400; ++i) {
        QString nazwa;
        for (int n = dlugosc(los); n > 0; --n)
            nazwa += litery[litera(los)];
        rekordy.push_back(Zwiazek(nazwa, nazwa));
        nazwy << UpperAscii(nazwa);
    }
    BazaTestowa baza(rekordy);
    QStringList teksty{QString()};
    for (int dlugoscTekstu = 1; dlugoscTekstu <= 3; ++dlugoscTekstu)
        for (qsizetype i = teksty.size() - 1; i >= 0 && teksty[i].size() == dlugoscTekstu - 1; --i)
            for (const QString& l : litery)
                teksty << teksty[i] + l;
    for (const QString& tekst : teksty) {
        QStringList oczekiwani;
        long long rowna = 0;
        for (qsizetype r = 0; r < nazwy.size(); ++r) {
            for (qsizetype i = 0; i < nazwy[r].size() && i + tekst.size() <= nazwy[r].size(); ++i)
                if (RowneBezWielkosciLiter(nazwy[r].mid(i, tekst.size()), tekst)) {
                    oczekiwani << nazwy[r];
                    break;
                }
            if (RowneBezWielkosciLiter(nazwy[r], tekst))
                rowna = r + 1;
        }
        SortujPL(oczekiwani);
        const WynikSzukania wynik = SzukajZwiazku(PoleSzukania::NazwaANG, tekst);
        EXPECT_EQ(wynik.Kandydaci, oczekiwani) << tekst.toStdString();
        EXPECT_EQ(wynik.Pozycja, rowna) << tekst.toStdString();
        EXPECT_EQ(wynik.Znaleziono, rowna != 0) << tekst.toStdString();
    }
}

TEST(Wyszukiwanie, TextsTheDataFilesCannotHoldFindNothing)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("WODA?"), QStringLiteral("WATER"), "H2O", "7732-18-5")});
    for (PoleSzukania pole : {PoleSzukania::NazwaPL, PoleSzukania::NazwaANG, PoleSzukania::Wzor, PoleSzukania::CAS}) {
        const WynikSzukania wynik = SzukajZwiazku(pole, QStringLiteral("WODA水"));
        EXPECT_FALSE(wynik.Znaleziono);
        EXPECT_TRUE(wynik.Kandydaci.isEmpty());
    }
}

TEST(Wyszukiwanie, HitsOfCasAndFormulaInFileOrder)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("ETANOL"), QStringLiteral("Ethanol"), "C2H6O", "64-17-5"),
                      Zwiazek(QStringLiteral("WODA"), QStringLiteral("WATER"), "H2O", "7732-18-5"),
                      Zwiazek(QStringLiteral("ETANOL 2"), QStringLiteral("ETHANOL 2"), "C2H6O", "64-17-5")});
    WynikSzukania wynik = SzukajZwiazku(PoleSzukania::CAS, QStringLiteral("64-17-5"));
    EXPECT_TRUE(wynik.WymagaWyboru);
    EXPECT_FALSE(wynik.Znaleziono);
    EXPECT_EQ(wynik.Kandydaci, (QStringList{QStringLiteral("ETHANOL"), QStringLiteral("ETHANOL 2")}));

    wynik = SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("2oh"));
    EXPECT_TRUE(wynik.Znaleziono);
    EXPECT_EQ(wynik.Pozycja, 2);

    wynik = SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("c2h6o"));
    EXPECT_EQ(wynik.Kandydaci.size(), 2);
    EXPECT_FALSE(SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("C2H6")).Znaleziono);

    ASSERT_TRUE(WczytajRekordYaws(3));
    EXPECT_EQ(RekordYaws.NazwaANG, "ETHANOL 2");
    EXPECT_EQ(PlikYaws.Pozycja(), 3);
}

TEST(Wyszukiwanie, AShortFormulaHitsInTheOrderOfItsOrdersThenOfTheFile)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("A"), QStringLiteral("Hydroxide"), "OH2"),
                      Zwiazek(QStringLiteral("B"), QStringLiteral("Water"), "H2O"),
                      Zwiazek(QStringLiteral("C"), QStringLiteral("Water 2"), "h2o")});
    const WynikSzukania wynik = SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("h2o"));
    EXPECT_TRUE(wynik.WymagaWyboru);
    EXPECT_EQ(wynik.Kandydaci, (QStringList{QStringLiteral("WATER"), QStringLiteral("WATER 2"),
                                            QStringLiteral("HYDROXIDE")}));
    // CCL4 equals two of its orders (the two Cs swapped): its record is hit twice.
    BazaTestowa czterochlorek({Zwiazek(QStringLiteral("D"), QStringLiteral("Tetra"), "CCL4")});
    EXPECT_EQ(SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("ccl4")).Kandydaci,
              (QStringList{QStringLiteral("TETRA"), QStringLiteral("TETRA")}));
}

TEST(Wyszukiwanie, AFileOpenedAnewIsSearchedAsItNowStands)
{
    BazaTestowa baza({Zwiazek(QStringLiteral("WODA"), QStringLiteral("WATER"), "H2O")});
    EXPECT_TRUE(SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("WODA")).Znaleziono);
    ZapiszPlik(baza.katalogDanych() + "YAWS.dat",
               std::vector<TRekordYaws>{Zwiazek(QStringLiteral("ETANOL"), QStringLiteral("ETHANOL"), "C2H6O"),
                                        Zwiazek(QStringLiteral("WODA"), QStringLiteral("WATER"), "H2O")});
    UstawSciezki(baza.katalog());
    ASSERT_TRUE(OtworzPlikiDanych().moznaKontynuowac);
    const WynikSzukania wynik = SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("WODA"));
    EXPECT_TRUE(wynik.Znaleziono);
    EXPECT_EQ(wynik.Pozycja, 2);
    EXPECT_EQ(SzukajZwiazku(PoleSzukania::Wzor, QStringLiteral("C2H6O")).Pozycja, 1);
}

TEST(Wyszukiwanie, AFileWithOnlyRecordZeroOrAnOverlongLengthByteIsReadSafely)
{
    {
        BazaTestowa pusta(std::vector<TRekordYaws>{});
        EXPECT_TRUE(ZbierzListySzukania().NazwyPL.isEmpty());
        EXPECT_FALSE(SzukajZwiazku(PoleSzukania::NazwaPL, QStringLiteral("A")).Znaleziono);
    }
    BazaTestowa baza({Zwiazek(QStringLiteral("WODA"), QStringLiteral("WATER"))});
    QFile plik(baza.katalogDanych() + "YAWS.dat");
    ASSERT_TRUE(plik.open(QIODevice::ReadWrite));
    plik.seek(RozmiarRekorduYaws + 29); // the length byte of record 1's Polish name
    plik.putChar(static_cast<char>(200));
    plik.close();
    UstawSciezki(baza.katalog());
    ASSERT_TRUE(OtworzPlikiDanych().moznaKontynuowac);
    const ListySzukania listy = ZbierzListySzukania();
    ASSERT_EQ(listy.NazwyPL.size(), 1);
    EXPECT_EQ(listy.NazwyPL[0].size(), 50);
    EXPECT_TRUE(listy.NazwyPL[0].startsWith(QStringLiteral("WODA")));
}
