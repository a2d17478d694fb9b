#pragma once
// What the mixture windows share: the look-up of a component by the text of its list (the name
// upper-cased, ASCII letters, against the upper-cased names of the file; an empty name is never a
// component), the refusal of a record whose needed values are missing, the menu, and the
// two-column frame of the windows that widen.
#include "Wyszukiwanie.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;
class TListaZwiazkow;
struct TRekordYaws;

// The refusal of mole fractions that do not add up to 1.
inline const QString SumaRoznaOdJeden = QStringLiteral("Suma udziałów jest różna od 1.");

// The record of the component named by the list; nothing when there is none.
std::optional<TRekordYaws> SkladnikListy(const TListaZwiazkow* lista, PoleSzukania pole = PoleSzukania::NazwaPL);

// The window's not-found message ("Niema" is the spelling some lists use), then the list emptied.
void ZglosBrakSkladnika(TListaZwiazkow* lista, bool pisowniaNiema);

// True when none of the named values is missing; otherwise says which ones are, for the record's
// substance, and is false.
bool SkladnikMaDane(const TRekordYaws& rekord, std::initializer_list<std::pair<const char*, long double>> potrzebne);

// The "Plik" menu: "Zakończ" closes the window, "Wyjście z programu" ends the program.
struct MenuPlik {
    QAction* Zakocz1;
    QAction* Wyjciezprogramu1;
};
MenuPlik UtworzMenuPlik(QMainWindow* okno);
MenuPlik UtworzMenuPlik(QWidget* okno, QMenuBar* pasek);

// Lays the window out in two columns under the "Plik" menu, its size following what they show
// (the left column as tall as the window); the right column stays hidden until PokazPrawaKolumne.
MenuPlik UlozDwieKolumny(QWidget* okno, QWidget* lewa, QWidget* prawa);

// Shows the right column (once): the window widens and is centred on the desktop again.
void PokazPrawaKolumne(QWidget* okno, QWidget* prawa);
