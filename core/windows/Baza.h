#pragma once
// The main window: the search panel, the substance card tabs, the method tabs, the menu and the
// status bar with hints.
#include <QMainWindow>

#include "Wyszukiwanie.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;
class QToolButton;
class TKartaZwiazku;

inline const QString TytulOknaGlownego = QStringLiteral("Baza danych QERN 2008 (v 8.0)");

class TBaza_Form : public QMainWindow {
    Q_OBJECT
public:
    explicit TBaza_Form(QWidget* rodzic = nullptr);

    QGroupBox* gbZnajdzZwiazek;
    QComboBox* cbZnajdzZwiazek;
    QComboBox* cbSearchCompound;
    QComboBox* cbZnajdzWzor;
    QComboBox* cbCAS;
    QToolButton* sbSzukaj;
    QWidget* pnlImgKarta; // where the structural-formula picture of the card goes
    QTabWidget* PageControl1;
    QWidget* tsKarta;
    QWidget* tsKartaCd;
    QWidget* tsBazaDoswiadczalna;
    QWidget* tsBazaPredykcyjna;
    TKartaZwiazku* karta;
    QMenu* Plik1;
    QMenu* Jednostki1;
    QMenu* Pomoc1;
    QStatusBar* StatusBar1;

    void FormCreate();
    void FormShow();
    void szukaj();
    void sbSzukajClick();
    void cbSzukajKeyDown(int klawisz);
    void PraWybory();
    void CzyscKarte();
    void PokazHint(const QString& hint);
    void DoHint(QWidget* kontrolka);
    void N1Click();
    void Oprogramie1Click();
    void Zakocz1Click();
    void SI1Click();
    void KelvinCelsjuszClick();

protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    QComboBox* ListaSzukania(PoleSzukania pole) const;
    QComboBox* ListaZFokusem(PoleSzukania& pole) const;
    void WypelnijListy();
    bool WybierzZListy(const QStringList& kandydaci);
    void WczytajZnaleziony(long long pozycja);
    void ZaznaczNaListach();
    void PoWczytaniuRekordu();
    void UtworzMenu();
    QGroupBox* UtworzPanelSzukania();
    QTabWidget* UtworzZakladki();
};

extern TBaza_Form* Baza_Form;

// A hint in the form "short|long": the short part pops up over the control, the long part goes
// to the status bar; without "|" both show the whole text.
void UstawHint(QWidget* kontrolka, const QString& hint);
