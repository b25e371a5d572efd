#include "Opdrachten.h"

#include "cli/BerekenOpdracht.h"
#include "cli/OpgeslagenOpdrachten.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/DmVektaris.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

using namespace vkt;

namespace {

// The rows of an employee in every table that holds them, counted in a
// database the test has to itself.
int RijenVan(const test::EigenDatabases& databases, int werknemer)
{
    TdmVektaris dm(databases.Map().Path());
    TBewaardeMeldingen meldingen;
    if (!dm.Openen(meldingen))
        return -1;
    int aantal = 0;
    for (const char* tabel : {"Werknemersgegevens", "BerekeningsgegevensVKT", "Heffingsgegevens", "Heffingsregels",
                              "GrondslagWN"}) {
        db::Query query(dm.adbQuelvar, std::string("SELECT COUNT(*) AS N FROM ") + tabel +
                                           " WHERE Werknemersnummer = " + std::to_string(werknemer));
        query.Open();
        aantal += static_cast<int>(query.AsInteger("N"));
    }
    db::Query fondsen(dm.adbQuelvar,
                      "SELECT COUNT(*) AS N FROM SociaalFondsWG WHERE Werkgeversnummer = " + std::to_string(werknemer));
    fondsen.Open();
    return aantal + static_cast<int>(fondsen.AsInteger("N"));
}

// Runs the program itself with the databases of the test; its exit status
// and what it wrote to either stream.
std::pair<int, std::string> VoerProgramma(const test::EigenDatabases& databases, const std::string& argumenten)
{
    const std::string uitvoer = databases.Map().File("uitvoer.txt");
    const int code = test::VoerProgrammaUit(argumenten, uitvoer);
    return {code, test::LeesBestand(uitvoer)};
}

} // namespace

TEST(OpgeslagenOpdrachten, AStoredCalculationShowsAsBerekenComputesIt)
{
    test::EigenDatabases databases;
    const std::vector<std::string> opties = {"--naam",    "Piet Jansen", "--loonbedrag",    "2500,55",
                                             "--regel",   "9=150",       "--regel",         "128=4%",
                                             "--soort-loonbedrag", "nettoloon", "--werkgeverslasten-tonen", "ja",
                                             "--loontijdvak", "week",    "--actief",        "wao,ww,whk"};
    std::vector<std::string> metNaam = {"--naam", "Klaas"};
    const test::Uitvoer eerste = test::Voer(cli::OpslaanOpdracht, opties);
    ASSERT_EQ(eerste.code, 0) << eerste.fout;
    EXPECT_EQ(eerste.uit, "1\n");
    EXPECT_EQ(test::Voer(cli::OpslaanOpdracht, metNaam).uit, "2\n");

    const test::Uitvoer lijst = test::Voer(cli::LijstOpdracht, {});
    EXPECT_EQ(lijst.code, 0);
    EXPECT_EQ(lijst.uit, "1\tPiet Jansen\n2\tKlaas\n");

    for (const char* formaat : {"tekst", "json"}) {
        SCOPED_TRACE(formaat);
        std::vector<std::string> bereken = opties;
        bereken.insert(bereken.end(), {"--formaat", formaat});
        const test::Uitvoer verwacht = test::Voer(cli::BerekenOpdracht, bereken);
        const test::Uitvoer getoond = test::Voer(cli::ToonOpdracht, {"1", "--formaat", formaat});
        ASSERT_EQ(getoond.code, 0) << getoond.fout;
        EXPECT_EQ(getoond.uit, verwacht.uit);
    }
}

