// The food table window on the delivered table: created, shown and switched
// to name order, as a user opens it to look a food up by name; and its
// price list, read and laid out for the preview.

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
        TFormTab fonster(start, losenord, [] {}, [](const TRapportlayout&) {}, TOmgivning{dialoger, mapp.Sokvag(), [] {}},
                         nullptr);
        fonster.show();
        QCoreApplication::processEvents();
        fonster.SpeedButton2->click();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(fonster.DBISAMTableLivs->rowCount());
    }
}
BENCHMARK(Livsmedelstabell_Visa_FullTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void Prislista_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    SkriptadeDialoger dialoger;
    TStartlage start;
    start.Tabellmapp = mapp.Sokvag();
    const QString losenord = QStringLiteral("TAKPANN");
    int sidor = 0;
    TFormTab fonster(start, losenord, [] {}, [&sidor](const TRapportlayout& l) { sidor = l.Sidor.size(); },
                     TOmgivning{dialoger, mapp.Sokvag(), [] {}}, nullptr);
    for (auto _ : state) {
        fonster.Button2Click();
        benchmark::DoNotOptimize(sidor);
    }
}
BENCHMARK(Prislista_FullTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
