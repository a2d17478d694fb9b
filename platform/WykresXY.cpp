#include "WykresXY.h"

#include "Dialogs.h"
#include "Drukarka.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr int OdstepEtykietPoziomych = 90; // pixels between labels along the bottom axis
constexpr int OdstepEtykietPionowych = 45;
constexpr qreal GruboscLinii = 2;
constexpr qreal RozmiarZnacznika = 9;
const QChar SpacjaNierozdzielajaca(0x00A0);

QFont Czcionka(int piksele, bool pogrubiona = false)
{
    QFont czcionka(QStringLiteral("Arial"));
    czcionka.setPixelSize(piksele);
    czcionka.setBold(pogrubiona);
    return czcionka;
}

// A value as the format "#,##0.#######" shows it: at most seven decimals, no trailing zeros,
// the integer digits grouped by three.
QString EtykietaOsi(double wartosc)
{
    QString tekst = QString::number(wartosc, 'f', 7);
    while (tekst.endsWith(QLatin1Char('0')))
        tekst.chop(1);
    if (tekst.endsWith(QLatin1Char('.')))
        tekst.chop(1);
    if (tekst == QLatin1String("-0"))
        tekst = QStringLiteral("0");
    const int poczatekCyfr = tekst.startsWith(QLatin1Char('-')) ? 1 : 0;
    const int kropka = tekst.contains(QLatin1Char('.')) ? static_cast<int>(tekst.indexOf(QLatin1Char('.')))
                                                         : static_cast<int>(tekst.size());
    for (int i = kropka - 3; i > poczatekCyfr; i -= 3)
        tekst.insert(i, SpacjaNierozdzielajaca);
    return tekst;
}

// 1, 2 or 5 times a power of ten, not below the given step.
double OkraglyKrok(double krok)
{
    const double potega = std::pow(10.0, std::floor(std::log10(krok)));
    for (double mnoznik : {1.0, 2.0, 5.0})
        if (krok <= mnoznik * potega * (1 + 1e-9))
            return mnoznik * potega;
    return 10 * potega;
}

// A range of no width (one value, or values equal to the last digits) is widened around its
// middle, by a tenth of the value, or by 1 around zero.
std::pair<double, double> BezZerowejSzerokosci(double od, double doo)
{
    const double skala = std::max(std::abs(od), std::abs(doo));
    if (doo - od > skala * 1e-12)
        return {od, doo};
    const double srodek = (od + doo) / 2;
    const double margines = srodek == 0 ? 1 : std::abs(srodek) / 10;
    return {srodek - margines, srodek + margines};
}

// A fortieth of a range's width beyond each of its ends, so the points on the ends and their
// markers are drawn whole inside the plot.
double MarginesZakresu(double od, double doo)
{
    return (doo - od) / 40;
}

// An automatic range: the points' range with its margin, its ends then rounded outwards to a
// round step of about a twentieth.
std::pair<double, double> ZMarginesem(double od, double doo)
{
    std::tie(od, doo) = BezZerowejSzerokosci(od, doo);
    const double margines = MarginesZakresu(od, doo);
    const double krok = OkraglyKrok((doo - od) / 20);
    return {std::floor((od - margines) / krok) * krok, std::ceil((doo + margines) / krok) * krok};
}

// A fixed range with its margin, not rounded: its labels still start and end at its ends.
std::pair<double, double> StalyZMarginesem(double od, double doo)
{
    std::tie(od, doo) = BezZerowejSzerokosci(std::min(od, doo), std::max(od, doo));
    const double margines = MarginesZakresu(od, doo);
    return {od - margines, doo + margines};
}

} // namespace

// --- series -------------------------------------------------------------------------------

TSeria::TSeria(TWykresXY* wykres, RodzajSerii rodzaj) : QObject(wykres), wykres_(wykres), rodzaj_(rodzaj) {}

void TSeria::Czysc()
{
    punkty_.clear();
    wykres_->Zaplanuj();
}

