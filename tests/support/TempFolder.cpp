#include "support/TempFolder.h"

#include <sqlite3.h>
#include <stdexcept>
#include <stdlib.h>

namespace vkt::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vkt2020-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void CreateDatabase(const std::string& file, const std::string& sql)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(file.c_str(), &handle) != SQLITE_OK)
        throw std::runtime_error("cannot create " + file);
    char* error = nullptr;
    const int result = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(handle);
    if (result != SQLITE_OK)
        throw std::runtime_error("cannot fill " + file + ": " + message);
}

} // namespace vkt::test
