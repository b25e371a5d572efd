#include "db/Statement.h"

#include "db/DatabaseError.h"
#include "db/Enginemelding.h"

namespace vkt::db {

void Check(sqlite3* handle, int result)
{
    if (result != SQLITE_OK && result != SQLITE_ROW && result != SQLITE_DONE)
        throw DatabaseError(Enginemelding(result, handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(result)));
}

Statement::Statement(sqlite3* handle, const std::string& sql) : handle_(handle)
{
    Check(handle_, sqlite3_prepare_v2(handle_, sql.c_str(), static_cast<int>(sql.size()), &statement_, nullptr));
    if (statement_ == nullptr)
        throw DatabaseError("De opdracht voor de database is leeg");
}

Statement::~Statement() { sqlite3_finalize(statement_); }

bool Statement::Step()
{
    const int result = sqlite3_step(statement_);
    Check(handle_, result);
    return result == SQLITE_ROW;
}

} // namespace vkt::db
