#include "Rekenomgeving.h"

#include "model/Kolomregels.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vkt;
using vkt::test::Rekenomgeving;

namespace {

const char* const kGeenOplossing = "Er is geen oplossing gevonden, de berekening is een goede benadering!";

double Brutoloon(const TBerekening& b) { return b.Heffingsgegevens()->Kolommen().GetBrutoloon(); }

// The amount a gross wage gives, for a net-wage or an employer's-cost target.
double Bereikt(Rekenomgeving& r, TBerekeningInvoer invoer, int soort, double bruto)
{
    invoer.SoortLoonbedrag = slBrutoloon;
    invoer.Loonbedrag = bruto;
    TBerekening& b = r.Reken(invoer);
    return soort == slWerkgeverslasten ? b.Werkgeverslasten() : b.Nettoloon();
}

TBerekening& Zoek(Rekenomgeving& r, TBerekeningInvoer invoer, int soort, double doel)
{
    invoer.SoortLoonbedrag = soort;
    invoer.Loonbedrag = doel;
    return r.Reken(invoer);
}

} // namespace

// The amount a gross wage gives leads back to the lowest gross wage, in whole
// cents, that gives exactly that amount; nothing in the 30 cents below gives
// it as well.
TEST(Zoeken, ATargetThatAGrossWageGivesIsFoundExactlyWithTheLowestGrossWage)
{
    Rekenomgeving r;
    const double kBruto[] = {612.37, 848.40, 1500.01, 2733.33, 3932.69, 5555.55, 8999.91, 9000.00, 14321.09};
    for (const bool pensioen : {false, true}) {
        if (pensioen)
            r.ZetPercentage(rtPensioenPremieWN, 4);
        for (const int soort : {slNettoloon, slWerkgeverslasten})
            for (const double bruto : kBruto) {
                const TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
                const double doel = Bereikt(r, invoer, soort, bruto);
                TBerekening& b = Zoek(r, invoer, soort, doel);
                SCOPED_TRACE(std::to_string(soort) + " " + std::to_string(bruto) + (pensioen ? " met pensioen" : ""));
                EXPECT_TRUE(r.meldingen.Meldingen.empty());
                const double gevonden = Brutoloon(b);
                EXPECT_DOUBLE_EQ(soort == slWerkgeverslasten ? b.Werkgeverslasten() : b.Nettoloon(), doel);
                EXPECT_DOUBLE_EQ(gevonden * 100, std::round(gevonden * 100));
                EXPECT_LE(gevonden, bruto + 1e-9);
                for (int cent = 1; cent <= 30; ++cent)
                    ASSERT_NE(Bereikt(r, invoer, soort, gevonden - cent / 100.0), doel) << cent << " cent lager";
            }
    }
}

// With a 4% pension, the gross wages from 848,35 to 850,00 all give a net wage
// of 760,67: the pension and the table tax rise about as fast as the wage.
TEST(Zoeken, ABandOfGrossWagesGivingTheTargetIsReportedAndTheLowestChosen)
{
    Rekenomgeving r;
    r.ZetPercentage(rtPensioenPremieWN, 4);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slNettoloon, 760.67);
    EXPECT_DOUBLE_EQ(Brutoloon(b), 848.35);
    ASSERT_TRUE(b.BrutoloonBereik().has_value());
    EXPECT_EQ(b.BrutoloonBereik()->Laag, 84835);
    EXPECT_EQ(b.BrutoloonBereik()->Hoog, 85000);
    EXPECT_DOUBLE_EQ(Bereikt(r, Rekenomgeving::StandaardInvoer(), slNettoloon, 848.34), 760.66);
    EXPECT_DOUBLE_EQ(Bereikt(r, Rekenomgeving::StandaardInvoer(), slNettoloon, 850.01), 760.68);
}

// An employer's cost rises by about 1,30 for each euro of gross wage, so some
// cent amounts are given by no gross wage: the search says so and keeps the
// lowest gross wage that overshoots.
TEST(Zoeken, AnEmployersCostThatNoGrossWageGivesEndsWithTheMessageAndTheClosestOvershoot)
{
    Rekenomgeving r;
    const TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    double bruto = 3000;
    double kosten = Bereikt(r, invoer, slWerkgeverslasten, bruto);
    double volgende = Bereikt(r, invoer, slWerkgeverslasten, bruto + 0.01);
    while (volgende - kosten < 0.015) {
        bruto += 0.01;
        kosten = volgende;
        volgende = Bereikt(r, invoer, slWerkgeverslasten, bruto + 0.01);
    }
    // No gross wage gives kosten + 0,01: bruto gives less, bruto + 0,01 more.
    TBerekening& b = Zoek(r, invoer, slWerkgeverslasten, kosten + 0.01);
    ASSERT_EQ(r.meldingen.Meldingen.size(), 1U);
    EXPECT_EQ(r.meldingen.Meldingen[0], kGeenOplossing);
    EXPECT_NEAR(Brutoloon(b), bruto + 0.01, 1e-9);
    EXPECT_DOUBLE_EQ(b.Werkgeverslasten(), volgende);
    EXPECT_FALSE(b.BrutoloonBereik().has_value());
}

TEST(Zoeken, AResultThatMovesATenthAsFastAsTheGrossWageIsStillFoundExactly)
{
    // With a 90% pension the social-insurance wage is a tenth of the gross
    // wage: 29.999,96 less its pension 26.999,96 (26.999,964 rounded) is
    // 3.000,00, while 29.999,95 gives a pension of 26.999,96 (26.999,955) and
    // 2.999,99.
    Rekenomgeving r;
    r.ZetPercentage(rtPensioenPremieWN, 90);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slSociaalLoon, 3000);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    EXPECT_DOUBLE_EQ(Brutoloon(b), 29999.96);
    EXPECT_DOUBLE_EQ(r.Kolom(8), 3000);
}

TEST(Zoeken, AFreeCalculationReachesItsNetWageToTheCent)
{
    // 52% of 10.416,66 is 5.416,6632, so 5.416,66 tax and 5.000,00 net;
    // 10.416,65 gives 5.416,66 tax too and 4.999,99.
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.SoortBerekening = spVrijeBerekeningWerknemers;
    invoer.LoonheffingVrij = 52;
    TBerekening& b = Zoek(r, invoer, slNettoloon, 5000);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    EXPECT_DOUBLE_EQ(Brutoloon(b), 10416.66);
    EXPECT_DOUBLE_EQ(b.Nettoloon(), 5000);
}

TEST(Zoeken, ATargetBelowWhatAGrossWageOfZeroGivesEndsAtZeroWithTheMessage)
{
    // 7.500 wage for wage tax and Zvw only: every gross wage of 0 or more gives
    // a Zvw wage of at least 7.500.
    Rekenomgeving r;
    r.ZetBedrag(rtLoonLBPH, 7500);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slZvwLoon, 5000);
    ASSERT_EQ(r.meldingen.Meldingen.size(), 1U);
    EXPECT_EQ(r.meldingen.Meldingen[0], kGeenOplossing);
    EXPECT_DOUBLE_EQ(Brutoloon(b), 0);
    EXPECT_DOUBLE_EQ(r.Kolom(12), 7500);
}
