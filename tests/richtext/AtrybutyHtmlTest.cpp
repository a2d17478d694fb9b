#include "AtrybutyHtml.h"

#include <gtest/gtest.h>

namespace {

QString Opis(const TListaAtrybutow& atrybuty, const QStringList& nazwy)
{
    QStringList pary;
    for (const QString& nazwa : nazwy)
        if (atrybuty.Ma(nazwa))
            pary << nazwa + QLatin1Char('=') + atrybuty.Wartosc(nazwa);
    return pary.join(QLatin1Char(';'));
}

} // namespace

TEST(AtrybutyHtml, AttributeTexts)
{
    struct Przypadek {
        const char* tekst;
        QStringList nazwy;
        const char* oczekiwane;
        int liczba;
    };
    const Przypadek przypadki[] = {
        {" size=12", {"size"}, "size=12", 1},
        {" SIZE=12", {"size"}, "size=12", 1},
        {" name=\"Symbol\"size=\"15\"", {"name", "size"}, "name=symbol;size=15", 2},
        {" size=12 color=\"#000080\"", {"size", "color"}, "size=12;color=#000080", 2},
        {" face=\"Times New Roman\" size=3", {"face", "size"}, "face=times new roman;size=3", 2},
        {" align=\"Centre\"", {"align"}, "align=centre", 1},
        {" size", {"size"}, "size=true", 1},                            // "</font size>"
        {" size=3 noshade", {"size", "noshade"}, "size=3;noshade=true", 2},
        // A bare word ahead of a pair joins its name, which gets no value; the pair is read next.
        {" noshade size=3", {"noshade size", "size"}, "size=3", 1},
        {" bold name=\"Symbol\" size=\"15\"", {"name", "size"}, "name=symbol;size=15", 2},
        {" checked type=checkbox", {"checked", "type"}, "type=checkbox", 1},
        {" a=\"\" b=1", {"a", "b"}, "b=1", 1},                          // empty value: absent
        {" size=1 size=2", {"size"}, "size=2", 1},
        {" name=\"Symbol size=15", {"name"}, "name=symbol size=15", 1},  // quote never closed
        {" href=\"HTTP://Example.com/Strona\"", {"href"}, "href=HTTP://Example.com/Strona", 1},
        {" src=\"Obrazy/Wzor.PNG\" width=20", {"src", "width"}, "src=Obrazy/Wzor.PNG;width=20", 2},
        {" =5 x=1", {"x"}, "x=1", 1},                                   // no name: not stored
    };
    for (const auto& p : przypadki) {
        TListaAtrybutow atrybuty = ParseAttributes(QString::fromUtf8(p.tekst));
        EXPECT_EQ(Opis(atrybuty, p.nazwy), QString::fromUtf8(p.oczekiwane)) << p.tekst;
        EXPECT_EQ(atrybuty.Liczba(), p.liczba) << p.tekst;
    }
}

TEST(AtrybutyHtml, SplittingAtTheFirstTag)
{
    struct Przypadek {
        const char* tekst;
        const char* przed;
        const char* nazwa;
        const char* atrybuty;
        const char* reszta;
    };
    const Przypadek przypadki[] = {
        {"T<sub>c", "T", "sub", "", "c"},
        {"<font size=\"10\">x</font>", "", "font", " size=\"10\"", "x</font>"},
        {"</font size>K", "", "/font", " size", "K"},
        {"a > b <i>", "a > b <i>", "", "", ""}, // ">" before "<": all of it is text
        {"bez znacznika", "bez znacznika", "", "", ""},
        {"a<b", "a<b", "", "", ""},
    };
    for (const auto& p : przypadki) {
        QString przed, atrybuty, nazwa, reszta;
        SplitAtTag(QString::fromUtf8(p.tekst), przed, atrybuty, nazwa, reszta);
        EXPECT_EQ(przed, QString::fromUtf8(p.przed)) << p.tekst;
        EXPECT_EQ(nazwa, QString::fromUtf8(p.nazwa)) << p.tekst;
        EXPECT_EQ(atrybuty, QString::fromUtf8(p.atrybuty)) << p.tekst;
        EXPECT_EQ(reszta, QString::fromUtf8(p.reszta)) << p.tekst;
    }
}

TEST(AtrybutyHtml, ColoursInBlueGreenRedOrder)
{
    struct Przypadek {
        const char* tekst;
        TKolor kolor;
    };
    const Przypadek przypadki[] = {
        {"#000080", 0x800000}, // navy
        {"#FF0000", 0x0000FF}, // red
        {"#f1feef", KeyColor},
        {"", 0x000000},
        {"#FFF", 0xFFFFFF},    // short hexadecimal: white
        {"#GG0000", 0xFFFFFF},
        {"#12345", 0x053412},
        {"red", 0xFFFFFF},     // not a colour identifier
        {"clred", 0x0000FF},
        {"clNavy", 0x800000},
        {"$FF8000", 0xFF8000},
        {"255", 0x0000FF},
        {"a<b", 0x000000},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(HtmlToColor(QString::fromUtf8(p.tekst)), p.kolor) << p.tekst;
}

TEST(AtrybutyHtml, LengthsInPixels)
{
    struct Przypadek {
        const char* tekst;
        int dlugosc;
    };
    // Total 400, default 400.
    const Przypadek przypadki[] = {
        {"50%", 190}, {"8", 8}, {"0", 390}, {"", 390}, {" 25% ", 90}, {"5%", 10}, {"abc", 1}, {"50%x", 1}, {"12", 2},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(ParseLength(400, QString::fromUtf8(p.tekst), 400), p.dlugosc) << p.tekst;
}

TEST(AtrybutyHtml, IntegersOrTheirDefault)
{
    struct Przypadek {
        const char* tekst;
        int wartosc;
    };
    const Przypadek przypadki[] = {
        {"12", 12}, {" 12", 12}, {"12 ", 7}, {"-3", -3}, {"+4", 4}, {"$1F", 31},
        {"0x10", 16}, {"", 7}, {"abc", 7}, {"99999999999", 7},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(CalkowitaLub(QString::fromUtf8(p.tekst), 7), p.wartosc) << p.tekst;
}
