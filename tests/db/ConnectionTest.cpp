#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "support/TempFolder.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <filesystem>
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

std::string Bytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The message of the error that opening the file in that mode gives; empty
// when it opened.
std::string OpenError(const std::string& file, const std::string& mode)
{
    Connection connection;
    connection.SetConnectionString(ConnectionString(file, mode));
    try {
        connection.Open();
        return {};
    } catch (const DatabaseError& error) {
        EXPECT_FALSE(connection.Connected());
        return error.what();
    }
}

} // namespace

TEST_F(ConnectionTest, AFileThatIsNoDatabaseIsRefusedAndLeftAsItIsInEveryMode)
{
    const std::string database = Bytes(file_);
    const struct {
        std::string bytes;
        const char* message;
    } kFiles[] = {
        // The first transaction would make an empty or short file a database.
        {"", "Het bestand is leeg, dus geen database: "},
        {database.substr(0, 50), "Het databasebestand is beschadigd (database disk image is malformed)"},
        {"geen database, maar tekst van voldoende lengte voor een kop van honderd tekens en nog wat meer ook",
         "Het bestand is geen database (file is not a database)"},
        {std::string(8192, '\xA5'), "Het bestand is geen database (file is not a database)"},
    };
    const std::string damaged = folder_.File("damaged.db");
    for (const auto& file : kFiles)
        for (const char* mode : {"Share Exclusive", "Share Deny None", "Share Deny Read|Share Deny Write"}) {
            SCOPED_TRACE(std::to_string(file.bytes.size()) + " bytes, " + mode);
            Write(damaged, file.bytes);
            EXPECT_NE(OpenError(damaged, mode).find(file.message), std::string::npos) << OpenError(damaged, mode);
            EXPECT_EQ(Bytes(damaged), file.bytes);
        }
}

TEST_F(ConnectionTest, AReaderRecoversTheJournalOfASaveWhoseProgramWasKilled)
{
    // A writer killed in the middle of a save leaves its journal beside a
    // half-written file; the engine plays it back for the next connection
    // that may write, which a reader now opens briefly for it.
    const int outcome = InChildProcess([&] {
        Connection writer;
        writer.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
        writer.Open();
        writer.Execute("PRAGMA cache_size = 2");
        writer.BeginTrans();
        for (int i = 0; i < 500; ++i)
            writer.Execute("INSERT INTO Werkgever (Werkgeversnummer, Naam) VALUES (" + std::to_string(i + 10) +
                           ", '" + std::string(200, 'n') + "')");
        std::fflush(nullptr);
        _exit(0);
        return 0;
    });
    ASSERT_EQ(outcome, 0);
    ASSERT_TRUE(std::filesystem::exists(file_ + "-journal"));

    Connection reader;
    reader.SetConnectionString(ConnectionString(file_, "Share Deny Read|Share Deny Write"));
    reader.Open();
    Query count(reader, "SELECT COUNT(*) AS Aantal FROM Werkgever");
    count.Open();
    EXPECT_EQ(count.AsInteger("Aantal"), 0);
    Query check(reader, "PRAGMA integrity_check");
    check.Open();
    EXPECT_EQ(check.AsText("integrity_check"), "ok");
    EXPECT_THROW(reader.Execute("DELETE FROM Versie"), DatabaseError);
}

TEST_F(ConnectionTest, EngineErrorsAreToldInDutchWithTheEngineTextAfterThem)
{
    Connection writer;
    writer.SetConnectionString(ConnectionString(file_, "Share Exclusive"));
    writer.Open();
    writer.Execute("INSERT INTO Werkgever (Werkgeversnummer) VALUES (1)");
    Connection reader;
    reader.SetConnectionString(ConnectionString(folder_.File("copy.db"), "Read"));
    test::CreateDatabase(folder_.File("copy.db"), "CREATE TABLE T (N INTEGER)");
    reader.Open();
    const struct {
        Connection* connection;
        const char* sql;
        const char* message;
    } kCases[] = {
        {&reader, "INSERT INTO T VALUES (1)",
         "De database kan niet worden beschreven: het bestand of de map is alleen te lezen (attempt to write a "
         "readonly database)"},
        {&writer, "INSERT INTO Werkgever (Werkgeversnummer) VALUES (1)",
         "Er staat al een rij met dezelfde sleutel in de database (UNIQUE constraint failed: "
         "Werkgever.Werkgeversnummer)"},
        {&writer, "SELECT Bestaatniet FROM Werkgever", "De kolom Bestaatniet ontbreekt in de database (no such "
                                                       "column: Bestaatniet)"},
        // A file that may not grow is as full as a full disk.
        {&writer, "PRAGMA max_page_count = 1; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                  "WHERE i < 10) INSERT INTO Werkgever (Werkgeversnummer, Naam) SELECT i + 100, printf('%.4000c', "
                  "'x') FROM n",
         "De schijf is vol: de database kon niet worden bijgewerkt (database or disk is full)"},
    };
    for (const auto& c : kCases) {
        try {
            c.connection->Execute(c.sql);
            ADD_FAILURE() << c.sql;
        } catch (const DatabaseError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

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
        EXPECT_STREQ(error.what(), "De tabel Bestaatniet ontbreekt in de database (no such table: Bestaatniet)");
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
