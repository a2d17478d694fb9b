// The main window's creation and first show on a generated database of 1 000, 10 000 and 100 000
// substances: reading the four lists from the file, sorting them, putting them into the search
// lists, laying the window out and handling what its showing posts. "Gotowe" is the part from the
// call to show until the window has handled all of that and would take the user's input.
#include "Baza.h"
#include "BazaWygenerowana.h"
#include "Uruchomienie.h"

#include <QComboBox>
#include <QCoreApplication>
#include <chrono>

namespace {

void TworzenieIPokazanieOknaGlownego(benchmark::State& stan)
{
    BazaWygenerowana::OLiczbie(static_cast<int>(stan.range(0)));
    double gotowe = 0;
    for (auto _ : stan) {
        TBaza_Form okno;
        const auto pokazane = std::chrono::steady_clock::now();
        okno.show();
        QCoreApplication::processEvents();
        gotowe += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pokazane).count();
        benchmark::DoNotOptimize(okno.cbZnajdzZwiazek->count());
    }
    stan.counters["Gotowe_ms"] = benchmark::Counter(gotowe, benchmark::Counter::kAvgIterations);
}
BENCHMARK(TworzenieIPokazanieOknaGlownego)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return UruchomBenchmarkiOkien(argc, argv);
}
