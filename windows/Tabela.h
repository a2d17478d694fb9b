#pragma once
// The table window: one property over a range by a step (a temperature correlation of the
// current substance, an estimation formula with the property-estimation window's inputs, the
// Lucas viscosity over pressures), or the results of the binary vapour-liquid equilibrium. It
// shows the rows in a grid, saves them as tab-separated text, prints them and draws them in the
// chart window. What it computes follows from KodGaz, KodCiecz and KodMetody alone.
//
// Its opener describes what it tabulates (TOpisTabeli) and runs it modally: OtworzTabele.
#include "WierszeTabeli.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TQzHtmlLabel2;
class TFWykres;
class TSiatkaTekstowa;

// What the table tabulates, as its opener describes it.
struct TOpisTabeli {
    // The range of applicability on view (empty: none known); the range to compute starts as it.
    // Initialised, so an opener may leave them out of a designated initialiser without a warning.
    QString Tmin{}, Tmax{};
    // What the range runs over: the labels of its four bounds.
    enum class Argument { Temperatura, Cisnienie } argument = Argument::Temperatura;
    // The property-estimation window's inputs and the equilibrium window, where one of them
    // opens the table; not owned.
    const TDaneEstymacji* estymacja = nullptr;
    TRownowagaDlaTabeli* rownowaga = nullptr;
    // For the liquid viscosity under pressure and the correlation window it waits on: the step
    // starts at 0.1.
    bool krokLepkosciPodCisnieniem = false;
};

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

    // Before the window shows.
    void Opisz(const TOpisTabeli& opis);

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
    TOpisTabeli opis_;
};

// Sets the column's width to its widest text, over all rows, + 5.
void AutoSizeCol(TSiatkaTekstowa* siatka, int kolumna);

// Creates the table window for the description centred on the desktop, runs it modally and
// frees it.
void OtworzTabele(const TOpisTabeli& opis);
