#include "Rekenomgeving.h"

#include "calc/Rapport.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace vkt;
using vkt::test::Rekenomgeving;

namespace {

bool Bevat(const std::vector<std::string>& regels, const std::string& regel)
{
    return std::find(regels.begin(), regels.end(), regel) != regels.end();
}

bool BegintMet(const std::vector<std::string>& regels, const std::string& begin)
{
    return std::any_of(regels.begin(), regels.end(), [&](const std::string& r) { return r.starts_with(begin); });
}

} // namespace

TEST(Rapport, StatementOfAMonthlyWageWithEmployerPart)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Werknemer = "J. de Vries";
    invoer.Loonbedrag = 3000;
    invoer.WGLastenTonen = true;
    invoer.Actief.Whk = true;
    r.ZetBedrag(rtNatura, 150);
    r.ZetPercentage(rtWhkVerhalingOpWerknemer, 0.5);
    const std::vector<std::string> verwacht = {
        "                        ======================================",
        "                         Zyrdo Vektaris-programma 2020",
        "                        ======================================",
        "",
        "",
        "   Model loonberekening voor: J. de Vries",
        "   Soort berekening         : Werknemer",
        "   Tabelkleur               : Wit",
        "   Loonbelastingtabel       : Inwoners van Nederland",
        "   Loonheffingskorting      : Ja",
        "   Tijdvak                  : Maand",
        "   Arbeidskorting           : 304,08",
        "   AWf-premie type          : Laag",
        "   Loondagen                : 21,67 dagen",
        "   Datum                    : 15 maart 2020",
        "",
        "",
        "   Omschrijving                                         Berekening   Bruto/Netto",
        "   -----------------------------------------------------------------------------",
        "   Brutoloon                                               3000,00       3000,00",
        "   Waarde loon anders dan in geld                    +      150,00",
        "   Loon sociale verzekeringen                              3150,00",
        "   Loon Zvw                                                3150,00",
        "   Loon voor toepassing tabel LB/PH                        3150,00",
        "   Loonbelasting/Premie volksverzekeringen                         -      727,17",
        "   Whk verhaling op werknemer                                      -       15,75",
        "   Nettoloon                                                             2257,08",
        "   -----------------------------------------------------------------------------",
        "   Reservering vakantiegeld                                 240,00",
        "   Werkgeversdeel premie AWf laag                            92,61",
        "   WAO/WIA premie                                           213,26",
        "   Whk-premie                                                40,32",
        "   Whk verhaling op werknemer                        -       15,75",
        "   Zvw werkgeversheffing                                    211,05",
        "   Totale werkgeverslasten                                               3931,49",
        "   -----------------------------------------------------------------------------",
        "",
    };
    EXPECT_EQ(SchrijfRapport(r.Reken(invoer)), verwacht);
}

TEST(Rapport, FreeCalculationShowsTheFixedPercentageAndTheNetWageInEuros)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.SoortBerekening = spVrijeBerekeningWerknemers;
    invoer.LoonheffingVrij = 30;
    invoer.Loonbedrag = 2000;
    invoer.LoondagenVoorDagtabel = 1;
    const std::vector<std::string> regels = SchrijfRapport(r.Reken(invoer));
    EXPECT_FALSE(BegintMet(regels, "   Loonheffingskorting"));
    EXPECT_FALSE(BegintMet(regels, "   Tijdvak"));
    EXPECT_TRUE(Bevat(regels, "   Loondagen                : 1 dag"));
    EXPECT_TRUE(Bevat(regels, "   Loonbelasting/Premie volksverzekeringen                         -      600,00"));
    const auto netto = std::find(regels.begin(), regels.end(),
                                 "   Nettoloon (in euro's)                                                 1400,00");
    ASSERT_NE(netto, regels.end());
    EXPECT_EQ(*(netto + 1), "");
    EXPECT_FALSE(invoer.WGLastenTonen);
    EXPECT_EQ(regels.back(), "   -----------------------------------------------------------------------------");
}

