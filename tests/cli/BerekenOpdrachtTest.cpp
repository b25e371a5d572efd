#include "Opdrachten.h"

#include "cli/BerekenOpdracht.h"
#include "cli/BerekenOpties.h"
#include "common/Meldingen.h"
#include "store/DmVektaris.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vkt;

namespace {

// Fixed dates, so that the age and the constants do not depend on today.
const std::vector<std::string> kVast = {"--datum", "15-03-2020", "--geboortedatum", "01-01-1980"};

test::Uitvoer Bereken(std::vector<std::string> argumenten)
{
    for (std::size_t i = 0; i < kVast.size(); i += 2)
        if (std::find(argumenten.begin(), argumenten.end(), kVast[i]) == argumenten.end())
            argumenten.insert(argumenten.begin(), {kVast[i], kVast[i + 1]});
    return test::Voer(cli::BerekenOpdracht, argumenten);
}

test::Uitvoer BerekenJson(std::vector<std::string> argumenten)
{
    argumenten.insert(argumenten.end(), {"--formaat", "json"});
    return Bereken(argumenten);
}

std::string Tekst(double bedrag)
{
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%.2f", bedrag);
    return tekst;
}

} // namespace

TEST(BerekenOpdracht, BadUsageNamesTheFaultComputesNothingAndExitsWith2)
{
    test::EigenDatabases databases;
    const struct {
        std::vector<std::string> argumenten;
        const char* melding;
    } kGevallen[] = {
        {{"--jaar", "2020"}, "onbekende optie '--jaar'"},
        {{"--loonbedrag", "12,34,5"}, "ongeldig bedrag '12,34,5' bij --loonbedrag"},
        {{"--loonbedrag", "1.234,567"}, "ongeldig bedrag '1.234,567' bij --loonbedrag"},
        {{"--loonbedrag", "-5"}, "ongeldig bedrag '-5' bij --loonbedrag"},
        {{"--loonbedrag", "100000000"}, "ongeldig bedrag '100000000' bij --loonbedrag"},
        {{"--loonbedrag"}, "de optie '--loonbedrag' verwacht een waarde"},
        {{"--loonbedrag", "1", "--loonbedrag", "2"}, "de optie '--loonbedrag' staat er twee keer"},
        {{"--datum", "31-02-2020"}, "ongeldige datum '31-02-2020' bij --datum"},
        {{"--datum", "15-03-2019"}, "bij --datum: de berekeningsdatum ligt in 2020"},
        {{"--geboortedatum", "1980-01-01"}, "ongeldige datum '1980-01-01' bij --geboortedatum"},
        {{"--geboortedatum", "01-06-2020"}, "Leeftijd is ongeldig of niet ingevuld. (--geboortedatum 01-06-2020"},
        {{"--soort", "zzp"}, "ongeldige waarde 'zzp' bij --soort"},
        {{"--soort", "bijzonder-loon", "--loontijdvak", "week"}, "--loontijdvak kan alleen bij --soort werknemer"},
        {{"--soort-loonbedrag", "netto"}, "ongeldige waarde 'netto' bij --soort-loonbedrag"},
        {{"--loontijdvak", "jaar"}, "ongeldige waarde 'jaar' bij --loontijdvak"},
        {{"--tabelkleur", "blauw"}, "ongeldige waarde 'blauw' bij --tabelkleur"},
        {{"--loonbelastingtabel", "5"}, "ongeldige waarde '5' bij --loonbelastingtabel"},
        {{"--loonheffingskorting", "misschien"}, "ongeldige waarde 'misschien' bij --loonheffingskorting"},
        {{"--deeltijd", "0"}, "ongeldig percentage '0' bij --deeltijd"},
        {{"--vakantiegeld", "101"}, "ongeldig percentage '101' bij --vakantiegeld"},
        {{"--loondagen", "66"}, "ongeldig aantal '66' bij --loondagen"},
        {{"--verzekerd", "ww,ziek"}, "ongeldige waarde 'ww,ziek' bij --verzekerd"},
        {{"--actief", "geen,ww"}, "ongeldige waarde 'geen,ww' bij --actief"},
        {{"--regel", "9"}, "ongeldige regel '9' bij --regel"},
        {{"--regel", "9=12,34,5"}, "ongeldige regel '9=12,34,5' bij --regel"},
        {{"--regel", "3=2000"}, "ongeldige regel '3=2000' bij --regel"},
        {{"--regel", "99999=5"}, "de berekening heeft geen regel van regeltype 99999 (bij --regel 99999=5)"},
        {{"--regel", "1048576/7=5"}, "geen regel van regeltype 1048576 met looncomponentnummer 7"},
        {{"--formaat", "xml"}, "ongeldig formaat 'xml' bij --formaat"},
    };
    for (const auto& geval : kGevallen) {
        const test::Uitvoer r = Bereken(geval.argumenten);
        EXPECT_EQ(r.code, 2) << geval.melding;
        EXPECT_NE(r.fout.find(geval.melding), std::string::npos) << r.fout;
        EXPECT_EQ(r.fout.rfind("vkt2020-cli bereken: ", 0), 0u) << r.fout;
        EXPECT_TRUE(r.uit.empty()) << geval.melding;
    }
}

