#include "db/DBValue.h"

#include <gtest/gtest.h>

namespace vkt::db {
namespace {

TEST(DBValue, IsNullUntilSetAndAfterClear)
{
    TDBValue value;
    EXPECT_TRUE(value.IsNull());
    value.SetAsInteger(0);
    EXPECT_FALSE(value.IsNull());
    value.Clear();
    EXPECT_TRUE(value.IsNull());
    EXPECT_EQ(value.AsString(), "");
}

TEST(DBValue, ATextIsReadTheDutchWay)
{
    TDBValue number;
    number.SetAsString("12,75");
    EXPECT_DOUBLE_EQ(static_cast<double>(number.AsFloat()), 12.75);
    EXPECT_EQ(number.AsInteger(), 12);
    EXPECT_TRUE(number.AsBoolean());
    EXPECT_EQ(number.AsDateTime(), 0);

    TDBValue date;
    date.SetAsString("01-07-2020");
    EXPECT_EQ(date.AsDateTime(), EncodeDate(2020, 7, 1));
    EXPECT_EQ(date.AsFloat(), 0); // not a number

    TDBValue text;
    text.SetAsString("TRUE");
    EXPECT_FALSE(text.AsBoolean()); // booleans come from the number a text reads as
}

TEST(DBValue, NumbersDatesAndBooleansFillTheOtherViews)
{
    TDBValue number;
    number.SetAsFloat(-1234.5);
    EXPECT_EQ(number.AsString(), "-1234,5");
    EXPECT_EQ(number.AsInteger(), -1234);

    TDBValue large;
    large.SetAsFloat(1e12);
    EXPECT_EQ(large.AsInteger(), 0); // does not fit

    TDBValue date;
    date.SetAsDateTime(EncodeDate(2020, 7, 1) + 0.75);
    EXPECT_EQ(date.AsString(), "01-07-2020");
    EXPECT_EQ(date.AsInteger(), static_cast<int>(EncodeDate(2020, 7, 1)));

    TDBValue yes;
    yes.SetAsBoolean(true);
    EXPECT_EQ(yes.AsString(), "TRUE");
    EXPECT_EQ(yes.AsInteger(), -1);
    TDBValue no;
    no.SetAsBoolean(false);
    EXPECT_EQ(no.AsString(), "FALSE");
    EXPECT_FALSE(no.IsNull());
}

} // namespace
} // namespace vkt::db
