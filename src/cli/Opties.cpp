#include "cli/Opties.h"

#include <algorithm>

namespace vkt::cli {
namespace {

bool Bevat(const std::vector<std::string>& namen, const std::string& naam)
{
    return std::find(namen.begin(), namen.end(), naam) != namen.end();
}

} // namespace

std::optional<std::string> Opties::Waarde(const std::string& naam) const
{
    const auto found =
        std::find_if(waarden_.begin(), waarden_.end(), [&naam](const auto& paar) { return paar.first == naam; });
    if (found == waarden_.end())
        return std::nullopt;
    return found->second;
}

Opties LeesOpties(const std::vector<std::string>& argumenten, const std::vector<std::string>& toegestaan,
                  const std::vector<std::string>& herhaalbaar)
{
    Opties opties;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        std::string naam = argumenten[i];
        std::optional<std::string> waarde;
        if (const auto is = naam.find('='); naam.starts_with("--") && is != std::string::npos) {
            waarde = naam.substr(is + 1);
            naam = naam.substr(0, is);
        }
        if (!Bevat(toegestaan, naam))
            throw OptieFout("onbekende optie '" + naam + "'.");
        if (!waarde) {
            if (i + 1 >= argumenten.size())
                throw OptieFout("de optie '" + naam + "' verwacht een waarde.");
            waarde = argumenten[++i];
        }
        if (opties.Waarde(naam) && !Bevat(herhaalbaar, naam))
            throw OptieFout("de optie '" + naam + "' staat er twee keer.");
        opties.Zet(naam, *waarde);
    }
    return opties;
}

std::string LeesFormaat(const Opties& opties)
{
    const std::string formaat = opties.Waarde("--formaat").value_or("tekst");
    if (formaat != "tekst" && formaat != "json")
        throw OptieFout("ongeldig formaat '" + formaat + "' bij --formaat: kies tekst of json.");
    return formaat;
}

} // namespace vkt::cli
