#include "EdycjaZLicznikiem.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* PrzyciskStrzalki(const QString& nazwa, Qt::ArrowType strzalka)
{
    auto* przycisk = new QToolButton;
    przycisk->setObjectName(nazwa);
    przycisk->setArrowType(strzalka);
    przycisk->setAutoRepeat(true);
    przycisk->setFocusPolicy(Qt::NoFocus);
    przycisk->setFixedSize(16, 11);
    return przycisk;
}

} // namespace

TEdycjaZLicznikiem::TEdycjaZLicznikiem(const QString& nazwa, int minimum, int maksimum,
                                       QWidget* rodzic)
    : QWidget(rodzic),
      edycja_(new QLineEdit),
      wGore_(PrzyciskStrzalki(nazwa + QLatin1Char('W'), Qt::UpArrow)),
      wDol_(PrzyciskStrzalki(nazwa + QLatin1Char('N'), Qt::DownArrow)),
      minimum_(minimum),
      maksimum_(maksimum)
{
    edycja_->setObjectName(nazwa);
    auto* przyciski = new QVBoxLayout;
    przyciski->setContentsMargins(0, 0, 0, 0);
    przyciski->setSpacing(0);
    przyciski->addWidget(wGore_);
    przyciski->addWidget(wDol_);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(1);
    uklad->addWidget(edycja_);
    uklad->addLayout(przyciski);
    setFocusProxy(edycja_);
    connect(wGore_, &QToolButton::clicked, this, [this] { Przestaw(+1); });
    connect(wDol_, &QToolButton::clicked, this, [this] { Przestaw(-1); });
}

void TEdycjaZLicznikiem::Przestaw(int kierunek)
{
    bool liczba = false;
    const int nowa = edycja_->text().trimmed().toInt(&liczba) + kierunek;
    if (liczba && minimum_ <= nowa && nowa <= maksimum_)
        edycja_->setText(QString::number(nowa));
    emit krok(kierunek);
}
