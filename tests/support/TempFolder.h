#pragma once

#include <filesystem>
#include <string>

namespace vkt::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Creates a SQLite database file from SQL text (the engine layer itself never
// creates files).
void CreateDatabase(const std::string& file, const std::string& sql);

} // namespace vkt::test
