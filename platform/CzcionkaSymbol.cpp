#include "CzcionkaSymbol.h"

#include <algorithm>
#include <cmath>

namespace {

const QString ZamiennikCzcionek = QStringLiteral("Liberation Sans");

// The printable ASCII characters 0x20..0x7E as the Symbol font shows them.
const char16_t ZnakiSymbolu[] =
    u" !\u2200#\u2203%&\u220B()\u2217+,\u2212./0123456789:;<=>?"
    u"\u2245\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1\u039A\u039B\u039C\u039D\u039F"
    u"\u03A0\u0398\u03A1\u03A3\u03A4\u03A5\u03C2\u03A9\u039E\u03A8\u0396[\u2234]\u22A5_"
    u"\u203E\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5\u03BA\u03BB\u03BC\u03BD\u03BF"
    u"\u03C0\u03B8\u03C1\u03C3\u03C4\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6{|}\u223C";
static_assert(std::size(ZnakiSymbolu) - 1 == 0x7F - 0x20);

} // namespace

bool JestCzcionkaSymbol(const QString& nazwaCzcionki)
{
    return nazwaCzcionki.trimmed().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

QString TekstCzcionkiSymbol(const QString& tekst)
{
    QString wynik = tekst;
    for (QChar& znak : wynik)
        if (znak.unicode() >= 0x20 && znak.unicode() < 0x7F)
            znak = QChar(ZnakiSymbolu[znak.unicode() - 0x20]);
    return wynik;
}

int PikseleZPunktow(int punkty)
{
    return static_cast<int>(std::lround(punkty * 96.0 / 72.0));
}

QFont CzcionkaEkranowa(const QString& nazwa, int punkty)
{
    QString rodzina = nazwa.trimmed();
    for (const char* zastepowana : {"MS Sans Serif", "Arial", "Arial CE", "Symbol"})
        if (rodzina.compare(QLatin1String(zastepowana), Qt::CaseInsensitive) == 0)
            rodzina = ZamiennikCzcionek;
    QFont czcionka(rodzina);
    // A negative size means the same size (as it always has); a size beyond any screen is
    // held back, so a stray size cannot ask for a picture of gigabytes.
    constexpr int NajwiekszyPiksel = 1000;
    czcionka.setPixelSize(std::clamp(PikseleZPunktow(std::abs(punkty)), 1, NajwiekszyPiksel));
    return czcionka;
}
