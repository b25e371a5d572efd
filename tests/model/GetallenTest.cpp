#include "model/Getallen.h"

#include "model/Afronding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <gtest/gtest.h>

using namespace vkt;

TEST(Getallen, ReadsNumbersAsDutchUsersWriteThem)
{
    const struct {
        const char* tekst;
        int decimalen;
        double waarde;
    } kGoed[] = {
        {"3500", 2, 3500},        {"3.500", 2, 3500},          {"3.500,50", 2, 3500.5},  {"3500,50", 2, 3500.5},
        {"3500.50", 2, 3500.5},   {"1.234.567,89", 2, 1234567.89}, {"1.234.567", 2, 1234567}, {"12.345", 2, 12345},
        {"0.125", 3, 0.125},      {"1,125", 3, 1.125},         {"-12", 2, -12},          {"+5", 2, 5},
        {",5", 2, 0.5},           {" 7 ", 2, 7},               {"-0", 2, 0},             {"0,00", 2, 0},
    };
    for (const auto& geval : kGoed) {
        const TGelezenGetal getal = LeesGetal(geval.tekst, geval.decimalen);
        EXPECT_EQ(getal.Fout, TGelezenGetal::Geen) << geval.tekst;
        EXPECT_DOUBLE_EQ(getal.Waarde, geval.waarde) << geval.tekst;
    }
    EXPECT_FALSE(std::signbit(LeesGetal("-0", 2).Waarde));

    for (const char* tekst : {"", "-", ",", "12,34,5", "1.23.456", "1.234.56", "3.50,0", "1e3", "abc", "1,2.3",
                              "12.3456,7", "0.500.000", "1 000", "5-"})
        EXPECT_EQ(LeesGetal(tekst, 2).Fout, TGelezenGetal::Ongeldig) << tekst;

    for (const char* tekst : {"1,234", "0.125", "1.234,567", "3500.505"})
        EXPECT_EQ(LeesGetal(tekst, 2).Fout, TGelezenGetal::TeVeelDecimalen) << tekst;
}

TEST(Getallen, WritesAFixedNumberOfDecimalsRoundedHalfAwayFromZero)
{
    const struct {
        double waarde;
        int decimalen;
        std::string tekst;
    } kGevallen[] = {
        {1234567.5, 2, "1234567,50"}, {70, 0, "70"},      {69.5, 0, "70"},          {-69.5, 0, "-70"},
        {0.125, 2, "0,13"},           {-0.125, 2, "-0,13"}, {1.0005, 3, "1,001"},    {-0.0004, 3, "0,000"},
        {1234567890, 2, "1234567890,00"}, {2.675, 2, "2,68"}, {1e20, 2, "100000000000000000000,00"},
    };
    for (const auto& geval : kGevallen)
        EXPECT_EQ(FormatVast(geval.waarde, geval.decimalen), geval.tekst) << geval.waarde;
    EXPECT_EQ(FormatVast(5.2, 1, 6), "   5,2");
    EXPECT_EQ(FormatVast(-5.25, 2, 3), "-5,25") << "a text longer than the width is not cut";
    char kort[4];
    EXPECT_EQ(SchrijfVast(kort, kort + sizeof kort, 12345, 2), kort) << "nothing where it does not fit";
}

TEST(Getallen, WritesWhatPrintfWritesForTheRoundedValue)
{
    // Amounts of every size with up to three decimals, as printf writes the
    // value rounded half away from zero.
    std::mt19937_64 generator(2020);
    for (int i = 0; i < 200000; ++i) {
        const int decimalen = static_cast<int>(generator() % 4);
        const double grootte = std::pow(10.0, static_cast<double>(generator() % 16) - 3);
        const double waarde = (static_cast<double>(generator() % 2000001) - 1000000) / 1000000 * grootte;
        const double schaal = std::pow(10.0, decimalen);
        double afgerond = RondAf(waarde * schaal) / schaal;
        if (afgerond == 0)
            afgerond = 0;
        char verwacht[400];
        std::snprintf(verwacht, sizeof verwacht, "%.*f", decimalen, afgerond);
        std::string tekst = verwacht;
        std::replace(tekst.begin(), tekst.end(), '.', ',');
        ASSERT_EQ(FormatVast(waarde, decimalen), tekst) << waarde << " met " << decimalen << " decimalen";
    }
}

TEST(Getallen, ReadsThePlainFormAsTheNearestDouble)
{
    // "1234", "1234,5" and "0001234,567" of every length up to the sixteen
    // digits that a double no longer holds exactly: the value strtod gives
    // for the same digits with a point.
    std::mt19937_64 generator(2020);
    for (int i = 0; i < 200000; ++i) {
        const int geheel = 1 + static_cast<int>(generator() % 13);
        const int decimalen = static_cast<int>(generator() % 4);
        std::string tekst;
        for (int c = 0; c < geheel + decimalen; ++c) {
            if (c == geheel)
                tekst += ',';
            tekst += static_cast<char>('0' + generator() % 10);
        }
        std::string metPunt = tekst;
        std::replace(metPunt.begin(), metPunt.end(), ',', '.');
        const TGelezenGetal getal = LeesGetal(tekst, 3);
        ASSERT_EQ(getal.Fout, TGelezenGetal::Geen) << tekst;
        ASSERT_EQ(getal.Waarde, std::strtod(metPunt.c_str(), nullptr)) << tekst;
    }
    EXPECT_EQ(LeesGetal("1234,", 2).Waarde, 1234) << "a comma without decimals";
    EXPECT_EQ(LeesGetal("12,345", 2).Fout, TGelezenGetal::TeVeelDecimalen);
}
