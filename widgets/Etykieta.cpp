#include "Etykieta.h"

#include "Kontrolka.h"

#include <QLabel>

QLabel* Etykieta(const QString& tekst, const QString& nazwa, QWidget* rodzic, WygladEtykiety wyglad)
{
    auto* etykieta = Utworz<QLabel>(nazwa, tekst, rodzic);
    if (wyglad.pogrubiona) {
        QFont czcionka = etykieta->font();
        czcionka.setBold(true);
        etykieta->setFont(czcionka);
    }
    etykieta->setWordWrap(wyglad.zawijana);
    return etykieta;
}
