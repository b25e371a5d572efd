#include "db/SQLOutputSet.h"

#include "db/Parameters.h"
#include "db/Query.h"
#include "WerknemersVerbinding.h"

#include <gtest/gtest.h>

namespace vkt::db {
namespace {

using test::KleineDatabase;
using test::Message;

const char* const kSchema = "CREATE TABLE T (A INTEGER NOT NULL, B VARCHAR(10) NOT NULL, Naam VARCHAR(20), "
                            "Bedrag CURRENCY, Datum DATETIME, Vlag BOOLEAN, PRIMARY KEY (A, B));"
                            "INSERT INTO T (A, B, Naam) VALUES (1, 'x', 'Jan');"
                            "CREATE TABLE Z (X INTEGER);";

class SQLOutputSetTest : public ::testing::Test {
protected:
    SQLOutputSetTest() : db_(kSchema)
    {
        set_.SetConnection(&db_.Verbinding());
        set_.SetTableName("T");
        set_.Open();
    }

    std::string Row(const std::string& columns, const std::string& where = "A = 1 AND B = 'x'")
    {
        Query query(db_.Verbinding(), "SELECT " + columns + " AS r FROM T WHERE " + where);
        query.Open();
        return query.Eof() ? "no row" : query.AsText("r");
    }

    int Count() { return std::stoi(Row("count(*)", "1 = 1")); }

