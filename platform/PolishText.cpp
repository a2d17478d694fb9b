#include "PolishText.h"

#include <algorithm>
#include <vector>

namespace {

const QString AlfabetPolski = QStringLiteral("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ");
constexpr int WagaLiter = 1000;
constexpr int WagaCyfr = 500;

// The primary weight of one character: signs < digits < letters in the Polish alphabet; other
// accented Latin letters weigh as their base letter.
int ObliczWage(QChar znak)
{
    QChar wielka = znak.toUpper();
    int pozycja = AlfabetPolski.indexOf(wielka);
    if (pozycja < 0) {
        QString rozlozona = wielka.decomposition();
        if (!rozlozona.isEmpty())
            pozycja = AlfabetPolski.indexOf(rozlozona.at(0));
    }
    if (pozycja >= 0)
        return WagaLiter + pozycja;
    if (znak.isDigit())
        return WagaCyfr + znak.digitValue();
    if (znak.unicode() < WagaCyfr)
        return znak.unicode();
    return WagaLiter + AlfabetPolski.size() + znak.unicode();
}

// Weights of the Latin characters (all of code page 1250) are looked up, not recomputed: sorting
// the search lists at start-up compares hundreds of thousands of characters.
constexpr char16_t ZakresTablicy = 0x0300;

int Waga(QChar znak)
{
    static const std::vector<int> tablica = [] {
        std::vector<int> t(ZakresTablicy);
        for (char16_t kod = 0; kod < ZakresTablicy; ++kod)
            t[kod] = ObliczWage(QChar(kod));
        return t;
    }();
    return znak.unicode() < ZakresTablicy ? tablica[znak.unicode()] : ObliczWage(znak);
}

std::vector<int> KluczSortowania(const QString& tekst)
{
    std::vector<int> klucz(static_cast<size_t>(tekst.size()));
    std::transform(tekst.begin(), tekst.end(), klucz.begin(), Waga);
    return klucz;
}

// The 26 letters from "od" become the 26 from "na"; every other character stays.
QString ZamienLiteryAscii(const QString& tekst, char16_t od, char16_t na)
{
    QString wynik = tekst;
    for (QChar& znak : wynik)
        if (znak.unicode() >= od && znak.unicode() < od + 26)
            znak = QChar(static_cast<char16_t>(znak.unicode() - od + na));
    return wynik;
}

} // namespace

QString UpperAscii(const QString& tekst)
{
    return ZamienLiteryAscii(tekst, u'a', u'A');
}

QString LowerAscii(const QString& tekst)
{
    return ZamienLiteryAscii(tekst, u'A', u'a');
}

std::string UpperAscii(const std::string& tekst)
{
    std::string wynik = tekst;
    for (char& znak : wynik)
        if (znak >= 'a' && znak <= 'z')
            znak = static_cast<char>(znak - 'a' + 'A');
    return wynik;
}

int PorownajPL(const QString& a, const QString& b)
{
    qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        int roznica = Waga(a.at(i)) - Waga(b.at(i));
        if (roznica != 0)
            return roznica;
    }
    return static_cast<int>(a.size() - b.size());
}

bool RowneBezWielkosciLiter(const QString& a, const QString& b)
{
    return PorownajPL(a, b) == 0;
}

void DodajBezPowtorzen(QStringList& lista, const QString& nazwa)
{
    const bool jest = std::any_of(lista.cbegin(), lista.cend(),
                                  [&](const QString& n) { return RowneBezWielkosciLiter(n, nazwa); });
    if (!jest)
        lista.append(nazwa);
}

// The same order as PorownajPL: weights first, then the shorter text first.
void SortujPL(QStringList& lista)
{
    std::vector<std::pair<std::vector<int>, QString>> klucze;
    klucze.reserve(static_cast<size_t>(lista.size()));
    for (QString& tekst : lista)
        klucze.emplace_back(KluczSortowania(tekst), std::move(tekst));
    std::stable_sort(klucze.begin(), klucze.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 0; i < lista.size(); ++i)
        lista[i] = std::move(klucze[static_cast<size_t>(i)].second);
}

int WagaZnakuPL(QChar znak)
{
    return Waga(znak);
}
