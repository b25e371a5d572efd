#include "cli/Fondsengeheugen.h"

#include "cli/FondsenOpdracht.h"
#include "cli/Opties.h"

namespace vkt::cli {

const std::vector<TSociaalFondsWaarden>& TFondsengeheugen::Gekozen(const std::vector<int>& nummers)
{
    static const std::vector<TSociaalFondsWaarden> kGeen;
    if (nummers.empty())
        return kGeen;
    std::lock_guard slot(mutex_);
    auto plek = gekozen_.find(nummers);
    if (plek == gekozen_.end()) {
        try {
            plek = gekozen_.emplace(nummers, GekozenFondsen(dm_, nummers, "")).first;
        } catch (const OptieFout& fout) {
            plek = gekozen_.emplace(nummers, fout.what()).first;
        }
    }
    if (const auto* melding = std::get_if<std::string>(&plek->second))
        throw OptieFout(*melding);
    return std::get<std::vector<TSociaalFondsWaarden>>(plek->second);
}

} // namespace vkt::cli
