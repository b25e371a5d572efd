#include "calc/Veldregels.h"

#include "model/Enumeraties.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

TBerekeningInvoer Invoer(int soort)
{
    TBerekeningInvoer invoer = NieuweBerekeningInvoer(EncodeDate(2020, 3, 15));
    invoer.SoortBerekening = soort;
    return invoer;
}

} // namespace

TEST(Veldregels, ANewCalculationIsForAnEmployeeOf25In2020WhateverTodayIs)
{
    const TBerekeningInvoer nu = NieuweBerekeningInvoer(EncodeDate(2026, 12, 10));
    EXPECT_EQ(FormatDutchDate(nu.BerekeningDatum), "31-12-2020");
    EXPECT_EQ(FormatDutchDate(nu.Geboortedatum), "01-01-1995");
    EXPECT_EQ(LeeftijdOpBerekeningsdatum(nu), 25);

    const TBerekeningInvoer toen = NieuweBerekeningInvoer(EncodeDate(2020, 3, 15));
    EXPECT_EQ(FormatDutchDate(toen.BerekeningDatum), "15-03-2020");
    EXPECT_EQ(FormatDutchDate(toen.Geboortedatum), "01-01-1995");
    EXPECT_EQ(toen.Loonbedrag, 1000);
    EXPECT_EQ(toen.Loontijdvak, ltMaand);
    EXPECT_DOUBLE_EQ(toen.LoondagenVoorDagtabel, 21.67);
}

TEST(Veldregels, TheKindRuleComputesOtherKindsPerMonthAndKeepsTheWageDays)
{
    for (int soort = spWerknemer; soort <= spVrijeBerekeningArtiest; ++soort) {
        TBerekeningInvoer invoer = Invoer(spWerknemer);
        KiesLoontijdvak(invoer, ltWeek);
        invoer.SoortBerekening = soort;
        PasSoortregelToe(invoer);
        EXPECT_EQ(invoer.Loontijdvak, soort == spWerknemer ? ltWeek : ltMaand) << soort;
        EXPECT_DOUBLE_EQ(invoer.LoondagenVoorDagtabel, 5) << soort;
        EXPECT_EQ(invoer.ZfwIngeschakeld, !IsArtiestPositie(soort)) << soort;
    }
}

TEST(Veldregels, AChosenPayPeriodSetsItsWageDaysAndArtistsGetOneDay)
{
    const struct {
        int soort;
        int loontijdvak;
        double dagen;
    } kGevallen[] = {
        {spWerknemer, ltDag, 1},         {spWerknemer, ltWeek, 5},          {spWerknemer, lt4Weken, 20},
        {spWerknemer, ltMaand, 21.67},   {spWerknemer, ltKwartaal, 65},     {spBinnenlandseArtiest, ltMaand, 1},
        {spVrijeBerekeningArtiest, ltMaand, 1}, {spBijzonderLoon, ltMaand, 21.67},
    };
    for (const auto& geval : kGevallen) {
        TBerekeningInvoer invoer = Invoer(geval.soort);
        invoer.LoondagenVoorDagtabel = 3;
        KiesLoontijdvak(invoer, geval.loontijdvak);
        EXPECT_DOUBLE_EQ(invoer.LoondagenVoorDagtabel, geval.dagen) << geval.soort << "/" << geval.loontijdvak;
    }
    TBerekeningInvoer geenKeuze = Invoer(spWerknemer);
    KiesLoontijdvak(geenKeuze, 0);
    EXPECT_DOUBLE_EQ(geenKeuze.LoondagenVoorDagtabel, 21.67);
}

