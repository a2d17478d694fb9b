#pragma once
// The experimental-correlation window: one temperature correlation of the current substance with
// its equation, coefficients and range, evaluated at a typed temperature; the table button opens
// the table window over the range.
//
// The opener creates it, calls wczytaj, sets the caption, calls the loader of the chosen property
// (or WczytajWybrana, which does wczytaj and picks the loader from KodGaz / KodCiecz), runs it
// with UruchomModalnie and frees it. Told first to wait for the saturated-liquid viscosity, its
// liquid viscosity starts at the saturation temperature and, when it closes with a result on
// view, keeps that result for the opener (LepkoscNasycenia).
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TPoleLiczbowe;
class TQzHtmlLabel2;
struct TKorelacjaDoswiadczalna;

class TOblicz_gaz_ciecz_Form : public QWidget {
    Q_OBJECT
public:
    explicit TOblicz_gaz_ciecz_Form(QWidget* rodzic = nullptr);

    QLabel* lblObliczGazCo;
    QWidget* pnlEq;
    TQzHtmlLabel2* qlblRownanie;
    QGroupBox* gbxWsp;
    std::array<QLabel*, 5> lblW;       // lblW1..lblW5
    std::array<QLineEdit*, 5> edtW;    // edtW1..edtW5
    QGroupBox* gbxSI;
    TQzHtmlLabel2* qlblSI;
    QLineEdit* edtSI;
    QGroupBox* gbxZakres;
    QLabel* lblTmin;
    QLineEdit* edtTmin;
    QLabel* lblTmax;
    QLineEdit* edtTmax;
    QWidget* pnlOblicz;
    QLabel* lblT;
    TPoleLiczbowe* edtT;
    QLabel* lblT_;
    QPushButton* Button1;
    QPushButton* Tab_Button;
    TQzHtmlLabel2* qlblWyn;
    QLineEdit* edtWynik1;
    TQzHtmlLabel2* qlblJedn;

    void wczytaj();
    // The loaders, one a property.
    void wczytajCpg();
    void wczytajdelHf();
    void wczytajdelGf();
    void wczytajlag();
    void wczytajnig();
    void wczytajPvp();
    void wczytajDap();
    void wczytajnic();
    void wczytajsin();
    void wczytajCpc();
    void wczytajroc();
    void wczytajlac();
    void wczytajDaw();
    void wczytajdelHv();
    // wczytaj, then the loader that KodGaz (first) or KodCiecz names; false when neither does.
    bool WczytajWybrana();

    void UkryjSi();
    bool SprawdzZakresyT(long double T);
    void CzyscWynik();
    void Button1Click();
    void Tab_ButtonClick();
    void edtTChange();

    // For the liquid viscosity under pressure, before loading: the saturation temperature, K.
    void CzekajNaLepkoscNasycenia(long double Tnas) { temperaturaNasycenia_ = Tnas; }
    // The liquid viscosity on view when the waiting window closed, Pa·s; nothing otherwise.
    std::optional<long double> LepkoscNasycenia() const { return lepkoscNasycenia_; }

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override; // FormKeyDown
    void closeEvent(QCloseEvent* zdarzenie) override;  // FormCloseQuery

private:
    void UtworzKontrolki();
    QWidget* UtworzRownanie();
    QGroupBox* UtworzWspolczynniki();
    QGroupBox* UtworzPrzelicznik();
    QGroupBox* UtworzZakres();
    QWidget* UtworzOblicz();
    void WczytajKorelacje(const TKorelacjaDoswiadczalna& korelacja);
    void UlozPola(int liczba);
    bool DaneKompletne();
    void PokazWynik(long double wartosc);
    void FormCloseQuery();

    const TKorelacjaDoswiadczalna* korelacja_ = nullptr;
    std::optional<long double> temperaturaNasycenia_;
    std::optional<long double> lepkoscNasycenia_;
    int szerokoscPola_;
};
