#pragma once

#include <filesystem>

namespace vkt {

// The folder that holds both database files: the folder of the running
// executable, unless the environment variable VKT2020_DATA names another one.
std::filesystem::path DataFolder();

} // namespace vkt
