#pragma once
// Finding a substance in YAWS.dat by Polish or English name, formula or CAS number, and the
// contents of the four search lists. Every search walks records 1 .. last in a copy of their text
// fields, made once for each opening of the file; a search by name walks the names side by side
// and offers its candidates in the order the names were sorted in once for that opening. Only the
// main window's search reads the record found into RekordYaws (WczytajZnaleziony); every other
// reader holds the record it is given (ZnalezionyRekord, SkladnikONazwie).
#include "Zmienne.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

enum class PoleSzukania { NazwaPL, NazwaANG, Wzor, CAS };

struct ListySzukania {
    QStringList NazwyPL;   // upper-cased (ASCII letters only)
    QStringList NazwyANG;  // upper-cased
    QStringList Wzory;     // as stored
    QStringList NumeryCAS; // as stored
};

// Every non-empty value of records 1 .. last (a single blank counts as empty), each list sorted in
// the Polish order; duplicates stay.
ListySzukania ZbierzListySzukania();
// Just one of the two name lists (NazwaPL or NazwaANG), as ZbierzListySzukania gives it.
QStringList ListaNazw(PoleSzukania pole);

struct WynikSzukania {
    bool Znaleziono = false;   // one record found, at Pozycja
    long long Pozycja = 0;
    bool WymagaWyboru = false; // the user chooses one of Kandydaci; nothing found yet
    QStringList Kandydaci;     // in the order they are offered
    PoleSzukania PoleWyboru = PoleSzukania::NazwaANG; // the field a chosen name is looked up by
};

// Searches by the text of the list of the given field:
// - names: an exact match (case ignored, the last one in the file wins) is found at once;
//   otherwise every name containing the text is a candidate, sorted, even a single one;
// - CAS: every equal number is a hit; the English names of two or more hits are candidates, in
//   file order;
// - formula: like CAS, but a formula of 2 to 4 characters is also tried in every order of its
//   characters (identity first), and a record is hit once for every order equal to its formula.
WynikSzukania SzukajZwiazku(PoleSzukania pole, const QString& tekstListy);

// Record number of the first record whose upper-cased value of the field equals the text exactly;
// 0 when there is none. Names are looked up in the sorted names the searches keep, formulas and
// CAS numbers by a walk.
long long ZnajdzPierwszyONazwie(PoleSzukania pole, const QString& nazwa);

// The record that `znajdz` finds among the texts kept from the file (0 for none), but only while
// the record's own texts are still the kept ones. Otherwise the file has changed since: it is
// opened again, its texts are kept anew and `znajdz` runs once more. Nothing when nothing is
// found, the record is gone, or the file changed again.
std::optional<TRekordYaws> ZnalezionyRekord(const std::function<long long()>& znajdz);
// The same read into RekordYaws; false (RekordYaws stays) when there is nothing.
bool WczytajZnaleziony(const std::function<long long()>& znajdz);

// A component: the first record (as ZnalezionyRekord) whose name in the field equals the name,
// both upper-cased (ASCII letters); an empty or blank name names none.
std::optional<TRekordYaws> SkladnikONazwie(PoleSzukania pole, const QString& nazwa);

// All n! orders of the characters of a formula, in lexicographic order of the positions.
std::vector<QString> PrzestawieniaWzoru(const QString& wzor);

// Reads record n of PlikYaws into RekordYaws and leaves the file positioned at it, whatever the
// record holds now.
bool WczytajRekordYaws(long long pozycja);

// What a list of the field shows for the typed text before it is searched for.
QString TekstDoSzukania(PoleSzukania pole, const QString& tekstListy);

constexpr int DlugoscNazwy = 50;
