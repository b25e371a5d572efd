#include "Opdrachten.h"

#include "cli/FondsenOpdracht.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

const char* const kGeenFondsen = "Er zijn nog geen sociale fondsen. Maak er een in vkt2020 met de knop \"Nieuw sociaal "
                                 "fonds\" op het tabblad Sociale Fondsen.\n";

} // namespace

// The shipped employee database has an empty catalogue: the lines stay
// empty for a script, and the user reads why on the error stream.
TEST(FondsenOpdracht, AnEmptyCatalogueSaysThereAreNone)
{
    test::EigenDatabases databases;
    const test::Uitvoer tekst = test::Voer(cli::FondsenOpdracht, {});
    EXPECT_EQ(tekst.code, 0);
    EXPECT_EQ(tekst.uit, "");
    EXPECT_EQ(tekst.fout, kGeenFondsen);

    const test::Uitvoer json = test::Voer(cli::FondsenOpdracht, {"--formaat", "json"});
    EXPECT_EQ(json.code, 0);
    EXPECT_EQ(json.uit, "[]\n");
    EXPECT_EQ(json.fout, "");

    // The program itself, both streams in one file.
    const std::string uitvoer = databases.Map().File("uitvoer.txt");
    EXPECT_EQ(test::VoerProgrammaUit("fondsen", uitvoer), 0);
    EXPECT_EQ(test::LeesBestand(uitvoer), kGeenFondsen);
}

TEST(FondsenOpdracht, ACatalogueFundIsALineAndNoMessage)
{
    test::EigenDatabases databases;
    test::VoerSqlUit(databases,
                     "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, "
                     "BPDType, PremieWN) VALUES (0, '9999-12-31 00:00:00', 3, 'Bouw', 0, 1, 2)");
    const test::Uitvoer tekst = test::Voer(cli::FondsenOpdracht, {});
    EXPECT_EQ(tekst.code, 0);
    EXPECT_EQ(tekst.uit, "3\tBouw\n");
    EXPECT_EQ(tekst.fout, "");
}
