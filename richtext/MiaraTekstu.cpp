#include "MiaraTekstu.h"

#include "CzcionkaSymbol.h"

#include <QFont>
#include <QFontMetrics>

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
    QFont font = CzcionkaEkranowa(czcionka.nazwa, punkty);
    font.setBold(czcionka.pogrubiona);
    font.setItalic(czcionka.pochylona);
    font.setUnderline(czcionka.podkreslona);
    font.setStrikeOut(czcionka.przekreslona);
    return font;
}

QString TekstDoWypisania(const QString& slowo, const TCzcionkaHtml& czcionka)
{
    QString tekst = slowo;
    tekst.remove(QStringLiteral("\r\n"));
    return JestCzcionkaSymbol(czcionka.nazwa) ? TekstCzcionkiSymbol(tekst) : tekst;
}
