#include "KartaZwiazku.h"

#include "Cp1250.h"
#include "FloatText.h"
#include "KodyMetod.h"
#include "KorelacjeDoswiadczalne.h"

#include <algorithm>

namespace {

constexpr long double ZeroCelsjusza = 273.15L;
constexpr long double Temperatura25C = 298.15L;

using R = TRekordYaws;
using P = Przeliczenie;

const std::vector<PozycjaKarty> Pozycje = {
    {"gbPodst", "lblMmol", "Masa molowa", "edtMmol", &R::Mmol, P::Brak, "qlblMmol", "g/mol"},
    {"gbPodst", "lblTf", "Temperatura topnienia", "edtTf", &R::Tf, P::Temperatura, "qlblTf", "K"},
    {"gbPodst", "lblTb", "Temperatura wrzenia", "edtTb", &R::Tb, P::Temperatura, "qlblTb", "K"},
    {"gbPodst", "lblTc", "Temperatura krytyczna", "edtTc", &R::Tc, P::Temperatura, "qlblTc", "K"},
    {"gbPodst", "lblPc", "Ciśnienie krytyczne", "edtPc", &R::Pc, P::Brak, "qlblPc",
     "<sup>.</sup>10<sup>5</sup> Pa"},
    {"gbPodst", "lblVc", "Objętość krytyczna", "edtVc", &R::Vc, P::Brak, "qlblVc", "cm<sup>3</sup>/mol"},
    {"gbPodst", "lblZc", "Krytyczny współczynnik ściśliwości", "edtZc", &R::Zc, P::Brak, "", ""},
    {"gbPodst", "lblRoc", "Gęstość krytyczna", "edtRoc", &R::RoC, P::RazyTysiac, "qlblRoc",
     "kg/m<sup>3</sup>"},
    {"gbPodst", "lblOmeg", "Współczynnik acentryczny", "edtOmeg", &R::Omega, P::Brak, "", ""},
    {"gbPodst", "lblRef", "Wsp. załamania światła", "edtRef", &R::Ref, P::Brak, "", ""},

    {"gbMolekula", "lblDipM", "Moment dipolowy", "edtDipM", &R::DipM, P::Brak, "qlblDipM", "D"},
    {"gbMolekula", "lblVdWa", "Powierzchnia van der Waalsa", "edtVdWa", &R::VdWa, P::Brak, "qlblVdWa",
     "cm<sup>2</sup>/mol"},
    {"gbMolekula", "lblVdWv", "Objętość van der Waalsa", "edtVdWv", &R::VdWv, P::Brak, "qlblVdWv",
     "cm<sup>3</sup>/mol"},
    {"gbMolekula", "lblVdWr", "Promień żyracji", "edtVdWr", &R::VdWr, P::Brak, "qlblVdWr", "A"},

    {"gbTemp", "lblRoc25", "Gęstość cieczy (25°C)", "edtRoc25", &R::Roc25, P::RazyTysiac, "qlblRoc25",
     "kg/m<sup>3</sup>"},
    {"gbTemp", "lblNig25", "Lepkość gazu (25°C)", "edtNig25", &R::Nig25, P::Brak, "qlblNig25",
     "Pa<sup>.</sup>s"},
    {"gbTemp", "lblNic_T", "Lepkość cieczy", "edtNic_T", &R::Nic_T, P::Brak, "qlblNic_T", "Pa<sup>.</sup>s"},
    {"gbTemp", "lblLag25", "Wsp. przewodzenia ciepła gazu (25°C)", "edtLag25", &R::Lag25, P::Brak,
     "qlblLag25", "W/(m<sup>.</sup>K)"},
    {"gbTemp", "lblLac25", "Wsp. przewodzenia ciepła cieczy (25°C)", "edtLac25", &R::Lac25, P::Brak,
     "qlblLac25", "W/(m<sup>.</sup>K)"},
    {"gbTemp", "lblCpg25", "Ciepło właściwe gazu (25°C)", "edtCpg25", &R::Cpg25, P::Brak, "qlblCpg25",
     "kJ/(kg<sup>.</sup>K)"},
    {"gbTemp", "lblCpc_T", "Ciepło właściwe cieczy", "edtCpc_T", &R::Cpc_T, P::Brak, "qlblCpc_T",
     "kJ/(kg<sup>.</sup>K)"},
    {"gbTemp", "lblCps_T", "Ciepło wł. ciała stałego", "edtCps_T", &R::Cps_T, P::Brak, "qlblCps_T",
     "kJ/(kg<sup>.</sup>K)"},
    {"gbTemp", "lblDap25", "Wsp. dyfuzji w powietrzu (25°C)", "edtDap25", &R::Dap25, P::Brak, "qlblDap25",
     "m<sup>2</sup>/s"},
    {"gbTemp", "lblDaw25", "Wsp. dyfuzji w wodzie (25°C)", "edtDaw25", &R::Daw25, P::Brak, "qlblDaw25",
     "m<sup>2</sup>/s"},
    {"gbTemp", "lblSin_T", "Napięcie powierzchniowe", "edtSin_T", &R::Sin_T, P::PrzezTysiac, "qlblSin_T",
     "N/m"},
    {"gbTemp", "lblPvp_T", "Prężność pary nad roztworem", "edtPvp_T", nullptr, P::Brak, "qlblPvp_T", "Pa"},
    {"gbTemp", "lbldelHfu", "Ciepło topnienia", "edtdelHfu", &R::DelHfu, P::Brak, "qlbldelHfu", "kJ/mol"},
    {"gbTemp", "lbldelHvTb", "Ciepło parowania w temp. wrzenia", "edtdelHvTb", &R::DelHvTb, P::Brak,
     "qlbldelHvTb", "kJ/mol"},
    {"gbTemp", "lbldelHc25", "Ciepło spalania (25°C)", "edtdelHc25", &R::DelHc25, P::Brak, "qlbldelHc25",
     "kJ/mol"},

    {"gbTw", "lblDelHf298", "Ciepło tworzenia (25°C)", "edtDelHf298", &R::DelHf298, P::Brak, "qlblDelHf298",
     "kJ/mol"},
    {"gbTw", "lbldelGf298", "Swobodna energia Gibbsa (25°C)", "edtdelGf298", &R::DelGf298, P::Brak,
     "qlbldelGf298", "kJ/mol"},
    {"gbTw", "lbldelHef298", "Swobodna energia Helmholtza (25°C)", "edtdelHef298", &R::DelHef298, P::Brak,
     "qlbldelHef298", "kJ/mol"},
    {"gbTw", "lbldelEf298", "Entropia (25°C)", "edtdelEf298", &R::DelEf298, P::Brak, "qlbldelEf298",
     "J/(mol<sup>.</sup>K)"},

    {"gbCiecz", "lblVcmol", "Objętość molowa cieczy", "edtVcmol", &R::Vcmol, P::Brak, "qlblVcmol",
     "cm<sup>3</sup>/mol"},
    {"gbCiecz", "lblSolParam", "Parametr rozpuszczalności", "edtSolParam", &R::SolParam, P::Brak,
     "qlblSolParam", "(J/cm<sup>3</sup>)<sup>1/2</sup>"},
    {"gbCiecz", "lblSolw25", "Rozpuszczalność w wodzie (25°C)", "edtSolw25", &R::Solw25, P::Brak,
     "qlblSolw25", "ppmw"},
    {"gbCiecz", "lblSolw100", "Rozpuszczalność w wodzie (100°C)", "edtSolw100", &R::Solw100, P::Brak,
     "qlblSolw100", "ppmw"},
    {"gbCiecz", "lblSols25_34472", "Rozpuszczalność w wodzie słonej (25°C)", "edtSols25_34472",
     &R::Sols25_34472, P::Brak, "qlblSols25_34472", "ppmw"},
    {"gbCiecz", "lblTe25", "Wsp. rozszerzalności cieplnej (25°C)", "edtTe25", &R::Te25, P::Brak, "qlblTe25",
     "1/°C"},
    {"gbCiecz", "lblHcMol", "Stała Henryego (woda)", "edtHcMol", &R::HcMol, P::Brak, "qlblHcMol",
     "atm<sup>.</sup>m<sup>3</sup>/mol"},

    {"gbBHP", "lblExL", "Dolna granica wybuchowości", "edtExL", &R::ExL, P::Brak, "qlblExL", "% obj."},
    {"gbBHP", "lblExU", "Górna granica wybuchowości", "edtExU", &R::ExU, P::Brak, "qlblExU", "% obj."},
    {"gbBHP", "lblExF", "Temperatura zapłonu", "edtExF", &R::ExF, P::FahrenheitNaCelsjusz, "qlblExF",
     "<sup>o</sup>C"},
    {"gbBHP", "lblExAi", "Temperatura samozapłonu", "edtExAi", &R::ExAi, P::FahrenheitNaCelsjusz, "qlblExAi",
     "<sup>o</sup>C"},
    {"gbBHP", "lblLimit", "Dopuszczalne stężenie", "edtLimit", &R::Limit, P::Brak, "qlblLimit",
     "mg/m<sup>3</sup>"},
    {"gbBHP", "lblLimitExp", "Dopuszczalne narażenie", "edtLimitExp", &R::LimitExp, P::Brak, "qlblLimitExp",
     "mg/m<sup>3</sup>"},
    {"gbBHP", "lblLimitExpRec", "Zalecane narażenie", "edtLimitExpRec", &R::LimitExpRec, P::Brak,
     "qlblLimitExpRec", "mg/m<sup>3</sup>"},
    {"gbBHP", "lblMaxDEConc", "Maks. stężenie (Niemcy)", "edtMaxDEConc", &R::MaxDEConc, P::Brak,
     "qlblMaxDEConc", "mg/m<sup>3</sup>"},

    {"gbAnt", "lblAntA", "A", "edtAntA", &R::AntA, P::Brak, "", ""},
    {"gbAnt", "lblAntB", "B", "edtAntB", &R::AntB, P::Brak, "", ""},
    {"gbAnt", "lblAntC", "C", "edtAntC", &R::AntC, P::Brak, "", ""},
    {"gbAnt", "lblAntTmin", "Tmin", "edtAntTmin", &R::AntTmin, P::Brak, "qlblAntTmin", "<sup>o</sup>C"},
    {"gbAnt", "lblAntTmax", "Tmax", "edtAntTmax", &R::AntTmax, P::Brak, "qlblAntTmax", "<sup>o</sup>C"},
};

using Pola = std::vector<long double R::*>;

bool WszystkiePodane(const TRekordYaws& rekord, const Pola& pola)
{
    return std::all_of(pola.begin(), pola.end(), [&](auto pole) { return Podano(rekord.*pole); });
}

QString PodpisPusty(const char* etykieta)
{
    for (const PozycjaKarty& p : Pozycje)
        if (qstrcmp(p.etykieta, etykieta) == 0)
            return QString::fromUtf8(p.podpis);
    return {};
}

bool AntoineKompletny(const TRekordYaws& r)
{
    return WszystkiePodane(r, {&R::AntA, &R::AntB, &R::AntC, &R::AntTmin, &R::AntTmax});
}

QString PodpisZTemperatura(const QString& podstawa, long double temperaturaC)
{
    return podstawa + " (" + FloatToStr(temperaturaC) + "°C)";
}

// The plain caption, or with the temperature (°C) when the value and the temperature are present.
QString PodpisWartosci(const QString& podstawa, long double wartosc, long double temperaturaC)
{
    return Podano(wartosc) && Podano(temperaturaC) ? PodpisZTemperatura(podstawa, temperaturaC) : podstawa;
}

QString PodpisHenryego(const TRekordYaws& r)
{
    if (Podano(r.HcMol) && Podano(r.THcMol))
        return "Stała Henry'ego (woda, " + FloatToStr(r.THcMol) + "°C)";
    return PodpisPusty("lblHcMol");
}

} // namespace

