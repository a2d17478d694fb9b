// The compressibility runner shipped beside the program: it computes Z(0) and Z(1) by the
// Lee-Kesler method and writes them into "zety.txt" of the given data folder.
//     obliczzety FOLDER              the gas mixture: reads FOLDER/mathcad.txt
//     obliczzety FOLDER T P Tc Pc    one substance: T and Tc in K, P and Pc in bar
// Exits with 0 after writing the answer. Writes nothing and exits with 1 when the input cannot
// be read, Tr or Pr is not finite and positive, or the equation gives no finite, positive Z
// there; with 2 when the answer cannot be written (a read-only data folder).
#include "FloatText.h"
#include "PlikZwykly.h"
#include "ProgramZety.h"
#include "WymianaArkusza.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

std::optional<TStanGazu> StanZArgumentow(const QStringList& argumenty)
{
    try {
        return TStanGazu{StrToFloat(argumenty[3]), StrToFloat(argumenty[2]), StrToFloat(argumenty[5]),
                         StrToFloat(argumenty[4])};
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<TStanGazu> StanZPliku(const QDir& katalog)
{
    const std::optional<QByteArray> tekst = CzytajZwyklyPlik(katalog.filePath(PlikMathcad), NajwiekszyPlikWymiany);
    if (!tekst)
        return std::nullopt;
    return CzytajTekstMathcad(*tekst);
}

bool ZapiszZety(const QDir& katalog, const TWspolczynnikiZ& z)
{
    QSaveFile plik(katalog.filePath(PlikZety));
    return plik.open(QIODevice::WriteOnly) && plik.write(TekstPlikuZety(z)) >= 0 && plik.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty << QString::fromLocal8Bit(argv[i]);
    if (argumenty.size() != 2 && argumenty.size() != 6) {
        std::fprintf(stderr, "obliczzety KATALOG [T P Tc Pc]\n");
        return KodZetyBrakRozwiazania;
    }
    const QDir katalog(argumenty[1]);
    const std::optional<TStanGazu> stan = argumenty.size() == 6 ? StanZArgumentow(argumenty) : StanZPliku(katalog);
    const std::optional<TWspolczynnikiZ> z = stan ? WspolczynnikiStanu(*stan) : std::nullopt;
    if (!z)
        return KodZetyBrakRozwiazania;
    return ZapiszZety(katalog, *z) ? KodZetyObliczono : KodZetyNieZapisano;
}
