#include "model/Datumregels.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {
TDateTime D(int dag, int maand, int jaar) { return EncodeDate(jaar, maand, dag); }
} // namespace

TEST(Datumregels, AgeInYears)
{
    EXPECT_EQ(Leeftijd(D(15, 3, 2020), D(16, 3, 1960)), 59);
    EXPECT_EQ(Leeftijd(D(16, 3, 2020), D(16, 3, 1960)), 60);
    EXPECT_EQ(Leeftijd(D(15, 3, 2020), 0), 50);
    EXPECT_EQ(Leeftijd(D(15, 3, 2020), D(1, 1, 100)), 0);
}

TEST(Datumregels, AgeInMonthsCountsTheLastDayOfAMonthAsComplete)
{
    EXPECT_EQ(LeeftijdInMaanden(D(29, 2, 2020), D(30, 11, 2019)), 3);
    EXPECT_EQ(LeeftijdInMaanden(D(27, 2, 2019), D(30, 11, 2018)), 2);
    EXPECT_EQ(LeeftijdInMaanden(D(15, 3, 2020), 0), 600);
    EXPECT_EQ(LeeftijdInMaanden(D(15, 3, 2020), D(31, 12, 100)), 0);
}

TEST(Datumregels, PensionAgeIsReachedAfter796Months)
{
    const TDateTime geboren = D(1, 11, 1953);
    EXPECT_FALSE(IsWerknemerPensioengerechtigd(D(1, 1, 2020), geboren));
    EXPECT_FALSE(IsWerknemerPensioengerechtigd(D(1, 2, 2020), geboren));
    EXPECT_TRUE(IsWerknemerPensioengerechtigd(D(1, 3, 2020), geboren));
    // Whoever reached the age before 2020 has it whatever the reference date.
    EXPECT_TRUE(IsWerknemerPensioengerechtigd(D(1, 1, 1990), D(1, 6, 1945)));
    EXPECT_FALSE(IsWerknemerPensioengerechtigd(D(1, 6, 2020), D(1, 1, 1980)));
    // An unknown birth date (0, as a stored NULL reads) counts as 50 years old.
    EXPECT_FALSE(IsWerknemerPensioengerechtigd(D(1, 6, 2020), 0));
    EXPECT_FALSE(IsAOWGerechtigdInMaand(D(15, 6, 2020), 0));
    EXPECT_TRUE(IsAOWGerechtigdInMaand(D(15, 3, 2020), D(20, 11, 1953)));
}

// A birth date whose 796 months end past the calendar's last year (9999) is
// no pensioner on any date the calendar holds; the rule says so without a date
// that does not exist.
TEST(Datumregels, PensionAgeBeyondTheLastYearOfTheCalendarIsNotReached)
{
    const struct {
        TDateTime peildatum;
        TDateTime geboren;
        bool aow;
    } kGevallen[] = {
        {D(31, 12, 9999), D(1, 9, 9933), false},  // 796 months on is 1 January 10000; 795 months old
        {D(31, 12, 2020), D(1, 9, 9933), false},
        {D(31, 12, 2020), D(1, 1, 9999), false},
        {D(31, 12, 9999), D(31, 12, 9999), false},
        {D(31, 12, 9999), D(1, 8, 9933), true},   // 796 months old on the last day
        {D(1, 1, 2020), D(1, 1, 1), true},        // 796 months on lies before 2020
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(FormatDutchDate(geval.geboren) + " op " + FormatDutchDate(geval.peildatum));
        EXPECT_EQ(IsWerknemerPensioengerechtigd(geval.peildatum, geval.geboren), geval.aow);
        EXPECT_NO_THROW(IsAOWGerechtigdInMaand(geval.peildatum, geval.geboren));
    }
}

TEST(Datumregels, MonthsAndDays)
{
    EXPECT_EQ(DagenInMaand(D(10, 2, 2020)), 29);
    EXPECT_EQ(DagenInMaand(D(10, 2, 2100)), 28);
    EXPECT_EQ(DagenInMaand(D(10, 2, 2000)), 29);
    EXPECT_EQ(DagenInMaand(D(1, 4, 2020)), 30);
    EXPECT_EQ(EersteVanDeMaand(D(17, 7, 2020)), D(1, 7, 2020));
    EXPECT_EQ(LaatsteVanDeMaand(D(17, 2, 2021)), D(28, 2, 2021));
    EXPECT_EQ(VoegMaandenToe(D(31, 1, 2020), 1), D(29, 2, 2020));
    EXPECT_EQ(VoegMaandenToe(D(31, 12, 2019) + 0.25, 2), D(29, 2, 2020) + 0.25);
    EXPECT_EQ(VoegMaandenToe(D(15, 3, 2020), -15), D(15, 12, 2018));
    EXPECT_EQ(Jaar(D(1, 11, 1953)), 1953);
    EXPECT_EQ(Maand(D(1, 11, 1953)), 11);
    EXPECT_EQ(Dag(D(1, 11, 1953)), 1);
}