long double Przelicz(long double wartosc, Przeliczenie przeliczenie)
{
    if (!Podano(wartosc))
        return BrakDanych;
    switch (przeliczenie) {
    case P::RazyTysiac: return wartosc * 1000.0L;
    case P::PrzezTysiac: return wartosc / 1000.0L;
    case P::KelwinNaCelsjusz: return wartosc - ZeroCelsjusza;
    case P::FahrenheitNaCelsjusz: return (wartosc - 32.0L) * 5.0L / 9.0L;
    case P::Brak:
    case P::Temperatura: break;
    }
    return wartosc;
}

QString TekstWartosci(long double wartosc, Przeliczenie przeliczenie)
{
    return Podano(wartosc) ? FloatToStr(Przelicz(wartosc, przeliczenie)) : TekstBrakDanych;
}

QString TekstTemperatury(long double kelwiny, bool wKelwinach)
{
    return TekstWartosci(kelwiny, wKelwinach ? P::Brak : P::KelwinNaCelsjusz);
}

const std::vector<GrupaKarty>& GrupyKarty()
{
    static const std::vector<GrupaKarty> grupy = {
        {"gbPodst", "Podstawowe własności"},
        {"gbMolekula", "Własności molekularne"},
        {"gbTemp", "Własności zależne od temperatury"},
        {"gbTw", "Własności termodynamiczne tworzenia"},
        {"gbCiecz", "Własności cieczy"},
        {"gbBHP", "Karta bezpieczeństwa"},
        {"gbAnt", "Współczynniki Antoine'a"},
    };
    return grupy;
}

