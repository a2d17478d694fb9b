#include "Zmienne.h"
#include "ZapisBazy.h"

#include "Cp1250.h"
#include "Extended.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <array>
#include <vector>

namespace {

// Offsets computed by hand from the record layout, independent of the field table.
struct PolePoOffsecie {
    int offset;
    long double TRekordYaws::*pole;
};

std::vector<unsigned char> RekordZWartoscia(int rozmiar, int offset, long double wartosc)
{
    std::vector<unsigned char> bajty(rozmiar, 0);
    KodujExtended(wartosc, bajty.data() + offset);
    return bajty;
}

} // namespace

TEST(Zmienne, YawsFieldsSitAtTheirOffsets)
{
    const PolePoOffsecie pola[] = {
        {131, &TRekordYaws::Mmol}, {161, &TRekordYaws::Tc}, {211, &TRekordYaws::Omega},
        {261, &TRekordYaws::NigA}, {522, &TRekordYaws::DapA}, {622, &TRekordYaws::Daw25},
        {702, &TRekordYaws::Cpg25}, {842, &TRekordYaws::TCps}, {942, &TRekordYaws::SinTc},
        {1124, &TRekordYaws::DelGfA}, {1607, &TRekordYaws::Vcmol}, {1800, &TRekordYaws::AntTmax},
        {1950, &TRekordYaws::Zra},
    };
    for (const auto& p : pola) {
        auto bajty = RekordZWartoscia(RozmiarRekorduYaws, p.offset, 123.456L);
        TRekordYaws rekord{};
        Dekoduj(bajty.data(), rekord);
        EXPECT_EQ(rekord.*p.pole, 123.456L) << "offset " << p.offset;
    }
}

TEST(Zmienne, StringsAreLengthPrefixedAndClamped)
{
    std::vector<unsigned char> bajty(RozmiarRekorduYaws, 0);
    const char cas[] = "7732-18-5";
    bajty[3] = 9;
    std::copy(cas, cas + 9, bajty.begin() + 4);
    bajty[29] = 4; // Polish name "WODA" followed by stray bytes beyond the length
    std::string nazwa = "WODAXYZ";
    std::copy(nazwa.begin(), nazwa.end(), bajty.begin() + 30);
    bajty[15] = 200; // a length byte above the capacity of 13
    TRekordYaws rekord{};
    Dekoduj(bajty.data(), rekord);
    EXPECT_EQ(rekord.CAS, "7732-18-5");
    EXPECT_EQ(rekord.NazwaPL, "WODA");
    EXPECT_EQ(rekord.Wzor.size(), 13u);
}

TEST(Zmienne, RcgAndMixcOffsets)
{
    auto rcg = RekordZWartoscia(RozmiarRekorduRcg, 244, 0.86L);
    TRekordRcg r{};
    Dekoduj(rcg.data(), r);
    EXPECT_EQ(r.W21, 0.86L);
    auto mixc = RekordZWartoscia(RozmiarRekorduMixc, 136, -0.06L);
    TRekordMixc m{};
    Dekoduj(mixc.data(), m);
    EXPECT_EQ(m.VE, -0.06L);
    auto cisnienie = RekordZWartoscia(RozmiarRekorduMixc, 116, 0.5L);
    Dekoduj(cisnienie.data(), m);
    EXPECT_EQ(m.P, 0.5L);
}

// A number field whose bytes are no number (NaN, infinity, an unnormal) reads as missing; zero
// and the smallest denormal read as they are.
TEST(Zmienne, DamagedNumbersReadAsMissing)
{
    using Bajty = std::array<unsigned char, RozmiarExtended>;
    const Bajty uszkodzone[] = {
        {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}, // quiet NaN
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}, // +infinity
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}, // -infinity
        {0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F}, // pseudo-infinity (integer bit clear)
        {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}, // unnormal: exponent of 1.0, integer bit clear
    };
    for (const Bajty& b : uszkodzone) {
        std::vector<unsigned char> rekord(RozmiarRekorduYaws, 0);
        std::copy(b.begin(), b.end(), rekord.begin() + 161); // Tc
        TRekordYaws r{};
        Dekoduj(rekord.data(), r);
        EXPECT_EQ(r.Tc, BrakDanych) << int(b[7]) << " " << int(b[9]);
    }
    const Bajty najmniejszy = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<unsigned char> rekord(RozmiarRekorduYaws, 0);
    std::copy(najmniejszy.begin(), najmniejszy.end(), rekord.begin() + 161);
    TRekordYaws r{};
    Dekoduj(rekord.data(), r);
    EXPECT_EQ(r.Tc, DekodujExtended(najmniejszy.data()));
    EXPECT_GT(r.Tc, 0.0L);
    EXPECT_EQ(r.Mmol, 0.0L);
}

