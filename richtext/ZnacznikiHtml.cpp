#include "ZnacznikiHtml.h"

#include "ObrazPliku.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

using TFabryka = std::unique_ptr<atag> (*)();

template <class Klasa>
std::unique_ptr<atag> Utworz()
{
    return std::make_unique<Klasa>();
}

struct TWierszTagTable {
    const char* nazwa;
    int grupa;
    TFabryka poczatek;
    TFabryka koniec; // none: the end tag is dropped
};

// Row i describes the tag of index i + 1.
const TWierszTagTable TagTable[] = {
    {"html", 7, &Utworz<aHtmlSTag>, &Utworz<aHtmlETag>},
    {"head", 7, &Utworz<aHeadSTag>, &Utworz<aHeadETag>},
    {"script", 7, &Utworz<aScriptSTag>, &Utworz<aScriptETag>},
    {"body", 0, &Utworz<aBodySTag>, &Utworz<aBodyETag>},
    {"font", 0, &Utworz<aFontSTag>, &Utworz<aFontETag>},
    {"blockquote", 0, &Utworz<aBlockquoteSTag>, &Utworz<aBlockquoteETag>},
    {"indent", 0, &Utworz<aBlockquoteSTag>, &Utworz<aBlockquoteETag>},
    {"p", 1, &Utworz<aPSTag>, &Utworz<aPETag>},
    {"div", 1, &Utworz<aPSTag>, &Utworz<aPETag>},
    {"br", 1, &Utworz<aBRTag>, &Utworz<aBRTag>},
    {"u", 0, &Utworz<aUSTag>, &Utworz<aUETag>},
    {"b", 0, &Utworz<aBSTag>, &Utworz<aBETag>},
    {"s", 0, &Utworz<aSSTag>, &Utworz<aSETag>},
    {"i", 0, &Utworz<aISTag>, &Utworz<aIETag>},
    {"a", 0, &Utworz<aASTag>, &Utworz<aAETag>},
    {"ul", 5, &Utworz<aULSTag>, &Utworz<aULETag>},
    {"ol", 5, &Utworz<aOLSTag>, &Utworz<aOLETag>},
    {"li", 5, &Utworz<aLISTag>, &Utworz<aLIETag>},
    {"title", 7, &Utworz<aTitleSTag>, &Utworz<aTitleETag>},
    {"img", 2, &Utworz<aPicture>, nullptr},
    {"hr", 2, &Utworz<aHorizontalRule>, nullptr},
    {"dynamic", 3, &Utworz<aDynamicTag>, &Utworz<aDynamicTag>},
    {"form", 6, &Utworz<aFormSTag>, &Utworz<aFormETag>},
    {"input", 6, &Utworz<aFormElement>, nullptr},
    {"user", 3, &Utworz<aUserDefined>, nullptr},
    {"selection", 0, &Utworz<aSelectionSTag>, &Utworz<aSelectionETag>},
    {"hi", 0, &Utworz<aSelectionSTag>, &Utworz<aSelectionETag>},
    {"sub", 0, &Utworz<aSubSTag>, &Utworz<aSubETag>},
    {"sup", 0, &Utworz<aSupSTag>, &Utworz<aSupETag>},
    {"table", 4, &Utworz<aTableSTag>, &Utworz<aTableETag>},
    {"tr", 4, &Utworz<aTRSTag>, &Utworz<aTRETag>},
    {"td", 4, &Utworz<aTDSTag>, &Utworz<aTDETag>},
    {"th", 4, &Utworz<aTHSTag>, &Utworz<aTHETag>},
};
constexpr long long NajwiekszyRozmiarCzcionki = 1000; // points

constexpr int LiczbaZnacznikow = static_cast<int>(std::size(TagTable));
static_assert(LiczbaZnacznikow == 33);

// Replaces every occurrence, ignoring case.
QString ReplaceAllText(QString tekst, const QString& stary, const QString& nowy)
{
    return tekst.replace(stary, nowy, Qt::CaseInsensitive);
}

// The first name between two "%" signs becomes the value of that environment variable.
QString ExpandPercentVariable(const QString& tekst)
{
    qsizetype pierwszy = tekst.indexOf(QLatin1Char('%'));
    qsizetype drugi = pierwszy < 0 ? -1 : tekst.indexOf(QLatin1Char('%'), pierwszy + 1);
    if (drugi < 0)
        return tekst;
    QString nazwa = tekst.mid(pierwszy + 1, drugi - pierwszy - 1);
    return ReplaceAllText(tekst, QLatin1Char('%') + nazwa + QLatin1Char('%'), qEnvironmentVariable(nazwa.toLocal8Bit().constData()));
}

