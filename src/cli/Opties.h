#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vkt::cli {

// A usage error; its text names the option or value at fault.
class OptieFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options of the form "--naam waarde" or "--naam=waarde", in the order given.
class Opties {
public:
    // The value of the option, or none when it was not given.
    std::optional<std::string> Waarde(const std::string& naam) const;
    void Zet(const std::string& naam, const std::string& waarde) { waarden_.emplace_back(naam, waarde); }
    // Every option with its value, in the order of the command line.
    const std::vector<std::pair<std::string, std::string>>& Alle() const { return waarden_; }

private:
    std::vector<std::pair<std::string, std::string>> waarden_;
};

// Reads the options; throws OptieFout for an unknown option, a missing value
// or an option given twice that is not in herhaalbaar.
Opties LeesOpties(const std::vector<std::string>& argumenten, const std::vector<std::string>& toegestaan,
                  const std::vector<std::string>& herhaalbaar = {});

// The value of "--formaat": "tekst" (also when not given) or "json"; any
// other value is an OptieFout.
std::string LeesFormaat(const Opties& opties);

} // namespace vkt::cli
