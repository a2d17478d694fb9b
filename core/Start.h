#pragma once
// The part of start-up that needs no window: the folder and file paths, and opening the four
// data files with the messages the program shows when one is missing.
#include <QString>
#include <QStringList>

// KatalogProgramu and KatalogDanych from the given folder; binds the file variables to the four
// data files there.
void UstawSciezki(const QString& katalogProgramu);

struct WynikOtwarcia {
    bool moznaKontynuowac = false; // false: YAWS.dat missing, unreadable or refused, the program ends
    QStringList komunikaty;        // in the order they are to be shown
};

// Opens Rcg.dan, Rcgt.dan, mixc.dan and YAWS.dat (in that order) and clears the current records.
WynikOtwarcia OtworzPlikiDanych();
