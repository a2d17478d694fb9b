#pragma once
// Controls of the windows are made with their names, so code and tests find them by name.
#include <QString>
#include <utility>

template <class Kontrolka, class... Argumenty>
Kontrolka* Utworz(const QString& nazwa, Argumenty&&... argumenty)
{
    auto* kontrolka = new Kontrolka(std::forward<Argumenty>(argumenty)...);
    kontrolka->setObjectName(nazwa);
    return kontrolka;
}
