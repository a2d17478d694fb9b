// The label as the windows use it: pixels of what it shows, the pointer over links and check
// boxes (with an injected clock and the link recorder), AutoHeight and when it renders.
#include "Lacza.h"
#include "QzHtmlLabel2.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor TloEtykiety(0xC8, 0xDC, 0xF0);

std::unique_ptr<TQzHtmlLabel2> Etykieta(const QString& html, int szerokosc = 200, int wysokosc = 40)
{
    auto etykieta = std::make_unique<TQzHtmlLabel2>();
    QPalette paleta = etykieta->palette();
    paleta.setColor(QPalette::Window, TloEtykiety);
    etykieta->setPalette(paleta);
    etykieta->resize(szerokosc, wysokosc);
    etykieta->setHtml(html);
    return etykieta;
}

QImage Obraz(TQzHtmlLabel2& etykieta)
{
    return etykieta.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Rows with ink (pixels clearly darker than the background) in the columns [od, do).
std::pair<int, int> WierszeTuszu(const QImage& obraz, int od, int doKolumny)
{
    int gora = obraz.height();
    int dol = -1;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = std::max(od, 0); x < std::min(doKolumny, obraz.width()); ++x)
            if (qGray(obraz.pixel(x, y)) < qGray(TloEtykiety.rgb()) - 60) {
                gora = std::min(gora, y);
                dol = std::max(dol, y);
            }
    return {gora, dol};
}

const aText* Slowo(TQzHtmlLabel2& etykieta, const QString& tekst)
{
    for (const auto& item : etykieta.Renderer().Items())
        if (auto* slowo = dynamic_cast<const aText*>(item.get()); slowo && slowo->tekst == tekst)
            return slowo;
    return nullptr;
}

void Ruch(TQzHtmlLabel2& etykieta, QPoint punkt)
{
    QMouseEvent zdarzenie(QEvent::MouseMove, punkt, etykieta.mapToGlobal(punkt), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&etykieta, &zdarzenie);
}

void Klik(TQzHtmlLabel2& etykieta, QPoint punkt)
{
    QMouseEvent wcisniecie(QEvent::MouseButtonPress, punkt, etykieta.mapToGlobal(punkt), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
    QApplication::sendEvent(&etykieta, &wcisniecie);
    QMouseEvent puszczenie(QEvent::MouseButtonRelease, punkt, etykieta.mapToGlobal(punkt), Qt::LeftButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(&etykieta, &puszczenie);
}

// The first and last rows with ink of two words of the rendered text.
std::pair<std::pair<int, int>, std::pair<int, int>> TuszSlow(const QString& html, const QString& pierwsze,
                                                             const QString& drugie)
{
    auto etykieta = Etykieta(html);
    QImage obraz = Obraz(*etykieta);
    auto tusz = [&](const QString& tekst) {
        const aText* slowo = Slowo(*etykieta, tekst);
        return WierszeTuszu(obraz, slowo->x, slowo->x + slowo->width);
    };
    return {tusz(pierwsze), tusz(drugie)};
}

QPoint Srodek(const aVisTag& item)
{
    return QPoint(item.x + item.width / 2, item.y + item.height / 2);
}

} // namespace

TEST(QzHtmlLabel2Pixels, BackgroundIsTheLabelsColourWithoutKeyColourOrLightFringes)
{
    auto etykieta = Etykieta(QStringLiteral("<font size=\"15\">kg/m<sup>3</sup> <b>ąę</b></font>"));
    QImage obraz = Obraz(*etykieta);
    EXPECT_EQ(obraz.pixelColor(0, 0), TloEtykiety);
    EXPECT_EQ(obraz.pixelColor(obraz.width() - 1, obraz.height() - 1), TloEtykiety);
    int tusz = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            QColor piksel = obraz.pixelColor(x, y);
            ASSERT_NE(piksel, QColor(0xF1, 0xFE, 0xEF)) << x << "," << y;
            // Black text smoothed on this background is never lighter than it in any channel.
            ASSERT_LE(piksel.red(), TloEtykiety.red()) << x << "," << y;
            ASSERT_LE(piksel.green(), TloEtykiety.green()) << x << "," << y;
            ASSERT_LE(piksel.blue(), TloEtykiety.blue()) << x << "," << y;
            tusz += piksel != TloEtykiety;
        }
    EXPECT_GT(tusz, 100);
}

TEST(QzHtmlLabel2Pixels, FontColourIsDrawn)
{
    auto etykieta = Etykieta(QStringLiteral("<font size=\"15\" color=\"#000080\">HIL</font>"));
    QImage obraz = Obraz(*etykieta);
    bool granat = false;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            QColor piksel = obraz.pixelColor(x, y);
            granat = granat || piksel == QColor(0, 0, 0x80);
            ASSERT_GE(piksel.blue(), 0x80) << x << "," << y; // never black, never another hue
        }
    EXPECT_TRUE(granat);
}

