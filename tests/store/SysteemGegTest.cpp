#include "store/DmVektaris.h"
#include "store/Instellingen.h"
#include "store/SysteemGeg.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

const std::string kSleutel = "SOFTWARE\\Zyrdo Software\\Quelvar2001\\User";

// A store whose keys exist but refuse every value, as a settings file
// without write permission does.
class AlleenLezen : public TGeheugenInstellingen {
public:
    bool SchrijfTekst(const std::string&, const std::string&, const std::string&) override { return false; }
};

} // namespace

TEST(GeheugenInstellingen, KeepsValuesOfKeysThatWereMade)
{
    TGeheugenInstellingen instellingen;
    EXPECT_FALSE(instellingen.SchrijfTekst(kSleutel, "LaatsteWN", "3"));
    ASSERT_TRUE(instellingen.MaakSleutel(kSleutel));
    EXPECT_TRUE(instellingen.SleutelBestaat("SOFTWARE\\Zyrdo Software"));
    EXPECT_FALSE(instellingen.LeesTekst(kSleutel, "LaatsteWN"));
    EXPECT_TRUE(instellingen.SchrijfTekst(kSleutel, "LaatsteWN", "3"));
    EXPECT_EQ(instellingen.LeesTekst(kSleutel, "LaatsteWN"), "3");
    EXPECT_FALSE(instellingen.LeesTekst("SOFTWARE\\Zyrdo Software", "LaatsteWN"));
}

TEST(SysteemGeg, ReadingWithoutAKeyGivesEmptyAndCreatesNothing)
{
    TGeheugenInstellingen instellingen;
    TSysteemGeg geg(instellingen);
    geg.LaatsteWN = "oud";
    geg.LeesGegevens();
    EXPECT_EQ(geg.LaatsteWN, "");
    EXPECT_FALSE(instellingen.SleutelBestaat(kSleutel));
    EXPECT_FALSE(geg.OpenKey(rrHuidigeGebruiker, kSleutel, false));
}

TEST(SysteemGeg, WritingCreatesTheKeyAndTheNextReaderFindsTheValue)
{
    TGeheugenInstellingen instellingen;
    TSysteemGeg schrijver(instellingen);
    schrijver.LaatsteWN = "12";
    EXPECT_TRUE(schrijver.SchrijfGegevens());
    EXPECT_EQ(instellingen.LeesTekst(kSleutel, "LaatsteWN"), "12");
    TSysteemGeg lezer(instellingen);
    lezer.LeesGegevens();
    EXPECT_EQ(lezer.LaatsteWN, "12");
}

TEST(SysteemGeg, ARefusedWriteIsReported)
{
    AlleenLezen instellingen;
    TSysteemGeg geg(instellingen);
    geg.LaatsteWN = "12";
    EXPECT_FALSE(geg.SchrijfGegevens());
}

TEST(SysteemGeg, TheDataModuleRemembersTheOpenEmployeeAtItsEnd)
{
    test::TempFolder map;
    TGeheugenInstellingen instellingen;
    instellingen.MaakSleutel(kSleutel);
    instellingen.SchrijfTekst(kSleutel, "LaatsteWN", "7");
    {
        TdmVektaris dm(map.Path(), instellingen);
        EXPECT_EQ(dm.SysteemGeg->LaatsteWN, "7");
        dm.SetWerknemersnummer(12);
    }
    EXPECT_EQ(instellingen.LeesTekst(kSleutel, "LaatsteWN"), "12");
    { TdmVektaris nietGeopend(map.Path(), instellingen); } // also when the database was never opened
    EXPECT_EQ(instellingen.LeesTekst(kSleutel, "LaatsteWN"), "0");
}
