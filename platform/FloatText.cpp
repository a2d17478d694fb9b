#include "FloatText.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// QApplication sets the process locale from the environment; number text must not follow it.
class LokalC {
public:
    LokalC() : poprzedni_(uselocale(Lokal())) {}
    ~LokalC() { uselocale(poprzedni_); }
    LokalC(const LokalC&) = delete;
    LokalC& operator=(const LokalC&) = delete;

private:
    static locale_t Lokal()
    {
        static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        return c;
    }
    locale_t poprzedni_;
};

constexpr int Precyzja = 15;

struct Cyfry {
    std::string cyfry; // significant digits without trailing zeros, at least one
    int wykladnik;      // value = 0.d1d2d3... * 10^wykladnik
};

Cyfry RozlozNaCyfry(long double modul)
{
    char bufor[64];
    LokalC lokal;
    std::snprintf(bufor, sizeof bufor, "%.*Le", Precyzja - 1, modul);
    std::string tekst(bufor);
    auto e = tekst.find('e');
    std::string mantysa = tekst.substr(0, e);
    int wykladnik10 = std::atoi(tekst.c_str() + e + 1);
    std::string cyfry;
    for (char c : mantysa)
        if (c >= '0' && c <= '9')
            cyfry += c;
    while (cyfry.size() > 1 && cyfry.back() == '0')
        cyfry.pop_back();
    return {cyfry, wykladnik10 + 1};
}

std::string ZapisStaly(const Cyfry& c)
{
    if (c.wykladnik <= 0)
        return "0." + std::string(-c.wykladnik, '0') + c.cyfry;
    if (static_cast<int>(c.cyfry.size()) <= c.wykladnik)
        return c.cyfry + std::string(c.wykladnik - c.cyfry.size(), '0');
    return c.cyfry.substr(0, c.wykladnik) + "." + c.cyfry.substr(c.wykladnik);
}

std::string ZapisWykladniczy(const Cyfry& c)
{
    std::string wynik(1, c.cyfry[0]);
    if (c.cyfry.size() > 1)
        wynik += "." + c.cyfry.substr(1);
    return wynik + "E" + std::to_string(c.wykladnik - 1);
}

bool CzytajLiczbe(const std::string& tekst, long double& wartosc)
{
    // Only plain decimal notation: optional sign, digits with one ".", optional exponent.
    size_t i = 0;
    if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-'))
        ++i;
    size_t cyfryPrzed = 0, cyfryPo = 0;
    while (i < tekst.size() && std::isdigit(static_cast<unsigned char>(tekst[i]))) { ++i; ++cyfryPrzed; }
    if (i < tekst.size() && tekst[i] == '.') {
        ++i;
        while (i < tekst.size() && std::isdigit(static_cast<unsigned char>(tekst[i]))) { ++i; ++cyfryPo; }
    }
    if (cyfryPrzed + cyfryPo == 0)
        return false;
    if (i < tekst.size() && (tekst[i] == 'e' || tekst[i] == 'E')) {
        ++i;
        if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-'))
            ++i;
        size_t cyfryWykladnika = 0;
        while (i < tekst.size() && std::isdigit(static_cast<unsigned char>(tekst[i]))) { ++i; ++cyfryWykladnika; }
        if (cyfryWykladnika == 0)
            return false;
    }
    if (i != tekst.size())
        return false;
    LokalC lokal;
    wartosc = std::strtold(tekst.c_str(), nullptr);
    return std::isfinite(wartosc);
}

} // namespace

QString FloatToStr(long double wartosc)
{
    if (std::isnan(wartosc))
        return QStringLiteral("NAN");
    if (std::isinf(wartosc))
        return wartosc > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (wartosc == 0.0L)
        return QStringLiteral("0");
    Cyfry c = RozlozNaCyfry(std::fabs(wartosc));
    bool wykladniczy = c.wykladnik > Precyzja || c.wykladnik < -3;
    std::string tekst = wykladniczy ? ZapisWykladniczy(c) : ZapisStaly(c);
    if (wartosc < 0)
        tekst.insert(tekst.begin(), '-');
    return QString::fromLatin1(tekst.c_str());
}

long double ZaokraglijDoMiejsc(long double wartosc, int miejsca)
{
    long double skala = 1.0L;
    for (int i = 0; i < miejsca; ++i)
        skala *= 10.0L;
    int tryb = std::fegetround();
    std::fesetround(FE_TONEAREST);
    long double wynik = std::nearbyintl(wartosc * skala) / skala;
    std::fesetround(tryb);
    return wynik;
}

long double StrToFloat(const QString& tekst)
{
    long double wartosc = 0.0L;
    if (!CzytajLiczbe(tekst.trimmed().toStdString(), wartosc))
        throw EConvertError(("'" + tekst + "' nie jest poprawną liczbą").toStdString());
    return wartosc;
}

bool Val(const QString& tekst, long double& wartosc)
{
    QString bezWiodacychSpacji = tekst;
    while (bezWiodacychSpacji.startsWith(QLatin1Char(' ')))
        bezWiodacychSpacji.remove(0, 1);
    long double odczytana = 0.0L;
    if (!CzytajLiczbe(bezWiodacychSpacji.toStdString(), odczytana))
        return false;
    wartosc = odczytana;
    return true;
}
