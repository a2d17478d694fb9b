#include "AtrybutyHtml.h"

#include <limits>

namespace {

// Blanks and control characters off both ends.
QString BezBialychZnakow(const QString& tekst)
{
    qsizetype poczatek = 0;
    qsizetype koniec = tekst.size();
    while (poczatek < koniec && tekst.at(poczatek).unicode() <= ' ')
        ++poczatek;
    while (koniec > poczatek && tekst.at(koniec - 1).unicode() <= ' ')
        --koniec;
    return tekst.mid(poczatek, koniec - poczatek);
}

int WartoscCyfry(QChar znak, int podstawa)
{
    int wartosc = -1;
    if (znak >= QLatin1Char('0') && znak <= QLatin1Char('9'))
        wartosc = znak.unicode() - '0';
    else if (znak >= QLatin1Char('a') && znak <= QLatin1Char('f'))
        wartosc = znak.unicode() - 'a' + 10;
    else if (znak >= QLatin1Char('A') && znak <= QLatin1Char('F'))
        wartosc = znak.unicode() - 'A' + 10;
    return wartosc < podstawa ? wartosc : -1;
}

bool CzytajCalkowita(const QString& tekst, long long& wynik)
{
    qsizetype i = 0;
    while (i < tekst.size() && (tekst.at(i) == QLatin1Char(' ') || tekst.at(i) == QLatin1Char('\t')))
        ++i;
    bool ujemna = false;
    if (i < tekst.size() && (tekst.at(i) == QLatin1Char('+') || tekst.at(i) == QLatin1Char('-')))
        ujemna = tekst.at(i++) == QLatin1Char('-');
    int podstawa = 10;
    if (tekst.mid(i, 1) == QLatin1String("$")) {
        podstawa = 16;
        i += 1;
    } else if (tekst.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        podstawa = 16;
        i += 2;
    }
    if (i >= tekst.size())
        return false;
    long long wartosc = 0;
    for (; i < tekst.size(); ++i) {
        int cyfra = WartoscCyfry(tekst.at(i), podstawa);
        if (cyfra < 0)
            return false;
        wartosc = wartosc * podstawa + cyfra;
        if (wartosc > std::numeric_limits<std::uint32_t>::max())
            return false;
    }
    wynik = ujemna ? -wartosc : wartosc;
    return true;
}

// A hexadecimal colour byte of at most two digits; an empty or non-hexadecimal text fails.
bool CzytajBajtKoloru(const QString& para, TKolor& bajt)
{
    if (para.isEmpty())
        return false;
    bajt = 0;
    for (QChar znak : para) {
        int cyfra = WartoscCyfry(znak, 16);
        if (cyfra < 0)
            return false;
        bajt = bajt * 16 + static_cast<TKolor>(cyfra);
    }
    return true;
}

struct TNazwanyKolor {
    const char* nazwa;
    TKolor kolor;
};

// The colour identifiers the mark-up has always accepted (written lower-case, as attribute
// values are); plain HTML colour words are not among them.
constexpr TNazwanyKolor NazwaneKolory[] = {
    {"clblack", 0x000000},   {"clmaroon", 0x000080},    {"clgreen", 0x008000},
    {"clolive", 0x008080},   {"clnavy", 0x800000},      {"clpurple", 0x800080},
    {"clteal", 0x808000},    {"clgray", 0x808080},      {"clsilver", 0xC0C0C0},
    {"clred", 0x0000FF},     {"cllime", 0x00FF00},      {"clyellow", 0x00FFFF},
    {"clblue", 0xFF0000},    {"clfuchsia", 0xFF00FF},   {"claqua", 0xFFFF00},
    {"clltgray", 0xC0C0C0},  {"cldkgray", 0x808080},    {"clwhite", 0xFFFFFF},
    {"clmoneygreen", 0xC0DCC0}, {"clskyblue", 0xF0CAA6}, {"clcream", 0xF0FBFF},
    {"clmedgray", 0xA4A0A0}, {"clnone", KolorBrak},     {"cldefault", 0x20000000},
};

} // namespace

void TListaAtrybutow::Ustaw(const QString& nazwa, const QString& wartosc)
{
    for (qsizetype i = 0; i < pary_.size(); ++i)
        if (pary_[i].first.compare(nazwa, Qt::CaseInsensitive) == 0) {
            if (wartosc.isEmpty())
                pary_.removeAt(i);
            else
                pary_[i].second = wartosc;
            return;
        }
    if (!wartosc.isEmpty())
        pary_.append({nazwa, wartosc});
}

