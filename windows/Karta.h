#pragma once
// The substance card of the main window: the pages "Karta związku" and "Karta związku c.d." with
// every value of RekordYaws in its read-only box, the unit labels, the captions that carry a
// temperature, the K/°C switch of Tf, Tb and Tc, the property labels that open their
// correlation, and the structural-formula picture shown in the search panel.
#include "KartaZwiazku.h"

#include <QObject>
#include <QString>
#include <initializer_list>
#include <map>
#include <vector>

class QEvent;
class QLabel;
class QLineEdit;
class QGroupBox;
class QWidget;
class TQzHtmlLabel2;

class TKartaZwiazku : public QObject {
    Q_OBJECT
public:
    // The main window is the parent; it adds the two pages as its first two tabs and puts the
    // picture into its search panel (until then the card owns them).
    explicit TKartaZwiazku(QWidget* oknoGlowne);
    ~TKartaZwiazku() override;

    QWidget* StronaKarty() const { return strona_; }
    QWidget* StronaKartyCd() const { return stronaCd_; }
    QLabel* ObrazKarty() const { return obraz_; }

    // Fills every box and caption from RekordYaws and the density hint, and reports through
    // wlaczeniePozycjiDoswiadczalnej which experimental items have a complete correlation block.
    void Wypelnij();
    // After a search has loaded a record: a box is enabled exactly when it holds a value; then
    // the structural-formula picture.
    void WlaczPolaPoWyszukaniu();
    // Empties every box, hides the picture and puts back the captions of an empty card.
    void Czysc();

    // The unit labels of Tf, Tb and Tc toggle K/°C (only while the box shows a value).
    void qlblTfClick();
    void qlblTbClick();
    void qlblTcClick();
    // Menu "Jednostki": "SI" switches back every temperature shown in °C, "Kelvin -> Celsjusz"
    // every one shown in K.
    void SI1Click();
    void KelvinCelsjuszClick();

    // Where the pictures "<CAS with _>.gif" are read from; the program's resources by default.
    static void UstawMiejsceRysunkow(const QString& prefiks);

signals:
    // Group 0 "GAZ" or 1 "CIECZ" of the experimental tab, item 0..6.
    void wlaczeniePozycjiDoswiadczalnej(int grupa, int pozycja, bool wlaczona);
    // A property label was clicked while a substance is loaded and its correlation is complete.
    void wybranoPozycjeDoswiadczalna(int grupa, int pozycja);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void ZbudujGrupy();
    QWidget* ZbudujStrone(std::initializer_list<std::initializer_list<const char*>> kolumny);
    void PolaczEtykietyKorelacji();
    void UstawPodpisy(const std::vector<TekstKontrolki>& podpisy);
    void PokazRysunekWzoru();
    void PrzelaczTemperature(const QString& jednostka, const QString& pole, long double kelwiny);
    void PrzelaczJesli(bool wKelwinach);
    void KliknietoEtykiete(QLabel* etykieta);

    QWidget* strona_;
    QWidget* stronaCd_;
    QLabel* obraz_;
    std::map<QString, QGroupBox*> grupy_;
    std::map<QString, QLabel*> etykiety_;
    std::map<QString, QLineEdit*> pola_;
    std::map<QString, TQzHtmlLabel2*> jednostki_;
};
