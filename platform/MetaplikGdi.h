#pragma once
// What a Windows metafile records, whatever its format: GDI pens, brushes and fonts created,
// selected and deleted in an object table, and the drawing records that use them. Each format
// (MetaplikWmf, MetaplikEmf) encodes the same calls in its own records. Coordinates are device
// pixels; colours are QRgb (alpha ignored).
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPolygon>
#include <QString>
#include <optional>
#include <vector>

// Pen and brush styles of GDI.
namespace Gdi {
constexpr int PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5;
constexpr int PS_ENDCAP_ROUND = 0, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200;
constexpr int PS_JOIN_ROUND = 0, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000;
constexpr int BS_SOLID = 0, BS_NULL = 1;
} // namespace Gdi

struct TPioroGdi {
    int styl = Gdi::PS_SOLID; // with the end cap and join bits
    int szerokosc = 1;
    QRgb kolor = 0;
    bool operator==(const TPioroGdi&) const = default;
};

struct TPedzelGdi {
    int styl = Gdi::BS_SOLID;
    QRgb kolor = 0;
    bool operator==(const TPedzelGdi&) const = default;
};

struct TCzcionkaGdi {
    QString nazwa;
    int wysokosc = 0;      // character height in pixels (stored as a negative lfHeight)
    int waga = 400;        // 400 normal, 700 bold
    bool kursywa = false;
    bool podkreslenie = false;
    bool przekreslenie = false;
    int nachylenie = 0;    // escapement: tenths of a degree, counter-clockwise
    bool operator==(const TCzcionkaGdi&) const = default;
};

// Windows COLORREF: red in the low byte.
quint32 KolorRef(QRgb kolor);

// Little-endian bytes of one record's parameters.
class TBajty {
public:
    TBajty& u8(quint8 v);
    TBajty& u16(quint16 v);
    TBajty& i16(int v);      // clamped to the 16-bit range
    TBajty& u32(quint32 v);
    TBajty& i32(qint32 v);
    TBajty& f32(float v);
    TBajty& bajty(const QByteArray& b);
    TBajty& wyrownaj(int wielokrotnosc);
    const QByteArray& dane() const { return dane_; }
    int rozmiar() const { return static_cast<int>(dane_.size()); }

private:
    template <class Liczba>
    TBajty& Dopisz(Liczba v);
    QByteArray dane_;
};

// A picture as a device-independent bitmap: BITMAPINFOHEADER and 24-bit bottom-up rows.
struct TBitmapaDib {
    QByteArray naglowek;
    QByteArray piksele;
};
TBitmapaDib BitmapaDib(const QImage& obraz);

class TZapisGdi {
public:
    virtual ~TZapisGdi() = default;

    // Selection happens only when the object differs from the one selected.
    void WybierzPioro(const TPioroGdi& pioro);
    void WybierzPedzel(const TPedzelGdi& pedzel);
    void WybierzCzcionke(const TCzcionkaGdi& czcionka);
    void UstawKolorTekstu(QRgb kolor);
    void UstawRegule(Qt::FillRule regula);

    virtual void Lamana(const QPolygon& punkty) = 0;
    virtual void Wielokaty(const QList<QPolygon>& wielokaty) = 0;
    // Text on its baseline from the start point; odstepy are the advances of the characters.
    virtual void Tekst(const QPoint& poczatek, const QString& tekst, const std::vector<int>& odstepy) = 0;
    virtual void Obraz(const QRect& cel, const QImage& obraz) = 0;
    // The whole file.
    virtual QByteArray Zakoncz() = 0;

protected:
    explicit TZapisGdi(int pierwszyIndeks) : pierwszyIndeks_(pierwszyIndeks) {}
    // The largest number of table slots used at once (the formats' headers need it).
    int NajwiecejObiektow() const { return static_cast<int>(zajete_.size()); }

    virtual void ZapiszPioro(int indeks, const TPioroGdi& pioro) = 0;
    virtual void ZapiszPedzel(int indeks, const TPedzelGdi& pedzel) = 0;
    virtual void ZapiszCzcionke(int indeks, const TCzcionkaGdi& czcionka) = 0;
    // The records of one number: an object selected or deleted by its index, the text colour
    // (COLORREF), the polygon fill mode (ALTERNATE 1, WINDING 2).
    enum class Ustawienie { Wybor, Usuniecie, KolorTekstu, Regula };
    virtual void ZapiszUstawienie(Ustawienie ustawienie, quint32 wartosc) = 0;

private:
    // Creates the new object in a free slot, selects it and deletes the one it replaces.
    template <class Obiekt, class Zapis>
    void Zamien(std::optional<Obiekt>& wybrany, int& indeksWybranego, const Obiekt& nowy, Zapis zapisz);
    int WolnyIndeks();

    int pierwszyIndeks_;
    std::vector<bool> zajete_; // slot i holds index pierwszyIndeks_ + i
    std::optional<TPioroGdi> pioro_;
    std::optional<TPedzelGdi> pedzel_;
    std::optional<TCzcionkaGdi> czcionka_;
    int indeksPiora_ = -1, indeksPedzla_ = -1, indeksCzcionki_ = -1;
    std::optional<QRgb> kolorTekstu_;
    int regula_ = 1;
};

