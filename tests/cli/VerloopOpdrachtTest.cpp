#include "Opdrachten.h"

#include "cli/BerekenOpdracht.h"
#include "cli/VerloopOpdracht.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace vkt;
using json = nlohmann::ordered_json;

namespace {

// Fixed dates, so that the age and the constants do not depend on today.
const std::vector<std::string> kVast = {"--datum", "15-03-2020", "--geboortedatum", "01-01-1980"};

test::Uitvoer Voer(test::Opdracht opdracht, std::vector<std::string> argumenten)
{
    argumenten.insert(argumenten.begin(), kVast.begin(), kVast.end());
    return test::Voer(opdracht, argumenten);
}

std::vector<std::vector<std::string>> CsvRijen(const std::string& tekst)
{
    std::vector<std::vector<std::string>> rijen;
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) {
        std::vector<std::string> velden;
        std::istringstream rij(regel + ";");
        for (std::string veld; std::getline(rij, veld, ';');)
            velden.push_back(veld);
        rijen.push_back(velden);
    }
    return rijen;
}

json Json(const test::Uitvoer& uitvoer) { return json::parse(uitvoer.uit); }

} // namespace

// Without a range: 0 to twice the gross wage in whole steps of 4,50, the
// monthly table's, at most 200 points (6.000 / 199 = 30,16: 7 steps, 31,50);
// every amount in cents with a decimal comma, the point at 0 without
// marginal pressure.
TEST(VerloopOpdracht, CsvHasAHeaderAndAPointPerLineWithDecimalCommas)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = Voer(cli::VerloopOpdracht, {"--loonbedrag", "3000"});
    ASSERT_EQ(r.code, 0) << r.fout;
    EXPECT_EQ(r.fout, "");
    const auto rijen = CsvRijen(r.uit);
    ASSERT_EQ(rijen.size(), 193u);
    EXPECT_EQ(rijen[0], (std::vector<std::string>{"brutoloon", "nettoloon", "loonheffing", "arbeidskorting",
                                                  "werkgeverslasten", "marginale_druk"}));
    EXPECT_EQ(rijen[1], (std::vector<std::string>{"0,00", "0,00", "0,00", "0,00", "0,00", ""}));
    EXPECT_EQ(rijen[2][0], "31,50");
    EXPECT_EQ(rijen[191][0], "5985,00");
    EXPECT_EQ(rijen[192][0], "6000,00");
    for (std::size_t i = 2; i < rijen.size(); ++i) {
        ASSERT_EQ(rijen[i].size(), 6u) << i;
        for (const std::string& veld : rijen[i])
            EXPECT_EQ(veld.find_first_not_of("0123456789"), veld.size() - 3) << veld; // "1234,56"
    }
}

// The JSON gives the same points; each is the calculation bereken makes at
// that gross wage, also when the calculation searched its gross wage. The
// marginal pressure is that of the table step of 4,50 below the point (here
// the wage for wage tax is the gross wage).
TEST(VerloopOpdracht, JsonPointsAreTheCalculationsOfBereken)
{
    test::EigenDatabases databases;
    const std::vector<std::string> opties = {"--soort-loonbedrag", "nettoloon", "--loonbedrag", "2500",
                                             "--awf-premie", "hoog"};
    std::vector<std::string> argumenten = opties;
    argumenten.insert(argumenten.end(), {"--formaat", "json"});
    const test::Uitvoer r = Voer(cli::VerloopOpdracht, argumenten);
    ASSERT_EQ(r.code, 0) << r.fout;
    const json punten = Json(r);
    ASSERT_TRUE(punten.is_array());
    ASSERT_GE(punten.size(), 180u);
    ASSERT_LE(punten.size(), 200u);
    EXPECT_TRUE(punten[0]["marginale_druk"].is_null());
    std::vector<std::string> sleutels;
    for (const auto& [sleutel, waarde] : punten[1].items())
        sleutels.push_back(sleutel);
    EXPECT_EQ(sleutels, (std::vector<std::string>{"brutoloon", "nettoloon", "loonheffing", "arbeidskorting",
                                                  "werkgeverslasten", "marginale_druk"}));

    argumenten = opties;
    argumenten.insert(argumenten.end(), {"--formaat", "json"});
    const json gezocht = json::parse(Voer(cli::BerekenOpdracht, argumenten).uit);
    EXPECT_DOUBLE_EQ(punten.back()["brutoloon"].get<double>(), 2 * gezocht["brutoloon"].get<double>());

    auto enkel = [](double brutoloon) {
        std::ostringstream bedrag;
        bedrag << brutoloon;
        return json::parse(
            Voer(cli::BerekenOpdracht, {"--loonbedrag", bedrag.str(), "--awf-premie", "hoog", "--formaat", "json"}).uit);
    };
    for (const std::size_t i : {std::size_t{57}, std::size_t{123}, punten.size() - 1}) {
        const json& punt = punten[i];
        const double bruto = punt["brutoloon"].get<double>();
        const json alleen = enkel(bruto);
        SCOPED_TRACE(punt.dump());
        for (const char* sleutel : {"nettoloon", "loonheffing", "arbeidskorting", "werkgeverslasten"})
            EXPECT_EQ(punt[sleutel], alleen[sleutel]) << sleutel;
        const double lager = enkel(bruto - 4.5)["nettoloon"].get<double>();
        EXPECT_NEAR(punt["marginale_druk"].get<double>(), 100 * (1 - (punt["nettoloon"].get<double>() - lager) / 4.5),
                    0.005);
    }
}