// A picture file is drawn with its white pixels transparent.
QImage BezBialego(const QImage& obraz)
{
    QImage wynik = obraz.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < wynik.height(); ++y) {
        auto* wiersz = reinterpret_cast<QRgb*>(wynik.scanLine(y));
        for (int x = 0; x < wynik.width(); ++x)
            if ((wiersz[x] & 0xFFFFFF) == 0xFFFFFF)
                wiersz[x] = 0;
    }
    return wynik;
}

} // namespace

int FindTag(const QString& tekst, TGrupyZnacznikow dozwolone)
{
    QString nazwa = tekst.startsWith(QLatin1Char('<')) ? tekst.mid(1, tekst.size() - 2) : LowerAscii(tekst);
    bool koncowy = nazwa.startsWith(QLatin1Char('/'));
    if (koncowy)
        nazwa.remove(0, 1);
    for (int i = 0; i < LiczbaZnacznikow; ++i)
        if (nazwa == QLatin1String(TagTable[i].nazwa)) {
            if ((dozwolone & (1u << TagTable[i].grupa)) == 0)
                return 0;
            return koncowy ? -(i + 1) : i + 1;
        }
    return 0;
}

std::unique_ptr<atag> UtworzZnacznik(int indeks)
{
    if (indeks == 0 || indeks > LiczbaZnacznikow || indeks < -LiczbaZnacznikow)
        return nullptr;
    const TWierszTagTable& wiersz = TagTable[std::abs(indeks) - 1];
    TFabryka fabryka = indeks > 0 ? wiersz.poczatek : wiersz.koniec;
    return fabryka ? fabryka() : nullptr;
}

TCurrentState& atag::Stan() const
{
    return owner->Stan();
}

void atag::PushSelf()
{
    Stan().PushTag(this);
}

void atag::PopTag(bool (*jestKlasy)(const TZnacznikStanu*)) const
{
    Stan().PopTag(jestKlasy);
}

void ZnacznikUkrytejCzesci::ApplyToState(TCurrentState& stan) const
{
    stan.visible = false;
}

void aBodySTag::ApplyToState(TCurrentState& stan) const
{
    if (atrybuty.Ma(QStringLiteral("text")))
        stan.textColour = HtmlToColor(atrybuty.Wartosc(QStringLiteral("text")));
    if (atrybuty.Ma(QStringLiteral("link")))
        stan.linkColour = HtmlToColor(atrybuty.Wartosc(QStringLiteral("link")));
    if (atrybuty.Ma(QStringLiteral("alink")))
        stan.hoverColour = HtmlToColor(atrybuty.Wartosc(QStringLiteral("alink")));
    if (atrybuty.Ma(QStringLiteral("vlink")))
        stan.visitedColour = HtmlToColor(atrybuty.Wartosc(QStringLiteral("vlink")));
    if (atrybuty.Ma(QStringLiteral("bgcolor"))) {
        stan.background = HtmlToColor(atrybuty.Wartosc(QStringLiteral("bgcolor")));
        stan.owner->UstawKolorTla(stan.background);
    }
}

void aFontSTag::ApplyToState(TCurrentState& stan) const
{
    if (atrybuty.Ma(QStringLiteral("color")))
        stan.textColour = HtmlToColor(atrybuty.Wartosc(QStringLiteral("color")));
    if (atrybuty.Ma(QStringLiteral("name")))
        stan.font.nazwa = atrybuty.Wartosc(QStringLiteral("name"));
    else if (atrybuty.Ma(QStringLiteral("face")))
        stan.font.nazwa = atrybuty.Wartosc(QStringLiteral("face"));
    if (atrybuty.Ma(QStringLiteral("size"))) {
        // "+n" and "-n" are relative to the default 8 points.
        QString rozmiar = atrybuty.Wartosc(QStringLiteral("size"));
        qsizetype plus = rozmiar.indexOf(QLatin1Char('+'));
        qsizetype minus = rozmiar.indexOf(QLatin1Char('-'));
        long long punkty = 0;
        if (plus >= 0)
            punkty = 8LL + CalkowitaLub(rozmiar.mid(plus + 1), 0);
        else if (minus >= 0)
            punkty = 8LL - CalkowitaLub(rozmiar.mid(minus + 1), 0);
        else
            punkty = CalkowitaLub(rozmiar, 8);
        // Sizes past any screen are held back, so the layout's sums cannot overflow.
        stan.font.rozmiar = static_cast<int>(std::clamp(punkty, -NajwiekszyRozmiarCzcionki, NajwiekszyRozmiarCzcionki));
    }
}