void TSeria::AddXY(double x, double y, TKolor kolor)
{
    punkty_.push_back({QPointF(x, y), kolor});
    wykres_->Zaplanuj();
}

void TSeria::UstawAktywna(bool aktywna)
{
    aktywna_ = aktywna;
    wykres_->Zaplanuj();
}

QXYSeries* TSeria::NowaSeriaQt()
{
    QXYSeries* seria = nullptr;
    if (rodzaj_ == RodzajSerii::Punkty) {
        auto* punkty = new QScatterSeries;
        punkty->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        punkty->setMarkerSize(RozmiarZnacznika);
        seria = punkty;
    } else {
        seria = new QLineSeries;
    }
    wykres_->DolaczSerieQt(seria);
    return seria;
}

void TSeria::PrzeniesDoWykresu()
{
    std::vector<std::pair<TKolor, QList<QPointF>>> odcinki;
    for (size_t i = 0; i < punkty_.size(); ++i) {
        if (odcinki.empty() || odcinki.back().first != punkty_[i].kolor) {
            odcinki.push_back({punkty_[i].kolor, {}});
            // The line to a point is drawn in that point's colour, from the point before.
            if (rodzaj_ != RodzajSerii::Punkty && i > 0)
                odcinki.back().second.append(punkty_[i - 1].xy);
        }
        odcinki.back().second.append(punkty_[i].xy);
    }
    while (odcinki_.size() > odcinki.size()) {
        wykres_->chart()->removeSeries(odcinki_.back());
        delete odcinki_.back();
        odcinki_.pop_back();
    }
    while (odcinki_.size() < odcinki.size())
        odcinki_.push_back(NowaSeriaQt());
    for (size_t i = 0; i < odcinki.size(); ++i) {
        QXYSeries* seria = odcinki_[i];
        const QColor kolor = KolorQt(odcinki[i].first);
        if (auto* punkty = qobject_cast<QScatterSeries*>(seria)) {
            punkty->setColor(kolor);
            punkty->setBorderColor(kolor);
        } else {
            seria->setPen(QPen(kolor, GruboscLinii));
            // A line through one point draws nothing: a lone point is marked instead.
            seria->setMarkerSize(RozmiarZnacznika);
            seria->setPointsVisible(punkty_.size() == 1);
        }
        seria->replace(odcinki[i].second);
        seria->setVisible(aktywna_);
    }
}

// --- axes ---------------------------------------------------------------------------------

TOsWykresu::TOsWykresu(TWykresXY* wykres, Qt::Alignment strona)
    : QObject(wykres), wykres_(wykres),
      orientacja_(strona == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical), os_(new QCategoryAxis)
{
    os_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    os_->setLabelsFont(Czcionka(12));
    os_->setTitleFont(Czcionka(13));
    os_->setLabelsColor(Qt::black);
    os_->setTitleBrush(Qt::black);
    os_->setLinePenColor(Qt::black);
    os_->setGridLinePen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::SolidLine));
    wykres->chart()->addAxis(os_, strona);
    connect(os_, &QCategoryAxis::rangeChanged, this, &TOsWykresu::OdswiezPodzialke);
    connect(wykres->chart(), &QChart::plotAreaChanged, this, &TOsWykresu::OdswiezPodzialke);
}

void TOsWykresu::UstawTytul(const QString& tytul)
{
    os_->setTitleText(tytul);
}

QString TOsWykresu::Tytul() const
{
    return os_->titleText();
}

void TOsWykresu::UstawAutomatyczna(bool automatyczna)
{
    automatyczna_ = automatyczna;
    wykres_->Zaplanuj();
}

void TOsWykresu::UstawMinimum(double minimum)
{
    minimum_ = minimum;
    wykres_->Zaplanuj();
}

void TOsWykresu::UstawMaksimum(double maksimum)
{
    maksimum_ = maksimum;
    wykres_->Zaplanuj();
}

double TOsWykresu::Minimum() const
{
    wykres_->Uaktualnij();
    return os_->min();
}