TEST(BerekenOpdracht, JsonHoldsEveryColumnTotalAndTheSummary)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = BerekenJson({"--loonbedrag", "2500,55"});
    ASSERT_EQ(r.code, 0) << r.fout;
    const std::size_t kolommen = r.uit.find("\"kolommen\": {");
    ASSERT_NE(kolommen, std::string::npos);
    for (const char* nummer : {"0", "3", "4", "5", "7", "8", "12", "13", "14", "15", "16", "17", "18", "19"})
        EXPECT_FALSE(std::isnan(test::JsonGetal(r.uit, nummer, kolommen))) << nummer;
    EXPECT_EQ(test::JsonGetal(r.uit, "brutoloon"), 2500.55);
    EXPECT_EQ(test::JsonGetal(r.uit, "3", kolommen), 2500.55);
    EXPECT_EQ(test::JsonGetal(r.uit, "nettoloon"), test::JsonGetal(r.uit, "19", kolommen));
    EXPECT_EQ(test::JsonGetal(r.uit, "loonheffing"), test::JsonGetal(r.uit, "15", kolommen));
    EXPECT_GT(test::JsonGetal(r.uit, "loonheffing"), 0);
    EXPECT_GT(test::JsonGetal(r.uit, "arbeidskorting"), 0);
    EXPECT_GT(test::JsonGetal(r.uit, "werkgeverslasten"), 2500.55);
    EXPECT_NE(r.uit.find("\"melding\": null"), std::string::npos);
    EXPECT_NE(r.uit.find("\"regeltype\": 3,\n      \"looncomponentnummer\": 1,\n      \"omschrijving\": \"Brutoloon\",\n"
                         "      \"bedrag\": 2500.55"),
              std::string::npos)
        << r.uit;
}

// The amount of that kind (a JSON key of the summary or of the column
// totals) as the calculation wrote it.
std::string Bedrag(const std::string& json, const char* sleutel)
{
    const bool kolom = std::isdigit(static_cast<unsigned char>(sleutel[0])) != 0;
    return test::JsonTekst(json, sleutel, kolom ? json.find("\"kolommen\"") : 0);
}