TEST(Zmienne, ClearingSetsEveryNumberToBrakDanych)
{
    RekordYaws.NazwaPL = "WODA";
    RekordYaws.Zra = 0.25L;
    CzyscRekordYaws();
    EXPECT_TRUE(RekordYaws.NazwaPL.empty());
    for (const auto& pole : PolaYaws()) {
        if (pole.liczba) {
            EXPECT_EQ(RekordYaws.*pole.liczba, BrakDanych) << pole.nazwa;
        }
    }
    std::vector<unsigned char> bajty(RozmiarRekorduYaws);
    Koduj(RekordYaws, bajty.data());
    for (int offset : {792, 1184, 1494, 1630, 1810, 1940}) // reserved numbers
        EXPECT_EQ(DekodujExtended(bajty.data() + offset), BrakDanych) << offset;
    CzyscRekordRcg();
    EXPECT_EQ(RekordRcg.W12, 0.0L);
    TRekordMixc mixc;
    CzyscRekord(mixc);
    EXPECT_EQ(mixc.VE, BrakDanych);
}

TEST(Zmienne, FieldTableCoversTheWholeRecordWithoutOverlap)
{
    std::vector<int> zajete(RozmiarRekorduYaws, 0);
    for (const auto& pole : PolaYaws()) {
        int dlugosc = pole.rodzaj == RodzajPola::Tekst ? pole.pojemnosc + 1
                      : pole.rodzaj == RodzajPola::Liczba ? 10 : pole.pojemnosc;
        for (int i = pole.offset; i < pole.offset + dlugosc; ++i)
            ++zajete.at(i);
    }
    for (int i = 0; i < RozmiarRekorduYaws; ++i)
        EXPECT_EQ(zajete[i], 1) << "byte " << i;
}

class PlikTypowany : public ::testing::Test {
protected:
    QTemporaryDir katalog;
    QString sciezka(const char* nazwa) { return katalog.filePath(QString::fromLatin1(nazwa)); }
};

TEST_F(PlikTypowany, AFileOfOnlyRecordZeroHasNoRecords)
{
    ASSERT_TRUE(ZapiszPlik(sciezka("YAWS.dat"), std::vector<TRekordYaws>{}));
    TPlikTypowany plik;
    plik.Przypisz(sciezka("YAWS.dat"));
    ASSERT_TRUE(plik.Otworz(RozmiarRekorduYaws));
    EXPECT_EQ(plik.Rozmiar(), 1);
    plik.Szukaj(1);
    EXPECT_GE(plik.Pozycja(), plik.Rozmiar());
    TRekordYaws r{};
    EXPECT_FALSE(plik.Czytaj(r));
}

