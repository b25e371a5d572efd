#pragma once

#include <optional>
#include <string>

namespace vkt {

class TGegevensScherm;

// The employee's settings as the calculation-data tab sums them up: the
// display texts of the chosen entries (empty for no choice, as for an empty
// field), the age and the
// part-time percentage as plain numbers, the wage amount with two decimals
// and no thousands separator ("2500,00"), and the insurances as "WW", "WAO"
// and "Zvw" joined by "/" ("WW/Zvw").
struct TSamenvatting {
    std::string SoortBerekening;
    std::string SoortLoonbedrag;
    std::string Loontijdvak;
    std::string Tabelkleur;
    std::string Loonbelastingtabel;
    std::string Leeftijd;
    std::string Loonbedrag;
    std::string Deeltijdfactor;
    std::string VerzekerdVoor;
};

// From the bound fields and the age the window shows (none: empty).
TSamenvatting LeesSamenvatting(const TGegevensScherm& scherm, std::optional<int> leeftijd);

} // namespace vkt
