#include "common/DateTime.h"
#include "common/Exception.h"

#include <gtest/gtest.h>

using namespace vkt;

TEST(DateTime, DayNumbersFollowTheEpochOf30December1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2020, 1, 1), 43831.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    const DateParts p = DecodeDate(43890.75); // 29 February 2020, 18:00
    EXPECT_EQ(p.year, 2020);
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(SecondsOfDay(43890.75), 18 * 3600);
}

TEST(DateTime, DatesThatDoNotExistAreRefused)
{
    EXPECT_THROW(EncodeDate(2019, 2, 29), Exception);
    EXPECT_FALSE(ParseDutchDate("31-04-2020").has_value());
    EXPECT_FALSE(ParseDutchDate("2020-04-01").has_value());
    EXPECT_FALSE(ParseDutchDate("1-4-20").has_value());
    EXPECT_FALSE(ParseIsoText("2020-13-01 00:00:00").has_value());
}

TEST(DateTime, IsoAndDutchTextsRoundTrip)
{
    const TDateTime d = EncodeDate(2020, 7, 1) + 0.5;
    EXPECT_EQ(ToIsoText(d), "2020-07-01 12:00:00");
    EXPECT_EQ(ParseIsoText("2020-07-01 12:00:00"), d);
    EXPECT_EQ(ParseIsoText("2020-07-01"), EncodeDate(2020, 7, 1));
    EXPECT_EQ(FormatDutchDate(d), "01-07-2020");
    EXPECT_EQ(ParseDutchDate("1-7-2020"), EncodeDate(2020, 7, 1));
    EXPECT_EQ(ParseDutchDate("15-07-2020"), EncodeDate(2020, 7, 15));
}

TEST(DateTime, DutchAndIsoTextsAreReadOnlyWhole)
{
    const TDateTime juli = EncodeDate(2020, 7, 1);
    const struct {
        const char* tekst;
        std::optional<TDateTime> datum;
    } kNederlands[] = {
        {"01.07.2020", juli}, {"1/7/2020", juli},  {"1-7/2020", std::nullopt}, {"001-7-2020", std::nullopt},
        {"1-7-2020 ", std::nullopt}, {"1-007-2020", std::nullopt}, {"1-7-02020", std::nullopt},
        {"", std::nullopt}, {"1", std::nullopt}, {"a-7-2020", std::nullopt}, {"29-2-2021", std::nullopt},
    };
    for (const auto& geval : kNederlands)
        EXPECT_EQ(ParseDutchDate(geval.tekst), geval.datum) << geval.tekst;
    const struct {
        const char* tekst;
        std::optional<TDateTime> datum;
    } kIso[] = {
        {"2020-07-01T12:30", juli + 45000 / 86400.0}, {"2020-07-01 12:00:00.25", juli + 0.5},
        {"2020-07-01 12", std::nullopt}, {"2020-07-01 12:00.5", std::nullopt}, {"2020-7-01", std::nullopt},
        {"2020-07-01 ", std::nullopt}, {"2020-07-01 12:00:00.", std::nullopt}, {"20200-07-01", std::nullopt},
    };
    for (const auto& geval : kIso)
        EXPECT_EQ(ParseIsoText(geval.tekst), geval.datum) << geval.tekst;
}
