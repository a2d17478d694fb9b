// Time per call of every temperature correlation and estimation formula, benzene-like inputs,
// and of the power function and e^x they are built on.
#include "KorelacjeTemperaturowe.h"
#include "MathError.h"
#include "Power.h"
#include "Uruchomienie.h"
#include "WzoryEstymacyjne.h"
#include "Zmienne.h"


namespace {

// Read through a volatile so the compiler cannot fold the arguments.
volatile long double Temperatura = 350.0L;

long double T()
{
    return Temperatura;
}

void UstawBenzen()
{
    CzyscRekordYaws();
    TRekordYaws& r = RekordYaws;
    r.Mmol = 78.114L, r.Tb = 353.24L, r.Tc = 562.05L, r.Pc = 48.95L, r.Vc = 256.0L;
    r.Omega = 0.21L, r.DipM = 0.0L;
    r.NigA = 0.2242L, r.NigB = 0.2553L, r.NigC = -7.059e-6L;
    r.NicA = -2.516L, r.NicB = 560.5L, r.NicC = 0.002342L, r.NicD = -3.185e-6L;
    r.LagA = -0.00755L, r.LagB = 4.281e-5L, r.LagC = 6.094e-8L;
    r.LacA = 0.2920L, r.LacB = -0.0006347L, r.LacC = 4.685e-7L;
    r.DapA = -0.0185L, r.DapB = 7.5e-5L, r.DapC = 1.6e-7L;
    r.DawA = -4.0L, r.DawB = -295.5L;
    r.CpgA = -33.32L, r.CpgB = 0.4714L, r.CpgC = -2.860e-4L, r.CpgD = 5.191e-8L, r.CpgE = 7.467e-12L;
    r.CpcA = -109.0L, r.CpcB = 1.839L, r.CpcC = -0.004863L, r.CpcD = 4.896e-6L;
    r.PvpA = 36.25L, r.PvpB = -2915.4L, r.PvpC = -10.022L, r.PvpD = 0.0L, r.PvpE = 3.341e-6L;
    r.SinA = 72.90L, r.SinTc = 566.94L, r.SinN = 1.2744L;
    r.RocA = 0.2963L, r.RocB = 0.26348L, r.RocN = 0.27856L;
    r.DelHfA = 101.6L, r.DelHfB = -0.0853L, r.DelHfC = 3.56e-5L;
    r.DelGfA = 100.3L, r.DelGfB = 0.1467L, r.DelGfC = 1.2e-6L;
    r.DelHvA = 45.27L, r.DelHvN = 0.3886L;
}

template <class Wzor>
void Pomiar(benchmark::State& stan, Wzor wzor)
{
    for (auto _ : stan)
        benchmark::DoNotOptimize(wzor());
}

} // namespace

// The floating-point flag check every function pays for, around a bare read of T.
BENCHMARK_CAPTURE(Pomiar, SamoSprawdzanieFlag, [] { return ObliczSprawdzajac([] { return T(); }); });

// A fractional power of a reduced temperature, a power of 10 and e^x, as the formulas take them.
BENCHMARK_CAPTURE(Pomiar, Power, [] { return Power(1.0L - T() / 562.05L, 0.38L); });
BENCHMARK_CAPTURE(Pomiar, PowerPodstawa10, [] { return Power(10.0L, T() / 100.0L); });
BENCHMARK_CAPTURE(Pomiar, Exp, [] { return Exp(T() / 100.0L); });

#define KORELACJA(f) BENCHMARK_CAPTURE(Pomiar, f, [] { return f(T()); })
KORELACJA(ObliczCpGazu);
KORELACJA(ObliczDelHf);
KORELACJA(ObliczDelGf);
KORELACJA(ObliczDelHv);
KORELACJA(ObliczLambdaGazu);
KORELACJA(ObliczLepkoscGazu);
KORELACJA(ObliczPreznoscPary);
KORELACJA(ObliczDyfuzjeWPowietrzu);
KORELACJA(ObliczLepkoscCieczy);
KORELACJA(ObliczNapieciePowierzchniowe);
KORELACJA(ObliczCpCieczy);
KORELACJA(ObliczGestoscCieczy);
KORELACJA(ObliczLambdaCieczy);
KORELACJA(ObliczDyfuzjeWWodzie);

BENCHMARK_CAPTURE(Pomiar, NapiecieBrockaBirda, [] { return NapiecieBrockaBirda(T()); });
BENCHMARK_CAPTURE(Pomiar, LambdaSatoRiedela, [] { return LambdaSatoRiedela(T()); });
BENCHMARK_CAPTURE(Pomiar, DelHvPitzera, [] { return DelHvPitzera(T()); });
BENCHMARK_CAPTURE(Pomiar, LepkoscChunga, [] { return LepkoscChunga(T()); });
BENCHMARK_CAPTURE(Pomiar, LepkoscChungaPolarna, [] { return LepkoscChungaPolarna(T(), 1.0L); });
BENCHMARK_CAPTURE(Pomiar, LepkoscChungaGestyGaz,
                  [] { return LepkoscChungaGestyGaz(T(), 100.0L, 0.005L); });
BENCHMARK_CAPTURE(Pomiar, LepkoscLucasa,
                  [] { return LepkoscLucasa(300.0L, T(), 0.0L, 500.0L, 6.8e-4L); });
BENCHMARK_CAPTURE(Pomiar, GestoscYamadyGunna,
                  [] { return GestoscYamadyGunna(T(), 0.256L, 0.21L, 562.05L, 78.114L); });
BENCHMARK_CAPTURE(Pomiar, GestoscRackettaOdniesienie, [] {
    return GestoscRackettaOdniesienie(T(), 298.15L, 0.08941L, 0.21L, 562.05L, 78.114L);
});
BENCHMARK_CAPTURE(Pomiar, ObjetoscRackettaOdniesienie, [] {
    return ObjetoscRackettaOdniesienie(T(), 298.15L, 0.08941L, 0.21L, 562.05L, 78.114L);
});
BENCHMARK_CAPTURE(Pomiar, GestoscCostald,
                  [] { return GestoscCostald(T(), 0.2564L, 0.2137L, 562.05L, 78.114L); });
BENCHMARK_CAPTURE(Pomiar, GestoscChangaZhao, [] {
    return GestoscChangaZhao(T(), 500.0L, 0.0894L, 0.21L, 0.127L, 78.114L, 48.95L, 562.05L);
});
BENCHMARK_CAPTURE(Pomiar, GestoscRacketta,
                  [] { return GestoscRacketta(0.2698L, T(), 48.95e5L, 562.05L, 78.114L); });
BENCHMARK_CAPTURE(Pomiar, KijChuehaPrausnitza,
                  [] { return KijChuehaPrausnitza(T() / 1000.0L, 0.316L); });
BENCHMARK_CAPTURE(Pomiar, TcijMieszaniny, [] { return TcijMieszaniny(T(), 591.75L, 0.0018L); });
BENCHMARK_CAPTURE(Pomiar, GestoscMieszaninyRacketta, [] {
    return GestoscMieszaninyRacketta(T(), 0.4L, 0.2698L, 0.2644L, 562.05L, 591.75L, 48.95e5L,
                                     41.08e5L, 0.256L, 0.316L, 78.114L, 92.141L);
});

int main(int argc, char** argv)
{
    UstawBenzen();
    return UruchomBenchmarki(argc, argv);
}
