#include "model/Symbolen.h"

#include "model/Kolommen.h"

namespace vkt {
namespace {

// The column set the symbols read; set only for the length of one evaluation,
// and for each thread its own, so that calculations on several threads each
// read theirs.
thread_local const TKolommen* geregistreerdeKolommen = nullptr;

constexpr double kGeenKolommen = -999999;

TSymbol Symbool(const char* naam, double (*waarde)(const TKolommen&))
{
    return TSymbol{naam, [waarde] {
                       return geregistreerdeKolommen != nullptr ? waarde(*geregistreerdeKolommen) : kGeenKolommen;
                   }};
}

double Nettoloon(const TKolommen& k)
{
    const double percentage = k.VastPercentageLoonheffing();
    if (percentage == 0)
        return k.GetKolomTotaal(19);
    // With a fixed wage-tax percentage the net wage is the one that percentage leaves.
    return k.GetKolomTotaal(19) + k.GetKolomTotaal(15) - (k.GetKolomTotaal(14) - k.Aftrek()) * percentage / 100;
}

} // namespace

void RegistreerKolommen(const TKolommen* kolommen) { geregistreerdeKolommen = kolommen; }

const std::vector<TSymbol>& SymbolenTabel()
{
    static const std::vector<TSymbol> kSymbolen = {
        Symbool("Brutoloon", [](const TKolommen& k) { return k.GetBrutoloon(); }),
        Symbool("Nettoloon", Nettoloon),
        Symbool("Soc.Loon", [](const TKolommen& k) { return k.GetKolomTotaal(8); }),
        Symbool("Pensioenpremie", [](const TKolommen& k) { return k.GetPensioenPremieWN(); }),
        Symbool("FPU/Vroegpensioen", [](const TKolommen& k) { return k.GetVUTFPUPremieWN(); }),
        Symbool("Loonheffing", [](const TKolommen& k) { return k.GetKolomTotaal(15); }),
        Symbool("Loonh.loon", [](const TKolommen& k) { return k.GetKolomTotaal(14); }),
        Symbool("WW.premie", [](const TKolommen& k) { return k.GetAwfPremieLaag() + k.GetAwfPremieHoog(); }),
        Symbool("WAO.premie", [](const TKolommen& k) { return k.GetWAOPremie(); }),
        Symbool("Zvw.(werkg.)", [](const TKolommen& k) { return k.GetZvwPremieWG(); }),
        Symbool("Zvw.(werkn.)", [](const TKolommen& k) { return k.GetZvwPremieWN(); }),
        Symbool("Natura", [](const TKolommen& k) { return k.GetKolomTotaal(4); }),
        Symbool("Verg.(bel.vrij)", [](const TKolommen& k) { return k.GetVergoedingen(); }),
        Symbool("Inh.(bel.vrij)", [](const TKolommen& k) { return k.GetInhoudingen(); }),
        Symbool("Zvw-loon", [](const TKolommen& k) { return k.GetKolomTotaal(12); }),
        Symbool("PrivégebruikAuto", [](const TKolommen& k) { return k.GetBijtellingAuto() - k.GetBijdrageAuto(); }),
        Symbool("Fiets.vd.Zaak", [](const TKolommen& k) { return k.GetBijtellingFiets() - k.GetBijdrageFiets(); }),
        Symbool("Whk.premie", [](const TKolommen& k) { return k.GetWhkPremie(); }),
    };
    return kSymbolen;
}

} // namespace vkt
