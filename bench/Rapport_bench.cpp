// The report of a full week: every slot of every meal filled, all 51
// nutrients chosen, bars and energy lines, every food in detail.

#include "Levererat.h"
#include "calc/RaknaOm.h"
#include "core/Livsmedel.h"
#include "print/Rapport.h"
#include "print/Rapportfil.h"
#include "print/Rapportlayout.h"
#include "print/Rapportritning.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace matvarda;

namespace {

class THelVecka {
public:
    THelVecka() {
        LasNaringsnamn(QDir(mapp_.Sokvag()).filePath(QStringLiteral("nvnamn.txt")), t->Katalog);
        OppnaLivsmedelstabeller(mapp_.Sokvag(), tabeller_, t->Livsmedel);
        bench::FyllDagboken(*t, tabeller_.Fodtab100);
        for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) t->Urval.Valda[n] = true;
        t->Behov.Normtext = QStringLiteral("Kvinnor 31-60 år");
        RaknaOm(*t);
        val.Omfattning = 2;
        layoutval.Cirkeldiagram = true;
        layoutval.Datum = QStringLiteral("2024-03-18");
    }

    TRapport Komponera() const { return KomponeraRapport(*t, val, 0, 0); }

    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    TUtskriftsval val;
    TLayoutval layoutval;

private:
    bench::TLevereradMapp mapp_;
    TLivsmedelstabeller tabeller_;
};

void KomponeraRapport_FullWeek(benchmark::State& state) {
    const THelVecka vecka;
    for (auto _ : state) {
        const TRapport rapport = vecka.Komponera();
        benchmark::DoNotOptimize(rapport.Nastarad());
    }
    state.counters["rader"] = vecka.Komponera().Nastarad();
}
BENCHMARK(KomponeraRapport_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void RapportPdf_FullWeek(benchmark::State& state) {
    const THelVecka vecka;
    QTemporaryDir mapp;
    const QString fil = mapp.filePath(QStringLiteral("vecka.pdf"));
    int sidor = 0;
    for (auto _ : state) {
        const TRapportlayout layout = LayoutaRapport(vecka.Komponera(), vecka.layoutval);
        if (!SkrivRapportPdf(layout, fil)) state.SkipWithError("PDF-filen kunde inte skrivas");
        sidor = static_cast<int>(layout.Sidor.size());
    }
    state.counters["sidor"] = sidor;
}
BENCHMARK(RapportPdf_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// A document of the full week with its pies, composed and written.
void RapportDokument(benchmark::State& state, Rapportfiltyp typ) {
    const THelVecka vecka;
    QTemporaryDir mapp;
    const QString fil = mapp.filePath(QStringLiteral("vecka.") + Filtypsinfo(typ).Andelse);
    for (auto _ : state)
        if (!SkrivRapportfil(typ, vecka.Komponera(), vecka.layoutval, fil)) state.SkipWithError("filen kunde inte skrivas");
}

void RapportRtf_FullWeek(benchmark::State& state) { RapportDokument(state, Rapportfiltyp::Rtf); }
BENCHMARK(RapportRtf_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void RapportExcel_FullWeek(benchmark::State& state) { RapportDokument(state, Rapportfiltyp::Excel); }
BENCHMARK(RapportExcel_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void RapportHtml_FullWeek(benchmark::State& state) { RapportDokument(state, Rapportfiltyp::Html); }
BENCHMARK(RapportHtml_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// What the preview needs before it shows anything: the first page, at 100 %.
void ForhandsvisningForstaSida_FullWeek(benchmark::State& state) {
    const THelVecka vecka;
    for (auto _ : state) {
        const TRapportlayout layout = LayoutaRapport(vecka.Komponera(), vecka.layoutval);
        const QImage bild = Sidbild(layout.Sidor.first(), 1);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(ForhandsvisningForstaSida_FullWeek)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
