// The compressibility runner run as the program runs it: from "mathcad.txt" written the way the
// program writes it, or from one substance's values; its "zety.txt" read back the way the program
// reads it. Input it cannot read, a state without an answer and an answer it cannot write each
// end quickly with their own exit code and leave no answer.
#include "ProgramZety.h"
#include "WymianaArkusza.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int Uruchom(const QStringList& argumenty)
{
    QProcess runner;
    runner.start(QStringLiteral(SCIEZKA_OBLICZZETY), argumenty);
    EXPECT_TRUE(runner.waitForFinished(10000));
    return runner.exitCode();
}

QByteArray Zawartosc(const QString& sciezka)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

void Zapisz(const QString& sciezka, const QByteArray& tekst)
{
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(tekst);
}

} // namespace

TEST(ObliczZety, AnswersTheMixtureFileAndOneSubstanceAndRefusesWhatItCannotRead)
{
    QTemporaryDir katalog;
    const QDir dane(katalog.path());
    // A mixture at Tr = 1.5, Pr = 1.0: P = 45 bar, T = 300 K, Pc = 45 bar, Tc = 200 K.
    const QByteArray mathcad = TekstPlikuMathcad({45.0L, 300.0L, 45.0L, 200.0L});
    const QList<QByteArray> wiersze = mathcad.split('\n');
    ASSERT_EQ(wiersze.size(), 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(wiersze[i].size(), 24) << i; // 23 characters and CR
        EXPECT_TRUE(wiersze[i].endsWith('\r'));
    }
    EXPECT_TRUE(wiersze[4].isEmpty());
    Zapisz(dane.filePath(PlikMathcad), mathcad);

    ASSERT_EQ(Uruchom({katalog.path()}), 0);
    auto z = CzytajTekstZety(Zawartosc(dane.filePath(PlikZety)));
    ASSERT_TRUE(z);
    EXPECT_NEAR(double(z->Z0), 0.91034, 1e-5);
    EXPECT_NEAR(double(z->Z1), 0.08640, 1e-5);

    ASSERT_EQ(Uruchom({katalog.path(), QStringLiteral("270"), QStringLiteral("30"), QStringLiteral("300"),
                       QStringLiteral("300")}),
              0);
    z = CzytajTekstZety(Zawartosc(dane.filePath(PlikZety)));
    ASSERT_TRUE(z);
    EXPECT_NEAR(double(z->Z0), 0.95277, 1e-5);
    EXPECT_NEAR(double(z->Z1), -0.02051, 1e-5);

    QFile::remove(dane.filePath(PlikZety));
    Zapisz(dane.filePath(PlikMathcad), "1\r\n2\r\nabc\r\n");
    EXPECT_EQ(Uruchom({katalog.path()}), 1);
    EXPECT_EQ(Uruchom({katalog.path(), QStringLiteral("300"), QStringLiteral("10"), QStringLiteral("0"),
                       QStringLiteral("40")}),
              1);
    EXPECT_FALSE(QFile::exists(dane.filePath(PlikZety)));

    EXPECT_FALSE(CzytajTekstZety(""));
    EXPECT_FALSE(CzytajTekstZety("0.9\r\n"));
    EXPECT_FALSE(CzytajTekstZety("0.9\r\nx\r\n"));
    z = CzytajTekstZety("  0.9 koniec\r\n-0.1\r\n");
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Z0, 0.9L);
    EXPECT_EQ(z->Z1, -0.1L);
}

// States whose numbers overflow or underflow the equation: the search ends within a second with
// exit 1 and no answer instead of running forever or answering INF, NAN or Z0 = 7.5E4002.
// An answer that cannot be written (here a folder stands where "zety.txt" would go) ends with 2.
TEST(ObliczZety, OverflowingStatesEndQuicklyWithoutAnAnswer)
{
    QTemporaryDir katalog;
    const QDir dane(katalog.path());
    for (const QStringList& stan : {QStringList{"1e4000", "1e-4000", "1", "1"}, {"3.0", "2.5e3020", "2.5e3020", "0.03"},
                                    {"1e-4000", "10", "300", "40"}, {"300", "10", "inf", "40"}}) {
        QElapsedTimer czas;
        czas.start();
        EXPECT_EQ(Uruchom(QStringList{katalog.path()} + stan), KodZetyBrakRozwiazania) << stan.join(' ').toStdString();
        EXPECT_LT(czas.elapsed(), 1000) << stan.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(dane.filePath(PlikZety))) << stan.join(' ').toStdString();
    }
    ASSERT_TRUE(dane.mkdir(PlikZety));
    EXPECT_EQ(Uruchom({katalog.path(), QStringLiteral("300"), QStringLiteral("10"), QStringLiteral("200"),
                       QStringLiteral("40")}),
              KodZetyNieZapisano);
}
