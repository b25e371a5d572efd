#include "common/DataFolder.h"
#include "common/Exception.h"
#include "db/Connection.h"
#include "model/DmConstanten.h"
#include "model/QuelvarException.h"
#include "model/Verbinden.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vkt;

TEST(DecodePassword, UnscramblesDigitsCapitalsAndTheRest)
{
    EXPECT_EQ(DecodePassword(""), "");
    EXPECT_EQ(DecodePassword(std::string("\x3c\x45\x01\x1a\x1b", 5)), "09AZa");
    EXPECT_EQ(DecodePassword(std::string(1, '\xdb')), "!");
    EXPECT_EQ(DecodePassword(VersleuteldWachtwoordConstanten), "Vkt2020Constanten#01");
    EXPECT_EQ(DecodePassword(VersleuteldWachtwoordWerknemers), "Vkt2020Werknemers!07");
    EXPECT_EQ(VersleuteldWachtwoordConstanten.size(), 20u);
}

TEST(LockDelay, EveryRunDrawsTheSameDelays)
{
    TLockDelayGenerator generator;
    EXPECT_EQ(generator.LockDelay(-1), 40); // the employee database
    EXPECT_EQ(generator.LockDelay(-1), 42); // the constants database
}

TEST(LockDelay, HintsSelectTheRange)
{
    TLockDelayGenerator generator;
    EXPECT_EQ(generator.LockDelay(0), 50);
    EXPECT_EQ(6000 / generator.LockDelay(0), 120);
    EXPECT_EQ(generator.LockDelay(9), 230);
    EXPECT_EQ(6000 / generator.LockDelay(9), 26);
    for (int i = 0; i < 500; ++i) {
        const int laag = generator.LockDelay(-1);
        EXPECT_GE(laag, 40);
        EXPECT_LE(laag, 119);
        EXPECT_GE(6000 / laag, 50);
        EXPECT_LE(6000 / laag, 150);
        const int hoog = generator.LockDelay(10);
        EXPECT_GE(hoog, 150);
        EXPECT_LE(hoog, 299);
    }
}

namespace {

class ConnectDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bestand_ = map_.File("test.db");
        test::CreateDatabase(bestand_, "CREATE TABLE Versie (Versie INTEGER)");
    }

    // The message ConnectDatabase raises for a file, or "" when it opens.
    std::string Fout(const std::string& bestand, const std::string& password = "")
    {
        try {
            ConnectDatabase(verbinding_, bestand, password, false, true, -1, "Share Exclusive");
            return "";
        } catch (const Exception& error) {
            return error.what();
        }
    }

    test::TempFolder map_;
    std::string bestand_;
    db::Connection verbinding_;
};

} // namespace

TEST_F(ConnectDatabaseTest, RefusesWhatCannotBeOpenedAndLeavesNoWayToReconnect)
{
    EXPECT_EQ(Fout(""), "ConnectDatabase: No database location was specified (sDatabaseLocation cannot be empty).");
    const std::string ontbreekt = map_.File("ontbreekt.db");
    EXPECT_EQ(Fout(ontbreekt), "ConnectDatabase: Database does not exists or is not accessable: " + ontbreekt);
    EXPECT_FALSE(verbinding_.Connected());
    EXPECT_EQ(verbinding_.ConnectionString(), "c:\\NO IMPLICIT ADOCONNECTIONS ALLOWED");
    EXPECT_THROW(verbinding_.Open(), Exception);

    std::filesystem::permissions(bestand_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::replace);
    EXPECT_EQ(Fout(bestand_),
              "ConnectDatabase: The file attributes of file \"" + bestand_ + "\" prevent the file from being accessed.");
    // Only read, as the installed constants database is, a read-only file opens.
    EXPECT_NO_THROW(ConnectDatabase(verbinding_, bestand_, "", false, true, -1, "Share Deny Read|Share Deny Write"));
    verbinding_.Close();

    const std::string verborgen = map_.File(".verborgen.db");
    test::CreateDatabase(verborgen, "CREATE TABLE Versie (Versie INTEGER)");
    EXPECT_NE(Fout(verborgen).find("prevent the file from being accessed"), std::string::npos);

    const std::string kapot = map_.File("kapot.db");
    std::FILE* uit = std::fopen(kapot.c_str(), "w");
    std::fputs("geen database, maar gewoon een tekst die lang genoeg is voor een kop", uit);
    std::fclose(uit);
    EXPECT_NE(Fout(kapot).find("ConnectDatabase: Het bestand is geen database (file is not a database)"),
              std::string::npos)
        << Fout(kapot);
}

TEST_F(ConnectDatabaseTest, OpensWithTheConnectionStringAndLockProperties)
{
    EXPECT_EQ(Fout(bestand_), "");
    EXPECT_TRUE(verbinding_.Connected());
    EXPECT_EQ(verbinding_.ConnectionString(), "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + bestand_ +
                                                  ";Mode=Share Exclusive;Persist Security Info=False");
    const int delay = static_cast<int>(verbinding_.Property("Jet OLEDB:Lock Delay").AsInteger());
    EXPECT_GE(delay, 40);
    EXPECT_LE(delay, 119);
    EXPECT_EQ(verbinding_.Property("Jet OLEDB:Lock Retry").AsInteger(), 6000 / delay);
    EXPECT_EQ(verbinding_.Property("Jet OLEDB:Page Locks to Table Lock").AsInteger(), 0);
    EXPECT_EQ(verbinding_.Property("Jet OLEDB:Flush Transaction Timeout").AsInteger(), 25);
    EXPECT_TRUE(verbinding_.Property("Jet OLEDB:Sandbox Mode").AsBoolean());

    EXPECT_EQ(Fout(bestand_, "geheim"), "");
    EXPECT_NE(verbinding_.ConnectionString().find(";Jet OLEDB:Database Password=geheim"), std::string::npos);
}

TEST(TdmConstanten, OpeningAMissingDatabaseRaisesTheCause)
{
    test::TempFolder leeg;
    TdmConstanten constanten(leeg.Path());
    try {
        constanten.Openen();
        FAIL();
    } catch (const EQuelvarException& error) {
        EXPECT_EQ(std::string(error.what()), "ConnectDatabase: Database does not exists or is not accessable: " +
                                                 (leeg.Path() / "VktC2020.db").string());
    }
}

TEST(TdmConstanten, OpensReadOnlyAndClosesAgain)
{
    TdmConstanten constanten(DataFolder());
    EXPECT_TRUE(constanten.Openen());
    EXPECT_EQ(constanten.adbConst.Mode(), db::ShareMode::ReadOnly);
    EXPECT_TRUE(constanten.Sluiten());
    EXPECT_FALSE(constanten.adbConst.Connected());
}
