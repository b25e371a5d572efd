#include "calc/Invoer.h"

#include <array>

namespace vkt {

std::string SoortBerekeningPositieLabel(int positie)
{
    static const std::array<const char*, 6> kLabels = {
        "Werknemer",
        "Bijzonder loon",
        "Binn. Artiest/Beroepssporter",
        "Buit. Artiest/Beroepssporter",
        "Vrije berekening werknemers",
        "Vrije berekening artiest/sporter"};
    return positie >= 0 && positie < static_cast<int>(kLabels.size()) ? kLabels[static_cast<std::size_t>(positie)] : "";
}

bool IsArtiestPositie(int positie)
{
    return positie == spBinnenlandseArtiest || positie == spBuitenlandseArtiest || positie == spVrijeBerekeningArtiest;
}

} // namespace vkt
