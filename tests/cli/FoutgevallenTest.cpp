#include "Opdrachten.h"

#include "cli/BatchOpdracht.h"
#include "cli/BerekenOpdracht.h"
#include "cli/OpgeslagenOpdrachten.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vkt;

namespace {

const std::vector<std::string> kVast = {"--datum", "15-03-2020", "--geboortedatum", "01-01-1980"};

std::vector<std::string> Met(std::vector<std::string> argumenten)
{
    argumenten.insert(argumenten.end(), kVast.begin(), kVast.end());
    return argumenten;
}

// A database with one saved calculation, number 1, changed by sql.
class OpgeslagenBerekening {
public:
    explicit OpgeslagenBerekening(const std::vector<std::string>& sql = {})
    {
        const test::Uitvoer opgeslagen =
            test::Voer(cli::OpslaanOpdracht, Met({"--naam", "Piet", "--loonbedrag", "2000"}));
        EXPECT_EQ(opgeslagen.uit, "1\n") << opgeslagen.fout;
        for (const std::string& opdracht : sql)
            test::VoerSqlUit(databases_, opdracht);
    }
    const test::EigenDatabases& Databases() const { return databases_; }

private:
    test::EigenDatabases databases_;
};

} // namespace

TEST(Foutgevallen, AStoredCalculationTheWindowWouldRefuseIsReportedWithItsCheckNotComputed)
{
    const struct {
        const char* sql;
        const char* melding;
    } kGevallen[] = {
        {"UPDATE Werknemersgegevens SET WerknemerSoort = 9", "Berekening voor is niet geselecteerd."},
        {"UPDATE BerekeningsgegevensVKT SET SoortLoonbedrag = 9", "Soort loonbedrag is niet geselecteerd."},
        {"UPDATE Werknemersgegevens SET Geboortedatum = NULL", "Geboortedatum is ongeldig of niet ingevuld."},
        // An empty birth date field is stored as the day number 0.
        {"UPDATE Werknemersgegevens SET Geboortedatum = '1899-12-30 00:00:00'",
         "Geboortedatum is ongeldig of niet ingevuld."},
        {"UPDATE Werknemersgegevens SET Vastloon = 100000000",
         "Loonbedrag is ongeldig: het grootste loonbedrag is 99.999.999,99."},
        {"UPDATE Werknemersgegevens SET Vastloon = 9e999", "Het veld Vastloon van de opgeslagen berekening bevat "
                                                           "geen geldig getal (oneindig)."},
        {"UPDATE Werknemersgegevens SET Deeltijdpercentage = 'NaN'", "Het veld Deeltijdpercentage"},
        {"UPDATE BerekeningsgegevensVKT SET PercentageVakantiegeld = -9e999", "(min oneindig)"},
        {"UPDATE Heffingsregels SET Percentage = 9e999 WHERE Regeltype = 524289", "Het veld Percentage"},
        // What no field of the window could have held, and codes outside their lists, are named.
        {"UPDATE Werknemersgegevens SET Vastloon = 1e15",
         "Loonbedrag is ongeldig: het grootste loonbedrag is 99.999.999,99."},
        {"UPDATE Werknemersgegevens SET Deeltijdpercentage = 12345",
         "Het veld Deeltijdpercentage van de opgeslagen berekening bevat 12345, meer dan het veld Deeltijdfactor kan "
         "bevatten."},
        {"UPDATE Heffingsregels SET Bedrag = 1e9 WHERE Regeltype = 524289",
         "Het veld Bedrag van de opgeslagen berekening bevat 1000000000, meer dan het veld Bedrag kan bevatten."},
        {"UPDATE Werknemersgegevens SET Loontijdvak = 7",
         "Het veld Loontijdvak van de opgeslagen berekening bevat een keuze die niet in de lijst staat (7)."},
        {"UPDATE Werknemersgegevens SET Tabelkleur = 5", "Het veld Tabelkleur"},
        {"UPDATE Werknemersgegevens SET LoonbelastingtabelVoorInwoner = 9", "Het veld LoonbelastingtabelVoorInwoner"},
        {"UPDATE Heffingsgegevens SET AwfPremieType = 'X'", "keuze die niet in de lijst staat (X)."},
        // No calculation date is refused as an empty date field is, not computed for some date of its own.
        {"UPDATE BerekeningsgegevensVKT SET BerekeningsDatum = NULL", "Datum is ongeldig."},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.sql);
        OpgeslagenBerekening berekening({geval.sql});
        const test::Uitvoer r = test::Voer(cli::ToonOpdracht, {"1", "--formaat", "json"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.fout.rfind("vkt2020-cli toon: de berekening met nummer 1 kan niet worden berekend: ", 0), 0u)
            << r.fout;
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_TRUE(r.uit.empty());
    }
}


TEST(Foutgevallen, ANumberThatIsNotSavedFailsAndSaysSo)
{
    OpgeslagenBerekening berekening;
    for (const test::Opdracht opdracht : {cli::ToonOpdracht, cli::VerwijderOpdracht})
        EXPECT_TRUE(test::Geweigerd(test::Voer(opdracht, {"7"}), 1, ": de berekening met nummer 7 bestaat niet."));
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "1\tPiet\n");
}

