#include "store/Instellingen.h"

namespace vkt {

bool TGeheugenInstellingen::SleutelBestaat(const std::string& sleutel) const { return sleutels_.contains(sleutel); }

bool TGeheugenInstellingen::MaakSleutel(const std::string& sleutel)
{
    if (sleutel.empty())
        return false;
    // Every level of the path exists once the key does.
    for (std::size_t scheiding = sleutel.find('\\'); scheiding != std::string::npos;
         scheiding = sleutel.find('\\', scheiding + 1))
        sleutels_.insert(sleutel.substr(0, scheiding));
    sleutels_.insert(sleutel);
    return true;
}

std::optional<std::string> TGeheugenInstellingen::LeesTekst(const std::string& sleutel,
                                                            const std::string& naam) const
{
    const auto sleutelWaarden = waarden_.find(sleutel);
    if (sleutelWaarden == waarden_.end())
        return std::nullopt;
    const auto waarde = sleutelWaarden->second.find(naam);
    if (waarde == sleutelWaarden->second.end())
        return std::nullopt;
    return waarde->second;
}

bool TGeheugenInstellingen::SchrijfTekst(const std::string& sleutel, const std::string& naam,
                                         const std::string& waarde)
{
    if (!SleutelBestaat(sleutel))
        return false;
    waarden_[sleutel][naam] = waarde;
    return true;
}

} // namespace vkt
