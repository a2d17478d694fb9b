// The table window end to end, offscreen: a vapour-pressure table of 100 000 rows computed,
// turned into texts, put into the grid, its columns sized and the window painted once.
#include "KodyMetod.h"
#include "SiatkaTekstowa.h"
#include "Tabela.h"
#include "Uruchomienie.h"
#include "Zmienne.h"

#include <QLineEdit>
#include <QPixmap>

namespace {

// Water's vapour-pressure correlation, valid over the whole range the table walks.
void UstawWode()
{
    CzyscRekordYaws();
    TRekordYaws& r = RekordYaws;
    r.PvpA = 29.8605L, r.PvpB = -3152.2L, r.PvpC = -7.3037L, r.PvpD = 2.4247e-9L, r.PvpE = 1.809e-6L;
    r.PvpTmin = 273.16L, r.PvpTmax = 647.13L;
    KodGaz = '5';
    KodCiecz = BrakKoduKorelacji;
}

void TabelaStuTysiecyWierszy(benchmark::State& stan)
{
    UstawWode();
    for (auto _ : stan) {
        TTabela_Form okno;
        okno.Opisz({QStringLiteral("273.16"), QStringLiteral("647.13")});
        okno.show();
        okno.edtTminOd->setText(QStringLiteral("300"));
        okno.edtTmaxDo->setText(QStringLiteral("399.9995"));
        okno.edtKrok->setText(QStringLiteral("0.001"));
        okno.btnObliczClick();
        benchmark::DoNotOptimize(okno.grab());
        if (okno.sgTabela->LiczbaWierszy() != 100001)
            stan.SkipWithError("the table does not have 100 000 rows");
    }
}
BENCHMARK(TabelaStuTysiecyWierszy)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return UruchomBenchmarkiOkien(argc, argv);
}
