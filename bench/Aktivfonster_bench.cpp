#include "Levererat.h"
#include "calc/RaknaOm.h"
#include "need/Aktiviteter.h"
#include "need/Aktivitetskatalog.h"
#include "need/FormAktiv.h"
#include "platform/SkriptadeDialoger.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

using namespace matvarda;

namespace {

// All 39 rows used, from the delivered catalogue.
std::unique_ptr<TTillstand> FullAktivitetslista(const QString& mapp) {
    auto t = std::make_unique<TTillstand>();
    LasAktivitetskatalog(QDir(mapp).filePath(Aktivitetskatalogfil), t->Aktivitetskatalog);
    const auto valbara = Valbaraaktiviteter(t->Aktivitetskatalog);
    for (int r = 0; r < AntalAktivitetsrader; ++r) LaggTillAktivitet(t->Aktiviteter, valbara[r % valbara.size()]);
    return t;
}

void BeraknaAktiviteter_FullList(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    auto t = FullAktivitetslista(mapp.Sokvag());
    Tabell normer(mapp.Sokvag(), QStringLiteral("normer"));
    for (auto _ : state) {
        BeraknaAktiviteter(*t, normer);
        benchmark::DoNotOptimize(t->Behov.Dagsbehov[0]);
    }
}
BENCHMARK(BeraknaAktiviteter_FullList)->Unit(benchmark::kMicrosecond);

// A step of the minutes in the shown window: the computation, the
// recalculation and the refresh of both presentations and the chart.
void ActivityWindow_StepMinutes(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    auto t = FullAktivitetslista(mapp.Sokvag());
    SkriptadeDialoger dialoger;
    TFormAktiv form(*t, dialoger, mapp.Sokvag(), [&] { RaknaOm(*t); }, [](const QStringList&) {}, [] {}, nullptr);
    form.show();
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        form.MinutKnappar[i++ % 2 ? 3 : 0]->click();  // +5, then -5
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ActivityWindow_StepMinutes)->Unit(benchmark::kMillisecond);

}  // namespace
