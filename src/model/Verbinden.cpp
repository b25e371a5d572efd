#include "model/Verbinden.h"

#include "common/Exception.h"
#include "db/Connection.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vkt {
namespace {

// The file counts as read-only when nobody may write it, and as hidden when
// its name starts with a dot. A file that is only read may be read-only, as
// the constants database of an installed program is.
bool HeeftBeperkendeAttributen(const std::string& bestand, const std::string& mode)
{
    struct stat info {};
    if (stat(bestand.c_str(), &info) != 0)
        return false;
    const bool alleenLezen = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 &&
                             db::ModeFromText(mode) != db::ShareMode::ReadOnly;
    const bool verborgen = std::filesystem::path(bestand).filename().string().starts_with(".");
    return alleenLezen || verborgen;
}

void Verbind(db::Connection& connection, const std::string& bestand, const std::string& password,
             bool connectionControl, bool setLocks, int lockHint, const std::string& mode)
{
    connection.Close();
    if (bestand.empty())
        throw Exception("No database location was specified (sDatabaseLocation cannot be empty).");
    if (!std::filesystem::is_regular_file(bestand) || access(bestand.c_str(), R_OK) != 0)
        throw Exception("Database does not exists or is not accessable: " + bestand);
    if (HeeftBeperkendeAttributen(bestand, mode))
        throw Exception("The file attributes of file \"" + bestand + "\" prevent the file from being accessed.");

    std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + bestand + ";Mode=" + mode +
                       ";Persist Security Info=False";
    if (!password.empty())
        text += ";Jet OLEDB:Database Password=" + password;
    if (connectionControl)
        text += ";Jet OLEDB:Connection Control=1";
    connection.SetConnectionString(text);
    connection.SetProperty("Connect Timeout", db::Value::Integer(5));
    connection.Open();

    if (setLocks) {
        const int delay = ProcessLockDelayGenerator().LockDelay(lockHint);
        connection.SetProperty("Jet OLEDB:Lock Delay", db::Value::Integer(delay));
        connection.SetProperty("Jet OLEDB:Lock Retry", db::Value::Integer(6000 / delay));
        connection.SetProperty("Jet OLEDB:Page Locks to Table Lock", db::Value::Integer(0));
        connection.SetProperty("Jet OLEDB:Flush Transaction Timeout", db::Value::Integer(25));
    }
    connection.SetProperty("Jet OLEDB:Sandbox Mode", db::Value::Boolean(true));
}

} // namespace

// "Vkt2020Werknemers!07" and "Vkt2020Constanten#01", scrambled.
const std::string VersleuteldWachtwoordWerknemers = "\x16\x25\x2e\x3e\x3c\x3e\x3c\x17\x1f\x2c\x25\x28\x1f\x27"
                                                    "\x1f\x2c\x2d\xdb\x3c\x43";
const std::string VersleuteldWachtwoordConstanten = "\x16\x25\x2e\x3e\x3c\x3e\x3c\x03\x29\x28\x2d\x2e\x1b\x28"
                                                    "\x2e\x1f\x28\xdd\x3c\x3d";

std::string DecodePassword(const std::string& versleuteld)
{
    std::string wachtwoord;
    for (const char teken : versleuteld) {
        const int c = static_cast<unsigned char>(teken);
        if (c >= 60 && c <= 69)
            wachtwoord += static_cast<char>(c - 12);
        else if (c >= 1 && c <= 26)
            wachtwoord += static_cast<char>(c + 64);
        else
            wachtwoord += static_cast<char>((c + 70) % 256);
    }
    return wachtwoord;
}

int TLockDelayGenerator::Random(int n)
{
    state_ = state_ * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(state_) * static_cast<std::uint64_t>(n)) >> 32);
}

int TLockDelayGenerator::LockDelay(int lockHint)
{
    if (lockHint < 0)
        return 40 + Random(80);
    if (lockHint > 9)
        return 150 + Random(150);
    return lockHint * 20 + 50;
}

TLockDelayGenerator& ProcessLockDelayGenerator()
{
    static TLockDelayGenerator generator;
    return generator;
}

void ConnectDatabase(db::Connection& connection, const std::string& sDatabaseLocation, const std::string& password,
                     bool connectionControl, bool setLocks, int lockHint, const std::string& mode)
{
    try {
        Verbind(connection, sDatabaseLocation, password, connectionControl, setLocks, lockHint, mode);
    } catch (const std::exception& error) {
        connection.Close();
        // No implicit reconnection after a failed opening.
        connection.SetConnectionString("c:\\NO IMPLICIT ADOCONNECTIONS ALLOWED");
        throw Exception(std::string("ConnectDatabase: ") + error.what());
    }
}

} // namespace vkt