void aBlockquoteSTag::ApplyToState(TCurrentState& stan) const
{
    stan.indent += 50;
}

void aPSTag::ApplyToState(TCurrentState& stan) const
{
    if (atrybuty.Ma(QStringLiteral("bgcolor")))
        stan.background = HtmlToColor(atrybuty.Wartosc(QStringLiteral("bgcolor")));
    if (atrybuty.Ma(QStringLiteral("align")))
        stan.align = atrybuty.Wartosc(QStringLiteral("align"));
}

void aASTag::ApplyToState(TCurrentState& stan) const
{
    stan.href = atrybuty.Wartosc(QStringLiteral("href"));
}

void aULSTag::ApplyToState(TCurrentState& stan) const
{
    stan.listType = atrybuty.Wartosc(QStringLiteral("type"));
}

void aOLSTag::LayoutStep()
{
    const auto& items = owner->Items();
    int glebokosc = 1;
    int numer = 0;
    for (size_t i = static_cast<size_t>(indeks) + 1; i < items.size() && glebokosc > 0; ++i) {
        atag* item = items[i].get();
        if (dynamic_cast<aOLSTag*>(item))
            ++glebokosc;
        else if (dynamic_cast<aOLETag*>(item))
            --glebokosc;
        else if (auto* punkt = dynamic_cast<aLISTag*>(item))
            punkt->number = ++numer;
    }
    PushSelf();
}

void aOLSTag::ApplyToState(TCurrentState& stan) const
{
    stan.listType = QStringLiteral("number");
}

void aFormSTag::ApplyToState(TCurrentState& stan) const
{
    stan.formName = atrybuty.Wartosc(QStringLiteral("name"));
    stan.formMethod = atrybuty.Wartosc(QStringLiteral("method"));
    stan.formAction = atrybuty.Wartosc(QStringLiteral("action"));
}

void aSelectionSTag::LayoutStep()
{
    PushSelf();
    owner->PokazZaznaczenieOd(y);
}

void aSelectionSTag::ApplyToState(TCurrentState& stan) const
{
    stan.selected = true;
}

void aTableSTag::LayoutStep()
{
    owner->UlozTabele(*this);
}

void aTRSTag::LayoutStep()
{
    cellCount = owner->LiczbaKomorekOd(indeks + 1);
}

void aVisTag::TakeStyle()
{
    const TCurrentState& stan = Stan();
    font = stan.font;
    textColour = stan.textColour;
    hoverColour = stan.hoverColour;
    visitedColour = stan.visitedColour;
    linkColour = stan.linkColour;
    visible = stan.visible;
    background = stan.background;
    href = stan.href;
    align = stan.align;
    selected = stan.selected;
}

QRect aVisTag::Box() const
{
    return QRect(x, y + height - lineHeight, width, lineHeight);
}

TKolor aVisTag::KolorCzcionki() const
{
    if (href.isEmpty())
        return textColour;
    if (hover)
        return hoverColour;
    return visited ? visitedColour : linkColour;
}

bool aVisTag::HitTest(QPoint punkt) const
{
    if (width < 1 || height < 1)
        return false;
    return x <= punkt.x() && punkt.x() <= x + width && y + height - lineHeight <= punkt.y()
        && punkt.y() <= y + height;
}

void aText::LayoutStep()
{
    TakeStyle();
    subSupMode = Stan().subSupMode;
    // Sub- and superscripts are measured at full size: their line is as tall as a plain one.
    width = visible ? owner->TextWidthOf(tekst, font) : 0;
    height = visible ? owner->TextHeightOf(tekst, font) : 0;
}

void aSpace::LayoutStep()
{
    TakeStyle();
    width = visible ? owner->TextWidthOf(QStringLiteral(" "), font) : 0;
    height = visible ? owner->TextHeightOf(QStringLiteral(" "), font) : 0;
}

