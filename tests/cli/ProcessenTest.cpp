#include "Opdrachten.h"

#include "cli/Hoofdprogramma.h"
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

TEST(Processen, AWriteErrorOnTheOutputFailsWithAMessage)
{
    test::EigenDatabases databases;
    const std::string fouten = databases.Map().File("fouten");
    for (const std::string& argumenten : {kBereken, std::string("bereken --help"), std::string("lijst --formaat json")}) {
        const int status = std::system((test::Programma() + " " + argumenten + " > /dev/full 2> " + fouten).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << argumenten;
        EXPECT_EQ(test::LeesBestand(fouten), "vkt2020-cli: de uitvoer kon niet worden geschreven.\n") << argumenten;
    }
}

TEST(Processen, ABatchReadFromAPipeKeepsTheOrderOfItsRowsAndStopsAtABrokenQuote)
{
    test::EigenDatabases databases;
    const std::string goed = databases.Map().File("goed.csv");
    std::ofstream(goed) << "loonbedrag\n1000\n2000\n3000\n";
    const std::string kapot = databases.Map().File("kapot.csv");
    std::ofstream(kapot) << "loonbedrag\n1000\n\"2000\n";
    const std::string uitvoer = databases.Map().File("uitvoer");
    const auto batch = [&](const std::string& invoer) {
        return std::system(("cat " + invoer + " | " + test::Programma() + " batch /dev/stdin --taken 2 > " + uitvoer +
                            " 2>&1")
                               .c_str());
    };

    int status = batch(goed);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string tekst = test::LeesBestand(uitvoer);
    EXPECT_LT(tekst.find("\n1000,"), tekst.find("\n2000,"));
    EXPECT_LT(tekst.find("\n2000,"), tekst.find("\n3000,"));

    // A pipe is read once, so the broken quote is found only where it is: the batch stops there.
    status = batch(kapot);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
    const std::string fout = test::LeesBestand(uitvoer);
    EXPECT_EQ(fout.rfind("loonbedrag,brutoloon,", 0), 0u) << fout;
    EXPECT_NE(fout.find("is geen geldig CSV-bestand: het aanhalingsteken op regel 3 wordt niet gesloten."),
              std::string::npos)
        << fout;
}