TEST(Rapport, FundPartsWithTheSameDescriptionSayWhichPartTheyAre)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3000;
    TSociaalFondsWaarden fonds;
    fonds.Omschrijving = "Pensioenfonds Bouw";
    fonds.PremieWN = 2;
    fonds.PremieWG = 1;
    fonds.WNBoekenInKolom = 7;
    fonds.WGBoekenInKolom = -17;
    TSociaalFondsWaarden lang;
    lang.Omschrijving = "Opleidings- en ontwikkelingsfonds voor de metaal- en elektrotechniek";
    lang.BPDType = bpdBedrag;
    lang.BedragWN = 5;
    lang.WNBoekenInKolom = 18; // an addition to the net wage
    lang.WGBoekenInKolom = 5;  // a column the statement does not list
    lang.BedragWG = 9;
    invoer.SocialeFondsen = {fonds, lang};
    const std::vector<std::string> regels = SchrijfRapport(r.Reken(invoer));
    EXPECT_TRUE(Bevat(regels, "   Werkn.deel Pensioenfonds Bouw                     -       60,00 -       60,00"));
    EXPECT_TRUE(Bevat(regels, "   Werkg.deel Pensioenfonds Bouw                                   -       30,00"));
    // The employer part in column 5 is not shown, but its amount still makes
    // the employee part say which part it is; the label is cut to 49 characters.
    EXPECT_TRUE(Bevat(regels, "   Werkn.deel Opleidings- en ontwikkelingsfonds voor               +        5,00"));
    EXPECT_FALSE(BegintMet(regels, "   Werkg.deel Opleidings"));
}

TEST(Rapport, NothingIsWrittenWithoutACalculation)
{
    TBerekening leeg;
    EXPECT_TRUE(SchrijfRapport(leeg).empty());
}

TEST(Rapport, AFixedPercentageTaxIsInCentsSoTheLinesAddUp)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.SoortBerekening = spBinnenlandseArtiest;
    invoer.ArtiestLoonheffing = 30;
    invoer.Loonbedrag = 2000.55; // 30% is 600.165
    const std::vector<std::string> regels = SchrijfRapport(r.Reken(invoer));
    EXPECT_TRUE(Bevat(regels, "   Loonbelasting/Premie volksverzekeringen                         -      600,17"));
    EXPECT_TRUE(Bevat(regels, "   Nettoloon (in euro's)                                                 1400,38"));
}

// The statement's Bruto/Netto column adds up to its net wage, and its employer
// part to the total cost, to the cent, also when every premium has fractions
// of a cent.
TEST(Rapport, TheLinesOfTheStatementAddUpToTheCent)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3297.23;
    invoer.WGLastenTonen = true;
    invoer.Actief.Whk = true;
    // 32.9723 and 65.9446: each rounds down, their sum 98.9169 up.
    r.ZetPercentage(rtPensioenPremieWN, 1);
    r.ZetPercentage(rtVUTFPUPremieWN, 2);
    r.ZetPercentage(rtVergoedingInhouding, 7.77, 1);
    r.ZetPercentage(rtVergoedingInhouding, 1.23, 2);
    r.ZetPercentage(rtWhkVerhalingOpWerknemer, 0.57);
    const std::vector<std::string> regels = SchrijfRapport(r.Reken(invoer));

    // The amount at the end of a line, with its sign, in cents.
    auto centen = [](const std::string& regel) {
        std::string getal = regel.substr(regel.size() - 12);
        getal.erase(0, getal.find_first_not_of(' '));
        getal[getal.find(',')] = '.';
        const long long bedrag = std::llround(std::stod(getal) * 100);
        return regel[regel.size() - 13] == '-' ? -bedrag : bedrag;
    };
    constexpr std::size_t kMetBrutoNetto = 80;
    long long som = 0;
    long long netto = -1;
    long long werkgever = 0;
    long long totaal = -1;
    bool werknemersdeel = false;
    bool werkgeversdeel = false;
    for (const std::string& regel : regels) {
        werknemersdeel = werknemersdeel || regel.starts_with("   Brutoloon");
        if (!werknemersdeel) {
            continue;
        } else if (regel.starts_with("   Nettoloon")) {
            netto = centen(regel);
            werkgeversdeel = true;
        } else if (regel.starts_with("   Totale werkgeverslasten")) {
            totaal = centen(regel);
        } else if (werkgeversdeel && regel.size() > 52 && regel.find("----") == std::string::npos) {
            werkgever += centen(regel);
        } else if (!werkgeversdeel && regel.size() == kMetBrutoNetto) {
            som += centen(regel);
        }
    }
    EXPECT_EQ(som, netto);
    EXPECT_EQ(netto, std::llround(r.berekening.Nettoloon() * 100));
    // The employer part lists the charges; the total adds the gross wage and
    // the allowance.
    const TKolommen& k = r.berekening.Heffingsgegevens()->Kolommen();
    EXPECT_EQ(werkgever + std::llround((k.GetBrutoloon() + k.GetVergoedingen()) * 100), totaal);
    EXPECT_EQ(totaal, std::llround(r.berekening.Werkgeverslasten() * 100));
}
