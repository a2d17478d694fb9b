#include "ObliczeniaEstymacji.h"

#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "MathError.h"
#include "Power.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

using R = TRekordYaws;
using PolaRekordu = std::initializer_list<long double R::*>;

constexpr PolaRekordu PolaBrocka = {&R::Pc, &R::Tb, &R::Tc};
constexpr PolaRekordu PolaSatoRiedla = {&R::Mmol, &R::Tb, &R::Tc};
constexpr PolaRekordu PolaPitzera = {&R::Tc, &R::Omega};
constexpr PolaRekordu PolaChunga = {&R::Mmol, &R::Tc, &R::Vc, &R::Omega, &R::DipM};
constexpr PolaRekordu PolaLucasa = {&R::Tc, &R::Pc, &R::Omega};

PolaRekordu PolaMetody(const QString& kod)
{
    if (kod == KodNapieciaBrocka)
        return PolaBrocka;
    if (kod == KodPrzewodzeniaSatoRiedla)
        return PolaSatoRiedla;
    if (kod == KodCieplaParowaniaPitzera)
        return PolaPitzera;
    if (kod == KodLepkosciChungaNiskiegoCisnienia || kod == KodLepkosciChungaWysokiegoCisnienia)
        return PolaChunga;
    if (kod == KodLepkosciPodCisnieniem)
        return PolaLucasa;
    return {};
}

bool Podane(const R& rekord, PolaRekordu pola)
{
    return std::none_of(pola.begin(), pola.end(), [&](long double R::*pole) { return rekord.*pole == BrakDanych; });
}

bool KorelacjaCieczy(const R& rekord, char kod)
{
    return KorelacjaKompletna(rekord, *KorelacjaDlaKodow(BrakKoduKorelacji, kod));
}

bool SkladnikKompletny(const R& rekord)
{
    return Podane(rekord, {&R::Mmol, &R::Tb, &R::Tf, &R::Tc, &R::Pc}) && KorelacjaCieczy(rekord, KodGestosciCieczy);
}

// The molar volume at the boiling point, cm³/mol (density in kg/m³, 0.001 of it in g/cm³).
long double ObjetoscWrzenia(const R& rekord)
{
    const long double gestosc = ObliczGestoscCieczy(rekord, rekord.Tb);
    return ObliczSprawdzajac([&] { return rekord.Mmol / (0.001L * gestosc); });
}

} // namespace

bool DaneMetodyKompletne(const QString& kod, const TRekordYaws& rekord)
{
    return Podane(rekord, PolaMetody(kod));
}

long double TemperaturaOdniesieniaRacketta(const TRekordYaws& r, long double poprzednia)
{
    if (!Podano(r.Vcmol))
        return BrakDanych;
    const long double temperatura = OdniesienieObjetosciMolowej(r).temperatura;
    return Podano(temperatura) ? temperatura : poprzednia;
}

long double WspolczynnikDyfuzjiTynaCalusa(long double T, const TDaneTynaCalusa& d)
{
    return ObliczSprawdzajac([&] {
        return Power(10.0L, -8.0L) * 8.93L * Power(d.ObjetoscMolowaB, 0.267L) / Power(d.ObjetoscMolowaA, 0.433L)
               * (0.001L * T / d.LepkoscRozpuszczalnika) * Power(d.NapiecieB / d.NapiecieA, 0.15L);
    });
}

long double NapiecieTynaCalusa(long double Tb, long double Tc, long double Pc)
{
    return ObliczSprawdzajac([&] {
        const long double Tbr = Tb / Tc;
        const long double alfa = 0.9076L * (1.0L + Tbr * std::log(Pc / 1.013L) / (1.0L - Tbr));
        return Power(Pc, 2.0L / 3.0L) * Power(Tc, 1.0L / 3.0L) * (0.132L * alfa - 0.278L)
               * Power(1.0L - Tbr, 11.0L / 9.0L);
    });
}

TWynikTynaCalusa ObliczTynaCalusa(long double T, const TRekordYaws& A, const TRekordYaws& B)
{
    TWynikTynaCalusa wynik;
    if (!SkladnikKompletny(A) || !SkladnikKompletny(B) || !KorelacjaCieczy(B, KodLepkosciCieczy)) {
        wynik.blad = BladTynaCalusa::BrakDanych;
        return wynik;
    }
    const long double Tmin = std::max(A.Tf, B.Tf);
    const long double Tmax = std::min(A.Tb, B.Tb);
    wynik.zakres = {Tmin, Tmax};
    if (Tmin > Tmax) {
        wynik.blad = BladTynaCalusa::BrakWspolnegoZakresu;
        return wynik;
    }
    if (T < Tmin || T > Tmax) {
        wynik.blad = BladTynaCalusa::PozaZakresem;
        return wynik;
    }
    TDaneTynaCalusa& d = wynik.dane;
    d.ObjetoscMolowaA = ObjetoscWrzenia(A);
    d.ObjetoscMolowaB = ObjetoscWrzenia(B);
    d.LepkoscRozpuszczalnika = ObliczLepkoscCieczy(B, T);
    d.NapiecieA = NapiecieTynaCalusa(A.Tb, A.Tc, A.Pc);
    d.NapiecieB = NapiecieTynaCalusa(B.Tb, B.Tc, B.Pc);
    wynik.wspolczynnik = SkonczonaWartosc(WspolczynnikDyfuzjiTynaCalusa(T, d));
    return wynik;
}