bool TListaAtrybutow::Ma(const QString& nazwa) const
{
    for (const auto& para : pary_)
        if (para.first.compare(nazwa, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString TListaAtrybutow::Wartosc(const QString& nazwa) const
{
    for (const auto& para : pary_)
        if (para.first.compare(nazwa, Qt::CaseInsensitive) == 0)
            return para.second;
    return QString();
}

void SplitAtTag(const QString& tekst, QString& before, QString& attributes, QString& name,
                QString& rest)
{
    qsizetype lt = tekst.indexOf(QLatin1Char('<'));
    qsizetype gt = tekst.indexOf(QLatin1Char('>'));
    attributes.clear();
    name.clear();
    rest.clear();
    if (lt < 0 || gt < 0 || gt < lt) {
        before = tekst;
        return;
    }
    before = tekst.left(lt);
    QString znacznik = tekst.mid(lt + 1, gt - lt - 1);
    rest = tekst.mid(gt + 1);
    qsizetype odstep = znacznik.indexOf(QLatin1Char(' '));
    if (odstep < 0) {
        name = znacznik;
    } else {
        name = znacznik.left(odstep);
        attributes = znacznik.mid(odstep);
    }
}

void ParseAttribute(QString& rest, TListaAtrybutow& atrybuty)
{
    rest = BezBialychZnakow(rest);
    qsizetype rownasie = rest.indexOf(QLatin1Char('='));
    if (rownasie < 0) {
        rest.clear();
        return;
    }
    QString nazwa = LowerAscii(rest.left(rownasie));
    qsizetype cudzyslow = rest.indexOf(QLatin1Char('"'));
    qsizetype pierwszyOdstep = rest.indexOf(QLatin1Char(' '));
    qsizetype odstep = pierwszyOdstep < 0 ? rownasie + 1 : pierwszyOdstep;
    QString wartosc;
    if (cudzyslow < 0 || odstep < cudzyslow) {
        // The value ends at the first blank; a blank ahead of the "=" (a bare word joined to
        // the name) leaves it empty, and the pair after that blank is read on its own.
        if (pierwszyOdstep < 0)
            wartosc = rest.mid(rownasie + 1);
        else if (pierwszyOdstep > rownasie)
            wartosc = rest.mid(rownasie + 1, pierwszyOdstep - rownasie - 1);
        rest = pierwszyOdstep < 0 ? QString() : rest.mid(pierwszyOdstep + 1);
    } else {
        // A quote that is never closed runs to the end of the text.
        qsizetype zamkniecie = rest.indexOf(QLatin1Char('"'), cudzyslow + 1);
        wartosc = zamkniecie < 0 ? rest.mid(cudzyslow + 1)
                                 : rest.mid(cudzyslow + 1, zamkniecie - cudzyslow - 1);
        rest = zamkniecie < 0 ? QString() : rest.mid(zamkniecie + 1);
    }
    if (nazwa.isEmpty())
        return;
    // Links and picture sources keep their case: paths on this system are case-sensitive.
    bool zachowajWielkosc = nazwa == QLatin1String("href") || nazwa == QLatin1String("src");
    atrybuty.Ustaw(nazwa, zachowajWielkosc ? wartosc : LowerAscii(wartosc));
}

TListaAtrybutow ParseAttributes(const QString& tekstAtrybutow)
{
    TListaAtrybutow atrybuty;
    QString rest = tekstAtrybutow;
    while (rest.contains(QLatin1Char('=')))
        ParseAttribute(rest, atrybuty);
    QString slowo = LowerAscii(BezBialychZnakow(rest));
    if (!slowo.isEmpty())
        atrybuty.Ustaw(slowo, QStringLiteral("true"));
    return atrybuty;
}

int CalkowitaLub(const QString& tekst, int domyslna)
{
    long long wartosc = 0;
    if (!CzytajCalkowita(tekst, wartosc) || wartosc < std::numeric_limits<int>::min()
        || wartosc > std::numeric_limits<int>::max())
        return domyslna;
    return static_cast<int>(wartosc);
}

TKolor HtmlToColor(const QString& tekst)
{
    if (tekst.isEmpty() || tekst.contains(QLatin1Char('<')))
        return KolorCzarny;
    if (tekst.startsWith(QLatin1Char('#'))) {
        TKolor r = 0, g = 0, b = 0;
        if (!CzytajBajtKoloru(tekst.mid(1, 2), r) || !CzytajBajtKoloru(tekst.mid(3, 2), g)
            || !CzytajBajtKoloru(tekst.mid(5, 2), b))
            return KolorBialy;
        return r | g << 8 | b << 16;
    }
    for (const auto& nazwany : NazwaneKolory)
        if (tekst.compare(QLatin1String(nazwany.nazwa), Qt::CaseInsensitive) == 0)
            return nazwany.kolor;
    long long liczba = 0;
    if (!CzytajCalkowita(tekst, liczba))
        return KolorBialy;
    return static_cast<TKolor>(liczba);
}

int ParseLength(int calosc, const QString& tekst, int domyslna)
{
    QString t = BezBialychZnakow(tekst);
    long long n = 0;
    if (t.indexOf(QLatin1Char('%')) == t.size() - 1) {
        QString liczba = t.isEmpty() ? QString() : t.left(t.size() - 1);
        n = static_cast<long long>(CalkowitaLub(liczba, 100)) * calosc / 100;
    } else {
        n = CalkowitaLub(tekst, 1);
    }
    if (n == 0)
        n = domyslna;
    if (n > 10)
        n -= 10;
    return static_cast<int>(n);
}
