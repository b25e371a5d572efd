#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vkt;
using namespace vkt::db;

namespace {

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string file = folder_.File("query.db");
        test::CreateDatabase(file, R"(
            CREATE TABLE Heffingsgegevens (Werkgeversnummer INTEGER, Werknemersnummer INTEGER,
                Ingangsdatum DATETIME, DagTabelToepassen BOOLEAN, SVDagen DOUBLE);
            CREATE TABLE GrondslagWN (Werkgeversnummer INTEGER, Werknemersnummer INTEGER,
                Ingangsdatum DATETIME, FormuleWW VARCHAR(255));
            INSERT INTO Heffingsgegevens VALUES (1, 1, '9999-12-31 00:00:00', 0, 21.67),
                (1, 2, '9999-12-31 00:00:00', 1, 1), (1, 3, '2020-01-01 00:00:00', 0, NULL);
            INSERT INTO GrondslagWN VALUES (1, 2, '9999-12-31 00:00:00', '[Brutoloon]');
            CREATE TABLE Namen (Naam VARCHAR(50));
            INSERT INTO Namen VALUES ('Jansen'), ('o''Neill'), ('émile');
        )");
        connection_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file +
                                        ";Mode=Share Exclusive");
        connection_.Open();
    }

    test::TempFolder folder_;
    Connection connection_;
};

} // namespace

TEST_F(QueryTest, ReadsForwardWithTypedFieldsAndARowCount)
{
    Query query(connection_, "SELECT * FROM Heffingsgegevens WHERE Ingangsdatum = :Ingangsdatum "
                             "ORDER BY Werknemersnummer");
    query.Param("ingangsdatum").SetDateTime(EncodeDate(9999, 12, 31));
    query.Open();
    EXPECT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(query.AsInteger("werknemersnummer"), 1);
    EXPECT_DOUBLE_EQ(query.AsDouble("SVDagen"), 21.67);
    EXPECT_FALSE(query.AsBoolean("DagTabelToepassen"));
    EXPECT_EQ(query.AsDateTime("Ingangsdatum"), EncodeDate(9999, 12, 31));
    EXPECT_EQ(query.FieldByName("Ingangsdatum").Type(), FieldType::DateTime);
    query.Next();
    EXPECT_TRUE(query.AsBoolean("DagTabelToepassen"));
    query.Next();
    EXPECT_TRUE(query.Eof());
    EXPECT_TRUE(query.IsNull("SVDagen")); // past the end every field reads as null
    query.First();
    EXPECT_EQ(query.AsInteger("Werknemersnummer"), 1);
}

TEST_F(QueryTest, AbsentFieldsAreToldApart)
{
    Query query(connection_, "SELECT Werknemersnummer FROM Heffingsgegevens");
    query.Open();
    EXPECT_FALSE(query.HasField("OmschrijvingLC"));
    try {
        query.FieldByName("OmschrijvingLC");
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Het veld OmschrijvingLC ontbreekt");
    }
}

TEST_F(QueryTest, AStoredValueThatCannotBeReadIsToldWithItsField)
{
    connection_.Execute("UPDATE Heffingsgegevens SET Werknemersnummer = 'zes', SVDagen = 'veel' WHERE "
                        "Werknemersnummer = 2");
    Query query(connection_, "SELECT * FROM Heffingsgegevens WHERE Werknemersnummer = 'zes'");
    query.Open();
    try {
        query.AsInteger("werknemersnummer");
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Het veld werknemersnummer: 'zes' is geen geheel getal");
    }
    EXPECT_THROW(query.AsDouble("SVDagen"), DatabaseError);
    EXPECT_TRUE(query.AsBoolean("DagTabelToepassen"));
}

TEST_F(QueryTest, ParametersAreMatchedWithoutRegardToCaseAndMayRepeat)
{
    Query insert(connection_, "INSERT INTO Heffingsgegevens (Werkgeversnummer, Werknemersnummer, SVDagen) "
                              "VALUES (:Nummer, :NUMMER, :Dagen)");
    EXPECT_EQ(insert.Params().Count(), 2u);
    insert.Param("nummer").SetInteger(9);
    insert.Param("Dagen").SetNull();
    EXPECT_EQ(insert.ExecSQL(), 1);
    EXPECT_THROW(insert.Param("Onbekend"), DatabaseError);

    Query update(connection_, "UPDATE Heffingsgegevens SET SVDagen = 5 WHERE Werknemersnummer > :n");
    update.Param("N").SetInteger(1);
    EXPECT_EQ(update.ExecSQL(), 3);

    // A colon inside a quoted text is no parameter.
    Query text(connection_, "SELECT ':Geen' AS T, UCase('abc:d') AS U");
    EXPECT_EQ(text.Params().Count(), 0u);
    text.Open();
    EXPECT_EQ(text.AsText("T"), ":Geen");
    EXPECT_EQ(text.AsText("U"), "ABC:D");
}

TEST_F(QueryTest, JoinedColumnsOfOneNameAreReachedThroughTheirTable)
{
    Query query(connection_, "SELECT * FROM Heffingsgegevens LEFT JOIN GrondslagWN ON "
                             "Heffingsgegevens.Werknemersnummer = GrondslagWN.Werknemersnummer "
                             "ORDER BY Heffingsgegevens.Werknemersnummer");
    query.Open();
    EXPECT_TRUE(query.IsNull("GrondslagWN.Ingangsdatum"));
    EXPECT_FALSE(query.IsNull("Heffingsgegevens.Ingangsdatum"));
    query.SetFilter("Heffingsgegevens.Werknemersnummer = 2");
    query.SetFiltered(true);
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_FALSE(query.IsNull("GrondslagWN.Ingangsdatum"));
    EXPECT_EQ(query.AsText("FormuleWW"), "[Brutoloon]");
    query.SetFilter("Heffingsgegevens.Werknemersnummer = -1");
    EXPECT_EQ(query.RecordCount(), 0);
    query.SetFiltered(false);
    EXPECT_EQ(query.RecordCount(), 3);
    query.SetFilter("Onbekend = 1");
    EXPECT_THROW(query.SetFiltered(true), DatabaseError);
}

TEST_F(QueryTest, FiltersLocateAndRequery)
{
    Query query(connection_, "SELECT * FROM Namen");
    query.Open();
    query.SetFilter("Naam = 'o''Neill'");
    query.SetFiltered(true);
    EXPECT_EQ(query.RecordCount(), 1);
    query.SetFiltered(false);

    EXPECT_TRUE(query.Locate("Naam", Value::Text("émile")));
    EXPECT_EQ(query.AsText("Naam"), "émile");
    EXPECT_FALSE(query.Locate("Naam", Value::Text("Pietersen")));
    EXPECT_EQ(query.AsText("Naam"), "émile"); // a failed locate does not move

    Query select(connection_, "SELECT Naam FROM Namen WHERE UCase(Naam) = UCase(:Naam)");
    select.Param("Naam").SetText("ÉMILE");
    select.Open();
    EXPECT_EQ(select.RecordCount(), 1);
    connection_.Execute("INSERT INTO Namen VALUES ('Émile')");
    select.Requery();
    EXPECT_EQ(select.RecordCount(), 2);
}

TEST_F(QueryTest, AWholeTableOpensByName)
{
    Table table(connection_, "Namen");
    table.Open();
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(table.FieldNames(), std::vector<std::string>{"Naam"});
}
