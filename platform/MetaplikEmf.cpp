#include "MetaplikEmf.h"

#include <cmath>

namespace {

enum : quint32 {
    EMR_HEADER = 1,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_POLYPOLYGON = 8,
    EMR_EOF = 14,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_EXTCREATEPEN = 95,
};

constexpr quint32 PS_GEOMETRIC = 0x00010000;
constexpr quint32 TRANSPARENT = 1, TA_BASELINE = 24, GM_COMPATIBLE = 1, DEFAULT_CHARSET = 1;
constexpr quint32 SRCCOPY = 0x00CC0020, DIB_RGB_COLORS = 0;
constexpr int RozmiarNaglowka = 108;

// The reference device: 3840 x 2400 pixels on 1016 x 635 mm is exactly 96 pixels to the inch
// (times the units per pixel).
constexpr int UrzadzeniePiksele[2] = {3840, 2400};
constexpr int UrzadzenieMilimetry[2] = {1016, 635};

TBajty& Prostokat(TBajty& b, const QRect& r)
{
    return b.i32(r.left()).i32(r.top()).i32(r.right()).i32(r.bottom());
}

TBajty& Punkty(TBajty& b, const QPolygon& punkty)
{
    for (const QPoint& p : punkty)
        b.i32(p.x()).i32(p.y());
    return b;
}

// Hundredths of a millimetre for a length in pixels at 96 to the inch.
int SetneMilimetra(int piksele)
{
    return static_cast<int>(std::lround(piksele * 2540.0 / 96.0));
}

class TZapisEmf final : public TZapisGdi {
public:
    TZapisEmf(const QSize& rozmiarPikseli, int jednostekNaPiksel)
        : TZapisGdi(1), rozmiarPikseli_(rozmiarPikseli), jednostekNaPiksel_(jednostekNaPiksel)
    {
        Rekord(EMR_SETBKMODE, TBajty().u32(TRANSPARENT));
        Rekord(EMR_SETTEXTALIGN, TBajty().u32(TA_BASELINE));
    }

    void Lamana(const QPolygon& punkty) override
    {
        TBajty b;
        Prostokat(b, punkty.boundingRect()).u32(static_cast<quint32>(punkty.size()));
        Rekord(EMR_POLYLINE, Punkty(b, punkty));
    }

    void Wielokaty(const QList<QPolygon>& wielokaty) override
    {
        QPolygon wszystkie;
        for (const QPolygon& w : wielokaty)
            wszystkie += w;
        TBajty b;
        Prostokat(b, wszystkie.boundingRect());
        if (wielokaty.size() == 1) {
            b.u32(static_cast<quint32>(wszystkie.size()));
            Rekord(EMR_POLYGON, Punkty(b, wszystkie));
            return;
        }
        b.u32(static_cast<quint32>(wielokaty.size())).u32(static_cast<quint32>(wszystkie.size()));
        for (const QPolygon& w : wielokaty)
            b.u32(static_cast<quint32>(w.size()));
        Rekord(EMR_POLYPOLYGON, Punkty(b, wszystkie));
    }

    void Tekst(const QPoint& poczatek, const QString& tekst, const std::vector<int>& odstepy) override
    {
        const quint32 liczbaZnakow = static_cast<quint32>(tekst.size());
        constexpr quint32 PoczatekTekstu = 76;
        const quint32 poczatekOdstepow = PoczatekTekstu + (2 * liczbaZnakow + 3) / 4 * 4;
        TBajty b;
        b.i32(0).i32(0).i32(-1).i32(-1); // bounds: not used by readers
        b.u32(GM_COMPATIBLE).f32(1.0f).f32(1.0f);
        b.i32(poczatek.x()).i32(poczatek.y()).u32(liczbaZnakow).u32(PoczatekTekstu).u32(0);
        b.i32(0).i32(0).i32(-1).i32(-1).u32(poczatekOdstepow);
        for (QChar znak : tekst)
            b.u16(znak.unicode());
        b.wyrownaj(4);
        for (int odstep : odstepy)
            b.i32(odstep);
        Rekord(EMR_EXTTEXTOUTW, b);
    }

    void Obraz(const QRect& cel, const QImage& obraz) override
    {
        const TBitmapaDib dib = BitmapaDib(obraz);
        constexpr quint32 PoczatekNaglowka = 80;
        const quint32 poczatekPikseli = PoczatekNaglowka + static_cast<quint32>(dib.naglowek.size());
        TBajty b;
        Prostokat(b, cel);
        b.i32(cel.x()).i32(cel.y()).i32(0).i32(0).i32(obraz.width()).i32(obraz.height());
        b.u32(PoczatekNaglowka).u32(static_cast<quint32>(dib.naglowek.size()));
        b.u32(poczatekPikseli).u32(static_cast<quint32>(dib.piksele.size()));
        b.u32(DIB_RGB_COLORS).u32(SRCCOPY).i32(cel.width()).i32(cel.height());
        Rekord(EMR_STRETCHDIBITS, b.bajty(dib.naglowek).bajty(dib.piksele));
    }

