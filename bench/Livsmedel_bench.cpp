// Opening the delivered food tables and building the food list, as the main
// window does at every start.

#include "core/Livsmedel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace matvarda {
namespace {

void OppnaLivsmedelstabeller_FullTable(benchmark::State& state) {
    // A copy, so that nothing in the delivered folder changes.
    QTemporaryDir mapp;
    for (const char* fil : {"fodtab100.db", "fodtab2005.db"})
        QFile::copy(QDir(QStringLiteral(MATVARDA_LEVERERAD_DATA)).filePath(fil), mapp.filePath(fil));
    for (auto _ : state) {
        TLivsmedelstabeller tabeller;
        TLivsmedelskatalog katalog;
        OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
        benchmark::DoNotOptimize(katalog.AntalLivsmedel);
    }
}
BENCHMARK(OppnaLivsmedelstabeller_FullTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace matvarda
