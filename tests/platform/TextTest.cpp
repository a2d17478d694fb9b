#include "Cp1250.h"
#include "PolishText.h"

#include <gtest/gtest.h>

TEST(Cp1250, PolishLettersRoundTrip)
{
    QString polskie = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ°•");
    std::string bajty = UnicodeToCp1250(polskie);
    EXPECT_EQ(bajty, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB0\x95");
    EXPECT_EQ(Cp1250ToUnicode(bajty), polskie);
    EXPECT_EQ(UnicodeToCp1250(QStringLiteral("Ωx")), "?x");
}

TEST(PolishText, UpperCasingTouchesAsciiLettersOnly)
{
    EXPECT_EQ(UpperAscii(QStringLiteral("kwas octowy ąż")), QStringLiteral("KWAS OCTOWY ąż"));
    EXPECT_EQ(UpperAscii(std::string("h2o")), "H2O");
    EXPECT_EQ(LowerAscii(QStringLiteral("FONT SIZE=15 ŻÓŁW")), QStringLiteral("font size=15 ŻÓŁw"));
}

TEST(PolishText, PolishAlphabeticalOrderIgnoringCase)
{
    QStringList lista = {QStringLiteral("M"), QStringLiteral("łódź"), QStringLiteral("B"),
                         QStringLiteral("ĄB"), QStringLiteral("aceton")};
    SortujPL(lista);
    EXPECT_EQ(lista, (QStringList{QStringLiteral("aceton"), QStringLiteral("ĄB"), QStringLiteral("B"),
                                  QStringLiteral("łódź"), QStringLiteral("M")}));
    EXPECT_TRUE(RowneBezWielkosciLiter(QStringLiteral("ŻÓŁW"), QStringLiteral("żółw")));
    EXPECT_LT(PorownajPL(QStringLiteral("Z"), QStringLiteral("Ź")), 0);
    EXPECT_LT(PorownajPL(QStringLiteral("Ź"), QStringLiteral("Ż")), 0);
    EXPECT_LT(PorownajPL(QStringLiteral("ETAN"), QStringLiteral("ETANOL")), 0);
    EXPECT_LT(PorownajPL(QStringLiteral("1-BUTANOL"), QStringLiteral("ACETON")), 0);
}
