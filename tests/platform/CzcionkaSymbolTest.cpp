#include "CzcionkaSymbol.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(CzcionkaSymbol, LatinLettersStandForGreekOnes)
{
    EXPECT_EQ(TekstCzcionkiSymbol(QStringLiteral("abcdefghijklmnopqrstuvwxyz")),
              QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ"));
    EXPECT_EQ(TekstCzcionkiSymbol(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
              QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ"));
    // Digits, brackets and most signs are themselves; a few signs are mathematical ones.
    EXPECT_EQ(TekstCzcionkiSymbol(QStringLiteral("0 9 = + [ ] ( ) . / ą")), QStringLiteral("0 9 = + [ ] ( ) . / ą"));
    EXPECT_EQ(TekstCzcionkiSymbol(QStringLiteral("\"$'*-@\\^~")), QStringLiteral("∀∃∋∗−≅∴⊥∼"));
}

TEST(CzcionkaSymbol, SymbolFontIsNamedInAnyCase)
{
    EXPECT_TRUE(JestCzcionkaSymbol(QStringLiteral("Symbol")));
    EXPECT_TRUE(JestCzcionkaSymbol(QStringLiteral("symbol ")));
    EXPECT_FALSE(JestCzcionkaSymbol(QStringLiteral("Symbola")));
    EXPECT_FALSE(JestCzcionkaSymbol(QStringLiteral("Arial")));
}

TEST(CzcionkaSymbol, FontsOfTheFormsInPixels)
{
    struct Przypadek {
        const char* nazwa;
        int punkty;
        const char* rodzina;
        int piksele; // pt × 96 / 72, rounded
    };
    const Przypadek przypadki[] = {
        {"MS Sans Serif", 8, "Liberation Sans", 11}, {"ms sans serif", 10, "Liberation Sans", 13},
        {"Arial", 12, "Liberation Sans", 16},        {"Arial CE", 13, "Liberation Sans", 17},
        {"symbol", 14, "Liberation Sans", 19},       {"Arial", 15, "Liberation Sans", 20},
        {"DejaVu Serif", 9, "DejaVu Serif", 12},     {"Arial", -12, "Liberation Sans", 16},
        {"Arial", 0, "Liberation Sans", 1},
    };
    for (const auto& p : przypadki) {
        QFont czcionka = CzcionkaEkranowa(QString::fromUtf8(p.nazwa), p.punkty);
        EXPECT_EQ(czcionka.family(), QString::fromUtf8(p.rodzina)) << p.nazwa;
        EXPECT_EQ(czcionka.pixelSize(), p.piksele) << p.nazwa << " " << p.punkty;
    }
    EXPECT_EQ(QFontInfo(CzcionkaEkranowa(QStringLiteral("MS Sans Serif"), 8)).family(), QStringLiteral("Liberation Sans"));
}
