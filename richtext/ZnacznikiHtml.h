#pragma once
// The items of a parsed mark-up text: one per tag, per word and per blank between words. Each
// class knows what it does to the style state, how it is laid out and (later) drawn.
#include "AtrybutyHtml.h"
#include "KontekstUkladu.h"
#include "MiaraTekstu.h"
#include "StanHtml.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>

class QPainter;

class atag : public TZnacznikStanu {
public:
    // Takes what the item keeps of its attributes (most items read them when used).
    virtual void ReadAttributes() {}
    virtual void LayoutStep() {}
    // Draws the item on its renderer's picture at the place the layout gave it.
    virtual void Draw(QPainter&) {}
    // False only for a visible item inside "head" or "script".
    virtual bool Widoczny() const { return true; }

    QString tekst; // "<" + lower-cased name + ">" for a tag, the word, or a single blank
    TKontekstUkladu* owner = nullptr;
    TListaAtrybutow atrybuty;
    int indeks = -1; // position in the owner's item list

    // Placed by the layout; tags that draw nothing keep a zero size.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int lineNumber = -1;
    int lineHeight = 0;

protected:
    TCurrentState& Stan() const;
    void PushSelf();
    void PopTag(bool (*jestKlasy)(const TZnacznikStanu*)) const;
};

template <class Klasa>
bool JestKlasy(const TZnacznikStanu* tag)
{
    return dynamic_cast<const Klasa*>(tag) != nullptr;
}

// An invisible tag: it only changes the style state.
class aInVisTag : public atag {};
// An invisible tag that ends the line after it.
class aInVisLNTag : public aInVisTag {};
// An invisible tag that starts a new line before it.
class aLNInVisTag : public aInVisTag {};

// A start tag that stays on the state's stack until its end tag.
template <class Baza>
class ZnacznikOtwierajacy : public Baza {
public:
    void LayoutStep() override { this->PushSelf(); }
};

// An end tag: removes the newest open start tag of its class.
template <class Poczatek, class Baza = aInVisTag>
class ZnacznikZamykajacy : public Baza {
public:
    void LayoutStep() override { this->PopTag(&JestKlasy<Poczatek>); }
};

// "b", "i", "u", "s": one more style of the font.
template <bool TCzcionkaHtml::*Cecha>
class ZnacznikCechyCzcionki : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override { stan.font.*Cecha = true; }
};

// "sub" (1) and "sup" (2).
template <int Tryb>
class ZnacznikIndeksu : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override { stan.subSupMode = Tryb; }
};

// "head" and "script": what they hold is not shown.
class ZnacznikUkrytejCzesci : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};

class aHtmlSTag : public aInVisTag {};
class aHtmlETag : public aInVisTag {};
class aHeadSTag : public ZnacznikUkrytejCzesci {};
class aHeadETag : public ZnacznikZamykajacy<aHeadSTag> {};
class aScriptSTag : public ZnacznikUkrytejCzesci {};
class aScriptETag : public ZnacznikZamykajacy<aScriptSTag> {};
class aTitleSTag : public aInVisLNTag {};
class aTitleETag : public aInVisLNTag {};

class aBodySTag : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
    void Draw(QPainter& malarz) override;
};
class aBodyETag : public ZnacznikZamykajacy<aBodySTag> {};

class aFontSTag : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};
class aFontETag : public ZnacznikZamykajacy<aFontSTag> {};

class aBlockquoteSTag : public ZnacznikOtwierajacy<aLNInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};
class aBlockquoteETag : public ZnacznikZamykajacy<aBlockquoteSTag, aInVisLNTag> {};

class aPSTag : public ZnacznikOtwierajacy<aLNInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
    void Draw(QPainter& malarz) override;
};
class aPETag : public ZnacznikZamykajacy<aPSTag, aInVisLNTag> {};
class aBRTag : public aInVisLNTag {};

class aUSTag : public ZnacznikCechyCzcionki<&TCzcionkaHtml::podkreslona> {};
class aUETag : public ZnacznikZamykajacy<aUSTag> {};
class aBSTag : public ZnacznikCechyCzcionki<&TCzcionkaHtml::pogrubiona> {};
class aBETag : public ZnacznikZamykajacy<aBSTag> {};
class aSSTag : public ZnacznikCechyCzcionki<&TCzcionkaHtml::przekreslona> {};
class aSETag : public ZnacznikZamykajacy<aSSTag> {};
class aISTag : public ZnacznikCechyCzcionki<&TCzcionkaHtml::pochylona> {};
class aIETag : public ZnacznikZamykajacy<aISTag> {};
class aSubSTag : public ZnacznikIndeksu<1> {};
class aSubETag : public ZnacznikZamykajacy<aSubSTag> {};
class aSupSTag : public ZnacznikIndeksu<2> {};
class aSupETag : public ZnacznikZamykajacy<aSupSTag> {};

