#pragma once
// The gas-mixture window: 2 to 10 components of the database with their mole fractions, and the
// mixture's viscosity ("MixLepGaz"), its molar density ("MixGestGaz"), or the density of a
// binary mixture that goes back to the Chung window ("ChungMG").
#include "MieszaninyGazowe.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;
class TEdycjaZLicznikiem;
class TListaZwiazkow;
class TPoleLiczbowe;
struct TRekordYaws;

// The state a density was computed for: T (K), P (bar), the components' names upper-cased and
// their fractions, in the order of the rows (so also their count).
struct StanMieszaninyGazow {
    long double T = 0, P = 0;
    QStringList zwiazki;
    std::vector<long double> udzialy;
    bool operator==(const StanMieszaninyGazow&) const = default;
};

// What the Chung window hands over when it asks for its mixture's density: its texts as they
// stand, and where each density result (mol/cm³) goes back with the state it belongs to.
struct MieszaninaDoGestosci {
    QString temperatura, cisnienie;
    QString zwiazek1, zwiazek2;
    QString udzial1, udzial2;
    std::function<void(long double gestosc, const StanMieszaninyGazow& stan)> oddajGestosc;
};

class TWilke_Form : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int MaksZwiazkow = 10;

    explicit TWilke_Form(QWidget* rodzic = nullptr);

    // Opens the window in the density mode for the Chung window (call before it is shown).
    void PrzejmijMieszanine(MieszaninaDoGestosci mieszanina);

    QWidget* pnlTop;
    QLabel* lComent;
    TEdycjaZLicznikiem* eLiczbaZwiazkow;
    QLabel* lComent2;
    TPoleLiczbowe* edtT;
    QLabel* Label14;
    QLabel* lblCis;
    TPoleLiczbowe* edtCis;
    QLabel* lblPa;
    QLabel* lComent3;
    QScrollArea* sbxZwiazki;
    std::array<QLabel*, MaksZwiazkow> Label{};
    std::array<TListaZwiazkow*, MaksZwiazkow> cbZwiazek{};
    std::array<TPoleLiczbowe*, MaksZwiazkow> eU{};
    QWidget* pnlZety;
    std::array<QLabel*, 6> etykietyWsp{}; // "Z", "(0)", "=", "Z", "(1)", "="
    TPoleLiczbowe* edtWsp0;
    TPoleLiczbowe* edtWsp1;
    QPushButton* btnWsp;
    QWidget* pnlBottom;
    QPushButton* buttonOblicz;
    QLabel* lblGreka;
    QLabel* lblm;
    TPoleLiczbowe* Edit11;
    QLabel* lblJednostka;
    QAction* Zakocz1;
    QAction* Wyjciezprogramu1;

    void FormShow();
    void eLiczbaZwiazkowChange();
    void LiczbaZwiazkow();
    void eUChange(int k); // k = 1 .. 9
    void edtTChange();
    void cbZwiazekZatwierdzono(int i); // i = 1 .. 10
    void buttonObliczClick();
    void btnWspClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    enum class Tryb { Lepkosc, Gestosc, GestoscChunga };
    Tryb TrybOkna() const;
    bool TrybGestosci() const { return TrybOkna() != Tryb::Lepkosc; }

    QWidget* UtworzGore();
    QScrollArea* UtworzWiersze();
    QWidget* UtworzZety();
    QWidget* UtworzDol();
    void UstawTryb();
    void PokazWierszWspolczynnikow(bool widoczny);
    void WyczyscWynik();
    void ZmienionoStan();
    StanMieszaninyGazow StanObliczen() const;
    QString TytulTrybu() const;

    std::optional<int> LiczbaZwiazkowDoObliczen();
    bool DaneWejscioweDopuszczalne(int n, bool zWspolczynnikami);
    bool Wilkeszukaj(int n);
    void ObliczLepkosc();
    void ObliczGestosc();
    void OdczytajLepkosc(const TRekordYaws& rekord, SkladnikMieszaninyGazow& skladnik) const;

    std::optional<MieszaninaDoGestosci> mieszaninaChunga_;
    bool pokazane_ = false;
    int IleZwiazkow = 0;
    long double TemperaturaMieszaniny = 0;
    long double CisnienieMieszaniny = 0;
    std::vector<SkladnikMieszaninyGazow> skladniki_;
    ParametryPseudokrytyczne pseudokrytyczne_;
};

// Registers the window with the method dispatch of the main window.
void ZarejestrujOknoWilkego();
