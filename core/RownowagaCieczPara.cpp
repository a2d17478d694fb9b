#include "RownowagaCieczPara.h"

#include "Cp1250.h"
#include "MathError.h"
#include "PolishText.h"

#include <algorithm>
#include <cmath>

const QString ZlyKrokRownowagi = QStringLiteral(" źle podany krok ");
const QString ZbytWielePunktow = QStringLiteral("Zbyt wiele punktów");
const QString ZlyEpsilon = QStringLiteral("Epsilon musi być liczbą większą od zera i mniejszą od różnicy "
                                          "temperatury końcowej i początkowej");

namespace {

const long double Ln10 = std::log(10.0L);
constexpr long double ZeroCelsjusza = 273.15L;
constexpr long double KrokIzobary = 0.01L;
// The steps of the isotherm reach 1 up to the rounding of their additions; closer than this the
// last point is taken for x1 = 1 and no second one is added.
constexpr long double ToleracjaKonca = 1e-12L;

struct TPunktRownowagi {
    long double x1, y1;
    TWspolczynnikiWilsona wilson;
};

// A NaN or an infinity (from a range or a constant that is not a number) raises no flag of its
// own: it is refused here, so no table ever shows one.
void ZapiszPunkt(int i, const TPunktRownowagi& p)
{
    WynikX1[i] = SkonczonaWartosc(p.x1);
    WynikY1[i] = SkonczonaWartosc(p.y1);
    WynikGamma1[i] = SkonczonaWartosc(p.wilson.Gamma1);
    WynikGamma2[i] = SkonczonaWartosc(p.wilson.Gamma2);
}

// Runs the computation of the result arrays; LiczbaPunktow is 0 until it ends well, so a failed
// computation never leaves earlier results on view.
template <class Obliczenie>
void ObliczWyniki(Obliczenie&& obliczenie)
{
    LiczbaPunktow = 0;
    LiczbaPunktow = ObliczSprawdzajac(obliczenie);
}

QString Nazwa(const std::string& pole)
{
    return Cp1250ToUnicode(pole);
}

// Calls zestaw(record number, record) for every complete data set of the file, from record 1.
template <class Dzialanie>
void DlaKazdegoZestawu(TPlikTypowany& plik, Dzialanie&& zestaw)
{
    if (!plik.Otwarty())
        return;
    TRekordRcg rekord;
    plik.Szukaj(1);
    for (long long numer = 1; plik.Czytaj(rekord); ++numer)
        if (ZestawKompletny(rekord))
            zestaw(numer, rekord);
}

// Throws the first refusal that is not empty.
void Odmow(std::initializer_list<QString> odmowy)
{
    for (const QString& odmowa : odmowy)
        if (!odmowa.isEmpty())
            throw EOdmowaRownowagi(odmowa.toStdString());
}

} // namespace

TWspolczynnikiWilsona WspolczynnikiWilsona(long double x1, long double W12, long double W21)
{
    const long double S = W12 / (x1 + W12 * (1.0L - x1)) - W21 / (W21 * x1 + (1.0L - x1));
    const long double lnGamma1 = -std::log(x1 + W12 * (1.0L - x1)) + (1.0L - x1) * S;
    const long double lnGamma2 = -std::log((1.0L - x1) + W21 * x1) - x1 * S;
    const long double GE = -x1 * std::log(x1 + W12 * (1.0L - x1)) - (1.0L - x1) * std::log((1.0L - x1) + W21 * x1);
    return {std::exp(lnGamma1), std::exp(lnGamma2), GE};
}

long double PreznoscAntoine(long double A, long double B, long double C, long double t)
{
    return std::exp(Ln10 * (A - B / (t + C)));
}

QString OdmowaTemperaturyPoczatkowej(long double Tmin)
{
    return JestDodatnia(Tmin) ? QString() : QStringLiteral("Temperatura początkowa musi być większa od 0 K");
}

QString OdmowaTemperaturyKoncowej(long double Tmin, long double Tmax)
{
    return Tmax > Tmin ? QString() : QStringLiteral("Temperatura końcowa musi być większa od temperatury początkowej");
}

QString OdmowaEpsilonu(long double Tmin, long double Tmax, long double Eps)
{
    return Eps > 0.0L && Eps < Tmax - Tmin ? QString() : ZlyEpsilon;
}

QString OdmowaZestawu(const TRekordRcg& zestaw, bool izobara)
{
    if (izobara)
        return zestaw.PT > 0.0L ? QString()
                                : QStringLiteral("Ciśnienie całkowite wybranego zestawu danych nie jest większe od zera: "
                                                 "wybierz inny zestaw");
    return zestaw.PT > -ZeroCelsjusza ? QString()
                                      : QStringLiteral("Temperatura układu wybranego zestawu danych nie jest wyższa od zera "
                                                       "bezwzględnego: wybierz inny zestaw");
}

