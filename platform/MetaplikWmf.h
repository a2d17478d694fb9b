#pragma once
// Windows metafile (WMF) with the placeable header: 16-bit records in a window of the picture's
// size in device units; texts in code page 1250 with the Central European character set.
#include "MetaplikGdi.h"

#include <QSize>
#include <memory>

// The picture's size in pixels, 96 to the inch; coordinates come in units of
// 1/jednostekNaPiksel pixel.
std::unique_ptr<TZapisGdi> NowyZapisWmf(const QSize& rozmiarPikseli, int jednostekNaPiksel);
