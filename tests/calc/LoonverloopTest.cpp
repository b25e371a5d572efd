#include "Rekenomgeving.h"

#include "calc/Loonverloop.h"
#include "calc/Puntrekenaar.h"
#include "model/Afronding.h"
#include "model/Kolomregels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vkt;
using vkt::test::Rekenomgeving;

namespace {

TBerekeningInvoer Maand()
{
    return Rekenomgeving::StandaardInvoer();
}

TBerekeningInvoer Week()
{
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loontijdvak = ltWeek;
    invoer.LoondagenVoorDagtabel = 5;
    return invoer;
}

TBerekeningInvoer BijzonderLoon()
{
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.SoortBerekening = spBijzonderLoon;
    invoer.JaarloonLBPH = 40000;
    return invoer;
}

TBerekeningInvoer Artiest()
{
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.SoortBerekening = spBinnenlandseArtiest;
    invoer.ZfwIngeschakeld = false;
    invoer.ArtiestAftrekBPType = bpdBedrag;
    invoer.ArtiestAftrekBedrag = 250;
    return invoer;
}

struct Geval {
    const char* naam;
    TBerekeningInvoer (*invoer)();
    TVerloopBereik bereik;
    bool pensioen; // a 4 % employee pension line, so that the lines take part
};

} // namespace

// Every point of the curve is what one calculation at that gross wage gives,
// also when the same calculation object computed a higher wage just before
// (the curve is computed twice, the second time after its highest point).
TEST(Loonverloop, EachPointEqualsASingleCalculationAtItsGrossWage)
{
    const Geval kGevallen[] = {
        {"maand", Maand, {0, 9000, 412.37}, false},
        {"maand met pensioen", Maand, {1500, 6000, 187.5}, true},
        {"week", Week, {0, 2500, 103.33}, false},
        {"bijzonder loon", BijzonderLoon, {0, 12000, 733}, false},
        {"artiest", Artiest, {0, 8000, 345.67}, false},
    };
    for (const Geval& geval : kGevallen) {
        SCOPED_TRACE(geval.naam);
        Rekenomgeving r;
        if (geval.pensioen)
            r.ZetPercentage(rtPensioenPremieWN, 4);
        const TBerekeningInvoer invoer = geval.invoer();
        TBerekening::VulHeffingsgegevens(r.Vast(), invoer);
        TPuntRekenaar rekenaar(r.Vast(), invoer, r.Constanten());
        BerekenLoonverloop(rekenaar, geval.bereik);
        const std::vector<TVerloopRegel> regels = BerekenLoonverloop(rekenaar, geval.bereik);
        ASSERT_EQ(regels.size(), VerloopBrutolonen(geval.bereik).size());
        for (const TVerloopRegel& regel : regels) {
            TBerekeningInvoer enkel = invoer;
            enkel.Loonbedrag = regel.Punt.Brutoloon;
            const TBerekening& b = r.Reken(enkel);
            SCOPED_TRACE(regel.Punt.Brutoloon);
            EXPECT_DOUBLE_EQ(regel.Punt.Nettoloon, RondAfOpCenten(b.Nettoloon()));
            EXPECT_DOUBLE_EQ(regel.Punt.Loonheffing, RondAfOpCenten(b.Loonheffing()));
            EXPECT_DOUBLE_EQ(regel.Punt.Arbeidskorting, RondAfOpCenten(b.Heffingsgegevens()->ToegepasteArbeidskorting));
            EXPECT_DOUBLE_EQ(regel.Punt.Werkgeverslasten, b.Werkgeverslasten());
        }
        EXPECT_GT(regels.back().Punt.Loonheffing, 0);
    }
}

