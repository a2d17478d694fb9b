// Running the compressibility runner as the program runs it: a program that cannot be started,
// one that fails, one that cannot write its answer and one that runs past the time limit each say
// so, and the answer file is read once and left alone when it holds no answer.
#include "ProgramZety.h"

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Skrypt(const QTemporaryDir& katalog, const char* nazwa, const QByteArray& tresc)
{
    const QString sciezka = katalog.filePath(QString::fromLatin1(nazwa));
    QFile plik(sciezka);
    EXPECT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write("#!/bin/sh\n" + tresc + "\n");
    plik.close();
    plik.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return sciezka;
}

} // namespace

TEST(ProgramZety, ReportsAProgramThatIsMissingFailsOrRunsTooLong)
{
    QTemporaryDir katalog;
    UstawSciezkeProgramuZety(katalog.filePath(QStringLiteral("nie-ma")));
    EXPECT_EQ(UruchomProgramZety(katalog.path(), std::nullopt), WynikProgramuZety::NieUruchomiono);

    UstawSciezkeProgramuZety(Skrypt(katalog, "blad", "exit 1"));
    EXPECT_EQ(UruchomProgramZety(katalog.path(), TStanGazu{10, 300, 40, 200}), WynikProgramuZety::Niepowodzenie);
    UstawSciezkeProgramuZety(Skrypt(katalog, "tylkoodczyt", "exit 2"));
    EXPECT_EQ(UruchomProgramZety(katalog.path(), TStanGazu{10, 300, 40, 200}), WynikProgramuZety::NieZapisano);

    UstawSciezkeProgramuZety(Skrypt(katalog, "wolny", "exec sleep 10"));
    QElapsedTimer czas;
    czas.start();
    EXPECT_EQ(UruchomProgramZety(katalog.path(), std::nullopt, 300), WynikProgramuZety::PrzekroczonoCzas);
    EXPECT_LT(czas.elapsed(), 5000);

    // The runner's arguments: the folder, then T, P, Tc and Pc of one substance.
    UstawSciezkeProgramuZety(Skrypt(katalog, "echo", "echo \"$@\" > \"$1/argumenty\""));
    EXPECT_EQ(UruchomProgramZety(katalog.path(), TStanGazu{10, 300, 40, 200.5L}), WynikProgramuZety::Obliczono);
    QFile argumenty(katalog.filePath(QStringLiteral("argumenty")));
    ASSERT_TRUE(argumenty.open(QIODevice::ReadOnly));
    EXPECT_EQ(argumenty.readAll(), katalog.path().toUtf8() + " 300 10 200.5 40\n");
    UstawSciezkeProgramuZety(QString());
}

TEST(ProgramZety, TheAnswerIsReadOnceAndABadOneIsLeftAlone)
{
    QTemporaryDir katalog;
    const QString zety = katalog.filePath(PlikZety);
    EXPECT_FALSE(WczytajPlikZety(katalog.path()));
    QFile plik(zety);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write("0.9\r\n");
    plik.close();
    EXPECT_FALSE(WczytajPlikZety(katalog.path()));
    EXPECT_EQ(QFile(zety).size(), 5);

    ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
    plik.write("0.9\r\n-0.1\r\n");
    plik.close();
    const auto z = WczytajPlikZety(katalog.path());
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Z0, 0.9L);
    EXPECT_EQ(z->Z1, -0.1L);
    EXPECT_TRUE(QFile::exists(zety));
    EXPECT_EQ(QFile(zety).size(), 0);
    EXPECT_FALSE(WczytajPlikZety(katalog.path()));

    EXPECT_TRUE(ZapiszPlikMathcad(katalog.path(), {20, 300, 20.785L, 150}));
    EXPECT_FALSE(ZapiszPlikMathcad(katalog.filePath(QStringLiteral("brak")), {20, 300, 20.785L, 150}));
}

// A link placed at the name of an exchange file is replaced by the file the program writes; what
// the link pointed to stays as it was.
TEST(ProgramZety, ExchangeFilesReplaceALinkAtTheirNameNotItsTarget)
{
    QTemporaryDir katalog, inny;
    const auto zapisz = [](const QString& sciezka, const QByteArray& tresc) {
        QFile plik(sciezka);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
        plik.write(tresc);
    };
    const auto tresc = [](const QString& sciezka) {
        QFile plik(sciezka);
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray("?");
    };
    const QString celMathcad = inny.filePath(QStringLiteral("cudzy.txt"));
    const QString celZety = inny.filePath(QStringLiteral("cudze-zety.txt"));
    zapisz(celMathcad, "nie do ruszenia\n");
    zapisz(celZety, "0.9\r\n-0.1\r\n");
    const QString mathcad = katalog.filePath(PlikMathcad), zety = katalog.filePath(PlikZety);
    ASSERT_TRUE(QFile::link(celMathcad, mathcad));
    ASSERT_TRUE(QFile::link(celZety, zety));

    EXPECT_TRUE(ZapiszPlikMathcad(katalog.path(), {20, 300, 20.785L, 150}));
    EXPECT_FALSE(QFileInfo(mathcad).isSymLink());
    EXPECT_EQ(CzytajTekstMathcad(tresc(mathcad))->Pc, 20.785L);
    EXPECT_EQ(tresc(celMathcad), "nie do ruszenia\n");

    const auto z = WczytajPlikZety(katalog.path());
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Z1, -0.1L);
    EXPECT_FALSE(QFileInfo(zety).isSymLink());
    EXPECT_EQ(tresc(zety), QByteArray());
    EXPECT_EQ(tresc(celZety), "0.9\r\n-0.1\r\n");
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files), (QStringList{PlikMathcad, PlikZety})); // no temporary left
}
