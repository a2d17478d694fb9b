#include "DostepDoKarty.h"

#include "Baza.h"
#include "Karta.h"
#include "KartaZwiazku.h"
#include "Zmienne.h"

#include <QComboBox>

namespace {

TDostepDoKarty* zarejestrowany = nullptr;

// The main window's card as the calculator windows reach it; lives as a child of the window.
class TKartaOknaGlownego : public QObject, public TDostepDoKarty {
public:
    explicit TKartaOknaGlownego(TBaza_Form* okno) : QObject(okno), okno_(okno) { ZarejestrujDostepDoKarty(this); }
    ~TKartaOknaGlownego() override { WyrejestrujDostepDoKarty(this); }
    void WypelnijKarte() override { okno_->karta->Wypelnij(); }
    void CzyscKarte() override { okno_->CzyscKarte(); }
    void PokazNumerCAS(const QString& cas) override { okno_->cbCAS->setEditText(cas); }

private:
    TBaza_Form* okno_;
};

} // namespace

void ZarejestrujDostepDoKarty(TDostepDoKarty* dostep)
{
    zarejestrowany = dostep;
}

void WyrejestrujDostepDoKarty(TDostepDoKarty* dostep)
{
    if (zarejestrowany == dostep)
        zarejestrowany = nullptr;
}

void WypelnijKarteGlowna()
{
    if (zarejestrowany)
        zarejestrowany->WypelnijKarte();
    else
        TempObjetosciMolowej = OdniesienieObjetosciMolowej(RekordYaws).temperatura;
}

void CzyscKarteGlowna()
{
    if (zarejestrowany)
        zarejestrowany->CzyscKarte();
}

void PokazNumerCASGlowny(const QString& cas)
{
    if (zarejestrowany)
        zarejestrowany->PokazNumerCAS(cas);
}

void ZarejestrujKarteOknaGlownego(TBaza_Form* okno)
{
    new TKartaOknaGlownego(okno);
}
