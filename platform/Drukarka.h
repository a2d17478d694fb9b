#pragma once
// Printing on the default printer, without a print dialog. Without a default printer the user
// is told "Brak drukarki domyślnej"; a printer that fails is reported too. Tests put a printer
// of their own (a PDF file) in place of the default one.
#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;

// Draws the document with rysuj(painter, page rectangle in device pixels); a document of several
// pages starts each further one with newPage() on the painter's device, the printer. False, after
// a message, when nothing could be printed.
bool DrukujNaDomyslnejDrukarce(const QString& nazwaDokumentu,
                               const std::function<void(QPainter&, const QRect&)>& rysuj);

// For the lifetime of the guard, printing goes to the given printer (nullptr: as if the system
// had no default printer). Tests only.
class PodstawDrukarke {
public:
    explicit PodstawDrukarke(QPrinter* drukarka);
    ~PodstawDrukarke();
    PodstawDrukarke(const PodstawDrukarke&) = delete;
    PodstawDrukarke& operator=(const PodstawDrukarke&) = delete;

private:
    bool poprzedniaPodstawiona_;
    QPrinter* poprzednia_;
};
