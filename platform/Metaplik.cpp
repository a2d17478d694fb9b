#include "Metaplik.h"

#include "MetaplikEmf.h"
#include "MetaplikWmf.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

constexpr int PikseliNaCal = 96;

// The part of a segment inside the rectangle (Liang-Barsky), if any.
std::optional<QLineF> PrzytnijOdcinek(const QLineF& odcinek, const QRectF& prostokat)
{
    const double dx = odcinek.dx(), dy = odcinek.dy();
    double t0 = 0, t1 = 1;
    auto ogranicz = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    const QPointF a = odcinek.p1();
    if (ogranicz(-dx, a.x() - prostokat.left()) && ogranicz(dx, prostokat.right() - a.x())
        && ogranicz(-dy, a.y() - prostokat.top()) && ogranicz(dy, prostokat.bottom() - a.y()))
        return QLineF(a + t0 * QPointF(dx, dy), a + t1 * QPointF(dx, dy));
    return std::nullopt;
}

QPainterPath SciezkaProstokata(const QRectF& prostokat)
{
    QPainterPath sciezka;
    sciezka.addRect(prostokat);
    return sciezka;
}

QList<QPolygon> Calkowite(const QList<QPolygonF>& wielokaty)
{
    QList<QPolygon> wynik;
    for (const QPolygonF& w : wielokaty)
        if (w.size() >= 3)
            wynik.append(w.toPolygon());
    return wynik;
}

int StylPiora(Qt::PenStyle styl)
{
    switch (styl) {
    case Qt::NoPen: return Gdi::PS_NULL;
    case Qt::DashLine:
    case Qt::CustomDashLine: return Gdi::PS_DASH;
    case Qt::DotLine: return Gdi::PS_DOT;
    case Qt::DashDotLine: return Gdi::PS_DASHDOT;
    case Qt::DashDotDotLine: return Gdi::PS_DASHDOTDOT;
    default: return Gdi::PS_SOLID;
    }
}

int KsztaltPiora(const QPen& pioro)
{
    const int koniec = pioro.capStyle() == Qt::FlatCap     ? Gdi::PS_ENDCAP_FLAT
                       : pioro.capStyle() == Qt::SquareCap ? Gdi::PS_ENDCAP_SQUARE
                                                           : Gdi::PS_ENDCAP_ROUND;
    const int zlacze = pioro.joinStyle() == Qt::BevelJoin ? Gdi::PS_JOIN_BEVEL
                       : pioro.joinStyle() == Qt::RoundJoin ? Gdi::PS_JOIN_ROUND
                                                            : Gdi::PS_JOIN_MITER;
    return koniec | zlacze;
}

} // namespace

class SilnikMetapliku : public QPaintEngine {
public:
    SilnikMetapliku(const QSize& rozmiar, RodzajMetapliku rodzaj)
        : QPaintEngine(AllFeatures), rozmiar_(rozmiar), rodzaj_(rodzaj),
          jednostekNaPiksel_(std::clamp(32767 / std::max({rozmiar.width(), rozmiar.height(), 1}), 1, 10))
    {
    }

    QByteArray wynik;

    bool begin(QPaintDevice*) override
    {
        macierz_ = QTransform::fromScale(jednostekNaPiksel_, jednostekNaPiksel_);
        if (rodzaj_ == RodzajMetapliku::Emf)
            zapis_ = NowyZapisEmf(rozmiar_, jednostekNaPiksel_);
        else
            zapis_ = NowyZapisWmf(rozmiar_, jednostekNaPiksel_);
        return true;
    }

    bool end() override
    {
        ZakonczLamana();
        wynik = zapis_->Zakoncz();
        zapis_.reset();
        return true;
    }

    Type type() const override { return User; }

    void updateState(const QPaintEngineState& stan) override;

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;

    void drawPath(const QPainterPath& sciezka) override { RysujKsztalt(macierz_.map(sciezka)); }

