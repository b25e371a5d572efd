#pragma once

#include "db/Connection.h"
#include "support/TempFolder.h"

#include <string>

namespace vkt::test {

// A copy of the employee database built beside the executables, in a
// temporary folder, opened exclusively as the program opens it.
class Werknemersdatabase {
public:
    Werknemersdatabase();

    db::Connection& Verbinding() { return verbinding_; }
    std::string Bestand() const { return map_.File("Vkt2020.db"); }

private:
    TempFolder map_;
    db::Connection verbinding_;
};

} // namespace vkt::test
