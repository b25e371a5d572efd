#include "Opdrachten.h"

#include "cli/BerekenOpdracht.h"
#include "cli/Hoofdprogramma.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

// The program with fixed dates, so that the age and the constants do not
// depend on today.
test::Uitvoer Programma(std::vector<std::string> argumenten)
{
    return test::Voer(cli::Hoofdprogramma, argumenten);
}

test::Uitvoer BerekenJson(std::vector<std::string> opties)
{
    std::vector<std::string> argumenten = {"bereken", "--datum", "15-03-2020", "--geboortedatum", "01-01-1980",
                                           "--formaat", "json"};
    argumenten.insert(argumenten.end(), opties.begin(), opties.end());
    return Programma(argumenten);
}

} // namespace

TEST(Opties, AmountsAreReadAsDutchUsersWriteThem)
{
    test::EigenDatabases databases;
    const struct {
        const char* tekst;
        double bedrag;
    } kGevallen[] = {{"3.500", 3500},        {"3.500,50", 3500.5}, {"3500,50", 3500.5},
                     {"3500.50", 3500.5},    {"1.234.567,89", 1234567.89}, {"0,5", 0.5}};
    for (const auto& geval : kGevallen) {
        const test::Uitvoer r = BerekenJson({"--loonbedrag", geval.tekst});
        ASSERT_EQ(r.code, 0) << geval.tekst << ": " << r.fout;
        EXPECT_EQ(test::JsonGetal(r.uit, "brutoloon"), geval.bedrag) << geval.tekst;
    }
}

TEST(Opties, AValueWithTooManyDecimalsOrOutOfRangeIsAUsageErrorNamingIt)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> opties;
        const char* melding;
    } kGevallen[] = {
        {{"--loonbedrag", "3500,505"}, "ongeldig bedrag '3500,505' bij --loonbedrag: een bedrag heeft ten hoogste 2"},
        {{"--loonbedrag", "-0,01"}, "ongeldig bedrag '-0,01' bij --loonbedrag"},
        {{"--loonbedrag", "100.000.000"}, "ongeldig bedrag '100.000.000' bij --loonbedrag"},
        {{"--vakantiegeld", "8,125"}, "ongeldig percentage '8,125' bij --vakantiegeld"},
        {{"--regel", "128=5,1255%"}, "ongeldige regel '128=5,1255%' bij --regel: een percentage heeft ten hoogste 3"},
        {{"--regel", "9=150,001"}, "ongeldige regel '9=150,001' bij --regel"},
        {{"--regel", "9=-5"}, "ongeldige regel '9=-5' bij --regel: alleen regeltype 1"},
        {{"--soort", "artiest-binnenland", "--artiest-kostenvergoeding", "-5"},
         "ongeldig bedrag '-5' bij --artiest-kostenvergoeding"},
    };
    for (const auto& geval : kGevallen)
        EXPECT_TRUE(test::Geweigerd(BerekenJson(geval.opties), 2, geval.melding)) << geval.melding;
}

TEST(Opties, ALineTakesAPercentageWithThreeDecimalsAndANegativeAmountWhereItAllowsOne)
{
    test::EigenDatabases databases;
    // 2500 with 5,125 % pension: 128,13 off the insurance wage.
    const test::Uitvoer pensioen = BerekenJson({"--loonbedrag", "2500", "--regel", "128=5,125%"});
    ASSERT_EQ(pensioen.code, 0) << pensioen.fout;
    EXPECT_EQ(test::JsonGetal(pensioen.uit, "sv_loon"), 2371.87);
    // A correction of the wage taxed only for wage tax and Zvw.
    const test::Uitvoer correctie = BerekenJson({"--loonbedrag", "2500", "--regel", "2051=-100"});
    ASSERT_EQ(correctie.code, 0) << correctie.fout;
    EXPECT_EQ(test::JsonGetal(correctie.uit, "lb_loon"), 2400);
}

