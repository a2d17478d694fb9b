#pragma once
// Windows metafile (WMF) with the placeable header: 16-bit records in a window of the picture's
// size in device units; texts in code page 1250 with the Central European character set.
#include "MetaplikGdi.h"

#include <QSize>

class TZapisWmf : public TZapisGdi {
public:
    // The picture's size in pixels, 96 to the inch; coordinates come in units of
    // 1/jednostekNaPiksel pixel.
    TZapisWmf(const QSize& rozmiarPikseli, int jednostekNaPiksel);

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
    void Rekord(quint16 funkcja, const TBajty& parametry);
    QByteArray NaglowekUmieszczalny() const;
    QByteArray Naglowek() const;

    QSize rozmiarPikseli_;
    int jednostekNaPiksel_;
    QByteArray rekordy_;
    int najdluzszyRekord_ = 0; // in 16-bit words
};
