#pragma once
// A radio group: a framed list of radio items of which at most one is chosen. Choosing an item,
// by the user or from code, runs the group's click handler; clearing the choice (item -1) runs
// nothing, nor does choosing the item that is already chosen. Items are enabled one by one.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TGrupaRadiowa : public QGroupBox {
    Q_OBJECT
public:
    TGrupaRadiowa(const QString& nazwa, const QString& podpis, const QStringList& pozycje,
                  QWidget* rodzic = nullptr);

    int ItemIndex() const { return indeks_; }
    void UstawItemIndex(int indeks);
    int LiczbaPozycji() const;
    QRadioButton* Pozycja(int indeks) const;

signals:
    void Click();

private:
    void Zaznaczono(int indeks, bool zaznaczony);

    QButtonGroup* przyciski_;
    int indeks_ = -1;
};

// Enables or disables one item of the group.
void UstawPozycjeGrupy(TGrupaRadiowa* grupa, int pozycja, bool wlaczona);
