#pragma once

#include "common/Exception.h"

#include <string>

namespace vkt {

// The program's own exception. Built from an action and a cause it reads
// "Er is een fout opgetreden bij <action>\r\n\r\nDe fout betrof: <cause>";
// built from one text it carries that text unchanged.
class EQuelvarException : public Exception {
public:
    explicit EQuelvarException(const std::string& message);
    EQuelvarException(const std::string& actie, const std::string& oorzaak);
};

} // namespace vkt
