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

TEST(Value, MalformedTextsAreRefusedWithTheirTextInDutch)
{
    const struct {
        Value waarde;
        std::string (*lees)(const Value&);
        std::string melding;
    } kGevallen[] = {
        {Value::Text("12a"), [](const Value& v) { return std::to_string(v.AsDouble()); }, "'12a' is geen getal"},
        {Value::Text("zes"), [](const Value& v) { return std::to_string(v.AsInteger()); },
         "'zes' is geen geheel getal"},
        // A real beyond the 64-bit range has no nearest integer to round to.
        {Value::Double(1e20), [](const Value& v) { return std::to_string(v.AsInteger()); },
         "'1e+20' is geen geheel getal dat het programma kan lezen"},
        {Value::Double(-1e300), [](const Value& v) { return std::to_string(v.AsInteger()); },
         "'-1e+300' is geen geheel getal dat het programma kan lezen"},
        {Value::Text("misschien"), [](const Value& v) { return std::to_string(v.AsBoolean()); },
         "'misschien' is geen ja of nee"},
        {Value::Text("31-02-2020"), [](const Value& v) { return std::to_string(v.AsDateTime()); },
         "'31-02-2020' is geen datum"},
        // A hostile stored text is quoted short and with its control characters visible.
        {Value::Text("a\tb\x1b" + std::string(100, 'x')), [](const Value& v) { return std::to_string(v.AsDouble()); },
         "'a\\x09b\\x1B" + std::string(56, 'x') + "…' is geen getal"},
    };
    for (const auto& geval : kGevallen) {
        try {
            ADD_FAILURE() << geval.lees(geval.waarde);
        } catch (const DatabaseError& error) {
            EXPECT_EQ(std::string(error.what()), geval.melding);
        }
    }
    EXPECT_EQ(Value::Double(6.0).AsInteger(), 6);
    EXPECT_THROW(Value::Text("").AsInteger(), DatabaseError);
    EXPECT_THROW(Value::Text("ja").AsBoolean(), DatabaseError);
}
