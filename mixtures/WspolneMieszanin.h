#pragma once
// What the mixture windows share: the look-up of a component by the text of its list (the name
// upper-cased, ASCII letters, against the upper-cased Polish names of the file; an empty name is
// never a component), the refusal of a record whose needed values are missing, and the menu.
#include <QString>
#include <initializer_list>
#include <utility>

class QAction;
class QMainWindow;
class TListaZwiazkow;
struct TRekordYaws;

// Reads the component named by the list into RekordYaws; false when there is none.
bool WczytajSkladnik(const TListaZwiazkow* lista);

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
