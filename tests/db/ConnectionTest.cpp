#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "support/TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vkt;
using namespace vkt::db;

namespace {

std::string ConnectionString(const std::string& file, const std::string& mode)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file + ";Mode=" + mode +
           ";Persist Security Info=False;Jet OLEDB:Database Password=geheim";
}

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file_ = folder_.File("test.db");
        test::CreateDatabase(file_, "CREATE TABLE Versie (Versie INTEGER); INSERT INTO Versie VALUES (202001);"
                                    "CREATE TABLE Werkgever (Werkgeversnummer INTEGER PRIMARY KEY,"
                                    " Naam VARCHAR(50) NOT NULL DEFAULT 'x', Premie DOUBLE, Actief BOOLEAN,"
                                    " Ingangsdatum DATETIME);");
    }

    test::TempFolder folder_;
    std::string file_;
};

// Runs body in a child process and returns its exit code.
template <typename Body>
int InChildProcess(Body body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(ConnectionTest, AnExclusiveConnectionRefusesASecondProcessAtOnce)
{
    Connection first;
    first.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    first.Open();

    const int outcome = InChildProcess([&] {
        Connection second;
        second.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
        const auto start = std::chrono::steady_clock::now();
        try {
            second.Open();
            return 1; // opened: not refused
        } catch (const DatabaseError& error) {
            const auto waited = std::chrono::steady_clock::now() - start;
            const bool named = std::string(error.what()).find("is already opened") != std::string::npos;
            return named && waited < std::chrono::seconds(1) ? 0 : 2;
        }
    });
    EXPECT_EQ(outcome, 0);

    // The first connection keeps working, reading and writing.
    EXPECT_EQ(first.Execute("INSERT INTO Werkgever (Werkgeversnummer) VALUES (1)"), 1);
    Query versie(first, "SELECT Versie FROM Versie");
    versie.Open();
    EXPECT_EQ(versie.AsInteger("Versie"), 202001);

    first.Close();
    EXPECT_EQ(InChildProcess([&] {
                  Connection again;
                  again.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
                  again.Open();
                  return again.Connected() ? 0 : 1;
              }),
              0);
}

TEST_F(ConnectionTest, AReadOnlyConnectionCannotWrite)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file_, "Share Deny Read|Share Deny Write"));
    connection.Open();
    EXPECT_EQ(connection.Mode(), ShareMode::ReadOnly);
    EXPECT_THROW(connection.Execute("DELETE FROM Versie"), DatabaseError);
}

TEST_F(ConnectionTest, FailuresCarryTheEngineText)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(folder_.File("missing.db"), "Share Exclusive"));
    EXPECT_THROW(connection.Open(), DatabaseError);
    EXPECT_FALSE(connection.Connected());

    connection.SetConnectionString("c:\\NO IMPLICIT ADOCONNECTIONS ALLOWED");
    EXPECT_THROW(connection.Open(), DatabaseError);

    const std::string damaged = folder_.File("damaged.db");
    FILE* out = std::fopen(damaged.c_str(), "w");
    std::fputs("this is not a database, just some text that is long enough to be a header", out);
    std::fclose(out);
    connection.SetConnectionString(ConnectionString(damaged, "Share Deny Read|Share Deny Write"));
    try {
        connection.Open();
        FAIL() << "a damaged file opened";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("not a database"), std::string::npos) << error.what();
    }

    connection.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    connection.Open();
    try {
        connection.Execute("SELECT * FROM Bestaatniet");
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "no such table: Bestaatniet");
    }
}

TEST_F(ConnectionTest, LockPropertiesBecomeTheBusyTimeout)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    connection.Open();
    connection.SetProperty("Jet OLEDB:Lock Delay", Value::Integer(40));
    connection.SetProperty("Jet OLEDB:Lock Retry", Value::Integer(150));
    connection.SetProperty("Jet OLEDB:Sandbox Mode", Value::Boolean(true));
    EXPECT_EQ(connection.BusyTimeout(), 6000);
    EXPECT_TRUE(connection.Property("jet oledb:sandbox mode").AsBoolean());
    EXPECT_TRUE(connection.Property("Jet OLEDB:Flush Transaction Timeout").IsNull());
}

TEST_F(ConnectionTest, TransactionsCommitAndRollBack)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    connection.Open();
    EXPECT_FALSE(connection.InTransaction());
    connection.BeginTrans();
    EXPECT_TRUE(connection.InTransaction());
    connection.Execute("INSERT INTO Werkgever (Werkgeversnummer) VALUES (7)");
    connection.RollbackTrans();
    EXPECT_FALSE(connection.InTransaction());
    connection.BeginTrans();
    connection.Execute("INSERT INTO Werkgever (Werkgeversnummer) VALUES (8)");
    connection.CommitTrans();

    Query count(connection, "SELECT COUNT(*) AS Aantal, MAX(Werkgeversnummer) + 1 AS Volgende FROM Werkgever");
    count.Open();
    EXPECT_EQ(count.AsInteger("Aantal"), 1);
    EXPECT_EQ(count.AsInteger("Volgende"), 9);
}

TEST_F(ConnectionTest, SchemaInformationDescribesColumnsAndKeys)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    connection.Open();
    const auto columns = connection.Columns("werkgever");
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[0].Name, "Werkgeversnummer");
    EXPECT_EQ(columns[0].Type, FieldType::Integer);
    EXPECT_FALSE(columns[0].Nullable);
    EXPECT_EQ(columns[1].Type, FieldType::Text);
    EXPECT_EQ(columns[1].Size, 50);
    EXPECT_FALSE(columns[1].Nullable);
    EXPECT_EQ(columns[1].Default, "'x'");
    EXPECT_EQ(columns[2].Type, FieldType::Double);
    EXPECT_TRUE(columns[2].Nullable);
    EXPECT_EQ(columns[3].Type, FieldType::Boolean);
    EXPECT_EQ(columns[4].Type, FieldType::DateTime);
    EXPECT_EQ(connection.PrimaryKey("Werkgever"), std::vector<std::string>{"Werkgeversnummer"});
    EXPECT_TRUE(connection.PrimaryKey("Versie").empty());
    EXPECT_TRUE(connection.TableExists("VERSIE"));
    EXPECT_FALSE(connection.TableExists("Bestaatniet"));
    EXPECT_THROW(connection.Columns("Bestaatniet"), DatabaseError);
}

TEST_F(ConnectionTest, AQueryOnAClosedConnectionOpensItAgain)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file_, "Share Deny Read|Share Deny Write"));
    connection.Open();
    connection.Close();
    Query versie(connection, "SELECT * FROM Versie");
    versie.Open();
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(versie.AsInteger("Versie"), 202001);
}
