#pragma once
// The windows that the method codes open. KodyMetod names, for each code, a window class and the
// loader its opener runs; a window unit registers its class here with the function that creates
// it and its loaders by name. A code whose window (or loader) is not registered opens nothing.
//
// A window unit offers a function that registers it, and the start-up (UruchomProgram in
// app/Uruchomienie.cpp) calls it once before it creates the main window, e.g.
//     ZarejestrujOknoMetody<TEstymacjaWlasnosciFrm>(
//         QStringLiteral("TEstymacjaWlasnosciFrm"),
//         {{QStringLiteral("wczytajBrocka"), &TEstymacjaWlasnosciFrm::wczytajBrocka}, ...});
// The window is created without a parent (owned by the application).
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

inline const QString MetodaNiedostepna = QStringLiteral("Ta metoda nie jest jeszcze dostępna");

using FabrykaOkna = std::function<QWidget*()>;
using PrzygotowanieOkna = std::function<void(QWidget*)>;

void ZarejestrujOknoMetody(const QString& klasa, FabrykaOkna fabryka,
                           std::map<QString, PrzygotowanieOkna> przygotowania = {});

template <class Okno>
void ZarejestrujOknoMetody(const QString& klasa,
                           std::initializer_list<std::pair<QString, void (Okno::*)()>> przygotowania = {})
{
    std::map<QString, PrzygotowanieOkna> wywolania;
    for (const auto& [nazwa, metoda] : przygotowania)
        wywolania[nazwa] = [metoda](QWidget* okno) { (static_cast<Okno*>(okno)->*metoda)(); };
    ZarejestrujOknoMetody(klasa, []() -> QWidget* { return new Okno; }, std::move(wywolania));
}

// Forgets every registration (tests).
void WyrejestrujOknaMetod();

// The window of the code is registered, with its loader when the code names one.
bool OknoMetodyDostepne(const QString& kod);
// Creates the window of the code and runs its loader; nullptr when it is not available.
QWidget* UtworzOknoMetody(const QString& kod);
