// Performance of one gross-to-net calculation and of one formula evaluation.
//
// The calculation has the default lines of a new calculation, made from the
// system wage components of a copy of the built employee database, for a
// monthly gross wage of 3000; the constants are loaded once, outside the
// timed loops.

#include "common/DateTime.h"
#include "db/Query.h"
#include "model/Formule.h"
#include "model/Heffingsgegevens.h"
#include "model/Symbolen.h"
#include "support/Constanten.h"
#include "support/Werknemersdatabase.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace vkt;

namespace {

const char* const Formule = "[Brutoloon]-[Pensioenpremie]|1000";

std::unique_ptr<TVasteHeffingsgegevens> MaandMetStandaardRegels()
{
    auto heffing = std::make_unique<TVasteHeffingsgegevens>();
    heffing->SetConstanten(&test::Constanten());
    heffing->SetBerekeningsDatum(EncodeDate(2020, 3, 1));
    heffing->Geboortedatum = EncodeDate(1980, 1, 1);
    heffing->CodeLoonheffingskorting = true;
    heffing->VerzekerdWW = true;
    heffing->VerzekerdWAO = true;
    heffing->VerzekerdZfw = true;
    heffing->Vastloon = 3000;
    heffing->PremieWAOVast = 6.77;
    heffing->ZetStandaardwaarden();

    // The employer of a copy of the employee database gets the 2020 Zvw
    // percentages and a pension premium.
    test::Werknemersdatabase kopie;
    kopie.Verbinding().Execute("UPDATE Werkgever SET PremieZfwWG = 6.7, PremieZfwWN = 5.45, PensioenpremieWN = 4.5");
    db::Query componenten(kopie.Verbinding(), "SELECT * FROM Looncomponenten WHERE Werkgeversnummer = 1 AND "
                                            "SystemLC = TRUE ORDER BY KolomnummerLC, LooncomponentnummerLC");
    db::Query werkgever(kopie.Verbinding(), "SELECT * FROM Werkgever");
    componenten.Open();
    werkgever.Open();
    heffing->MaakStandaardRegels(componenten, werkgever);
    return heffing;
}

void BerekenMaand(benchmark::State& state, bool metFormules)
{
    auto heffing = MaandMetStandaardRegels();
    if (metFormules) {
        heffing->FormulePensioen = Formule;
        heffing->FormuleWW = Formule;
        heffing->FormuleZfw = Formule;
    }
    heffing->Bereken();
    for (auto _ : state) {
        heffing->Bereken();
        benchmark::DoNotOptimize(heffing->Kolommen().Kolom(19).Totaal);
    }
    state.counters["nettoloon"] = heffing->Kolommen().Kolom(19).Totaal;
}

void BM_BerekenMaand(benchmark::State& state) { BerekenMaand(state, false); }
void BM_BerekenMaandMetDrieFormules(benchmark::State& state) { BerekenMaand(state, true); }

void BM_Formule(benchmark::State& state)
{
    auto heffing = MaandMetStandaardRegels();
    heffing->Bereken();
    RegistreerKolommen(&heffing->Kolommen());
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculateExpression(Formule, SymbolenTabel(), true));
    RegistreerKolommen(nullptr);
}

} // namespace

BENCHMARK(BM_BerekenMaand);
BENCHMARK(BM_BerekenMaandMetDrieFormules);
BENCHMARK(BM_Formule);
