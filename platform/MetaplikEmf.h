#pragma once
// Enhanced metafile (EMF): 32-bit records after a header that gives the picture's size in device
// units and in hundredths of a millimetre; texts in UTF-16.
#include "MetaplikGdi.h"

#include <QSize>
#include <memory>

// The picture's size in pixels, 96 to the inch; coordinates come in units of
// 1/jednostekNaPiksel pixel.
std::unique_ptr<TZapisGdi> NowyZapisEmf(const QSize& rozmiarPikseli, int jednostekNaPiksel);
