#pragma once
// Writes the binary data files from records, and reads the sample database's text form
// (UTF-8 tab-separated tables whose columns carry the field names) into records.
#include "Zmienne.h"

#include <QString>
#include <vector>

// Each writer puts a cleared record 0 in front of the records; false when the file cannot be written.
bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordYaws>& rekordy);
bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordRcg>& rekordy);
bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordMixc>& rekordy);

// A cleared record (every number BrakDanych, every text empty) to fill in by hand.
TRekordYaws PustyRekordYaws();

// Readers of the text form; an empty cell is BrakDanych. They throw std::runtime_error with the
// file name and line on a malformed table.
std::vector<TRekordYaws> CzytajSubstancje(const QString& sciezkaTsv);
std::vector<TRekordRcg> CzytajRownowagi(const QString& sciezkaTsv);
std::vector<TRekordMixc> CzytajMixc(const QString& sciezkaTsv);

// Writes YAWS.dat, Rcg.dan, Rcgt.dan and mixc.dan into katalogDanych from the text form in katalogTekstow.
void ZapiszBazeProbna(const QString& katalogTekstow, const QString& katalogDanych);
