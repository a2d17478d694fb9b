#pragma once
// The two small text files through which the program and the compressibility runner exchange
// values, in the data folder: "mathcad.txt" with the mixture's pressure, temperature and
// pseudo-critical pressure and temperature (four lines, each a number in scientific form
// right-aligned in 23 characters, ended by CR LF), and "zety.txt" with Z(0) on its first line and
// Z(1) on its second.
#include "LeeKesler.h"

#include <QByteArray>
#include <QString>
#include <optional>

inline const QString PlikMathcad = QStringLiteral("mathcad.txt");
inline const QString PlikZety = QStringLiteral("zety.txt");

// The state of a gas: P and Pc in bar, T and Tc in K.
struct TStanGazu {
    long double P, T, Pc, Tc;
};

QByteArray TekstPlikuMathcad(const TStanGazu& stan);
// None unless the text holds four numbers, the first of each of its first four lines.
std::optional<TStanGazu> CzytajTekstMathcad(const QByteArray& tekst);

QByteArray TekstPlikuZety(const TWspolczynnikiZ& z);
// The first number of the first line and the first number of the second; none when either line
// is missing or does not begin with a number (an empty file is no answer).
std::optional<TWspolczynnikiZ> CzytajTekstZety(const QByteArray& tekst);

// Z(0) and Z(1) of the state: Tr = T/Tc, Pr = P/Pc.
std::optional<TWspolczynnikiZ> WspolczynnikiStanu(const TStanGazu& stan);

// Writes "mathcad.txt" in the folder anew: a new file takes the name, so a link standing there is
// replaced, never written through. False when it cannot be written whole.
bool ZapiszPlikMathcad(const QString& katalog, const TStanGazu& stan);
// Reads "zety.txt" of the folder and empties it (an empty file takes its name, as above): the answer
// is consumed once. None, with the file left as it was, when it is missing, is no regular file, is
// larger than an answer ever is, does not hold the two numbers or cannot be emptied.
std::optional<TWspolczynnikiZ> WczytajPlikZety(const QString& katalog);
