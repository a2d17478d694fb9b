#pragma once
// What the items of a parsed text reach of the renderer that lays them out and draws them: the
// style state, the item list, the area and its background, text measures, the table and cell
// layout, and the user items' callbacks. The renderer implements it; the items and the style
// state know nothing else of the renderer, so the dependency runs one way.
#include "AtrybutyHtml.h"
#include "MiaraTekstu.h"

#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QRect;
class TCurrentState;
class aTDSTag;
class aTableSTag;
class aUserDefined;
class atag;

class TKontekstUkladu {
public:
    virtual ~TKontekstUkladu() = default;

    virtual TCurrentState& Stan() = 0;
    virtual const std::vector<std::unique_ptr<atag>>& Items() const = 0;

    virtual int SzerokoscObszaru() const = 0;
    virtual TKolor KolorTla() const = 0;
    virtual void UstawKolorTla(TKolor kolor) = 0;
    // Scrolls the picture so that a selection starting at y shows.
    virtual void PokazZaznaczenieOd(int y) = 0;

    virtual int TextWidthOf(const QString& tekst, const TCzcionkaHtml& czcionka) const = 0;
    virtual int TextHeightOf(const QString& tekst, const TCzcionkaHtml& czcionka) const = 0;

    virtual void UlozTabele(aTableSTag& tabela) = 0;
    // Cells from the item at `indeks` up to the next row's start or end.
    virtual int LiczbaKomorekOd(int indeks) const = 0;
    virtual void DrawSubRenderer(aTDSTag& komorka, QPainter& malarz) = 0;

    // The user item's size and variables from the owner's callback (zero size without one).
    virtual void AktualizujElementUzytkownika(aUserDefined& element) = 0;
    // The owner's drawing of the user item in its rectangle, when it has one.
    virtual void RysujElementUzytkownika(aUserDefined& element, QPainter& malarz, const QRect& prostokat) = 0;
};
