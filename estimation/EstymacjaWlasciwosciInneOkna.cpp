// The property-estimation window's ways to other windows: the table over its inputs, the
// saturated-liquid viscosity fetched through the main window's experimental tab, and the
// compressibility panel that computes the high-pressure Chung method's density or, for the
// gas-mixture window, the coefficients of a mixture. The registration for the method codes.
#include "EstymacjaWlasciwosci.h"

#include "Dialogs.h"
#include "EstymacjaWlasciwosciPola.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "PoleLiczbowe.h"
#include "OtwieranieKorelacji.h"
#include "RejestrOkienMetod.h"
#include "Tabela.h"
#include "ZrodloWspolczynnikowZ.h"

#include <QPushButton>

using namespace OknoEstymacji;

namespace {

// The gas-mixture window's compressibility coefficients: this window in the mixture use, run
// modally; the coefficients it read last go back.
class TArkuszWspolczynnikowZ : public TZrodloWspolczynnikowZ {
public:
    std::optional<TWspolczynnikiZ> ObliczWspolczynnikiZ(const TStanGazu& stan) override
    {
        TEstymacjaWlasnosciFrm okno;
        okno.wczytajStanowOSP(stan);
        UruchomModalnie(&okno);
        return okno.pnlChung2Gestosc->Wspolczynniki();
    }
};

} // namespace

// The table over this window's range with its inputs; "032" over pressures 1 to 10 bar, "Tyna"
// over the pair's range once a computation has found it.
void TEstymacjaWlasnosciFrm::Tab_ButtonClick()
{
    const TDaneEstymacji dane = DaneDlaTabeli();
    TOpisTabeli opis{edtTmin->text(), edtTmax->text()};
    opis.estymacja = &dane;
    if (Kod(KodLepkosciPodCisnieniem)) {
        opis.Tmin = QStringLiteral("1");
        opis.Tmax = QStringLiteral("10");
        opis.argument = TOpisTabeli::Argument::Cisnienie;
        opis.krokLepkosciPodCisnieniem = true;
    } else if (Kod(KodDyfuzjiTynaCalusa)) {
        opis.Tmin = zakresUkladu_ ? FloatToStr(zakresUkladu_->first) : QString();
        opis.Tmax = zakresUkladu_ ? FloatToStr(zakresUkladu_->second) : QString();
    }
    OtworzTabele(opis);
}

// The main window opens its liquid-viscosity correlation at the saturation temperature; the
// viscosity the user computed there goes into edtLepNas.
void TEstymacjaWlasnosciFrm::sbLepPodCisNasClick()
{
    const std::optional<long double> Tnas = Odczytaj([this] {
        const long double T = Dodatnia(edtTnas, TemperaturaNasyceniaTnas);
        SprawdzCiecz(T, RekordYaws.Tc, edtTnas, TemperaturaNasyceniaTnas);
        return T;
    });
    TOtwieranieKorelacji* oknoGlowne = OtwieranieKorelacji();
    if (!Tnas || !oknoGlowne)
        return;
    const std::optional<long double> lepkosc = oknoGlowne->LepkoscNasyceniaZKorelacji(*Tnas);
    if (!lepkosc)
        return;
    edtLepNas->setText(FloatToStr(*lepkosc));
    edtLepNas->setCursorPosition(0);
}

// The compressibility panel computes the density at this temperature and pressure; the
// temperature row waits hidden until the panel returns, so T cannot change meanwhile.
void TEstymacjaWlasnosciFrm::sbtnGestoscClick()
{
    const std::optional<long double> T = Odczytaj([this] { return Dodatnia(edtT, TemperaturaT); });
    const std::optional<long double> P = T ? Odczytaj([this] { return Dodatnia(edtCisnienie, CisnienieP); }) : std::nullopt;
    if (!P) {
        pnlChung2Gestosc->CzyscWspolczynniki();
        return;
    }
    stanPaneluGestosci_ = std::pair{*T, *P};
    pnlChung2Gestosc->PrzygotujDlaSubstancji(*T, *P);
    pnlChung2->hide();
    pnlOblicz->hide();
    pnlChung2Gestosc->show();
    pnlChung2Gestosc->bbtnMathCad->setFocus();
}

void TEstymacjaWlasnosciFrm::PrzyjmijGestoscMolowa(long double gestosc)
{
    edtGestoscObl->setText(FloatToStr(gestosc));
    edtGestoscObl->setCursorPosition(0);
    stanGestosci_ = stanPaneluGestosci_;
}

// A density from the panel is cleared once T or P differs from the state it was computed for.
void TEstymacjaWlasnosciFrm::SprawdzStanGestosci()
{
    if (!stanGestosci_)
        return;
    const std::optional<long double> T = LiczbaWpisana(edtT->text()), P = LiczbaWpisana(edtCisnienie->text());
    if (T && P && std::pair{*T, *P} == *stanGestosci_)
        return;
    stanGestosci_.reset();
    edtGestoscObl->clear();
}

void TEstymacjaWlasnosciFrm::ZamknijPanelGestosci()
{
    pnlChung2Gestosc->hide();
    pnlChung2->show();
    pnlOblicz->show();
    edtT->setFocus();
}

void TEstymacjaWlasnosciFrm::wczytajStanowOSP(const TStanGazu& stan)
{
    ZadnaMetoda();
    pnlChung2Gestosc->PrzygotujDlaMieszaniny(stan);
    pnlChung2Gestosc->show();
}

void ZarejestrujOknoEstymacjiWlasnosci()
{
    ZarejestrujZrodloWspolczynnikowZ(std::make_unique<TArkuszWspolczynnikowZ>());
    using F = TEstymacjaWlasnosciFrm;
    ZarejestrujOknoMetody<F>(QStringLiteral("TEstymacjaWlasnosciFrm"),
                             {{QStringLiteral("wczytajBrocka"), &F::wczytajBrocka},
                              {QStringLiteral("wczytajSatoRiedla"), &F::wczytajSatoRiedla},
                              {QStringLiteral("wczytajPitzera"), &F::wczytajPitzera},
                              {QStringLiteral("wczytajChunga1"), &F::wczytajChunga1},
                              {QStringLiteral("wczytajChunga2"), &F::wczytajChunga2},
                              {QStringLiteral("wczytajLucasa"), &F::wczytajLucasa},
                              {QStringLiteral("wczytajTyna"), &F::wczytajTyna}});
}