// Across the edge of the top bracket (68.507 a year, 5.708,92 a month), by
// hand from the 2020 rules for a monthly wage under the AOW age with the
// credits; the annual wage is 12 times the monthly wage, rounded down to the
// table's step of 54 (all eight wages below are on it), the net wage the
// gross wage less the tax. Each point's pressure is measured over the table
// step of 4,50 below it:
//   5.517,00: 66.204 a year; bracket 12.964 + 31.492 x 37,35 % = 24.726 (truncated);
//             labour credit 3.819 - 6 % x 31.250 = 1.944; general credit
//             2.711 - 5,672 % x 45.493 = 131 (rounded up); 22.651 / 12 = 1.887,58
//   5.521,50: 66.258; 24.746 - 1.941 - 128 = 22.677 / 12 = 1.889,75; net 3.631,75
//   5.611,50: 67.338; 25.149 - 1.876 - 67 = 23.206 / 12 = 1.933,83
//   5.616,00: 67.392; 25.169 - 1.873 - 64 = 23.232 / 12 = 1.936,00; net 3.680,00
//   5.706,00: 68.472; 25.573 - 1.808 - 2 = 23.763 / 12 = 1.980,25
//   5.710,50: 68.526; 25.586 + 19 x 49,50 % = 25.595; labour credit 1.805; no
//             general credit above the top bracket's start; 23.790 / 12 = 1.982,50;
//             net 3.728,00
//   5.800,50: 69.606; 25.586 + 1.099 x 49,50 % = 26.130 - 1.740 = 24.390 / 12 = 2.032,50
//   5.805,00: 69.660; 26.156 - 1.737 = 24.419 / 12 = 2.034,92; net 3.770,08
// Below the edge a step of 4,50 costs 2,17 tax: a pressure of 48,22 % (the
// rates say 37,35 + 6 + 5,672 = 49,02 %, less the rounding); across it 2,25:
// 50,00 %; above it 2,42: 53,78 % (49,50 + 6 = 55,50 %).
TEST(Loonverloop, TheMarginalPressureRisesAcrossTheTopBracketsEdge)
{
    Rekenomgeving r;
    TPuntRekenaar rekenaar(r.Vast(), Maand(), r.Constanten());
    const std::vector<TVerloopRegel> regels = BerekenLoonverloop(rekenaar, {5521.50, 5805, 94.50});
    ASSERT_EQ(regels.size(), 4u);
    const double kNetto[] = {3631.75, 3680.00, 3728.00, 3770.08};
    const double kArbeidskorting[] = {161.75, 156.08, 150.42, 144.75}; // 1.941, 1.873, 1.805 and 1.737 / 12
    const double kDruk[] = {48.22, 48.22, 50.00, 53.78};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(regels[i].Punt.Nettoloon, kNetto[i]) << i;
        EXPECT_DOUBLE_EQ(regels[i].Punt.Arbeidskorting, kArbeidskorting[i]) << i;
        ASSERT_TRUE(regels[i].MarginaleDruk.has_value()) << i;
        EXPECT_DOUBLE_EQ(*regels[i].MarginaleDruk, kDruk[i]) << i;
    }
}

