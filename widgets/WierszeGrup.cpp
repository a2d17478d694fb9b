#include "WierszeGrup.h"

#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "Kontrolka.h"
#include "ObslugaZdarzen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

TWierszeGrup::TWierszeGrup(const QString& nazwa, const std::vector<TOpisWierszaGrupy>& wiersze, int maksimum,
                           QWidget* rodzic)
    : QScrollArea(rodzic)
{
    setObjectName(nazwa);
    auto* tresc = new QWidget;
    auto* siatka = new QGridLayout(tresc);
    siatka->setVerticalSpacing(2);
    int linia = 0;
    for (const TOpisWierszaGrupy& opis : wiersze) {
        if (!opis.naglowek.isEmpty()) {
            auto* naglowek = new QLabel(opis.naglowek);
            naglowek->setStyleSheet(QStringLiteral("font-weight: bold"));
            siatka->addWidget(naglowek, linia++, 0, 1, 2);
        }
        const int wiersz = static_cast<int>(pola_.size());
        auto* pole = Utworz<QCheckBox>(opis.nazwaPola, opis.podpis);
        auto* licznik = new TEdycjaZLicznikiem(opis.nazwaLicznika, 1, maksimum);
        licznik->setText(QStringLiteral("1"));
        licznik->setFixedWidth(64);
        licznik->hide();
        // As tall as its count box, so a row does not grow when the box appears.
        pole->setMinimumHeight(licznik->sizeHint().height());
        siatka->addWidget(pole, linia, 0);
        siatka->addWidget(licznik, linia++, 1);
        pola_.push_back(pole);
        liczniki_.push_back(licznik);
        connect(pole, &QCheckBox::clicked, this, WSieci([this, wiersz] {
                    liczniki_[wiersz]->setVisible(pola_[wiersz]->isChecked());
                    emit kliknieto(wiersz);
                }));
    }
    siatka->setRowStretch(linia, 1);
    siatka->setColumnStretch(0, 1);
    setWidget(tresc);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TWierszeGrup::Wyzeruj()
{
    for (size_t i = 0; i < pola_.size(); ++i) {
        pola_[i]->setChecked(false);
        liczniki_[i]->hide();
        liczniki_[i]->setText(QStringLiteral("1"));
    }
}

bool TWierszeGrup::WczytajLiczby(std::span<int> liczby, const QString& komunikat,
                                 const std::function<void()>& pokazWiersze)
{
    for (size_t i = 0; i < pola_.size(); ++i) {
        liczby[i] = 0;
        if (!pola_[i]->isChecked())
            continue;
        bool calkowita = false;
        liczby[i] = liczniki_[i]->text().trimmed().toInt(&calkowita);
        if (!calkowita || liczby[i] < 1) {
            pokazWiersze();
            PokazKomunikat(komunikat);
            liczniki_[i]->setFocus();
            liczniki_[i]->edycja()->selectAll();
            return false;
        }
    }
    return true;
}
