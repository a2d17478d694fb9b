#pragma once
// The table window: one property over a range by a step (a temperature correlation of the
// current substance, an estimation formula with the property-estimation window's inputs, the
// Lucas viscosity over pressures), or the results of the binary vapour-liquid equilibrium. It
// shows the rows in a grid, saves them as tab-separated text, prints them and draws them in the
// chart window. What it computes follows from KodGaz, KodCiecz and KodMetody alone.
//
// Its opener creates it, writes the range of applicability into edtTmin and edtTmax, hands over
// DaneEstymacji or Rownowaga where it is one of those windows, runs it with UruchomModalnie and
// frees it (OtworzTabele does all of this).
#include "WierszeTabeli.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TQzHtmlLabel2;
class TFWykres;
class TSiatkaTekstowa;

class TTabela_Form : public QMainWindow {
    Q_OBJECT
public:
    explicit TTabela_Form(QWidget* rodzic = nullptr);

    TSiatkaTekstowa* sgTabela;
    QWidget* pnlOblicz;
    QLabel* lblPodaj;
    TQzHtmlLabel2* qlblTminOd;
    QLineEdit* edtTminOd;
    TQzHtmlLabel2* qlblTmaxDo;
    QLineEdit* edtTmaxDo;
    QLabel* Label3;
    QLineEdit* edtKrok;
    QPushButton* btnOblicz;
    QPushButton* btnWykres;
    QPushButton* btnWykres2;
    QGroupBox* gbZakres;
    TQzHtmlLabel2* qlblTmin;
    QLineEdit* edtTmin;
    TQzHtmlLabel2* qlblTmax;
    QLineEdit* edtTmax;
    QAction* Zapisztabel1;
    QAction* Drukujtabel1;

    // Set by the property-estimation window and the equilibrium window before the window shows;
    // not owned.
    const TDaneEstymacji* DaneEstymacji = nullptr;
    TRownowagaDlaTabeli* Rownowaga = nullptr;
    // Set by the liquid viscosity under pressure and by the correlation window it waits on: the
    // step starts at 0.1.
    bool KrokLepkosciPodCisnieniem = false;

    void FormShow();
    void btnObliczClick();
    void btnWykresClick();
    void btnWykres2Click();
    void Zapisztabel1Click();
    void Drukujtabel1Click();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override; // FormKeyDown

private:
    QWidget* UtworzPanelObliczen();
    QGroupBox* UtworzZakres();
    void UtworzMenu();
    // Each throws EOdmowaTabeli for a refusal and the error of a failed computation, after
    // putting the rows computed before it into the grid.
    void ObliczZakres();
    QString ObliczRownowage(); // the warning of the computation, if any
    void ZakonczObliczenia();
    void DopasujNaglowek();
    void DopasujSzerokoscOkna();
    // The table as text lines: each cell led by a TAB.
    QStringList WierszeTekstu() const;
    TFWykres* NowyWykres();
    void PokazWykres(TFWykres* wykres, const QString& tytulX, const QString& tytulY);

    RodzajTabeli rodzaj_ = RodzajTabeli::Zakres;
};

// Sets the column's width to its widest text, over all rows, + 5.
void AutoSizeCol(TSiatkaTekstowa* siatka, int kolumna);

// Creates the table window centred on the desktop, lets przygotuj fill it, runs it modally and
// frees it.
void OtworzTabele(const std::function<void(TTabela_Form&)>& przygotuj);
