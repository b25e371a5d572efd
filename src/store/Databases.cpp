#include "store/Databases.h"

#include "common/Meldingen.h"

namespace vkt {

TDatabases::TDatabases(const TDatabasemappen& mappen)
    : Constanten(mappen.Constanten), Werknemers(mappen.Werknemers), mappen_(mappen)
{
}

TDatabases::TDatabases(const TDatabasemappen& mappen, TInstellingen& instellingen)
    : Constanten(mappen.Constanten), Werknemers(mappen.Werknemers, instellingen), mappen_(mappen)
{
}

bool TDatabases::OpenWerknemers(TMeldingen& meldingen, TToegang toegang)
{
    try {
        MaakWerknemersdatabase(mappen_);
    } catch (const std::exception& error) {
        meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij  het aanmaken van ") +
                                  TdmVektaris::Bestandsnaam + ".\r\nFout: " + error.what() +
                                  "\r\n\r\nDe applicatie wordt beëindigd.");
        return false;
    }
    return Werknemers.Openen(meldingen, toegang);
}

bool TDatabases::Openen(TDateTime berekeningsdatum, TMeldingen& meldingen, TToegang toegang)
{
    if (!OpenWerknemers(meldingen, toegang))
        return false;
    Constanten.Berekeningsdatum = berekeningsdatum;
    if (!OpenConstanten(Constanten, meldingen))
        return false;
    try {
        Werknemers.qryWG.Close();
        Werknemers.qryWG.Open();
        if (Werknemers.qryWG.Eof()) {
            meldingen.ToonFoutmelding("Nog geen werkgever gedefinieerd.");
            return false;
        }
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
        constanten.Openen(); // loads the constants too
        constanten.Sluiten();
        return true;
    } catch (const std::exception& error) {
        // The message names the file, also where the engine's text does not.
        std::string oorzaak = error.what();
        if (oorzaak.find(TdmConstanten::Bestandsnaam) == std::string::npos)
            oorzaak += std::string(" (") + TdmConstanten::Bestandsnaam + ")";
        meldingen.ToonFoutmelding("Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: " + oorzaak +
                                  "\r\n\r\nDe applicatie zal worden beëindigd.");
        return false;
    }
}

} // namespace vkt
