#include "StanHtml.h"

void TCurrentState::Rebuild()
{
    font = TCzcionkaHtml();
    visible = true;
    background = KeyColor;
    indent = 0;
    href.clear();
    align.clear();
    textColour = KolorCzarny;
    hoverColour = 0x0000FF;
    visitedColour = 0x800080;
    linkColour = 0xFF0000;
    selected = false;
    subSupMode = 0;
    for (const TZnacznikStanu* tag : stack)
        tag->ApplyToState(*this);
}

void TCurrentState::PushTag(const TZnacznikStanu* tag)
{
    stack.push_back(tag);
    Rebuild();
}

void TCurrentState::PopTag(bool (*jestKlasy)(const TZnacznikStanu*))
{
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (jestKlasy(*it)) {
            stack.erase(std::next(it).base());
            break;
        }
    Rebuild();
}

void TCurrentState::Reset()
{
    stack.clear();
    Rebuild();
}