const std::vector<PozycjaKarty>& PozycjeKarty()
{
    return Pozycje;
}

std::vector<TekstKontrolki> TekstyPolKarty(const TRekordYaws& rekord,
                                           const std::function<bool(const QString&)>& wKelwinach)
{
    const bool antoine = AntoineKompletny(rekord);
    std::vector<TekstKontrolki> teksty;
    for (const PozycjaKarty& p : Pozycje) {
        const bool bezWartosci = !p.wartosc || (qstrcmp(p.grupa, "gbAnt") == 0 && !antoine);
        QString tekst;
        if (bezWartosci)
            tekst = TekstBrakDanych;
        else if (p.przeliczenie == P::Temperatura)
            tekst = TekstTemperatury(rekord.*p.wartosc, wKelwinach(QString::fromLatin1(p.jednostka)));
        else
            tekst = TekstWartosci(rekord.*p.wartosc, p.przeliczenie);
        teksty.push_back({QString::fromLatin1(p.pole), tekst});
    }
    return teksty;
}

std::vector<TekstKontrolki> PodpisyPustejKarty()
{
    TRekordYaws pusty;
    CzyscRekord(pusty);
    return PodpisyKarty(pusty);
}

std::vector<TekstKontrolki> PodpisyKarty(const TRekordYaws& r)
{
    auto podpis = [](const char* etykieta, const QString& tekst) {
        return TekstKontrolki{QString::fromLatin1(etykieta), tekst};
    };
    auto zTemperatura = [&](const char* etykieta, long double wartosc, long double temperaturaC) {
        return podpis(etykieta, PodpisWartosci(PodpisPusty(etykieta), wartosc, temperaturaC));
    };
    auto wCelsjuszach = [](long double kelwiny) { return Przelicz(kelwiny, P::KelwinNaCelsjusz); };
    return {
        zTemperatura("lblRef", r.Ref, r.TRef),
        zTemperatura("lblNic_T", r.Nic_T, wCelsjuszach(r.TNic)),
        zTemperatura("lblCpc_T", r.Cpc_T, wCelsjuszach(r.TCpc)),
        zTemperatura("lblCps_T", r.Cps_T, wCelsjuszach(r.TCps)),
        zTemperatura("lblSin_T", r.Sin_T, wCelsjuszach(r.TSin)),
        podpis("lblPvp_T", PodpisPusty("lblPvp_T")),
        podpis("lblVcmol", OdniesienieObjetosciMolowej(r).podpis),
        zTemperatura("lblSolParam", r.SolParam, r.TVcmol),
        podpis("lblHcMol", PodpisHenryego(r)),
    };
}

