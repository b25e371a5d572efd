// A write that fails part-way must leave the employee database as it was:
// every write step of defining and of saving funds is made to fail in turn.

#include "store/SocialeFondsen.h"

#include "support/Werknemersmodule.h"
#include "db/Query.h"
#include "model/QuelvarException.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

class SocialeFondsenBetrouwbaarheidTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Counts the writes to SociaalFondsWG and refuses the one numbered Stap.
        Voer("CREATE TABLE Storing (Stap INTEGER, Teller INTEGER); INSERT INTO Storing VALUES (0, 0);");
        for (const char* soort : {"INSERT", "UPDATE"})
            Voer(std::string("CREATE TRIGGER storing_") + soort + " BEFORE " + soort +
                 " ON SociaalFondsWG BEGIN UPDATE Storing SET Teller = Teller + 1; "
                 "SELECT RAISE(ABORT, 'fout') FROM Storing WHERE Teller = Stap; END;");
    }

    void Voer(const std::string& sql) { module_.Verbinding().Execute(sql); }

    void Weiger(int stap) { Voer("UPDATE Storing SET Stap = " + std::to_string(stap) + ", Teller = 0"); }

    int Schrijfstappen()
    {
        db::Query storing(module_.Verbinding(), "SELECT Teller FROM Storing");
        storing.Open();
        return static_cast<int>(storing.AsInteger("Teller"));
    }

    void VoegFondsIn(int k, int f, bool actief)
    {
        Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, "
             "PremieWN) VALUES (" + std::to_string(k) + ", '9999-12-31 00:00:00', " + std::to_string(f) +
             ", 'Fonds " + std::to_string(f) + "', " + (actief ? "1" : "0") + ", 1.5)");
    }

    test::OpenWerknemersmodule module_;
};

} // namespace

TEST_F(SocialeFondsenBetrouwbaarheidTest, DefiningAFundStoresBothRowsOrNeither)
{
    VoegFondsIn(0, 1, false);
    module_.Dm().SetWerknemersnummer(3);
    TNieuwSociaalFonds nieuw(module_.Dm());
    nieuw.Omschrijving = "Pensioenfonds";
    const int aantalStappen = 2;
    for (int stap = 1; stap <= aantalStappen; ++stap) {
        Weiger(stap);
        const auto voor = test::Inhoud(module_.Verbinding());
        EXPECT_THROW(nieuw.BewaarNieuwFonds(), EQuelvarException) << "step " << stap;
        EXPECT_FALSE(module_.Verbinding().InTransaction());
        EXPECT_EQ(test::Inhoud(module_.Verbinding()), voor) << "step " << stap;
        EXPECT_EQ(nieuw.Fondsnummer, 0);
    }
    Weiger(aantalStappen + 1);
    EXPECT_TRUE(nieuw.BewaarNieuwFonds());
    EXPECT_EQ(Schrijfstappen(), aantalStappen);
    EXPECT_EQ(nieuw.Fondsnummer, 2);
}

TEST_F(SocialeFondsenBetrouwbaarheidTest, SavingTheFundsOfACalculationIsUndoneAsAWhole)
{
    for (int f = 1; f <= 4; ++f)
        VoegFondsIn(0, f, false);
    VoegFondsIn(3, 1, true);
    VoegFondsIn(3, 2, false);
    VoegFondsIn(3, 3, true);
    // Shown: 3 (update), 2 (attached again: update), 4 (new: insert); 1 hidden (detach).
    TSocialeFondsen fondsen(module_.Dm());
    fondsen.LaadSocialeFondsen(3);
    fondsen.VerwerkKeuze({{"Fonds 1", 1, false}, {"Fonds 2", 2, true}, {"Fonds 3", 3, true}, {"Fonds 4", 4, true}});
    for (auto& [nummer, regel] : *fondsen.FondsRegels)
        regel.PremieWN = 7;

    // The transaction of the calculation's save.
    auto bewaar = [&] {
        module_.Verbinding().BeginTrans();
        try {
            fondsen.BewaarSocialeFondsen(3);
            module_.Verbinding().CommitTrans();
        } catch (...) {
            module_.Verbinding().RollbackTrans();
            throw;
        }
    };
    const int aantalStappen = 4;
    for (int stap = 1; stap <= aantalStappen; ++stap) {
        Weiger(stap);
        const auto voor = test::Inhoud(module_.Verbinding());
        EXPECT_THROW(bewaar(), std::exception) << "step " << stap;
        EXPECT_EQ(test::Inhoud(module_.Verbinding()), voor) << "step " << stap;
    }
    Weiger(aantalStappen + 1);
    bewaar();
    EXPECT_EQ(Schrijfstappen(), aantalStappen);
}
