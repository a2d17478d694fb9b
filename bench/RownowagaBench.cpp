// Time of one isobar of 101 points (bisection to Eps = 1e-5 K) and one isotherm of 101 points,
// ethanol-water as the sample database stores it.
#include "RownowagaCieczPara.h"
#include "Zmienne.h"

#include <benchmark/benchmark.h>

namespace {

constexpr long double A1 = 7.86126429675L, B1 = 1449.37097446L, C1 = 212.744L;
constexpr long double A2 = 8.03802215089L, B2 = 1731.66238769L, C2 = 235.989L;
constexpr long double W12 = 0.1812093802L, W21 = 0.8601983634L;

void Izobara101Punktow(benchmark::State& stan)
{
    for (auto _ : stan) {
        benchmark::DoNotOptimize(ObliczIzobare(760.0L, A1, A2, B1, B2, C1, C2, 340.0L, 380.0L, 1e-5L, W12, W21));
        benchmark::DoNotOptimize(WynikT[101]);
    }
}

void Izoterma101Punktow(benchmark::State& stan)
{
    for (auto _ : stan) {
        ObliczIzoterme(70.0L, A1, A2, B1, B2, C1, C2, W12, W21, 0.01L);
        benchmark::DoNotOptimize(WynikP[101]);
    }
}

} // namespace

BENCHMARK(Izobara101Punktow)->Unit(benchmark::kMicrosecond);
BENCHMARK(Izoterma101Punktow)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
