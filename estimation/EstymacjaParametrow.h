#pragma once
// Estimates by formula for the current substance (RekordYaws), one method code each: Klincewicz's
// Tc ("03"), Pc ("13") and Vc ("23"), the critical density ("30") and compressibility ("40") by
// definition, and the acentric factor by Lee-Kesler ("50"), by the three-sevenths form ("51") and
// roughly from Zc ("52"). A value the record lacks is typed into an input row (up to three);
// record values are taken in SI units (Pc in Pa, Vc in m³/kmol). A missing value gives "?", an
// empty or non-numeric input no result, a formula that cannot be evaluated a message; no earlier
// result stays on view.
#include <QWidget>
#include <array>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TPoleLiczbowe;

class TEstymacjaParametrowFrm : public QWidget {
    Q_OBJECT
public:
    explicit TEstymacjaParametrowFrm(QWidget* rodzic = nullptr);

    QLabel* lblMetoda;
    QFrame* pnlWzor;
    QLabel* lblWzor;
    std::array<QLabel*, 3> lblPodaj;
    std::array<TPoleLiczbowe*, 3> edtPodaj;
    std::array<QLabel*, 3> lblJedn;
    QWidget* Panel1;
    QLabel* lblCoLiczymy;
    QLineEdit* edtWynik;
    QLabel* lblJednostka;
    QPushButton* btnOblicz;

    void FormCreate();
    void btnObliczClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override; // FormShow

private:
    void UtworzKontrolki();
    // Shows the input row; `nazwa` names its value in the message that refuses it.
    void PokazWiersz(int wiersz, const char* podpis, const char* jednostka, const char* nazwa);
    // The record's value times the factor; when the record lacks it, the typed value of the row
    // (-1: no row, the value is missing). Throws when the row is empty or holds no number.
    std::optional<long double> Wartosc(long double zRekordu, long double mnoznik, int wiersz) const;
    // The typed value of the row, a number above zero (`calkowita`: a whole one). Throws when the
    // row is empty, and refuses anything else in the row with its message before it throws.
    long double Wpisana(int wiersz, bool calkowita = false) const;
    std::optional<QString> Oblicz() const;

    std::array<QString, 3> nazwyWierszy_; // what each input row asks for, named in its refusal
};

void ZarejestrujOknoEstymacjiParametrow();
