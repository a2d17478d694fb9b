#pragma once
// The property-estimation window: one property of the current substance at a typed temperature
// by the method that KodMetody names (surface tension, liquid thermal conductivity, heat of
// vaporisation, gas viscosity at low and high pressure, liquid viscosity under pressure, five
// liquid densities), and the liquid diffusion coefficient of a chosen solute in a chosen solvent
// (modified Tyn-Calus). The formulas are those of core; the window reads its boxes, checks them,
// calls a formula and shows the result. Its table button opens the table window with the
// window's inputs as numbers (TDaneEstymacji).
//
// The main window creates it, runs the loader the code names (none for the density codes), runs
// it modally and frees it. In "032" mode it asks the main window for the saturated-liquid
// viscosity that the experimental-correlation window computes.
//
// Its source is split by what it does: EstymacjaWlasciwosci.cpp the frame, the method area and
// the showing of a method; EstymacjaWlasciwosciStrony.cpp the method pages (equations, inputs and
// units, ranges and SI factors); EstymacjaWlasciwosciObliczenia.cpp the computations;
// EstymacjaWlasciwosciInneOkna.cpp the table, the saturated-viscosity trip, the compressibility
// panel and the registration; EstymacjaWlasciwosciPola.h what these files share.
#include "PanelScisliwosci.h"
#include "WierszeTabeli.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TEdycjaZLicznikiem;
class TListaZwiazkow;
class TPoleLiczbowe;
class TQzHtmlLabel2;

class TEstymacjaWlasnosciFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TEstymacjaWlasnosciFrm(QWidget* rodzic = nullptr);

    QWidget* pnlMetody;
    QStackedWidget* pcEstWlas; // pages 0..8, no tabs
    QWidget* pnlBrocka;
    QWidget* pnlSatoRiedla;
    QWidget* pnlPitzer;
    QWidget* pnlChung1;
    QWidget* ts5;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QCheckBox* cbPolarny;
    QLabel* lblIleOH;
    TEdycjaZLicznikiem* edtIleOH;
    QGroupBox* pnlChung2;
    TPoleLiczbowe* edtCisnienie;
    TPoleLiczbowe* edtGestoscObl;
    QPushButton* sbtnGestosc;
    // The compressibility panel, placed over the method area.
    TPanelScisliwosci* pnlChung2Gestosc;
    QGroupBox* pnlLucas;
    TPoleLiczbowe* edtPLucas;
    TPoleLiczbowe* edtPnas;
    TPoleLiczbowe* edtTnas;
    TPoleLiczbowe* edtLepNas;
    QPushButton* sbLepPodCisNas;
    QGroupBox* pnlTyna;
    TListaZwiazkow* cbZwiazek1;
    TListaZwiazkow* cbZwiazek2;
    // The density pages.
    QLineEdit *edtVc, *edtOmega, *edtTc, *edtM;
    QLineEdit *edtVr, *edtTr, *edtTc_, *edtOmega_, *edtM_;
    QLineEdit *edtTr__, *edtVc__, *edtOmega__, *edtTc__, *edtM__;
    QLineEdit *edtTc___, *edtOmega___, *edtVs___, *edtTr___, *edtM___, *edtPvp___, *edtPc___;
    QLineEdit *edtMSD, *edtTcSD, *edtTrSD, *edtPcSD, *Edit1;
    TPoleLiczbowe* edtZra;
    QGroupBox* gbxSI;
    QLineEdit* edtSI;
    QGroupBox* gbxZakres;
    QLineEdit* edtTmin;
    QLineEdit* edtTmax;
    QWidget* pnlOblicz;
    QLabel* lblT;
    TPoleLiczbowe* edtT;
    QLabel* lblT_;
    QLabel* lblP;
    TPoleLiczbowe* edtP;
    QLabel* lblP_;
    QPushButton* btnOblicz;
    QPushButton* Tab_Button;
    TQzHtmlLabel2* qlblWyn;
    QLineEdit* edtWynik;
    TQzHtmlLabel2* qlblJedn;
    QLabel* lblZakres;
    QAction* Zamknij1;
    QAction* Wyjscie1;

    // Loaders, run by the opener after creating the window and before showing it.
    void wczytajBrocka();
    void wczytajSatoRiedla();
    void wczytajPitzera();
    void wczytajChunga1();
    void wczytajChunga2();
    void wczytajLucasa();
    void wczytajTyna();
    // The compressibility coefficients of a gas mixture in its state (P and T as typed in the
    // gas-mixture window, its pseudo-critical Pc and Tc): the panel alone, and "mathcad.txt".
    void wczytajStanowOSP(const TStanGazu& stan);
    // Hides every method area.
    void ZadnaMetoda();

    void FormShow();
    void btnObliczClick();
    void Tab_ButtonClick();
    void sbLepPodCisNasClick();
    void sbtnGestoscClick();
    void edtTChange();
    void edtPChange();
    void cbPolarnyClick();
    void cbZwiazek1Change();

    // The compressibility panel hands the molar density it computed for the high-pressure Chung
    // method here (edtGestoscObl takes it, for the T and P of the panel), and returns to that
    // method with ZamknijPanelGestosci.
    void PrzyjmijGestoscMolowa(long double gestosc);
    void ZamknijPanelGestosci();
    void SprawdzStanGestosci();

    // The inputs the table reads, as the boxes hold them now.
    TDaneEstymacji DaneDlaTabeli() const;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override; // FormCloseQuery

