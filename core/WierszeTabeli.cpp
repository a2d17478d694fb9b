#include "WierszeTabeli.h"

#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "MathError.h"
#include "WzoryEstymacyjne.h"
#include "Zmienne.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const QString NaglowekT = QStringLiteral("T [K]");
const QString NaglowekTZOdstepem = QStringLiteral(" T [K]");
const QString NaglowekLepkosciChunga = QStringLiteral(" nig [Pa*s]");
const QString NaglowekGestosci = QStringLiteral("Gęstość [kg/m^3]");
const QString NaglowekGestosciZOdstepem = QStringLiteral(" Gęstość [kg/m^3]");
const char* const BrakDanychDoObliczen = "Brak danych do obliczeń";
const char* const NajpierwOblicz = "Najpierw wykonaj obliczenia w oknie estymacji (przycisk Oblicz)";

const char* const NiePoprawneDane = "Sprawdź poprawność danych";

// Missing record values are never computed with.
void WymagajDanych(std::initializer_list<long double> wartosci)
{
    if (std::find(wartosci.begin(), wartosci.end(), BrakDanych) != wartosci.end())
        throw EOdmowaTabeli(BrakDanychDoObliczen);
}

// The estimation rows other than "000" .. "020" read the estimation window.
const TDaneEstymacji& Okno(const TDaneEstymacji* estymacja)
{
    if (!estymacja)
        throw EOdmowaTabeli(BrakDanychDoObliczen);
    return *estymacja;
}

// A number of the window's boxes; a box that held none is refused.
long double Liczba(const TDaneEstymacji::Liczba& liczba)
{
    if (!liczba)
        throw EOdmowaTabeli(NiePoprawneDane);
    return *liczba;
}

TMetodaTabeli NapiecieBrocka(const TDaneEstymacji*)
{
    return {NaglowekT, QStringLiteral(" Sigma [N/m]"), NapiecieBrockaBirda, DopuszczalneWartosci::Nieujemne};
}

TMetodaTabeli LambdaSatoRiedla(const TDaneEstymacji*)
{
    return {NaglowekT, QStringLiteral(" Lambda [W/(m K)]"), LambdaSatoRiedela};
}

TMetodaTabeli CieploPitzera(const TDaneEstymacji*)
{
    return {NaglowekT, QStringLiteral(" DelHv [J/mol]"), DelHvPitzera, DopuszczalneWartosci::Nieujemne};
}

TMetodaTabeli LepkoscChungaNiskieCisnienie(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& okno = Okno(estymacja);
    if (!okno.polarny)
        return {NaglowekT, NaglowekLepkosciChunga, LepkoscChunga};
    const long double grupyOH = okno.grupyOH;
    return {NaglowekT, NaglowekLepkosciChunga, [grupyOH](long double T) { return LepkoscChungaPolarna(T, grupyOH); }};
}

TMetodaTabeli LepkoscChungaWysokieCisnienie(const TDaneEstymacji* estymacja)
{
    const std::optional<long double> gestosc = Okno(estymacja).gestoscMolowa;
    if (!gestosc)
        throw EOdmowaTabeli(NajpierwOblicz);
    // The dense-gas viscosity does not depend on the pressure: 0 stands for it.
    return {NaglowekT, NaglowekLepkosciChunga,
            [rho = *gestosc](long double T) { return LepkoscChungaGestyGaz(T, 0.0L, rho); }};
}

// The arguments are pressures in bar, at the estimation window's temperature; the saturated
// viscosity belongs to the saturation temperature. Below the saturation pressure the liquid
// would boil: no rows there.
TMetodaTabeli LepkoscLucasaPodCisnieniem(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& okno = Okno(estymacja);
    const long double T = Liczba(okno.T);
    const long double Tnas = Liczba(okno.Tnas);
    const long double Pnas = Liczba(okno.Pnas);
    const long double LepkoscNas = Liczba(okno.LepNas);
    return {.naglowekArgumentu = QStringLiteral("Ciśnienie [bar]"),
            .naglowekWartosci = NaglowekLepkosciChunga,
            .wartosc = [=](long double P) { return LepkoscLucasa(Tnas, T, Pnas, P, LepkoscNas); },
            .najmniejszyArgument = Pnas,
            .brakWierszy = QStringLiteral("Ciśnienie końcowe jest mniejsze od ciśnienia nasycenia (%1 bar)")
                               .arg(FloatToStr(Pnas)),
            .symbolArgumentu = QStringLiteral("P"),
            .jednostkaArgumentu = QStringLiteral("bar")};
}

TMetodaTabeli DyfuzjaTynaCalusa(const TDaneEstymacji* estymacja)
{
    const std::optional<TDaneTynaCalusa> dane = Okno(estymacja).tynaCalusa;
    if (!dane)
        throw EOdmowaTabeli(NajpierwOblicz);
    return {NaglowekT, QStringLiteral("Dab [cm^2/s]"),
            [d = *dane](long double T) { return WspolczynnikDyfuzjiTynaCalusa(T, d); }};
}

