// The analyses over the delivered data: the top list of one nutrient over
// the whole food table, as a click in the top list window builds it, and the
// nutrient sources of a full diary, as every recalculation refills them.

#include "Levererat.h"
#include "analysis/FormGramTotal.h"
#include "analysis/Toppen.h"
#include "calc/RaknaOm.h"
#include "core/Livsmedel.h"
#include "platform/QtDiagram.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

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

// Every slot of the seven days holds a food, 812 names in all; the window is
// shown with the sum of all days by weight, its largest case.
void VisaNaringskallor_FullDiary(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    auto t = std::make_unique<TTillstand>();
    TLivsmedelstabeller tabeller;
    OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, t->Livsmedel);
    const auto& lista = t->Livsmedel.Livsmedelslista;
    int i = 0;
    for (auto& dag : t->Dagbok.Berakning)
        for (auto& maltid : dag)
            for (int k = 1; k < AntalPlatser; ++k, i += 3) {
                TMaltidsrad& rad = maltid[k];
                rad.Kod = lista[i % lista.size()].Kod;
                rad.Livsmedel = lista[i % lista.size()].Livsmedel;
                rad.Gram = 10.0f + i % 300;
                rad.Naring[EnergiKj] = 400;
            }
    RaknaOm(*t);
    TFormGramTotal kallor(*t, nullptr);
    kallor.resize(760, 520);
    kallor.show();
    kallor.RadioAllaDagar->setChecked(true);
    for (auto _ : state) {
        kallor.VisaNaringskallor();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(kallor.ChartKallor->Serie(0).size());
    }
}
BENCHMARK(VisaNaringskallor_FullDiary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace matvarda
