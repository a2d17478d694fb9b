#pragma once
// The style state of the layout: rebuilt from the stack of open start tags whenever a tag is
// pushed or popped.
#include "AtrybutyHtml.h"
#include "MiaraTekstu.h"

#include <QString>
#include <vector>

class TCurrentState;
class TKontekstUkladu;

// A tag as the state sees it on its stack: what it does to the style while it is stacked.
class TZnacznikStanu {
public:
    virtual ~TZnacznikStanu() = default;
    virtual void ApplyToState(TCurrentState&) const {}
};

class TCurrentState {
public:
    explicit TCurrentState(TKontekstUkladu* owner) : owner(owner) { Rebuild(); }

    // Every field below back to its default, then each stacked tag applied, oldest first.
    void Rebuild();
    void PushTag(const TZnacznikStanu* tag);
    // Removes the newest stacked tag of the class the test accepts (JestKlasy<...>).
    void PopTag(bool (*jestKlasy)(const TZnacznikStanu*));
    void Reset();

    TCzcionkaHtml font;
    bool visible = true;
    TKolor background = KeyColor;
    int indent = 0;
    QString href;
    QString align;
    TKolor textColour = KolorCzarny;
    TKolor hoverColour = 0x0000FF;
    TKolor visitedColour = 0x800080;
    TKolor linkColour = 0xFF0000;
    bool selected = false;
    int subSupMode = 0; // 1 inside "sub", 2 inside "sup"
    // These survive rebuilds: the last list and form tags laid out set them.
    QString listType;
    QString formName;
    QString formMethod;
    QString formAction;

    TKontekstUkladu* owner;
    std::vector<const TZnacznikStanu*> stack; // not owned
};
