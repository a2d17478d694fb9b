#include "GestoscMieszaninCieczy.h"

#include "Cp1250.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "MathError.h"
#include "PolishText.h"
#include "WzoryEstymacyjne.h"

#include <algorithm>

namespace {

// A point without its temperature, pressure, x1 or excess volume (missing, or damaged bytes read
// as missing) is no measurement: it is offered nowhere and never fitted.
bool PunktPelny(const TRekordMixc& r)
{
    return Podano(r.T) && Podano(r.P) && Podano(r.x1) && Podano(r.VE);
}

template <class Obsluga>
void PrzejdzMixc(Obsluga&& obsluga)
{
    TRekordMixc rekord;
    PlikMixc.Szukaj(1);
    while (PlikMixc.Czytaj(rekord))
        if (PunktPelny(rekord))
            obsluga(rekord);
}

void DodajRaz(std::vector<long double>& wartosci, long double wartosc)
{
    if (std::find(wartosci.cbegin(), wartosci.cend(), wartosc) == wartosci.cend())
        wartosci.push_back(wartosc);
}

bool RowneNazwy(const std::string& zapisana, const QString& nazwa)
{
    return !nazwa.isEmpty() && RowneBezWielkosciLiter(Cp1250ToUnicode(zapisana), nazwa);
}

} // namespace

QStringList PierwszeSkladnikiMixc()
{
    QStringList nazwy;
    PrzejdzMixc([&](const TRekordMixc& r) { DodajBezPowtorzen(nazwy, Cp1250ToUnicode(r.Nazwa1)); });
    SortujPL(nazwy);
    return nazwy;
}

PartnerzySkladnika PartnerzyMixc(const QString& skladnik1)
{
    PartnerzySkladnika partnerzy;
    PrzejdzMixc([&](const TRekordMixc& r) {
        if (!RowneNazwy(r.Nazwa1, skladnik1))
            return;
        DodajBezPowtorzen(partnerzy.nazwy, Cp1250ToUnicode(r.Nazwa2));
        partnerzy.CAS1 = Cp1250ToUnicode(r.CAS1);
    });
    SortujPL(partnerzy.nazwy);
    return partnerzy;
}

PomiaryPary ZbierzPomiaryPary(const QString& skladnik1, const QString& skladnik2)
{
    PomiaryPary para;
    PrzejdzMixc([&](const TRekordMixc& r) {
        if (!RowneNazwy(r.Nazwa1, skladnik1) || !RowneNazwy(r.Nazwa2, skladnik2))
            return;
        para.punkty.push_back(r);
        para.CAS1 = Cp1250ToUnicode(r.CAS1);
        para.CAS2 = Cp1250ToUnicode(r.CAS2);
        DodajRaz(para.temperatury, r.T);
        DodajRaz(para.cisnienia, r.P);
    });
    return para;
}

std::vector<TRekordMixc> PunktyPrzy(const PomiaryPary& para, long double T, long double P)
{
    std::vector<TRekordMixc> punkty;
    std::copy_if(para.punkty.cbegin(), para.punkty.cend(), std::back_inserter(punkty),
                 [&](const TRekordMixc& r) { return r.T == T && r.P == P; });
    return punkty;
}

std::optional<ObjetoscCzystejCieczy> ObjetoscMolowaCieczy(const TRekordYaws& r, long double T)
{
    const long double TRef = OdniesienieObjetosciMolowej(r).temperatura;
    if (!Podano(TRef) || !Podano(r.Vcmol))
        return std::nullopt;
    const long double VR = r.Vcmol * 0.001L;
    if (T == TRef)
        return ObjetoscCzystejCieczy{VR, true};
    if (!Podano(r.Omega) || !Podano(r.Tc) || !Podano(r.Mmol))
        return std::nullopt;
    const std::optional<long double> V =
        WynikLubBrak([&] { return SkonczonaWartosc(ObjetoscRackettaOdniesienie(T, TRef, VR, r.Omega, r.Tc, r.Mmol)); });
    if (!V)
        return std::nullopt;
    return ObjetoscCzystejCieczy{*V, false};
}

long double GestoscZaokraglona(long double M, long double V)
{
    return NiezerowaWartosc(ZaokraglijDoMiejsc(ObliczSprawdzajac([&] { return M / V; }), 3));
}

long double ObjetoscMolowaMieszaniny(long double x1, long double V1, long double V2, long double VE)
{
    return ObliczSprawdzajac([&] { return V1 * x1 + V2 * (1.0L - x1) + VE; });
}

long double GestoscMieszaninyCieczy(long double x1, long double M1, long double M2, long double Vm)
{
    return GestoscZaokraglona(ObliczSprawdzajac([&] { return M1 * x1 + M2 * (1.0L - x1); }), Vm);
}

long double WartoscWielomianu(std::span<const long double> c, long double x)
{
    long double suma = 0.0L, potega = 1.0L;
    for (long double cj : c) {
        suma += cj * potega;
        potega *= x;
    }
    return suma;
}

std::vector<PunktKrzywej> PunktyKrzywej(std::span<const long double> X, std::span<const long double> c)
{
    const auto n = static_cast<long long>(X.size());
    if (n < 2)
        return {};
    const double dx = static_cast<double>((X[n - 1] - X[0]) / (n - 1));
    const double x0 = static_cast<double>(X[0]) - dx / 2.0;
    std::vector<PunktKrzywej> punkty;
    for (long long k = 0; k < (2 * n + 1) * 10; ++k) {
        const double x = k * dx / 20.0 + x0;
        double y = 0.0, potega = 1.0;
        for (long double cj : c) {
            y += static_cast<double>(cj) * potega;
            potega *= x;
        }
        punkty.push_back({x, y});
    }
    return punkty;
}
