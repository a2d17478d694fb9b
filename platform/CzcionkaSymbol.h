#pragma once
// The fonts the windows use. "MS Sans Serif", "Arial" and "Arial CE" are drawn
// in Liberation Sans, which has their metrics. Text set in the "Symbol" font is written with
// the Greek letters (and signs) its Latin characters stand for in the Adobe Symbol encoding,
// also in Liberation Sans: "r" in Symbol is "ρ". Sizes are set in pixels (pt × 96 / 72), so
// layouts do not depend on the screen's resolution.
#include <QFont>
#include <QString>

bool JestCzcionkaSymbol(const QString& nazwaCzcionki);
// The characters a text in the Symbol font shows ("Dr" gives "Δρ"); other characters stay.
QString TekstCzcionkiSymbol(const QString& tekst);
int PikseleZPunktow(int punkty);
// The font to draw a text set in the named font at the size in points; for "Symbol", write
// the text through TekstCzcionkiSymbol.
QFont CzcionkaEkranowa(const QString& nazwa, int punkty);
