#pragma once
// Equations and units of the calculator windows in a compact notation, turned into the mark-up of
// the rich-text label: _{x} a subscript, ^{x} a superscript (both bold), @x the Greek letter of x
// in the Symbol font.
#include <QString>
#include <initializer_list>

class QWidget;
class TQzHtmlLabel2;

QString ZnacznikiRownania(const QString& tekst);
// Each line one centred paragraph in the font size given.
QString RownanieHtml(std::initializer_list<const char*> wiersze, int rozmiar = 14);
// A rich-text label with its name and mark-up.
TQzHtmlLabel2* EtykietaHtml(const QString& nazwa, const QString& html, QWidget* rodzic);
