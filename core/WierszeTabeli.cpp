#include "WierszeTabeli.h"

#include "FloatText.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "MathError.h"
#include "Power.h"
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

// Missing record values are never computed with.
void WymagajDanych(std::initializer_list<long double> wartosci)
{
    if (std::find(wartosci.begin(), wartosci.end(), BrakDanych) != wartosci.end())
        throw EOdmowaTabeli(BrakDanychDoObliczen);
}

void WymagajDanychChunga()
{
    const TRekordYaws& r = RekordYaws;
    WymagajDanych({r.Mmol, r.Tc, r.Vc, r.Omega, r.DipM});
}

// The estimation rows other than "000" .. "020" read the estimation window.
const TDaneEstymacji& Okno(const TDaneEstymacji* estymacja)
{
    if (!estymacja)
        throw EOdmowaTabeli(BrakDanychDoObliczen);
    return *estymacja;
}

long double Pole(const TDaneEstymacji& estymacja, const char* nazwa)
{
    return StrToFloat(estymacja.TekstPola(QString::fromLatin1(nazwa)));
}

TMetodaTabeli NapiecieBrocka(const TDaneEstymacji*)
{
    WymagajDanych({RekordYaws.Pc, RekordYaws.Tb, RekordYaws.Tc});
    return {NaglowekT, QStringLiteral(" Sigma [N/m]"), NapiecieBrockaBirda};
}

TMetodaTabeli LambdaSatoRiedla(const TDaneEstymacji*)
{
    WymagajDanych({RekordYaws.Mmol, RekordYaws.Tb, RekordYaws.Tc});
    return {NaglowekT, QStringLiteral(" Lambda [W/(m K)]"), LambdaSatoRiedela};
}

TMetodaTabeli CieploPitzera(const TDaneEstymacji*)
{
    WymagajDanych({RekordYaws.Tc, RekordYaws.Omega});
    return {NaglowekT, QStringLiteral(" DelHv [J/mol]"), DelHvPitzera};
}

TMetodaTabeli LepkoscChungaNiskieCisnienie(const TDaneEstymacji* estymacja)
{
    WymagajDanychChunga();
    const TDaneEstymacji& okno = Okno(estymacja);
    if (!okno.ZwiazekPolarny())
        return {NaglowekT, NaglowekLepkosciChunga, LepkoscChunga};
    const long double grupyOH = okno.LiczbaGrupOH();
    return {NaglowekT, NaglowekLepkosciChunga, [grupyOH](long double T) { return LepkoscChungaPolarna(T, grupyOH); }};
}

TMetodaTabeli LepkoscChungaWysokieCisnienie(const TDaneEstymacji* estymacja)
{
    WymagajDanychChunga();
    const std::optional<long double> gestosc = Okno(estymacja).GestoscMolowa();
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
    WymagajDanych({RekordYaws.Tc, RekordYaws.Pc, RekordYaws.Omega});
    const TDaneEstymacji& okno = Okno(estymacja);
    const long double T = Pole(okno, "edtT");
    const long double Tnas = TemperaturaNasycenia = Pole(okno, "edtTnas");
    const long double Pnas = Pole(okno, "edtPnas");
    const long double LepkoscNas = LepkoscNasycenia = Pole(okno, "edtLepNas");
    return {QStringLiteral("Ciśnienie [bar]"), NaglowekLepkosciChunga,
            [=](long double P) { return LepkoscLucasa(Tnas, T, Pnas, P, LepkoscNas); }, Pnas};
}

TMetodaTabeli DyfuzjaTynaCalusa(const TDaneEstymacji* estymacja)
{
    const std::optional<TDaneTynaCalusa> dane = Okno(estymacja).DaneTynaCalusa();
    if (!dane)
        throw EOdmowaTabeli(NajpierwOblicz);
    return {NaglowekT, QStringLiteral("Dab [cm^2/s]"),
            [d = *dane](long double T) { return WspolczynnikDyfuzjiTynaCalusa(T, d); }};
}

using WzorGestosci = long double (*)(long double T, const std::vector<long double>& pola);

// A density page: the formula at T with the numbers of the page's boxes, in the order given.
TMetodaTabeli Gestosc(const TDaneEstymacji* estymacja, const QString& naglowekT, const QString& naglowekGestosci,
                      std::initializer_list<const char*> nazwyPol, WzorGestosci wzor)
{
    const TDaneEstymacji& okno = Okno(estymacja);
    std::vector<long double> pola;
    for (const char* nazwa : nazwyPol)
        pola.push_back(Pole(okno, nazwa));
    return {naglowekT, naglowekGestosci, [pola, wzor](long double T) { return wzor(T, pola); }};
}

TMetodaTabeli GestoscRackettaYamadyGunna(const TDaneEstymacji* estymacja)
{
    return Gestosc(estymacja, NaglowekT, NaglowekGestosci, {"edtVc", "edtOmega", "edtTc", "edtM"},
                   [](long double T, const std::vector<long double>& p) {
                       return GestoscYamadyGunna(T, p[0], p[1], p[2], p[3]);
                   });
}

TMetodaTabeli GestoscRackettaZOdniesienia(const TDaneEstymacji* estymacja)
{
    return Gestosc(estymacja, NaglowekTZOdstepem, NaglowekGestosciZOdstepem,
                   {"edtTr", "edtVr", "edtOmega_", "edtTc_", "edtM_"},
                   [](long double T, const std::vector<long double>& p) {
                       return GestoscRackettaOdniesienie(T, p[0], p[1], p[2], p[3], p[4]);
                   });
}