TEST(Foutgevallen, WithoutAnEmployerNothingIsComputedOrStored)
{
    test::EigenDatabases databases;
    test::VoerSqlUit(databases, "DELETE FROM Werkgever");
    const std::pair<test::Opdracht, std::vector<std::string>> kOpdrachten[] = {
        {cli::BerekenOpdracht, Met({})}, {cli::LijstOpdracht, {}}, {cli::OpslaanOpdracht, Met({"--naam", "Piet"})}};
    for (const auto& [opdracht, argumenten] : kOpdrachten)
        EXPECT_TRUE(test::Geweigerd(test::Voer(opdracht, argumenten), 1, "Nog geen werkgever gedefinieerd.\n"));
    test::VoerSqlUit(databases, "INSERT INTO Werkgever (Werkgeversnummer) VALUES (1)");
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "");
}

TEST(Foutgevallen, ANumberPastTheLargestIsRefusedNotWrapped)
{
    const char* const kHoogste = " SET Werknemersnummer = 2147483647";
    OpgeslagenBerekening berekening({std::string("UPDATE Werknemersgegevens") + kHoogste,
                                     std::string("UPDATE BerekeningsgegevensVKT") + kHoogste});
    const test::Uitvoer r = test::Voer(cli::OpslaanOpdracht, Met({"--naam", "Klaas"}));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("Er kan geen nieuwe berekening worden opgeslagen: het hoogste nummer (2147483647) is al in "
                          "gebruik."),
              std::string::npos)
        << r.fout;
    EXPECT_TRUE(r.uit.empty());
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "2147483647\tPiet\n");
}

TEST(Foutgevallen, BatchRefusesToWriteOverItsInput)
{
    test::EigenDatabases databases;
    const std::filesystem::path map = databases.Map().Path();
    std::filesystem::create_directory(map / "sub");
    const std::string invoer = (map / "sub" / "invoer.csv").string();
    const std::string inhoud = "loonbedrag\n1000\n";
    std::ofstream(invoer) << inhoud;
    std::filesystem::create_hard_link(invoer, map / "koppeling.csv");
    for (const std::string& uitvoer :
         {invoer, (map / "sub" / ".." / "sub" / "invoer.csv").string(), (map / "koppeling.csv").string()}) {
        EXPECT_TRUE(test::Geweigerd(test::Voer(cli::BatchOpdracht, {invoer, "--uitvoer", uitvoer}), 2,
                                    "is het invoerbestand"))
            << uitvoer;
        EXPECT_EQ(test::LeesBestand(invoer), inhoud);
    }
}

TEST(Foutgevallen, ADamagedConstantsDatabaseIsNamed)
{
    test::EigenDatabases databases;
    std::ofstream(databases.Map().File("VktC2020.db")) << "geen database, maar tekst van voldoende lengte voor een kop";
    const test::Uitvoer r = test::Voer(cli::BerekenOpdracht, Met({}));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("De fout betrof: ConnectDatabase: Het bestand is geen database (file is not a database) "
                          "(VktC2020.db)"),
              std::string::npos)
        << r.fout;
}

TEST(Foutgevallen, ANameIsUtf8OfAtMostFiftyCharactersWithoutControlCharacters)
{
    test::EigenDatabases databases;
    const struct {
        std::string naam;
        const char* melding;
    } kGeweigerd[] = {
        {"Jan\tJansen", "ongeldige naam 'Jan\\tJansen' bij --naam: een naam mag geen tab, regelovergang of ander"},
        {"Jan\nJansen", "ongeldige naam 'Jan\\nJansen'"},
        {"Jan\x1b[2J", "ongeldige naam 'Jan\\x1B[2J'"},
        {"Jan\xC2\x85", "ongeldige naam 'Jan\\xC2\\x85'"},
        {"Jan\xff", "ongeldige naam 'Jan\\xFF' bij --naam: de naam is geen geldige UTF-8-tekst."},
        {"Jos\xC3", "de naam is geen geldige UTF-8-tekst."},
        {"\xC0\xAF", "de naam is geen geldige UTF-8-tekst."},
        {std::string(51, 'a'), "een naam heeft ten hoogste 50 tekens."},
    };
    for (const auto& geval : kGeweigerd)
        for (const test::Opdracht opdracht : {cli::BerekenOpdracht, cli::OpslaanOpdracht})
            EXPECT_TRUE(test::Geweigerd(test::Voer(opdracht, Met({"--naam", geval.naam})), 2, geval.melding));
    std::string vijftig;
    for (int i = 0; i < 50; ++i)
        vijftig += "é";
    EXPECT_EQ(test::Voer(cli::OpslaanOpdracht, Met({"--naam", vijftig})).uit, "1\n");
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "1\t" + vijftig + "\n");
}

TEST(Foutgevallen, AStoredNameWithControlCharactersIsListedAndShownVisibly)
{
    OpgeslagenBerekening berekening(
        {"UPDATE Werknemersgegevens SET Naam = 'Piet' || char(9) || 'Jansen' || char(27) || CAST(x'FF' AS TEXT)"});
    EXPECT_EQ(test::Voer(cli::LijstOpdracht, {}).uit, "1\tPiet\\tJansen\\x1B\\xFF\n");
    const test::Uitvoer json = test::Voer(cli::LijstOpdracht, {"--formaat", "json"});
    EXPECT_EQ(json.uit, "[\n  {\n    \"nummer\": 1,\n    \"naam\": \"Piet\\tJansen\\u001b\xEF\xBF\xBD\"\n  }\n]\n");
    const test::Uitvoer overzicht = test::Voer(cli::ToonOpdracht, {"1"});
    ASSERT_EQ(overzicht.code, 0) << overzicht.fout;
    EXPECT_NE(overzicht.uit.find("Model loonberekening voor: Piet\\tJansen\\x1B\\xFF\n"), std::string::npos)
        << overzicht.uit;
    EXPECT_EQ(overzicht.uit.find('\x1B'), std::string::npos);
}
