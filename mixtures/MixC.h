#pragma once
// The liquid-mixture density window, in one of two modes chosen by KodMetody when it is shown:
// - "MixGestCieczSD": the density of a binary liquid mixture by Spencer and Danner's form of
//   the Rackett equation from the critical data and Rackett factors of two substances of
//   YAWS.dat, as an 11-row table over x1 = 0 .. 1 with its chart, and at a typed x1
//   (MixCSpenceraDannera.cpp);
// - "MixGestCiecz": a pair of mixc.dan with its measured excess volumes at the chosen
//   temperature and pressure, the mixture's molar volume and density at every point, a
//   least-squares polynomial VE(x1) drawn over the points, and the density at a typed x1
//   (MixCNadmiarowy.cpp).
// Any other code leaves the window as designed. This frame holds the controls both modes lay
// out and hands every event to the mode (MixCTryb.h).
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class TEdycjaZLicznikiem;
class TListaZwiazkow;
class TPoleLiczbowe;
class TQzHtmlLabel2;
class TSeria;
class TSiatkaTekstowa;
class TTrybMixc;
class TWykresXY;

// The coefficients c0 .. c6 of the last fitted VE(x1) (m³/kmol) and how many of them it has.
extern std::array<long double, 7> WspolczynnikiVE;
extern int LiczbaWyrazowVE;

class TMixcFrm : public QWidget {
    Q_OBJECT
public:
    explicit TMixcFrm(QWidget* rodzic = nullptr);
    ~TMixcFrm() override;

    QLabel* lblTytul;
    TQzHtmlLabel2* img1;
    TQzHtmlLabel2* img2;
    QLabel* lblWybierz;
    QLabel* lblSkladnik1;
    QLabel* lblSkladnik2;
    TListaZwiazkow* cbZwiazek1;
    TListaZwiazkow* cbZwiazek2;
    QLabel* lblVm;
    QLabel* lblRo;
    TQzHtmlLabel2 *qlblVc1, *qlbl12, *qlbl13, *qlbl14, *qlblZra1;
    TQzHtmlLabel2 *qlblVc2, *qlbl22, *qlbl23, *qlbl24, *qlblZra2;
    QLineEdit *edt11, *edt12, *edt13, *edt14;
    QLineEdit *edt21, *edt22, *edt23, *edt24;
    QComboBox* cbTemperatura;
    QComboBox* cbCisnienie;
    TPoleLiczbowe* edtZra1;
    TPoleLiczbowe* edtZra2;
    TQzHtmlLabel2 *qlblT, *qlblTJedn;
    TPoleLiczbowe* edtT;
    TQzHtmlLabel2 *qlblX1, *qlblX1Jedn;
    TPoleLiczbowe* edtX1;
    TQzHtmlLabel2 *qlblWyn, *qlblJedn;
    QLineEdit* edtWynik;
    QCheckBox* cbxRegresja;
    TEdycjaZLicznikiem* udSt; // its box is edtSt
    QLineEdit* edtSt;
    TSiatkaTekstowa* sgMixC;
    TWykresXY* Chart;
    TSeria* Series1; // measured points (excess volumes) or the table's densities
    TSeria* Series2; // the fitted curve

    void FormShow();
    void Wybor1();
    void cbZwiazek2Change();
    void cbWarunkiChange();
    void edtX1Change();
    void cbxRegresjaClick();
    void udStClick();

    // What both modes do with the frame.
    // The columns as wide as their texts, the grid as wide as its columns: no number is cut.
    void DopasujSiatke();
    // An x1 typed outside 0 .. 1 is refused; an empty box or one without a number is left to the
    // computation ("?").
    bool X1WPrzedziale();

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void UtworzKontrolki();
    QGridLayout* UtworzSkladniki();
    QWidget* UtworzWiersze();
    void Polacz();

    std::unique_ptr<TTrybMixc> tryb_;
    bool pokazane_ = false;
};

extern TMixcFrm* MixcFrm;

// Registers the window under its class name for its two method codes.
void ZarejestrujOknoMixc();
