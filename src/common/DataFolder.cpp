#include "common/DataFolder.h"

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
    if (basis.empty() || basis.is_relative())
        basis = Omgeving("HOME") / ".local" / "share";
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

void MaakWerknemersdatabase(const TDatabasemappen& mappen)
{
    const fs::path bestand = mappen.Werknemers / kWerknemers;
    if (mappen.LegeWerknemersdatabase.empty() || fs::exists(bestand))
        return;
    fs::create_directories(mappen.Werknemers);
    // Copied under a name of this process and then linked in place, so that
    // a program starting at the same time never finds half a database, and
    // neither replaces a database the other has begun to use.
    const fs::path tijdelijk = bestand.string() + "." + std::to_string(getpid());
    fs::copy_file(mappen.LegeWerknemersdatabase, tijdelijk, fs::copy_options::overwrite_existing);
    fs::permissions(tijdelijk, fs::perms::owner_read | fs::perms::owner_write);
    std::error_code fout;
    fs::create_hard_link(tijdelijk, bestand, fout);
    fs::remove(tijdelijk);
    if (fout && !fs::exists(bestand))
        throw fs::filesystem_error("De werknemersdatabase kan niet worden aangemaakt", bestand, fout);
}

} // namespace vkt
