#include "PolishText.h"

#include <algorithm>

namespace {

const QString AlfabetPolski = QStringLiteral("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ");
constexpr int WagaLiter = 1000;
constexpr int WagaCyfr = 500;

// The primary weight of one character: signs < digits < letters in the Polish alphabet; other
// accented Latin letters weigh as their base letter.
int Waga(QChar znak)
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

} // namespace

QString UpperAscii(const QString& tekst)
{
    QString wynik = tekst;
    for (QChar& znak : wynik)
        if (znak >= QLatin1Char('a') && znak <= QLatin1Char('z'))
            znak = QChar(znak.unicode() - 'a' + 'A');
    return wynik;
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

void SortujPL(QStringList& lista)
{
    std::stable_sort(lista.begin(), lista.end(),
                     [](const QString& a, const QString& b) { return PorownajPL(a, b) < 0; });
}
