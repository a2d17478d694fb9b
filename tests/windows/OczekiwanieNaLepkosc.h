#pragma once
// The liquid viscosity under pressure as the windows it asks see it: a window that waits for the
// saturated-liquid viscosity, registered while the object lives, keeping what it is handed.
#include "FloatText.h"
#include "OdbiorcaLepkosciNasycenia.h"

#include <QString>

class OczekiwanieNaLepkosc : public TOdbiorcaLepkosciNasycenia {
public:
    OczekiwanieNaLepkosc() { ZarejestrujOdbiorceLepkosciNasycenia(this); }
    ~OczekiwanieNaLepkosc() override { WyrejestrujOdbiorceLepkosciNasycenia(this); }
    OczekiwanieNaLepkosc(const OczekiwanieNaLepkosc&) = delete;
    OczekiwanieNaLepkosc& operator=(const OczekiwanieNaLepkosc&) = delete;
    void PrzyjmijLepkoscNasycenia(long double lepkosc) override { oddana = FloatToStr(lepkosc); }

    QString oddana;
};
