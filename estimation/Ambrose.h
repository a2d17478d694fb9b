#pragma once
// Ambrose's group contributions to the critical temperature "00", pressure "10" or volume "20"
// of the current substance. Row 28 (aliphatic alcohols) takes its value from an edit of its own
// in the Tc and Pc modes; red labels explain the groups when clicked.
#include "GrupyAmbrosea.h"
#include "OknoUdzialowGrup.h"

#include <map>
#include <optional>

class TAmbrose_Form : public TOknoUdzialowGrup {
    Q_OBJECT
public:
    explicit TAmbrose_Form(QWidget* rodzic = nullptr);

    QLineEdit* a28_edt;
    QLabel* Label7;
    QLabel* Label11;
    QLabel* c35;
    QPushButton* Oblicz_Button;

    void FormCreate();
    void Button1Click();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QLabel* EtykietaWyjasnienia(const QString& nazwa, const QString& tekst);
    void UstawTryb(WlasnoscAmbrosea wlasnosc);
    void PoKliknieciu(QObject* etykieta, const QString& tekst);
    void cb28Click();
    bool AlkoholZWlasnejEdycji() const;
    void SprawdzPrzyrosty(TSprawdzanie& sprawdzanie) const;
    void SprawdzTemperatureWrzenia(TSprawdzanie& sprawdzanie) const;
    std::vector<UdzialGrupy> Udzialy() const;
    long double Rownanie(long double suma) const;

    std::optional<WlasnoscAmbrosea> wlasnosc_;
    std::map<QObject*, QString> wyjasnienia_; // the help text a click on the label shows
};

void ZarejestrujAmbrosea();
