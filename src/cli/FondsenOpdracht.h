#pragma once

#include "store/SociaalFondsWaarden.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt {
class TdmVektaris;
}

namespace vkt::cli {

// "vkt2020-cli fondsen [--formaat tekst|json]": the catalogue of social
// funds that a calculation can be attached to, a line per fund
// ("3<tab>Bouw") or as JSON with the fund's values.
int FondsenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// The values of the catalogue funds with these numbers, in this order, each
// attached (Getoond). Throws OptieFout (naming voorvoegsel + "fonds") for a
// number the catalogue does not have.
std::vector<TSociaalFondsWaarden> GekozenFondsen(TdmVektaris& dm, const std::vector<int>& nummers,
                                                 const std::string& voorvoegsel);

} // namespace vkt::cli
