#include "support/Werknemersmodule.h"

#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "db/Query.h"

#include <filesystem>
#include <stdexcept>

namespace vkt::test {

std::map<std::string, std::vector<std::string>> Inhoud(db::Connection& verbinding)
{
    std::map<std::string, std::vector<std::string>> inhoud;
    db::Query tabellen(verbinding, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    tabellen.Open();
    for (; !tabellen.Eof(); tabellen.Next()) {
        const std::string tabel = tabellen.AsText("name");
        db::Query rijen(verbinding, "SELECT * FROM \"" + tabel + "\" ORDER BY rowid");
        rijen.Open();
        std::vector<std::string>& tekst = inhoud[tabel];
        for (; !rijen.Eof(); rijen.Next()) {
            std::string rij;
            for (const std::string& kolom : rijen.FieldNames())
                rij += kolom + "=" + (rijen.IsNull(kolom) ? "NULL" : rijen.AsText(kolom)) + "|";
            tekst.push_back(rij);
        }
    }
    return inhoud;
}

OpenWerknemersmodule::OpenWerknemersmodule()
{
    std::filesystem::copy_file(DataFolder() / TdmVektaris::Bestandsnaam, map_.Path() / TdmVektaris::Bestandsnaam);
    dm_ = std::make_unique<TdmVektaris>(map_.Path());
    TBewaardeMeldingen meldingen;
    if (!dm_->Openen(meldingen))
        throw std::runtime_error(meldingen.Foutmeldingen.back());
}

} // namespace vkt::test
