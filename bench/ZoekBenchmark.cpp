// Performance of a calculation run that searches the gross wage of a monthly
// net wage, as "vkt2020-cli bereken --soort-loonbedrag nettoloon" does it, and
// of the wage curve of a monthly calculation (1.000 gross wages).
//
// The regular levy data of a new calculation is made once from the built
// databases beside the program (or in VKT2020_DATA); every iteration runs the
// calculation from it. For comparison: the same run for a gross wage (one
// computation) and the copy of the levy data alone.

#include "calc/Berekening.h"
#include "calc/Loonverloop.h"
#include "calc/OpenenBerekening.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

using namespace vkt;

namespace {

// Both databases opened once for all benchmarks, with the regular levy data
// of a new monthly calculation.
struct Omgeving {
    Omgeving() : constanten(DataFolder()), werknemers(DataFolder())
    {
        invoer.BerekeningDatum = EncodeDate(2020, 3, 15);
        invoer.Geboortedatum = EncodeDate(1980, 1, 1);
        constanten.Berekeningsdatum = invoer.BerekeningDatum;
        constanten.Openen();
        constanten.LaadConstanten();
        constanten.Sluiten();
        TBewaardeMeldingen meldingen;
        if (!werknemers.Openen(meldingen))
            throw std::runtime_error("Vkt2020.db kan niet worden geopend");
        werknemers.OpenWerknemersQuery();
        vast = LaadNieuweHeffingsgegevens(werknemers, constanten, invoer);
    }

    TdmConstanten constanten;
    TdmVektaris werknemers;
    TBerekeningInvoer invoer;
    std::unique_ptr<TVasteHeffingsgegevens> vast;
};

Omgeving& DeOmgeving()
{
    static Omgeving omgeving;
    return omgeving;
}

void Run(benchmark::State& state, int soortLoonbedrag)
{
    Omgeving& omgeving = DeOmgeving();
    TBerekeningInvoer invoer = omgeving.invoer;
    invoer.SoortLoonbedrag = soortLoonbedrag;
    invoer.Loonbedrag = static_cast<double>(state.range(0));
    TBerekening berekening;
    TBewaardeMeldingen meldingen;
    for (auto _ : state) {
        berekening.Run(omgeving.vast.get(), invoer, omgeving.constanten, meldingen);
        benchmark::DoNotOptimize(berekening.Heffingsgegevens()->Kolommen().Kolom(19).Totaal);
    }
    state.counters["berekeningen"] = berekening.AantalBerekeningen();
    state.counters["brutoloon"] = berekening.Heffingsgegevens()->Kolommen().GetBrutoloon();
}

void BM_ZoekBrutoloonBijNettoloon(benchmark::State& state) { Run(state, slNettoloon); }
void BM_BerekenBrutoloon(benchmark::State& state) { Run(state, slBrutoloon); }

// The copy each batch row makes before its run.
void BM_KopieerHeffingsgegevens(benchmark::State& state)
{
    Omgeving& omgeving = DeOmgeving();
    for (auto _ : state) {
        auto kopie = std::make_unique<TVasteHeffingsgegevens>();
        kopie->Assign(*omgeving.vast);
        kopie->SetConstanten(omgeving.vast->Constanten);
        TBerekening::VulHeffingsgegevens(*kopie, omgeving.invoer);
        SetWAOPremieRegel(*kopie);
        benchmark::DoNotOptimize(kopie.get());
    }
}

// The curve "vkt2020-cli verloop" and the window draw: 1.000 points from 0 to
// 9.990 (the goal: 5 ms), with the calculation object built once per curve.
void BM_Loonverloop(benchmark::State& state)
{
    Omgeving& omgeving = DeOmgeving();
    TBerekeningInvoer invoer = omgeving.invoer;
    invoer.Loonbedrag = 3000;
    const TVerloopBereik bereik{0, 9990, 10};
    std::size_t punten = 0;
    for (auto _ : state) {
        TPuntRekenaar rekenaar(*omgeving.vast, invoer, omgeving.constanten);
        const std::vector<TVerloopRegel> regels = BerekenLoonverloop(rekenaar, bereik);
        punten = regels.size();
        benchmark::DoNotOptimize(regels.back().Punt.Nettoloon);
    }
    state.counters["punten"] = static_cast<double>(punten);
}

} // namespace

// 2000 is the monthly search the goal is about; the others show how the
// number of computations grows with the wage.
BENCHMARK(BM_ZoekBrutoloonBijNettoloon)
    ->Arg(2000)
    ->Arg(800)
    ->Arg(3000)
    ->Arg(4000)
    ->Arg(5000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BerekenBrutoloon)->Arg(3000)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KopieerHeffingsgegevens)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Loonverloop)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
