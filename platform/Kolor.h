#pragma once
// Colours of the program are 24-bit values in blue-green-red order: 0x0000FF is red.
#include <QColor>
#include <cstdint>

using TKolor = std::uint32_t;

QColor KolorQt(TKolor kolor);
TKolor KolorZQt(const QColor& kolor);
