#include "Opdrachten.h"

#include "cli/Hoofdprogramma.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "store/DmVektaris.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

using namespace vkt;

namespace {

const std::string kBereken = "bereken --datum 15-03-2020 --geboortedatum 01-01-1980 --loonbedrag 3500 --formaat json";

// The bytes and modification time of a file.
struct Bestandstoestand {
    std::string inhoud;
    std::filesystem::file_time_type tijd;
    bool operator==(const Bestandstoestand&) const = default;
};

Bestandstoestand Toestand(const std::string& bestand)
{
    return {test::LeesBestand(bestand), std::filesystem::last_write_time(bestand)};
}

// Moves the modification time an hour back, so that any write shows.
void MaakOud(const std::string& bestand)
{
    std::filesystem::last_write_time(bestand, std::filesystem::last_write_time(bestand) - std::chrono::hours(1));
}

} // namespace

TEST(Processen, FortyCalculationsStartedAtOnceAllSucceed)
{
    test::EigenDatabases databases;
    constexpr int kAantal = 40;
    std::vector<int> processen;
    for (int i = 0; i < kAantal; ++i)
        processen.push_back(test::StartProgramma(kBereken, databases.Map().File("uit" + std::to_string(i))));
    for (int i = 0; i < kAantal; ++i) {
        EXPECT_EQ(test::WachtOp(processen[static_cast<std::size_t>(i)]), 0) << i;
        const std::string uit = test::LeesBestand(databases.Map().File("uit" + std::to_string(i)));
        EXPECT_EQ(test::JsonGetal(uit, "werkgeverslasten"), 4354.35) << uit;
    }
}

TEST(Processen, AReaderWaitsForAProgramThatHoldsTheDatabaseBriefly)
{
    test::EigenDatabases databases;
    const std::string uitvoer = databases.Map().File("uit");
    int proces = 0;
    {
        TdmVektaris houder(databases.Map().Path());
        TBewaardeMeldingen meldingen;
        ASSERT_TRUE(houder.Openen(meldingen));
        proces = test::StartProgramma(kBereken, uitvoer);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    EXPECT_EQ(test::WachtOp(proces), 0) << test::LeesBestand(uitvoer);
}

TEST(Processen, ReadingCommandsLeaveTheDatabaseFilesAsTheyWere)
{
    test::EigenDatabases databases;
    ASSERT_EQ(test::Voer(cli::Hoofdprogramma, {"opslaan", "--naam", "Piet", "--datum", "15-03-2020"}).code, 0);
    const std::string csv = databases.Map().File("invoer.csv");
    std::ofstream(csv) << "loonbedrag\n1000\n";
    const std::vector<std::string> bestanden = {databases.Map().File("Vkt2020.db"), databases.Map().File("VktC2020.db")};
    for (const std::string& bestand : bestanden)
        MaakOud(bestand);
    std::vector<Bestandstoestand> vooraf;
    for (const std::string& bestand : bestanden)
        vooraf.push_back(Toestand(bestand));
    for (const std::vector<std::string>& argumenten :
         {std::vector<std::string>{"bereken"}, {"lijst"}, {"toon", "1"}, {"fondsen"}, {"batch", csv}, {"constanten"}}) {
        EXPECT_EQ(test::Voer(cli::Hoofdprogramma, argumenten).code, 0) << argumenten.front();
        for (std::size_t i = 0; i < bestanden.size(); ++i)
            EXPECT_TRUE(Toestand(bestanden[i]) == vooraf[i]) << argumenten.front() << " " << bestanden[i];
    }
}

TEST(Processen, ListingAnEmptyFileFailsAndLeavesItEmpty)
{
    test::EigenDatabases databases;
    const std::string bestand = databases.Map().File("Vkt2020.db");
    std::ofstream(bestand, std::ios::trunc).close();
    MaakOud(bestand);
    const Bestandstoestand vooraf = Toestand(bestand);
    const test::Uitvoer r = test::Voer(cli::Hoofdprogramma, {"lijst"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("Er is een fout opgetreden bij  het openen van Vkt2020.db."), std::string::npos) << r.fout;
    EXPECT_TRUE(Toestand(bestand) == vooraf);
    EXPECT_EQ(std::filesystem::file_size(bestand), 0u);
}

TEST(Processen, AWriteErrorOnTheOutputFailsWithOneMessage)
{
    test::EigenDatabases databases;
    const std::string fouten = databases.Map().File("fouten");
    const std::string csv = databases.Map().File("invoer.csv");
    std::ofstream(csv) << "loonbedrag\n1000\n";
    const struct {
        std::string argumenten;
        std::string melding;
    } kGevallen[] = {
        {kBereken, "vkt2020-cli: de uitvoer kon niet worden geschreven.\n"},
        {"bereken --help", "vkt2020-cli: de uitvoer kon niet worden geschreven.\n"},
        {"lijst --formaat json", "vkt2020-cli: de uitvoer kon niet worden geschreven.\n"},
        {"batch " + csv, "vkt2020-cli batch: de uitvoer kon niet worden geschreven.\n"},
    };
    for (const auto& geval : kGevallen) {
        const int status =
            std::system((test::Programma() + " " + geval.argumenten + " > /dev/full 2> " + fouten).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << geval.argumenten;
        EXPECT_EQ(test::LeesBestand(fouten), geval.melding) << geval.argumenten;
    }
}

TEST(Processen, ASaveOrDeleteWhoseOutputCannotBeWrittenChangesNothing)
{
    test::EigenDatabases databases;
    const std::string fouten = databases.Map().File("fouten");
    const int status =
        std::system((test::Programma() + " opslaan --naam Piet > /dev/full 2> " + fouten).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(test::LeesBestand(fouten),
              "vkt2020-cli opslaan: de uitvoer kon niet worden geschreven, dus de berekening is niet opgeslagen.\n");
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"lijst"}).uit, "");
    // A script that tries again saves it once, under the first number.
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"opslaan", "--naam", "Piet"}).uit, "1\n");
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"lijst"}).uit, "1\tPiet\n");

    // A delete the same.
    const int verwijderd = std::system((test::Programma() + " verwijder 1 > /dev/full 2> " + fouten).c_str());
    EXPECT_TRUE(WIFEXITED(verwijderd) && WEXITSTATUS(verwijderd) == 1);
    EXPECT_EQ(test::LeesBestand(fouten),
              "vkt2020-cli verwijder: de uitvoer kon niet worden geschreven, dus de berekening is niet verwijderd.\n");
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"lijst"}).uit, "1\tPiet\n");
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"verwijder", "1"}).uit, "De gegevens zijn verwijderd.\n");
    EXPECT_EQ(test::Voer(cli::Hoofdprogramma, {"lijst"}).uit, "");
}