// A density page: the formula at T with the page's numbers.
using WzorGestosci = std::function<long double(long double T)>;
TMetodaTabeli Gestosc(const QString& naglowekT, WzorGestosci wzor)
{
    return {naglowekT, naglowekT == NaglowekT ? NaglowekGestosci : NaglowekGestosciZOdstepem, std::move(wzor)};
}

TMetodaTabeli GestoscRackettaYamadyGunna(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& o = Okno(estymacja);
    const long double Vc = Liczba(o.Vc), omega = Liczba(o.Omega), Tc = Liczba(o.Tc), M = Liczba(o.M);
    return Gestosc(NaglowekT, [=](long double T) { return GestoscYamadyGunna(T, Vc, omega, Tc, M); });
}

TMetodaTabeli GestoscRackettaZOdniesienia(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& o = Okno(estymacja);
    const long double TR = Liczba(o.TR), VR = Liczba(o.VR), omega = Liczba(o.Omega), Tc = Liczba(o.Tc),
                      M = Liczba(o.M);
    return Gestosc(NaglowekTZOdstepem, [=](long double T) { return GestoscRackettaOdniesienie(T, TR, VR, omega, Tc, M); });
}

TMetodaTabeli GestoscHBT(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& o = Okno(estymacja);
    const long double Vc = Liczba(o.Vc), omega = Liczba(o.Omega), Tc = Liczba(o.Tc), M = Liczba(o.M);
    return Gestosc(NaglowekTZOdstepem, [=](long double T) { return GestoscCostald(T, Vc, omega, Tc, M); });
}

// The saturated volume at T from the card's liquid molar volume, the saturation pressure from
// the vapour-pressure correlation (Pa to bar).
TMetodaTabeli GestoscAalto(const TDaneEstymacji* estymacja)
{
    const TRekordYaws& r = RekordYaws;
    const long double TV = OdniesienieObjetosciMolowej(r).temperatura;
    WymagajDanych({TV, r.Vcmol, r.Omega, r.Tc, r.Mmol});
    if (!KorelacjaKompletna(r, *KorelacjaDlaKodow(KodPreznosciPary, BrakKoduKorelacji)))
        throw EOdmowaTabeli(BrakDanychDoObliczen);
    const TDaneEstymacji& o = Okno(estymacja);
    const long double P = Liczba(o.P), omega = Liczba(o.Omega), M = Liczba(o.M), Pc = Liczba(o.Pc), Tc = Liczba(o.Tc);
    return Gestosc(NaglowekTZOdstepem, [=](long double T) {
        const TRekordYaws& rekord = RekordYaws;
        const long double Vs = ObjetoscRackettaOdniesienie(T, TV, rekord.Vcmol * 0.001L, rekord.Omega,
                                                           rekord.Tc, rekord.Mmol);
        const long double Ps = ObliczPreznoscPary(T) * 0.00001L;
        return GestoscChangaZhao(T, P, Vs, omega, Ps, M, Pc, Tc);
    });
}

TMetodaTabeli GestoscSpenceraDannera(const TDaneEstymacji* estymacja)
{
    const TDaneEstymacji& o = Okno(estymacja);
    const long double Zra = Liczba(o.Zra), Pc = Liczba(o.Pc), Tc = Liczba(o.Tc), M = Liczba(o.M);
    return Gestosc(NaglowekTZOdstepem, [=](long double T) { return GestoscRacketta(Zra, T, Pc, Tc, M); });
}

// A value its quantity cannot have is refused as a failed computation.
long double Dopuszczalna(long double wartosc, DopuszczalneWartosci dopuszczalne)
{
    const char* warunek = nullptr;
    if (dopuszczalne == DopuszczalneWartosci::Dodatnie && !(wartosc > 0.0L))
        warunek = "musi być większa od zera";
    else if (dopuszczalne == DopuszczalneWartosci::Nieujemne && wartosc < 0.0L)
        warunek = "nie może być ujemna";
    if (warunek)
        throw EMathError(QStringLiteral("wynik %1 jest niemożliwy, bo ta wielkość %2")
                             .arg(FloatToStr(wartosc), QString::fromUtf8(warunek))
                             .toStdString());
    return wartosc;
}

struct TMetodaEstymacji {
    TKodMetody kod;
    TMetodaTabeli (*utworz)(const TDaneEstymacji* estymacja);
};

constexpr TMetodaEstymacji MetodyEstymacji[] = {
    {KodNapieciaBrocka, NapiecieBrocka},
    {KodPrzewodzeniaSatoRiedla, LambdaSatoRiedla},
    {KodCieplaParowaniaPitzera, CieploPitzera},
    {KodLepkosciChungaNiskiegoCisnienia, LepkoscChungaNiskieCisnienie},
    {KodLepkosciChungaWysokiegoCisnienia, LepkoscChungaWysokieCisnienie},
    {KodLepkosciPodCisnieniem, LepkoscLucasaPodCisnieniem},
    {KodDyfuzjiTynaCalusa, DyfuzjaTynaCalusa},
    {KodGestosciYamadyGunna, GestoscRackettaYamadyGunna},
    {KodGestosciRacketta, GestoscRackettaZOdniesienia},
    {KodGestosciHBT, GestoscHBT},
    {KodGestosciAalto, GestoscAalto},
    {KodGestosciCieczySpenceraDannera, GestoscSpenceraDannera},
};

} // namespace

