#pragma once

#include "common/DateTime.h"
#include "model/DmConstanten.h"

#include <filesystem>
#include <memory>

namespace vkt::test {

// The constants data module of a folder, opened, loaded and closed as at
// start-up, with its calculation date set.
std::unique_ptr<TdmConstanten> GeladenConstanten(const std::filesystem::path& map, TDateTime berekeningsdatum);

// The fiscal parameters of 1 March 2020 from the built constants database,
// loaded once.
const TQuelvarConst& Constanten();

} // namespace vkt::test
