#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::cli {

// "vkt2020-cli verloop": the wage curve of one calculation with the options
// of bereken, as CSV or JSON, and its chart as PNG or SVG. Returns the exit
// code: 0 done, 1 a database, the calculation or a file failed, 2 bad usage.
int VerloopOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
