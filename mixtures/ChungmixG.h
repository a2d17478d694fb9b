#pragma once
// Chung's viscosity of a binary gas mixture, also at high pressure: the mixture's molar density
// comes from the gas-mixture window, opened in its density mode for this window's mixture.
#include "MieszaninaChunga.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class TEdycjaZLicznikiem;
class TListaZwiazkow;
class TPoleLiczbowe;
class TQzHtmlLabel2;
struct StanMieszaninyGazow;

class TChungMG_Form : public QMainWindow {
    Q_OBJECT
public:
    explicit TChungMG_Form(QWidget* rodzic = nullptr);

    TListaZwiazkow* cbZwiazek1;
    TListaZwiazkow* cbZwiazek2;
    TPoleLiczbowe* eU1;
    TPoleLiczbowe* eU2;
    TPoleLiczbowe* edtT;
    TPoleLiczbowe* edtP;
    QCheckBox* chbCzyPolarne;
    QLabel* lblIleOH;
    QLabel* lblIleZw1;
    QLabel* lblIleZw2;
    TEdycjaZLicznikiem* edtOH1;
    TEdycjaZLicznikiem* edtOH2;
    QPushButton* sbtnGestosc;
    TPoleLiczbowe* edtGestoscObl;
    QPushButton* buttonOblicz;
    TPoleLiczbowe* Edit1;      // µP
    TPoleLiczbowe* edtWynikPas; // the same viscosity in Pa·s
    TQzHtmlLabel2* ImgdelLep; // the equations
    QLabel* lblWybierz1;
    QAction* Zakocz1;
    QAction* Wyjciezprogramu1;

    void FormShow();
    void eUChange(int k); // k = 1, 2
    void chbCzyPolarneClick();
    void sbtnGestoscClick();
    void buttonObliczClick();
    // Looks component k up; false (after its message) when it is not there or lacks data.
    bool FullerSzukaj(int k);

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    QWidget* UtworzSkladniki();
    QWidget* UtworzWarunki();
    QWidget* UtworzAsocjacje();
    QWidget* UtworzWynik();
    void WyczyscGestosc();
    void WyczyscWynik();
    void PrzyjmijGestosc(long double gestosc, const StanMieszaninyGazow& stan);
    std::optional<long double> Kappa(int k);

    SkladnikChunga skladnik_[2];
    std::optional<long double> gestosc_; // mol/cm³, for the mixture as it stands
    bool wUdzialach_ = false;
};

// Registers the window with the method dispatch of the main window.
void ZarejestrujOknoChunga();