    KleineDatabase db_;
    TZNOADOSQLOutputSet set_;
};

TEST_F(SQLOutputSetTest, InsertsWithTypedParametersAndNulls)
{
    std::string statement;
    set_.BeforeExecuteSQL = [&](TZNOSQLOutputSet&, std::string& text, bool&) { statement = text; };
    set_.Insert();
    set_.FieldValue("a").SetAsString("2"); // a key-list text written to an integer column
    set_.FieldValue("B").SetAsString("y");
    set_.FieldValue("Bedrag").SetAsString("12,5");
    set_.FieldValue("Datum").SetAsDateTime(EncodeDate(2020, 7, 1));
    set_.FieldValue("Vlag").SetAsBoolean(true);
    set_.FieldValue("Naam"); // stays null
    set_.Post();

    EXPECT_EQ(statement, "INSERT INTO T(A,B,BEDRAG,DATUM,VLAG,NAAM)\nVALUES (:A,:B,:BEDRAG,:DATUM,:VLAG,:NAAM)");
    const std::string where = "A = 2 AND B = 'y'";
    EXPECT_EQ(Row("typeof(A) || ' ' || A", where), "integer 2");
    EXPECT_EQ(Row("typeof(Bedrag) || ' ' || Bedrag", where), "real 12.5");
    EXPECT_EQ(Row("typeof(Datum) || ' ' || Datum", where), "text 2020-07-01 00:00:00");
    EXPECT_EQ(Row("typeof(Vlag) || ' ' || Vlag", where), "integer 1");
    EXPECT_EQ(Row("typeof(Naam)", where), "null");
    EXPECT_EQ(set_.State(), TDataState::Idle);
    EXPECT_TRUE(set_.FieldValues().empty());
    EXPECT_EQ(set_.SQL(), "");
}

TEST_F(SQLOutputSetTest, UpdatesAndDeletesTheRowItsKeyNames)
{
    std::string statement;
    set_.BeforeExecuteSQL = [&](TZNOSQLOutputSet&, std::string& text, bool&) { statement = text; };
    set_.Edit();
    set_.KeyValue("a").SetAsInteger(1);
    set_.KeyValue("b").SetAsString("x");
    set_.FieldValue("Naam").SetAsString("Piet");
    set_.FieldValue("Vlag").SetAsBoolean(false);
    set_.Post();
    EXPECT_EQ(statement, "UPDATE T\nSET NAAM = :NAAM, VLAG = :VLAG\nWHERE A = :A AND B = :B");
    EXPECT_EQ(Row("Naam || ' ' || Vlag"), "Piet 0");

    set_.Delete();
    EXPECT_EQ(set_.SQL(), "DELETE FROM T\nWHERE A = :A AND B = :B");
    set_.Post();
    EXPECT_EQ(Count(), 0);
}

TEST_F(SQLOutputSetTest, AnUpdateOrDeleteThatMatchesNoRowFails)
{
    set_.KeyValue("A").SetAsInteger(9);
    set_.KeyValue("B").SetAsString("x");
    set_.Edit();
    set_.FieldValue("Naam").SetAsString("Piet");
    EXPECT_EQ(Message([&] { set_.Post(); }), "More or less than one row is selected");
    EXPECT_EQ(set_.State(), TDataState::Idle);
    EXPECT_TRUE(set_.FieldValues().empty());

    set_.Delete();
    EXPECT_EQ(Message([&] { set_.Post(); }), "More or less than one row is selected");
    EXPECT_EQ(Count(), 1);
}

TEST_F(SQLOutputSetTest, PostWithoutValuesExecutesNothing)
{
    bool called = false;
    set_.BeforeExecuteSQL = [&](TZNOSQLOutputSet&, std::string&, bool&) { called = true; };
    for (auto start : {&TZNOSQLOutputSet::Insert, &TZNOSQLOutputSet::Edit}) {
        (set_.*start)();
        set_.Post();
        EXPECT_EQ(set_.State(), TDataState::Idle);
    }
    EXPECT_FALSE(called);
    EXPECT_EQ(Count(), 1);
}

TEST_F(SQLOutputSetTest, AVetoingHandlerSuppressesTheStatementAndTheRowCheck)
{
    set_.BeforeExecuteSQL = [](TZNOSQLOutputSet&, std::string&, bool& mayExecute) { mayExecute = false; };
    set_.KeyValue("A").SetAsInteger(9);
    set_.Delete();
    set_.Post();
    set_.Insert();
    set_.FieldValue("A").SetAsInteger(5);
    set_.FieldValue("B").SetAsString("z");
    set_.Post();
    EXPECT_EQ(set_.State(), TDataState::Idle);
    EXPECT_EQ(Count(), 1);
}

TEST_F(SQLOutputSetTest, ParametersTheHandlerAssignsStayInForce)
{
    set_.BeforeExecuteSQL = [](TZNOSQLOutputSet& sender, std::string&, bool&) {
        static_cast<TZNOADOSQLOutputSet&>(sender).Param("b").SetText("x");
    };
    set_.KeyValue("A").SetAsInteger(1);
    set_.KeyValue("B").SetAsString("elsewhere");
    set_.Edit();
    set_.FieldValue("Naam").SetAsString("Klaas");
    set_.Post();
    EXPECT_EQ(Row("Naam"), "Klaas");
}

TEST_F(SQLOutputSetTest, AChangedStatementKeepsTheValuesOfItsParameters)
{
    set_.BeforeExecuteSQL = [](TZNOSQLOutputSet&, std::string& text, bool&) { text += " AND Naam = 'Jan'"; };
    set_.KeyValue("A").SetAsInteger(1);
    set_.KeyValue("B").SetAsString("x");
    set_.Edit();
    set_.FieldValue("Bedrag").SetAsFloat(3.25);
    set_.Post();
    EXPECT_EQ(Row("Bedrag"), "3,25");
}

TEST_F(SQLOutputSetTest, AnUpdateMayNotMoveTheRowToAnotherKey)
{
    db_.Verbinding().Execute("INSERT INTO T (A, B, Naam) VALUES (2, 'x', 'Kees')");
    set_.KeyValue("A").SetAsInteger(1);
    set_.KeyValue("B").SetAsString("x");
    set_.Edit();
    set_.FieldValue("A").SetAsString("1"); // the same key written again is fine
    set_.FieldValue("Naam").SetAsString("Piet");
    set_.Post();
    EXPECT_EQ(Row("Naam"), "Piet");

    set_.Edit();
    set_.FieldValue("A").SetAsInteger(2);
    set_.FieldValue("Naam").SetAsString("Klaas");
    EXPECT_EQ(Message([&] { set_.Post(); }), "Primary key field A cannot be changed");
    EXPECT_EQ(Row("Naam", "A = 2"), "Kees");
    EXPECT_EQ(set_.State(), TDataState::Idle);
}

TEST_F(SQLOutputSetTest, FieldValueIgnoresLetterCase)
{
    set_.Insert();
    EXPECT_EQ(&set_.FieldValue("naam"), &set_.FieldValue("NAAM"));
    EXPECT_EQ(set_.FieldValues().front().Name, "NAAM");
    EXPECT_EQ(set_.KeyValues().front().Name, "A");
    EXPECT_EQ(Message([&] { set_.KeyValue("Naam"); }), "Invalid primary key field");
}

TEST_F(SQLOutputSetTest, InsertWhileEditingIsRefusedAndKeepsTheEditValues)
{
    set_.Edit();
    set_.FieldValue("Naam").SetAsString("Piet");
    EXPECT_EQ(Message([&] { set_.Insert(); }), "Dataset already in edit, insert or delete mode");
    EXPECT_EQ(set_.State(), TDataState::Edit);
    ASSERT_EQ(set_.FieldValues().size(), 1u);
    EXPECT_EQ(set_.FieldValues().front().Value.AsString(), "Piet");
}

TEST_F(SQLOutputSetTest, AnEngineErrorTravelsUpAndLeavesTheSetIdle)
{
    set_.Insert();
    set_.FieldValue("A").SetAsInteger(3); // B may not be NULL
    EXPECT_NE(Message([&] { set_.Post(); }).find("NOT NULL"), std::string::npos);
    EXPECT_EQ(set_.State(), TDataState::Idle);
    EXPECT_TRUE(set_.FieldValues().empty());
}

TEST_F(SQLOutputSetTest, RefusesWhatItsStateDoesNotAllow)
{
    EXPECT_EQ(Message([&] { set_.Post(); }), "Dataset not in edit or insert mode");
    EXPECT_EQ(Message([&] { set_.Cancel(); }), "Dataset not in edit, insert or delete mode");
    set_.Insert();
    set_.Cancel();
    EXPECT_EQ(set_.State(), TDataState::Idle);
    set_.Close();
    EXPECT_EQ(Message([&] { set_.Insert(); }), "Cannot perform this operation on a closed dataset");
}

TEST_F(SQLOutputSetTest, TellsTheColumnsOfItsTable)
{
    EXPECT_EQ(set_.GetFieldNames(), (std::vector<std::string>{"A", "B", "Naam", "Bedrag", "Datum", "Vlag"}));
    EXPECT_EQ(set_.FieldType("datum"), ftDateTime);
    EXPECT_EQ(set_.FieldSize("Naam"), 20);
    EXPECT_TRUE(set_.FieldRequired("B"));
    EXPECT_FALSE(set_.FieldRequired("Naam"));
}

TEST_F(SQLOutputSetTest, RunsTransactionsOnItsConnection)
{
    set_.StartTransaction();
    EXPECT_TRUE(set_.InTransaction());
    set_.Delete();
    set_.KeyValue("A").SetAsInteger(1);
    set_.KeyValue("B").SetAsString("x");
    set_.Post();
    set_.Rollback();
    EXPECT_FALSE(set_.InTransaction());
    EXPECT_EQ(Count(), 1);
}

TEST(SQLOutputSet, OpensOnlyWithATableAConnectionAndAPrimaryKey)
{
    KleineDatabase db(kSchema);
    TZNOADOSQLOutputSet set;
    set.Open();
    EXPECT_FALSE(set.IsOpen()); // no table name: stays closed without complaint
    EXPECT_EQ(Message([&] { set.Insert(); }), "Cannot perform this operation on a closed dataset");

    set.SetTableName("T");
    EXPECT_EQ(Message([&] { set.Open(); }), "Missing connection property");
    EXPECT_EQ(Message([&] { set.InTransaction(); }), "Missing connection property");

    set.SetConnection(&db.Verbinding());
    set.SetTableName("Z");
    EXPECT_EQ(Message([&] { set.Open(); }),
              "DBDescription PrimaryKeyConstraint: Table \"Z\" does not have a primary key, which is not supported.");
    EXPECT_FALSE(set.IsOpen());
}

TEST(SQLOutputSet, PostWithoutConnectionDropsTheValues)
{
    KleineDatabase db(kSchema);
    TZNOADOSQLOutputSet set;
    set.SetConnection(&db.Verbinding());
    set.SetTableName("T");
    set.Open();
    set.Insert();
    set.FieldValue("A").SetAsInteger(4);
    set.SetConnection(nullptr);
    EXPECT_EQ(Message([&] { set.Post(); }), "Missing connection property");
    EXPECT_EQ(set.State(), TDataState::Idle);
    EXPECT_TRUE(set.FieldValues().empty());
}

TEST(SQLOutputSet, WritesTheEmployeeTableInTheFormItsColumnsAsk)
{
    test::WerknemersVerbinding db;
    TZNOADOSQLOutputSet set;
    set.SetConnection(&db.Verbinding());
    set.SetTableName("Werknemersgegevens");
    set.Open();
    std::string statement;
    set.BeforeExecuteSQL = [&](TZNOSQLOutputSet&, std::string& text, bool& mayExecute) {
        statement = text;
        mayExecute = false;
    };
    set.Insert();
    set.FieldValue("Naam").SetAsString("A. Jansen");
    set.FieldValue("Tabelkleur").SetAsInteger(0);
    set.Post();
    EXPECT_EQ(statement, "INSERT INTO Werknemersgegevens(NAAM,TABELKLEUR)\nVALUES (:NAAM,:TABELKLEUR)");
    ASSERT_EQ(set.KeyValues().size(), 4u);
    EXPECT_EQ(set.KeyValues().back().Name, "Hersteldatum");
}

} // namespace
} // namespace vkt::db