TEST(OpgeslagenOpdrachten, DeletingLeavesNoRowOfTheEmployee)
{
    test::EigenDatabases databases;
    test::Voer(cli::OpslaanOpdracht, {"--naam", "Eerste"});
    test::Voer(cli::OpslaanOpdracht, {"--naam", "Tweede"});
    ASSERT_GT(RijenVan(databases, 1), 0);
    const test::Uitvoer r = test::Voer(cli::VerwijderOpdracht, {"1"});
    ASSERT_EQ(r.code, 0) << r.fout;
    EXPECT_EQ(r.uit, "De gegevens zijn verwijderd.\n");
    EXPECT_EQ(RijenVan(databases, 1), 0);
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "2\tTweede\n");
    // The next calculation gets the highest number + 1.
    EXPECT_EQ(test::Voer(cli::OpslaanOpdracht, {"--naam", "Derde"}).uit, "3\n");
}

TEST(OpgeslagenOpdrachten, BadUseIsRefusedBeforeAnythingIsStored)
{
    test::EigenDatabases databases;
    test::Voer(cli::OpslaanOpdracht, {"--naam", "Eerste"});
    const struct {
        test::Opdracht opdracht;
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {cli::OpslaanOpdracht, {"--loonbedrag", "100"}, "--naam"},
        {cli::OpslaanOpdracht, {"--naam", "  "}, "--naam"},
        {cli::OpslaanOpdracht, {"--naam", "X", "--loonbedrag", "1,2,3"}, "--loonbedrag"},
        {cli::ToonOpdracht, {}, "NUMMER"},
        {cli::ToonOpdracht, {"0"}, "ongeldig nummer '0'"},
        {cli::ToonOpdracht, {"1", "--formaat", "xml"}, "--formaat"},
        {cli::VerwijderOpdracht, {"twee"}, "ongeldig nummer 'twee'"},
        {cli::LijstOpdracht, {"extra"}, "onverwacht argument 'extra'"},
    };
    for (const auto& geval : kGevallen) {
        const test::Uitvoer r = test::Voer(geval.opdracht, geval.argumenten);
        EXPECT_EQ(r.code, 2) << geval.melding;
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_TRUE(r.uit.empty()) << r.uit;
    }
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "1\tEerste\n");
}

TEST(OpgeslagenOpdrachten, ASecondUserIsRefused)
{
    test::EigenDatabases databases;
    TdmVektaris eerste(databases.Map().Path());
    TBewaardeMeldingen meldingen;
    ASSERT_TRUE(eerste.Openen(meldingen));
    const std::pair<test::Opdracht, std::vector<std::string>> kOpdrachten[] = {
        {cli::LijstOpdracht, {}}, {cli::OpslaanOpdracht, {"--naam", "X"}}, {cli::VerwijderOpdracht, {"1"}}};
    for (const auto& [opdracht, argumenten] : kOpdrachten) {
        const test::Uitvoer r = test::Voer(opdracht, argumenten);
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.fout.find("Vektaris is al in gebruik."), std::string::npos) << r.fout;
    }
}

TEST(OpgeslagenOpdrachten, AFailedSaveReportsTheSaveErrorAndChangesNothing)
{
    test::EigenDatabases databases;
    test::Voer(cli::OpslaanOpdracht, {"--naam", "Eerste"});
    {
        TdmVektaris dm(databases.Map().Path());
        TBewaardeMeldingen meldingen;
        ASSERT_TRUE(dm.Openen(meldingen));
        for (const char* sql :
             {"CREATE TABLE Teller (N INTEGER)", "INSERT INTO Teller VALUES (0)",
              "CREATE TRIGGER Derde BEFORE INSERT ON Heffingsregels BEGIN UPDATE Teller SET N = N + 1; "
              "SELECT RAISE(ABORT, 'derde regel geweigerd') WHERE (SELECT N FROM Teller) = 3; END"})
            db::Query(dm.adbQuelvar, sql).ExecSQL();
    }
    const int regelsVooraf = RijenVan(databases, 1);
    const test::Uitvoer r = test::Voer(cli::OpslaanOpdracht, {"--naam", "Tweede"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("Er is een fout opgetreden bij het opslaan van de heffingsgegevens. De operatie is "
                          "geannuleerd.\n\nDe fout betrof: De database weigert de wijziging (derde regel geweigerd)"),
              std::string::npos)
        << r.fout;
    EXPECT_TRUE(r.uit.empty());
    EXPECT_EQ(RijenVan(databases, 2), 0);
    EXPECT_EQ(RijenVan(databases, 1), regelsVooraf);
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "1\tEerste\n");
}

