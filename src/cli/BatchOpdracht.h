#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::cli {

// "vkt2020-cli batch BESTAND.csv [--uitvoer BESTAND.csv]": one calculation
// per row of a CSV file whose header names the options of "bereken". The
// output repeats each row with the gross wage, net wage, wage tax, employer's
// cost and message. Returns the exit code: 0 every row computed, 1 a row
// failed or a database could not be used, 2 bad usage (nothing computed).
int BatchOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
