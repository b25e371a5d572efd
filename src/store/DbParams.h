#pragma once

#include <string>

namespace vkt {

namespace db {
class Connection;
}

// The named settings of the employee database (table dbparams). Names are
// stored in lower case, so they are found whatever case the caller uses.

// The value of a setting, or an empty text when it was never stored.
std::string GetDBParamValue(db::Connection* verbinding, const std::string& naam);

// Stores a setting, replacing an earlier value. An empty value is stored as a
// single space. Runs in the caller's transaction when one is open, else in its
// own.
void SetDBParamValue(db::Connection* verbinding, const std::string& naam, const std::string& waarde);

} // namespace vkt