TMetodaTabeli GestoscHBT(const TDaneEstymacji* estymacja)
{
    return Gestosc(estymacja, NaglowekTZOdstepem, NaglowekGestosciZOdstepem,
                   {"edtVc__", "edtOmega__", "edtTc__", "edtM__"},
                   [](long double T, const std::vector<long double>& p) {
                       return GestoscCostald(T, p[0], p[1], p[2], p[3]);
                   });
}

// The saturated volume at T from the card's liquid molar volume, the saturation pressure from
// the vapour-pressure correlation (Pa to bar).
TMetodaTabeli GestoscAalto(const TDaneEstymacji* estymacja)
{
    const TRekordYaws& r = RekordYaws;
    WymagajDanych({TempObjetosciMolowej, r.Vcmol, r.Omega, r.Tc, r.Mmol});
    if (!KorelacjaKompletna(r, *KorelacjaDlaKodow('5', ' ')))
        throw EOdmowaTabeli(BrakDanychDoObliczen);
    return Gestosc(estymacja, NaglowekTZOdstepem, NaglowekGestosciZOdstepem,
                   {"edtP", "edtOmega___", "edtM___", "edtPc___", "edtTc___"},
                   [](long double T, const std::vector<long double>& p) {
                       const TRekordYaws& rekord = RekordYaws;
                       const long double Vs = ObjetoscRackettaOdniesienie(
                           T, TempObjetosciMolowej, rekord.Vcmol * 0.001L, rekord.Omega, rekord.Tc, rekord.Mmol);
                       const long double Ps = ObliczPreznoscPary(T) * 0.00001L;
                       return GestoscChangaZhao(T, p[0], Vs, p[1], Ps, p[2], p[3], p[4]);
                   });
}

TMetodaTabeli GestoscSpenceraDannera(const TDaneEstymacji* estymacja)
{
    return Gestosc(estymacja, NaglowekTZOdstepem, NaglowekGestosciZOdstepem,
                   {"edtZra", "edtPcSD", "edtTcSD", "edtMSD"},
                   [](long double T, const std::vector<long double>& p) {
                       return GestoscRacketta(p[0], T, p[1], p[2], p[3]);
                   });
}

struct TMetodaEstymacji {
    const char* kod;
    TMetodaTabeli (*utworz)(const TDaneEstymacji* estymacja);
};

constexpr TMetodaEstymacji MetodyEstymacji[] = {
    {"000", NapiecieBrocka},
    {"010", LambdaSatoRiedla},
    {"020", CieploPitzera},
    {"030", LepkoscChungaNiskieCisnienie},
    {"031", LepkoscChungaWysokieCisnienie},
    {"032", LepkoscLucasaPodCisnieniem},
    {"Tyna", DyfuzjaTynaCalusa},
    {"GestcRackett", GestoscRackettaYamadyGunna},
    {"GestcRackett2", GestoscRackettaZOdniesienia},
    {"HBT", GestoscHBT},
    {"Aalto", GestoscAalto},
    {"Spencer-Danner", GestoscSpenceraDannera},
};

// No value the table shows is NaN or infinite, whatever computed it.
long double SprawdzonaWartosc(const std::function<long double(long double)>& wartosc, long double argument)
{
    return SkonczonaWartosc(ObliczSprawdzajac([&] { return wartosc(argument); }));
}

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
        metoda = TMetodaTabeli{NaglowekT, korelacja->naglowekTabeli, korelacja->oblicz};
    } else {
        for (const TMetodaEstymacji& m : MetodyEstymacji)
            if (kodMetody == QLatin1String(m.kod))
                metoda = m.utworz(estymacja);
    }
    if (metoda)
        metoda->wartosc = [wartosc = std::move(metoda->wartosc)](long double argument) {
            return SprawdzonaWartosc(wartosc, argument);
        };
    return metoda;
}

long double WspolczynnikDyfuzjiTynaCalusa(long double T, const TDaneTynaCalusa& d)
{
    return ObliczSprawdzajac([&] {
        return Power(10.0L, -8.0L) * 8.93L * Power(d.ObjetoscMolowaB, 0.267L) / Power(d.ObjetoscMolowaA, 0.433L)
               * (0.001L * T / d.LepkoscRozpuszczalnika) * Power(d.NapiecieB / d.NapiecieA, 0.15L);
    });
}

RodzajTabeli RodzajTabeliDlaKodu(const QString& kodMetody)
{
    if (kodMetody == QLatin1String("RcgBis"))
        return RodzajTabeli::Izobara;
    if (kodMetody == QLatin1String("RcgpBis"))
        return RodzajTabeli::Izoterma;
    return RodzajTabeli::Zakres;
}

QStringList NaglowkiRownowagi(RodzajTabeli rodzaj)
{
    if (rodzaj == RodzajTabeli::Izobara)
        return {QStringLiteral("lp."), QStringLiteral("T [K]"), QStringLiteral("x"), QStringLiteral("y"),
                QStringLiteral("gamma1 [-]"), QStringLiteral("gamma2 [-]"), QStringLiteral("gERT [J/mol]")};
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
