#include "GrupaRadiowa.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TGrupaRadiowa::TGrupaRadiowa(const QString& nazwa, const QString& podpis, const QStringList& pozycje,
                             QWidget* rodzic)
    : QGroupBox(podpis, rodzic), przyciski_(new QButtonGroup(this))
{
    setObjectName(nazwa);
    auto* uklad = new QVBoxLayout(this);
    uklad->setSpacing(2);
    for (int i = 0; i < pozycje.size(); ++i) {
        auto* przycisk = new QRadioButton(pozycje[i], this);
        przyciski_->addButton(przycisk, i);
        uklad->addWidget(przycisk);
    }
    connect(przyciski_, &QButtonGroup::idToggled, this, &TGrupaRadiowa::Zaznaczono);
}

void TGrupaRadiowa::Zaznaczono(int indeks, bool zaznaczony)
{
    if (!zaznaczony)
        return;
    indeks_ = indeks;
    emit Click();
}

void TGrupaRadiowa::UstawItemIndex(int indeks)
{
    indeks = std::max(indeks, -1);
    if (indeks == indeks_ || indeks >= LiczbaPozycji())
        return;
    if (indeks >= 0) {
        Pozycja(indeks)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button.
    przyciski_->setExclusive(false);
    Pozycja(indeks_)->setChecked(false);
    przyciski_->setExclusive(true);
    indeks_ = -1;
}

int TGrupaRadiowa::LiczbaPozycji() const
{
    return static_cast<int>(przyciski_->buttons().size());
}

QRadioButton* TGrupaRadiowa::Pozycja(int indeks) const
{
    return static_cast<QRadioButton*>(przyciski_->button(indeks));
}

void UstawPozycjeGrupy(TGrupaRadiowa* grupa, int pozycja, bool wlaczona)
{
    if (QRadioButton* przycisk = grupa->Pozycja(pozycja))
        przycisk->setEnabled(wlaczona);
}
