#include "Rekenomgeving.h"

#include "model/Getallen.h"
#include "model/Kolomregels.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vkt;
using vkt::test::Rekenomgeving;

namespace {

const char* const kGeenOplossing = "Er is geen oplossing gevonden, de berekening is een goede benadering!";

double Brutoloon(const TBerekening& b) { return b.Heffingsgegevens()->Kolommen().GetBrutoloon(); }

// The amount a gross wage gives, for a net-wage, an insurance-wage or an
// employer's-cost target.
double Bereikt(Rekenomgeving& r, TBerekeningInvoer invoer, int soort, double bruto)
{
    invoer.SoortLoonbedrag = slBrutoloon;
    invoer.Loonbedrag = bruto;
    TBerekening& b = r.Reken(invoer);
    if (soort == slSociaalLoon)
        return r.Kolom(8);
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

// The band of a search is the unbroken run of gross wages that give the
// target: every cent in it gives the target when computed on its own, the cent
// below it does not (the search's answer is the lowest), nor the cent above.
void ControleerBand(Rekenomgeving& r, const TBerekeningInvoer& invoer, int soort, double doel)
{
    TBerekening& b = Zoek(r, invoer, soort, doel);
    ASSERT_TRUE(b.BrutoloonBereik().has_value());
    const TBrutoloonBereik band = *b.BrutoloonBereik();
    EXPECT_EQ(std::llround(Brutoloon(b) * 100), band.Laag); // the calculation stays at the answer
    EXPECT_FALSE(band.Afgebroken);
    auto geeft = [&](long long cent) { return Bereikt(r, invoer, soort, static_cast<double>(cent) / 100) == doel; };
    for (long long cent = band.Laag; cent <= band.Hoog; ++cent)
        ASSERT_TRUE(geeft(cent)) << cent << " in de band " << band.Laag << "-" << band.Hoog;
    EXPECT_FALSE(geeft(band.Laag - 1));
    EXPECT_FALSE(geeft(band.Hoog + 1));
}

// With a 4% pension 848,35 gives a net wage of 760,67, 848,36 gives 760,68;
// at 848,44 the wage tax takes a table step and the net wage drops to 759,17,
// to climb back to 760,67 near 850,00: that second gross wage is no part of
// the band, which is the one cent 848,35.
TEST(Zoeken, TheBandAfterATableStepEndsWhereTheTargetIsFirstMissed)
{
    Rekenomgeving r;
    r.ZetPercentage(rtPensioenPremieWN, 4);
    const TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    TBerekening& b = Zoek(r, invoer, slNettoloon, 760.67);
    EXPECT_DOUBLE_EQ(Brutoloon(b), 848.35);
    ASSERT_TRUE(b.BrutoloonBereik().has_value());
    EXPECT_EQ(b.BrutoloonBereik()->Laag, 84835);
    EXPECT_EQ(b.BrutoloonBereik()->Hoog, 84835);
    EXPECT_DOUBLE_EQ(Bereikt(r, invoer, slNettoloon, 848.36), 760.68);
    EXPECT_DOUBLE_EQ(Bereikt(r, invoer, slNettoloon, 848.44), 759.17);
    ControleerBand(r, invoer, slNettoloon, 760.67);
}

// Net-to-gross searches at several wages, some just below a table step of the
// wage tax (where the net wage given below the step comes back above it), with
// and without a pension that makes neighbouring cents give the same net wage;
// the insurance wage with a 90% pension, where about ten cents of gross wage
// give each cent of it.
TEST(Zoeken, EveryCentOfTheBandGivesTheTargetAndTheCentsAroundItDoNot)
{
    const double kBruto[] = {848.43, 1500.01, 2733.33, 3104.99, 3932.69, 5708.91, 8999.91};
    for (const double pensioen : {0.0, 4.0}) {
        Rekenomgeving r;
        r.ZetPercentage(rtPensioenPremieWN, pensioen);
        const TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
        for (const double bruto : kBruto) {
            SCOPED_TRACE(std::to_string(bruto) + " pensioen " + std::to_string(pensioen));
            ControleerBand(r, invoer, slNettoloon, Bereikt(r, invoer, slNettoloon, bruto));
        }
    }
    Rekenomgeving r;
    r.ZetPercentage(rtPensioenPremieWN, 90);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slSociaalLoon, 3000);
    ASSERT_TRUE(b.BrutoloonBereik().has_value());
    EXPECT_GE(b.BrutoloonBereik()->Hoog - b.BrutoloonBereik()->Laag, 5); // a flat stretch of several cents
    ControleerBand(r, Rekenomgeving::StandaardInvoer(), slSociaalLoon, 3000);
}

// A pension of the whole gross wage leaves an insurance wage of 0 at every
// gross wage: the band is followed for 100 euros and says that it goes on.
TEST(Zoeken, ABandThatDoesNotEndIsFollowedForAHundredEurosAndSaysSo)
{
    Rekenomgeving r;
    r.ZetPercentage(rtPensioenPremieWN, 100);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slSociaalLoon, 0);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    EXPECT_DOUBLE_EQ(Brutoloon(b), 0);
    ASSERT_TRUE(b.BrutoloonBereik().has_value());
    EXPECT_EQ(b.BrutoloonBereik()->Laag, 0);
    EXPECT_EQ(b.BrutoloonBereik()->Hoog, 100'00);
    EXPECT_TRUE(b.BrutoloonBereik()->Afgebroken);
    EXPECT_DOUBLE_EQ(r.Kolom(8), 0); // left computed at the answer
    EXPECT_DOUBLE_EQ(Brutoloon(b), 0);
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
    EXPECT_TRUE(r.meldingen.Foutmeldingen.empty());
    EXPECT_FALSE(b.DoelOnbereikbaar());
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

TEST(Zoeken, ATargetBelowWhatAGrossWageOfZeroGivesIsOutOfReach)
{
    // 7.500 wage for wage tax and Zvw only: every gross wage of 0 or more gives
    // a Zvw wage of at least 7.500.
    Rekenomgeving r;
    r.ZetBedrag(rtLoonLBPH, 7500);
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slZvwLoon, 5000);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    EXPECT_EQ(r.meldingen.Foutmeldingen, std::vector<std::string>{
                                             "Er is geen oplossing: geen brutoloon van 0,00 tot en met 99999999,99 "
                                             "geeft een Zvw-loon van 5000,00. Het dichtst erbij komt een brutoloon "
                                             "van 0,00 met een Zvw-loon van 7500,00."});
    EXPECT_TRUE(b.DoelOnbereikbaar());
    EXPECT_DOUBLE_EQ(Brutoloon(b), 0);
    EXPECT_DOUBLE_EQ(r.Kolom(12), 7500);
}

// The largest gross wage gives a net wage of about half of it (49,5% tax over
// all but the first 68.507 a year: 99.999.999,99 less 49.499.306,36 is
// 50.500.693,63, within a few euros, as the table reckons the annual wage in
// rows of 54), so a net wage of 99.999.999 is out of reach above.
TEST(Zoeken, ATargetAboveWhatTheLargestGrossWageGivesIsOutOfReach)
{
    Rekenomgeving r;
    TBerekening& b = Zoek(r, Rekenomgeving::StandaardInvoer(), slNettoloon, 99'999'999);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    ASSERT_EQ(r.meldingen.Foutmeldingen.size(), 1U);
    EXPECT_TRUE(b.DoelOnbereikbaar());
    EXPECT_DOUBLE_EQ(Brutoloon(b), 99'999'999.99);
    EXPECT_NEAR(b.Nettoloon(), 50'500'693.63, 5);
    EXPECT_EQ(r.meldingen.Foutmeldingen[0],
              "Er is geen oplossing: geen brutoloon van 0,00 tot en met 99999999,99 geeft een nettoloon van "
              "99999999,00. Het dichtst erbij komt een brutoloon van 99999999,99 met een nettoloon van " +
                  FormatBedrag(b.Nettoloon()) + ".");
}

// A holiday-pay percentage that is no number makes every employer's cost no
// number: the search finds nothing to compare, and says so.
TEST(Zoeken, ACalculationThatGivesNoNumberIsOutOfReachWithoutComputingWithIt)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.PercentageVakantiegeld = std::nan("");
    TBerekening& b = Zoek(r, invoer, slWerkgeverslasten, 3000);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
    EXPECT_EQ(r.meldingen.Foutmeldingen,
              std::vector<std::string>{"Er is geen oplossing: de berekening geeft bij geen brutoloon werkgeverslasten."});
    EXPECT_TRUE(b.DoelOnbereikbaar());
    EXPECT_TRUE(std::isfinite(Brutoloon(b)));
}