QString aPicture::ResolveSource()
{
    QString src = atrybuty.Wartosc(QStringLiteral("src"));
    source = src;
    QString wynik = src;
    qsizetype dwukropek = src.indexOf(QLatin1Char(':'));
    if (dwukropek >= 0) {
        scheme = LowerAscii(src.left(dwukropek));
        qsizetype poczatek = dwukropek + 1;
        while (poczatek < src.size() - 1 && src.at(poczatek) == QLatin1Char('/'))
            ++poczatek;
        path = src.mid(poczatek);
        // A "file:" link with slashes names an absolute path on this system.
        if (scheme == QLatin1String("file"))
            wynik = poczatek > dwukropek + 1 ? QLatin1Char('/') + path : path;
        else if (scheme == QLatin1String("res"))
            wynik = path;
    }
    wynik = ReplaceAllText(wynik, QStringLiteral("%app%"), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    path = ExpandPercentVariable(wynik);
    return path;
}

void aPicture::LayoutStep()
{
    TakeStyle();
    width = 0;
    height = 0;
    obraz = QImage();
    if (!visible)
        return;
    ResolveSource();
    bool zasob = scheme == QLatin1String("res");
    if (zasob)
        obraz = QImage(QStringLiteral(":/") + path.toUpper());
    else if (!path.isEmpty())
        obraz = BezBialego(WczytajObraz(path));
    width = CalkowitaLub(atrybuty.Wartosc(QStringLiteral("width")), obraz.width());
    height = CalkowitaLub(atrybuty.Wartosc(QStringLiteral("height")), obraz.height());
    bool zmienionyRozmiar = atrybuty.Ma(QStringLiteral("width")) || atrybuty.Ma(QStringLiteral("height"));
    if (!zasob && zmienionyRozmiar && !obraz.isNull() && width > 0 && height > 0)
        obraz = obraz.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int aHorizontalRule::Size() const
{
    return CalkowitaLub(atrybuty.Wartosc(QStringLiteral("size")), 4);
}

int aHorizontalRule::RuleWidth() const
{
    // Without a width the rule spans the area less its margins.
    return ParseLength(owner->SzerokoscObszaru(), atrybuty.Wartosc(QStringLiteral("width")), owner->SzerokoscObszaru());
}

bool aHorizontalRule::NoShade() const
{
    return atrybuty.Ma(QStringLiteral("noshade"));
}

void aHorizontalRule::LayoutStep()
{
    TakeStyle();
    height = visible ? Size() + 20 : 0;
    width = visible ? owner->SzerokoscObszaru() : 0;
}

void aLISTag::LayoutStep()
{
    TakeStyle();
    PushSelf();
    width = visible ? 50 : 0;
    height = visible ? owner->TextHeightOf(QStringLiteral("Test"), font) : 0;
}

void aLISTag::ApplyToState(TCurrentState& stan) const
{
    stan.indent += 50;
}

void aFormElement::ReadAttributes()
{
    checked = atrybuty.Ma(QStringLiteral("checked"));
}

void aFormElement::LayoutStep()
{
    const TCurrentState& stan = Stan();
    formName = stan.formName;
    formMethod = stan.formMethod;
    formAction = stan.formAction;
    font = TCzcionkaHtml();
    font.nazwa = QStringLiteral("Arial");
    QString typ = atrybuty.Wartosc(QStringLiteral("type"));
    QString wartosc = atrybuty.Wartosc(QStringLiteral("value"));
    if (typ == QLatin1String("submit") || typ == QLatin1String("button")) {
        width = owner->TextWidthOf(QStringLiteral("  ") + wartosc, font);
        height = owner->TextHeightOf(wartosc, font) + 2;
    } else if (typ == QLatin1String("checkbox")) {
        width = 16;
        height = 12;
    }
}

void aUserDefined::ReadAttributes()
{
    variable1 = atrybuty.Wartosc(QStringLiteral("var1"));
    variable2 = atrybuty.Wartosc(QStringLiteral("var2"));
    variable3 = atrybuty.Wartosc(QStringLiteral("var3"));
}

void aUserDefined::LayoutStep()
{
    width = 0;
    height = 0;
    owner->AktualizujElementUzytkownika(*this);
}

TKolor aTDSTag::Bgcolor() const
{
    return atrybuty.Ma(QStringLiteral("bgcolor")) ? HtmlToColor(atrybuty.Wartosc(QStringLiteral("bgcolor"))) : KeyColor;
}
