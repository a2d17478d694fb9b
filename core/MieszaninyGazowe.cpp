#include "MieszaninyGazowe.h"

#include "MathError.h"
#include "Power.h"

#include <algorithm>
#include <cmath>

std::vector<std::vector<long double>> WspolczynnikiOddzialywania(const std::vector<SkladnikMieszaninyGazow>& skladniki)
{
    const size_t n = skladniki.size();
    std::vector<std::vector<long double>> phi(n, std::vector<long double>(n, 1.0L));
    for (size_t k = 1; k < n; ++k)
        for (size_t i = 0; i < k; ++i) {
            phi[i][k] = Power(skladniki[k].Mmol / skladniki[i].Mmol, 0.5L);
            phi[k][i] = Power(phi[i][k], -1.0L);
        }
    return phi;
}

long double LepkoscMieszaninyGazow(const std::vector<SkladnikMieszaninyGazow>& skladniki)
{
    return ObliczSprawdzajac([&] {
        const auto phi = WspolczynnikiOddzialywania(skladniki);
        long double eta = 0.0L;
        for (size_t i = 0; i < skladniki.size(); ++i) {
            long double mianownik = 0.0L;
            for (size_t j = 0; j < skladniki.size(); ++j)
                mianownik += skladniki[j].y * phi[i][j];
            eta += skladniki[i].y * skladniki[i].eta / mianownik;
        }
        return NiezerowaWartosc(eta);
    });
}

ZakresTemperatur WspolnyZakresTemperatur(const std::vector<SkladnikMieszaninyGazow>& skladniki)
{
    ZakresTemperatur zakres;
    for (size_t i = 0; i < skladniki.size(); ++i) {
        if (i == 0 || skladniki[i].NigTmin > zakres.Tmin)
            zakres.Tmin = skladniki[i].NigTmin;
        if (i == 0 || skladniki[i].NigTmax < zakres.Tmax)
            zakres.Tmax = skladniki[i].NigTmax;
    }
    return zakres;
}

ParametryPseudokrytyczne ParametryPseudokrytyczneMieszaniny(const std::vector<SkladnikMieszaninyGazow>& skladniki)
{
    long double sumaTc = 0, sumaZc = 0, sumaVc = 0, sumaOmega = 0, sumaM = 0;
    for (const SkladnikMieszaninyGazow& s : skladniki) {
        sumaTc += s.y * s.Tc;
        sumaZc += s.y * s.Zc;
        sumaVc += s.y * s.Vc;
        sumaOmega += s.y * s.Omega;
        sumaM += s.y * s.Mmol;
    }
    ParametryPseudokrytyczne p;
    p.Tc = sumaTc;
    p.Pc = NiezerowaWartosc(ObliczSprawdzajac([&] { return sumaZc * 83.14L * sumaTc / sumaVc; }));
    p.Omega = SkonczonaWartosc(sumaOmega);
    p.M = SkonczonaWartosc(sumaM);
    return p;
}

long double WspolczynnikScisliwosci(long double Z0, long double Z1, long double omega)
{
    return ObliczSkonczone([&] { return omega * Z1 + Z0; });
}

long double GestoscMolowaGazu(long double Z, long double T, long double P)
{
    return NiezerowaWartosc(ObliczSprawdzajac([&] {
        const long double V = Z * 83.14L * T / P;
        return 1.0L / V;
    }));
}

bool SumaUdzialowRownaJeden(const std::vector<long double>& udzialy)
{
    long double suma = 0.0L;
    for (long double y : udzialy)
        suma += y;
    return std::fabs(suma - 1.0L) <= 1e-12L;
}
