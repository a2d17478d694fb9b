#include "QzHtmlLabel2.h"

#include "RysowanieHtml.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Wide enough for any label's text on one line.
constexpr int SzerokoscBezZawijania = 100000;

} // namespace

TQzHtmlLabel2::TQzHtmlLabel2(QWidget* rodzic) : QLabel(rodzic), renderer_(std::make_unique<TQzMiniHtml2>())
{
    setAutoFillBackground(false); // the parent's colour shows through
    setMouseTracking(true);
    renderer_->DodajHandler(std::make_unique<TNormalHandler>(*renderer_));
    renderer_->DodajHandler(std::make_unique<TFormElementHandler>(*renderer_));
    renderer_->PoZmianieObrazu = [this] {
        if (!wMalowaniu_)
            update();
    };
    // A dynamic tag asks for its text at every rendering, so the label renders at every paint.
    renderer_->OnDynamicUpdate = [this](TQzMiniHtml2*, const QString&, QString&) { dynamicDirty_ = true; };
    SyncSize();
}

TQzHtmlLabel2::~TQzHtmlLabel2() = default;

void TQzHtmlLabel2::setHtml(const QString& html)
{
    html_ = html;
    renderer_->Html = html;
    wymiaryNaturalne_.reset();
    if (!html.isEmpty())
        QLabel::setText(QString());
    layoutDirty_ = true;
    Renderuj();
    updateGeometry();
    update();
}

void TQzHtmlLabel2::setAutoHeight(bool autoHeight)
{
    autoHeight_ = autoHeight;
    if (autoHeight_ && !html_.isEmpty())
        DopasujWysokosc();
    updateGeometry();
}

void TQzHtmlLabel2::SyncSize()
{
    if (renderer_->AreaWidth != width() || renderer_->AreaHeight != height())
        layoutDirty_ = true;
    renderer_->AreaWidth = width();
    renderer_->AreaHeight = height();
    renderer_->BackgroundColour = KolorZQt(palette().color(backgroundRole()));
}

void TQzHtmlLabel2::Renderuj()
{
    if (html_.isEmpty())
        return;
    SyncSize();
    dynamicDirty_ = false;
    renderer_->Render();
    ++liczbaRenderowan_;
    bool zmiana = layoutDirty_;
    layoutDirty_ = false;
    if (zmiana && autoHeight_)
        DopasujWysokosc();
}

void TQzHtmlLabel2::DopasujWysokosc()
{
    // The area takes the new height first: the resize that follows is no change to render for.
    int wysokosc = renderer_->WysokoscObrazu();
    renderer_->AreaHeight = wysokosc;
    resize(width(), wysokosc);
}

void TQzHtmlLabel2::paintEvent(QPaintEvent* zdarzenie)
{
    if (html_.isEmpty()) {
        QLabel::paintEvent(zdarzenie);
        return;
    }
    SyncSize();
    if (renderer_->Obraz().isNull() || layoutDirty_ || dynamicDirty_) {
        wMalowaniu_ = true;
        Renderuj();
        wMalowaniu_ = false;
    }
    QPainter malarz(this);
    drawFrame(&malarz);
    renderer_->KopiujNa(malarz, QPoint(0, 0));
}

void TQzHtmlLabel2::resizeEvent(QResizeEvent* zdarzenie)
{
    QLabel::resizeEvent(zdarzenie);
    SyncSize();
    if (layoutDirty_)
        Renderuj();
}

void TQzHtmlLabel2::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    renderer_->MouseMove(this, zdarzenie->position().toPoint());
    QLabel::mouseMoveEvent(zdarzenie);
}

void TQzHtmlLabel2::mousePressEvent(QMouseEvent* zdarzenie)
{
    wcisniety_ = zdarzenie->button() == Qt::LeftButton;
    renderer_->MouseDown(this, zdarzenie->button(), zdarzenie->position().toPoint());
    QLabel::mousePressEvent(zdarzenie);
}

void TQzHtmlLabel2::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    bool klikniecie = wcisniety_ && zdarzenie->button() == Qt::LeftButton && rect().contains(zdarzenie->position().toPoint());
    wcisniety_ = false;
    QLabel::mouseReleaseEvent(zdarzenie);
    if (klikniecie)
        emit clicked();
}

const TQzHtmlLabel2::TWymiaryNaturalne& TQzHtmlLabel2::WymiaryNaturalne() const
{
    if (!wymiaryNaturalne_) {
        TQzMiniHtml2 miarka;
        miarka.Html = html_;
        miarka.AreaWidth = SzerokoscBezZawijania;
        miarka.UlozHtml();
        int najszerszy = 0;
        for (const auto& item : miarka.Items())
            if (JestKlasy<aVisTag>(item.get()) && item->Widoczny())
                najszerszy = std::max(najszerszy, item->width);
        wymiaryNaturalne_ = TWymiaryNaturalne{QSize(miarka.Right() + 5, miarka.WysokoscObrazu()), najszerszy};
    }
    return *wymiaryNaturalne_;
}

int TQzHtmlLabel2::WysokoscPrzySzerokosci(int szerokosc) const
{
    if (szerokosc == renderer_->AreaWidth && !layoutDirty_)
        return renderer_->WysokoscObrazu();
    TQzMiniHtml2 miarka;
    miarka.Html = html_;
    miarka.AreaWidth = szerokosc;
    miarka.UlozHtml();
    return miarka.WysokoscObrazu();
}

QSize TQzHtmlLabel2::sizeHint() const
{
    return html_.isEmpty() ? QLabel::sizeHint() : WymiaryNaturalne().rozmiar;
}

QSize TQzHtmlLabel2::minimumSizeHint() const
{
    if (html_.isEmpty())
        return QLabel::minimumSizeHint();
    // Narrower than its widest word the text would run out of the label.
    return QSize(WymiaryNaturalne().najszerszy + 10, WymiaryNaturalne().rozmiar.height());
}

bool TQzHtmlLabel2::hasHeightForWidth() const
{
    return autoHeight_ && !html_.isEmpty();
}

int TQzHtmlLabel2::heightForWidth(int szerokosc) const
{
    return hasHeightForWidth() ? WysokoscPrzySzerokosci(szerokosc) : QLabel::heightForWidth(szerokosc);
}
