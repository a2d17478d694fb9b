#pragma once
// What a window may ask of the main window's experimental tab: the liquid-viscosity correlation
// window for the current substance, as the user opens it by choosing the item and pressing
// "Dalej". The main window registers itself; with none registered there is no one to ask.
#include <optional>

class TOtwieranieKorelacji {
public:
    virtual ~TOtwieranieKorelacji() = default;
    // For the liquid viscosity under pressure, whose window stays on view meanwhile: the liquid
    // viscosity, starting at the saturation temperature Tnas (K). The viscosity in Pa·s that the
    // user left on view when closing the correlation window; nothing when none was on view.
    virtual std::optional<long double> LepkoscNasyceniaZKorelacji(long double Tnas) = 0;
};

void ZarejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno);
// Forgets the window when it is the registered one.
void WyrejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno);
// The registered window; nullptr when there is none.
TOtwieranieKorelacji* OtwieranieKorelacji();
