#pragma once

#include <filesystem>

namespace vkt {

// The folder of the running executable.
std::filesystem::path ProgrammaMap();

// The folder that holds both database files when the program runs from its
// build folder: the folder of the running executable, unless the environment
// variable VKT2020_DATA names another one.
std::filesystem::path DataFolder();

// Where the program's two databases are.
struct TDatabasemappen {
    std::filesystem::path Constanten; // read-only for an installed program
    std::filesystem::path Werknemers;
    // The empty employee database an installed program ships, copied for a
    // user who has none yet; empty when the database is not per user.
    std::filesystem::path LegeWerknemersdatabase;
};

// The folder the program shares with the command line under the user's
// data folder, as the desktop's standard paths name it: XDG_DATA_HOME (else
// ~/.local/share) + "/Zyrdo Software/Vkt2020". Empty when neither names a
// folder (unset, or not a whole path), rather than a folder that would lie
// wherever the program happens to be started.
std::filesystem::path GebruikersDataMap();

// Both databases in DataFolder() when VKT2020_DATA is set or the constants
// database lies beside the executable (a build folder). Otherwise the
// program is installed: the constants database and the empty employee
// database in <prefix>/share/vkt2020, the employee database per user in
// gebruikersmap.
TDatabasemappen Databasemappen(const std::filesystem::path& gebruikersmap = GebruikersDataMap());

// Gives a user of an installed program an employee database of his own on
// the first start: a copy of the shipped empty one, readable and writable
// by its owner only. Does nothing when the user has one, or for a build
// folder. Throws vkt::Exception, in Dutch, when there is no folder for it or
// the copy fails.
void MaakWerknemersdatabase(const TDatabasemappen& mappen);

} // namespace vkt
