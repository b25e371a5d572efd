#include "db/DatabaseError.h"
#include "db/Value.h"

#include <gtest/gtest.h>

using namespace vkt;
using namespace vkt::db;

TEST(Value, NullReadsAsZeroFalseAndEmpty)
{
    const Value null;
    EXPECT_EQ(null.AsInteger(), 0);
    EXPECT_EQ(null.AsDouble(), 0.0);
    EXPECT_FALSE(null.AsBoolean());
    EXPECT_EQ(null.AsText(), "");
    EXPECT_EQ(null.AsDateTime(), 0.0);
}

TEST(Value, ConvertsBetweenTypes)
{
    EXPECT_EQ(Value::Text("12,5").AsDouble(), 12.5);
    EXPECT_EQ(Value::Text(" 12.5 ").AsDouble(), 12.5);
    EXPECT_EQ(Value::Text("42").AsInteger(), 42);
    EXPECT_TRUE(Value::Text("True").AsBoolean());
    EXPECT_EQ(Value::Double(1234.5).AsText(), "1234,5");
    EXPECT_EQ(Value::Boolean(true).AsText(), "True");
    EXPECT_EQ(Value::Integer(3).AsDouble(), 3.0);
    EXPECT_EQ(Value::DateTime(EncodeDate(2020, 7, 1)).AsText(), "01-07-2020");
    EXPECT_EQ(Value::Text("2020-07-01 00:00:00").AsDateTime(), EncodeDate(2020, 7, 1));
}

TEST(Value, MalformedTextsAreRefusedWithTheirText)
{
    try {
        Value::Text("12a").AsDouble();
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid floating point value");
    }
    EXPECT_THROW(Value::Text("").AsInteger(), DatabaseError);
    EXPECT_THROW(Value::Text("ja").AsBoolean(), DatabaseError);
    EXPECT_THROW(Value::Text("31-02-2020").AsDateTime(), DatabaseError);
}