double TOsWykresu::Maksimum() const
{
    wykres_->Uaktualnij();
    return os_->max();
}

QStringList TOsWykresu::Etykiety() const
{
    wykres_->Uaktualnij();
    return os_->categoriesLabels();
}

// Labels at round values, about one per OdstepEtykiet pixels of the axis.
void TOsWykresu::OdswiezPodzialke()
{
    const double od = os_->min(), doo = os_->max();
    const QRectF pole = wykres_->chart()->plotArea();
    const double dlugosc = orientacja_ == Qt::Horizontal ? pole.width() : pole.height();
    const int odstepy = std::max(2, static_cast<int>(dlugosc / (orientacja_ == Qt::Horizontal
                                                                       ? OdstepEtykietPoziomych
                                                                       : OdstepEtykietPionowych)));
    const double krok = OkraglyKrok((doo - od) / odstepy);
    if (!std::isfinite(krok) || krok <= 0)
        return;
    QStringList etykiety;
    QList<double> wartosci;
    for (double k = std::ceil(od / krok - 1e-9); k <= std::floor(doo / krok + 1e-9); ++k) {
        const QString etykieta = EtykietaOsi(k * krok);
        if (!etykiety.contains(etykieta)) {
            etykiety.append(etykieta);
            wartosci.append(k * krok);
        }
    }
    if (etykiety == os_->categoriesLabels() && os_->startValue() == od - krok)
        return;
    for (const QString& etykieta : os_->categoriesLabels())
        os_->remove(etykieta);
    os_->setStartValue(od - krok);
    for (int i = 0; i < etykiety.size(); ++i)
        os_->append(etykiety[i], wartosci[i]);
}

// --- chart --------------------------------------------------------------------------------

TWykresXY::TWykresXY(QWidget* rodzic) : QChartView(rodzic)
{
    QChart* wykres = chart();
    wykres->legend()->hide();
    wykres->setDropShadowEnabled(false);
    wykres->setBackgroundRoundness(0);
    wykres->layout()->setContentsMargins(0, 0, 0, 0);
    wykres->setMargins(QMargins(10, 10, 25, 10)); // room for half of the last bottom label
    wykres->setBackgroundBrush(Qt::white);
    wykres->setPlotAreaBackgroundBrush(Qt::white);
    wykres->setPlotAreaBackgroundVisible(true);
    wykres->setTitleFont(Czcionka(16, true));
    wykres->setTitleBrush(Qt::black);
    osDolna_ = new TOsWykresu(this, Qt::AlignBottom);
    osLewa_ = new TOsWykresu(this, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    setToolTip(QStringLiteral("Zaznacz myszą fragment wykresu, aby go powiększyć; "
                              "prawy przycisk myszy przywraca cały wykres."));
    UstawTytul({QString()});
    Zaplanuj();
}

TSeria* TWykresXY::DodajSerie(RodzajSerii rodzaj, const QString& nazwa)
{
    auto* seria = new TSeria(this, rodzaj);
    seria->setObjectName(nazwa);
    serie_.push_back(seria);
    return seria;
}

void TWykresXY::DolaczSerieQt(QXYSeries* seria)
{
    chart()->addSeries(seria);
    seria->attachAxis(osDolna_->os_);
    seria->attachAxis(osLewa_->os_);
}

void TWykresXY::UstawTytul(const QStringList& linie)
{
    tytul_ = linie;
    chart()->setTitle(linie.join(QLatin1Char('\n')));
}

void TWykresXY::Zaplanuj()
{
    zmiany_ = true;
    if (zaplanowane_)
        return;
    zaplanowane_ = true;
    QMetaObject::invokeMethod(this, [this] {
        zaplanowane_ = false;
        Uaktualnij();
    }, Qt::QueuedConnection);
}

std::pair<double, double> TWykresXY::ZakresOsi(const TOsWykresu& os) const
{
    if (!os.automatyczna_)
        return StalyZMarginesem(os.minimum_, os.maksimum_);
    double od = std::numeric_limits<double>::infinity(), doo = -od;
    for (const TSeria* seria : serie_) {
        if (!seria->aktywna_)
            continue;
        for (const auto& punkt : seria->punkty_) {
            const double wartosc = os.orientacja_ == Qt::Horizontal ? punkt.xy.x() : punkt.xy.y();
            if (std::isfinite(wartosc)) {
                od = std::min(od, wartosc);
                doo = std::max(doo, wartosc);
            }
        }
    }
    if (od > doo)
        return {0, 1};
    return ZMarginesem(od, doo);
}

void TWykresXY::Uaktualnij()
{
    if (!zmiany_)
        return;
    zmiany_ = false;
    for (TSeria* seria : serie_)
        seria->PrzeniesDoWykresu();
    for (TOsWykresu* os : {osDolna_, osLewa_}) {
        const auto [od, doo] = ZakresOsi(*os);
        os->os_->setRange(od, doo);
    }
}

void TWykresXY::PokazCalosc()
{
    chart()->zoomReset();
    zmiany_ = true;
    Uaktualnij();
}

void TWykresXY::mousePressEvent(QMouseEvent* zdarzenie)
{
    poczatekZaznaczenia_ = zdarzenie->position().toPoint();
    QChartView::mousePressEvent(zdarzenie);
}

// A rectangle dragged towards the upper left, or a right click, shows the whole chart again.
void TWykresXY::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::RightButton) {
        PokazCalosc();
        zdarzenie->accept();
        return;
    }
    const QPoint koniec = zdarzenie->position().toPoint();
    QChartView::mouseReleaseEvent(zdarzenie);
    if (zdarzenie->button() == Qt::LeftButton && koniec.x() < poczatekZaznaczenia_.x()
        && koniec.y() < poczatekZaznaczenia_.y())
        PokazCalosc();
}

