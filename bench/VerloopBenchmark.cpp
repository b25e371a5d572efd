// Performance of the tab Verloop: from a range the user changes to the chart
// drawn again, for 10.000 points (0 to 9.999 in steps of 1), for 0 to 3.300 in
// steps of 1 and for the 200 points a calculation opens with. The goal: 100 ms
// for 10.000 points. The tab runs on Qt's offscreen platform in a window of
// the program's size, with the regular levy data of a new monthly calculation
// of 3.000 made once from the built databases beside the program (or in
// VKT2020_DATA).

#include "Qtbenchmarks.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"
#include "ui/TabVerloop.h"
#include "widgets/NumeriekVeld.h"

#include <QApplication>
#include <QChartView>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

using namespace vkt;

namespace {

struct Omgeving {
    Omgeving() : constanten(DataFolder()), werknemers(DataFolder())
    {
        invoer.BerekeningDatum = EncodeDate(2020, 3, 15);
        invoer.Geboortedatum = EncodeDate(1980, 1, 1);
        invoer.Loonbedrag = 3000;
        constanten.Berekeningsdatum = invoer.BerekeningDatum;
        constanten.Openen();
        constanten.LaadConstanten();
        constanten.Sluiten();
        TBewaardeMeldingen meldingen;
        if (!werknemers.Openen(meldingen))
            throw std::runtime_error("Vkt2020.db kan niet worden geopend");
        werknemers.OpenWerknemersQuery();
        vast = LaadNieuweHeffingsgegevens(werknemers, constanten, invoer);
        if (!berekening.Run(vast.get(), invoer, constanten, meldingen))
            throw std::runtime_error("de berekening kan niet worden gemaakt");
        tab.resize(1100, 640);
        tab.show();
        tab.Toon(berekening, *vast, constanten);
        QApplication::processEvents();
    }

    TdmConstanten constanten;
    TdmVektaris werknemers;
    TBerekeningInvoer invoer;
    std::unique_ptr<TVasteHeffingsgegevens> vast;
    TBerekening berekening;
    ui::TtsVerloop tab;
};

std::unique_ptr<Omgeving> omgeving;

Omgeving& DeOmgeving()
{
    if (!omgeving)
        omgeving = std::make_unique<Omgeving>();
    return *omgeving;
}

// The range set in the fields and the last one left, as the user does it;
// then the chart laid out and painted.
void ZetBereik(ui::TtsVerloop& tab, double van, double tot, double stap)
{
    tab.edVan->SetValue(van);
    tab.edTot->SetValue(tot);
    tab.edStap->SetValue(stap);
    emit tab.edStap->Exit();
    QApplication::processEvents();
    tab.grVerloop->viewport()->repaint();
}

// Each iteration changes van by a cent, so every range is new; the range of
// the standard curve comes in between, untimed.
void BM_BereikTotGrafiek(benchmark::State& state)
{
    ui::TtsVerloop& tab = DeOmgeving().tab;
    const double tot = static_cast<double>(state.range(0)) / 100;
    const double stap = static_cast<double>(state.range(1)) / 100;
    double van = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ZetBereik(tab, 0, 6000, 30);
        van = van == 0 ? 0.01 : 0;
        state.ResumeTiming();
        ZetBereik(tab, van, tot, stap);
    }
    state.counters["punten"] = static_cast<double>(tab.Verloop().Regels.size());
}

} // namespace

BENCHMARK(BM_BereikTotGrafiek)
    ->Args({9999'00, 1'00})
    ->Args({3300'00, 1'00})
    ->Args({6000'00, 30'00})
    ->ArgNames({"tot_cent", "stap_cent"})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return DraaiQtBenchmarks(argc, argv, [] { omgeving.reset(); });
}