private:
    struct TWynik {
        long double wartosc;
        QString symbol;    // mark-up before the result
        QString jednostka; // mark-up after it
        bool zeroMozliwe = false; // 0 is a value of the quantity, not a failed computation
    };

    void UtworzMenu();
    QWidget* UtworzMetody();
    void UtworzStronyOpisu();
    void UtworzStronyGestosci();
    QGroupBox* UtworzPanelChunga2();
    QGroupBox* UtworzPanelLucasa();
    QGroupBox* UtworzPanelTyna();
    QGroupBox* UtworzPrzelicznik();
    QGroupBox* UtworzZakres();
    QWidget* UtworzOblicz();
    void PolaczObsluge();

    void PokazMetode(QWidget* obszar, const char* si);
    void Wczytaj(QWidget* obszar, long double Tmin, long double Tmax, const char* si);
    void UstawZakres(long double Tmin, long double Tmax);
    std::array<QWidget*, 5> ObszaryMetod() const;
    void UstawWysokoscMetod(int wysokosc);
    void WypelnijStroneGestosci();

    TWynik Oblicz(long double T);
    TWynik ObliczZRekordu(long double T);
    long double LiczbaGrupOH() const;
    TWynik ObliczChunga2(long double T);
    TWynik ObliczLucasa(long double T);
    TWynik ObliczTyna(long double T);
    TWynik ObliczGestosc(long double T);
    void CzyscWynik();
    void PokazWynik(const TWynik& wynik);
    void PrzeliczPoleAalto(long double T);

    long double temperaturaOdniesienia_ = BrakDanych;
    std::optional<long double> gestoscChunga_;        // the last "031" computation
    // T and P of the density that the compressibility panel put into edtGestoscObl; none when
    // the box holds a typed density.
    std::optional<std::pair<long double, long double>> stanGestosci_;
    std::pair<long double, long double> stanPaneluGestosci_{}; // T and P the panel was opened for
    std::optional<TDaneTynaCalusa> tynaCalusa_;         // the last Tyn-Calus computation
    std::optional<std::pair<long double, long double>> zakresUkladu_; // its pair's range
};

// Registers the window and its loaders for the method codes, and the window as the source of the
// gas-mixture window's compressibility coefficients.
void ZarejestrujOknoEstymacjiWlasnosci();
