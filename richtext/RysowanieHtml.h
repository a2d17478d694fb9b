#pragma once
// Drawing on the renderer's picture as the label has always drawn: rectangles filled with a
// brush and outlined with a pen, text written with its top at y on an opaque cell of its
// background. The key colour is transparent here, so what is drawn in it shows the label's own
// background, and smoothed glyphs blend with that background, not with the key colour.
// The items' Draw operations (declared with the items) are defined in RysowanieHtml.cpp.
#include "AtrybutyHtml.h"

#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QPainter;

// As KolorQt, but transparent for the key colour and "none".
QColor KolorRysowania(TKolor kolor);
// The colour selected items are written on.
QColor KolorZaznaczenia();

// Fills the rectangle with the brush (a transparent brush clears it) and outlines it with the
// pen (a transparent pen draws no outline).
void Prostokat(QPainter& malarz, const QRect& prostokat, const QColor& pioro, const QColor& pedzel);
// Only the one-pixel outline, inside the rectangle.
void Obramowanie(QPainter& malarz, const QRect& prostokat, const QColor& pioro);
// Writes the text with its top at y; with a background that is not transparent the text's
// cell is filled with it first.
void WypiszTekst(QPainter& malarz, int x, int y, const QString& tekst, const QFont& font, const QColor& kolor,
                 const QColor& tlo);
