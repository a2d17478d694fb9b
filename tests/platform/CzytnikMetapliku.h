#pragma once
// A small reader of WMF and EMF files for tests, written from the published record layouts: it
// walks the records, follows the object table the way a player does (so a polyline is known by
// the colour of the pen selected when it was drawn) and decodes texts.
#include "Cp1250.h"

#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace czytnik {

inline quint16 U16(const QByteArray& b, qsizetype i)
{
    return qFromLittleEndian<quint16>(b.constData() + i);
}
inline qint16 I16(const QByteArray& b, qsizetype i)
{
    return qFromLittleEndian<qint16>(b.constData() + i);
}
inline quint32 U32(const QByteArray& b, qsizetype i)
{
    return qFromLittleEndian<quint32>(b.constData() + i);
}
inline qint32 I32(const QByteArray& b, qsizetype i)
{
    return qFromLittleEndian<qint32>(b.constData() + i);
}
inline QRgb ZKolorRef(quint32 c)
{
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

struct Rekord {
    quint32 typ;     // EMF record type, or WMF function number
    QByteArray dane; // the whole record
};

struct Lamana {
    QRgb kolor;
    int szerokosc; // of the pen, in the file's units
    QPolygon punkty;
};

struct Tekst {
    QString tekst;
    int zestawZnakow; // of the font selected
    int nachylenie;   // escapement in tenths of a degree
};

struct Zawartosc {
    QString blad; // empty when the file is well formed
    std::vector<Rekord> rekordy;
    std::vector<Lamana> lamane;
    std::vector<Tekst> teksty;
    int liczba(quint32 typ) const
    {
        int n = 0;
        for (const auto& r : rekordy)
            n += r.typ == typ;
        return n;
    }
};

constexpr quint32 EMR_HEADER = 1, EMR_POLYLINE = 4, EMR_EOF = 14, EMR_SELECTOBJECT = 37,
                  EMR_CREATEPEN = 38, EMR_DELETEOBJECT = 40, EMR_STRETCHDIBITS = 81,
                  EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84, EMR_EXTCREATEPEN = 95;

inline Zawartosc CzytajEmf(const QByteArray& plik)
{
    Zawartosc z;
    if (plik.size() < 108 || U32(plik, 0) != EMR_HEADER) {
        z.blad = QStringLiteral("no header record");
        return z;
    }
    if (U32(plik, 40) != 0x464D4520)
        z.blad = QStringLiteral("no \" EMF\" signature at byte 40");
    else if (U32(plik, 48) != static_cast<quint32>(plik.size()))
        z.blad = QStringLiteral("nBytes %1, file %2").arg(U32(plik, 48)).arg(plik.size());
    std::map<quint32, std::pair<QRgb, int>> piora;
    std::map<quint32, std::pair<int, int>> czcionki; // charset, escapement
    std::pair<QRgb, int> pioro{0, 0};
    std::pair<int, int> czcionka{0, 0};
    qsizetype i = 0;
    while (i + 8 <= plik.size()) {
        const quint32 typ = U32(plik, i), rozmiar = U32(plik, i + 4);
        if (rozmiar < 8 || rozmiar % 4 != 0 || i + rozmiar > plik.size()) {
            z.blad = QStringLiteral("bad record size %1 at %2").arg(rozmiar).arg(i);
            return z;
        }
        const QByteArray r = plik.mid(i, rozmiar);
        z.rekordy.push_back({typ, r});
        if (typ == EMR_CREATEPEN)
            piora[U32(r, 8)] = {ZKolorRef(U32(r, 24)), I32(r, 16)};
        else if (typ == EMR_EXTCREATEPEN)
            piora[U32(r, 8)] = {ZKolorRef(U32(r, 40)), I32(r, 32)};
        else if (typ == EMR_EXTCREATEFONTINDIRECTW)
            czcionki[U32(r, 8)] = {static_cast<quint8>(r[12 + 23]), I32(r, 12 + 8)};
        else if (typ == EMR_SELECTOBJECT) {
            if (piora.count(U32(r, 8)))
                pioro = piora[U32(r, 8)];
            if (czcionki.count(U32(r, 8)))
                czcionka = czcionki[U32(r, 8)];
        } else if (typ == EMR_DELETEOBJECT) {
            piora.erase(U32(r, 8));
            czcionki.erase(U32(r, 8));
        } else if (typ == EMR_POLYLINE) {
            Lamana l{pioro.first, pioro.second, {}};
            for (quint32 k = 0; k < U32(r, 24); ++k)
                l.punkty << QPoint(I32(r, 28 + 8 * k), I32(r, 32 + 8 * k));
            z.lamane.push_back(l);
        } else if (typ == EMR_EXTTEXTOUTW) {
            const quint32 znaki = U32(r, 44), poczatek = U32(r, 48);
            QString t;
            for (quint32 k = 0; k < znaki; ++k)
                t += QChar(U16(r, poczatek + 2 * k));
            z.teksty.push_back({t, czcionka.first, czcionka.second});
        }
        i += rozmiar;
    }
    if (z.blad.isEmpty() && (z.rekordy.empty() || z.rekordy.back().typ != EMR_EOF))
        z.blad = QStringLiteral("the last record is not EMR_EOF");
    if (z.blad.isEmpty() && U32(plik, 52) != z.rekordy.size())
        z.blad = QStringLiteral("nRecords %1, records %2").arg(U32(plik, 52)).arg(z.rekordy.size());
    return z;
}

constexpr quint32 META_EOF = 0x0000, META_SELECTOBJECT = 0x012D, META_DELETEOBJECT = 0x01F0,
                  META_CREATEPENINDIRECT = 0x02FA, META_CREATEFONTINDIRECT = 0x02FB,
                  META_CREATEBRUSHINDIRECT = 0x02FC, META_POLYLINE = 0x0325, META_EXTTEXTOUT = 0x0A32;

inline Zawartosc CzytajWmf(const QByteArray& plik)
{
    Zawartosc z;
    if (plik.size() < 22 + 18 || U32(plik, 0) != 0x9AC6CDD7) {
        z.blad = QStringLiteral("no placeable header");
        return z;
    }
    quint16 suma = 0;
    for (int k = 0; k < 10; ++k)
        suma ^= U16(plik, 2 * k);
    if (suma != U16(plik, 20))
        z.blad = QStringLiteral("placeable header checksum");
    else if (static_cast<qsizetype>(U32(plik, 22 + 6)) * 2 + 22 != plik.size())
        z.blad = QStringLiteral("mtSize %1 words, file %2 bytes").arg(U32(plik, 22 + 6)).arg(plik.size());
    // The object table: a new object takes the lowest free slot.
    struct Obiekt {
        quint16 funkcja;
        QByteArray dane;
    };
    std::vector<std::optional<Obiekt>> tablica;
    std::pair<QRgb, int> pioro{0, 0};
    std::pair<int, int> czcionka{0, 0};
    qsizetype i = 22 + 18;
    while (i + 6 <= plik.size()) {
        const qsizetype rozmiar = 2 * static_cast<qsizetype>(U32(plik, i));
        const quint16 funkcja = U16(plik, i + 4);
        if (rozmiar < 6 || i + rozmiar > plik.size()) {
            z.blad = QStringLiteral("bad record size %1 at %2").arg(rozmiar).arg(i);
            return z;
        }
        const QByteArray r = plik.mid(i, rozmiar);
        z.rekordy.push_back({funkcja, r});
        if (funkcja == META_CREATEPENINDIRECT || funkcja == META_CREATEFONTINDIRECT
            || funkcja == META_CREATEBRUSHINDIRECT) {
            auto wolne = std::find(tablica.begin(), tablica.end(), std::nullopt);
            if (wolne == tablica.end())
                wolne = tablica.insert(tablica.end(), std::nullopt);
            *wolne = Obiekt{funkcja, r};
        } else if (funkcja == META_SELECTOBJECT && U16(r, 6) < tablica.size() && tablica[U16(r, 6)]) {
            const Obiekt& o = *tablica[U16(r, 6)];
            if (o.funkcja == META_CREATEPENINDIRECT)
                pioro = {ZKolorRef(U32(o.dane, 12)), I16(o.dane, 8)};
            if (o.funkcja == META_CREATEFONTINDIRECT)
                czcionka = {static_cast<quint8>(o.dane[6 + 13]), I16(o.dane, 6 + 4)};
        } else if (funkcja == META_DELETEOBJECT && U16(r, 6) < tablica.size()) {
            tablica[U16(r, 6)].reset();
        } else if (funkcja == META_POLYLINE) {
            Lamana l{pioro.first, pioro.second, {}};
            for (int k = 0; k < I16(r, 6); ++k)
                l.punkty << QPoint(I16(r, 8 + 4 * k), I16(r, 10 + 4 * k));
            z.lamane.push_back(l);
        } else if (funkcja == META_EXTTEXTOUT) {
            const int dlugosc = I16(r, 10);
            z.teksty.push_back({Cp1250ToUnicode(r.mid(14, dlugosc).toStdString()), czcionka.first, czcionka.second});
        }
        i += rozmiar;
    }
    if (z.blad.isEmpty() && (z.rekordy.empty() || z.rekordy.back().typ != META_EOF || z.rekordy.back().dane.size() != 6))
        z.blad = QStringLiteral("the last record is not META_EOF");
    return z;
}

} // namespace czytnik
