#pragma once
// The main window: the search panel, the substance card tabs, the method tabs, the menu and the
// status bar with hints. Its source is split by what it does: Baza.cpp the frame, menu and card,
// BazaSzukanie.cpp the search panel, BazaMetody.cpp the method tabs, BazaDyspozycja.cpp the
// dispatch to the method windows.
#include <QMainWindow>
#include <map>

#include "DostepDoKarty.h"
#include "KodyMetod.h"
#include "ListaZwiazkow.h"
#include "OtwieranieKorelacji.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QToolButton;
class TGrupaRadiowa;
class TKartaZwiazku;

inline const QString TytulOknaGlownego = QStringLiteral("Baza danych QERN 2008 (v 8.0)");

class TBaza_Form : public QMainWindow, public TDostepDoKarty, public TOtwieranieKorelacji {
    Q_OBJECT
public:
    explicit TBaza_Form(QWidget* rodzic = nullptr);
    ~TBaza_Form() override;

    QGroupBox* gbZnajdzZwiazek;
    TListaZwiazkow* cbZnajdzZwiazek;
    TListaZwiazkow* cbSearchCompound;
    TListaZwiazkow* cbZnajdzWzor;
    TListaZwiazkow* cbCAS;
    QToolButton* sbSzukaj;
    QWidget* pnlImgKarta; // where the structural-formula picture of the card goes
    QTabWidget* PageControl1;
    QWidget* tsKarta;
    QWidget* tsKartaCd;
    QWidget* tsBazaDoswiadczalna;
    QWidget* tsBazaPredykcyjna;
    TKartaZwiazku* karta;
    // Experimental tab.
    TGrupaRadiowa* rgExpGaz;
    TGrupaRadiowa* rgExpCiecz;
    QPushButton* btnExpDalej;
    // Prediction tab: its own tabs for parameters, properties, mixtures and equilibrium.
    QTabWidget* PageControl2;
    TGrupaRadiowa* rgEstParam;
    TGrupaRadiowa* rgEstWlas;
    TGrupaRadiowa* rgMixGaz;
    TGrupaRadiowa* rgMixCiecz;
    TGrupaRadiowa* rgRownowaga;
    QTextEdit* reOpisMetody;
    QPushButton* btnObliczEstParam;
    QPushButton* btnObliczEstWlasnosc;
    QPushButton* btnObliczMieszanine;
    QPushButton* btnRownowaga;
    QMenu* Plik1;
    QMenu* Jednostki1;
    QMenu* Pomoc1;
    QStatusBar* StatusBar1;

    // A radio group of the prediction tab by its name ("rgEstParam", "rgTc", "rgGestC", ...).
    TGrupaRadiowa* Grupa(const QString& nazwa) const;

    void FormCreate();
    void FormShow();
    void szukaj();
    void sbSzukajClick();
    void PraWybory();
    // Clearing the card also puts back the window's plain title and forgets the found substance.
    void WypelnijKarte();
    void CzyscKarte();
    // The CAS search list as the calculator windows reach it (DostepDoKarty.h).
    void PokazNumerCAS(const QString& cas) override;
    void PokazHint(const QString& hint);
    void DoHint(QWidget* kontrolka);
    void N1Click();
    void Oprogramie1Click();
    void Zakocz1Click();
    void SI1Click();
    void KelvinCelsjuszClick();

    void rgExpGazClick();
    void rgExpCieczClick();
    void rgTcClick();
    void rgGestCClick();
    void btnObliczEstParamClick();
    void btnObliczEstWlasnoscClick();
    void btnObliczMieszanineClick();
    void btnRownowagaClick();
    void btnExpDalejClick();
    // The liquid viscosity chosen on the experimental tab and "Dalej" pressed, for the window of
    // the liquid viscosity under pressure; the main window stays hidden.
    std::optional<long double> LepkoscNasyceniaZKorelacji(long double Tnas) override;
    // The heat of combustion ("050"): counts the atoms of the formula, takes the heat of
    // formation from the record and runs the heat-of-combustion window.
    void PrzygotujDelHc();

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
    void PokazZnaleziony(); // the record just loaded: card, lists and title
    void ZaznaczNaListach();
    void PoWczytaniuRekordu();
    void UtworzMenu();
    QGroupBox* UtworzPanelSzukania();
    QTabWidget* UtworzZakladki();
    QWidget* UtworzZakladkeDoswiadczalna();
    QWidget* UtworzZakladkePredykcyjna();
    QWidget* UtworzZakladkeMetod(ZakladkaMetod zakladka, QPushButton* ok);
    QPushButton* UtworzPrzyciskOK(const QString& nazwa);
    void PolaczKarte();
    void WybranoZKarty(int grupa, int pozycja);

    void GrupaNadrzednaClick(TGrupaRadiowa* nadrzedna);
    void MetodaClick(TGrupaRadiowa* grupa);
    QPushButton* PrzyciskZakladki(ZakladkaMetod zakladka) const;
    void UkryjWybory();
    void PoOknieMieszaniny();
    void CzyscGrupy(ZakladkaMetod zakladka, std::initializer_list<const char*> pominiete = {});
    void PokazOpisMetody(const OpisMetody& opis, const QStringList& pierwszeWiersze);

    bool UruchomMetodeZakladki(ZakladkaMetod zakladka);
    bool UruchomOknoMetody(const QString& kod, bool ukryjOkno = true);
    std::optional<long double> OtworzKorelacje(int gaz, int ciecz, std::optional<long double> Tnas = std::nullopt);
    QString TytulKorelacji(bool gaz);

    std::map<QString, TGrupaRadiowa*> grupyMetod_;
};

extern TBaza_Form* Baza_Form;

// A hint in the form "short|long": the short part pops up over the control, the long part goes
// to the status bar; without "|" both show the whole text.
void UstawHint(QWidget* kontrolka, const QString& hint);
