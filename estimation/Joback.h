#pragma once
// Joback's group contributions for one property of the current substance, chosen by KodMetody:
// Tc "01", Pc "11", Vc "21", Tb "61", Tf "71", the heat of formation "040", and "050", where the
// heat of formation goes back to the heat-of-combustion window. The title shows the formula of
// the ticked groups.
#include "OknoUdzialowGrup.h"

class TSprawdzanie;

class TJoback1_Form : public TOknoUdzialowGrup {
    Q_OBJECT
public:
    explicit TJoback1_Form(QWidget* rodzic = nullptr);

    QWidget* ImgdelHf;
    QWidget* ImgdelHf_;
    QWidget* imgHfWyn;
    QPushButton* Oblicz_Button;
    QAction* Ometodzie1;

    void FormCreate();
    void Wzor_xCreate();
    void Oblicz_ButtonClick();
    void Ometodzie1Click();

private:
    void UstawTryb();
    void SprawdzLiczbeAtomow(TSprawdzanie& sprawdzanie, long double& Na);
    long double Rownanie(long double suma) const;
    void Porownaj();
    void OddajCieploTworzenia();

    QString kod_;
    QString wzor_;         // the formula of the ticked groups, as the title shows it
    int liczbaAtomow_ = 0; // the molecule's atoms for Pc, as last checked
};

// Registers the window for its method codes.
void ZarejestrujJobacka();