TEST(Opties, EveryCommandHasHelpAndTheMainHelpListsThemAll)
{
    const test::Uitvoer hoofd = Programma({"--help"});
    EXPECT_EQ(hoofd.code, 0);
    for (const char* opdracht :
         {"constanten", "bereken", "batch", "lijst", "toon", "opslaan", "verwijder", "fondsen"}) {
        EXPECT_NE(hoofd.uit.find(std::string("\n  ") + opdracht + "\n"), std::string::npos) << opdracht;
        const test::Uitvoer hulp = Programma({opdracht, "--help"});
        EXPECT_EQ(hulp.code, 0) << opdracht;
        EXPECT_EQ(hulp.uit.rfind(std::string("Gebruik: vkt2020-cli ") + opdracht, 0), 0u) << hulp.uit;
        EXPECT_NE(hulp.uit.find("Afsluitcodes"), std::string::npos) << opdracht;
        EXPECT_TRUE(hulp.fout.empty());
    }
    const test::Uitvoer zonder = Programma({});
    EXPECT_EQ(zonder.code, 2);
    EXPECT_EQ(zonder.fout, hoofd.uit);
}

TEST(Opties, TheVersionIsTheProgramsAlsoInTheJson)
{
    test::EigenDatabases databases;
    const test::Uitvoer versie = Programma({"--version"});
    EXPECT_EQ(versie.code, 0);
    EXPECT_EQ(versie.uit, "vkt2020-cli " + cli::ProgrammaVersie() + "\n");
    EXPECT_FALSE(cli::ProgrammaVersie().empty());
    EXPECT_EQ(test::JsonTekst(BerekenJson({}).uit, "versie"), "\"" + cli::ProgrammaVersie() + "\"");
}

TEST(Opties, OptionNamesCommandsAndChoicesAreReadInAnyLetterCase)
{
    test::EigenDatabases databases;
    const test::Uitvoer klein = BerekenJson({"--loonbedrag", "2000", "--soort", "vrij-werknemers",
                                             "--percentage-loonheffing", "20", "--awf-premie", "hoog"});
    const test::Uitvoer groot =
        Programma({"BEREKEN", "--Datum", "15-03-2020", "--GEBOORTEDATUM=01-01-1980", "--FORMAAT", "Json",
                   "--LoonBedrag", "2000", "--SOORT", "Vrij-Werknemers", "--Percentage-Loonheffing", "20",
                   "--AWF-PREMIE", "HOOG"});
    ASSERT_EQ(klein.code, 0) << klein.fout;
    ASSERT_EQ(groot.code, 0) << groot.fout;
    EXPECT_EQ(groot.uit, klein.uit);
}

TEST(Opties, AMissingValueAnUnknownWordOrARepeatIsReported)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {{"bereken", "--loonbedrag", "--naam", "Jan"}, "vkt2020-cli bereken: de optie '--loonbedrag' verwacht een waarde."},
        {{"bereken", "--naam", "Jan", "--loonbedrag"}, "de optie '--loonbedrag' verwacht een waarde."},
        {{"bereken", "--loonbedrag", "--naam=Jan"}, "de optie '--loonbedrag' verwacht een waarde."},
        {{"bereken", "--naam", "-h"}, "de optie '--naam' verwacht een waarde."},
        {{"toon", "--formaat"}, "de optie '--formaat' verwacht een waarde."},
        {{"batch", "in.csv", "--uitvoer"}, "de optie '--uitvoer' verwacht een waarde."},
        {{"bereken", "--jaar=2020"}, "onbekende optie '--jaar'."},
        {{"bereken", "2020"}, "onverwacht argument '2020'."},
        {{"toon", "1", "2"}, "onverwacht argument '2'."},
        {{"bereken", "--loonbedrag", "1", "--LOONBEDRAG", "2"}, "de optie '--loonbedrag' staat er twee keer."},
        {{"rekenen"}, "vkt2020-cli: onbekende opdracht 'rekenen'. Zie vkt2020-cli --help."},
        {{"--jaar"}, "vkt2020-cli: onbekende optie '--jaar'."},
    };
    for (const auto& geval : kGevallen)
        EXPECT_TRUE(test::Geweigerd(Programma(geval.argumenten), 2, geval.melding)) << geval.melding;
}

