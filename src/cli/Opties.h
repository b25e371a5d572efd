#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vkt::cli {

// A usage error; its text names the option or value at fault.
class OptieFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options of the form "--naam waarde" or "--naam=waarde".
class Opties {
public:
    std::optional<std::string> Waarde(const std::string& naam) const;
    void Zet(const std::string& naam, const std::string& waarde) { waarden_[naam] = waarde; }

private:
    std::map<std::string, std::string> waarden_;
};

// Reads the options; throws OptieFout for an unknown option, a missing value
// or an option given twice.
Opties LeesOpties(const std::vector<std::string>& argumenten, const std::vector<std::string>& toegestaan);

} // namespace vkt::cli
