#include "db/Enginemelding.h"

#include <sqlite3.h>

namespace vkt::db {
namespace {

// The name after "no such table: " and the like, or empty.
std::string NameAfter(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : std::string();
}

std::string GeneralError(const std::string& text)
{
    if (const std::string table = NameAfter(text, "no such table: "); !table.empty())
        return "De tabel " + table + " ontbreekt in de database";
    if (const std::string column = NameAfter(text, "no such column: "); !column.empty())
        return "De kolom " + column + " ontbreekt in de database";
    if (text.find("has no column named ") != std::string::npos)
        return "Een kolom ontbreekt in de database";
    return "De database gaf een fout";
}

std::string ReadOnly(int result)
{
    switch (result) {
    case SQLITE_READONLY_ROLLBACK:
        return "De database is na een afgebroken opslag nog niet hersteld en kan hier alleen worden gelezen; de "
               "volgende opslag of start van Vkt2020 herstelt haar";
    case SQLITE_READONLY_DIRECTORY:
        return "De database kan niet worden beschreven: de map waarin zij staat is alleen te lezen";
    case SQLITE_READONLY_DBMOVED:
        return "De database kan niet worden beschreven: het bestand is verplaatst of verwijderd terwijl het open was";
    default:
        return "De database kan niet worden beschreven: het bestand of de map is alleen te lezen";
    }
}

std::string Constraint(int result)
{
    switch (result) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return "Er staat al een rij met dezelfde sleutel in de database";
    case SQLITE_CONSTRAINT_NOTNULL:
        return "Een veld dat de database verplicht stelt is leeg";
    case SQLITE_CONSTRAINT_TRIGGER:
        return "De database weigert de wijziging";
    default:
        return "De wijziging voldoet niet aan een regel van de database";
    }
}

std::string Meaning(int result, const std::string& text)
{
    switch (result & 0xFF) {
    case SQLITE_ERROR:
        return GeneralError(text);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "Het programma heeft geen toestemming om de database te gebruiken";
    case SQLITE_ABORT:
    case SQLITE_INTERRUPT:
        return "De bewerking in de database is afgebroken";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "De database is in gebruik door een ander programma";
    case SQLITE_NOMEM:
        return "Er is niet genoeg geheugen voor de database";
    case SQLITE_READONLY:
        return ReadOnly(result);
    case SQLITE_IOERR:
        return "Het databasebestand kon niet worden gelezen of geschreven";
    case SQLITE_CORRUPT:
        return "Het databasebestand is beschadigd";
    case SQLITE_FULL:
        return "De schijf is vol: de database kon niet worden bijgewerkt";
    case SQLITE_CANTOPEN:
        return "Het databasebestand of zijn herstelbestand kan niet worden geopend";
    case SQLITE_PROTOCOL:
        return "De vergrendeling van de database mislukte";
    case SQLITE_SCHEMA:
        return "De indeling van de database is tijdens het gebruik veranderd";
    case SQLITE_TOOBIG:
        return "Een waarde is te groot voor de database";
    case SQLITE_CONSTRAINT:
        return Constraint(result);
    case SQLITE_MISMATCH:
        return "Een waarde past niet bij het soort kolom in de database";
    case SQLITE_NOTADB:
        return "Het bestand is geen database";
    default:
        return "De database gaf een fout";
    }
}

} // namespace

std::string Enginemelding(int result, const std::string& engineText)
{
    return Meaning(result, engineText) + " (" + engineText + ")";
}

} // namespace vkt::db
