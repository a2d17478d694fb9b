#pragma once
// Upper-casing of ASCII letters only, and the case-insensitive Polish order used for searching
// and sorting names (A < Ą < B < C < Ć ... < Z < Ź < Ż; digits and signs before letters).
#include <QString>
#include <QStringList>
#include <string>

QString UpperAscii(const QString& tekst);
QString LowerAscii(const QString& tekst);
std::string UpperAscii(const std::string& tekst);

// < 0, 0 or > 0, ignoring the case of every letter, Polish ones included.
int PorownajPL(const QString& a, const QString& b);
bool RowneBezWielkosciLiter(const QString& a, const QString& b);
void SortujPL(QStringList& lista);
// Appends the name unless the list holds it already, whatever the case of its letters.
void DodajBezPowtorzen(QStringList& lista, const QString& nazwa);
// The weight of one character in that order: texts compare by their characters' weights, then
// the shorter first.
int WagaZnakuPL(QChar znak);
