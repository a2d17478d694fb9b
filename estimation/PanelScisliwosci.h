#pragma once
// The compressibility panel of the property-estimation window: Z = Z(0) + ω·Z(1), with Z(0) and
// Z(1) computed by the compressibility runner shipped beside the program and exchanged through two
// text files of the data folder ("mathcad.txt" with a mixture's state, "zety.txt" with the answer,
// emptied once read), and the gas's molar density ρ = P / (Z·R·T) from them.
//
// It serves one substance (the high-pressure Chung viscosity hands it T and P and takes the
// density back) and a gas mixture (the gas-mixture window hands it the mixture's state and takes
// Z(0) and Z(1) back).
#include "WymianaArkusza.h"

#include <QGroupBox>
#include <QToolButton>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class TPoleLiczbowe;
class TQzHtmlLabel2;

// The worksheet's icon: a double click runs the computation.
class TIkonaArkusza : public QToolButton {
public:
    explicit TIkonaArkusza(QWidget* rodzic = nullptr);
    std::function<void()> poDwukliku;

protected:
    void mouseDoubleClickEvent(QMouseEvent* zdarzenie) override;
};

class TPanelScisliwosci : public QGroupBox {
public:
    explicit TPanelScisliwosci(QWidget* rodzic = nullptr);

    QLabel* Lblwspsci;
    QLabel* Lblrowstm;
    QLabel* lblStan; // the state the coefficients are computed for
    TQzHtmlLabel2* imgStanowOSP;
    TQzHtmlLabel2* ImgWzog;
    TQzHtmlLabel2* ImgRom;
    TQzHtmlLabel2* Image6;
    TPoleLiczbowe* edtZ0;
    TPoleLiczbowe* edtZ1;
    QWidget* wierszGestosci; // ρ = ... mol/cm³
    QLineEdit* edtGestosc;
    QPushButton* sbtnObliczGestosc; // "OBLICZ", then "Zamknij"; "WRÓĆ" for a mixture
    QPushButton* bbtnMathCad;
    QPushButton* btnZety; // hidden: reads "zety.txt" without running the computation
    TIkonaArkusza* OleContainer1;
    QLabel* Label48;

    // One substance at T (K) and P (bar); its Tc, Pc and ω are read from RekordYaws when needed.
    // Earlier coefficients and density are cleared: they belong to another state.
    void PrzygotujDlaSubstancji(long double T, long double P);
    // A gas mixture in its state; writes "mathcad.txt" (a message when it cannot).
    void PrzygotujDlaMieszaniny(const TStanGazu& stan);
    bool Mieszanina() const { return mieszanina_.has_value(); }

    // "Oblicz Z0 i Z1": the computation, then the answer read back.
    void bbtnMathCadClick();
    // Reads "zety.txt" into edtZ0 and edtZ1 and empties it; "Nie odnaleziono pliku danych !" and
    // nothing changed when there is no answer in it.
    void btnZetyClick();
    // The computation alone, without reading the answer (the icon's double click). False, after
    // a message saying what failed and with the coefficients cleared, when it did not run to its
    // end.
    bool UruchomObliczenie();
    void sbtnObliczGestoscClick();
    // Takes the coefficients and the density computed from them off the view (a refused state
    // leaves none of an earlier one).
    void CzyscWspolczynniki();

    // The coefficients of the last successful read; none before one.
    std::optional<TWspolczynnikiZ> Wspolczynniki() const { return wspolczynniki_; }

    // Set by the window: the density computed for one substance (mol/cm³), and the way back
    // ("Zamknij" for one substance, "WRÓĆ" for a mixture).
    std::function<void(long double)> przyjmijGestosc;
    std::function<void()> powrot;

private:
    QWidget* UtworzRownania();
    QWidget* UtworzWspolczynniki();
    void UstawAkcje(const QString& napis);
    void CzyscGestosc();
    void ObliczGestosc();

    std::optional<TStanGazu> mieszanina_;
    long double T_ = 0.0L, P_ = 0.0L; // one substance's state
    bool gestoscObliczona_ = false;
    std::optional<TWspolczynnikiZ> wspolczynniki_;
};