QString TekstLubPytajnik(long double wartosc, long double mnoznik)
{
    return Podano(wartosc) ? FloatToStr(wartosc * mnoznik) : QStringLiteral("?");
}

OdniesienieObjetosci OdniesienieObjetosciMolowej(const TRekordYaws& r)
{
    const QString podstawa = PodpisPusty("lblVcmol");
    if (!Podano(r.Vcmol))
        return {podstawa, BrakDanych};
    if (Podano(r.TVcmol))
        return {PodpisZTemperatura(podstawa, r.TVcmol), r.TVcmol + ZeroCelsjusza};
    if (Podano(r.Tf) && Podano(r.Tb)) {
        if (r.Tf < Temperatura25C && Temperatura25C < r.Tb)
            return {podstawa + " (25°C)", Temperatura25C};
        if (r.Tf > Temperatura25C)
            return {PodpisZTemperatura(podstawa, r.Tf - ZeroCelsjusza), r.Tf};
        if (r.Tb < Temperatura25C)
            return {PodpisZTemperatura(podstawa, r.Tb - ZeroCelsjusza), r.Tb};
    }
    return {podstawa, BrakDanych};
}

QString PodpowiedzGestosciCieczy(const TRekordYaws& r)
{
    if (!Podano(r.Mmol) || !Podano(r.Vcmol) || r.Mmol == 0.0L || r.Vcmol == 0.0L)
        return {};
    return FloatToStr(r.Mmol * 1000.0L / r.Vcmol) + " kg/m^3";
}

