#include "db/DBDescription.h"

#include "common/Exception.h"
#include "db/Query.h"
#include "WerknemersVerbinding.h"

#include <gtest/gtest.h>

namespace vkt::db {
namespace {

using test::KleineDatabase;
using test::Message;
using test::WerknemersVerbinding;

TEST(DBDescription, DescribesTheEmployeeTableFromItsSchema)
{
    WerknemersVerbinding db;
    const TTableDescription& table = db.Verbinding().DBDescription().TableByName("Werknemersgegevens");

    ASSERT_EQ(table.FieldCount(), 18);
    EXPECT_EQ(table.Fields(0).Name, "Werkgeversnummer");
    const TFieldDescription& naam = table.FieldByName("NAAM");
    EXPECT_EQ(naam.FieldType, ftString);
    EXPECT_EQ(naam.Size, 50);
    EXPECT_TRUE(naam.Nullable);
    const TFieldDescription& nummer = table.FieldByName("werknemersnummer");
    EXPECT_EQ(nummer.FieldType, ftInteger);
    EXPECT_EQ(nummer.Size, 11);
    EXPECT_FALSE(nummer.Nullable);
    EXPECT_EQ(table.FieldByName("Ingangsdatum").FieldType, ftDateTime);
    EXPECT_EQ(table.FieldByName("Ingangsdatum").Size, 19);
    EXPECT_EQ(table.FieldByName("CodeLoonheffingskorting").FieldType, ftBoolean);
    EXPECT_EQ(table.FieldByName("CodeLoonheffingskorting").Default, "0");
    EXPECT_EQ(table.FieldByName("Vastloon").FieldType, ftFloat);
    EXPECT_EQ(table.FieldByName("Deeltijdpercentage").Default, "100");
    EXPECT_EQ(table.FieldByName("Geboortedatum").Default, "");

    const TConstraintDescription& key = table.PrimaryKeyConstraint();
    ASSERT_EQ(key.ColumnCount(), 4);
    EXPECT_EQ(key.Columns(0).Name, "Werkgeversnummer");
    EXPECT_EQ(key.Columns(3).Name, "Hersteldatum");
    EXPECT_EQ(&table.ConstraintByName("primarykey"), &key);
}

TEST(DBDescription, AnswersALaterLookUpInOtherLetterCaseFromTheCache)
{
    WerknemersVerbinding db;
    TDBDescription& description = db.Verbinding().DBDescription();
    const TTableDescription& first = description.TableByName("Werknemersgegevens");
    description.TableByName("Heffingsgegevens");

    EXPECT_EQ(&description.TableByName("werknemersgegevens"), &first);
    ASSERT_EQ(description.TableCount(), 2);
    EXPECT_EQ(description.Tables(0).Name(), "Werknemersgegevens");
    EXPECT_EQ(description.Tables(1).FieldByName("AwfPremieType").Default, "L");
}

TEST(DBDescription, UnknownTableFailsAndLeavesTheCacheAsItWas)
{
    WerknemersVerbinding db;
    TDBDescription& description = db.Verbinding().DBDescription();
    description.TableByName("Versie");

    EXPECT_EQ(Message([&] { description.TableByName("Bestaatniet"); }),
              "GetFieldDescription: Table or synonym \"Bestaatniet\" does not exists or is not accessable for this user");
    EXPECT_EQ(description.TableCount(), 1);
}

TEST(DBDescription, ATableWithoutPrimaryKeyLoadsButHasNoPrimaryKeyConstraint)
{
    WerknemersVerbinding db;
    const TTableDescription& table = db.Verbinding().DBDescription().TableByName("Versie");

    EXPECT_EQ(table.FieldCount(), 1);
    EXPECT_EQ(Message([&] { table.PrimaryKeyConstraint(); }),
              "DBDescription PrimaryKeyConstraint: Table \"Versie\" does not have a primary key, which is not supported.");
}

TEST(DBDescription, RefusesUnknownNamesAndIndexesWithItsOwnTexts)
{
    KleineDatabase db("CREATE TABLE T (A INTEGER PRIMARY KEY, B TEXT, C VARCHAR(4));"
                      "CREATE UNIQUE INDEX T_BC ON T (C, B);");
    const TTableDescription& table = db.Verbinding().DBDescription().TableByName("T");

    EXPECT_EQ(Message([&] { table.FieldByName("D"); }), "DBDescription FieldByName: Field: D does not exists in table: T");
    EXPECT_EQ(Message([&] { table.Fields(3); }), "DBDescription: Fields property out of bounds: 3");
    EXPECT_EQ(Message([&] { table.ConstraintByName("X"); }), "DBDescription ConstraintByName: Constraint does not exists: X");
    const TConstraintDescription& unique = table.ConstraintByName("t_bc");
    EXPECT_FALSE(unique.IsPrimaryKey());
    ASSERT_EQ(unique.ColumnCount(), 2);
    EXPECT_EQ(unique.Columns(0).Name, "C");
    EXPECT_EQ(Message([&] { unique.Columns(2); }), "DBDescription: Constraints property out of bounds: 2");
    EXPECT_TRUE(table.FieldByName("A").Nullable); // SQLite lets NULL pick the row id; the schema says nullable
}

TEST(DBDescription, NeedsAConnection)
{
    TDBDescription description;
    EXPECT_EQ(Message([&] { description.TableByName("T"); }), "The ADOConnection object is undefined (nil).");
    EXPECT_EQ(Message([&] { description.ConnectionParameters(); }), "ADOConnetion is still nil.");
    EXPECT_EQ(Message([&] { description.SetADOConnection(nullptr); }), "Cannot assign nil to property ADOConnection.");
}

TEST(DBDescription, ReadsTheConnectionStringAsLowerCasedNames)
{
    KleineDatabase db("CREATE TABLE T (A INTEGER);");
    TDBDescription& description = db.Verbinding().DBDescription();
    description.TableByName("T");
    ASSERT_EQ(description.ConnectionParameters().size(), 2u);
    EXPECT_EQ(description.ConnectionParameters()[1], "mode=Share Exclusive");
}

TEST(DBDescription, AReopenedConnectionReadsTheSchemaAgain)
{
    KleineDatabase db("CREATE TABLE T (A INTEGER);");
    TZNOADOConnection& connection = db.Verbinding();
    EXPECT_EQ(connection.DBDescription().TableByName("T").FieldCount(), 1);

    connection.Execute("ALTER TABLE T ADD COLUMN B INTEGER");
    EXPECT_EQ(connection.DBDescription().TableByName("T").FieldCount(), 1); // cached while open

    Connection& plain = connection; // closing through the base class flushes too
    plain.Close();
    EXPECT_EQ(connection.DBDescription().TableCount(), 0);
    connection.Open();
    EXPECT_EQ(connection.DBDescription().TableByName("T").FieldCount(), 2);
}

struct TypeCase {
    const char* declared;
    TFieldType type;
    int size;
};

TEST(DBDescription, MapsDeclaredTypesAndSizes)
{
    const TypeCase cases[] = {
        {"VARCHAR(50)", ftString, 50},   {"varchar ( 9 )", ftString, 9},  {"TEXT", ftString, 0},
        {"VARCHAR(0)", ftString, 0},     {"CHAR", ftString, 0},           {"INTEGER", ftInteger, 11},
        {"INT", ftInteger, 11},          {"SMALLINT", ftSmallint, 6},     {"BIGINT", ftLargeint, 24},
        {"BOOLEAN", ftBoolean, 5},       {"BIT", ftBoolean, 5},           {"DOUBLE", ftFloat, 24},
        {"DOUBLE PRECISION", ftFloat, 24}, {"REAL", ftFloat, 24},         {"CURRENCY", ftCurrency, 24},
        {"DECIMAL(10,2)", ftCurrency, 24}, {"NUMERIC(10)", ftLargeint, 24}, {"NUMERIC(10, 0)", ftLargeint, 24},
        {"DATETIME", ftDateTime, 19},    {"DATE", ftDateTime, 19},        {"BLOB", ftBlob, 0},
        {"", ftUnknown, 0},              {"JSON", ftUnknown, 0},
    };
    for (const TypeCase& c : cases) {
        const DeclaredType mapped = MapDeclaredType(c.declared);
        EXPECT_EQ(mapped.FieldType, c.type) << c.declared;
        EXPECT_EQ(mapped.Size, c.size) << c.declared;
    }
}

struct DefaultCase {
    const char* sqlDefault;
    TFieldType type;
    const char* expected;
};

TEST(DBDescription, NormalisesDefaultsByType)
{
    const DefaultCase cases[] = {
        {"'Ja'", ftBoolean, "-1"},
        {"'No'", ftBoolean, "0"},
        {"''", ftBoolean, "0"},
        {"1", ftBoolean, "-1"},
        {"TRUE", ftBoolean, "-1"},
        {"0", ftBoolean, "0"},
        {"'9999-12-31 00:00:00'", ftDateTime, "31-12-9999 00:00:00"},
        {"'#1/2/2020 3:04:05 PM#'", ftDateTime, "02-01-2020 15:04:05"},
        {"2.5", ftFloat, "2,5"},
        {"'1,234.5'", ftCurrency, "1234,5"},
        {"'L'", ftString, "L"},
        {"\"'x'\"", ftString, "x"},
        {"'", ftString, "'"},
        {"12", ftInteger, "12"},
    };
    for (const DefaultCase& c : cases)
        EXPECT_EQ(NormaliseDefault(c.sqlDefault, c.type), c.expected) << c.sqlDefault;
}

TEST(DBDescription, ReadsDefaultsThroughTheSchema)
{
    KleineDatabase db("CREATE TABLE T (A BOOLEAN DEFAULT 'Ja', B BOOLEAN DEFAULT 'No', C DATETIME DEFAULT '2020-07-01', "
                      "D DOUBLE DEFAULT 0.5, E VARCHAR(5) DEFAULT NULL, F BOOLEAN);");
    const TTableDescription& table = db.Verbinding().DBDescription().TableByName("T");
    EXPECT_EQ(table.FieldByName("A").Default, "-1");
    EXPECT_EQ(table.FieldByName("B").Default, "0");
    EXPECT_EQ(table.FieldByName("C").Default, "01-07-2020 00:00:00");
    EXPECT_EQ(table.FieldByName("D").Default, "0,5");
    EXPECT_EQ(table.FieldByName("E").Default, "");
    EXPECT_EQ(table.FieldByName("F").Default, "");
}

TEST(DBDescription, AnUnreadableDefaultFailsTheLoad)
{
    KleineDatabase db("CREATE TABLE T (A DATETIME DEFAULT '13/1/2020');");
    TDBDescription& description = db.Verbinding().DBDescription();
    EXPECT_EQ(Message([&] { description.TableByName("T"); }),
              "GetFieldDescription: ADODateTimeStringToDateTime: ongeldige maand: 13");
    EXPECT_EQ(description.TableCount(), 0);
}

} // namespace
} // namespace vkt::db
