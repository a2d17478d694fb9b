#pragma once
// The standard heat of combustion of the current substance from its atoms of C, H, F, Cl, Br, I
// and S and its heat of formation (prepared by the main window). Without a heat of formation it
// sends the user to Joback's window and takes the value back.
#include <QMainWindow>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TEdycjaZLicznikiem;

class TDelHcWynForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TDelHcWynForm(QWidget* rodzic = nullptr);

    QLabel* stxWzor;
    QWidget* imgDelHc1;
    QWidget* imgDelHc2;
    QWidget* pnlDelHcWzor;
    QStackedWidget* pgcDelHc;
    QWidget* tsAtomy;
    QWidget* tsGoToJoback1;
    QWidget* napisyMinusDelHf; // Label28, Label30, Label29 behind the pages
    QLineEdit *edtNc, *edtNh, *edtNf, *edtNcl, *edtNbr, *edtNi, *edtNs;
    QLabel* stxNx;
    QPushButton* btnDefault;
    QPushButton* btnGoToJoback1;
    QLabel* pnlDelHcWyn;
    QPushButton* btnOblicz;

    void FormShow();
    void NxOblClick();
    void btnDefaultClick();
    void btnObliczClick();
    void btnGoToJoback1Click();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QWidget* UtworzStroneAtomow();
    QWidget* UtworzStroneJobacka();
    std::array<QLineEdit*, 7> Edycje() const { return {edtNc, edtNh, edtNf, edtNcl, edtNbr, edtNi, edtNs}; }
    void WypelnijLiczby();
    void PokazNx();

    std::array<TEdycjaZLicznikiem*, 7> liczniki_{};
};

void ZarejestrujDelHcWynik();
