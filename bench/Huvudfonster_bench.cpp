#include "Levererat.h"
#include "calc/RaknaOm.h"
#include "core/Livsmedel.h"
#include "matvarda/Form1.h"
#include "matvarda/FormProgram.h"
#include "matvarda/Livsmedelsval.h"
#include "matvarda/Maltidsrader.h"
#include "platform/SkriptadeDialoger.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace matvarda;

namespace {

void RaknaOm_FullDiary(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    auto t = std::make_unique<TTillstand>();
    TLivsmedelstabeller tabeller;
    OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, t->Livsmedel);
    bench::FyllDagboken(*t, tabeller.Fodtab100);
    for (int n = 15; n <= 65; ++n) t->Urval.Valda[n] = true;
    for (auto _ : state) {
        RaknaOm(*t);
        benchmark::DoNotOptimize(t->Resultat.PeriodMedel[0]);
    }
}
BENCHMARK(RaknaOm_FullDiary)->Unit(benchmark::kMicrosecond);

void SokPaNamn_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, katalog);
    for (auto _ : state) {
        auto listor = SokPaNamn(katalog, QStringLiteral("ost"), false);
        benchmark::DoNotOptimize(listor.Namn.size());
    }
}
BENCHMARK(SokPaNamn_FullTable)->Unit(benchmark::kMicrosecond);

// One keystroke of the type-ahead: the third letter of a word.
void Typfilter_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, katalog);
    const TTypfilterindex index = ByggTypfilterindex(katalog);
    for (auto _ : state) {
        auto listor = Typfilter(index, QStringLiteral("ost"), false);
        benchmark::DoNotOptimize(listor.Namn.size());
    }
}
BENCHMARK(Typfilter_FullTable)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The same keystroke in the main window, with the food list refilled; one
// letter and two letters in turn, so every round changes the list.
void MainWindowTypeAhead_Keystroke(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    SkriptadeDialoger dialoger;
    TProgram program(mapp.Sokvag(), dialoger);
    SkapaFonstren(program);
    TForm1& form = *program.Form1;
    form.show();
    const QString texter[] = {QStringLiteral("o"), QStringLiteral("ost")};
    int i = 0;
    for (auto _ : state) {
        form.EditTypfilterChange(texter[i++ % 2]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(MainWindowTypeAhead_Keystroke)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Adding a food to a full diary and the complete refresh of the main window
// that follows, offscreen.
void MainWindowRefresh_AddFood(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    SkriptadeDialoger dialoger;
    TProgram program(mapp.Sokvag(), dialoger);
    SkapaFonstren(program);
    TForm1& form = *program.Form1;
    form.resize(837, 600);
    form.show();
    bench::FyllDagboken(*program.Tillstand, program.Tabeller.Fodtab100);
    program.RaknaOm();
    form.VisaUtokadGrupp(QString());
    form.ListBoxLivs->setCurrentRow(0);
    int slot = 1;
    for (auto _ : state) {
        form.LaggTillLivsmedel(slot, false);
        QCoreApplication::processEvents();
        slot = slot % SistaPlats + 1;
    }
    program.Tillstand->Dagbok.Andrad = false;
}
BENCHMARK(MainWindowRefresh_AddFood)->Unit(benchmark::kMillisecond);

// The whole start on the delivered data: every window created, the tables
// opened and the vegetables listed, up to the first shown window.
void Start_FullTable(benchmark::State& state) {
    bench::TLevereradMapp mapp;
    for (auto _ : state) {
        SkriptadeDialoger dialoger;
        TProgram program(mapp.Sokvag(), dialoger);
        SkapaFonstren(program);
        program.Form1->show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(Start_FullTable)->Unit(benchmark::kMillisecond);

}  // namespace
