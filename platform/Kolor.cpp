#include "Kolor.h"

QColor KolorQt(TKolor kolor)
{
    return QColor(static_cast<int>(kolor & 0xFF), static_cast<int>(kolor >> 8 & 0xFF),
                  static_cast<int>(kolor >> 16 & 0xFF));
}

TKolor KolorZQt(const QColor& kolor)
{
    return static_cast<TKolor>(kolor.red()) | static_cast<TKolor>(kolor.green()) << 8
        | static_cast<TKolor>(kolor.blue()) << 16;
}
