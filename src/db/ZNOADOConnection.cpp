#include "db/ZNOADOConnection.h"

namespace vkt::db {

TZNOADOConnection::TZNOADOConnection() : description_(this) {}

TZNOADOConnection::~TZNOADOConnection() { Close(); }

void TZNOADOConnection::Close()
{
    description_.FlushCache();
    Connection::Close();
}

} // namespace vkt::db