TEST(OpgeslagenOpdrachten, AnotherProcessIsRefusedWhileTheDatabaseIsHeld)
{
    test::EigenDatabases databases;
    TdmVektaris eerste(databases.Map().Path());
    TBewaardeMeldingen meldingen;
    ASSERT_TRUE(eerste.Openen(meldingen));
    const auto [code, tekst] = VoerProgramma(databases, "lijst");
    EXPECT_EQ(code, 1);
    EXPECT_NE(tekst.find("Vektaris is al in gebruik."), std::string::npos) << tekst;
}

TEST(OpgeslagenOpdrachten, AStoredPensionFormulaBelowZeroChargesNoPension)
{
    // Gross 1000, pension 5 % over the stored formula.
    const struct {
        const char* formule;
        const char* pensioen; // the statement's line, or nothing
        double sv;
    } gevallen[] = {
        {"[Brutoloon]-1250.5", nullptr, 1000},  // below zero: no pension, not 12,53
        {"[Brutoloon]-750", "   Pensioenpremie                                    -       12,50 -       12,50",
         987.50},                              // 250 x 5 %
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.formule);
        test::EigenDatabases databases;
        ASSERT_EQ(test::Voer(cli::OpslaanOpdracht, {"--naam", "Piet", "--loonbedrag", "1000", "--regel", "128=5%"}).code,
                  0);
        test::VoerSqlUit(databases, std::string("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, "
                                                "Ingangsdatum, Hersteldatum, FormulePensioen, IngeschakeldPensioen) "
                                                "VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '") +
                                        geval.formule + "', 1)");
        const test::Uitvoer tekst = test::Voer(cli::ToonOpdracht, {"1"});
        ASSERT_EQ(tekst.code, 0) << tekst.fout;
        EXPECT_EQ(tekst.uit.find("Pensioenpremie") != std::string::npos, geval.pensioen != nullptr) << tekst.uit;
        if (geval.pensioen != nullptr) {
            EXPECT_NE(tekst.uit.find(geval.pensioen), std::string::npos) << tekst.uit;
        }
        const test::Uitvoer json = test::Voer(cli::ToonOpdracht, {"1", "--formaat", "json"});
        EXPECT_EQ(test::JsonGetal(json.uit, "sv_loon"), geval.sv);
    }
}

TEST(OpgeslagenOpdrachten, AStoredFormulaLongerThanItsColumnIsReportedNotComputed)
{
    // Nested deep enough to exhaust the stack if it were evaluated.
    const std::string diep = std::string(20000, '(') + "1" + std::string(20000, ')');
    const struct {
        std::string sql;
        const char* melding;
    } gevallen[] = {
        {"INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW, "
         "IngeschakeldWW) VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '" + diep + "', 1)",
         "vkt2020-cli toon: de berekening is mislukt: FormuleWW: De formule is langer dan 255 tekens.\n"},
        {"INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, "
         "AfwijkendeGrondslagWN, ActiefWN) VALUES (1, '9999-12-31 00:00:00', 1, 'Bouw', 1, '" + diep + "', 1)",
         "AfwijkendeGrondslagWN van sociaal fonds 'Bouw': De formule is langer dan 255 tekens.\n"},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.melding);
        test::EigenDatabases databases;
        ASSERT_EQ(test::Voer(cli::OpslaanOpdracht, {"--naam", "Eerste"}).code, 0);
        test::VoerSqlUit(databases, geval.sql);
        const auto [code, tekst] = VoerProgramma(databases, "toon 1");
        EXPECT_EQ(code, 1);
        EXPECT_TRUE(tekst.ends_with(geval.melding)) << tekst;
    }
}
