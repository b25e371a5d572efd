#pragma once

#include "store/SociaalFondsWaarden.h"

#include <map>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace vkt {
class TdmVektaris;
}

namespace vkt::cli {

// The catalogue funds chosen by the rows of a batch, read from the employee
// database once for each choice and remembered; rows computed on several
// threads ask it in turn, so the database is used by one at a time.
class TFondsengeheugen {
public:
    explicit TFondsengeheugen(TdmVektaris& dm) : dm_(dm) {}

    // As GekozenFondsen with the prefix ""; the values stay while the memory
    // lives. Throws OptieFout for a number the catalogue does not have.
    const std::vector<TSociaalFondsWaarden>& Gekozen(const std::vector<int>& nummers);

private:
    TdmVektaris& dm_;
    std::mutex mutex_;
    // The funds of a choice, or the message that refused it.
    std::map<std::vector<int>, std::variant<std::vector<TSociaalFondsWaarden>, std::string>> gekozen_;
};

} // namespace vkt::cli
