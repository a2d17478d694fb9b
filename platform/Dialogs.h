#pragma once
// Message boxes, modal runs of windows and file dialogs go through these functions, so tests can
// install a recorder: a message box records its text and returns a scripted button, a modal run
// calls a script instead of entering an event loop, a file dialog returns a scripted name.
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

enum class RodzajKomunikatu { Informacja, Ostrzezenie, Blad, Pytanie, Zwykly };

QMessageBox::StandardButton PokazKomunikat(const QString& tekst,
                                           RodzajKomunikatu rodzaj = RodzajKomunikatu::Zwykly,
                                           QMessageBox::StandardButtons przyciski = QMessageBox::Ok,
                                           QWidget* rodzic = nullptr);

// Moves the window to the centre of the desktop (the primary screen's working area), whole on
// it; a window that sizes itself when shown is centred again for its new size.
void WysrodkujNaPulpicie(QWidget* okno);

// Shows the window where it belongs: a window placed by its own code (moved, or centred on the
// desktop) stays there; any other opens centred over the window that opened it. Every window
// opens whole on the screen, shrunk if it is larger.
void PokazNaEkranie(QWidget* okno, const QWidget* otwierajacy);

// Shows the window application-modal (through PokazNaEkranie) and returns when it closes (not
// when it merely hides). The opener is the given window, else the window of the window's parent,
// else the active window.
void UruchomModalnie(QWidget* okno, const QWidget* otwierajacy = nullptr);

// The hourglass for the lifetime of the guard, while a long computation or a file walk runs.
class KursorOczekiwania {
public:
    KursorOczekiwania();
    ~KursorOczekiwania();
    KursorOczekiwania(const KursorOczekiwania&) = delete;
    KursorOczekiwania& operator=(const KursorOczekiwania&) = delete;
};

// Returns the chosen file name (empty on Cancel) and the index, from 1, of the chosen filter. A
// name without an extension gets the chosen filter's; an existing file of that final name is
// replaced only when the user says so (otherwise the choice counts as Cancel).
QString WybierzPlikDoZapisu(QWidget* rodzic, const QString& tytul, const QString& filtr,
                            int* indeksFiltra = nullptr);

struct ZapisanyKomunikat {
    QString tekst;
    RodzajKomunikatu rodzaj;
};

struct RejestratorOkien {
    std::vector<ZapisanyKomunikat> komunikaty;
    std::deque<QMessageBox::StandardButton> odpowiedzi; // empty: the first button offered
    // Called in place of the modal event loop; the window is shown while it runs.
    std::function<void(QWidget*)> skryptModalny;
    std::vector<QWidget*> oknaModalne;
    std::deque<std::pair<QString, int>> plikiDoZapisu; // name and filter index
    std::vector<QString> tekstyKomunikatow() const;
};

// Installs the recorder for the lifetime of the guard (tests only).
class ZapisujOkna {
public:
    ZapisujOkna();
    ~ZapisujOkna();
    ZapisujOkna(const ZapisujOkna&) = delete;
    ZapisujOkna& operator=(const ZapisujOkna&) = delete;
    RejestratorOkien& rejestrator() { return rejestrator_; }
    RejestratorOkien* operator->() { return &rejestrator_; }

private:
    RejestratorOkien rejestrator_;
    RejestratorOkien* poprzedni_;
};
