#include "Opdrachten.h"

#include "cli/BatchOpdracht.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vkt;

namespace {

std::string Schrijf(const test::TempFolder& map, const std::string& naam, const std::string& inhoud)
{
    std::ofstream(map.File(naam), std::ios::binary) << inhoud;
    return map.File(naam);
}

std::string Lees(const std::string& bestand)
{
    std::ifstream invoer(bestand, std::ios::binary);
    std::ostringstream inhoud;
    inhoud << invoer.rdbuf();
    return inhoud.str();
}

// An amount of the JSON of "bereken" as the batch writes it.
std::string AlsBatch(double bedrag)
{
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%.2f", bedrag);
    std::string uit = tekst;
    uit[uit.find('.')] = ',';
    return uit;
}

} // namespace

TEST(BatchOpdracht, ComputesEveryRowAndPutsTheErrorOfABadRowInItsMessage)
{
    test::EigenDatabases databases;
    const std::string invoer = Schrijf(databases.Map(), "invoer.csv",
                                       "soort;loonbedrag;soort-loonbedrag;datum;verzekerd;regel;regel\n"
                                       "werknemer;2500,55;;;;9=150;1048576/1=25\n"
                                       "werknemer;12,34,5;;;;;\n"
                                       "vrij-werknemers;2000;nettoloon;;ww,wao,zvw;;\n"
                                       "werknemer;1000;;31-02-2020;;;\n"
                                       "werknemer;1000;;;;99999=1;\n"
                                       "werknemer;1000;;;;;;te veel\n");
    const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer});
    EXPECT_EQ(r.code, 1) << r.fout;
    EXPECT_TRUE(r.fout.empty()) << r.fout;
    const std::vector<cli::TCsvRij> rijen = cli::LeesCsv(r.uit, ';');
    ASSERT_EQ(rijen.size(), 7u) << r.uit;
    EXPECT_EQ(rijen[0].Velden,
              (std::vector<std::string>{"soort", "loonbedrag", "soort-loonbedrag", "datum", "verzekerd", "regel", "regel",
                                        "brutoloon", "nettoloon", "loonheffing", "werkgeverslasten", "melding",
                                        "arbeidskorting", "sv_loon", "zvw_loon", "lb_loon"}));
    for (const auto& rij : rijen)
        EXPECT_EQ(rij.Velden.size(), 16u) << rij.Regelnummer;

    // A good row gives what "bereken" gives for the same options.
    const test::Uitvoer enkel = test::Voer(
        cli::BerekenOpdracht, {"--loonbedrag", "2500,55", "--regel", "9=150", "--regel", "1048576/1=25", "--formaat", "json"});
    ASSERT_EQ(enkel.code, 0) << enkel.fout;
    EXPECT_EQ(std::vector<std::string>(rijen[1].Velden.begin() + 7, rijen[1].Velden.end()),
              (std::vector<std::string>{"2500,55", AlsBatch(test::JsonGetal(enkel.uit, "nettoloon")),
                                        AlsBatch(test::JsonGetal(enkel.uit, "loonheffing")),
                                        AlsBatch(test::JsonGetal(enkel.uit, "werkgeverslasten")), "",
                                        AlsBatch(test::JsonGetal(enkel.uit, "arbeidskorting")), "2650,55", "2650,55",
                                        "2650,55"}))
        << "the insurance, Zvw and wage-tax wages hold the 150 in kind";

    EXPECT_EQ(rijen[2].Velden[7], "");
    EXPECT_NE(rijen[2].Velden[11].find("ongeldig bedrag '12,34,5' bij loonbedrag"), std::string::npos);
    EXPECT_EQ(rijen[3].Velden[8], "2000,00") << "the search of a later row uses that row's options";
    EXPECT_EQ(rijen[3].Velden[11], "");
    EXPECT_NE(rijen[4].Velden[11].find("ongeldige datum '31-02-2020' bij datum"), std::string::npos);
    EXPECT_NE(rijen[5].Velden[11].find("geen regel van regeltype 99999"), std::string::npos);
    EXPECT_NE(rijen[6].Velden[11].find("de rij heeft 8 velden, de kopregel 7"), std::string::npos);
}

