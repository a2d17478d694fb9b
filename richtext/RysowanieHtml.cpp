#include "RysowanieHtml.h"

#include "KontekstUkladu.h"
#include "StanHtml.h"
#include "ZnacznikiHtml.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

const QColor Przezroczysty(Qt::transparent);

// Sub- and superscripts are written at half size, but never below a legible 7 points.
int RozmiarIndeksu(int punkty)
{
    constexpr int NajmniejszyCzytelny = 7;
    return std::max(punkty / 2, NajmniejszyCzytelny);
}

// The word at (x, y); a subscript half its size in points lower, a superscript as much higher.
void DrawScriptText(QPainter& malarz, const aText& slowo, const TCzcionkaHtml& czcionka, const QColor& kolor,
                    const QColor& tlo)
{
    QString tekst = TekstDoWypisania(slowo.tekst, czcionka);
    int przesuniecie = czcionka.rozmiar / 2;
    switch (slowo.subSupMode) {
    case 1:
        WypiszTekst(malarz, slowo.x, slowo.y + przesuniecie, tekst, CzcionkaQt(czcionka, RozmiarIndeksu(czcionka.rozmiar)),
                    kolor, tlo);
        break;
    case 2: // on the first line of 15-point text it would leave the picture: it stays at its top
        WypiszTekst(malarz, slowo.x, std::max(slowo.y - przesuniecie, 0), tekst,
                    CzcionkaQt(czcionka, RozmiarIndeksu(czcionka.rozmiar)), kolor, tlo);
        break;
    default:
        WypiszTekst(malarz, slowo.x, slowo.y, tekst, CzcionkaQt(czcionka), kolor, tlo);
    }
}

QRect ProstokatGdi(int lewy, int gora, int prawy, int dol)
{
    return QRect(lewy, gora, prawy - lewy, dol - gora);
}

} // namespace

QColor KolorRysowania(TKolor kolor)
{
    if (kolor == KeyColor || kolor > 0xFFFFFF)
        return Przezroczysty;
    return KolorQt(kolor);
}

QColor KolorZaznaczenia()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

void Prostokat(QPainter& malarz, const QRect& prostokat, const QColor& pioro, const QColor& pedzel)
{
    if (prostokat.width() < 1 || prostokat.height() < 1)
        return;
    malarz.save();
    malarz.setCompositionMode(QPainter::CompositionMode_Source);
    malarz.fillRect(prostokat, pedzel);
    malarz.restore();
    Obramowanie(malarz, prostokat, pioro);
}

void Obramowanie(QPainter& malarz, const QRect& prostokat, const QColor& pioro)
{
    if (prostokat.width() < 1 || prostokat.height() < 1 || pioro.alpha() == 0)
        return;
    malarz.save();
    malarz.setCompositionMode(QPainter::CompositionMode_Source);
    malarz.setPen(QPen(pioro, 0));
    malarz.setBrush(Qt::NoBrush);
    malarz.drawRect(prostokat.adjusted(0, 0, -1, -1));
    malarz.restore();
}

void WypiszTekst(QPainter& malarz, int x, int y, const QString& tekst, const QFont& font, const QColor& kolor,
                 const QColor& tlo)
{
    QFontMetrics miara(font, malarz.device());
    if (tlo.alpha() != 0)
        Prostokat(malarz, QRect(x, y, miara.horizontalAdvance(tekst), miara.height()), Przezroczysty, tlo);
    malarz.setFont(font);
    malarz.setPen(kolor);
    malarz.drawText(QPoint(x, y + miara.ascent()), tekst);
}

void aBodySTag::Draw(QPainter& malarz)
{
    if (!atrybuty.Ma(QStringLiteral("bgcolor")))
        return;
    QColor kolor = KolorRysowania(HtmlToColor(atrybuty.Wartosc(QStringLiteral("bgcolor"))));
    Prostokat(malarz, QRect(0, 0, malarz.device()->width(), malarz.device()->height()), Przezroczysty, kolor);
}

void aPSTag::Draw(QPainter& malarz)
{
    if (!atrybuty.Ma(QStringLiteral("bgcolor")))
        return;
    // The paragraph's background spans the area over the visible items up to its end.
    int gora = 10000;
    int dol = 0;
    const auto& items = owner->Items();
    int glebokosc = 1;
    for (size_t i = static_cast<size_t>(indeks) + 1; i < items.size() && glebokosc > 0; ++i) {
        const atag* item = items[i].get();
        if (JestKlasy<aPSTag>(item))
            ++glebokosc;
        else if (JestKlasy<aPETag>(item))
            --glebokosc;
        else if (JestKlasy<aVisTag>(item) && item->Widoczny()) {
            gora = std::min(gora, item->y);
            dol = std::max(dol, item->y + item->height);
        }
    }
    QColor kolor = KolorRysowania(HtmlToColor(atrybuty.Wartosc(QStringLiteral("bgcolor"))));
    Prostokat(malarz, ProstokatGdi(5, gora, owner->SzerokoscObszaru() - 5, dol), kolor, kolor);
}

void aText::Draw(QPainter& malarz)
{
    if (!visible)
        return;
    TKolor kolor = KolorCzcionki();
    TCzcionkaHtml czcionka = font;
    if (kolor != textColour)
        czcionka.podkreslona = true; // links are underlined
    QColor tlo = KolorRysowania(background);
    Prostokat(malarz, Box(), Przezroczysty, tlo);
    DrawScriptText(malarz, *this, czcionka, KolorRysowania(kolor), tlo);
    if (selected)
        DrawScriptText(malarz, *this, czcionka, KolorRysowania(owner->KolorTla()), KolorZaznaczenia());
}

