#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::cli {

// "vkt2020-cli constanten": shows the fiscal parameters in force on a date.
// Returns the exit code: 0 done, 1 the constants database failed, 2 bad usage.
int ConstantenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