TEST(Veldregels, AtMostOneOfTheZvwBoxesIsChecked)
{
    TBerekeningInvoer invoer = Invoer(spWerknemer);
    ASSERT_TRUE(invoer.Actief.Zvw);
    KiesVerzekerdZvw(invoer, true);
    EXPECT_TRUE(invoer.VerzekerdZfw);
    EXPECT_FALSE(invoer.Actief.Zvw);
    KiesWerkgeverZvw(invoer, true);
    EXPECT_TRUE(invoer.Actief.Zvw);
    EXPECT_FALSE(invoer.VerzekerdZfw);

    // The employee's box is disabled for artists: it does not switch off the employer's levy.
    TBerekeningInvoer artiest = Invoer(spBinnenlandseArtiest);
    PasSoortregelToe(artiest);
    KiesVerzekerdZvw(artiest, true);
    EXPECT_TRUE(artiest.Actief.Zvw);

    // Stored with both boxes checked, the employer's levy wins when loaded.
    TBerekeningInvoer opgeslagen = Invoer(spWerknemer);
    opgeslagen.VerzekerdZfw = true;
    opgeslagen.Actief.Zvw = true;
    PasRegelsToeNaLaden(opgeslagen);
    EXPECT_TRUE(opgeslagen.Actief.Zvw);
    EXPECT_FALSE(opgeslagen.VerzekerdZfw);
}

TEST(Veldregels, AnEmployeeOfStatePensionAgeIsNotInsuredForTheEmployeeInsurances)
{
    const struct {
        TDateTime geboren;
        bool aow;
    } kGevallen[] = {
        {EncodeDate(1953, 1, 1), true},    // 67 on 15 March 2020
        {EncodeDate(1953, 11, 1), true},   // 66 and 4 months in March 2020
        {EncodeDate(1953, 12, 1), false},  // 66 and 3 months
        {EncodeDate(1980, 1, 1), false},
        {0, false},                        // no birth date
    };
    for (const auto& geval : kGevallen) {
        TBerekeningInvoer invoer = Invoer(spWerknemer);
        invoer.Geboortedatum = geval.geboren;
        EXPECT_EQ(IsAOWGerechtigd(invoer), geval.aow) << FormatDutchDate(geval.geboren);
        PasRegelsToeNaKeuze(invoer, {});
        EXPECT_EQ(invoer.VerzekerdWW, !geval.aow);
        EXPECT_EQ(invoer.VerzekerdWAO, !geval.aow);

        TBerekeningInvoer gekozen = Invoer(spWerknemer);
        gekozen.Geboortedatum = geval.geboren;
        PasRegelsToeNaKeuze(gekozen, {.Verzekeringen = true});
        EXPECT_TRUE(gekozen.VerzekerdWW);
    }
}

TEST(Veldregels, TheFieldChecksStopAtTheFirstFailingFieldInTheWindowsOrder)
{
    const struct {
        void (*zet)(TBerekeningInvoer&);
        const char* veld;
        const char* melding;
    } kGevallen[] = {
        {[](TBerekeningInvoer& i) { i.BerekeningDatum = 0; i.Loonbedrag = -1; }, "deBerekeningDatum",
         "Datum is ongeldig."},
        {[](TBerekeningInvoer& i) { i.Loonbedrag = -0.01; i.SoortLoonbedrag = -1; }, "edLoonbedrag",
         "Loonbedrag is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.SoortLoonbedrag = -1; i.SoortBerekening = -1; }, "cmbLoonbedrag",
         "Soort loonbedrag is niet geselecteerd."},
        {[](TBerekeningInvoer& i) { i.SoortBerekening = -1; i.Geboortedatum = 0; }, "cmbSoortWerknemer",
         "Berekening voor is niet geselecteerd."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = 0; }, "edGebDatum",
         "Geboortedatum is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(2019, 6, 1); }, "edGebDatum",
         "Leeftijd is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(1919, 3, 15); }, "edGebDatum",
         "Leeftijd is ongeldig of niet ingevuld."},
    };
    for (const auto& geval : kGevallen) {
        TBerekeningInvoer invoer = Invoer(spWerknemer);
        geval.zet(invoer);
        const auto fout = ControleerInvoer(invoer);
        ASSERT_TRUE(fout.has_value()) << geval.melding;
        EXPECT_EQ(fout->Veld, geval.veld);
        EXPECT_EQ(fout->Melding, geval.melding);
    }

    TBerekeningInvoer grens = Invoer(spWerknemer);
    grens.Loonbedrag = 0;
    grens.Geboortedatum = EncodeDate(1920, 3, 15); // 100 years
    EXPECT_FALSE(ControleerInvoer(grens).has_value());
    grens.Geboortedatum = EncodeDate(2019, 3, 15); // 1 year
    EXPECT_FALSE(ControleerInvoer(grens).has_value());
}
