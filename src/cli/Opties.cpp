#include "cli/Opties.h"

#include <algorithm>

namespace vkt::cli {

std::optional<std::string> Opties::Waarde(const std::string& naam) const
{
    const auto found = waarden_.find(naam);
    if (found == waarden_.end())
        return std::nullopt;
    return found->second;
}

Opties LeesOpties(const std::vector<std::string>& argumenten, const std::vector<std::string>& toegestaan)
{
    Opties opties;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        std::string naam = argumenten[i];
        std::optional<std::string> waarde;
        if (const auto is = naam.find('='); naam.starts_with("--") && is != std::string::npos) {
            waarde = naam.substr(is + 1);
            naam = naam.substr(0, is);
        }
        if (std::find(toegestaan.begin(), toegestaan.end(), naam) == toegestaan.end())
            throw OptieFout("onbekende optie '" + naam + "'.");
        if (!waarde) {
            if (i + 1 >= argumenten.size())
                throw OptieFout("de optie '" + naam + "' verwacht een waarde.");
            waarde = argumenten[++i];
        }
        if (opties.Waarde(naam))
            throw OptieFout("de optie '" + naam + "' staat er twee keer.");
        opties.Zet(naam, *waarde);
    }
    return opties;
}

} // namespace vkt::cli
