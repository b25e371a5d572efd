#include "app/Meting.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace vkt::app {

double SecondenSindsProcesstart()
{
    // Field 22 of /proc/self/stat: the start in clock ticks after boot. The
    // command name (field 2) may hold blanks, so count from its ")".
    std::ifstream stat("/proc/self/stat");
    std::string regel;
    if (!std::getline(stat, regel) || regel.rfind(')') == std::string::npos)
        return 0;
    std::istringstream velden(regel.substr(regel.rfind(')') + 2));
    std::string veld;
    for (int i = 3; i < 22 && velden >> veld; ++i) {
    }
    unsigned long long start = 0;
    if (!(velden >> start))
        return 0;
    timespec nu{};
    clock_gettime(CLOCK_BOOTTIME, &nu);
    const double sindsBoot = static_cast<double>(nu.tv_sec) + static_cast<double>(nu.tv_nsec) / 1e9;
    return sindsBoot - static_cast<double>(start) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double GeheugenInGebruikMB()
{
    std::ifstream status("/proc/self/status");
    for (std::string regel; std::getline(status, regel);)
        if (regel.starts_with("VmRSS:"))
            return std::stod(regel.substr(6)) / 1024; // given in kB
    return 0;
}

} // namespace vkt::app
