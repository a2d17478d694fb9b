#pragma once
// The program's x-y chart, over Qt Charts: series whose points each carry a colour, a bottom and
// a left value axis with titles and automatic or fixed ranges, a title above the plot, zoom by
// dragging a rectangle with the mouse, and the chart saved as a bitmap (BMP), a Windows
// metafile (WMF) or an enhanced metafile (EMF), or printed on the default printer.
//
// Design settings shared by every chart of the program: white background and plot area, no
// legend, grid lines at the axis values, labels formatted as "#,##0.#######" (grouping by a
// non-breaking space, "." before the decimals), the title in Arial bold, 16 pixels, black.
#include "Kolor.h"
#include "Metaplik.h"

#include <QChartView>
#include <QImage>
#include <QStringList>
#include <cstdint>
#include <vector>

class QCategoryAxis;
class QXYSeries;
class TWykresXY;

// A colour as the Windows colour value, blue-green-red: 0x0000FF is red, 0xFF0000 blue.
constexpr TKolor KolorCzerwony = 0x0000FF;
constexpr TKolor KolorNiebieski = 0xFF0000;

// A fast line is drawn as a line: Qt's faster kind (OpenGL) could be neither saved nor printed.
enum class RodzajSerii { Linia, SzybkaLinia, Punkty };

class TSeria : public QObject {
    Q_OBJECT
public:
    void Czysc();
    // Appends the point; a line reaches it in its colour (a line of a single point marks it), a
    // point series marks it with a diamond.
    void AddXY(double x, double y, TKolor kolor);
    // An inactive series is not drawn and does not count for automatic axis ranges.
    void UstawAktywna(bool aktywna);
    bool Aktywna() const { return aktywna_; }
    RodzajSerii Rodzaj() const { return rodzaj_; }
    int LiczbaPunktow() const { return static_cast<int>(punkty_.size()); }
    QPointF Punkt(int i) const { return punkty_.at(i).xy; }
    TKolor KolorPunktu(int i) const { return punkty_.at(i).kolor; }

private:
    friend class TWykresXY;
    TSeria(TWykresXY* wykres, RodzajSerii rodzaj);
    void PrzeniesDoWykresu();
    QXYSeries* NowaSeriaQt();

    struct PunktSerii {
        QPointF xy;
        TKolor kolor;
    };
    TWykresXY* wykres_;
    RodzajSerii rodzaj_;
    bool aktywna_ = true;
    std::vector<PunktSerii> punkty_;
    // Qt draws a series in one colour: one Qt series per run of points of one colour.
    std::vector<QXYSeries*> odcinki_;
};

class TOsWykresu : public QObject {
    Q_OBJECT
public:
    void UstawTytul(const QString& tytul);
    QString Tytul() const;
    // Automatic: the range of the active series' points with a small margin, its ends rounded,
    // so every point is drawn whole; otherwise minimum to maximum with the same margin beyond
    // both, so the points on them are drawn whole too.
    void UstawAutomatyczna(bool automatyczna);
    bool Automatyczna() const { return automatyczna_; }
    void UstawMinimum(double minimum);
    void UstawMaksimum(double maksimum);
    // The range shown now (zoomed in, the zoomed one) and the value labels along the axis.
    double Minimum() const;
    double Maksimum() const;
    QStringList Etykiety() const;

private:
    friend class TWykresXY;
    TOsWykresu(TWykresXY* wykres, Qt::Alignment strona);
    void OdswiezPodzialke();

    TWykresXY* wykres_;
    Qt::Orientation orientacja_;
    QCategoryAxis* os_;
    bool automatyczna_ = true;
    double minimum_ = 0, maksimum_ = 1;
};

class TWykresXY : public QChartView {
    Q_OBJECT
public:
    explicit TWykresXY(QWidget* rodzic = nullptr);

    TSeria* DodajSerie(RodzajSerii rodzaj, const QString& nazwa);
    TOsWykresu* OsDolna() const { return osDolna_; }
    TOsWykresu* OsLewa() const { return osLewa_; }
    // The title's lines, shown above the plot.
    void UstawTytul(const QStringList& linie);
    QStringList Tytul() const { return tytul_; }

    // Back from zooming to the whole chart.
    void PokazCalosc();
    // The chart as drawn, in the widget's pixel size.
    QImage Obraz();
    // On failure the user is told, and false returned.
    bool ZapiszBitmape(const QString& plik);
    bool ZapiszMetaplik(const QString& plik, RodzajMetapliku rodzaj);
    bool Drukuj();

    // Brings series and axes up to date at once (otherwise done when control returns to the
    // event loop, so that many points added one by one cost one update).
    void Uaktualnij();

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    friend class TSeria;
    friend class TOsWykresu;
    void Zaplanuj();
    void DolaczSerieQt(QXYSeries* seria);
    void PrzygotujDoRysowania();
    void Rysuj(QPainter& malarz, const QRectF& cel);
    std::pair<double, double> ZakresOsi(const TOsWykresu& os) const;
    bool Zapisz(const QString& plik, const QByteArray& dane);

    std::vector<TSeria*> serie_;
    TOsWykresu* osDolna_;
    TOsWykresu* osLewa_;
    QStringList tytul_;
    bool zmiany_ = false;
    bool zaplanowane_ = false;
    QPoint poczatekZaznaczenia_;
};