// For every kind of wage amount, the amount a gross wage gives leads back to
// that gross wage. The wage tax goes by table steps, so at a step two gross
// wages can give the same net wage; then the gross wage found must give the
// amount as well.
TEST(BerekenOpdracht, SearchingTheGrossWageFindsTheGrossWageThatGaveTheAmount)
{
    test::EigenDatabases databases;
    const struct {
        const char* soort;
        const char* sleutel;
    } kSoorten[] = {{"nettoloon", "nettoloon"},
                    {"sociaal-loon", "8"},
                    {"loonheffingsloon", "14"},
                    {"zvw-loon", "12"},
                    {"werkgeverslasten", "werkgeverslasten"}};
    const std::vector<std::vector<std::string>> kInstellingen = {
        {},
        {"--loontijdvak", "week", "--verzekerd", "ww,wao,zvw", "--regel", "9=150", "--regel", "128=5%", "--regel",
         "2051=30"},
        {"--soort", "artiest-binnenland"},
        {"--soort", "vrij-werknemers", "--percentage-loonheffing", "20"},
    };
    for (const auto& instelling : kInstellingen) {
        for (const double bruto : {500.0, 2500.55, 6000.0}) {
            std::vector<std::string> argumenten = instelling;
            argumenten.insert(argumenten.end(), {"--loonbedrag", Tekst(bruto)});
            const test::Uitvoer vooruit = BerekenJson(argumenten);
            ASSERT_EQ(vooruit.code, 0) << vooruit.fout;
            for (const auto& soort : kSoorten) {
                const std::string bedrag = Bedrag(vooruit.uit, soort.sleutel);
                argumenten = instelling;
                argumenten.insert(argumenten.end(), {"--soort-loonbedrag", soort.soort, "--loonbedrag", bedrag});
                const test::Uitvoer terug = BerekenJson(argumenten);
                ASSERT_EQ(terug.code, 0) << terug.fout;
                const double gevonden = test::JsonGetal(terug.uit, "brutoloon");
                if (std::fabs(gevonden - bruto) <= 0.01 + 1e-9)
                    continue;
                argumenten = instelling;
                argumenten.insert(argumenten.end(), {"--loonbedrag", test::JsonTekst(terug.uit, "brutoloon")});
                const test::Uitvoer controle = BerekenJson(argumenten);
                EXPECT_NEAR(std::stod(Bedrag(controle.uit, soort.sleutel)), std::stod(bedrag), 0.005)
                    << soort.soort << " " << bedrag << " gaf brutoloon " << gevonden << " in plaats van " << bruto;
            }
        }
    }
}

TEST(BerekenOpdracht, ALineOptionGivesTheLineItsAmountOrPercentage)
{
    test::EigenDatabases databases;
    const test::Uitvoer basis = BerekenJson({"--loonbedrag", "2000"});
    const test::Uitvoer gewijzigd = BerekenJson(
        {"--loonbedrag", "2000", "--regel", "9=150", "--regel", "128=5%", "--regel", "1048576/1=25,50"});
    ASSERT_EQ(basis.code, 0) << basis.fout;
    ASSERT_EQ(gewijzigd.code, 0) << gewijzigd.fout;
    const std::size_t b = basis.uit.find("\"kolommen\"");
    const std::size_t g = gewijzigd.uit.find("\"kolommen\"");
    EXPECT_EQ(test::JsonGetal(basis.uit, "4", b), 0);
    EXPECT_EQ(test::JsonGetal(gewijzigd.uit, "4", g), 150);
    EXPECT_EQ(test::JsonGetal(gewijzigd.uit, "14", g), test::JsonGetal(basis.uit, "14", b) + 150 - 100);
    EXPECT_EQ(test::JsonGetal(gewijzigd.uit, "7", g), 100);
    EXPECT_EQ(test::JsonGetal(gewijzigd.uit, "18", g), 25.5);

    // The second component is the deduction.
    const test::Uitvoer inhouding = BerekenJson({"--loonbedrag", "2000", "--regel", "1048576/2=10"});
    ASSERT_EQ(inhouding.code, 0) << inhouding.fout;
    EXPECT_EQ(test::JsonGetal(inhouding.uit, "18", inhouding.uit.find("\"kolommen\"")), -10);
}

TEST(BerekenOpdracht, TextShowsTheStatement)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = Bereken({"--loonbedrag", "1000", "--werkgeverslasten-tonen", "ja"});
    ASSERT_EQ(r.code, 0) << r.fout;
    EXPECT_NE(r.uit.find("Zyrdo Vektaris-programma 2020"), std::string::npos);
    EXPECT_NE(r.uit.find("Datum                    : 15 maart 2020"), std::string::npos) << r.uit;
    EXPECT_NE(r.uit.find("   Brutoloon                                               1000,00       1000,00\n"),
              std::string::npos)
        << r.uit;
    EXPECT_TRUE(r.fout.empty()) << r.fout;
}

