#include "store/WerknemerRecords.h"

#include "common/Meldingen.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"

namespace vkt {

std::vector<TWerknemerItem> TWerknemerRecords::VulWerknemerLijst()
{
    std::vector<TWerknemerItem> lijst;
    try {
        if (!Initialised) {
            dm_.qryWG.Close();
            dm_.qryWG.Open();
            if (dm_.qryWG.Eof()) {
                dm_.SetWerkgeversnummer(1);
                dm_.qryWNvkt.Close();
                dm_.qryWNvkt.Open();
                meldingen_.ToonFoutmelding("Nog geen werkgever gedefinieerd.");
            } else {
                dm_.OpenWerknemersQuery();
            }
            Initialised = true;
        }
        db::Query& werknemers = dm_.qryWNvkt;
        for (werknemers.First(); !werknemers.Eof(); werknemers.Next())
            lijst.push_back({static_cast<int>(werknemers.AsInteger("Werknemersnummer")), werknemers.AsText("Naam")});
        if (!werknemers.Locate("Werknemersnummer", db::Value::Integer(dm_.Werknemersnummer)) && !lijst.empty()) {
            werknemers.First();
            for (std::size_t i = 1; i < lijst.size(); ++i)
                werknemers.Next();
        }
    } catch (const std::exception& error) {
        throw EQuelvarException("het openen van de werknemers-query.", error.what());
    }
    return lijst;
}

bool TWerknemerRecords::LaadBerekening(int n)
{
    try {
        if (n != dm_.Werknemersnummer && n >= 0)
            dm_.qryWNvkt.Locate("Werknemersnummer", db::Value::Integer(n));
        db::Query& heffing = dm_.qryVastHefGeg;
        heffing.SetFiltered(false);
        heffing.SetFilter("Heffingsgegevens.Werknemersnummer = " + std::to_string(n));
        heffing.SetFiltered(true);
        dm_.SetWerknemersnummer(n);
        return true;
    } catch (const std::exception& error) {
        meldingen_.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nhet filteren van de werknemers. ") +
                                   error.what());
        dm_.SetWerknemersnummer(-1);
        return false;
    }
}

int TWerknemerRecords::NieuwWerknemersnummer()
{
    db::Query nieuw(dm_.adbQuelvar, "SELECT MAX(Werknemersnummer) + 1 AS NewWNNummer FROM Werknemersgegevens "
                                    "WHERE Werkgeversnummer = :WGNummer");
    nieuw.Param("WGNummer").SetInteger(dm_.Werkgeversnummer);
    nieuw.Open();
    return nieuw.IsNull("NewWNNummer") ? 1 : static_cast<int>(nieuw.AsInteger("NewWNNummer"));
}

} // namespace vkt
