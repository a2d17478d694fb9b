#include "CzytnikRtf.h"

#include <gtest/gtest.h>

TEST(CzytnikRtf, ParagraphsBoldItalicAndPolishLetters)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}"
        "{\\colortbl ;\\red0\\green0\\blue0;}{\\*\\generator Msftedit 5.41;}"
        "\\viewkind4\\uc1\\pard\\lang1045\\f0\\fs20 {\\b Metoda Ambrose'a}\\par\n"
        "Temperatura krytyczna z \\i udzia\\'b3\\'f3w grup\\i0  i T\\sub b\\nosupersub .\\par\n"
        "\\u379?\\'f3\\'b3w \\{nawias\\}\\par}";
    EXPECT_EQ(RtfNaHtml(rtf).toStdString(), std::string("<p><b>Metoda Ambrose'a</b></p>"
                                             "<p>Temperatura krytyczna z <i>udziałów grup</i> i Tb.</p>"
                                             "<p>Żółw {nawias}</p><p></p>"));
}

TEST(CzytnikRtf, MarkupInTheTextIsEscapedAndBrokenInputEnds)
{
    EXPECT_EQ(RtfNaHtml("{\\rtf1 a<b & c}"), QStringLiteral("<p>a&lt;b &amp; c</p>"));
    EXPECT_EQ(RtfNaHtml("{\\rtf1 {\\b niedomknieta"), QStringLiteral("<p><b>niedomknieta</b></p>"));
    EXPECT_EQ(RtfNaHtml("\\"), QStringLiteral("<p></p>"));
}
