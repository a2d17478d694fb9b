#pragma once
// Fuller's diffusion coefficient of two gases at a temperature and pressure. The two compounds
// are chosen by their English names; a simple molecule brings its diffusion volume with it, any
// other compound gets it from the atom and ring counts ticked on its tab. The tabs appear once
// both compounds are chosen.
#include "DyfuzjaFullera.h"

#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabWidget;
class TListaZwiazkow;
class TPoleLiczbowe;
class TWierszeGrup;
class TQzHtmlLabel2;

// The controls and values of one compound.
struct TZwiazekFullera {
    TListaZwiazkow* cbZwiazek = nullptr;
    QLabel* lblM = nullptr;
    QLabel* lblWzor = nullptr;
    QStackedWidget* strony = nullptr; // the atom panel or the message panel
    TWierszeGrup* atomy = nullptr;
    QScrollArea* komunikat = nullptr;
    QLabel* lblKomunikat = nullptr;

    bool znaleziony = false; // chosen from the list and read since the window was shown
    long double M = 0;
    QString wzor;
};

class TFuller_Form : public QWidget {
    Q_OBJECT
public:
    explicit TFuller_Form(QWidget* rodzic = nullptr);

    QWidget* Panel1;
    TQzHtmlLabel2* ImgdelDab;
    QLabel* lbl2T;
    TPoleLiczbowe* edtT;
    QLabel* lbl2P;
    TPoleLiczbowe* edtP;
    QWidget* pnlOblicz;
    QPushButton* buttonOblicz;
    QLineEdit* Edit1;
    QWidget* pnlAtomy; // the right column: lblPodaj above the tabs
    QLabel* lblPodaj;
    QTabWidget* PageControl1;
    std::array<TZwiazekFullera, 2> zwiazki;
    QAction* Zakocz1;
    QAction* Wyjciezprogramu1;

    void FormShow();
    // Choice of compound 1 or 2 (0 or 1): its counts reset, looked up, its panel shown.
    void cbZwiazekChange(int i);
    // Looks the compound up; false (after the message, the list emptied) when there is none.
    bool FullerSzukaj(int i);
    void Zerowanie(int i);
    void buttonObliczClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    QWidget* UtworzPanelLewy();
    QWidget* UtworzPanelAtomow();
    QWidget* UtworzStroneZwiazku(int i);
    // The volume sum of the compound; none (after a message) when a count is not a whole
    // number of at least 1.
    std::optional<long double> ObjetoscZwiazku(int i);
    bool Sprawdz(bool warunek, const QString& komunikat);
};

// Registers the window for its method code (start-up calls it once).
void ZarejestrujOknoFullera();
