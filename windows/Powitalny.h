#pragma once
// The splash window: fades in over the desktop while the main window comes up, then closes on
// its timer or on a click.
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

class TPowitalny_Form : public QWidget {
    Q_OBJECT
public:
    explicit TPowitalny_Form(QWidget* rodzic = nullptr);

    QLabel* Image1;
    QLabel* lblStudenci;
    QLabel* lblAutorzy;
    QLabel* lblKierunek;
    QLabel* lblOpiekun;
    QProgressBar* pBar;
    QTimer* Timer;

    // The form-level click handler; empty while the fade-in runs.
    void UzbrojKlikniecie(bool uzbrojone) { klikUzbrojony_ = uzbrojone; }
    // Once the start-up is done: the progress bar goes.
    void UkryjPasek();

    void FormCreate();
    void EnyClick();
    void TimerTimer();

protected:
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    bool klikUzbrojony_ = false;
};

extern TPowitalny_Form* Powitalny_Form;

// Pause after each of the 251 steps of the fade-in, in milliseconds (tests shorten it).
inline int OpoznienieKrokuPowitania = 3;

// Shows the splash and runs its sequence; returns with the splash still on screen. Does nothing
// when the splash window already exists.
void PokazPowitanie();

// The window's constant opacity, alpha 0 (transparent) .. 255 (opaque).
void UstawPrzezroczystosc(QWidget* okno, int alfa);
