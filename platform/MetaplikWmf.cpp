#include "MetaplikWmf.h"

#include "Cp1250.h"

#include <algorithm>

namespace {

enum : quint16 {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETPOLYFILLMODE = 0x0106,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_POLYPOLYGON = 0x0538,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHDIB = 0x0F43,
};

constexpr quint16 TRANSPARENT = 1, TA_BASELINE = 24;
constexpr quint8 EASTEUROPE_CHARSET = 238;
constexpr quint32 SRCCOPY = 0x00CC0020;
constexpr quint32 KluczUmieszczalnego = 0x9AC6CDD7;
constexpr int PikseliNaCal = 96;
constexpr int SlowaNaglowka = 9;
// A record holds at most 32767 points; longer lines go out in pieces that share their ends.
constexpr int NajwiecejPunktow = 8000;

TBajty& Punkty(TBajty& b, const QPolygon& punkty)
{
    for (const QPoint& p : punkty)
        b.i16(p.x()).i16(p.y());
    return b;
}

class TZapisWmf final : public TZapisGdi {
public:
    TZapisWmf(const QSize& rozmiarPikseli, int jednostekNaPiksel)
        : TZapisGdi(0), rozmiar_(rozmiarPikseli * jednostekNaPiksel), jednostekNaPiksel_(jednostekNaPiksel)
    {
        Rekord(META_SETWINDOWORG, TBajty().i16(0).i16(0));
        Rekord(META_SETWINDOWEXT, TBajty().i16(rozmiar_.height()).i16(rozmiar_.width()));
        Rekord(META_SETBKMODE, TBajty().u16(TRANSPARENT));
        Rekord(META_SETTEXTALIGN, TBajty().u16(TA_BASELINE));
    }

    void Lamana(const QPolygon& punkty) override
    {
        for (int poczatek = 0; poczatek + 1 < punkty.size(); poczatek += NajwiecejPunktow - 1) {
            const QPolygon kawalek = punkty.mid(poczatek, NajwiecejPunktow);
            TBajty b;
            b.i16(static_cast<int>(kawalek.size()));
            Rekord(META_POLYLINE, Punkty(b, kawalek));
        }
    }

    void Wielokaty(const QList<QPolygon>& wielokaty) override
    {
        TBajty b;
        if (wielokaty.size() == 1) {
            b.i16(static_cast<int>(wielokaty.first().size()));
            Rekord(META_POLYGON, Punkty(b, wielokaty.first()));
            return;
        }
        b.u16(static_cast<quint16>(wielokaty.size()));
        for (const QPolygon& w : wielokaty)
            b.u16(static_cast<quint16>(w.size()));
        for (const QPolygon& w : wielokaty)
            Punkty(b, w);
        Rekord(META_POLYPOLYGON, b);
    }

    void Tekst(const QPoint& poczatek, const QString& tekst, const std::vector<int>& odstepy) override
    {
        const std::string bajty = UnicodeToCp1250(tekst);
        TBajty b;
        b.i16(poczatek.y()).i16(poczatek.x()).i16(static_cast<int>(bajty.size())).u16(0);
        b.bajty(QByteArray::fromStdString(bajty)).wyrownaj(2);
        if (odstepy.size() == bajty.size())
            for (int odstep : odstepy)
                b.i16(odstep);
        Rekord(META_EXTTEXTOUT, b);
    }

    void Obraz(const QRect& cel, const QImage& obraz) override
    {
        const TBitmapaDib dib = BitmapaDib(obraz);
        TBajty b;
        b.u32(SRCCOPY).u16(0).i16(obraz.height()).i16(obraz.width()).i16(0).i16(0);
        b.i16(cel.height()).i16(cel.width()).i16(cel.y()).i16(cel.x());
        Rekord(META_STRETCHDIB, b.bajty(dib.naglowek).bajty(dib.piksele));
    }