// Series, axes and the chart's layout as they will be drawn, also for a window not yet shown.
void TWykresXY::PrzygotujDoRysowania()
{
    Uaktualnij();
    ensurePolished();
    if (!isVisible())
        chart()->resize(size());
    for (int i = 0; i < 3 && chart()->layout(); ++i)
        chart()->layout()->activate();
}

void TWykresXY::Rysuj(QPainter& malarz, const QRectF& cel)
{
    PrzygotujDoRysowania();
    scene()->render(&malarz, cel, chart()->sceneBoundingRect());
}

QImage TWykresXY::Obraz()
{
    PrzygotujDoRysowania();
    return grab().toImage();
}

bool TWykresXY::Zapisz(const QString& plik, const QByteArray& dane)
{
    QSaveFile zapis(plik);
    if (!dane.isEmpty() && zapis.open(QIODevice::WriteOnly) && zapis.write(dane) == dane.size() && zapis.commit())
        return true;
    PokazKomunikat(QStringLiteral("Nie udało się zapisać wykresu do pliku %1.").arg(plik), RodzajKomunikatu::Blad);
    return false;
}

bool TWykresXY::ZapiszBitmape(const QString& plik)
{
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    Obraz().save(&bufor, "BMP");
    return Zapisz(plik, dane);
}

bool TWykresXY::ZapiszMetaplik(const QString& plik, RodzajMetapliku rodzaj)
{
    const QSize rozmiar = size();
    TMetaplik metaplik(rozmiar, rodzaj);
    {
        QPainter malarz(&metaplik);
        Rysuj(malarz, QRectF(QPointF(0, 0), rozmiar));
    }
    return Zapisz(plik, metaplik.Zawartosc());
}

// The chart as large as the page allows, keeping its proportions, at the top of the page.
bool TWykresXY::Drukuj()
{
    return DrukujNaDomyslnejDrukarce(QStringLiteral("Wykres"), [this](QPainter& malarz, const QRect& strona) {
        const QSizeF rozmiar = QSizeF(size()).scaled(strona.size(), Qt::KeepAspectRatio);
        Rysuj(malarz, QRectF(strona.topLeft(), rozmiar));
    });
}
