#include "WymianaArkusza.h"

#include "FloatText.h"
#include "PlikZwykly.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryFile>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int SzerokoscPola = 23;

QByteArray PoleLiczby(long double liczba)
{
    char bufor[64];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, liczba, std::chars_format::scientific, 15);
    return QByteArray(bufor, int(wynik.ptr - bufor)).rightJustified(SzerokoscPola) + "\r\n";
}

// The first number of each line, as many as asked; none when a line is missing or does not
// begin with a number.
std::optional<QList<long double>> PierwszeLiczbyWierszy(const QByteArray& tekst, int ile)
{
    const QList<QByteArray> wiersze = tekst.split('\n');
    if (wiersze.size() < ile)
        return std::nullopt;
    QList<long double> liczby;
    for (int i = 0; i < ile; ++i) {
        const QList<QByteArray> slowa = wiersze[i].simplified().split(' ');
        try {
            const long double liczba = StrToFloat(QString::fromLatin1(slowa.first()));
            if (!std::isfinite(liczba))
                return std::nullopt;
            liczby << liczba;
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    }
    return liczby;
}

// Writes the file anew as a temporary file beside it, then renamed to its name: whatever stood at
// that name (a link, say) is replaced, never written through, and a reader never meets half a file.
bool ZapiszPrzezZamiane(const QString& sciezka, const QByteArray& tresc)
{
    QTemporaryFile plik(sciezka + QStringLiteral(".XXXXXX"));
    if (!plik.open() || plik.write(tresc) != tresc.size() || !plik.flush() ||
        !plik.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
        return false;
    if (std::rename(QFile::encodeName(plik.fileName()).constData(), QFile::encodeName(sciezka).constData()) != 0)
        return false;
    plik.setAutoRemove(false); // it is the file now
    return true;
}

} // namespace

QByteArray TekstPlikuMathcad(const TStanGazu& stan)
{
    return PoleLiczby(stan.P) + PoleLiczby(stan.T) + PoleLiczby(stan.Pc) + PoleLiczby(stan.Tc);
}

std::optional<TStanGazu> CzytajTekstMathcad(const QByteArray& tekst)
{
    const auto liczby = PierwszeLiczbyWierszy(tekst, 4);
    if (!liczby)
        return std::nullopt;
    return TStanGazu{(*liczby)[0], (*liczby)[1], (*liczby)[2], (*liczby)[3]};
}

QByteArray TekstPlikuZety(const TWspolczynnikiZ& z)
{
    return FloatToStr(z.Z0).toLatin1() + "\r\n" + FloatToStr(z.Z1).toLatin1() + "\r\n";
}

std::optional<TWspolczynnikiZ> CzytajTekstZety(const QByteArray& tekst)
{
    const auto liczby = PierwszeLiczbyWierszy(tekst, 2);
    if (!liczby)
        return std::nullopt;
    return TWspolczynnikiZ{(*liczby)[0], (*liczby)[1]};
}

std::optional<TWspolczynnikiZ> WspolczynnikiStanu(const TStanGazu& stan)
{
    if (!(stan.Tc > 0) || !(stan.Pc > 0))
        return std::nullopt;
    return WspolczynnikiLeeKeslera(stan.T / stan.Tc, stan.P / stan.Pc);
}

bool ZapiszPlikMathcad(const QString& katalog, const TStanGazu& stan)
{
    return ZapiszPrzezZamiane(QDir(katalog).filePath(PlikMathcad), TekstPlikuMathcad(stan));
}

std::optional<TWspolczynnikiZ> WczytajPlikZety(const QString& katalog)
{
    const QString sciezka = QDir(katalog).filePath(PlikZety);
    const std::optional<QByteArray> tekst = CzytajZwyklyPlik(sciezka, NajwiekszyPlikWymiany);
    if (!tekst)
        return std::nullopt;
    const std::optional<TWspolczynnikiZ> z = CzytajTekstZety(*tekst);
    if (!z || !ZapiszPrzezZamiane(sciezka, QByteArray()))
        return std::nullopt;
    return z;
}
