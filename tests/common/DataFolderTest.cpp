#include "common/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
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

TEST(DataFolder, TheUsersFolderFollowsTheDesktopsDataFolder)
{
    const char* oud = std::getenv("XDG_DATA_HOME");
    const std::string bewaard = oud != nullptr ? oud : "";
    setenv("XDG_DATA_HOME", "/tmp/gegevens", 1);
    EXPECT_EQ(GebruikersDataMap(), fs::path("/tmp/gegevens/Zyrdo Software/Vkt2020"));
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(GebruikersDataMap(), fs::path(std::getenv("HOME")) / ".local/share/Zyrdo Software/Vkt2020");
    if (oud != nullptr)
        setenv("XDG_DATA_HOME", bewaard.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

TEST(DataFolder, VKT2020_DATAHoldsBothDatabases)
{
    // The tests run with VKT2020_DATA set to the build's folder.
    const TDatabasemappen mappen = Databasemappen("/ergens");
    EXPECT_EQ(mappen.Constanten, DataFolder());
    EXPECT_EQ(mappen.Werknemers, DataFolder());
    EXPECT_TRUE(mappen.LegeWerknemersdatabase.empty());
}
