#include "QzHtmlLabel2.h"

#include <QMouseEvent>

TQzHtmlLabel2::TQzHtmlLabel2(QWidget* rodzic) : QLabel(rodzic)
{
    setTextFormat(Qt::RichText);
}

void TQzHtmlLabel2::setHtml(const QString& html)
{
    html_ = html;
    setText(html);
}

void TQzHtmlLabel2::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    QLabel::mouseReleaseEvent(zdarzenie);
    if (zdarzenie->button() == Qt::LeftButton && rect().contains(zdarzenie->position().toPoint()))
        emit clicked();
}