    QByteArray Zakoncz() override
    {
        TBajty koniec;
        koniec.u32(EMR_EOF).u32(20).u32(0).u32(16).u32(20);
        const int dlugosc = RozmiarNaglowka + static_cast<int>(rekordy_.size()) + koniec.rozmiar();
        return Naglowek(dlugosc) + rekordy_ + koniec.dane();
    }

protected:
    // A geometric pen: its width counts in every reader, and it keeps Qt's ends and joins.
    void ZapiszPioro(int indeks, const TPioroGdi& pioro) override
    {
        TBajty b;
        b.u32(static_cast<quint32>(indeks)).u32(0).u32(0).u32(0).u32(0); // no pattern bitmap
        b.u32(PS_GEOMETRIC | static_cast<quint32>(pioro.styl)).u32(static_cast<quint32>(pioro.szerokosc));
        b.u32(Gdi::BS_SOLID).u32(KolorRef(pioro.kolor)).u32(0).u32(0);
        Rekord(EMR_EXTCREATEPEN, b);
    }

    void ZapiszPedzel(int indeks, const TPedzelGdi& pedzel) override
    {
        Rekord(EMR_CREATEBRUSHINDIRECT, TBajty().u32(static_cast<quint32>(indeks)).u32(static_cast<quint32>(pedzel.styl))
                                            .u32(KolorRef(pedzel.kolor)).u32(0));
    }

    void ZapiszCzcionke(int indeks, const TCzcionkaGdi& czcionka) override
    {
        TBajty b;
        b.u32(static_cast<quint32>(indeks));
        b.i32(-czcionka.wysokosc).i32(0).i32(czcionka.nachylenie).i32(czcionka.nachylenie).i32(czcionka.waga);
        b.u8(czcionka.kursywa).u8(czcionka.podkreslenie).u8(czcionka.przekreslenie).u8(DEFAULT_CHARSET);
        b.u8(0).u8(0).u8(0).u8(0); // default precisions, quality, pitch and family
        const QString nazwa = czcionka.nazwa.left(31);
        for (int i = 0; i < 32; ++i)
            b.u16(i < nazwa.size() ? nazwa[i].unicode() : 0);
        Rekord(EMR_EXTCREATEFONTINDIRECTW, b);
    }

    void ZapiszUstawienie(Ustawienie ustawienie, quint32 wartosc) override
    {
        static constexpr quint32 Typy[] = {EMR_SELECTOBJECT, EMR_DELETEOBJECT, EMR_SETTEXTCOLOR, EMR_SETPOLYFILLMODE};
        Rekord(Typy[static_cast<int>(ustawienie)], TBajty().u32(wartosc));
    }

private:
    void Rekord(quint32 typ, const TBajty& parametry)
    {
        rekordy_.append(TBajty().u32(typ).u32(static_cast<quint32>(8 + parametry.rozmiar())).bajty(parametry.dane()).dane());
        ++liczbaRekordow_;
    }

    QByteArray Naglowek(int dlugoscPliku) const
    {
        TBajty b;
        b.u32(EMR_HEADER).u32(RozmiarNaglowka);
        Prostokat(b, QRect(QPoint(0, 0), rozmiarPikseli_ * jednostekNaPiksel_));
        Prostokat(b, QRect(QPoint(0, 0), QSize(SetneMilimetra(rozmiarPikseli_.width()),
                                               SetneMilimetra(rozmiarPikseli_.height()))));
        b.u32(0x464D4520).u32(0x00010000).u32(static_cast<quint32>(dlugoscPliku));
        b.u32(static_cast<quint32>(liczbaRekordow_ + 2)); // with the header and the end record
        b.u16(static_cast<quint16>(NajwiecejObiektow() + 1)).u16(0);
        b.u32(0).u32(0).u32(0); // no description, no palette
        b.i32(UrzadzeniePiksele[0] * jednostekNaPiksel_).i32(UrzadzeniePiksele[1] * jednostekNaPiksel_);
        b.i32(UrzadzenieMilimetry[0]).i32(UrzadzenieMilimetry[1]);
        b.u32(0).u32(0).u32(0); // no pixel format, not OpenGL
        b.u32(UrzadzenieMilimetry[0] * 1000u).u32(UrzadzenieMilimetry[1] * 1000u);
        return b.dane();
    }

    QSize rozmiarPikseli_;
    int jednostekNaPiksel_;
    QByteArray rekordy_;
    int liczbaRekordow_ = 0;
};

} // namespace

std::unique_ptr<TZapisGdi> NowyZapisEmf(const QSize& rozmiarPikseli, int jednostekNaPiksel)
{
    return std::make_unique<TZapisEmf>(rozmiarPikseli, jednostekNaPiksel);
}
