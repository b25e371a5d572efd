#pragma once

#include "common/DateTime.h"
#include "model/DmConstanten.h"

#include <filesystem>
#include <memory>
#include <string>

namespace vkt::test {

// The constants data module of a folder, opened, loaded and closed as at
// start-up, with its calculation date set.
std::unique_ptr<TdmConstanten> GeladenConstanten(const std::filesystem::path& map, TDateTime berekeningsdatum);

// Puts a copy of the built constants database in the folder and changes it
// with the SQL statements.
void KopieerConstanten(const std::filesystem::path& map, const std::string& wijziging);

// The fiscal parameters of 1 March 2020 from the built constants database,
// loaded once.
const TQuelvarConst& Constanten();

} // namespace vkt::test
