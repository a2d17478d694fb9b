#include "MiaraTekstu.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

TMiaraTekstuQt::TMiaraTekstuQt() : obraz_(1, 1, QImage::Format_ARGB32_Premultiplied) {}

int TMiaraTekstuQt::SzerokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const
{
    return QFontMetrics(CzcionkaQt(czcionka), &obraz_).horizontalAdvance(TekstDoWypisania(tekst, czcionka));
}

int TMiaraTekstuQt::WysokoscTekstu(const QString&, const TCzcionkaHtml& czcionka) const
{
    return QFontMetrics(CzcionkaQt(czcionka), &obraz_).height();
}

QFont CzcionkaQt(const TCzcionkaHtml& czcionka)
{
    return CzcionkaQt(czcionka, czcionka.rozmiar);
}

QFont CzcionkaQt(const TCzcionkaHtml& czcionka, int punkty)
{
    QFont font(czcionka.nazwa);
    // Pixels, not points: the layout must not depend on the screen's resolution. A negative
    // size means the same size (as it always has); a size beyond any screen is held back.
    constexpr long NajwiekszyPiksel = 1000;
    long piksele = std::lround(std::abs(punkty) * 96.0 / 72.0);
    font.setPixelSize(static_cast<int>(std::clamp(piksele, 1L, NajwiekszyPiksel)));
    font.setBold(czcionka.pogrubiona);
    font.setItalic(czcionka.pochylona);
    font.setUnderline(czcionka.podkreslona);
    font.setStrikeOut(czcionka.przekreslona);
    return font;
}

QString TekstDoWypisania(const QString& slowo, const TCzcionkaHtml&)
{
    QString tekst = slowo;
    return tekst.remove(QStringLiteral("\r\n"));
}
