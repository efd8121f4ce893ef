// The food table window on the delivered table: created, shown and switched
// to name order, as a user opens it to look a food up by name.

#include "Levererat.h"
#include "admin/FormTab.h"
#include "platform/SkriptadeDialoger.h"

#include <QCoreApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace matvarda;

namespace {

void Livsmedelstabell_Visa_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    SkriptadeDialoger dialoger;
    TStartlage start;
    start.Tabellmapp = mapp.Sokvag();
    const QString losenord = QStringLiteral("TAKPANN");
    for (auto _ : state) {
        TFormTab fonster(start, losenord, [] {}, TOmgivning{dialoger, mapp.Sokvag(), [] {}}, nullptr);
        fonster.show();
        QCoreApplication::processEvents();
        fonster.SpeedButton2->click();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(fonster.DBISAMTableLivs->rowCount());
    }
}
BENCHMARK(Livsmedelstabell_Visa_FullTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
