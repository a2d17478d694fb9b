#pragma once
// Grunberg and Nissan's viscosity of a binary liquid mixture at a temperature. A temperature
// typed opens the components' step: each component is chosen by its Polish name, with its mole
// fraction, carbon number and ticked groups; two speed buttons switch between the components.
// The pure-liquid viscosities come from the liquid-viscosity correlation of the data file.
#include "LepkoscGrunberga.h"
#include "Zmienne.h"

#include <QWidget>
#include <array>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class TListaZwiazkow;
class TPoleLiczbowe;
class TWierszeGrup;

// The controls and the looked-up record of one component.
struct TSkladnikGrunberga {
    QToolButton* sbZwiazek = nullptr;
    TListaZwiazkow* cbZwiazek = nullptr;
    TPoleLiczbowe* eU = nullptr;
    QLineEdit* eN = nullptr;
    TWierszeGrup* ScrollBox = nullptr;

    TRekordYaws rekord;
    QString wzor;
};

class TGrunberg_Form : public QWidget {
    Q_OBJECT
public:
    explicit TGrunberg_Form(QWidget* rodzic = nullptr);

    QWidget* Panel1;
    TPoleLiczbowe* editT;
    QLabel* Label4;
    QLabel* lblUwaga;
    QLabel* Label5;
    QLabel* Label9;
    QLabel* lblWzor;
    QWidget* pnlGrupy; // Label11 above the group panels
    QLabel* Label11;
    QWidget* Panel2;
    QLineEdit* Edit1;
    QPushButton* buttonOblicz;
    std::array<TSkladnikGrunberga, 2> skladniki;
    QAction* Zakocz1;
    QAction* Wyjciezprogramu1;

    void FormShow();
    void editTChange();
    // The speed button of component 1 or 2 (0 or 1): its controls shown, the other's hidden.
    void sbZwiazekClick(int i);
    // Looks the component up; false (after the message, the list emptied) when there is none.
    bool Grunbergszukaj(int i);
    void buttonObliczClick();
    void lblUwagaClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QWidget* UtworzPanelLewy();
    QWidget* UtworzPanelGrup();
    QScrollArea* UtworzGrupySkladnika(int i);
    void PokazSkladnik(int i);
    bool SprawdzZakres(long double T);
    // The carbon number of the component (an empty box is 0); none after a message.
    std::optional<int> LiczbaWegla(int i);
    // The group sum of the component; none after a message when a count is not a whole number
    // of at least 1.
    std::optional<long double> SumaGrup(int i, int NC);
};

// Registers the window for its method code (start-up calls it once).
void ZarejestrujOknoGrunberga();
