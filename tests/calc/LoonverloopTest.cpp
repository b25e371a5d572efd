#include "Rekenomgeving.h"

#include "calc/Loonverloop.h"
#include "calc/Puntrekenaar.h"
#include "model/Afronding.h"
#include "model/Kolomregels.h"

#include <gtest/gtest.h>

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
// credits; the annual wage is 12 times the monthly wage (all four are on the
// table's grid of 54), the net wage the gross wage less the tax:
//   5.521,50: 66.258 a year; bracket 12.964 + 31.546 x 37,35 % = 24.746 (truncated);
//             labour credit 3.819 - 6 % x 31.304 = 1.941 (rounded up); general
//             credit 2.711 - 5,672 % x 45.547 = 128; tax 22.677 / 12 = 1.889,75;
//             net 3.631,75
//   5.616,00: 67.392; 25.169 - 1.873 - 64 = 23.232 / 12 = 1.936,00; net 3.680,00
//   5.710,50: 68.526; 25.586 + 19 x 49,50 % = 25.595; labour credit 1.805; no
//             general credit above the top bracket's start; 23.790 / 12 = 1.982,50;
//             net 3.728,00
//   5.805,00: 69.660; 26.156 - 1.737 = 24.419 / 12 = 2.034,92; net 3.770,08
// Below the edge 48,25 of 94,50 reaches the net wage: a pressure of 48,94 %
// (the rates say 37,35 + 6 + 5,672 = 49,02 %); above it 42,08: 55,47 % (49,50 + 6).
TEST(Loonverloop, TheMarginalPressureRisesAcrossTheTopBracketsEdge)
{
    Rekenomgeving r;
    TPuntRekenaar rekenaar(r.Vast(), Maand(), r.Constanten());
    const std::vector<TVerloopRegel> regels = BerekenLoonverloop(rekenaar, {5521.50, 5805, 94.50});
    ASSERT_EQ(regels.size(), 4u);
    const double kNetto[] = {3631.75, 3680.00, 3728.00, 3770.08};
    const double kArbeidskorting[] = {161.75, 156.08, 150.42, 144.75}; // 1.941, 1.873, 1.805 and 1.737 / 12
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(regels[i].Punt.Nettoloon, kNetto[i]) << i;
        EXPECT_DOUBLE_EQ(regels[i].Punt.Arbeidskorting, kArbeidskorting[i]) << i;
    }
    EXPECT_FALSE(regels[0].MarginaleDruk.has_value());
    EXPECT_DOUBLE_EQ(*regels[1].MarginaleDruk, 48.94);
    EXPECT_DOUBLE_EQ(*regels[2].MarginaleDruk, 49.21); // the step across the edge: 1 - 48,00 / 94,50
    EXPECT_DOUBLE_EQ(*regels[3].MarginaleDruk, 55.47);
}

// 0 to twice the gross wage in 200 points; the step rounded up to cents so
// that the last point is the end itself.
TEST(Loonverloop, TheDefaultRangeRunsToTwiceTheGrossWageIn200Points)
{
    struct {
        double brutoloon, tot, stap;
    } const kGevallen[] = {
        {3000, 6000, 30.16},     // 6.000 / 199 = 30,1508
        {2487.13, 4974.26, 25}, // 4.974,26 / 199 = 24,9963
        {0, 200, 1.01},         // no wage: to 200
        {60'000'000, 99'999'999.99, 502'512.57},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.brutoloon);
        const TVerloopBereik bereik = StandaardVerloopBereik(geval.brutoloon);
        EXPECT_DOUBLE_EQ(bereik.Van, 0);
        EXPECT_DOUBLE_EQ(bereik.Tot, geval.tot);
        EXPECT_DOUBLE_EQ(bereik.Stap, geval.stap);
        EXPECT_FALSE(VerloopBereikFout(bereik));
        const std::vector<double> brutolonen = VerloopBrutolonen(bereik);
        EXPECT_EQ(brutolonen.size(), 200u);
        EXPECT_DOUBLE_EQ(brutolonen.back(), geval.tot);
    }
}

// What the user left open takes its standard: tot twice the gross wage, a
// step that makes 200 points from van to tot.
TEST(Loonverloop, APartlyChosenRangeFillsInTheRest)
{
    const TVerloopBereik bereik = VerloopBereik({2000, std::nullopt, std::nullopt}, 3000);
    EXPECT_DOUBLE_EQ(bereik.Tot, 6000);
    EXPECT_DOUBLE_EQ(bereik.Stap, 20.11); // 4.000 / 199 = 20,1005, rounded up
    EXPECT_EQ(VerloopBrutolonen(bereik).size(), 200u);
    const TVerloopBereik stap = VerloopBereik({std::nullopt, 100, 7.5}, 3000);
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
}
