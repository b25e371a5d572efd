#include "store/Databases.h"

#include "common/Meldingen.h"

namespace vkt {

TDatabases::TDatabases(const std::filesystem::path& databaseMap) : Constanten(databaseMap), Werknemers(databaseMap) {}

bool TDatabases::Openen(TDateTime berekeningsdatum, TMeldingen& meldingen)
{
    if (!Werknemers.Openen(meldingen))
        return false;
    Constanten.Berekeningsdatum = berekeningsdatum;
    if (!OpenConstanten(Constanten, meldingen))
        return false;
    try {
        Werknemers.OpenWerknemersQuery();
    } catch (const std::exception& error) {
        meldingen.ToonFoutmelding(error.what());
        return false;
    }
    return true;
}

bool OpenConstanten(TdmConstanten& constanten, TMeldingen& meldingen)
{
    try {
        constanten.Openen();
        constanten.LaadConstanten();
        constanten.Sluiten();
        return true;
    } catch (const std::exception& error) {
        meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: ") +
                                  error.what() + "\r\n\r\nDe applicatie zal worden beëindigd.");
        return false;
    }
}

} // namespace vkt
