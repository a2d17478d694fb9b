// The main window's creation on a generated database of 10 000 substances: reading the four
// lists from the file, sorting them and putting them into the search lists.
#include "Baza.h"
#include "Start.h"
#include "ZapisBazy.h"
#include "Zmienne.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void TworzenieOknaGlownego(benchmark::State& stan)
{
    QTemporaryDir katalog;
    std::vector<TRekordYaws> rekordy;
    for (int i = 1; i <= 10000; ++i) {
        TRekordYaws r = PustyRekordYaws();
        r.NazwaPL = "ZWIAZEK " + std::to_string((i * 7919) % 10007);
        r.NazwaANG = "COMPOUND " + std::to_string((i * 104729) % 10007);
        r.Wzor = "C" + std::to_string(i % 30) + "H" + std::to_string(i % 61);
        r.CAS = std::to_string(1000 + (i * 31) % 9000) + "-" + std::to_string(i % 100) + "-" + std::to_string(i % 10);
        rekordy.push_back(r);
    }
    QDir().mkpath(katalog.path() + "/DATA");
    ZapiszPlik(katalog.path() + "/DATA/YAWS.dat", rekordy);
    UstawSciezki(katalog.path());
    PlikYaws.Otworz(RozmiarRekorduYaws);
    for (auto _ : stan) {
        TBaza_Form okno;
        benchmark::DoNotOptimize(okno.cbZnajdzZwiazek->count());
    }
}
BENCHMARK(TworzenieOknaGlownego)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
