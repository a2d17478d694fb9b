#pragma once
// Enhanced metafile (EMF): 32-bit records after a header that gives the picture's size in device
// units and in hundredths of a millimetre (96 pixels to the inch); texts in UTF-16.
#include "MetaplikGdi.h"

#include <QSize>

class TZapisEmf : public TZapisGdi {
public:
    // The picture's size in pixels, 96 to the inch; coordinates come in units of
    // 1/jednostekNaPiksel pixel.
    TZapisEmf(const QSize& rozmiarPikseli, int jednostekNaPiksel);

    void Lamana(const QPolygon& punkty) override;
    void Wielokaty(const QList<QPolygon>& wielokaty) override;
    void Tekst(const QPoint& poczatek, const QString& tekst, const std::vector<int>& odstepy) override;
    void Obraz(const QRect& cel, const QImage& obraz) override;
    QByteArray Zakoncz() override;

protected:
    void ZapiszPioro(int indeks, const TPioroGdi& pioro) override;
    void ZapiszPedzel(int indeks, const TPedzelGdi& pedzel) override;
    void ZapiszCzcionke(int indeks, const TCzcionkaGdi& czcionka) override;
    void ZapiszWybor(int indeks) override;
    void ZapiszUsuniecie(int indeks) override;
    void ZapiszKolorTekstu(QRgb kolor) override;
    void ZapiszRegule(int tryb) override;

private:
    void Rekord(quint32 typ, const TBajty& parametry);
    QByteArray Naglowek(int dlugoscPliku) const;

    QSize rozmiarPikseli_;
    int jednostekNaPiksel_;
    QByteArray rekordy_;
    int liczbaRekordow_ = 0;
};