    QByteArray Zakoncz() override
    {
        Rekord(META_EOF, TBajty());
        return NaglowekUmieszczalny() + Naglowek() + rekordy_;
    }

protected:
    // WMF records name no slot: a new object takes the lowest free one, as the common table does.
    void ZapiszPioro(int, const TPioroGdi& pioro) override
    {
        Rekord(META_CREATEPENINDIRECT,
               TBajty().u16(static_cast<quint16>(pioro.styl)).i16(pioro.szerokosc).i16(0).u32(KolorRef(pioro.kolor)));
    }

    void ZapiszPedzel(int, const TPedzelGdi& pedzel) override
    {
        Rekord(META_CREATEBRUSHINDIRECT,
               TBajty().u16(static_cast<quint16>(pedzel.styl)).u32(KolorRef(pedzel.kolor)).u16(0));
    }

    void ZapiszCzcionke(int, const TCzcionkaGdi& czcionka) override
    {
        TBajty b;
        b.i16(-czcionka.wysokosc).i16(0).i16(czcionka.nachylenie).i16(czcionka.nachylenie).i16(czcionka.waga);
        b.u8(czcionka.kursywa).u8(czcionka.podkreslenie).u8(czcionka.przekreslenie).u8(EASTEUROPE_CHARSET);
        b.u8(0).u8(0).u8(0).u8(0); // default precisions, quality, pitch and family
        QByteArray nazwa = QByteArray::fromStdString(UnicodeToCp1250(czcionka.nazwa.left(31)));
        nazwa.resize(32, '\0');
        Rekord(META_CREATEFONTINDIRECT, b.bajty(nazwa));
    }

    void ZapiszUstawienie(Ustawienie ustawienie, quint32 wartosc) override
    {
        switch (ustawienie) {
        case Ustawienie::Wybor: Rekord(META_SELECTOBJECT, TBajty().u16(static_cast<quint16>(wartosc))); break;
        case Ustawienie::Usuniecie: Rekord(META_DELETEOBJECT, TBajty().u16(static_cast<quint16>(wartosc))); break;
        case Ustawienie::KolorTekstu: Rekord(META_SETTEXTCOLOR, TBajty().u32(wartosc)); break;
        case Ustawienie::Regula: Rekord(META_SETPOLYFILLMODE, TBajty().u16(static_cast<quint16>(wartosc))); break;
        }
    }

private:
    void Rekord(quint16 funkcja, const TBajty& parametry)
    {
        TBajty rekord;
        rekord.u32(static_cast<quint32>(3 + (parametry.rozmiar() + 1) / 2)).u16(funkcja).bajty(parametry.dane()).wyrownaj(2);
        rekordy_.append(rekord.dane());
        najdluzszyRekord_ = std::max(najdluzszyRekord_, rekord.rozmiar() / 2);
    }

    QByteArray NaglowekUmieszczalny() const
    {
        TBajty b;
        b.u32(KluczUmieszczalnego).u16(0).i16(0).i16(0).i16(rozmiar_.width()).i16(rozmiar_.height());
        b.u16(static_cast<quint16>(PikseliNaCal * jednostekNaPiksel_)).u32(0);
        quint16 suma = 0;
        for (int i = 0; i < b.rozmiar(); i += 2)
            suma ^= static_cast<quint16>(static_cast<quint8>(b.dane()[i]) | static_cast<quint8>(b.dane()[i + 1]) << 8);
        return b.u16(suma).dane();
    }

    QByteArray Naglowek() const
    {
        const int slowa = SlowaNaglowka + static_cast<int>(rekordy_.size()) / 2;
        return TBajty().u16(1).u16(SlowaNaglowka).u16(0x0300).u32(static_cast<quint32>(slowa))
            .u16(static_cast<quint16>(NajwiecejObiektow())).u32(static_cast<quint32>(najdluzszyRekord_)).u16(0)
            .dane();
    }

    QSize rozmiar_; // in units
    int jednostekNaPiksel_;
    QByteArray rekordy_;
    int najdluzszyRekord_ = 0; // in 16-bit words
};

} // namespace

std::unique_ptr<TZapisGdi> NowyZapisWmf(const QSize& rozmiarPikseli, int jednostekNaPiksel)
{
    return std::make_unique<TZapisWmf>(rozmiarPikseli, jednostekNaPiksel);
}
