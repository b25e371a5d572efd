#include "common/DataFolder.h"

#include "common/Exception.h"
#include "common/Text.h"

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace vkt {
namespace {

namespace fs = std::filesystem;

const char* const kConstanten = "VktC2020.db";
const char* const kWerknemers = "Vkt2020.db";

fs::path Omgeving(const char* naam)
{
    const char* waarde = std::getenv(naam);
    return waarde != nullptr && *waarde != '\0' ? fs::path(waarde) : fs::path();
}

} // namespace

fs::path ProgrammaMap()
{
    std::error_code fout;
    const auto programma = fs::read_symlink("/proc/self/exe", fout);
    return fout ? fs::current_path() : programma.parent_path();
}

fs::path DataFolder()
{
    if (fs::path map = Omgeving("VKT2020_DATA"); !map.empty())
        return map;
    return ProgrammaMap();
}

fs::path GebruikersDataMap()
{
    fs::path basis = Omgeving("XDG_DATA_HOME");
    if (basis.is_relative())
        basis = Omgeving("HOME") / ".local" / "share";
    if (basis.is_relative())
        return {};
    return basis / "Zyrdo Software" / "Vkt2020";
}

TDatabasemappen Databasemappen(const fs::path& gebruikersmap)
{
    const fs::path map = DataFolder();
    std::error_code fout;
    if (!Omgeving("VKT2020_DATA").empty() || fs::exists(map / kConstanten, fout))
        return {map, map, {}};
    const fs::path gedeeld = ProgrammaMap().parent_path() / "share" / "vkt2020";
    return {gedeeld, gebruikersmap, gedeeld / kWerknemers};
}

namespace {

// What failed, with the system's reason.
[[noreturn]] void Mislukt(const std::string& wat, const std::error_code& fout)
{
    throw Exception(wat + ": " + Systeemfout(fout.value()) + ".");
}

} // namespace

void MaakWerknemersdatabase(const TDatabasemappen& mappen)
{
    if (mappen.LegeWerknemersdatabase.empty())
        return;
    if (mappen.Werknemers.is_relative())
        throw Exception("Er is geen map voor de gegevens van de gebruiker gevonden: HOME en XDG_DATA_HOME noemen geen "
                        "map. Zet HOME op de eigen map van de gebruiker, of VKT2020_DATA op de map met de databases.");
    const fs::path bestand = mappen.Werknemers / kWerknemers;
    std::error_code fout;
    if (fs::exists(bestand, fout))
        return;
    if (fs::create_directories(mappen.Werknemers, fout); fout)
        Mislukt("De map " + CitaatPad(mappen.Werknemers.string()) + " kan niet worden gemaakt", fout);
    // Copied under a name of this process and then linked in place, so that
    // a program starting at the same time never finds half a database, and
    // neither replaces a database the other has begun to use.
    const fs::path tijdelijk = bestand.string() + "." + std::to_string(getpid());
    fs::copy_file(mappen.LegeWerknemersdatabase, tijdelijk, fs::copy_options::overwrite_existing, fout);
    if (!fout)
        fs::permissions(tijdelijk, fs::perms::owner_read | fs::perms::owner_write, fout);
    if (!fout)
        fs::create_hard_link(tijdelijk, bestand, fout);
    std::error_code weg;
    fs::remove(tijdelijk, weg);
    if (fout && !fs::exists(bestand, weg))
        Mislukt("De werknemersdatabase " + CitaatPad(bestand.string()) + " kan niet worden aangemaakt", fout);
}

} // namespace vkt