TEST(BerekenOpdracht, HelpListsEveryOptionWithItsDefault)
{
    const test::Uitvoer r = test::Voer(cli::BerekenOpdracht, {"--help"});
    EXPECT_EQ(r.code, 0);
    for (const cli::TBerekenOptie& optie : cli::BerekenOptieLijst())
        EXPECT_NE(r.uit.find(std::string("  --") + optie.Naam + " " + optie.Waarden + "\n"), std::string::npos)
            << optie.Naam;
    EXPECT_NE(r.uit.find("(standaard: 8)"), std::string::npos);
    EXPECT_NE(r.uit.find("(standaard: ww,wao;"), std::string::npos);
}

TEST(BerekenOpdracht, ASecondUserOfTheEmployeeDatabaseIsRefused)
{
    test::EigenDatabases databases;
    TdmVektaris eerste(databases.Map().Path());
    TBewaardeMeldingen meldingen;
    ASSERT_TRUE(eerste.Openen(meldingen));
    const test::Uitvoer r = BerekenJson({});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("Vektaris is al in gebruik."), std::string::npos) << r.fout;
    EXPECT_EQ(r.fout.find('\r'), std::string::npos);
    EXPECT_TRUE(r.uit.empty());
}

TEST(BerekenOpdracht, AMissingOrDamagedDatabaseEndsWithItsMessage)
{
    {
        test::EigenDatabases databases;
        std::ofstream(databases.Map().File("Vkt2020.db"))
            << "dit is geen database maar een tekstbestand van voldoende lengte";
        test::Uitvoer r = BerekenJson({});
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.fout.find("Er is een fout opgetreden bij  het openen van Vkt2020.db.\nFout: "), std::string::npos)
            << r.fout;
        EXPECT_TRUE(r.uit.empty());
    }
    test::EigenDatabases databases;
    std::filesystem::remove(databases.Map().File("VktC2020.db"));
    test::Uitvoer r = BerekenJson({});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.fout.find("Er is een fout opgetreden bij  starten van Vkt2020."), std::string::npos) << r.fout;
}

// A catalogue fund: 2 % of the gross wage for the employee (column 17), 1,5 %
// for the employer (column 0).
const char* const kBouwfonds =
    "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
    "PremieWG, PremieWN, WGBoekenInKolom, WNBoekenInKolom, GrondslagnummerWG, GrondslagnummerWN) VALUES "
    "(0, '9999-12-31 00:00:00', 4, 'Bouwfonds', 0, 1, 1.5, 2, 0, 17, 3, 3)";

// The amount after "sleutel": inside the object that follows "object":.
double In(const std::string& json, const char* object, const char* sleutel)
{
    return test::JsonGetal(json, sleutel, json.find(std::string("\"") + object + "\":"));
}

TEST(BerekenOpdracht, JsonGivesTheInputsTheNamedWagesAndEachEmployerCharge)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = BerekenJson({"--loonbedrag", "3.500", "--naam", "Jan \"de\" Vries"});
    ASSERT_EQ(r.code, 0) << r.fout;
    for (const char* sleutel : {"\"naam\": \"Jan \\\"de\\\" Vries\"", "\"datum\": \"15-03-2020\"",
                                "\"geboortedatum\": \"01-01-1980\"", "\"soort\": \"werknemer\"",
                                "\"loontijdvak\": \"maand\"", "\"soort_loonbedrag\": \"brutoloon\"",
                                "\"awf_premie\": \"laag\"", "\"percentage_bijzondere_beloning\": null",
                                "\"brutoloon_bereik\": null", "\"looncomponentnummer\": 3"})
        EXPECT_NE(r.uit.find(sleutel), std::string::npos) << sleutel;
    // 3500 a month: AWf low 2,94 %, WAO/WIA 6,77 %, Zvw 6,70 %, holiday pay 8 %.
    EXPECT_EQ(In(r.uit, "invoer", "loonbedrag"), 3500);
    EXPECT_EQ(test::JsonGetal(r.uit, "sv_loon"), 3500);
    EXPECT_EQ(test::JsonGetal(r.uit, "zvw_loon"), 3500);
    EXPECT_EQ(test::JsonGetal(r.uit, "lb_loon"), 3500);
    EXPECT_EQ(test::JsonGetal(r.uit, "zvw_werknemer"), 0);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "awf_laag"), 102.90);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "awf_hoog"), 0);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "wao_wia"), 236.95);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "zvw"), 234.50);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "reservering_vakantiegeld"), 280.00);
    EXPECT_EQ(test::JsonGetal(r.uit, "werkgeverslasten"), 4354.35);
}