class aASTag : public ZnacznikOtwierajacy<aInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};
class aAETag : public ZnacznikZamykajacy<aASTag> {};

class aULSTag : public ZnacznikOtwierajacy<aInVisLNTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};
class aULETag : public ZnacznikZamykajacy<aULSTag> {};

class aOLSTag : public aInVisLNTag {
public:
    // Numbers the list items up to the list's end, then stacks itself.
    void LayoutStep() override;
    void ApplyToState(TCurrentState& stan) const override;
};
class aOLETag : public ZnacznikZamykajacy<aOLSTag> {};

class aFormSTag : public ZnacznikOtwierajacy<aLNInVisTag> {
public:
    void ApplyToState(TCurrentState& stan) const override;
};
class aFormETag : public ZnacznikZamykajacy<aFormSTag, aInVisLNTag> {};

class aSelectionSTag : public aInVisTag {
public:
    // Stacks itself and scrolls the picture so that the selection shows.
    void LayoutStep() override;
    void ApplyToState(TCurrentState& stan) const override;
};
class aSelectionETag : public ZnacznikZamykajacy<aSelectionSTag> {};

class aDynamicTag : public aInVisTag {};

class aTableSTag : public aLNInVisTag {
public:
    void LayoutStep() override;
};
class aTableETag : public aInVisLNTag {};

class aTRSTag : public aInVisTag {
public:
    // Counts the cells of its row: those after it up to the next row's start or end.
    void LayoutStep() override;

    int cellCount = 0;
};
class aTRETag : public aLNInVisTag {};
class aTDETag : public aInVisTag {};
class aTHETag : public aTDETag {};

// A visible item with a box.
class aVisTag : public atag {
public:
    bool Widoczny() const override { return visible; }
    // Copies the current style (the font as a copy) into the item.
    void TakeStyle();
    // The item's box: its width by the line's height, standing on the item's bottom.
    QRect Box() const;
    bool HitTest(QPoint punkt) const;
    // The text colour, or for a link the hover, visited or link colour.
    TKolor KolorCzcionki() const;

    bool visible = true;
    bool selected = false;
    TKolor textColour = KolorCzarny;
    TKolor linkColour = 0xFF0000;
    TKolor hoverColour = 0x0000FF;
    TKolor visitedColour = 0x800080;
    TKolor background = KolorBrak;
    QString href;
    bool hover = false;
    bool visited = false;
    TCzcionkaHtml font;
    QString align;
};

class aText : public aVisTag {
public:
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;

    int subSupMode = 0;
};

class aSpace : public aVisTag {
public:
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;
};

class aPicture : public aVisTag {
public:
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;
    // The path (or resource name) the "src" attribute points at.
    QString ResolveSource();

    QString source;
    QString scheme;
    QString path;
    QImage obraz; // ready to draw: white made transparent, stretched to the given size
};

class aHorizontalRule : public aVisTag {
public:
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;
    int Size() const;
    int RuleWidth() const;
    bool NoShade() const;
};

class aLISTag : public aVisTag {
public:
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;
    void ApplyToState(TCurrentState& stan) const override;

    int number = 0;
};
class aLIETag : public ZnacznikZamykajacy<aLISTag, aInVisLNTag> {};

class aFormElement : public aVisTag {
public:
    void ReadAttributes() override;
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;

    QString formName;
    QString formMethod;
    QString formAction;
    bool checked = false;
};

class aUserDefined : public aVisTag {
public:
    void ReadAttributes() override;
    void LayoutStep() override;
    void Draw(QPainter& malarz) override;

    QString variable1;
    QString variable2;
    QString variable3;
};

class aTDSTag : public aVisTag {
public:
    void Draw(QPainter& malarz) override;
    virtual QString OpenText() const { return QStringLiteral("<td>"); }
    virtual QString CloseText() const { return QStringLiteral("</td>"); }
    TKolor Bgcolor() const;

    int nestedRenderer = -1; // index of its nested renderer, -1 until laid out
    QString cellSource;
    int column = 0;
    int row = 0;
};
class aTHSTag : public aTDSTag {
public:
    QString OpenText() const override { return QStringLiteral("<th>"); }
    QString CloseText() const override { return QStringLiteral("</th>"); }
};

// Tag groups that may be recognised, one bit per group 0..7.
using TGrupyZnacznikow = unsigned;
constexpr TGrupyZnacznikow DomyslneGrupyZnacznikow = 0x7F; // groups 0..6

// The signed index of a tag name (negative for an end tag), or 0 when unknown or not allowed.
int FindTag(const QString& tekst, TGrupyZnacznikow dozwolone);
// The item of the class a signed index makes, or none.
std::unique_ptr<atag> UtworzZnacznik(int indeks);