// The settling on cents, over results made up for it: the answer, and whether
// the target lies between what two neighbouring cents give.
TEST(Zoeken, TheCentSearchTellsAnApproximationFromATargetOutOfReach)
{
    using TResultaat = std::optional<long long>;
    constexpr long long kGrootste = 100'000'000'000'000'000; // kGrootsteCentenbedrag
    static_assert(kGrootste == kGrootsteCentenbedrag);
    const struct {
        const char* naam;
        TResultaat (*resultaat)(long long);
        long long doel;
        long long start;
        long long brutoloon;
        TResultaat bereikt;
        bool exact;
        bool benadering;
    } kGevallen[] = {
        {"twee per cent, geraakt", [](long long g) -> TResultaat { return 2 * g; }, 50, 0, 25, 50, true, false},
        {"twee per cent, overgesprongen", [](long long g) -> TResultaat { return 2 * g; }, 51, 0, 26, 52, false, true},
        {"onder wat 0 geeft", [](long long g) -> TResultaat { return g + 1000; }, 500, 40, 0, 1000, false, false},
        {"boven wat het grootste geeft", [](long long g) -> TResultaat { return g / 2; }, 600, 10, 1000, 500, false,
         false},
        {"nergens een getal", [](long long) -> TResultaat { return std::nullopt; }, 500, 300, 300, std::nullopt, false,
         false},
        {"onder 100 geen getal", [](long long g) -> TResultaat { return g < 100 ? std::nullopt : TResultaat(g); }, 50,
         500, 100, 100, false, false},
        // The widest results and targets there are: their distance still fits.
        {"uitersten", [](long long) -> TResultaat { return -kGrootste; }, kGrootste, 0, 0, -kGrootste, false, false},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.naam);
        TCentenzoeker zoeker(geval.resultaat, 1000);
        zoeker.Begin(geval.doel);
        const TCentenzoeker::TUitkomst uitkomst = zoeker.Zoek(geval.start);
        EXPECT_EQ(uitkomst.Brutoloon, geval.brutoloon);
        EXPECT_EQ(uitkomst.Resultaat, geval.bereikt);
        EXPECT_EQ(uitkomst.Exact, geval.exact);
        EXPECT_EQ(uitkomst.Benadering, geval.benadering);
    }
}
