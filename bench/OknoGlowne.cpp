// The main window's creation and first show on a generated database of 1 000, 10 000 and 100 000
// substances: reading the four lists from the file, sorting them, putting them into the search
// lists, laying the window out and handling what its showing posts. Two parts are counted apart:
// "Gotowe" from the call to show until the window has handled all of that and takes the user's
// input, "Rozwiniecie" the first drop-down of the Polish-name list.
#include "Baza.h"
#include "BazaWygenerowana.h"
#include "Uruchomienie.h"

#include <QComboBox>
#include <QCoreApplication>
#include <chrono>

namespace {

// Milliseconds the action takes with the events it posts.
template <class Dzialanie>
double Czas(Dzialanie&& dzialanie)
{
    const auto poczatek = std::chrono::steady_clock::now();
    dzialanie();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - poczatek).count();
}

void TworzenieIPokazanieOknaGlownego(benchmark::State& stan)
{
    BazaWygenerowana::OLiczbie(static_cast<int>(stan.range(0)));
    double gotowe = 0, rozwiniecie = 0;
    for (auto _ : stan) {
        TBaza_Form okno;
        gotowe += Czas([&] { okno.show(); });
        rozwiniecie += Czas([&] { okno.cbZnajdzZwiazek->showPopup(); });
        okno.cbZnajdzZwiazek->hidePopup();
    }
    stan.counters["Gotowe_ms"] = benchmark::Counter(gotowe, benchmark::Counter::kAvgIterations);
    stan.counters["Rozwiniecie_ms"] = benchmark::Counter(rozwiniecie, benchmark::Counter::kAvgIterations);
}
BENCHMARK(TworzenieIPokazanieOknaGlownego)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return UruchomBenchmarkiOkien(argc, argv);
}
