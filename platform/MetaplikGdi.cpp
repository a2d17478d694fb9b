#include "MetaplikGdi.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstring>

quint32 KolorRef(QRgb kolor)
{
    return static_cast<quint32>(qRed(kolor)) | static_cast<quint32>(qGreen(kolor)) << 8
           | static_cast<quint32>(qBlue(kolor)) << 16;
}

TBajty& TBajty::u8(quint8 v)
{
    dane_.append(static_cast<char>(v));
    return *this;
}

template <class Liczba>
TBajty& TBajty::Dopisz(Liczba v)
{
    char b[sizeof(Liczba)];
    qToLittleEndian(v, b);
    dane_.append(b, sizeof(Liczba));
    return *this;
}

TBajty& TBajty::u16(quint16 v)
{
    return Dopisz(v);
}

TBajty& TBajty::i16(int v)
{
    return u16(static_cast<quint16>(static_cast<qint16>(std::clamp(v, -32768, 32767))));
}

TBajty& TBajty::u32(quint32 v)
{
    return Dopisz(v);
}

TBajty& TBajty::i32(qint32 v)
{
    return u32(static_cast<quint32>(v));
}

TBajty& TBajty::f32(float v)
{
    quint32 bity;
    std::memcpy(&bity, &v, 4);
    return u32(bity);
}

TBajty& TBajty::bajty(const QByteArray& b)
{
    dane_.append(b);
    return *this;
}

TBajty& TBajty::wyrownaj(int wielokrotnosc)
{
    while (dane_.size() % wielokrotnosc != 0)
        dane_.append('\0');
    return *this;
}

TBitmapaDib BitmapaDib(const QImage& obraz)
{
    // Transparent parts lie on white paper.
    QImage rgb(obraz.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter malarz(&rgb);
        malarz.drawImage(0, 0, obraz);
    }
    const int szerokosc = rgb.width(), wysokosc = rgb.height();
    const int dlugoscWiersza = (szerokosc * 3 + 3) / 4 * 4;
    TBitmapaDib dib;
    dib.naglowek = TBajty()
                       .u32(40).i32(szerokosc).i32(wysokosc).u16(1).u16(24)
                       .u32(0).u32(static_cast<quint32>(dlugoscWiersza * wysokosc))
                       .i32(3780).i32(3780).u32(0).u32(0) // 96 dpi in pixels per metre
                       .dane();
    dib.piksele.reserve(dlugoscWiersza * wysokosc);
    for (int y = wysokosc - 1; y >= 0; --y) {
        const auto* wiersz = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        QByteArray bgr(dlugoscWiersza, '\0');
        for (int x = 0; x < szerokosc; ++x) {
            bgr[3 * x] = static_cast<char>(qBlue(wiersz[x]));
            bgr[3 * x + 1] = static_cast<char>(qGreen(wiersz[x]));
            bgr[3 * x + 2] = static_cast<char>(qRed(wiersz[x]));
        }
        dib.piksele.append(bgr);
    }
    return dib;
}

int TZapisGdi::WolnyIndeks()
{
    auto wolny = std::find(zajete_.begin(), zajete_.end(), false);
    if (wolny == zajete_.end())
        wolny = zajete_.insert(zajete_.end(), false);
    *wolny = true;
    return pierwszyIndeks_ + static_cast<int>(wolny - zajete_.begin());
}

template <class Obiekt, class Zapis>
void TZapisGdi::Zamien(std::optional<Obiekt>& wybrany, int& indeksWybranego, const Obiekt& nowy, Zapis zapisz)
{
    if (wybrany == nowy)
        return;
    const int indeks = WolnyIndeks();
    zapisz(indeks, nowy);
    ZapiszUstawienie(Ustawienie::Wybor, static_cast<quint32>(indeks));
    if (indeksWybranego >= 0) {
        ZapiszUstawienie(Ustawienie::Usuniecie, static_cast<quint32>(indeksWybranego));
        zajete_[indeksWybranego - pierwszyIndeks_] = false;
    }
    wybrany = nowy;
    indeksWybranego = indeks;
}

void TZapisGdi::WybierzPioro(const TPioroGdi& pioro)
{
    Zamien(pioro_, indeksPiora_, pioro, [this](int i, const TPioroGdi& p) { ZapiszPioro(i, p); });
}

void TZapisGdi::WybierzPedzel(const TPedzelGdi& pedzel)
{
    Zamien(pedzel_, indeksPedzla_, pedzel, [this](int i, const TPedzelGdi& p) { ZapiszPedzel(i, p); });
}

void TZapisGdi::WybierzCzcionke(const TCzcionkaGdi& czcionka)
{
    Zamien(czcionka_, indeksCzcionki_, czcionka, [this](int i, const TCzcionkaGdi& c) { ZapiszCzcionke(i, c); });
}

void TZapisGdi::UstawKolorTekstu(QRgb kolor)
{
    kolor |= 0xff000000u;
    if (kolorTekstu_ == kolor)
        return;
    kolorTekstu_ = kolor;
    ZapiszUstawienie(Ustawienie::KolorTekstu, KolorRef(kolor));
}

void TZapisGdi::UstawRegule(Qt::FillRule regula)
{
    const int tryb = regula == Qt::WindingFill ? 2 : 1;
    if (tryb == regula_)
        return;
    regula_ = tryb;
    ZapiszUstawienie(Ustawienie::Regula, static_cast<quint32>(tryb));
}
