// The main window's creation on a generated database of 1 000, 10 000 and 100 000 substances:
// reading the four lists from the file, sorting them and putting them into the search lists.
#include "Baza.h"
#include "BazaWygenerowana.h"
#include "Uruchomienie.h"

#include <QComboBox>

namespace {

void TworzenieOknaGlownego(benchmark::State& stan)
{
    BazaWygenerowana::OLiczbie(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        TBaza_Form okno;
        benchmark::DoNotOptimize(okno.cbZnajdzZwiazek->count());
    }
}
BENCHMARK(TworzenieOknaGlownego)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return UruchomBenchmarkiOkien(argc, argv);
}
