#pragma once
// Fonts of the mark-up items and the measuring of text for the layout. The layout asks an
// interface, so tests can put a fake measurer in place of the real fonts and check positions
// exactly.
#include <QImage>
#include <QString>

class QFont;

// A font held by value: an item keeps the font it was laid out with.
struct TCzcionkaHtml {
    QString nazwa = QStringLiteral("MS Sans Serif");
    int rozmiar = 8; // points
    bool pogrubiona = false;
    bool pochylona = false;
    bool podkreslona = false;
    bool przekreslona = false;

    bool operator==(const TCzcionkaHtml&) const = default;
};

class TMiaraTekstu {
public:
    virtual ~TMiaraTekstu() = default;
    virtual int SzerokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const = 0;
    virtual int WysokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const = 0;
};

// Measures with the fonts the text is drawn in, on an image like the one it is drawn on.
class TMiaraTekstuQt : public TMiaraTekstu {
public:
    TMiaraTekstuQt();
    int SzerokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const override;
    int WysokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const override;

private:
    QImage obraz_;
};

// The font a mark-up font is drawn in, at its own size or at another size in points.
QFont CzcionkaQt(const TCzcionkaHtml& czcionka);
QFont CzcionkaQt(const TCzcionkaHtml& czcionka, int punkty);

// The characters that are written for a word: line breaks are not written.
QString TekstDoWypisania(const QString& slowo, const TCzcionkaHtml& czcionka);