TEST(QzHtmlLabel2Pixels, SubscriptLowerAndSuperscriptHigherThanTheWord)
{
    auto [t, c] = TuszSlow(QStringLiteral("<font name=\"Arial\" size=\"10\">T</font><sub>c</sub>"), QStringLiteral("T"),
                           QStringLiteral("c"));
    EXPECT_GT(c.second, t.second);
    EXPECT_GT(c.first, t.first);

    auto [t2, dwa] = TuszSlow(QStringLiteral("x <font size=\"10\">T<sup>2</sup></font>"), QStringLiteral("T"), QStringLiteral("2"));
    EXPECT_LT(dwa.first, t2.first);
    EXPECT_LT(dwa.second, t2.second);
    // Written at 7 points, the smallest legible size: a digit some 6 pixels high.
    EXPECT_GE(dwa.second - dwa.first + 1, 5);
}

TEST(QzHtmlLabel2Pixels, SymbolFontShowsGreekLetters)
{
    QImage symbol = Obraz(*Etykieta(QStringLiteral("<font name=\"Symbol\" size=\"15\">r</font>")));
    QImage grecka = Obraz(*Etykieta(QStringLiteral("<font size=\"15\">ρ</font>")));
    QImage lacinska = Obraz(*Etykieta(QStringLiteral("<font size=\"15\">r</font>")));
    EXPECT_EQ(symbol, grecka);
    EXPECT_NE(symbol, lacinska);
}

TEST(QzHtmlLabel2Pixels, LabelsFontChangesNothing)
{
    auto etykieta = Etykieta(QStringLiteral("<font size=\"12\">J/(mol<sup>.</sup>K)</font>"));
    QImage przed = Obraz(*etykieta);
    etykieta->setFont(QFont(QStringLiteral("DejaVu Serif"), 30, QFont::Bold));
    EXPECT_EQ(Obraz(*etykieta), przed);
}

TEST(QzHtmlLabel2Pixels, TablesRulesListsAndFormsAreDrawn)
{
    auto etykieta = Etykieta(QStringLiteral("<table><tr><td bgcolor=\"#00FF00\">a</td><td>b</td></tr></table>"
                                            "<hr noshade><ul><li>x</li></ul><form><input type=button value=ok></form>"),
                             300, 200);
    etykieta->setAutoHeight(true);
    QImage obraz = Obraz(*etykieta);
    auto* komorka = dynamic_cast<const aTDSTag*>(etykieta->Renderer().Items()[2].get());
    ASSERT_NE(komorka, nullptr);
    EXPECT_EQ(obraz.pixelColor(komorka->x + komorka->width - 3, komorka->y + komorka->height - 3), QColor(0, 0xFF, 0));
    EXPECT_EQ(obraz.pixelColor(komorka->x, komorka->y), QColor(Qt::black)); // the cell's frame
    bool szary = false;
    for (int x = 0; x < obraz.width(); ++x)
        for (int y = 0; y < obraz.height(); ++y)
            szary = szary || obraz.pixelColor(x, y) == QColor(0x80, 0x80, 0x80);
    EXPECT_TRUE(szary); // the rule without shade
}

TEST(QzHtmlLabel2Pixels, PicturesWithWhiteTransparent)
{
    // Left half red, right half white; the file's name keeps its capitals.
    QTemporaryDir folder;
    QImage wzor(4, 4, QImage::Format_RGB32);
    wzor.fill(Qt::white);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            wzor.setPixelColor(x, y, Qt::red);
    const QString sciezka = folder.filePath(QStringLiteral("Wzor.PNG"));
    ASSERT_TRUE(wzor.save(sciezka));

    // The pictures stand on the bottom of their line, as words do.
    auto obrazek = [](TQzHtmlLabel2& etykieta) {
        for (const auto& item : etykieta.Renderer().Items())
            if (auto* obraz = dynamic_cast<const aPicture*>(item.get()))
                return QRect(obraz->x, obraz->y, obraz->width, obraz->height);
        return QRect();
    };
    auto zwykly = Etykieta(QStringLiteral("<img src=\"file://%1\">").arg(sciezka));
    QRect miejsce = obrazek(*zwykly);
    ASSERT_EQ(miejsce.size(), QSize(4, 4));
    QImage obraz = Obraz(*zwykly);
    EXPECT_EQ(obraz.pixelColor(miejsce.topLeft()), QColor(Qt::red));
    EXPECT_EQ(obraz.pixelColor(miejsce.bottomLeft() + QPoint(1, 0)), QColor(Qt::red));
    EXPECT_EQ(obraz.pixelColor(miejsce.topLeft() + QPoint(2, 0)), TloEtykiety);

    auto rozciagniety = Etykieta(QStringLiteral("<img src=\"%1\" width=8 height=8>").arg(sciezka));
    miejsce = obrazek(*rozciagniety);
    ASSERT_EQ(miejsce.size(), QSize(8, 8));
    obraz = Obraz(*rozciagniety);
    EXPECT_EQ(obraz.pixelColor(miejsce.bottomLeft() + QPoint(3, 0)), QColor(Qt::red));
    EXPECT_EQ(obraz.pixelColor(miejsce.bottomLeft() + QPoint(4, 0)), TloEtykiety);
}

