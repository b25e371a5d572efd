#include "Opdrachten.h"

#include "cli/BatchOpdracht.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vkt;
using namespace std::string_literals;

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
                                       "werknemer;1000;;;;;;te veel\n"
                                       "werknemer;1000\n"
                                       "Piet\n");
    const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer});
    EXPECT_EQ(r.code, 1) << r.fout;
    EXPECT_TRUE(r.fout.empty()) << r.fout;
    const std::vector<cli::TCsvRij> rijen = cli::LeesCsv(r.uit, ';');
    ASSERT_EQ(rijen.size(), 9u) << r.uit;
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
    // A row with fields too few is refused as well: which one was left out cannot be told.
    EXPECT_EQ(rijen[7].Velden[11], "de rij heeft 2 velden, de kopregel 7.");
    EXPECT_EQ(rijen[8].Velden[7], "");
    EXPECT_EQ(rijen[8].Velden[11], "de rij heeft 1 veld, de kopregel 7.");
}

TEST(BatchOpdracht, AMessageQuotesACellShortAndShowsItsControlCharacters)
{
    test::EigenDatabases databases;
    const std::string naam(1 << 20, 'x');
    const std::string invoer = Schrijf(databases.Map(), "invoer.csv",
                                       "naam;loonbedrag;datum\n" + naam + ";1000;\nPiet;1000;01-03\x1B[2J\n"
                                       "Piet;1000;1-3-2020\0 2020\n"s);
    const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer});
    const std::vector<cli::TCsvRij> rijen = cli::LeesCsv(r.uit, ';');
    ASSERT_EQ(rijen.size(), 4u) << r.uit.substr(0, 500);
    EXPECT_EQ(rijen[1].Velden[0], naam) << "the cell itself is repeated whole";
    EXPECT_EQ(rijen[1].Velden[7], "ongeldige naam '" + std::string(80, 'x') +
                                      "…' (1.048.576 tekens) bij naam: een naam heeft ten hoogste 50 tekens.");
    EXPECT_EQ(rijen[2].Velden[7], "ongeldige datum '01-03\\x1B[2J' bij datum: gebruik DD-MM-JJJJ.");
    EXPECT_EQ(rijen[3].Velden[7], "ongeldige datum '1-3-2020\\x00 2020' bij datum: gebruik DD-MM-JJJJ.");
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
        std::string melding;
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
        {{map.Path().string()}, "vkt2020-cli batch: '" + map.Path().string() + "' is een map; geef een CSV-bestand."},
        {{map.File("e.csv"), "--uitvoer", map.Path().string()},
         "'" + map.Path().string() + "' is een map; geef de naam van een bestand."},
        {{map.File("e.csv"), "--uitvoer", ""}, "lege bestandsnaam bij --uitvoer: geef de naam van het bestand."},
        {{map.File("e.csv"), "--uitvoer="}, "lege bestandsnaam bij --uitvoer"},
        {{Schrijf(map, "h.csv", "naam;Regel;Loon\x01" "bedrag\n")}, "onbekende kolom 'Loon\\x01bedrag' in de kopregel"},
    };
    for (const auto& geval : kGevallen) {
        const test::Uitvoer r = test::Voer(cli::BatchOpdracht, geval.argumenten);
        EXPECT_EQ(r.code, 2) << geval.melding;
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_TRUE(r.uit.empty()) << geval.melding;
    }
}

TEST(BatchOpdracht, AHeaderOfManyColumnsIsCheckedOnceForEach)
{
    test::EigenDatabases databases;
    std::string kop;
    for (int i = 0; i < 10000; ++i)
        kop += "regel;fonds;";
    const test::Uitvoer goed = test::Voer(cli::BatchOpdracht, {Schrijf(databases.Map(), "a.csv", kop + "naam\n")});
    EXPECT_EQ(goed.code, 0) << goed.fout;
    EXPECT_EQ(goed.uit.rfind(kop + "naam;brutoloon;", 0), 0u);
    const test::Uitvoer fout =
        test::Voer(cli::BatchOpdracht, {Schrijf(databases.Map(), "b.csv", "naam;" + kop + "NAAM\n")});
    EXPECT_TRUE(test::Geweigerd(fout, 2, "de kolom 'naam' staat twee keer in de kopregel."));
}

TEST(BatchOpdracht, AFailedBatchLeavesTheOutputFileAsItWas)
{
    test::EigenDatabases databases;
    const std::string invoer = Schrijf(databases.Map(), "invoer.csv", "loonbedrag\n1000\n");
    const std::string uitvoer = Schrijf(databases.Map(), "uitvoer.csv", "de vorige uitkomst\n");
    std::filesystem::permissions(uitvoer, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                              std::filesystem::perms::group_read);
    const std::string koppeling = databases.Map().File("koppeling.csv");
    std::filesystem::create_symlink(uitvoer, koppeling);

    // Without its employee database the batch fails before any row.
    std::filesystem::rename(databases.Map().File("Vkt2020.db"), databases.Map().File("weg.db"));
    const test::Uitvoer mislukt = test::Voer(cli::BatchOpdracht, {invoer, "--uitvoer", koppeling});
    EXPECT_EQ(mislukt.code, 1) << mislukt.fout;
    EXPECT_EQ(Lees(uitvoer), "de vorige uitkomst\n");
    std::filesystem::rename(databases.Map().File("weg.db"), databases.Map().File("Vkt2020.db"));

    // A batch that succeeds replaces the file the link names, with its permissions.
    const test::Uitvoer gelukt = test::Voer(cli::BatchOpdracht, {invoer, "--uitvoer", koppeling});
    EXPECT_EQ(gelukt.code, 0) << gelukt.fout;
    EXPECT_EQ(Lees(uitvoer).rfind("loonbedrag,brutoloon,", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_symlink(koppeling));
    EXPECT_EQ(std::filesystem::status(uitvoer).permissions() & std::filesystem::perms::mask,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    // No temporary file is left behind.
    std::vector<std::string> namen;
    for (const auto& bestand : std::filesystem::directory_iterator(databases.Map().Path()))
        namen.push_back(bestand.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"Vkt2020.db", "VktC2020.db", "invoer.csv", "koppeling.csv",
                                               "uitvoer.csv"}));
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
