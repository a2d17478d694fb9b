#pragma once
// What a window may ask of the main window's experimental tab: open the correlation window of one
// of its items for the current substance, as the user does by choosing the item and pressing
// "Dalej". The main window registers itself; with none registered there is no one to ask.
class TOtwieranieKorelacji {
public:
    virtual ~TOtwieranieKorelacji() = default;
    // The item `pozycja` of the group GrupaGaz or GrupaCiecz (KartaZwiazku.h).
    virtual void OtworzKorelacjeZwiazku(int grupa, int pozycja) = 0;
};

void ZarejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno);
// Forgets the window when it is the registered one.
void WyrejestrujOtwieranieKorelacji(TOtwieranieKorelacji* okno);
// The registered window; nullptr when there is none.
TOtwieranieKorelacji* OtwieranieKorelacji();