TEST(Opties, AValueGivenIsCheckedAndNamedAlsoWhenItLooksLikeAnOptionOrIsEmpty)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> argumenten;
        std::string melding;
    } kGevallen[] = {
        {{"bereken", "--loonbedrag", "-inf"}, "ongeldig bedrag '-inf' bij --loonbedrag: gebruik bijvoorbeeld 3500,"},
        {{"bereken", "--loonbedrag", "--5"}, "ongeldig bedrag '--5' bij --loonbedrag"},
        {{"bereken", "--loonbedrag", "-5"}, "ongeldig bedrag '-5' bij --loonbedrag: kies een bedrag van 0 tot en met"},
        {{"bereken", "--loonbedrag="}, "ongeldig bedrag '' bij --loonbedrag"},
        {{"bereken", "--soort="}, "ongeldige waarde '' bij --soort: kies werknemer, bijzonder-loon,"},
        {{"bereken", "--datum", ""}, "ongeldige datum '' bij --datum: gebruik DD-MM-JJJJ."},
        {{"opslaan", "--naam", ""}, "geef de naam van de werknemer met --naam."},
        {{"bereken", "--pdf", ""}, "lege bestandsnaam bij --pdf: geef de naam van het bestand."},
        {{"toon", "1", "--formaat="}, "ongeldig formaat '' bij --formaat: kies tekst of json."},
        {{"toon", "-3"}, "ongeldig nummer '-3': geef het nummer van een opgeslagen berekening."},
        {{"bereken", "--naam", std::string(131072, 'a')},
         "ongeldige naam '" + std::string(80, 'a') + "…' (131.072 tekens) bij --naam: een naam heeft ten hoogste 50 "
                                                     "tekens.\n"},
        {{"bereken", "--loonbedrag", "12\x1B[2J"}, "ongeldig bedrag '12\\x1B[2J' bij --loonbedrag"},
        {{"bereken", "--" + std::string(1000, 'x')}, "onbekende optie '--" + std::string(78, 'x') + "…' (1.002 tekens)."},
    };
    for (const auto& geval : kGevallen)
        EXPECT_TRUE(test::Geweigerd(Programma(geval.argumenten), 2, geval.melding)) << geval.melding;
    // An empty name is no name, as when it is left out.
    EXPECT_EQ(BerekenJson({"--naam", ""}).code, 0);
}

TEST(Opties, AnOptionTheKindDoesNotUseIsAUsageError)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> opties;
        const char* melding;
    } kGevallen[] = {
        {{"--percentage-loonheffing", "20"},
         "de optie --percentage-loonheffing geldt alleen bij --soort vrij-werknemers en vrij-artiest, niet bij "
         "werknemer."},
        {{"--soort", "artiest-binnenland", "--percentage-loonheffing", "20"}, "--percentage-loonheffing geldt alleen"},
        {{"--artiest-loonheffing", "20"}, "--artiest-loonheffing geldt alleen bij --soort artiest-binnenland"},
        {{"--soort", "vrij-artiest", "--percentage-loonheffing", "20", "--artiest-loonheffing", "20"},
         "--artiest-loonheffing geldt alleen"},
        {{"--soort", "vrij-werknemers", "--artiest-kostenvergoeding", "100"}, "--artiest-kostenvergoeding geldt alleen"},
        {{"--jaarloon-vorig-jaar", "30000"}, "--jaarloon-vorig-jaar geldt alleen bij --soort bijzonder-loon"},
        {{"--soort", "bijzonder-loon"}, "bij --soort bijzonder-loon hoort --jaarloon-vorig-jaar (0 mag)."},
        {{"--soort", "artiest-buitenland", "--loontijdvak", "week"}, "--loontijdvak kan alleen bij --soort werknemer"},
    };
    for (const auto& geval : kGevallen)
        EXPECT_TRUE(test::Geweigerd(BerekenJson(geval.opties), 2, geval.melding)) << geval.melding;
    // The options that do apply.
    for (const std::vector<std::string>& opties :
         {std::vector<std::string>{"--soort", "bijzonder-loon", "--jaarloon-vorig-jaar", "0"},
          {"--soort", "vrij-artiest", "--percentage-loonheffing", "20", "--artiest-kostenvergoeding", "100"},
          {"--soort", "artiest-buitenland", "--artiest-loonheffing", "20", "--loontijdvak", "maand"}}) {
        const test::Uitvoer r = BerekenJson(opties);
        EXPECT_EQ(r.code, 0) << r.fout;
    }
}
