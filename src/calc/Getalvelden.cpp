#include "calc/Getalvelden.h"

#include "model/Getallen.h"

#include <cmath>
#include <utility>

namespace vkt {

bool PastInVeld(double waarde, const TGetalveld& veld)
{
    return std::isfinite(waarde) && std::fabs(waarde) < 1e18 &&
           static_cast<int>(FormatVast(waarde, veld.Decimalen).size()) <= veld.Cijfers;
}

std::string OngeldigOpgeslagenGetal(const TGetalveld& veld, double waarde)
{
    const std::string begin = std::string("Het veld ") + veld.Kolom + " van de opgeslagen berekening bevat ";
    if (std::isnan(waarde))
        return begin + "geen geldig getal (NaN).";
    if (std::isinf(waarde))
        return begin + "geen geldig getal (" + (waarde > 0 ? "oneindig" : "min oneindig") + ").";
    return begin + FormatAlgemeen(waarde) + ", meer dan het veld " + veld.Veld + " kan bevatten.";
}

bool MaakToonbaar(TBerekeningInvoer& invoer)
{
    bool gewijzigd = false;
    const std::pair<double*, const TGetalveld*> velden[] = {
        {&invoer.Loonbedrag, &kVeldLoonbedrag},           {&invoer.Deeltijdpercentage, &kVeldDeeltijdfactor},
        {&invoer.PercentageVakantiegeld, &kVeldVakantiegeld}, {&invoer.JaarloonLBPH, &kVeldJaarloon},
        {&invoer.LoonheffingVrij, &kVeldLoonheffing},     {&invoer.ArtiestLoonheffing, &kVeldArtiestLoonheffing},
        {&invoer.ArtiestAftrekBedrag, &kVeldArtiestAftrek}, {&invoer.LoondagenVoorDagtabel, &kVeldLoondagen}};
    for (const auto& [waarde, veld] : velden)
        if (!PastInVeld(*waarde, *veld)) {
            *waarde = 0;
            gewijzigd = true;
        }
    return gewijzigd;
}

} // namespace vkt
