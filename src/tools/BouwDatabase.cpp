// Builds a database file from SQL text, at build time:
//   vkt2020-bouwdb [--alleen-eigenaar] <database> <sql-bestand>...
// The SQL files run in one transaction into a new file that replaces the
// database only when all of it succeeded. --alleen-eigenaar makes the file
// readable and writable by its owner only.

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw std::runtime_error("kan " + name + " niet lezen");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void RunSql(const std::string& database, const std::string& sql)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(database.c_str(), &handle) != SQLITE_OK) {
        sqlite3_close(handle);
        throw std::runtime_error("kan " + database + " niet aanmaken");
    }
    char* error = nullptr;
    const std::string script = "BEGIN;\n" + sql + "\nCOMMIT;";
    const int result = sqlite3_exec(handle, script.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(handle);
    if (result != SQLITE_OK)
        throw std::runtime_error(message);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool ownerOnly = !arguments.empty() && arguments.front() == "--alleen-eigenaar";
    if (ownerOnly)
        arguments.erase(arguments.begin());
    if (arguments.size() < 2) {
        std::cerr << "Gebruik: vkt2020-bouwdb [--alleen-eigenaar] <database> <sql-bestand>...\n";
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path target = arguments.front();
    const fs::path scratch = target.string() + ".nieuw";
    try {
        std::string sql;
        for (std::size_t i = 1; i < arguments.size(); ++i)
            sql += ReadFile(arguments[i]) + "\n";
        fs::remove(scratch);
        RunSql(scratch.string(), sql);
        if (ownerOnly)
            fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
        fs::rename(scratch, target);
    } catch (const std::exception& error) {
        std::error_code ignored;
        fs::remove(scratch, ignored);
        std::cerr << "vkt2020-bouwdb: " << target.string() << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
