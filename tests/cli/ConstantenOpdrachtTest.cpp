#include "cli/ConstantenOpdracht.h"
#include "cli/JsonUitvoer.h"
#include "common/DataFolder.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vkt;

namespace {

struct Uitvoer {
    int code;
    std::string uit;
    std::string fout;
};

Uitvoer Constanten(const std::vector<std::string>& argumenten)
{
    std::ostringstream uit;
    std::ostringstream fout;
    const int code = cli::ConstantenOpdracht(argumenten, uit, fout);
    return Uitvoer{code, uit.str(), fout.str()};
}

// Points VKT2020_DATA elsewhere for the length of a test.
class AndereDataMap {
public:
    explicit AndereDataMap(const std::string& map) : oud_(DataFolder().string()) { setenv("VKT2020_DATA", map.c_str(), 1); }
    ~AndereDataMap() { setenv("VKT2020_DATA", oud_.c_str(), 1); }

private:
    std::string oud_;
};

} // namespace

TEST(ConstantenOpdracht, ShowsTheRecordOfTheDateAsJson)
{
    const struct {
        const char* datum;
        const char* ingangsdatum;
        const char* minimumloon21;
    } kGevallen[] = {{"15-07-2020", "01-07-2020", "\"MinloonM\": 1680,"},
                     {"31-03-2020", "01-01-2020", "\"MinloonM\": 1653.6,"},
                     {"01-04-2020", "01-04-2020", "\"MinloonM\": 1653.6,"}};
    for (const auto& geval : kGevallen) {
        const Uitvoer r = Constanten({"--datum", geval.datum, "--formaat", "json"});
        ASSERT_EQ(r.code, 0) << r.fout;
        EXPECT_NE(r.uit.find(std::string("\"ingangsdatum\": \"") + geval.ingangsdatum + "\""), std::string::npos);
        const std::size_t leeftijd21 = r.uit.find("\"Leeftijd\": 21,");
        ASSERT_NE(leeftijd21, std::string::npos);
        EXPECT_EQ(r.uit.find(geval.minimumloon21, leeftijd21), r.uit.find("\"MinloonM\"", leeftijd21)) << geval.datum;
        for (const char* sleutel : {"\"BerekenGrens\": 98820,", "\"FactorMaandGeenBon\": 12,", "\"AnoniemenTarief\": 52,",
                                    "\"Boven65Geboren1946EnLater\": [", "\"arko1Onder65\": 0.02812,",
                                    "\"BijzondereBeloningen\": [", "\"4WekenMaxWWWAO\": 4402.46,"})
            EXPECT_NE(r.uit.find(sleutel), std::string::npos) << sleutel;
    }
}

TEST(ConstantenOpdracht, ShowsTheRecordAsText)
{
    const Uitvoer r = Constanten({"--datum=15-07-2020"});
    ASSERT_EQ(r.code, 0) << r.fout;
    EXPECT_EQ(r.uit.rfind("Fiscale constanten met ingangsdatum 01-07-2020", 0), 0u);
    EXPECT_NE(r.uit.find("PercentageBerekenGrens                   0,495"), std::string::npos);
}

TEST(ConstantenOpdracht, BadUsageNamesTheFaultAndExitsWith2)
{
    const struct {
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {{"--datum", "31-02-2020"}, "ongeldige datum '31-02-2020' bij --datum"},
        {{"--datum", "2020-07-15"}, "ongeldige datum '2020-07-15'"},
        {{"--formaat", "xml"}, "ongeldig formaat 'xml' bij --formaat"},
        {{"--datum"}, "de optie '--datum' verwacht een waarde"},
        {{"--jaar", "2020"}, "onbekende optie '--jaar'"},
        {{"--datum", "01-01-2020", "--datum", "02-01-2020"}, "staat er twee keer"},
    };
    for (const auto& geval : kGevallen) {
        const Uitvoer r = Constanten(geval.argumenten);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_TRUE(r.uit.empty());
    }
}

TEST(ConstantenOpdracht, AMissingOrDamagedDatabaseGivesTheStartUpMessage)
{
    test::TempFolder map;
    AndereDataMap andere(map.Path().string());
    Uitvoer r = Constanten({"--datum", "15-07-2020"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.fout, "Er is een fout opgetreden bij  starten van Vkt2020.\nDe fout betrof: ConnectDatabase: Database "
                      "does not exists or is not accessable: " +
                          map.File("VktC2020.db") + "\n\nDe applicatie zal worden beëindigd.\n");

    std::ofstream(map.File("VktC2020.db")) << "dit is geen database maar een tekstbestand van voldoende lengte";
    r = Constanten({"--datum", "15-07-2020"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("De fout betrof: ConnectDatabase: Het bestand is geen database (file is not a database)"),
              std::string::npos)
        << r.fout;
}

TEST(JsonUitvoer, WholeNumbersHaveNoDecimalPartAndJsonHasNoInfinity)
{
    const cli::Json json = {{"a", cli::JsonGetal(1680.0)},
                            {"b", cli::JsonGetal(0.02812)},
                            {"c", cli::JsonGetal(-0.0)},
                            {"d", cli::JsonGetal(1.0 / 0.0)}};
    EXPECT_EQ(json.dump(), R"({"a":1680,"b":0.02812,"c":0,"d":null})");
}

TEST(JsonUitvoer, EscapesControlCharactersAndReplacesWhatIsNoUtf8)
{
    std::ostringstream uit;
    cli::SchrijfJson(uit, {{"naam", "a\tb\x1b[31m\xff"}});
    EXPECT_EQ(uit.str(), "{\n  \"naam\": \"a\\tb\\u001b[31m\xEF\xBF\xBD\"\n}\n");
}