// An item of the experimental tab is its correlation: complete as the correlation window sees it.
bool BlokKompletny(const TRekordYaws& r, int grupa, int pozycja)
{
    if (grupa < 0 || grupa > 1 || pozycja < 0 || pozycja >= PozycjeBlokow)
        return false;
    const TKorelacjaDoswiadczalna* korelacja = grupa == GrupaGaz
                                                   ? KorelacjaDlaKodow(KodyGaz[pozycja], BrakKoduKorelacji)
                                                   : KorelacjaDlaKodow(BrakKoduKorelacji, KodyCiecz[pozycja]);
    return korelacja && KorelacjaKompletna(r, *korelacja);
}

KompletneBloki KompletneBlokiDoswiadczalne(const TRekordYaws& rekord)
{
    KompletneBloki kompletne{};
    for (int grupa : {GrupaGaz, GrupaCiecz})
        for (int pozycja = 0; pozycja < PozycjeBlokow; ++pozycja)
            kompletne[grupa][pozycja] = BlokKompletny(rekord, grupa, pozycja);
    return kompletne;
}

const std::vector<EtykietaKorelacji>& EtykietyKorelacji()
{
    static const std::vector<EtykietaKorelacji> etykiety = {
        {"lblNig25", GrupaGaz, 0},   {"lblCpg25", GrupaGaz, 2},   {"lblLag25", GrupaGaz, 4},
        {"lblDap25", GrupaGaz, 5},   {"lblPvp_T", GrupaGaz, 6},   {"lblNic_T", GrupaCiecz, 0},
        {"lblSin_T", GrupaCiecz, 1}, {"lblCpc_T", GrupaCiecz, 2}, {"lblRoc25", GrupaCiecz, 3},
        {"lblLac25", GrupaCiecz, 4}, {"lblDaw25", GrupaCiecz, 5}, {"lbldelHvTb", GrupaCiecz, 6},
    };
    return etykiety;
}

QString ZamienMyslniki(const QString& cas)
{
    return QString(cas).replace(QLatin1Char('-'), QLatin1Char('_'));
}

QString NazwaRysunkuWzoru(const std::string& cas)
{
    const QString numer = Cp1250ToUnicode(cas).trimmed();
    if (numer.isEmpty() || numer == QLatin1String("#") || numer.contains(QLatin1Char('/')))
        return {};
    return ZamienMyslniki(numer) + ".gif";
}
