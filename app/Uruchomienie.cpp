#include "Uruchomienie.h"

#include "Ambrose.h"
#include "Baza.h"
#include "ChungmixG.h"
#include "DelHcWynik.h"
#include "Dialogs.h"
#include "EstymacjaParametrow.h"
#include "EstymacjaWlasciwosci.h"
#include "Fedors.h"
#include "Fuller.h"
#include "Grunberg.h"
#include "Joback.h"
#include "MixC.h"
#include "Powitalny.h"
#include "Rownowaga.h"
#include "Start.h"
#include "Wilke.h"

#include <QDir>
#include <QLocale>
#include <clocale>

void ZarejestrujOknaMetod()
{
    ZarejestrujOknoWilkego();
    ZarejestrujOknoChunga();
    ZarejestrujJobacka();
    ZarejestrujDelHcWynik();
    ZarejestrujFedorsa();
    ZarejestrujAmbrosea();
    ZarejestrujOknoMixc();
    ZarejestrujOknoEstymacjiParametrow();
    ZarejestrujOknoRownowagi();
    ZarejestrujOknoFullera();
    ZarejestrujOknoGrunberga();
    ZarejestrujOknoEstymacjiWlasnosci();
}

bool UruchomProgram()
{
    // Numbers are written and read with "." whatever the user's locale says.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    UstawSciezki(QDir::currentPath());
    const WynikOtwarcia otwarcie = OtworzPlikiDanych();
    for (const QString& komunikat : otwarcie.komunikaty)
        PokazKomunikat(komunikat);
    if (!otwarcie.moznaKontynuowac)
        return false;
    ZarejestrujOknaMetod();
    Baza_Form = new TBaza_Form;
    PokazPowitanie();
    Powitalny_Form->UkryjPasek();
    return true;
}
