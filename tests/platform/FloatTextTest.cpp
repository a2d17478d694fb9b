#include "FloatText.h"

#include <gtest/gtest.h>
#include <clocale>

struct PrzypadekTekstu {
    long double wartosc;
    const char* tekst;
};

TEST(FloatToStr, KnownStrings)
{
    const PrzypadekTekstu przypadki[] = {
        {0.0L, "0"},
        {1.0L, "1"},
        {-1.5L, "-1.5"},
        {100.0L, "100"},
        {373.15L, "373.15"},
        {0.1L, "0.1"},
        {1e-7L, "1E-7"},
        {1.5e20L, "1.5E20"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {123456789012345.0L, "123456789012345"},
        {1e15L, "1E15"},
        {2.0L / 3.0L, "0.666666666666667"},
        {133.322L, "133.322"},
        {-273.15L, "-273.15"},
        {12321.0L, "12321"},
        {6.02214076e23L, "6.02214076E23"},
        {0.000897432L, "0.000897432"},
        {-4.5e-10L, "-4.5E-10"},
        {99.9999999999999999L, "100"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(FloatToStr(p.wartosc).toStdString(), p.tekst) << static_cast<double>(p.wartosc);
}

TEST(ZaokraglijDoMiejsc, HalvesGoToEven)
{
    EXPECT_EQ(ZaokraglijDoMiejsc(2.5L, 0), 2.0L);
    EXPECT_EQ(ZaokraglijDoMiejsc(3.5L, 0), 4.0L);
    EXPECT_EQ(ZaokraglijDoMiejsc(-2.5L, 0), -2.0L);
    EXPECT_EQ(ZaokraglijDoMiejsc(0.125L, 2), 0.12L);
    EXPECT_EQ(ZaokraglijDoMiejsc(0.375L, 2), 0.38L);
    EXPECT_EQ(FloatToStr(ZaokraglijDoMiejsc(26.8512345L, 2)).toStdString(), "26.85");
}

TEST(StrToFloat, StrictConversion)
{
    EXPECT_EQ(StrToFloat(QStringLiteral("300.5")), 300.5L);
    EXPECT_EQ(StrToFloat(QStringLiteral(" -1.5E3 ")), -1500.0L);
    EXPECT_EQ(StrToFloat(QStringLiteral("1e-7")), 1e-7L);
    EXPECT_EQ(StrToFloat(QStringLiteral(".5")), 0.5L);
    for (const char* zle : {"", "300,5", "abc", "1.2.3", "?", "1e", "--1", "1 2"})
        EXPECT_THROW(StrToFloat(QString::fromLatin1(zle)), EConvertError) << zle;
}

TEST(Val, LenientConversionLeavesTheValueOnError)
{
    long double x = 7.0L;
    EXPECT_FALSE(Val(QStringLiteral("12,5"), x));
    EXPECT_EQ(x, 7.0L);
    EXPECT_FALSE(Val(QStringLiteral("5 "), x));
    EXPECT_TRUE(Val(QStringLiteral("  5"), x));
    EXPECT_EQ(x, 5.0L);
}

TEST(FloatText, DoesNotFollowAPolishLocale)
{
    const char* ustawiony = std::setlocale(LC_ALL, "pl_PL.UTF-8");
    if (!ustawiony)
        GTEST_SKIP() << "pl_PL.UTF-8 locale not installed";
    EXPECT_EQ(FloatToStr(1.5L).toStdString(), "1.5");
    EXPECT_EQ(StrToFloat(QStringLiteral("2.25")), 2.25L);
    EXPECT_THROW(StrToFloat(QStringLiteral("2,25")), EConvertError);
    std::setlocale(LC_ALL, "C");
}