// The band of a search in the JSON of bereken is only the unbroken run of
// gross wages that give the net wage: a net wage of 2.400,00 is given by
// 3.102,92 and, after the wage tax's table step at 3.105,00, by 3.105,08
// again, but not by the cents between them (3.103,50 gives 2.400,58).
TEST(VerloopOpdracht, TheBandOfASearchHoldsOnlyGrossWagesThatGiveTheAmount)
{
    test::EigenDatabases databases;
    const json gezocht = json::parse(
        Voer(cli::BerekenOpdracht, {"--soort-loonbedrag", "nettoloon", "--loonbedrag", "2400", "--formaat", "json"}).uit);
    EXPECT_DOUBLE_EQ(gezocht["brutoloon"].get<double>(), 3102.92);
    EXPECT_EQ(gezocht["brutoloon_bereik"], json::parse(R"({"laag": 3102.92, "hoog": 3102.92, "afgebroken": false})"));

    const auto rijen = CsvRijen(
        Voer(cli::VerloopOpdracht, {"--loonbedrag", "3000", "--van", "3102,91", "--tot", "3105,10", "--stap", "0,01"}).uit);
    ASSERT_EQ(rijen.size(), 221u);
    std::vector<std::string> tweeduizendvierhonderd;
    for (std::size_t i = 1; i < rijen.size(); ++i)
        if (rijen[i][1] == "2400,00")
            tweeduizendvierhonderd.push_back(rijen[i][0]);
    EXPECT_EQ(tweeduizendvierhonderd, (std::vector<std::string>{"3102,92", "3105,08"}));
    EXPECT_EQ(rijen[60][0], "3103,50");
    EXPECT_EQ(rijen[60][1], "2400,58");
}

TEST(VerloopOpdracht, AGivenRangeEndsOnItsLastPoint)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = Voer(cli::VerloopOpdracht, {"--van", "2.000", "--tot", "2100,50", "--stap", "25", "--formaat", "JSON"});
    ASSERT_EQ(r.code, 0) << r.fout;
    std::vector<double> brutolonen;
    for (const json& punt : Json(r))
        brutolonen.push_back(punt["brutoloon"].get<double>());
    EXPECT_EQ(brutolonen, (std::vector<double>{2000, 2025, 2050, 2075, 2100, 2100.5}));
}

// A range without a curve is a usage error that names the fault; nothing is
// written on the output.
TEST(VerloopOpdracht, ABadRangeIsRefusedWithItsMessageAndExitCode2)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {{"--van", "5000", "--tot", "1000"},
         "vkt2020-cli verloop: Van (5000,00) is groter dan tot (1000,00); kies van kleiner dan of gelijk aan tot."},
        // the end of the range comes from the calculation: twice 1000
        {{"--loonbedrag", "1000", "--van", "2500"}, "Van (2500,00) is groter dan tot (2000,00)"},
        {{"--stap", "0"}, "vkt2020-cli verloop: De stap (0,00) moet groter dan 0 zijn."},
        {{"--stap", "-5"}, "ongeldig bedrag '-5' bij --stap"},
        {{"--tot", "5000", "--stap", "0,25"}, "zijn 20001 punten; ten hoogste 10000. Kies een grotere stap"},
        {{"--van", "1.234,567"}, "ongeldig bedrag '1.234,567' bij --van: een bedrag heeft ten hoogste 2 decimalen."},
        {{"--tot", "veel"}, "ongeldig bedrag 'veel' bij --tot"},
        {{"--formaat", "tekst"}, "ongeldig formaat 'tekst' bij --formaat: kies csv of json."},
    };
    for (const auto& geval : kGevallen)
        EXPECT_TRUE(test::Geweigerd(Voer(cli::VerloopOpdracht, geval.argumenten), 2, geval.melding))
            << geval.melding;
}
