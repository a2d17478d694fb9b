#include "Uruchomienie.h"

#include "Baza.h"
#include "ChungmixG.h"
#include "Dialogs.h"
#include "MixC.h"
#include "Powitalny.h"
#include "Start.h"
#include "Wilke.h"

#include <QDir>
#include <QLocale>
#include <QProgressBar>
#include <clocale>

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
    ZarejestrujOknoWilkego();
    ZarejestrujOknoChunga();
    Baza_Form = new TBaza_Form;
    ChungMG_Form = new TChungMG_Form;
    MixcFrm = new TMixcFrm;
    PokazPowitanie();
    Powitalny_Form->pBar->hide();
    return true;
}