    void drawPolygon(const QPointF* punkty, int liczba, PolygonDrawMode tryb) override
    {
        const QPolygonF wielokat(QList<QPointF>(punkty, punkty + liczba));
        if (tryb == PolylineMode) {
            Obrysuj(macierz_.map(wielokat));
            return;
        }
        QPainterPath sciezka;
        sciezka.addPolygon(wielokat);
        sciezka.closeSubpath();
        sciezka.setFillRule(tryb == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        RysujKsztalt(macierz_.map(sciezka));
    }

    void drawLines(const QLineF* linie, int liczba) override
    {
        for (int i = 0; i < liczba; ++i)
            Obrysuj(QPolygonF({macierz_.map(linie[i].p1()), macierz_.map(linie[i].p2())}));
    }

    void drawTextItem(const QPointF& punkt, const QTextItem& element) override;

    void drawPixmap(const QRectF& cel, const QPixmap& obraz, const QRectF& zrodlo) override
    {
        drawImage(cel, obraz.toImage(), zrodlo, Qt::AutoColor);
    }

    void drawImage(const QRectF& cel, const QImage& obraz, const QRectF& zrodlo, Qt::ImageConversionFlags) override
    {
        ZakonczLamana();
        zapis_->Obraz(macierz_.mapRect(cel).toRect(), obraz.copy(zrodlo.toRect()));
    }

private:
    double Skala() const { return std::sqrt(std::abs(macierz_.determinant())); }
    std::optional<QRectF> Obciecie() const { return obciecieWlaczone_ ? obszarObciecia_ : std::nullopt; }
    bool WidocznePioro() const { return pioro_.style() != Qt::NoPen && pioro_.color().alpha() > 0; }
    QColor KolorPedzla() const;
    bool WidocznyPedzel() const { return pedzel_.style() != Qt::NoBrush && KolorPedzla().alpha() > 0; }
    TPioroGdi PioroGdi() const;

    void ZmienObszarObciecia(Qt::ClipOperation operacja, const QRectF& obszar);
    void RysujKsztalt(const QPainterPath& sciezka);
    void Obrysuj(const QPolygonF& lamana);
    void Dolacz(const QPolygonF& kawalek);
    void ZakonczLamana();

    QSize rozmiar_;
    RodzajMetapliku rodzaj_;
    // Records count in fractions of a pixel, so lines keep the shape Qt gives them; as many as
    // 16-bit coordinates of a WMF allow, up to ten.
    int jednostekNaPiksel_;
    std::unique_ptr<TZapisGdi> zapis_;
    QTransform macierz_;
    QPen pioro_;
    QBrush pedzel_;
    std::optional<QRectF> obszarObciecia_; // in device pixels
    bool obciecieWlaczone_ = false;
    // Connected strokes in one pen are gathered into one polyline.
    QPolygon oczekujaca_;
    TPioroGdi pioroOczekujacej_;
};

void SilnikMetapliku::updateState(const QPaintEngineState& stan)
{
    const DirtyFlags zmiany = stan.state();
    if (zmiany & DirtyTransform)
        macierz_ = stan.transform() * QTransform::fromScale(jednostekNaPiksel_, jednostekNaPiksel_);
    if (zmiany & DirtyPen)
        pioro_ = stan.pen();
    if (zmiany & DirtyBrush)
        pedzel_ = stan.brush();
    if (zmiany & DirtyClipPath)
        ZmienObszarObciecia(stan.clipOperation(), macierz_.map(stan.clipPath()).boundingRect());
    if (zmiany & DirtyClipRegion)
        ZmienObszarObciecia(stan.clipOperation(), macierz_.mapRect(QRectF(stan.clipRegion().boundingRect())));
    if (zmiany & DirtyClipEnabled)
        obciecieWlaczone_ = stan.isClipEnabled();
}

void SilnikMetapliku::ZmienObszarObciecia(Qt::ClipOperation operacja, const QRectF& obszar)
{
    if (operacja == Qt::NoClip)
        obszarObciecia_.reset();
    else if (operacja == Qt::IntersectClip && obszarObciecia_)
        obszarObciecia_ = obszarObciecia_->intersected(obszar);
    else
        obszarObciecia_ = obszar;
}

QColor SilnikMetapliku::KolorPedzla() const
{
    if (pedzel_.gradient() && !pedzel_.gradient()->stops().isEmpty())
        return pedzel_.gradient()->stops().constFirst().second;
    return pedzel_.color();
}

TPioroGdi SilnikMetapliku::PioroGdi() const
{
    const double szerokosc = pioro_.isCosmetic() ? std::max(pioro_.widthF(), 1.0) * jednostekNaPiksel_
                                                 : pioro_.widthF() * Skala();
    return {StylPiora(pioro_.style()) | KsztaltPiora(pioro_), std::max(1, static_cast<int>(std::lround(szerokosc))),
            pioro_.color().rgb()};
}

// Fill and outline of closed or open subpaths in device pixels. A shape wholly inside the clip
// goes out as one polygon record; otherwise the fill is cut to the clip and the outline drawn
// as polylines.
void SilnikMetapliku::RysujKsztalt(const QPainterPath& sciezka)
{
    const QList<QPolygonF> kontury = sciezka.toSubpathPolygons();
    if (kontury.isEmpty())
        return;
    const auto obciecie = Obciecie();
    const bool wewnatrz = !obciecie || obciecie->contains(sciezka.boundingRect());
    const bool zamkniete = std::all_of(kontury.begin(), kontury.end(),
                                       [](const QPolygonF& k) { return k.isClosed(); });
    const bool wypelnij = WidocznyPedzel(), obrysuj = WidocznePioro();
    ZakonczLamana();
    if (wypelnij) {
        const QList<QPolygon> pola = Calkowite(
            wewnatrz ? kontury : sciezka.intersected(SciezkaProstokata(*obciecie)).toSubpathPolygons());
        if (!pola.isEmpty()) {
            const bool razemZObrysem = obrysuj && wewnatrz && zamkniete;
            zapis_->WybierzPioro(razemZObrysem ? PioroGdi() : TPioroGdi{Gdi::PS_NULL, 1, 0});
            zapis_->WybierzPedzel({Gdi::BS_SOLID, KolorPedzla().rgb()});
            zapis_->UstawRegule(sciezka.fillRule());
            zapis_->Wielokaty(pola);
            if (razemZObrysem)
                return;
        }
    }
    if (obrysuj)
        for (const QPolygonF& kontur : kontury)
            Obrysuj(kontur);
}

void SilnikMetapliku::Obrysuj(const QPolygonF& lamana)
{
    if (!WidocznePioro() || lamana.size() < 2)
        return;
    const auto obciecie = Obciecie();
    if (!obciecie || obciecie->contains(lamana.boundingRect())) {
        Dolacz(lamana);
        return;
    }
    for (int i = 1; i < lamana.size(); ++i)
        if (const auto odcinek = PrzytnijOdcinek(QLineF(lamana[i - 1], lamana[i]), *obciecie))
            Dolacz(QPolygonF({odcinek->p1(), odcinek->p2()}));
}

void SilnikMetapliku::Dolacz(const QPolygonF& kawalek)
{
    const QPolygon punkty = kawalek.toPolygon();
    const TPioroGdi pioro = PioroGdi();
    if (!oczekujaca_.isEmpty() && pioro == pioroOczekujacej_ && oczekujaca_.constLast() == punkty.constFirst()) {
        oczekujaca_ += punkty.mid(1);
        return;
    }
    ZakonczLamana();
    oczekujaca_ = punkty;
    pioroOczekujacej_ = pioro;
}

void SilnikMetapliku::ZakonczLamana()
{
    if (oczekujaca_.size() >= 2) {
        zapis_->WybierzPioro(pioroOczekujacej_);
        zapis_->Lamana(oczekujaca_);
    }
    oczekujaca_.clear();
}

void SilnikMetapliku::drawTextItem(const QPointF& punkt, const QTextItem& element)
{
    const QString tekst = element.text();
    const QPointF poczatek = macierz_.map(punkt);
    const auto obciecie = Obciecie();
    if (tekst.isEmpty() || !WidocznePioro() || (obciecie && !obciecie->contains(poczatek)))
        return;
    ZakonczLamana();
    const QFont czcionka = element.font();
    const double skala = Skala();
    const double wysokosc = czcionka.pixelSize() > 0 ? czcionka.pixelSize() : czcionka.pointSizeF() * PikseliNaCal / 72.0;
    // Text turned by the painter keeps its direction through the font's escapement.
    const double kat = qRadiansToDegrees(std::atan2(-macierz_.m12(), macierz_.m11()));
    const int nachylenie = (static_cast<int>(std::lround(kat * 10)) % 3600 + 3600) % 3600;
    zapis_->WybierzCzcionke({czcionka.family(), static_cast<int>(std::lround(wysokosc * skala)),
                             czcionka.weight(), czcionka.italic(), czcionka.underline(), czcionka.strikeOut(),
                             nachylenie});
    zapis_->UstawKolorTekstu(pioro_.color().rgb());
    // Advances from Qt's own layout, so the text takes the width it has on screen.
    const QFontMetricsF miary(czcionka, paintDevice());
    std::vector<int> odstepy;
    long poprzedni = 0;
    for (int i = 1; i <= tekst.size(); ++i) {
        const long biezacy = std::lround(miary.horizontalAdvance(tekst.left(i)) * skala);
        odstepy.push_back(static_cast<int>(biezacy - poprzedni));
        poprzedni = biezacy;
    }
    zapis_->Tekst(poczatek.toPoint(), tekst, odstepy);
}

TMetaplik::TMetaplik(const QSize& rozmiar, RodzajMetapliku rodzaj)
    : rozmiar_(rozmiar), silnik_(std::make_unique<SilnikMetapliku>(rozmiar, rodzaj))
{
}

TMetaplik::~TMetaplik() = default;

QPaintEngine* TMetaplik::paintEngine() const
{
    return silnik_.get();
}

QByteArray TMetaplik::Zawartosc() const
{
    return silnik_->wynik;
}

int TMetaplik::metric(PaintDeviceMetric metryka) const
{
    switch (metryka) {
    case PdmWidth: return rozmiar_.width();
    case PdmHeight: return rozmiar_.height();
    case PdmWidthMM: return static_cast<int>(std::lround(rozmiar_.width() * 25.4 / PikseliNaCal));
    case PdmHeightMM: return static_cast<int>(std::lround(rozmiar_.height() * 25.4 / PikseliNaCal));
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return PikseliNaCal;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metryka);
    }
}