TEST_F(PlikTypowany, TruncatedAndEmptyFilesAreReadSafely)
{
    TRekordYaws woda = PustyRekordYaws();
    woda.NazwaPL = "WODA";
    ASSERT_TRUE(ZapiszPlik(sciezka("YAWS.dat"), std::vector<TRekordYaws>{woda, woda}));
    QFile::resize(sciezka("YAWS.dat"), RozmiarRekorduYaws * 2 + 100); // second record cut short
    TPlikTypowany plik;
    plik.Przypisz(sciezka("YAWS.dat"));
    ASSERT_TRUE(plik.Otworz(RozmiarRekorduYaws));
    EXPECT_EQ(plik.Rozmiar(), 2);
    plik.Szukaj(1);
    TRekordYaws r{};
    EXPECT_TRUE(plik.Czytaj(r));
    EXPECT_EQ(r.NazwaPL, "WODA");
    EXPECT_FALSE(plik.Czytaj(r));

    // The open file shrinks: the record cut short is not read, the one before it still is.
    ASSERT_TRUE(QFile::resize(sciezka("YAWS.dat"), RozmiarRekorduYaws + 100));
    plik.Szukaj(1);
    EXPECT_FALSE(plik.Czytaj(r));
    EXPECT_EQ(plik.Pozycja(), 1);
    ASSERT_TRUE(QFile::resize(sciezka("YAWS.dat"), RozmiarRekorduYaws * 2));
    EXPECT_TRUE(plik.Czytaj(r));
    EXPECT_EQ(r.NazwaPL, "WODA");

    QFile pusty(sciezka("pusty.dat"));
    ASSERT_TRUE(pusty.open(QIODevice::WriteOnly));
    pusty.close();
    TPlikTypowany pustyPlik;
    pustyPlik.Przypisz(sciezka("pusty.dat"));
    ASSERT_TRUE(pustyPlik.Otworz(RozmiarRekorduYaws));
    EXPECT_EQ(pustyPlik.Rozmiar(), 0);
    EXPECT_FALSE(pustyPlik.Czytaj(r));

    TPlikTypowany brak;
    brak.Przypisz(sciezka("brak.dat"));
    EXPECT_FALSE(brak.Otworz(RozmiarRekorduYaws));
    EXPECT_FALSE(brak.Czytaj(r));
}

TEST(BazaProbna, WaterRoundTripsThroughTheToolAndTheReader)
{
    QTemporaryDir katalog;
    ZapiszBazeProbna(qEnvironmentVariable("QERN_DANE_TEKSTOWE"), katalog.path());
    TPlikTypowany plik;
    plik.Przypisz(katalog.filePath(QStringLiteral("YAWS.dat")));
    ASSERT_TRUE(plik.Otworz(RozmiarRekorduYaws));
    EXPECT_EQ(plik.Rozmiar(), 115); // record 0 and the 114 substances
    plik.Szukaj(1);
    TRekordYaws woda{};
    ASSERT_TRUE(plik.Czytaj(woda));
    EXPECT_EQ(woda.CAS, "7732-18-5");
    EXPECT_EQ(woda.Wzor, "H2O");
    EXPECT_EQ(woda.Mmol, 18.01528L);
    EXPECT_EQ(woda.Tc, 647.14L);
    EXPECT_EQ(woda.DapA, BrakDanych); // an empty cell of the table
    bool polskaNazwa = false;
    while (plik.Czytaj(woda))
        polskaNazwa = polskaNazwa || Cp1250ToUnicode(woda.NazwaPL) == QStringLiteral("MRÓWCZAN METYLU");
    EXPECT_TRUE(polskaNazwa);

    for (const char* nazwa : {"Rcg.dan", "Rcgt.dan"}) {
        TPlikTypowany rcg;
        rcg.Przypisz(katalog.filePath(QString::fromLatin1(nazwa)));
        ASSERT_TRUE(rcg.Otworz(RozmiarRekorduRcg));
        rcg.Szukaj(1);
        TRekordRcg r{};
        ASSERT_TRUE(rcg.Czytaj(r));
        EXPECT_EQ(r.Nazwa1, "ETANOL");
        EXPECT_EQ(r.Nazwa2, "WODA");
    }
    TPlikTypowany mixc;
    mixc.Przypisz(katalog.filePath(QStringLiteral("mixc.dan")));
    ASSERT_TRUE(mixc.Otworz(RozmiarRekorduMixc));
    EXPECT_EQ(mixc.Rozmiar(), 27);
    mixc.Szukaj(1);
    TRekordMixc m{};
    ASSERT_TRUE(mixc.Czytaj(m));
    EXPECT_EQ(m.x1, 0.0161L);
    EXPECT_EQ(m.VE, -0.06L);
}
