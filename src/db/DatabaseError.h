#pragma once

#include "common/Exception.h"

namespace vkt::db {

// An error of the database layer. Its text is the engine's own text, or an
// English description of what the layer refused.
class DatabaseError : public Exception {
public:
    using Exception::Exception;
};

} // namespace vkt::db
