// The renderer's data side: mark-up into items, and the layout measured with a fake measurer
// (a word is characters × points wide and 2 × points high), so positions are exact.
#include "PomocHtml.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QStringList Lista(std::initializer_list<const char*> nazwy)
{
    QStringList lista;
    for (const char* nazwa : nazwy)
        lista << QString::fromUtf8(nazwa);
    return lista;
}

} // namespace

TEST(QzMiniHtml2Parse, ItemListsOfRealMarkUp)
{
    struct Przypadek {
        const char* html;
        QStringList elementy;
    };
    const Przypadek przypadki[] = {
        {"T<sub>c</sub>", Lista({"aText(T)", "aSubSTag", "aText(c)", "aSubETag", "aText(¶)"})},
        {"<font name=\"Symbol\" size=\"15\">e</font><sub><b>SI</b></sub><font size=\"15\">=</font>",
         Lista({"aFontSTag", "aText(e)", "aFontETag", "aSubSTag", "aBSTag", "aText(SI)", "aBETag", "aSubETag",
                "aFontSTag", "aText(=)", "aFontETag", "aText(¶)"})},
        {"J/(mol<font size=\"10\"><sup>.</sup></font size>K)",
         Lista({"aText(J/(mol)", "aFontSTag", "aSupSTag", "aText(.)", "aSupETag", "aFontETag", "aText(K)¶)"})},
        {"<p align=\"right\"></p>", Lista({"aPSTag", "aPETag", "aText(¶)"})},
        {"<FONT SIZE=12>x</FONT>", Lista({"aFontSTag", "aText(x)", "aFontETag", "aText(¶)"})},
        {"a  b", Lista({"aText(a)", "aSpace", "aSpace", "aText(b¶)"})},
        {"&amp;lt; a&NBSP;b", Lista({"aText(&lt;)", "aSpace", "aText(a)", "aSpace", "aText(b¶)"})},
        {"&quot;&copy;&gt;", Lista({"aText(\"(c)>¶)"})},
        {"<a href=\"http://x.pl\">dwa słowa</a>", Lista({"aASTag", "aText(dwa słowa)", "aSpace", "aAETag", "aText(¶)"})},
        {"<blink>a</blink>", Lista({"aText(a)", "aText(¶)"})},
        {"<html><head><title>T</title></head><form name=f><input type=checkbox></form></html>",
         Lista({"aText(T)", "aFormSTag", "aFormElement", "aFormETag", "aText(¶)"})},
        {"<img src=a.png></img><hr></hr><br></br>", Lista({"aPicture", "aHorizontalRule", "aBRTag", "aBRTag", "aText(¶)"})},
        {"> a<b>", Lista({"aText(>)", "aSpace", "aText(a<b>¶)"})},
        {"x<b", Lista({"aText(x<b¶)"})},
        {"<font name=\"Symbol size=15>x", Lista({"aFontSTag", "aText(x¶)"})},
        {"<ul><li>a</li></ul><ol><li>b</ol>",
         Lista({"aULSTag", "aLISTag", "aText(a)", "aLIETag", "aULETag", "aOLSTag", "aLISTag", "aText(b)", "aOLETag", "aText(¶)"})},
        {"<hi>x</hi><selection>y</selection><s>z</s><u>w</u><i>v</i><indent>t</indent>",
         Lista({"aSelectionSTag", "aText(x)", "aSelectionETag", "aSelectionSTag", "aText(y)", "aSelectionETag", "aSSTag",
                "aText(z)", "aSETag", "aUSTag", "aText(w)", "aUETag", "aISTag", "aText(v)", "aIETag", "aBlockquoteSTag",
                "aText(t)", "aBlockquoteETag", "aText(¶)"})},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(OpisElementow(*Wyrenderuj(QString::fromUtf8(p.html))), p.elementy) << p.html;
}

TEST(QzMiniHtml2Parse, TagNamesAndValuesAreLowerCased)
{
    auto r = Wyrenderuj(QStringLiteral("<FONT NAME=\"Symbol\"SIZE=\"15\">r</FONT><font size=12 color=\"#000080\">x"));
    aText* r15 = Slowo(*r, QStringLiteral("r"));
    ASSERT_NE(r15, nullptr);
    EXPECT_EQ(r15->font.nazwa, QStringLiteral("symbol"));
    EXPECT_EQ(r15->font.rozmiar, 15);
    EXPECT_EQ(Element<aFontSTag>(*r)->tekst, QStringLiteral("<font>"));
    aText* x = Slowo(*r, QStringLiteral("x\r\n"));
    EXPECT_EQ(x->font.rozmiar, 12);
    EXPECT_EQ(x->textColour, 0x800000u);
}

TEST(QzMiniHtml2Parse, FontSizeEndTagClosesTheFont)
{
    auto r = Wyrenderuj(QStringLiteral("<font size=\"10\"><sup>.</sup></font size>K"));
    auto* koniec = Element<aFontETag>(*r);
    ASSERT_NE(koniec, nullptr);
    EXPECT_EQ(koniec->tekst, QStringLiteral("</font>"));
    EXPECT_EQ(koniec->atrybuty.Wartosc(QStringLiteral("size")), QStringLiteral("true"));
    EXPECT_EQ(Slowo(*r, QStringLiteral("."))->font.rozmiar, 10);
    EXPECT_EQ(Slowo(*r, QStringLiteral("."))->subSupMode, 2);
    EXPECT_EQ(Slowo(*r, QStringLiteral("K\r\n"))->font.rozmiar, 8);
}

TEST(QzMiniHtml2Parse, FontsLeftOpenStayInEffect)
{
    // The card's and the equations' way of writing units: the inner font is never closed.
    auto r = Wyrenderuj(QStringLiteral("<font size=\"12\"> [<font size=\"13\">K]</p> dalej"));
    EXPECT_EQ(Slowo(*r, QStringLiteral("["))->font.rozmiar, 12);
    EXPECT_EQ(Slowo(*r, QStringLiteral("K]"))->font.rozmiar, 13);
    EXPECT_EQ(Slowo(*r, QStringLiteral("dalej\r\n"))->font.rozmiar, 13);
}

TEST(QzMiniHtml2Parse, LinksAndPictureSourcesKeepTheirCase)
{
    auto r = Wyrenderuj(QStringLiteral("<a HREF=\"https://Example.org/Strona\">x</a><img SRC=\"Obrazy/A.png\">"));
    EXPECT_EQ(Element<aASTag>(*r)->atrybuty.Wartosc(QStringLiteral("href")), QStringLiteral("https://Example.org/Strona"));
    EXPECT_EQ(Slowo(*r, QStringLiteral("x"))->href, QStringLiteral("https://Example.org/Strona"));
    EXPECT_EQ(Element<aPicture>(*r)->source, QStringLiteral("Obrazy/A.png"));
}

TEST(QzMiniHtml2Parse, DynamicTagShowsItsIdOrTheHandlersText)
{
    auto r = Wyrenderuj(QStringLiteral("<dynamic id=t>"));
    EXPECT_EQ(OpisElementow(*r), Lista({"aDynamicTag", "aFontSTag", "aText(<t>)", "aFontETag", "aText(¶)"}));
    aText* t = Slowo(*r, QStringLiteral("<t>"));
    EXPECT_EQ(t->font.nazwa, QStringLiteral("ms sans serif"));
    EXPECT_EQ(t->font.rozmiar, 8);
    EXPECT_EQ(t->textColour, KolorCzarny);

    TQzMiniHtml2 zHandlerem;
    zHandlerem.UstawMiare(std::make_shared<TMiaraTestowa>());
    zHandlerem.AreaWidth = 200;
    zHandlerem.OnDynamicUpdate = [](TQzMiniHtml2*, const QString& id, QString& tekst) { tekst = QStringLiteral("<b>") + id + QStringLiteral("!</b>"); };
    zHandlerem.Html = QStringLiteral("<dynamic id=czas>");
    zHandlerem.Render();
    EXPECT_EQ(OpisElementow(zHandlerem), Lista({"aDynamicTag", "aBSTag", "aText(czas!)", "aBETag", "aText(¶)"}));
}

TEST(QzMiniHtml2Parse, DynamicTagThatExpandsIntoItselfEnds)
{
    TQzMiniHtml2 r;
    r.UstawMiare(std::make_shared<TMiaraTestowa>());
    r.AreaWidth = 200;
    r.OnDynamicUpdate = [](TQzMiniHtml2*, const QString&, QString& tekst) { tekst = QStringLiteral("x<dynamic id=a>"); };
    r.Html = QStringLiteral("<dynamic id=a>");
    r.Render();
    EXPECT_LT(r.Items().size(), 1000u);
    EXPECT_GT(r.Items().size(), 10u);
}

TEST(QzMiniHtml2Parse, LongMarkUpReadInPiecesOf400Characters)
{
    // Polish letters are single characters; tags cross the 400-character boundaries.
    const QString jednostka = QStringLiteral("<b>łąka</b> <font size=\"12\">źdźbło</font> ");
    QString html;
    QStringList oczekiwane;
    while (html.size() < 1300) {
        html += jednostka;
        oczekiwane << Lista({"aBSTag", "aText(łąka)", "aBETag", "aSpace", "aFontSTag", "aText(źdźbło)", "aFontETag", "aSpace"});
    }
    oczekiwane << QStringLiteral("aText(¶)");
    for (int granica : {400, 800, 1200}) {
        qsizetype otwarcie = html.lastIndexOf(QLatin1Char('<'), granica - 1);
        qsizetype zamkniecie = html.lastIndexOf(QLatin1Char('>'), granica - 1);
        ASSERT_GT(otwarcie, zamkniecie) << "the boundary " << granica << " must fall inside a tag";
    }
    EXPECT_EQ(OpisElementow(*Wyrenderuj(html)), oczekiwane);
}

TEST(QzMiniHtml2Parse, PiecesAreCountedInCharacters)
{
    // Text without tags is taken a piece at a time: 400 characters, whatever their bytes.
    QString html = QString(1000, QChar(0x0105)); // "ą"
    QStringList opis = OpisElementow(*Wyrenderuj(html));
    ASSERT_EQ(opis.size(), 3);
    EXPECT_EQ(opis[0], QStringLiteral("aText(") + QString(400, QChar(0x0105)) + QLatin1Char(')'));
    EXPECT_EQ(opis[1], QStringLiteral("aText(") + QString(400, QChar(0x0105)) + QLatin1Char(')'));
    EXPECT_EQ(opis[2], QStringLiteral("aText(") + QString(200, QChar(0x0105)) + QStringLiteral("¶)"));
}

TEST(QzMiniHtml2Parse, TagGroupsLimitWhatIsRecognised)
{
    struct Przypadek {
        const char* nazwa;
        TGrupyZnacznikow grupy;
        int indeks;
    };
    const Przypadek przypadki[] = {
        {"font", DomyslneGrupyZnacznikow, 5},  {"/font", DomyslneGrupyZnacznikow, -5},
        {"FONT", DomyslneGrupyZnacznikow, 5},  {"<b>", DomyslneGrupyZnacznikow, 12},
        {"title", DomyslneGrupyZnacznikow, 0}, {"title", 0xFF, 19},
        {"th", DomyslneGrupyZnacznikow, 33},   {"td", 0x0F, 0},
        {"blink", 0xFF, 0},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(FindTag(QString::fromUtf8(p.nazwa), p.grupy), p.indeks) << p.nazwa;
}

TEST(QzMiniHtml2Layout, CentredAndRightAlignedWords)
{
    // "abc" at 10 points is 30 wide; the area is 200 wide.
    auto srodek = Wyrenderuj(QStringLiteral("<p align=\"centre\"><font size=\"10\">abc</p>"));
    EXPECT_EQ(Slowo(*srodek, QStringLiteral("abc"))->x, 5 + (200 - 30 - 10) / 2);
    auto prawo = Wyrenderuj(QStringLiteral("<p align=\"right\">abc</p>"));
    aText* abc = Slowo(*prawo, QStringLiteral("abc"));
    EXPECT_EQ(abc->x + abc->width, 200 - 5);
    for (const char* html : {"<p align=\"center\">abc</p>", "<p align=\"left\">abc</p>"})
        EXPECT_EQ(Slowo(*Wyrenderuj(QString::fromUtf8(html)), QStringLiteral("abc"))->x, 5) << html;
    auto unclosed = Wyrenderuj(QStringLiteral("<p align=\"centre\">abc"));
    EXPECT_EQ(Slowo(*unclosed, QStringLiteral("abc\r\n"))->x, 5);
}

TEST(QzMiniHtml2Layout, WordsOfALineStandOnItsBottom)
{
    auto r = Wyrenderuj(QStringLiteral("aa <font size=\"15\">BB</font> cc"));
    aText* aa = Slowo(*r, QStringLiteral("aa"));
    aText* bb = Slowo(*r, QStringLiteral("BB"));
    aText* cc = Slowo(*r, QStringLiteral("cc\r\n"));
    EXPECT_EQ(bb->y, 5);
    EXPECT_EQ(aa->y, 5 + 30 - 16);
    EXPECT_EQ(cc->y, 5 + 30 - 16);
    EXPECT_EQ(aa->y + aa->height, bb->y + bb->height);
    EXPECT_EQ(cc->y + cc->height, bb->y + bb->height);
    EXPECT_EQ(aa->lineHeight, 30);
    EXPECT_EQ(std::vector<int>({aa->x, bb->x, cc->x}), std::vector<int>({5, 5 + 16 + 8, 5 + 16 + 8 + 30 + 8}));
    EXPECT_EQ(r->WysokoscObrazu(), 5 + 30 + 5);
}

TEST(QzMiniHtml2Layout, WordsThatDoNotFitWrap)
{
    auto r = Wyrenderuj(QStringLiteral("aaa bbb ccc"), 60);
    EXPECT_EQ(QPoint(Slowo(*r, QStringLiteral("aaa"))->x, Slowo(*r, QStringLiteral("aaa"))->y), QPoint(5, 5));
    EXPECT_EQ(QPoint(Slowo(*r, QStringLiteral("bbb"))->x, Slowo(*r, QStringLiteral("bbb"))->y), QPoint(5, 5 + 16 + 5));
    EXPECT_EQ(QPoint(Slowo(*r, QStringLiteral("ccc\r\n"))->x, Slowo(*r, QStringLiteral("ccc\r\n"))->y), QPoint(5, 47));
    EXPECT_EQ(r->WysokoscObrazu(), 47 + 16 + 5);

    auto szeroki = Wyrenderuj(QStringLiteral("bardzodlugieslowo"), 60);
    EXPECT_EQ(QPoint(szeroki->Items()[0]->x, szeroki->Items()[0]->y), QPoint(5, 5));
}

TEST(QzMiniHtml2Layout, RenderedHeightIncludesTheClosingLineBreak)
{
    // After "</p>" the line break of the source is a last word on a line of its own, in the
    // font still in effect: 5 + 20 + 5 + 20 + 5.
    auto r = Wyrenderuj(QStringLiteral("<p align=\"centre\"><font size=\"10\">abc</p>"));
    aText* koniec = Slowo(*r, QStringLiteral("\r\n"));
    EXPECT_EQ(QPoint(koniec->x, koniec->y), QPoint(5, 30));
    EXPECT_EQ(r->Bottom(), 50);
    EXPECT_EQ(r->WysokoscObrazu(), 55);
    EXPECT_EQ(r->SzerokoscObrazu(), 200);
}

TEST(QzMiniHtml2Layout, ScriptsAreMeasuredAtFullSize)
{
    auto r = Wyrenderuj(QStringLiteral("T<sub>c</sub><sup>2</sup>"));
    aText* t = Slowo(*r, QStringLiteral("T"));
    aText* c = Slowo(*r, QStringLiteral("c"));
    aText* dwa = Slowo(*r, QStringLiteral("2"));
    EXPECT_EQ(c->height, t->height);
    EXPECT_EQ(c->y, t->y);
    EXPECT_EQ(c->width, 8);
    EXPECT_EQ(c->subSupMode, 1);
    EXPECT_EQ(dwa->subSupMode, 2);
    EXPECT_EQ(r->WysokoscObrazu(), 5 + 16 + 5);
}

TEST(QzMiniHtml2Layout, NestedBoldAndItalic)
{
    auto r = Wyrenderuj(QStringLiteral("<b>a<i>b</i>c</b>d"));
    auto styl = [&](const char* slowo) {
        const TCzcionkaHtml& f = Slowo(*r, QString::fromUtf8(slowo))->font;
        return std::pair(f.pogrubiona, f.pochylona);
    };
    EXPECT_EQ(styl("a"), std::pair(true, false));
    EXPECT_EQ(styl("b"), std::pair(true, true));
    EXPECT_EQ(styl("c"), std::pair(true, false));
    EXPECT_EQ(styl("d\r\n"), std::pair(false, false));
}

TEST(QzMiniHtml2Layout, EndTagWithoutStartChangesNothing)
{
    auto r = Wyrenderuj(QStringLiteral("<b>a</i>b</font>c"));
    EXPECT_TRUE(Slowo(*r, QStringLiteral("c\r\n"))->font.pogrubiona);
}

TEST(QzMiniHtml2Layout, ListsAndIndents)
{
    auto r = Wyrenderuj(QStringLiteral("<ol><li>a</li><li>b</li><li>c</li><li>d</li><li>e</li></ol>"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Element<aLISTag>(*r, i)->number, i + 1);
    // A leading line-ending tag ends an empty line: the first item starts 5 pixels lower.
    aLISTag* pierwszy = Element<aLISTag>(*r);
    EXPECT_EQ(QPoint(pierwszy->x, pierwszy->y), QPoint(5, 10));
    EXPECT_EQ(pierwszy->width, 50);
    EXPECT_EQ(Slowo(*r, QStringLiteral("a"))->x, 55);
    EXPECT_EQ(Slowo(*r, QStringLiteral("b"))->y, 10 + 16 + 5);
    EXPECT_EQ(r->Stan().listType, QStringLiteral("number"));

    auto cytat = Wyrenderuj(QStringLiteral("x<blockquote>aaa bbb</blockquote>y"), 100);
    EXPECT_EQ(Slowo(*cytat, QStringLiteral("aaa"))->x, 55);
    EXPECT_EQ(Slowo(*cytat, QStringLiteral("aaa"))->y, 5 + 16 + 5);
    EXPECT_EQ(QPoint(Slowo(*cytat, QStringLiteral("bbb"))->x, Slowo(*cytat, QStringLiteral("bbb"))->y), QPoint(55, 47));
    EXPECT_EQ(Slowo(*cytat, QStringLiteral("y\r\n"))->x, 5);
}

TEST(QzMiniHtml2Layout, RuleSpansTheAreaOnALineOfItsOwn)
{
    auto r = Wyrenderuj(QStringLiteral("a<hr size=6>b"));
    auto* linia = Element<aHorizontalRule>(*r);
    EXPECT_EQ(QRect(linia->x, linia->y, linia->width, linia->height), QRect(5, 26, 200, 26));
    EXPECT_EQ(linia->RuleWidth(), 190);
    // Nothing fits beside a rule as wide as the area.
    EXPECT_EQ(QPoint(Slowo(*r, QStringLiteral("b\r\n"))->x, Slowo(*r, QStringLiteral("b\r\n"))->y), QPoint(5, 57));
}

TEST(QzMiniHtml2Layout, TableCellsAreLaidOutByNestedRenderers)
{
    // The table is 210 - 10 = 200 wide; each cell is measured at (200 - 10) / 2 and then made
    // as wide as its widest line end + 5.
    auto r = Wyrenderuj(QStringLiteral("x<table width=\"210\"><tr><td>ab</td><td bgcolor=\"#000080\">c</td></tr></table>"), 300);
    EXPECT_EQ(OpisElementow(*r), Lista({"aText(x)", "aTableSTag", "aTRSTag", "aTDSTag", "aTDETag", "aTDSTag", "aTDETag",
                                        "aTRETag", "aTableETag", "aText(¶)"}));
    aTDSTag* pierwsza = Element<aTDSTag>(*r, 0);
    aTDSTag* druga = Element<aTDSTag>(*r, 1);
    EXPECT_EQ(pierwsza->cellSource, QStringLiteral("ab"));
    EXPECT_EQ(QRect(pierwsza->x, pierwsza->y, pierwsza->width, pierwsza->height), QRect(5, 26, 26, 26));
    EXPECT_EQ(QRect(druga->x, druga->y, druga->width, druga->height), QRect(31, 26, 18, 26));
    EXPECT_EQ(druga->Bgcolor(), 0x800000u);
    EXPECT_EQ(Element<aTableSTag>(*r)->height, 26);
    EXPECT_EQ(Slowo(*r, QStringLiteral("\r\n"))->y, 26 + 26 + 5);
    ASSERT_NE(r->SubRenderer(pierwsza->nestedRenderer), nullptr);
    EXPECT_EQ(OpisElementow(*r->SubRenderer(pierwsza->nestedRenderer)), Lista({"aText(ab¶)"}));
}

TEST(QzMiniHtml2Layout, TablesWithoutRowsOrWithManyCells)
{
    auto bezWiersza = Wyrenderuj(QStringLiteral("<table><td>a</td><td>b</td></table>"));
    EXPECT_EQ(Element<aTDSTag>(*bezWiersza, 1)->column, 1);
    EXPECT_EQ(Element<aTDSTag>(*bezWiersza, 1)->row, 0);
    EXPECT_GT(Element<aTDSTag>(*bezWiersza, 1)->height, 0);

    QString wiele = QStringLiteral("<table width=\"5000\">");
    for (int w = 0; w < 3; ++w) {
        wiele += QStringLiteral("<tr>");
        for (int k = 0; k < 120; ++k)
            wiele += QStringLiteral("<td>k</td>");
    }
    wiele += QStringLiteral("</table>");
    auto duza = Wyrenderuj(wiele, 5000);
    aTDSTag* ostatnia = Element<aTDSTag>(*duza, 359);
    ASSERT_NE(ostatnia, nullptr);
    EXPECT_EQ(ostatnia->column, 119);
    EXPECT_EQ(ostatnia->row, 2);
    EXPECT_EQ(ostatnia->x, 5 + 119 * 18);
}

TEST(QzMiniHtml2Layout, NestedTableStaysInItsCell)
{
    auto r = Wyrenderuj(QStringLiteral("<table><tr><td>a<table><tr><td>b</td></tr></table>c</td><td>d</td></tr></table>"));
    ASSERT_EQ(OpisElementow(*r).count(QStringLiteral("aTDSTag")), 2);
    EXPECT_EQ(Element<aTDSTag>(*r, 0)->cellSource, QStringLiteral("a<table><tr><td>b</td></tr></table>c"));
    EXPECT_EQ(Element<aTDSTag>(*r, 1)->cellSource, QStringLiteral("d"));
}

TEST(QzMiniHtml2Layout, RandomMarkUpAlwaysEnds)
{
    const QStringList kawalki = {
        QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("</"), QStringLiteral("\""), QStringLiteral("="),
        QStringLiteral(" "), QStringLiteral("  "), QStringLiteral("słowo"), QStringLiteral("T"), QStringLiteral("&amp;"),
        QStringLiteral("&lt;"), QStringLiteral("&nbsp;"), QStringLiteral("\r\n"), QStringLiteral("size=\"15\""),
        QStringLiteral("size=+3"), QStringLiteral("size=-99999999"), QStringLiteral("name=\"Symbol"),
        QStringLiteral("align=\"centre\""), QStringLiteral("align=right"), QStringLiteral("width=\"50%\""),
        QStringLiteral("color=\"#000080\""), QStringLiteral("href=\"http://a\""), QStringLiteral("src=\"%app%x.png\""),
        QStringLiteral("type=checkbox"), QStringLiteral("checked"), QStringLiteral("id=x"), QStringLiteral("🙂"),
    };
    const QStringList nazwy = {
        QStringLiteral("html"), QStringLiteral("head"), QStringLiteral("script"), QStringLiteral("body"),
        QStringLiteral("font"), QStringLiteral("blockquote"), QStringLiteral("indent"), QStringLiteral("p"),
        QStringLiteral("div"), QStringLiteral("br"), QStringLiteral("u"), QStringLiteral("b"), QStringLiteral("s"),
        QStringLiteral("i"), QStringLiteral("a"), QStringLiteral("ul"), QStringLiteral("ol"), QStringLiteral("li"),
        QStringLiteral("title"), QStringLiteral("img"), QStringLiteral("hr"), QStringLiteral("dynamic"),
        QStringLiteral("form"), QStringLiteral("input"), QStringLiteral("user"), QStringLiteral("selection"),
        QStringLiteral("hi"), QStringLiteral("sub"), QStringLiteral("sup"), QStringLiteral("table"),
        QStringLiteral("tr"), QStringLiteral("td"), QStringLiteral("th"), QStringLiteral("xyz"),
    };
    QRandomGenerator los(20080);
    for (int proba = 0; proba < 1500; ++proba) {
        QString html;
        int dlugosc = static_cast<int>(los.bounded(1, 1600));
        while (html.size() < dlugosc) {
            if (los.bounded(3) == 0) {
                html += QLatin1Char('<') + (los.bounded(2) ? QStringLiteral("/") : QString())
                    + nazwy[static_cast<int>(los.bounded(nazwy.size()))];
                for (int a = static_cast<int>(los.bounded(3)); a > 0; --a)
                    html += QLatin1Char(' ') + kawalki[static_cast<int>(los.bounded(kawalki.size()))];
                if (los.bounded(8) != 0)
                    html += QLatin1Char('>');
            } else {
                html += kawalki[static_cast<int>(los.bounded(kawalki.size()))];
            }
        }
        TQzMiniHtml2 r;
        r.UstawMiare(std::make_shared<TMiaraTestowa>());
        r.AreaWidth = static_cast<int>(los.bounded(0, 400));
        r.AreaHeight = 50;
        r.AllowedTagGroups = los.bounded(2) ? DomyslneGrupyZnacznikow : 0xFF;
        if (los.bounded(4) == 0)
            r.OnDynamicUpdate = [](TQzMiniHtml2*, const QString&, QString& t) { t = QStringLiteral("<dynamic id=y><td>z"); };
        r.Html = html;
        r.Render();
        ASSERT_GE(r.WysokoscObrazu(), 5) << html.toStdString();
        for (const auto& item : r.Items())
            ASSERT_EQ(item->owner, &r);
    }
}
