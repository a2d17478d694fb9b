// Start-up list fill at 1 000, 10 000 and 100 000 substances (the file opened anew each time),
// the searches of the main window at 100 000 (each walks a field of every record) and the look-up
// of the ten components of a gas mixture at 100 000.
#include "BazaWygenerowana.h"
#include "Wyszukiwanie.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int NajwiekszaBaza = 100000;

void ListyPrzyStarcie(benchmark::State& stan)
{
    BazaWygenerowana::OLiczbie(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        PlikYaws.Przypisz(PlikYaws.Sciezka()); // opened anew, as at start-up: nothing read yet
        benchmark::DoNotOptimize(ZbierzListySzukania());
    }
}
BENCHMARK(ListyPrzyStarcie)->Arg(1000)->Arg(10000)->Arg(NajwiekszaBaza)->Unit(benchmark::kMillisecond);

void Szukaj(benchmark::State& stan, PoleSzukania pole, QString (*tekst)())
{
    BazaWygenerowana::OLiczbie(NajwiekszaBaza);
    const QString szukany = tekst();
    for (auto _ : stan)
        benchmark::DoNotOptimize(SzukajZwiazku(pole, szukany));
}

QString NazwaSrodkowego() { return BazaWygenerowana::OLiczbie(NajwiekszaBaza).nazwaSrodkowego; }
QString CasSrodkowego() { return BazaWygenerowana::OLiczbie(NajwiekszaBaza).casSrodkowego; }

BENCHMARK_CAPTURE(Szukaj, NazwaDokladna, PoleSzukania::NazwaPL, NazwaSrodkowego)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CzescNazwy, PoleSzukania::NazwaPL, [] { return QStringLiteral("metanol"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CzescNazwyTysiaceKandydatow, PoleSzukania::NazwaPL, [] { return QStringLiteral("me"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, Wzor4Znaki24Przejscia, PoleSzukania::Wzor, [] { return QStringLiteral("ch4o"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, WzorDlugi, PoleSzukania::Wzor, [] { return QStringLiteral("C12H22O"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CAS, PoleSzukania::CAS, CasSrodkowego)->Unit(benchmark::kMillisecond);

// The Polish names of ten components looked up and their records read, as the gas-mixture window
// does when it computes.
void SkladnikiMieszaniny(benchmark::State& stan)
{
    const BazaWygenerowana& baza = BazaWygenerowana::OLiczbie(NajwiekszaBaza);
    ListaNazw(PoleSzukania::NazwaPL); // the names are sorted at start-up, before any window opens
    for (auto _ : stan)
        for (const QString& nazwa : baza.nazwySkladnikow)
            if (!SkladnikONazwie(PoleSzukania::NazwaPL, nazwa))
                stan.SkipWithError("a component was not found");
}
BENCHMARK(SkladnikiMieszaniny)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
