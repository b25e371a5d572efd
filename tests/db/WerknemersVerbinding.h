#pragma once

#include "db/ZNOADOConnection.h"
#include "support/Werknemersdatabase.h"

#include <functional>
#include <string>

namespace vkt::test {

// The copy of the employee database, reached through the data layer's own
// connection instead of the plain one the support class opens.
class WerknemersVerbinding {
public:
    WerknemersVerbinding()
    {
        database_.Verbinding().Close();
        connection_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + database_.Bestand() +
                                        ";Mode=Share Exclusive");
        connection_.Open();
    }

    db::TZNOADOConnection& Verbinding() { return connection_; }

private:
    Werknemersdatabase database_;
    db::TZNOADOConnection connection_;
};

// The message of the error the action raises, or "no error".
inline std::string Message(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

// A connection to a fresh database made from the given SQL.
class KleineDatabase {
public:
    explicit KleineDatabase(const std::string& sql)
    {
        CreateDatabase(folder_.File("klein.db"), sql);
        connection_.SetConnectionString("Data Source=" + folder_.File("klein.db") + ";Mode=Share Exclusive");
        connection_.Open();
    }

    db::TZNOADOConnection& Verbinding() { return connection_; }

private:
    TempFolder folder_;
    db::TZNOADOConnection connection_;
};

} // namespace vkt::test