TEST(BerekenOpdracht, ASearchGivesTheRangeOfGrossWagesThatReachTheAmount)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = BerekenJson({"--soort-loonbedrag", "sociaal-loon", "--loonbedrag", "2000"});
    ASSERT_EQ(r.code, 0) << r.fout;
    // The insurance wage is the gross wage here: one gross wage gives it.
    EXPECT_EQ(In(r.uit, "brutoloon_bereik", "laag"), 2000);
    EXPECT_EQ(In(r.uit, "brutoloon_bereik", "hoog"), 2000);

    const test::Uitvoer bijzonder =
        BerekenJson({"--soort", "bijzonder-loon", "--jaarloon-vorig-jaar", "30.000", "--loonbedrag", "1000"});
    ASSERT_EQ(bijzonder.code, 0) << bijzonder.fout;
    // The 2020 white table for an annual wage of 30.000 under the state pension age, with credits: 37,35 %
    // plus 4,02 % for the labour credit that phases out.
    EXPECT_EQ(test::JsonGetal(bijzonder.uit, "percentage_bijzondere_beloning"), 41.37);
    EXPECT_EQ(test::JsonGetal(bijzonder.uit, "loonheffing"), 413.70);
}

TEST(BerekenOpdracht, TheHighAwfPremiumChargesItsRateInsteadOfTheLowOne)
{
    test::EigenDatabases databases;
    const test::Uitvoer r = BerekenJson({"--loonbedrag", "3500", "--awf-premie", "hoog"});
    ASSERT_EQ(r.code, 0) << r.fout;
    // 7,94 % instead of 2,94 % of 3500: 277,90 instead of 102,90.
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "awf_hoog"), 277.90);
    EXPECT_EQ(In(r.uit, "werkgeversdeel", "awf_laag"), 0);
    EXPECT_EQ(test::JsonGetal(r.uit, "werkgeverslasten"), 4354.35 + 175);
    EXPECT_NE(r.uit.find("\"awf_premie\": \"hoog\""), std::string::npos);
}

TEST(BerekenOpdracht, AnArtistsReimbursedCostsLowerTheInsuranceWage)
{
    test::EigenDatabases databases;
    const test::Uitvoer r =
        BerekenJson({"--soort", "artiest-binnenland", "--loonbedrag", "3000", "--artiest-kostenvergoeding", "500"});
    ASSERT_EQ(r.code, 0) << r.fout;
    EXPECT_EQ(test::JsonGetal(r.uit, "sv_loon"), 2500);
    // The first bracket's 37,35 % of 2500.
    EXPECT_EQ(test::JsonGetal(r.uit, "loonheffing"), 933.75);
    // 3000 + AWf 73,50 + WAO/WIA 169,25 + Zvw 167,50 over 2500, holiday pay 240.
    EXPECT_EQ(test::JsonGetal(r.uit, "werkgeverslasten"), 3650.25);
}

TEST(BerekenOpdracht, AnAttachedFundShowsInTheStatementAndCounts)
{
    test::EigenDatabases databases;
    test::VoerSqlUit(databases, kBouwfonds);
    const test::Uitvoer tekst = Bereken({"--loonbedrag", "3500", "--fonds", "4", "--werkgeverslasten-tonen", "ja"});
    ASSERT_EQ(tekst.code, 0) << tekst.fout;
    EXPECT_NE(tekst.uit.find("Werkn.deel Bouwfonds                                            +       70,00"),
              std::string::npos)
        << tekst.uit;
    EXPECT_NE(tekst.uit.find("Werkg.deel Bouwfonds                                      52,50"), std::string::npos);
    const test::Uitvoer json = BerekenJson({"--loonbedrag", "3500", "--fonds", "4"});
    EXPECT_EQ(test::JsonGetal(json.uit, "nettoloon"), 2602.92 - 70);
    EXPECT_EQ(In(json.uit, "werkgeversdeel", "sociale_fondsen"), 52.50);
    EXPECT_EQ(test::JsonGetal(json.uit, "werkgeverslasten"), 4354.35 + 52.50);

    const test::Uitvoer onbekend = BerekenJson({"--fonds", "5"});
    EXPECT_EQ(onbekend.code, 2);
    EXPECT_NE(onbekend.fout.find("er is geen sociaal fonds met nummer 5 (bij --fonds)"), std::string::npos);
}

