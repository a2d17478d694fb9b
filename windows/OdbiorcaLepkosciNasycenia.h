#pragma once
// The window that waits for a saturated-liquid viscosity: the liquid viscosity under pressure
// sends the user through the main window's experimental tab, and the viscosity computed there
// comes back to it. The waiting window registers itself while it is on view; the main window
// hands the value to whoever is registered.
class TOdbiorcaLepkosciNasycenia {
public:
    virtual ~TOdbiorcaLepkosciNasycenia() = default;
    // The viscosity in Pa·s, computed at the saturation temperature the window asked for.
    virtual void PrzyjmijLepkoscNasycenia(long double lepkosc) = 0;
};

void ZarejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca);
// Forgets the receiver when it is the registered one.
void WyrejestrujOdbiorceLepkosciNasycenia(TOdbiorcaLepkosciNasycenia* odbiorca);
// The registered receiver; nullptr when no window waits. Only while one waits does the liquid
// viscosity start at its saturation temperature, and a table at its pressure step.
TOdbiorcaLepkosciNasycenia* OdbiorcaLepkosciNasycenia();
