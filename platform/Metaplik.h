#pragma once
// A paint device that turns QPainter's drawing into a Windows metafile, WMF or EMF, made of vector
// records that other programs read: lines and polygons with their pens and brushes, and texts
// as text in their fonts (Polish letters included). Pictures, which have no vector record, go
// in as bitmaps. The drawing is cut to the painter's clip rectangle before it is recorded.
#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <memory>

enum class RodzajMetapliku { Wmf, Emf };

class SilnikMetapliku;

class TMetaplik : public QPaintDevice {
public:
    // The size in pixels, 96 to the inch.
    TMetaplik(const QSize& rozmiar, RodzajMetapliku rodzaj);
    ~TMetaplik() override;
    TMetaplik(const TMetaplik&) = delete;
    TMetaplik& operator=(const TMetaplik&) = delete;

    QPaintEngine* paintEngine() const override;
    // The file's bytes, complete once the painter has ended.
    QByteArray Zawartosc() const;

protected:
    int metric(PaintDeviceMetric metryka) const override;

private:
    QSize rozmiar_;
    std::unique_ptr<SilnikMetapliku> silnik_;
};
