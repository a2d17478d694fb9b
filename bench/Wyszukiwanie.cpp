// Start-up list fill and the searches of the main window on a generated database of 10 000
// substances (each search walks the whole memory-mapped file, as the program does).
#include "Cp1250.h"
#include "Start.h"
#include "Wyszukiwanie.h"
#include "ZapisBazy.h"
#include "Zmienne.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int LiczbaSubstancji = 10000;

// Names built from syllables with Polish letters, so sorting meets real, varied texts.
std::string LosowaNazwa(std::mt19937& los)
{
    static const char* sylaby[] = {"ME", "TA", "NOL", "ETY", "LO", "WY", "ŁO", "CHLO", "RO", "BEN",
                                   "ZEN", "KWAS", "OC", "TO", "WĘ", "GLA", "ŻE", "LA", "ZO", "ŚĆ"};
    std::uniform_int_distribution<int> ile(2, 6), ktora(0, std::size(sylaby) - 1);
    QString nazwa;
    for (int i = ile(los); i > 0; --i)
        nazwa += QString::fromUtf8(sylaby[ktora(los)]);
    return UnicodeToCp1250(nazwa);
}

class BazaWygenerowana {
public:
    BazaWygenerowana()
    {
        std::mt19937 los(2008);
        std::uniform_int_distribution<int> liczba(1, 30);
        std::vector<TRekordYaws> rekordy;
        for (int i = 1; i <= LiczbaSubstancji; ++i) {
            TRekordYaws r = PustyRekordYaws();
            r.NazwaPL = LosowaNazwa(los) + " " + std::to_string(i);
            r.NazwaANG = LosowaNazwa(los);
            r.Wzor = "C" + std::to_string(liczba(los)) + "H" + std::to_string(liczba(los)) + "O";
            r.CAS = std::to_string(100 + i) + "-" + std::to_string(i % 97) + "-" + std::to_string(i % 10);
            rekordy.push_back(r);
        }
        rekordy[7000].Wzor = "CH4O";
        QDir().mkpath(katalog_.path() + "/DATA");
        ZapiszPlik(katalog_.path() + "/DATA/YAWS.dat", rekordy);
        UstawSciezki(katalog_.path());
        PlikYaws.Otworz(RozmiarRekorduYaws);
        nazwa7000_ = Cp1250ToUnicode(rekordy[7000].NazwaPL);
        cas7000_ = Cp1250ToUnicode(rekordy[7000].CAS);
    }
    QString nazwa7000_, cas7000_;

private:
    QTemporaryDir katalog_;
};

BazaWygenerowana& Baza()
{
    static BazaWygenerowana baza;
    return baza;
}

void ListyPrzyStarcie(benchmark::State& stan)
{
    Baza();
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZbierzListySzukania());
}
BENCHMARK(ListyPrzyStarcie)->Unit(benchmark::kMillisecond);

void Szukaj(benchmark::State& stan, PoleSzukania pole, QString (*tekst)())
{
    Baza();
    const QString szukany = tekst();
    for (auto _ : stan)
        benchmark::DoNotOptimize(SzukajZwiazku(pole, szukany));
}

BENCHMARK_CAPTURE(Szukaj, NazwaDokladna, PoleSzukania::NazwaPL, [] { return Baza().nazwa7000_; })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CzescNazwy, PoleSzukania::NazwaPL, [] { return QStringLiteral("metanol"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CzescNazwyTysiaceKandydatow, PoleSzukania::NazwaPL, [] { return QStringLiteral("me"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, Wzor4Znaki24Przejscia, PoleSzukania::Wzor, [] { return QStringLiteral("ch4o"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, WzorDlugi, PoleSzukania::Wzor, [] { return QStringLiteral("C12H22O"); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Szukaj, CAS, PoleSzukania::CAS, [] { return Baza().cas7000_; })
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