TEST(QzHtmlLabel2Pixels, SelectedTextOnTheSelectionColour)
{
    QImage obraz = Obraz(*Etykieta(QStringLiteral("<font size=\"15\">a <hi>zaznaczone</hi></font>")));
    QColor zaznaczenie = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    int piksele = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            piksele += obraz.pixelColor(x, y) == zaznaczenie;
    EXPECT_GT(piksele, 100);
}

TEST(QzHtmlLabel2Mouse, LinkLightsUpUnderThePointerWithTheHandCursor)
{
    auto etykieta = Etykieta(QStringLiteral("<font size=\"15\"><a href=\"http://example.org/Strona\">Link</a> tekst</font>"));
    qint64 teraz = 10000;
    etykieta->Renderer().Zegar = [&] { return teraz; };
    const aText* link = Slowo(*etykieta, QStringLiteral("Link"));
    ASSERT_NE(link, nullptr);
    auto kolorLinku = [&] {
        QImage obraz = Obraz(*etykieta);
        QColor najciemniejszy = TloEtykiety;
        for (int y = link->y; y < link->y + link->height; ++y)
            for (int x = link->x; x < link->x + link->width; ++x)
                if (qGray(obraz.pixel(x, y)) < qGray(najciemniejszy.rgb()))
                    najciemniejszy = obraz.pixelColor(x, y);
        return najciemniejszy;
    };
    EXPECT_EQ(kolorLinku(), QColor(0, 0, 0xFF));

    Ruch(*etykieta, Srodek(*link));
    EXPECT_TRUE(link->hover);
    EXPECT_EQ(etykieta->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(kolorLinku(), QColor(0xFF, 0, 0));

    // Too soon, then too small a move: nothing changes.
    teraz += 100;
    Ruch(*etykieta, QPoint(190, 35));
    EXPECT_TRUE(link->hover);
    teraz += 200;
    Ruch(*etykieta, Srodek(*link) + QPoint(5, 5));
    EXPECT_TRUE(link->hover);

    teraz += 200;
    Ruch(*etykieta, QPoint(190, 35));
    EXPECT_FALSE(link->hover);
    EXPECT_EQ(etykieta->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(kolorLinku(), QColor(0, 0, 0xFF));
}

TEST(QzHtmlLabel2Mouse, LabelWithoutLinkKeepsTheDefaultCursor)
{
    auto etykieta = Etykieta(QStringLiteral("<font size=\"15\">kg/m<sup>3</sup></font>"));
    qint64 teraz = 10000;
    etykieta->Renderer().Zegar = [&] { return teraz; };
    for (int x = 0; x < 200; x += 10) {
        teraz += 200;
        Ruch(*etykieta, QPoint(x, 15));
        EXPECT_FALSE(etykieta->testAttribute(Qt::WA_SetCursor));
    }
}

TEST(QzHtmlLabel2Mouse, ClickOpensHttpAndMailtoLinksOnly)
{
    struct Przypadek {
        const char* href;
        std::vector<QString> otwarte;
    };
    const Przypadek przypadki[] = {
        {"http://example.org/Strona", {QStringLiteral("http://example.org/Strona")}},
        {"HTTPS://Example.org/A", {QStringLiteral("HTTPS://Example.org/A")}},
        {"mailto://jan@example.org", {QStringLiteral("mailto:jan@example.org")}},
        {"file:///etc/passwd", {}},
        {"Obrazy/wzor.png", {}},
    };
    for (const auto& p : przypadki) {
        auto etykieta = Etykieta(QStringLiteral("<a href=\"%1\">Link</a>").arg(QString::fromUtf8(p.href)));
        ZapisujLacza zapis;
        Klik(*etykieta, Srodek(*Slowo(*etykieta, QStringLiteral("Link"))));
        EXPECT_EQ(zapis.otwarte, p.otwarte) << p.href;
    }
}

TEST(QzHtmlLabel2Mouse, LinkHandlerMayTakeTheClick)
{
    auto etykieta = Etykieta(QStringLiteral("<a href=\"http://example.org\">Link</a>"));
    QString klikniety;
    etykieta->Renderer().OnLinkClicked = [&](QObject* nadawca, const QString& href, bool& obsluzone) {
        EXPECT_EQ(nadawca, etykieta.get());
        klikniety = href;
        obsluzone = true;
    };
    ZapisujLacza zapis;
    int klikniecia = 0;
    QObject::connect(etykieta.get(), &TQzHtmlLabel2::clicked, [&] { ++klikniecia; });
    Klik(*etykieta, Srodek(*Slowo(*etykieta, QStringLiteral("Link"))));
    EXPECT_EQ(klikniety, QStringLiteral("http://example.org"));
    EXPECT_TRUE(zapis.otwarte.empty());
    EXPECT_EQ(klikniecia, 1);
}

TEST(QzHtmlLabel2Mouse, CheckBoxToggles)
{
    auto etykieta = Etykieta(QStringLiteral("<form name=\"ankieta\" method=post><input type=checkbox name=zgoda value=tak></form>"));
    QStringList zgloszone;
    etykieta->Renderer().OnFormElementClicked = [&](QObject*, const QString& formularz, const QString& metoda, const QString&,
                                                    const QString& nazwa, const QString& typ, const QString& wartosc) {
        zgloszone = {formularz, metoda, nazwa, typ, wartosc};
    };
    const aFormElement* pole = nullptr;
    for (const auto& item : etykieta->Renderer().Items())
        if (auto* szukane = dynamic_cast<const aFormElement*>(item.get()))
            pole = szukane;
    ASSERT_NE(pole, nullptr);
    QImage przed = Obraz(*etykieta);
    Klik(*etykieta, Srodek(*pole));
    EXPECT_TRUE(pole->checked);
    EXPECT_EQ(zgloszone, QStringList({"ankieta", "post", "zgoda", "checkbox", "tak"}));
    EXPECT_NE(Obraz(*etykieta), przed);
    Klik(*etykieta, Srodek(*pole));
    EXPECT_FALSE(pole->checked);
}

TEST(QzHtmlLabel2Control, AutoHeightFollowsTheTextAtEachWidth)
{
    QString tekst;
    for (int i = 0; i < 12; ++i)
        tekst += QStringLiteral("współczynnik ");
    auto etykieta = Etykieta(tekst, 400, 20);
    etykieta->show(); // a hidden widget hears of its new size only when shown
    etykieta->setAutoHeight(true);
    int szeroka = etykieta->height();
    EXPECT_EQ(szeroka, etykieta->Renderer().WysokoscObrazu());
    EXPECT_EQ(szeroka, etykieta->Renderer().Bottom() + 5);
    etykieta->resize(150, etykieta->height());
    int waska = etykieta->height();
    EXPECT_EQ(waska, etykieta->Renderer().Bottom() + 5);
    EXPECT_GT(waska, szeroka);
    EXPECT_EQ(etykieta->heightForWidth(400), szeroka);

    auto stala = Etykieta(tekst, 150, 20);
    EXPECT_EQ(stala->height(), 20);
    EXPECT_GT(stala->Renderer().WysokoscObrazu(), 20);
}

TEST(QzHtmlLabel2Control, RendersOncePerChangeOfTextOrSize)
{
    TQzHtmlLabel2 etykieta;
    etykieta.resize(120, 30);
    etykieta.show();
    etykieta.setAutoHeight(true);
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 0);
    etykieta.setHtml(QStringLiteral("<p align=\"right\"><font size=\"15\">C</font><sub><b>p</b></sub></p>"));
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 1); // the height it takes is no further change
    etykieta.repaint();
    etykieta.grab();
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 1);
    etykieta.setHtml(etykieta.html());
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 2);
    etykieta.resize(200, etykieta.height());
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 3);
    etykieta.resize(200, etykieta.height());
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 3);
}

TEST(QzHtmlLabel2Control, EmptyHtmlLeavesAnOrdinaryLabel)
{
    TQzHtmlLabel2 etykieta;
    etykieta.resize(100, 20);
    etykieta.setText(QStringLiteral("Napis"));
    etykieta.grab();
    EXPECT_EQ(etykieta.LiczbaRenderowan(), 0);
    EXPECT_EQ(etykieta.text(), QStringLiteral("Napis"));
    EXPECT_EQ(etykieta.html(), QString());

    const QString html = QStringLiteral("<sup>o</sup>C  ");
    etykieta.setHtml(html);
    EXPECT_EQ(etykieta.html(), html);
    EXPECT_EQ(etykieta.property("Html").toString(), html);
    EXPECT_TRUE(etykieta.text().isEmpty());
}

TEST(QzHtmlLabel2Control, ClickedSignal)
{
    auto etykieta = Etykieta(QStringLiteral("K"));
    int klikniecia = 0;
    QObject::connect(etykieta.get(), &TQzHtmlLabel2::clicked, [&] { ++klikniecia; });
    Klik(*etykieta, QPoint(5, 5));
    Klik(*etykieta, QPoint(150, 30));
    EXPECT_EQ(klikniecia, 2);
}