TEST(BerekenOpdracht, AFundFormulaBelowZeroChargesNeitherPart)
{
    // A fund of 5 % on both sides over its own formula, the employee's part
    // in column 16; gross 1000.
    test::EigenDatabases databases;
    test::VoerSqlUit(databases,
                     "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, "
                     "FondsActief, BPDType, PremieWG, PremieWN, WGBoekenInKolom, WNBoekenInKolom, ActiefWG, ActiefWN) "
                     "VALUES (0, '9999-12-31 00:00:00', 4, 'Drempelfonds', 0, 1, 5, 5, 0, 16, 1, 1)");
    const double zonderFonds = test::JsonGetal(BerekenJson({"--loonbedrag", "1000"}).uit, "nettoloon");
    const struct {
        const char* formule;
        double fonds;
    } gevallen[] = {
        {"[Brutoloon]-1250.5", 0},  // below zero: nothing, not 5 % of 250,50 = 12,53
        {"[Brutoloon]-750", 12.50}, // 250 x 5 %
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.formule);
        test::VoerSqlUit(databases, std::string("UPDATE SociaalFondsWG SET AfwijkendeGrondslagWN = '") +
                                        geval.formule + "', AfwijkendeGrondslagWG = '" + geval.formule + "'");
        const test::Uitvoer json = BerekenJson({"--loonbedrag", "1000", "--fonds", "4"});
        ASSERT_EQ(json.code, 0) << json.fout;
        EXPECT_EQ(In(json.uit, "kolommen", "16"), geval.fonds);
        EXPECT_EQ(In(json.uit, "werkgeversdeel", "sociale_fondsen"), geval.fonds);
        EXPECT_NEAR(test::JsonGetal(json.uit, "nettoloon"), zonderFonds - geval.fonds, 1e-9);
    }
}

TEST(BerekenOpdracht, WhoReachedTheStatePensionAgeIsInsuredOnlyWhenAskedFor)
{
    test::EigenDatabases databases;
    // 70 on 15 March 2020.
    const test::Uitvoer zonder = BerekenJson({"--geboortedatum", "01-01-1950", "--loonbedrag", "3500"});
    ASSERT_EQ(zonder.code, 0) << zonder.fout;
    EXPECT_EQ(In(zonder.uit, "werkgeversdeel", "awf_laag"), 0);
    EXPECT_EQ(In(zonder.uit, "werkgeversdeel", "wao_wia"), 0);
    EXPECT_EQ(test::JsonGetal(zonder.uit, "werkgeverslasten"), 3500 + 280 + 234.50);
    const test::Uitvoer met =
        BerekenJson({"--geboortedatum", "01-01-1950", "--loonbedrag", "3500", "--verzekerd", "ww,wao"});
    EXPECT_EQ(In(met.uit, "werkgeversdeel", "awf_laag"), 102.90);
    EXPECT_EQ(In(met.uit, "werkgeversdeel", "wao_wia"), 236.95);
}

TEST(BerekenOpdracht, PremiumsOverTheWageWithHolidayPayRaiseThePension)
{
    test::EigenDatabases databases;
    const test::Uitvoer zonder = BerekenJson({"--loonbedrag", "3500", "--regel", "128=5%"});
    const test::Uitvoer met =
        BerekenJson({"--loonbedrag", "3500", "--regel", "128=5%", "--loon-incl-vakantiegeld", "ja"});
    ASSERT_EQ(met.code, 0) << met.fout;
    // 5 % of 3500 is 175; of 3500 with 8 % holiday pay 189.
    EXPECT_EQ(test::JsonGetal(zonder.uit, "sv_loon"), 3500 - 175);
    EXPECT_EQ(test::JsonGetal(met.uit, "sv_loon"), 3500 - 189);
}
