// Saving and opening a full calculation: 7 days x 4 meals x 29 foods of the
// delivered table.

#include "Levererat.h"
#include "core/Livsmedel.h"
#include "files/Sparadberakning.h"
#include "platform/SkriptadeDialoger.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace matvarda {
namespace {

struct TFullBerakning {
    TFullBerakning() {
        OppnaLivsmedelstabeller(mapp.Sokvag(), tabeller, t->Livsmedel);
        const auto& lista = t->Livsmedel.Livsmedelslista;
        size_t i = 0;
        for (auto& dag : t->Dagbok.Berakning)
            for (auto& maltid : dag)
                for (int k = 1; k < AntalPlatser; ++k, i += 7) {
                    const QString& kod = lista[i % lista.size()].Kod;
                    HamtaLivsmedel(tabeller.Fodtab100, kod);
                    FyllPlats(maltid[k], kod, tabeller.Fodtab100);
                    maltid[k].Gram = 10.5f + static_cast<float>(i % 300);
                }
    }
    QString Fil(const QString& namn) const { return QDir(mapp.Sokvag()).filePath(namn); }

    bench::TLevereradMapp mapp;
    TLivsmedelstabeller tabeller;
    Tabell normer{mapp.Sokvag(), QStringLiteral("normer")};
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    SkriptadeDialoger dialoger;
};

void SparaBerakning_Full(benchmark::State& state) {
    TFullBerakning full;
    for (auto _ : state) {
        const bool sparad = SkrivBerakning(*full.t, full.dialoger, full.Fil("vecka.dbok"), QStringLiteral("2024-03-01"));
        benchmark::DoNotOptimize(sparad);
    }
}
BENCHMARK(SparaBerakning_Full)->Unit(benchmark::kMillisecond);

void HamtaBerakning_Full(benchmark::State& state) {
    TFullBerakning full;
    SkrivBerakning(*full.t, full.dialoger, full.Fil("vecka.dbok"), QStringLiteral("2024-03-01"));
    for (auto _ : state) {
        NyBerakning(full.t->Dagbok, full.dialoger, {});
        const bool last = LasBerakning(*full.t, full.tabeller, full.normer, full.dialoger, full.Fil("vecka.dbok"));
        benchmark::DoNotOptimize(last);
    }
    if (!full.dialoger.Meddelanden.isEmpty()) state.SkipWithError("meddelande vid öppnandet");
}
BENCHMARK(HamtaBerakning_Full)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace matvarda
