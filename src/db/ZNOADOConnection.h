#pragma once

#include "db/Connection.h"
#include "db/DBDescription.h"

namespace vkt::db {

// The employee database's connection: a Connection that also describes the
// tables it reaches. The descriptions are read on first use and forgotten
// when the connection closes, so a reopened database is described afresh.
class TZNOADOConnection : public Connection {
public:
    TZNOADOConnection();
    ~TZNOADOConnection() override;

    TDBDescription& DBDescription() { return description_; }
    void Close() override;

private:
    TDBDescription description_;
};

} // namespace vkt::db
