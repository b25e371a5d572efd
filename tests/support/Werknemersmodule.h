#pragma once

#include "store/DmVektaris.h"
#include "support/TempFolder.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vkt::test {

// Every row of every table, as text, by table name; two dumps are equal
// exactly when the database holds the same data.
std::map<std::string, std::vector<std::string>> Inhoud(db::Connection& verbinding);

// A copy of the employee database in a temporary folder, opened by its own
// data module as the program opens it.
class OpenWerknemersmodule {
public:
    OpenWerknemersmodule();

    TdmVektaris& Dm() { return *dm_; }
    db::Connection& Verbinding() { return dm_->adbQuelvar; }

private:
    TempFolder map_;
    std::unique_ptr<TdmVektaris> dm_;
};

} // namespace vkt::test