int ObliczIzobare(long double P, long double A1, long double A2, long double B1, long double B2, long double C1,
                  long double C2, long double Tmin, long double Tmax, long double Eps, long double W12,
                  long double W21)
{
    Odmow({OdmowaTemperaturyPoczatkowej(Tmin), OdmowaTemperaturyKoncowej(Tmin, Tmax), OdmowaEpsilonu(Tmin, Tmax, Eps)});
    int bezZmianyZnaku = 0;
    ObliczWyniki([&] {
        for (int i = 1; i <= PunktyIzobary; ++i) {
            // A multiple of the step, not a running sum, so the last row is x1 = 1 exactly.
            const long double x1 = (i - 1) * KrokIzobary;
            const TWspolczynnikiWilsona wilson = WspolczynnikiWilsona(x1, W12, W21);
            const auto P1 = [&](long double T) { return PreznoscAntoine(A1, B1, C1, T - ZeroCelsjusza); };
            const auto P2 = [&](long double T) { return PreznoscAntoine(A2, B2, C2, T - ZeroCelsjusza); };
            const auto f = [&](long double T) {
                return x1 * wilson.Gamma1 * P1(T) + (1.0L - x1) * wilson.Gamma2 * P2(T) - P;
            };
            if (f(Tmin) * f(Tmax) > 0.0L)
                ++bezZmianyZnaku;
            long double Ta = Tmin, Tb = Tmax, Tm = (Ta + Tb) / 2.0L;
            for (int polowienia = 0; polowienia < MaksPolowien && 2.0L * Eps < std::fabs(Ta - Tb); ++polowienia) {
                if (f(Ta) * f(Tm) > 0.0L)
                    Ta = Tm;
                else
                    Tb = Tm;
                Tm = (Ta + Tb) / 2.0L;
            }
            ZapiszPunkt(i, {x1, wilson.Gamma1 * x1 * P1(Tm) / P, wilson});
            WynikGE[i] = SkonczonaWartosc(wilson.GE);
            WynikT[i] = SkonczonaWartosc(Tm);
        }
        return PunktyIzobary;
    });
    return bezZmianyZnaku;
}

std::vector<long double> UlamkiIzotermy(long double krok)
{
    if (!(krok > 0.0L))
        throw EOdmowaRownowagi(ZlyKrokRownowagi.toStdString());
    std::vector<long double> ulamki;
    for (long double x1 = 0.0L; x1 <= 1.0L; x1 += krok) {
        if (ulamki.size() == MaksLiczbaPunktow)
            throw EOdmowaRownowagi(ZbytWielePunktow.toStdString());
        ulamki.push_back(x1);
    }
    if (1.0L - ulamki.back() > ToleracjaKonca) {
        if (ulamki.size() == MaksLiczbaPunktow)
            throw EOdmowaRownowagi(ZbytWielePunktow.toStdString());
        ulamki.push_back(1.0L);
    }
    return ulamki;
}

void ObliczIzoterme(long double t, long double A1, long double A2, long double B1, long double B2, long double C1,
                    long double C2, long double W12, long double W21, long double krok)
{
    const std::vector<long double> ulamki = UlamkiIzotermy(krok);
    ObliczWyniki([&] {
        const long double P1 = PreznoscAntoine(A1, B1, C1, t);
        const long double P2 = PreznoscAntoine(A2, B2, C2, t);
        for (size_t n = 0; n < ulamki.size(); ++n) {
            const long double x1 = ulamki[n];
            const TWspolczynnikiWilsona wilson = WspolczynnikiWilsona(x1, W12, W21);
            const long double P = x1 * wilson.Gamma1 * P1 + (1.0L - x1) * wilson.Gamma2 * P2;
            const int i = static_cast<int>(n) + 1;
            ZapiszPunkt(i, {x1, wilson.Gamma1 * x1 * P1 / P, wilson});
            WynikP[i] = SkonczonaWartosc(P);
        }
        return static_cast<int>(ulamki.size());
    });
}

QStringList PierwszeSkladniki(TPlikTypowany& plik)
{
    QStringList nazwy;
    DlaKazdegoZestawu(plik, [&](long long, const TRekordRcg& r) { DodajBezPowtorzen(nazwy, Nazwa(r.Nazwa1)); });
    return nazwy;
}

QStringList DrugieSkladniki(TPlikTypowany& plik, const QString& skladnik1)
{
    QStringList nazwy;
    DlaKazdegoZestawu(plik, [&](long long, const TRekordRcg& r) {
        if (RowneBezWielkosciLiter(Nazwa(r.Nazwa1), skladnik1))
            DodajBezPowtorzen(nazwy, Nazwa(r.Nazwa2));
    });
    return nazwy;
}

std::vector<TZestawRownowagi> ZestawyPary(TPlikTypowany& plik, const QString& skladnik1, const QString& skladnik2)
{
    std::vector<TZestawRownowagi> zestawy;
    DlaKazdegoZestawu(plik, [&](long long numer, const TRekordRcg& r) {
        if (RowneBezWielkosciLiter(Nazwa(r.Nazwa1), skladnik1) && RowneBezWielkosciLiter(Nazwa(r.Nazwa2), skladnik2))
            zestawy.push_back({r.PT, numer});
    });
    std::stable_sort(zestawy.begin(), zestawy.end(),
                     [](const TZestawRownowagi& a, const TZestawRownowagi& b) { return a.Wartosc < b.Wartosc; });
    return zestawy;
}

bool ZestawKompletny(const TRekordRcg& zestaw)
{
    for (long double wartosc : {zestaw.PT, zestaw.A1, zestaw.B1, zestaw.C1, zestaw.A2, zestaw.B2, zestaw.C2, zestaw.W12,
                                zestaw.W21})
        if (wartosc == BrakDanych || !std::isfinite(wartosc))
            return false;
    return true;
}

bool WczytajZestaw(TPlikTypowany& plik, long long rekord)
{
    if (!plik.Otwarty() || rekord < 1 || rekord >= plik.Rozmiar())
        return false;
    plik.Szukaj(rekord);
    return plik.Czytaj(RekordRcg) && ZestawKompletny(RekordRcg);
}
