#pragma once
// The binary vapour-liquid equilibrium window: the user picks a pair and one of its stored data
// sets (isobar "RcgBis" from Rcg.dan, isotherm from Rcgt.dan), sees its Antoine constants and
// Wilson parameters, and opens the table window, which computes and charts the equilibrium
// through this window (TRownowagaDlaTabeli).
//
// Two panels: the selection panel, and the parameter panel that OK brings. Closing goes back to
// the selection panel first; the second close ends the window and clears KodMetody.
#include "WierszeTabeli.h"
#include "Zmienne.h"

#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TListaZwiazkow;
class TPoleLiczbowe;

class TFrmRownowaga : public QWidget, public TRownowagaDlaTabeli {
    Q_OBJECT
public:
    explicit TFrmRownowaga(QWidget* rodzic = nullptr);

    // Selection panel.
    QWidget* pnlSkladniki;
    TListaZwiazkow* cbZwiazek1;
    QComboBox* cbZwiazek2;
    QComboBox* cbCisnienie; // each item holds the record number of its data set
    QLabel* Label17;
    QLabel* Label18;
    QLabel* lblTpoczatkowa;
    QLabel* lblTkoncowa;
    TPoleLiczbowe* edtTmin;
    TPoleLiczbowe* edtTmax;
    QLabel* lblKmin;
    QLabel* lblKmax;
    QLabel* lblTmin;
    QLabel* lblTmax;
    QLabel* lblKrok;
    TPoleLiczbowe* edtKrok;
    QPushButton* btnSkladniki;
    QPushButton* BitBtn1;

    // Parameter panel.
    QWidget* pnlRownowaga;
    QLineEdit* edtWzor;
    QLabel* Label13;
    QLabel* Label35;
    QLineEdit* edtPvp;
    QLineEdit *edtA1, *edtB1, *edtC1, *edtA2, *edtB2, *edtC2;
    QLabel* lblTpocz;
    QLabel* lblTkon;
    QLabel* lblKpocz;
    QLabel* lblKkon;
    QLineEdit* edtTpocz;
    QLineEdit* edtTb;
    QLabel* lblEpsilon;
    TPoleLiczbowe* edtEpsilon;
    QLineEdit *edtW12, *edtW21;
    QPushButton* Tab_Button;
    QPushButton* btnWstecz;

    // The chosen data set, as the computations take it.
    struct TUklad {
        QString NazwaSkladnika1, NazwaSkladnika2; // upper-cased
        long double CisnienieUkladu = 0;       // mmHg
        long double TemperaturaPoczatkowa = 0; // K
        long double TemperaturaKoncowa = 0;    // K
        long double TemperaturaUkladu = 0;     // °C
        long double StalaA1 = 0, StalaB1 = 0, StalaC1 = 0, StalaA2 = 0, StalaB2 = 0, StalaC2 = 0;
        long double ParametrW12 = 0, ParametrW21 = 0;
        long double Epsilon = 0; // K
    } Uklad;

    void FormShow();
    void cbZwiazek1Click();
    void BitBtn1Click();
    void cbZwiazek2Change();
    void btnSkladnikiClick();
    void btnWsteczClick();
    void Tab_ButtonClick();

    // What the table window asks of it.
    QString TekstTmin() const override;
    QString TekstTmax() const override;
    long double TemperaturaUkladu() const override { return Uklad.TemperaturaUkladu; }
    long double Krok() const override;
    QString ObliczRownowage(long double krok) override;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override; // FormCloseQuery
    void keyPressEvent(QKeyEvent* zdarzenie) override; // Esc

private:
    QWidget* UtworzPanelSkladnikow();
    QWidget* UtworzPanelParametrow();
    void UstawTryb();
    void UlozKrok();
    bool Izobara() const;
    TPlikTypowany& PlikTrybu() const;
    QString WybranySkladnik1() const;
    bool SprawdzWybor();
    bool CzytajLiczby();
    bool WczytajWybranyZestaw();
    // Any changed input: the points computed from the old ones are dropped.
    void CzyscWyniki();
    void PokazZestaw();
    // Runs the computation of the mode, the isotherm by the x1 step given; the warning to show
    // with its results (empty: none). Throws EOdmowaRownowagi for a refusal.
    QString Oblicz(long double krok);
    void PokazPanelParametrow(bool pokaz);

    QGridLayout* siatkaSkladnikow_;
    QGridLayout* siatkaTemperatur_;
};

// Registers the window for the codes "RcgBis" and "RcgpBis".
void ZarejestrujOknoRownowagi();