TEST(Processen, ABatchReadFromAPipeKeepsTheOrderOfItsRowsAndStopsAtABrokenQuote)
{
    test::EigenDatabases databases;
    const std::string goed = databases.Map().File("goed.csv");
    std::ofstream(goed) << "loonbedrag\n1000\n2000\n3000\n";
    const std::string kapot = databases.Map().File("kapot.csv");
    std::ofstream(kapot) << "loonbedrag\n1000\n\"2000\n";
    const std::string uitvoer = databases.Map().File("uitvoer");
    const auto batch = [&](const std::string& invoer, const std::string& naam, const std::string& opties) {
        const int status = std::system(("cat " + invoer + " | " + test::Programma() + " batch " + naam +
                                        " --taken 2 " + opties + " > " + uitvoer + " 2>&1")
                                           .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };

    for (const std::string naam : {"-", "/dev/stdin"}) {
        EXPECT_EQ(batch(goed, naam, ""), 0) << naam;
        const std::string tekst = test::LeesBestand(uitvoer);
        EXPECT_LT(tekst.find("\n1000,"), tekst.find("\n2000,"));
        EXPECT_LT(tekst.find("\n2000,"), tekst.find("\n3000,"));
    }

    // A pipe is read once, so the broken quote is found only where it is: the
    // batch stops there and fails, the rows before it written.
    EXPECT_EQ(batch(kapot, "-", ""), 1);
    const std::string fout = test::LeesBestand(uitvoer);
    EXPECT_EQ(fout.rfind("loonbedrag,brutoloon,", 0), 0u) << fout;
    EXPECT_NE(fout.find("vkt2020-cli batch: de standaardinvoer is geen geldig CSV-bestand: het aanhalingsteken op "
                        "regel 3 wordt niet gesloten. De uitvoer bevat alleen de rijen ervoor.\n"),
              std::string::npos)
        << fout;

    // An output file is left as it was, and no part of it is left behind.
    const std::string bestand = databases.Map().File("uitkomst.csv");
    std::ofstream(bestand) << "de vorige uitkomst\n";
    EXPECT_EQ(batch(kapot, "-", "--uitvoer " + bestand), 1);
    EXPECT_EQ(test::LeesBestand(uitvoer), "vkt2020-cli batch: de standaardinvoer is geen geldig CSV-bestand: het "
                                          "aanhalingsteken op regel 3 wordt niet gesloten. Er is niets geschreven; '" +
                                              bestand + "' is niet veranderd.\n");
    EXPECT_EQ(test::LeesBestand(bestand), "de vorige uitkomst\n");
    std::size_t bestanden = 0;
    for (const auto& ding : std::filesystem::directory_iterator(databases.Map().Path()))
        bestanden += ding.path().filename().string().find("uitkomst") != std::string::npos;
    EXPECT_EQ(bestanden, 1u);
}

TEST(Processen, WithoutADataFolderAnInstalledProgramSaysSoAndMakesNothingWhereItRuns)
{
    test::TempFolder map;
    std::filesystem::create_directories(map.Path() / "bin");
    std::filesystem::create_directories(map.Path() / "share" / "vkt2020");
    std::filesystem::create_directories(map.Path() / "werkmap");
    std::filesystem::copy_file(test::Programma(), map.Path() / "bin" / "vkt2020-cli");
    for (const char* bestand : {"Vkt2020.db", "VktC2020.db"})
        std::filesystem::copy_file(DataFolder() / bestand, map.Path() / "share" / "vkt2020" / bestand);
    const std::string uit = map.File("uit.txt");
    const int status = std::system(("cd " + map.File("werkmap") + " && env -u HOME -u XDG_DATA_HOME -u VKT2020_DATA " +
                                    map.File("bin/vkt2020-cli") + " lijst > " + uit + " 2>&1")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << test::LeesBestand(uit);
    EXPECT_NE(test::LeesBestand(uit).find("Er is geen map voor de gegevens van de gebruiker gevonden: HOME en "
                                          "XDG_DATA_HOME noemen geen map."),
              std::string::npos)
        << test::LeesBestand(uit);
    EXPECT_TRUE(std::filesystem::is_empty(map.Path() / "werkmap"));
}
