// The top list of one nutrient over the whole delivered food table, per
// portion, as a click in the top list window builds it.

#include "Levererat.h"
#include "analysis/Toppen.h"
#include "core/Livsmedel.h"

#include <benchmark/benchmark.h>

namespace matvarda {
namespace {

constexpr int ProteinNr = 19;

void Topplistan_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, katalog);
    TNaringskatalog naringar;
    naringar.Enhetsnamn[ProteinNr] = QStringLiteral("g");
    for (auto _ : state) {
        const QStringList rader = Topplistan(tabeller.Fodtab100, naringar, ProteinNr, false);
        benchmark::DoNotOptimize(rader.size());
    }
}
BENCHMARK(Topplistan_FullTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace matvarda
