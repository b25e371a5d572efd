#include "cli/Opstarten.h"

#include "model/DmConstanten.h"

#include <ostream>

namespace vkt::cli {

bool OpenConstanten(TdmConstanten& constanten, std::ostream& fout)
{
    try {
        constanten.Openen();
        constanten.LaadConstanten();
        constanten.Sluiten();
        return true;
    } catch (const std::exception& error) {
        fout << "Er is een fout opgetreden bij  starten van Vkt2020.\nDe fout betrof: " << error.what()
             << "\n\nDe applicatie zal worden beëindigd.\n";
        return false;
    }
}

} // namespace vkt::cli