TZakresTabeli ArgumentyTabeli(long double poczatek, long double koniec, long double krok)
{
    TZakresTabeli zakres;
    if (!(krok > 0.0L)) {
        zakres.blad = BladZakresu::ZlyKrok;
        return zakres;
    }
    long double argument = poczatek;
    do {
        if (zakres.argumenty.size() == MaksLiczbaWierszy)
            return {{}, BladZakresu::ZbytWieleWierszy};
        zakres.argumenty.push_back(argument);
        const long double nastepny = argument + krok;
        if (nastepny == argument)
            return {{}, BladZakresu::ZlyKrok};
        argument = nastepny;
    } while (!(argument > koniec));
    return zakres;
}

std::optional<TMetodaTabeli> MetodaTabeli(char kodGaz, char kodCiecz, const QString& kodMetody,
                                          const TDaneEstymacji* estymacja)
{
    std::optional<TMetodaTabeli> metoda;
    if (const TKorelacjaDoswiadczalna* korelacja = KorelacjaDlaKodow(kodGaz, kodCiecz)) {
        if (!KorelacjaKompletna(RekordYaws, *korelacja))
            throw EOdmowaTabeli(BrakDanychDoObliczen);
        metoda = TMetodaTabeli{NaglowekT, korelacja->naglowekTabeli, korelacja->oblicz, korelacja->wartosci};
    } else {
        for (const TMetodaEstymacji& m : MetodyEstymacji) {
            if (kodMetody != m.kod)
                continue;
            if (!DaneMetodyKompletne(kodMetody, RekordYaws))
                throw EOdmowaTabeli(BrakDanychDoObliczen);
            metoda = m.utworz(estymacja);
        }
    }
    if (metoda)
        metoda->wartosc = [wartosc = std::move(metoda->wartosc), dopuszczalne = metoda->wartosci](long double argument) {
            // No value the table shows is NaN or infinite, whatever computed it.
            return Dopuszczalna(ObliczSkonczone([&] { return wartosc(argument); }), dopuszczalne);
        };
    return metoda;
}

TWierszeZakresu WierszeZakresu(const TMetodaTabeli& metoda, const std::vector<long double>& argumenty)
{
    TWierszeZakresu wynik;
    for (long double argument : argumenty) {
        if (!(argument >= metoda.najmniejszyArgument))
            continue;
        try {
            const long double wartosc = metoda.wartosc(argument);
            wynik.wiersze.push_back({QString::number(wynik.wiersze.size() + 1), FloatToStr(argument), FloatToStr(wartosc)});
        } catch (const std::exception& blad) {
            wynik.blad = QStringLiteral("Przy %1 = %2 %3: %4")
                             .arg(metoda.symbolArgumentu, FloatToStr(argument), metoda.jednostkaArgumentu,
                                  QString::fromUtf8(blad.what()));
            break;
        }
    }
    return wynik;
}

RodzajTabeli RodzajTabeliDlaKodu(const QString& kodMetody)
{
    if (kodMetody == KodIzobary)
        return RodzajTabeli::Izobara;
    if (kodMetody == KodIzotermy)
        return RodzajTabeli::Izoterma;
    return RodzajTabeli::Zakres;
}

QStringList NaglowkiRownowagi(RodzajTabeli rodzaj)
{
    if (rodzaj == RodzajTabeli::Izobara)
        return {QStringLiteral("lp."), QStringLiteral("T [K]"), QStringLiteral("x"), QStringLiteral("y"),
                QStringLiteral("gamma1 [-]"), QStringLiteral("gamma2 [-]"), QStringLiteral("gERT [-]")};
    return {QStringLiteral("lp."), QStringLiteral("P [mmHg]"), QStringLiteral("x"), QStringLiteral("y"),
            QStringLiteral("gamma1 [-]"), QStringLiteral("gamma2 [-]")};
}

std::vector<QStringList> WierszeRownowagi(RodzajTabeli rodzaj)
{
    const int liczba = std::min(LiczbaPunktow, MaksLiczbaPunktow);
    if (liczba < 1)
        throw EOdmowaTabeli("Brak wyników obliczeń równowagi");
    const bool izobara = rodzaj == RodzajTabeli::Izobara;
    std::vector<QStringList> wiersze;
    for (int i = 1; i <= liczba; ++i) {
        QStringList wiersz{QString::number(i), FloatToStr(izobara ? WynikT[i] : WynikP[i])};
        for (const auto* wynik : {&WynikX1, &WynikY1, &WynikGamma1, &WynikGamma2})
            wiersz << FloatToStr((*wynik)[i]);
        if (izobara)
            wiersz << FloatToStr(WynikGE[i]);
        wiersze.push_back(wiersz);
    }
    return wiersze;
}
