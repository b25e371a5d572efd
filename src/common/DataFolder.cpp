#include "common/DataFolder.h"

#include <cstdlib>

namespace vkt {

std::filesystem::path DataFolder()
{
    if (const char* folder = std::getenv("VKT2020_DATA"); folder != nullptr && *folder != '\0')
        return folder;
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path();
    return executable.parent_path();
}

} // namespace vkt
