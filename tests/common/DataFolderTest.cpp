#include "common/DataFolder.h"

#include "common/Exception.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

using namespace vkt;
namespace fs = std::filesystem;

namespace {

// A folder of its own for one test, gone afterwards.
class Map {
public:
    Map() : pad_(fs::temp_directory_path() / ("vkt-datamap-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(pad_);
        fs::create_directories(pad_);
    }
    ~Map() { fs::remove_all(pad_); }
    const fs::path& Pad() const { return pad_; }

private:
    fs::path pad_;
};

void Schrijf(const fs::path& bestand, const std::string& inhoud) { std::ofstream(bestand) << inhoud; }

std::string Lees(const fs::path& bestand)
{
    std::ifstream invoer(bestand);
    return std::string(std::istreambuf_iterator<char>(invoer), {});
}

} // namespace

TEST(DataFolder, AnInstalledProgramGivesEachUserACopyOfTheEmptyDatabaseOnlyHeMayRead)
{
    Map map;
    const fs::path leeg = map.Pad() / "share" / "Vkt2020.db";
    fs::create_directories(leeg.parent_path());
    Schrijf(leeg, "leeg");
    const TDatabasemappen mappen{map.Pad() / "share", map.Pad() / "gebruiker" / "Vkt2020", leeg};
    MaakWerknemersdatabase(mappen);
    const fs::path eigen = mappen.Werknemers / "Vkt2020.db";
    ASSERT_TRUE(fs::exists(eigen));
    EXPECT_EQ(Lees(eigen), "leeg");
    EXPECT_EQ(fs::status(eigen).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // A database of his own is never replaced.
    Schrijf(eigen, "berekeningen");
    MaakWerknemersdatabase(mappen);
    EXPECT_EQ(Lees(eigen), "berekeningen");
    EXPECT_EQ(std::distance(fs::directory_iterator(mappen.Werknemers), fs::directory_iterator()), 1);
}

TEST(DataFolder, WithoutAnEmptyDatabaseToCopyNothingIsMade)
{
    Map map;
    MaakWerknemersdatabase({map.Pad(), map.Pad() / "nergens", {}});
    EXPECT_FALSE(fs::exists(map.Pad() / "nergens"));
}

// Sets an environment variable (nullptr: unsets it) for as long as it lives.
class Omgeving {
public:
    Omgeving(const char* naam, const char* waarde) : naam_(naam)
    {
        if (const char* oud = std::getenv(naam))
            oud_ = oud;
        Zet(naam, waarde);
    }
    ~Omgeving() { Zet(naam_.c_str(), oud_ ? oud_->c_str() : nullptr); }
    Omgeving(const Omgeving&) = delete;
    Omgeving& operator=(const Omgeving&) = delete;

private:
    static void Zet(const char* naam, const char* waarde)
    {
        if (waarde != nullptr)
            setenv(naam, waarde, 1);
        else
            unsetenv(naam);
    }
    std::string naam_;
    std::optional<std::string> oud_;
};

TEST(DataFolder, TheUsersFolderFollowsTheDesktopsDataFolder)
{
    const struct {
        const char* xdg;
        const char* home;
        const char* map;
    } kGevallen[] = {
        {"/tmp/gegevens", "/home/piet", "/tmp/gegevens/Zyrdo Software/Vkt2020"},
        {"", "/home/piet", "/home/piet/.local/share/Zyrdo Software/Vkt2020"},
        {"gegevens", "/home/piet", "/home/piet/.local/share/Zyrdo Software/Vkt2020"},
        // Without a whole path there is no folder, rather than one under the current folder.
        {nullptr, nullptr, ""},
        {"", "", ""},
        {"gegevens", "piet", ""},
    };
    for (const auto& geval : kGevallen) {
        const Omgeving xdg("XDG_DATA_HOME", geval.xdg);
        const Omgeving home("HOME", geval.home);
        EXPECT_EQ(GebruikersDataMap(), fs::path(geval.map)) << geval.map;
    }
}

TEST(DataFolder, WithoutAFolderForTheUserNoDatabaseIsMadeAndTheMessageSaysWhy)
{
    Map map;
    const fs::path leeg = map.Pad() / "Vkt2020.db";
    Schrijf(leeg, "leeg");
    try {
        MaakWerknemersdatabase({map.Pad(), {}, leeg});
        FAIL() << "no folder was refused";
    } catch (const Exception& fout) {
        EXPECT_NE(std::string(fout.what()).find("Er is geen map voor de gegevens van de gebruiker gevonden: HOME en "
                                                "XDG_DATA_HOME noemen geen map."),
                  std::string::npos)
            << fout.what();
    }
    EXPECT_FALSE(fs::exists("Vkt2020.db"));
}

TEST(DataFolder, AFolderThatCannotBeMadeIsNamedWithTheReasonInDutch)
{
    Map map;
    const fs::path leeg = map.Pad() / "Vkt2020.db";
    Schrijf(leeg, "leeg");
    Schrijf(map.Pad() / "bestand", "geen map");
    try {
        MaakWerknemersdatabase({map.Pad(), map.Pad() / "bestand" / "Vkt2020", leeg});
        FAIL() << "the folder was made";
    } catch (const Exception& fout) {
        EXPECT_EQ(std::string(fout.what()), "De map '" + (map.Pad() / "bestand" / "Vkt2020").string() +
                                                "' kan niet worden gemaakt: een deel van het pad is geen map.");
    }
}

TEST(DataFolder, VKT2020_DATAHoldsBothDatabases)
{
    // The tests run with VKT2020_DATA set to the build's folder.
    const TDatabasemappen mappen = Databasemappen("/ergens");
    EXPECT_EQ(mappen.Constanten, DataFolder());
    EXPECT_EQ(mappen.Werknemers, DataFolder());
    EXPECT_TRUE(mappen.LegeWerknemersdatabase.empty());
}
