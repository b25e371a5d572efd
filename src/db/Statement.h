#pragma once

#include <sqlite3.h>
#include <string>

namespace vkt::db {

// A prepared statement of this layer, finalised when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* handle, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return statement_; }
    // True while a row is available; throws a DatabaseError on an engine error.
    bool Step();

private:
    sqlite3* handle_;
    sqlite3_stmt* statement_ = nullptr;
};

// Throws a DatabaseError saying in Dutch what went wrong, with the engine's
// text after it, when result is an error code.
void Check(sqlite3* handle, int result);

} // namespace vkt::db
