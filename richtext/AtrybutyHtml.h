#pragma once
// Text-level pieces of the mark-up reader: splitting a tag off the text, attributes, colours,
// lengths and integers read the way the label's mark-up has always been read.
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>

#include "Kolor.h"
#include "PolishText.h"

constexpr TKolor KolorCzarny = 0x000000;
constexpr TKolor KolorBialy = 0xFFFFFF;
constexpr TKolor KolorBrak = 0x1FFFFFFF; // "none": no background of its own
constexpr TKolor KeyColor = 0xEFFEF1;    // "#F1FEEF": the transparent colour of the picture

// Attributes of one tag: names and values, a later value of a name replacing the earlier one.
class TListaAtrybutow {
public:
    // An empty value removes the name, so an attribute with an empty value counts as absent.
    void Ustaw(const QString& nazwa, const QString& wartosc);
    bool Ma(const QString& nazwa) const;
    QString Wartosc(const QString& nazwa) const; // empty when absent; names ignore case
    qsizetype Liczba() const { return pary_.size(); }

private:
    QList<QPair<QString, QString>> pary_;
};

// Splits the text at its first tag: the text before it, the tag's name and attribute text, and
// what follows the tag. Without a complete tag the whole text is `before`.
void SplitAtTag(const QString& tekst, QString& before, QString& attributes, QString& name,
                QString& rest);

TListaAtrybutow ParseAttributes(const QString& tekstAtrybutow);
// Takes one name=value pair off the front of `rest` and stores it.
void ParseAttribute(QString& rest, TListaAtrybutow& atrybuty);

// The integer value of the text (decimal, "$" or "0x" hexadecimal, leading blanks allowed),
// or the default when the text is not an integer.
int CalkowitaLub(const QString& tekst, int domyslna);

TKolor HtmlToColor(const QString& tekst);
int ParseLength(int calosc, const QString& tekst, int domyslna);
