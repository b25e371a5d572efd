#include "support/Constanten.h"

#include "common/DataFolder.h"
#include "support/TempFolder.h"

namespace vkt::test {

std::unique_ptr<TdmConstanten> GeladenConstanten(const std::filesystem::path& map, TDateTime berekeningsdatum)
{
    auto constanten = std::make_unique<TdmConstanten>(map);
    constanten->Openen();
    constanten->LaadConstanten();
    constanten->Sluiten();
    constanten->Berekeningsdatum = berekeningsdatum;
    return constanten;
}

void KopieerConstanten(const std::filesystem::path& map, const std::string& wijziging)
{
    const std::filesystem::path kopie = map / TdmConstanten::Bestandsnaam;
    std::filesystem::copy_file(DataFolder() / TdmConstanten::Bestandsnaam, kopie);
    CreateDatabase(kopie.string(), wijziging);
}

const TQuelvarConst& Constanten()
{
    static const std::unique_ptr<TdmConstanten> geladen = GeladenConstanten(DataFolder(), EncodeDate(2020, 3, 1));
    return geladen->GetConstanten();
}

} // namespace vkt::test
