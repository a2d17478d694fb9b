// The main window's dispatch: the window of the chosen method runs modally while the main window
// hides; the substance's record stays in RekordYaws, which no method window writes.
#include "Baza.h"

#include "BazaDoswiadczalna.h"
#include "CieploSpalania.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "GrupaRadiowa.h"
#include "NaKoncu.h"
#include "RejestrOkienMetod.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

namespace {

const QString NieokreslonyBlad = QStringLiteral("Nieokreślony błąd");
const QString MetodaDlaPierwiastka = QStringLiteral("Metoda nie stosuje się do pierwiastków ");

} // namespace

// Hides the main window while the window of the code runs modally, frees it and shows the main
// window again. A code whose window is not available only says so.
bool TBaza_Form::UruchomOknoMetody(const QString& kod, bool ukryjOkno)
{
    if (!OknoMetodyDostepne(kod)) {
        PokazKomunikat(MetodaNiedostepna);
        return false;
    }
    if (ukryjOkno)
        hide();
    const NaKoncu powrot([this, ukryjOkno] {
        // No code outlives its window; the choices still on view set theirs again.
        KodMetody.clear();
        KodGaz = KodCiecz = BrakKoduKorelacji;
        if (ukryjOkno)
            show();
    });
    QPointer<QWidget> okno = UtworzOknoMetody(kod);
    UruchomModalnie(okno, this);
    delete okno;
    return true;
}

// Runs the window of KodMetody when one of the tab's methods chose it (any other code opens
// nothing); false when its window is not available.
bool TBaza_Form::UruchomMetodeZakladki(ZakladkaMetod zakladka)
{
    const QString kod = KodMetody;
    if (ZakladkaKodu(kod) != zakladka)
        return true;
    if (kod == KodCieplaSpalania) {
        PrzygotujDelHc();
        return OknoMetodyDostepne(kod);
    }
    return UruchomOknoMetody(kod);
}

void TBaza_Form::btnObliczEstParamClick()
{
    if (!UruchomMetodeZakladki(ZakladkaMetod::Parametry))
        return;
    CzyscGrupy(ZakladkaMetod::Parametry);
    btnObliczEstParam->hide();
}

void TBaza_Form::btnObliczEstWlasnoscClick()
{
    if (!UruchomMetodeZakladki(ZakladkaMetod::Wlasnosci))
        return;
    CzyscGrupy(ZakladkaMetod::Wlasnosci, {"rgDyf"});
    if (TGrupaRadiowa* rgDyf = Grupa(QStringLiteral("rgDyf")); rgDyf->ItemIndex() >= 0)
        MetodaClick(rgDyf);
}

void TBaza_Form::btnObliczMieszanineClick()
{
    if (UruchomMetodeZakladki(ZakladkaMetod::Mieszaniny))
        PoOknieMieszaniny();
}

void TBaza_Form::btnRownowagaClick()
{
    const bool wybrana = Grupa(QStringLiteral("rgIzobara"))->ItemIndex() >= 0
                         || Grupa(QStringLiteral("rgIzoterma"))->ItemIndex() >= 0;
    if (wybrana && !UruchomMetodeZakladki(ZakladkaMetod::Rownowaga))
        return;
    show();
    PoOknieMieszaniny();
}

void TBaza_Form::btnExpDalejClick()
{
    const int gaz = rgExpGaz->ItemIndex();
    const int ciecz = rgExpCiecz->ItemIndex();
    if (gaz >= 0 || (ciecz >= 0 && ciecz != PozycjaGestosciMieszanin))
        OtworzKorelacje(gaz, ciecz);
    if (ciecz == PozycjaGestosciMieszanin) {
        KodMetody = KodGestosciMieszanin.Tekst();
        if (UruchomOknoMetody(KodGestosciMieszanin.Tekst(), false))
            PoOknieMieszaniny();
    }
}

// The experimental-correlation window of the chosen item. Given the saturation temperature of the
// liquid viscosity under pressure, whose window waits on view, it starts there, the main window
// stays hidden and the saturated-liquid viscosity the user left on view comes back.
std::optional<long double> TBaza_Form::OtworzKorelacje(int gaz, int ciecz, std::optional<long double> Tnas)
{
    // The codes follow the chosen item (they are blanked after every run).
    KodGaz = gaz >= 0 ? KodyGaz[gaz] : BrakKoduKorelacji;
    KodCiecz = gaz >= 0 ? BrakKoduKorelacji : KodyCiecz[ciecz];
    const QString tytul = TytulKorelacji(gaz >= 0);
    hide();
    const NaKoncu powrot([this, naZadanie = Tnas.has_value()] {
        KodGaz = KodCiecz = BrakKoduKorelacji;
        if (!naZadanie)
            show();
    });
    TOblicz_gaz_ciecz_Form okno;
    if (Tnas)
        okno.CzekajNaLepkoscNasycenia(*Tnas);
    okno.WczytajWybrana();
    okno.setWindowTitle(tytul);
    okno.adjustSize();
    WysrodkujNaPulpicie(&okno);
    UruchomModalnie(&okno);
    return okno.LepkoscNasycenia();
}

// "Gaz:" or "Ciecz:", the name (English when the English list has the focus) and the formula.
QString TBaza_Form::TytulKorelacji(bool gaz)
{
    PoleSzukania pole{};
    const bool angielska = ListaZFokusem(pole) && pole == PoleSzukania::NazwaANG;
    return (gaz ? QStringLiteral("Gaz:      ") : QStringLiteral("Ciecz:      "))
           + Cp1250ToUnicode(angielska ? RekordYaws.NazwaANG : RekordYaws.NazwaPL) + QStringLiteral("       ")
           + Cp1250ToUnicode(RekordYaws.Wzor);
}

void TBaza_Form::PrzygotujDelHc()
{
    const BladWzoru blad = PrzygotujCieploSpalania();
    if (blad == BladWzoru::Nieokreslony) {
        PokazKomunikat(NieokreslonyBlad, RodzajKomunikatu::Ostrzezenie);
        QApplication::beep();
        return;
    }
    if (blad == BladWzoru::Pierwiastek) {
        PokazKomunikat(MetodaDlaPierwiastka, RodzajKomunikatu::Ostrzezenie);
        return;
    }
    UruchomOknoMetody(KodCieplaSpalania.Tekst());
}