TEST(BatchOpdracht, WritesTheOutputFileWithTheDelimiterOfTheInput)
{
    test::EigenDatabases databases;
    const std::string invoer = Schrijf(databases.Map(), "invoer.csv",
                                       "loonbedrag,verzekerd\n"
                                       "\"2500,55\",\"ww,wao,zvw\"\n"
                                       "1000,\n");
    const std::string uitvoer = databases.Map().File("uitvoer.csv");
    const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer, "--uitvoer", uitvoer});
    EXPECT_EQ(r.code, 0) << r.fout;
    EXPECT_TRUE(r.uit.empty());
    const std::string tekst = Lees(uitvoer);
    EXPECT_EQ(tekst.rfind("loonbedrag,verzekerd,brutoloon,nettoloon,loonheffing,werkgeverslasten,melding,"
                          "arbeidskorting,sv_loon,zvw_loon,lb_loon\n"
                          "\"2500,55\",\"ww,wao,zvw\",\"2500,55\",\"",
                          0),
              0u)
        << tekst;
    const std::vector<cli::TCsvRij> rijen = cli::LeesCsv(tekst, ',');
    ASSERT_EQ(rijen.size(), 3u);
    EXPECT_EQ(rijen[2].Velden[2], "1000,00");
}

TEST(BatchOpdracht, BadUsageComputesNothingAndExitsWith2)
{
    test::EigenDatabases databases;
    const test::TempFolder& map = databases.Map();
    const struct {
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {{}, "geef het CSV-bestand op"},
        {{map.File("bestaat-niet.csv")}, "kan niet worden gelezen"},
        {{Schrijf(map, "a.csv", "loonbedrag;salaris\n1000;2\n")}, "onbekende kolom 'salaris' in de kopregel"},
        {{Schrijf(map, "b.csv", "loonbedrag;loonbedrag\n1000;2\n")}, "de kolom 'loonbedrag' staat twee keer"},
        {{Schrijf(map, "c.csv", "loonbedrag;soort\n\"1000;werknemer\n")}, "is geen geldig CSV-bestand"},
        {{Schrijf(map, "d.csv", "")}, "heeft geen kopregel"},
        {{map.File("a.csv"), "--jaar", "2020"}, "onbekende optie '--jaar'"},
        {{Schrijf(map, "e.csv", "loonbedrag\n1000\n"), "--uitvoer", map.File("geen-map/uit.csv")},
         "kan niet worden geschreven"},
        {{map.File("e.csv"), "--taken", "0"}, "ongeldig aantal taken '0' bij --taken: kies een geheel getal van 1"},
        {{map.File("e.csv"), "--taken", "2,5"}, "ongeldig aantal taken '2,5'"},
        {{map.File("e.csv"), "--taken", "257"}, "ongeldig aantal taken '257'"},
        {{map.File("e.csv"), "--taken", "-1"}, "ongeldig aantal taken '-1'"},
        {{map.File("e.csv"), "--taken", "veel"}, "ongeldig aantal taken 'veel'"},
        // A quote that is never closed near the end: refused before any row is computed.
        {{Schrijf(map, "f.csv", "loonbedrag\n" + std::string(5000, '1') + "\n1000\n\"2000\n")},
         "is geen geldig CSV-bestand: het aanhalingsteken op regel 4 wordt niet gesloten."},
        // The only quote of the file lies beyond the first 64 KiB that are looked through.
        {{Schrijf(map, "g.csv", "loonbedrag\n" + std::string(70000, '1') + "\n1000\n\"2000\n")},
         "is geen geldig CSV-bestand: het aanhalingsteken op regel 4 wordt niet gesloten."},
    };
    for (const auto& geval : kGevallen) {
        const test::Uitvoer r = test::Voer(cli::BatchOpdracht, geval.argumenten);
        EXPECT_EQ(r.code, 2) << geval.melding;
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_TRUE(r.uit.empty()) << geval.melding;
    }
}

TEST(BatchOpdracht, TextCellsThatLookLikeFormulasAreWrittenAsText)
{
    test::EigenDatabases databases;
    const std::string invoer =
        Schrijf(databases.Map(), "invoer.csv", "naam;loonbedrag\n=HYPERLINK(\"x\");1000\n@Piet;-12,50\n");
    const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer});
    const std::vector<cli::TCsvRij> rijen = cli::LeesCsv(r.uit, ';');
    ASSERT_EQ(rijen.size(), 3u) << r.uit;
    EXPECT_EQ(rijen[1].Velden[0], "'=HYPERLINK(\"x\")");
    EXPECT_EQ(rijen[1].Velden[2], "1000,00");
    EXPECT_EQ(rijen[2].Velden[0], "'@Piet");
    EXPECT_EQ(rijen[2].Velden[1], "-12,50") << "a plain number stays as it is";
    EXPECT_NE(rijen[2].Velden[6].find("ongeldig bedrag '-12,50' bij loonbedrag"), std::string::npos);
}
