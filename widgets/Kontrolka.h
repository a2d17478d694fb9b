#pragma once
// Controls of the windows are made with their names, so code and tests find them by name.
#include <QLineEdit>
#include <QString>
#include <utility>

template <class Kontrolka, class... Argumenty>
Kontrolka* Utworz(const QString& nazwa, Argumenty&&... argumenty)
{
    auto* kontrolka = new Kontrolka(std::forward<Argumenty>(argumenty)...);
    kontrolka->setObjectName(nazwa);
    return kontrolka;
}

// A line edit that only shows a value.
inline QLineEdit* PoleTylkoDoOdczytu(const QString& nazwa, QWidget* rodzic = nullptr)
{
    auto* pole = Utworz<QLineEdit>(nazwa, rodzic);
    pole->setReadOnly(true);
    return pole;
}
