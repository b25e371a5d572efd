#include "db/AdoTekst.h"

#include "common/Exception.h"

#include <gtest/gtest.h>

namespace vkt::db {
namespace {

constexpr int kJaar = 2026; // the current year the two-digit-year window is taken from

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return EncodeDate(y, mo, d) + (h * 3600 + mi * 60 + s) / 86400.0;
}

struct DateCase {
    const char* text;
    TDateTime expected;
};

TEST(ADODateTimeStringToDateTime, ReadsMonthFirstTexts)
{
    const DateCase cases[] = {
        {"#12/31/9999#", At(9999, 12, 31)},
        {"\"'1/2/2020 3:04:05 PM'\"", At(2020, 1, 2, 15, 4, 5)},
        {"1/2/2020 11:59:59 AM", At(2020, 1, 2, 11, 59, 59)},
        {"3-4-2020  23:05", At(2020, 3, 4, 23, 5)},
        {"5/6/20", At(2020, 5, 6)},
        {"5/6/76", At(1976, 5, 6)}, // the current year minus the window: still this century's start
        {"5/6/75", At(2075, 5, 6)},
        {"12/29/1899 6:00", -1.25}, // before the epoch the time counts away from zero
    };
    for (const DateCase& c : cases)
        EXPECT_DOUBLE_EQ(ADODateTimeStringToDateTime(c.text, kJaar), c.expected) << c.text;
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(ADODateTimeStringToDateTime, RefusesWithItsOwnTexts)
{
    const ErrorCase cases[] = {
        {"#2/30/2020#", "Ongeldige datum: #2/30/2020#"},
        {"13/1/2020", "ongeldige maand: 13"},
        {"1/1/2020 12:00:00 PM", "ongeldig uur na de middag: 12"},
        {"1/32/2020", "ongeldige dag: 32"},
        {"0/1/2020", "ongeldige maand: 0"},
        {"1/1/2020 24:00", "ongeldig uur: 24"},
        {"1/1/2020 1:60", "ongeldige minuten: 60"},
        {"1/1/2020 1:00:60", "ongeldige seconden: 60"},
        {"1/1/2020 1:2:3 4", "te veel getallen"},
        {"1/1/2020x", "ongeldig teken: \"X\""},
        {"#1#", "te kort"},
        {"1/1/20200", "getal te groot: 1/1/20200"},
    };
    for (const ErrorCase& c : cases) {
        try {
            ADODateTimeStringToDateTime(c.text, kJaar);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), std::string("ADODateTimeStringToDateTime: ") + c.message);
        }
    }
}

TEST(ADOFloatStringToFloat, ReadsPointDecimalsAndCommaThousands)
{
    EXPECT_DOUBLE_EQ(ADOFloatStringToFloat("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(ADOFloatStringToFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(ADOFloatStringToFloat("100"), 100);
    try {
        ADOFloatStringToFloat("1.2.3");
        ADD_FAILURE() << "1.2.3 was accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "ADOFloatStringToFloat: '1.2.3' is geen getal");
    }
}

} // namespace
} // namespace vkt::db