// A step of 1 euro measures each point over a whole table step, so the
// pressure follows the rates instead of jumping at every row of the table.
// By hand, for one row of 54 a year: the bracket tax is truncated and the
// credits rounded up, so each part moves by the whole euro below or above its
// exact share; the monthly tax is a twelfth rounded to cents.
// - At most, in the top bracket with the labour credit phasing out:
//   49,50 % x 54 = 26,73 and 6 % x 54 = 3,24, at most 27 + 4 = 31 a year,
//   2,58 or 2,59 a month: 57,56 % of 4,50 (below 68.507 a year the rates add
//   up to less: 37,35 + 6 + 5,672 %, 20,17 + 3,24 + 3,06, at most 29).
// - Between 2.000 and 2.850 a month (24.000 to 34.200 a year): 37,35 % tax,
//   5,672 % general credit phasing out, 1,656 % labour credit building up:
//   20,17 + 3,06 - 0,89, from 20 + 3 - 1 = 22 to 21 + 4 - 0 = 25 a year, 1,83 to
//   2,09 a month: 40,67 to 46,44 %.
// With a 4 % employee pension the wage for wage tax moves 0,96 of the gross
// wage, and a row takes 4,6875 of gross wage (4,68 to 4,70 in cents) with a
// pension of 0,18 to 0,20: 2,01 / 4,70 = 42,77 to 2,29 / 4,68 = 48,93 %;
// at most 2,59 + 0,20 over 4,68, 59,62 %.
// Where the table ends (98.820 a year, 8.235 a month of wage for wage tax) the
// tax takes the last row's step and from there on rises at 49,50 % without
// rows, so the step just above it holds both: up to 26 + 26 a year, 4,33 a
// month, 96 % of 4,50.
TEST(Loonverloop, AStepOfOneEuroKeepsTheMarginalPressureWithinTheRates)
{
    for (const double pensioen : {0.0, 4.0}) {
        SCOPED_TRACE(pensioen);
        Rekenomgeving r;
        r.ZetPercentage(rtPensioenPremieWN, pensioen);
        TPuntRekenaar rekenaar(r.Vast(), Maand(), r.Constanten());
        const std::vector<TVerloopRegel> regels = BerekenLoonverloop(rekenaar, {0, 9999, 1});
        ASSERT_EQ(regels.size(), 10'000u);
        for (const TVerloopRegel& regel : regels) {
            if (regel.Punt.Brutoloon < 5) {
                EXPECT_FALSE(regel.MarginaleDruk.has_value()) << regel.Punt.Brutoloon;
                continue;
            }
            ASSERT_TRUE(regel.MarginaleDruk.has_value()) << regel.Punt.Brutoloon;
            EXPECT_GE(*regel.MarginaleDruk, pensioen - 0.5) << regel.Punt.Brutoloon;
            const double tabeleinde = 8235 / (1 - pensioen / 100);
            if (regel.Punt.Brutoloon > tabeleinde && regel.Punt.Brutoloon < tabeleinde + 4.70) {
                EXPECT_LE(*regel.MarginaleDruk, 96) << regel.Punt.Brutoloon;
                continue;
            }
            EXPECT_LE(*regel.MarginaleDruk, pensioen == 0 ? 57.56 : 59.62) << regel.Punt.Brutoloon;
            if (regel.Punt.Brutoloon >= 2000 && regel.Punt.Brutoloon <= 2850) {
                EXPECT_GE(*regel.MarginaleDruk, pensioen == 0 ? 40.67 : 42.77) << regel.Punt.Brutoloon;
                EXPECT_LE(*regel.MarginaleDruk, pensioen == 0 ? 46.44 : 48.93) << regel.Punt.Brutoloon;
            }
        }
    }
}

// 0 to twice the gross wage in at most 200 points, in a whole number of steps
// of the wage-tax table (4,50 a month, 54 / 52 = 1,04 a week); the last point
// is the end itself.
TEST(Loonverloop, TheDefaultRangeRunsToTwiceTheGrossWageInWholeTableSteps)
{
    struct {
        double brutoloon, tabelstap, tot, stap;
        std::size_t punten;
    } const kGevallen[] = {
        {3000, 4.5, 6000, 31.50, 192},      // 6.000 / 199 = 30,16: 7 steps of 4,50
        {2487.13, 4.5, 4974.26, 27, 186},   // 4.974,26 / 199 = 25,00: 6 steps
        {0, 4.5, 200, 4.50, 46},            // no wage: to 200, one step
        {60'000'000, 4.5, 99'999'999.99, 502'515, 200},
        {1000, 54.0 / 52, 2000, 10.40, 194}, // a week: 2.000 / 199 = 10,06: 10 steps of 1,04
        // A gross wage beyond every amount (a damaged stored one) is held at the largest.
        {1e308, 4.5, 99'999'999.99, 502'515, 200},
        {std::numeric_limits<double>::infinity(), 4.5, 99'999'999.99, 502'515, 200},
        {-1e308, 4.5, 200, 4.50, 46},
        {std::nan(""), 4.5, 200, 4.50, 46},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.brutoloon);
        const TVerloopBereik bereik = StandaardVerloopBereik(geval.brutoloon, geval.tabelstap);
        EXPECT_DOUBLE_EQ(bereik.Van, 0);
        EXPECT_DOUBLE_EQ(bereik.Tot, geval.tot);
        EXPECT_DOUBLE_EQ(bereik.Stap, geval.stap);
        EXPECT_FALSE(VerloopBereikFout(bereik));
        const std::vector<double> brutolonen = VerloopBrutolonen(bereik);
        EXPECT_EQ(brutolonen.size(), geval.punten);
        EXPECT_DOUBLE_EQ(brutolonen.back(), geval.tot);
    }
}

// The table step comes from the fiscal constants and the pay period.
TEST(Loonverloop, TheTableStepIsThatOfThePayPeriodsTable)
{
    Rekenomgeving r;
    EXPECT_DOUBLE_EQ(TPuntRekenaar(r.Vast(), Maand(), r.Constanten()).Tabelstap(), 4.5);
    EXPECT_DOUBLE_EQ(TPuntRekenaar(r.Vast(), Week(), r.Constanten()).Tabelstap(), 54.0 / 52);
}

// What the user left open takes its standard: tot twice the gross wage, a
// step of whole table steps that makes at most 200 points from van to tot.
TEST(Loonverloop, APartlyChosenRangeFillsInTheRest)
{
    const TVerloopBereik bereik = VerloopBereik({2000, std::nullopt, std::nullopt}, 3000, 4.5);
    EXPECT_DOUBLE_EQ(bereik.Tot, 6000);
    EXPECT_DOUBLE_EQ(bereik.Stap, 22.50); // 4.000 / 199 = 20,11: 5 steps of 4,50
    EXPECT_EQ(VerloopBrutolonen(bereik).size(), 179u);
    const TVerloopBereik stap = VerloopBereik({std::nullopt, 100, 7.5}, 3000, 4.5);
    EXPECT_EQ((std::vector<double>{stap.Van, stap.Tot, stap.Stap}), (std::vector<double>{0, 100, 7.5}));
}

TEST(Loonverloop, TheEndOfTheRangeIsAlwaysAPoint)
{
    EXPECT_EQ(VerloopBrutolonen({0, 10, 3}), (std::vector<double>{0, 3, 6, 9, 10}));
    EXPECT_EQ(VerloopBrutolonen({1000, 1000, 5}), (std::vector<double>{1000}));
    EXPECT_EQ(VerloopBrutolonen({0.1, 0.3, 0.1}), (std::vector<double>{0.1, 0.2, 0.3}));
}

TEST(Loonverloop, ARangeThatGivesNoCurveIsToldInDutch)
{
    struct {
        TVerloopBereik bereik;
        const char* melding;
    } const kGevallen[] = {
        {{5000, 1000, 10}, "Van (5000,00) is groter dan tot (1000,00); kies van kleiner dan of gelijk aan tot."},
        {{0, 1000, 0}, "De stap (0,00) moet groter dan 0 zijn."},
        {{0, 1000, -5}, "De stap (-5,00) moet groter dan 0 zijn."},
        {{-1, 1000, 5}, "Een brutoloon van het bereik is negatief; van en tot zijn 0 of meer."},
        {{0, 100'000'000, 50'000}, "Tot (100000000,00) is groter dan het grootste brutoloon, 99999999,99."},
        {{0, 10000, 0.99},
         "Van 0,00 tot 10000,00 in stappen van 0,99 zijn 10103 punten; ten hoogste 10000. Kies een grotere stap of "
         "een kleiner bereik."},
    };
    for (const auto& geval : kGevallen)
        EXPECT_EQ(VerloopBereikFout(geval.bereik).value_or(""), geval.melding);
    EXPECT_FALSE(VerloopBereikFout({0, 9999, 1})); // 10.000 points

    // Values no field gives are refused as well, never computed with.
    const double oneindig = std::numeric_limits<double>::infinity();
    const double geenGetal = std::nan("");
    for (const TVerloopBereik bereik : {TVerloopBereik{0, oneindig, 10}, TVerloopBereik{0, 1e300, 10},
                                        TVerloopBereik{-oneindig, 1000, 10}, TVerloopBereik{geenGetal, 1000, 10},
                                        TVerloopBereik{0, geenGetal, 10}, TVerloopBereik{0, 1000, geenGetal},
                                        TVerloopBereik{0, 1000, -oneindig}})
        EXPECT_TRUE(VerloopBereikFout(bereik)) << bereik.Van << " " << bereik.Tot << " " << bereik.Stap;
}