void aSpace::Draw(QPainter& malarz)
{
    if (!visible || !font.podkreslona)
        return; // a blank shows only as the stretch of an underline
    QColor tlo = KolorRysowania(background == KolorBrak ? owner->Stan().background : background);
    QColor kolor = KolorRysowania(textColour);
    TCzcionkaHtml czcionka = font;
    if (selected) {
        kolor = tlo;
        tlo = KolorZaznaczenia();
    }
    if (!href.isEmpty())
        kolor = KolorRysowania(KolorCzcionki());
    WypiszTekst(malarz, x, y, QStringLiteral(" "), CzcionkaQt(czcionka), kolor, tlo);
}

void aLISTag::Draw(QPainter& malarz)
{
    if (!visible)
        return;
    QColor tlo = KolorRysowania(background == KolorBrak ? owner->KolorTla() : background);
    QColor kolor = KolorRysowania(textColour);
    QColor pioro = tlo;
    if (selected) {
        kolor = tlo;
        tlo = pioro = KolorZaznaczenia();
    }
    Prostokat(malarz, ProstokatGdi(x, y + height - lineHeight, x + width + 20, y + height), pioro, tlo);
    // Bullets follow the list kind held when drawing: the last list tag laid out.
    const TCurrentState& stan = owner->Stan();
    if (stan.listType == QLatin1String("number")) {
        WypiszTekst(malarz, x + 25, y, QString::number(number) + QLatin1Char('.'), CzcionkaQt(font), kolor, tlo);
        return;
    }
    int s = stan.font.rozmiar;
    QRect punkt = ProstokatGdi(x + 25, y + 4, x + 25 + s, y + 4 + s);
    if (stan.listType.isEmpty() || stan.listType == QLatin1String("round")) {
        malarz.setPen(pioro.alpha() != 0 ? QPen(pioro, 0) : QPen(Qt::NoPen));
        malarz.setBrush(Qt::black);
        malarz.drawEllipse(punkt.adjusted(0, 0, -1, -1));
    } else if (stan.listType == QLatin1String("square") || stan.listType == QLatin1String("disk")) {
        Prostokat(malarz, punkt, pioro, Qt::black);
    }
}

void aHorizontalRule::Draw(QPainter& malarz)
{
    if (!visible)
        return;
    QColor tlo = KolorRysowania(background);
    QColor pioro = Qt::black;
    QColor pedzel = tlo;
    if (selected) {
        Prostokat(malarz, Box(), KolorZaznaczenia(), KolorZaznaczenia());
        pioro = tlo;
        pedzel = KolorZaznaczenia();
    } else {
        Prostokat(malarz, Box(), tlo, tlo);
    }
    if (NoShade())
        pedzel = QColor(0x80, 0x80, 0x80);
    int lewy = (owner->SzerokoscObszaru() - RuleWidth()) / 2;
    Prostokat(malarz, ProstokatGdi(lewy, y + 5, owner->SzerokoscObszaru() + x - lewy - 5, y + 5 + Size()), pioro, pedzel);
}

void aPicture::Draw(QPainter& malarz)
{
    if (visible && !obraz.isNull())
        malarz.drawImage(QPoint(x, y), obraz);
}

void aFormElement::Draw(QPainter& malarz)
{
    QString typ = atrybuty.Wartosc(QStringLiteral("type"));
    QRect prostokat(x, y, width, height);
    QStyleOptionButton opcje;
    opcje.rect = prostokat;
    opcje.palette = QApplication::palette();
    if (typ == QLatin1String("submit") || typ == QLatin1String("button")) {
        Prostokat(malarz, prostokat, Przezroczysty, opcje.palette.color(QPalette::Button));
        opcje.state = QStyle::State_Enabled | QStyle::State_Raised;
        QApplication::style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opcje, &malarz);
        QString napis = atrybuty.Wartosc(QStringLiteral("value"));
        if (!napis.isEmpty())
            napis[0] = napis[0].toUpper();
        malarz.setFont(CzcionkaQt(font));
        malarz.setPen(Qt::black);
        malarz.drawText(prostokat, Qt::AlignCenter | Qt::TextSingleLine, napis);
    } else if (typ == QLatin1String("checkbox")) {
        Prostokat(malarz, prostokat, Przezroczysty, KolorRysowania(background));
        opcje.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        opcje.rect = QRect(x, y, height, height);
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opcje, &malarz);
    }
}

void aUserDefined::Draw(QPainter& malarz)
{
    QRect prostokat(x, y, width, height);
    Prostokat(malarz, prostokat, Przezroczysty, Przezroczysty);
    owner->RysujElementUzytkownika(*this, malarz, prostokat);
}

void aTDSTag::Draw(QPainter& malarz)
{
    QRect prostokat(x, y, width, height);
    if (width < 1 || height < 1)
        return; // a cell outside any table has no place
    Prostokat(malarz, prostokat, Przezroczysty, KolorRysowania(Bgcolor()));
    owner->DrawSubRenderer(*this, malarz);
    Obramowanie(malarz, prostokat, Qt::black);
}
