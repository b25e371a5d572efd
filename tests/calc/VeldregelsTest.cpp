#include "calc/Veldregels.h"

#include "common/DataFolder.h"
#include "model/DmConstanten.h"
#include "model/Enumeraties.h"
#include "model/Getallen.h"
#include "support/Constanten.h"

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

// The rules that fill in the insurances compute with the dates only once they
// pass their checks; then the checks refuse them with the age's message.
TEST(Veldregels, DatesTheChecksRefuseAreRefusedBeforeAnyRuleComputesWithThem)
{
    const struct {
        TDateTime berekeningsdatum;
        TDateTime geboren;
        TInvoerveld veld;
        const char* melding;
    } kGevallen[] = {
        {EncodeDate(2020, 12, 31), EncodeDate(9999, 1, 1), TInvoerveld::Geboortedatum,
         "Leeftijd is ongeldig of niet ingevuld."},
        {EncodeDate(2020, 12, 31), EncodeDate(9933, 9, 1), TInvoerveld::Geboortedatum,
         "Leeftijd is ongeldig of niet ingevuld."},
        {EncodeDate(2020, 12, 31), EncodeDate(9999, 12, 31), TInvoerveld::Geboortedatum,
         "Leeftijd is ongeldig of niet ingevuld."},
        {EncodeDate(2020, 12, 31), EncodeDate(3000, 1, 1), TInvoerveld::Geboortedatum,
         "Leeftijd is ongeldig of niet ingevuld."},
        {0, EncodeDate(9999, 1, 1), TInvoerveld::Berekeningsdatum, "Datum is ongeldig."},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(FormatDutchDate(geval.geboren));
        TBerekeningInvoer invoer = Invoer(spWerknemer);
        invoer.BerekeningDatum = geval.berekeningsdatum;
        invoer.Geboortedatum = geval.geboren;
        ASSERT_NO_THROW(PasRegelsToeNaKeuze(invoer, {}));
        EXPECT_TRUE(invoer.VerzekerdWW); // left as they were
        EXPECT_TRUE(invoer.VerzekerdWAO);
        const auto fout = ControleerInvoer(invoer);
        ASSERT_TRUE(fout.has_value());
        EXPECT_EQ(fout->Veld, geval.veld);
        EXPECT_EQ(fout->Melding, geval.melding);
    }
}

TEST(Veldregels, TheFieldChecksStopAtTheFirstFailingFieldInTheWindowsOrder)
{
    const struct {
        void (*zet)(TBerekeningInvoer&);
        TInvoerveld veld;
        const char* melding;
    } kGevallen[] = {
        {[](TBerekeningInvoer& i) { i.BerekeningDatum = 0; i.Loonbedrag = -1; }, TInvoerveld::Berekeningsdatum,
         "Datum is ongeldig."},
        {[](TBerekeningInvoer& i) { i.Loonbedrag = -0.01; i.SoortLoonbedrag = -1; }, TInvoerveld::Loonbedrag,
         "Loonbedrag is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.Loonbedrag = 100'000'000; i.SoortLoonbedrag = -1; }, TInvoerveld::Loonbedrag,
         "Loonbedrag is ongeldig: het grootste loonbedrag is 99.999.999,99."},
        {[](TBerekeningInvoer& i) { i.SoortLoonbedrag = -1; i.SoortBerekening = -1; }, TInvoerveld::SoortLoonbedrag,
         "Soort loonbedrag is niet geselecteerd."},
        {[](TBerekeningInvoer& i) { i.SoortBerekening = -1; i.Geboortedatum = 0; }, TInvoerveld::SoortBerekening,
         "Berekening voor is niet geselecteerd."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = 0; }, TInvoerveld::Geboortedatum,
         "Geboortedatum is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(2019, 6, 1); }, TInvoerveld::Geboortedatum,
         "Leeftijd is ongeldig of niet ingevuld."},
        {[](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(1919, 3, 15); }, TInvoerveld::Geboortedatum,
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
    grens.Loonbedrag = 99'999'999.99; // the largest amount
    EXPECT_FALSE(ControleerInvoer(grens).has_value());
}

TEST(Veldregels, TheLargestAmountIsOneFigureInEveryForm)
{
    EXPECT_EQ(MaximumBedrag, 99'999'999.99);
    EXPECT_EQ(MaximumBedragInCenten, 99'999'999'99);
    const TGelezenGetal tekst = LeesGetal(MaximumBedragTekst, 2);
    ASSERT_TRUE(tekst);
    EXPECT_EQ(tekst.Waarde, MaximumBedrag);
}

TEST(Veldregels, LeavingAFieldChecksItAndWhatFollowsFromIt)
{
    const struct {
        TInvoerveld veld;
        void (*zet)(TBerekeningInvoer&);
        const char* melding; // nullptr: passes
        TInvoerveld focus = TInvoerveld::Geboortedatum;
    } kGevallen[] = {
        // The calculation date checks the birth date only when one is filled in.
        {TInvoerveld::Berekeningsdatum, [](TBerekeningInvoer& i) { i.BerekeningDatum = 0; }, "Datum is ongeldig.",
         TInvoerveld::Berekeningsdatum},
        {TInvoerveld::Berekeningsdatum, [](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(2019, 12, 1); },
         "Leeftijd is ongeldig of niet ingevuld."},
        {TInvoerveld::Berekeningsdatum, [](TBerekeningInvoer& i) { i.Geboortedatum = 0; }, nullptr},
        {TInvoerveld::Geboortedatum, [](TBerekeningInvoer& i) { i.Geboortedatum = 0; },
         "Geboortedatum is ongeldig of niet ingevuld."},
        {TInvoerveld::Geboortedatum, [](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(1900, 1, 1); },
         "Leeftijd is ongeldig of niet ingevuld."},
        {TInvoerveld::Leeftijd, [](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(1919, 3, 15); },
         "Leeftijd is ongeldig of niet ingevuld."},
        // Without a birth date the age is no 50 years: the birth date's message.
        {TInvoerveld::Leeftijd, [](TBerekeningInvoer& i) { i.Geboortedatum = 0; },
         "Geboortedatum is ongeldig of niet ingevuld."},
        // Each field checks only itself: a wrong wage amount does not stop the date.
        {TInvoerveld::Berekeningsdatum, [](TBerekeningInvoer& i) { i.Loonbedrag = -5; }, nullptr},
        {TInvoerveld::Loonbedrag, [](TBerekeningInvoer& i) { i.Loonbedrag = -0.01; },
         "Loonbedrag is ongeldig of niet ingevuld.", TInvoerveld::Loonbedrag},
        {TInvoerveld::Loonbedrag, [](TBerekeningInvoer& i) { i.Loonbedrag = 100'000'000; },
         "Loonbedrag is ongeldig: het grootste loonbedrag is 99.999.999,99.", TInvoerveld::Loonbedrag},
        {TInvoerveld::Loonbedrag, [](TBerekeningInvoer& i) { i.Loonbedrag = 0; i.Geboortedatum = 0; }, nullptr},
        {TInvoerveld::SoortLoonbedrag, [](TBerekeningInvoer& i) { i.SoortLoonbedrag = -1; },
         "Soort loonbedrag is niet geselecteerd.", TInvoerveld::SoortLoonbedrag},
        {TInvoerveld::SoortBerekening, [](TBerekeningInvoer& i) { i.SoortBerekening = 6; },
         "Berekening voor is niet geselecteerd.", TInvoerveld::SoortBerekening},
        {TInvoerveld::Loontijdvak, [](TBerekeningInvoer& i) { i.Loontijdvak = 0; }, nullptr},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.melding == nullptr ? "passes" : geval.melding);
        TBerekeningInvoer invoer = Invoer(spWerknemer);
        geval.zet(invoer);
        const auto fout = ControleerVeld(invoer, geval.veld);
        if (geval.melding == nullptr) {
            EXPECT_FALSE(fout.has_value()) << fout->Melding;
            continue;
        }
        ASSERT_TRUE(fout.has_value());
        EXPECT_EQ(fout->Melding, geval.melding);
        EXPECT_EQ(fout->Veld, geval.focus);
        // The date is in the band above the tabs; every other field is on the employee tab.
        EXPECT_EQ(fout->Tab, geval.focus == TInvoerveld::Berekeningsdatum ? TInvoertab::Geen
                                                                           : TInvoertab::Werknemersgegevens);
    }
}

TEST(Veldregels, TheKindOfCalculationOpensItsOwnFields)
{
    const struct {
        int soort;
        TSoortVelden velden;
    } kGevallen[] = {
        {spWerknemer, {true, 0, true, false, true, false, false, false}},
        {spBijzonderLoon, {false, ltMaand, true, false, true, false, false, true}},
        {spBinnenlandseArtiest, {false, ltMaand, false, false, false, true, true, false}},
        {spBuitenlandseArtiest, {false, ltMaand, false, false, false, true, true, false}},
        {spVrijeBerekeningWerknemers, {false, ltMaand, false, true, true, false, false, false}},
        // Both an artist kind and a free calculation, but without the artists' own percentage.
        {spVrijeBerekeningArtiest, {false, ltMaand, false, true, false, true, false, false}},
        {-1, {false, ltMaand, false, false, true, false, false, false}},
    };
    for (const auto& geval : kGevallen) {
        const TSoortVelden v = SoortVelden(geval.soort);
        const TSoortVelden& w = geval.velden;
        EXPECT_EQ(v.LoontijdvakKiesbaar, w.LoontijdvakKiesbaar) << geval.soort;
        EXPECT_EQ(v.VastLoontijdvak, w.VastLoontijdvak) << geval.soort;
        EXPECT_EQ(v.TabelKiesbaar, w.TabelKiesbaar) << geval.soort;
        EXPECT_EQ(v.LoonheffingVrij, w.LoonheffingVrij) << geval.soort;
        EXPECT_EQ(v.VerzekerdZvwKiesbaar, w.VerzekerdZvwKiesbaar) << geval.soort;
        EXPECT_EQ(v.ArtiestAftrek, w.ArtiestAftrek) << geval.soort;
        EXPECT_EQ(v.ArtiestLoonheffing, w.ArtiestLoonheffing) << geval.soort;
        EXPECT_EQ(v.JaarloonVorigJaar, w.JaarloonVorigJaar) << geval.soort;
    }
}

TEST(Veldregels, EachKindShowsItsRowsOfEmployeeLinesInOrder)
{
    const std::vector<TRegelSleutel> alle = Werknemersregels(spWerknemer);
    ASSERT_EQ(alle.size(), 14u);
    EXPECT_EQ(alle.front(), (TRegelSleutel{rtNatura, 0}));
    EXPECT_EQ(alle[1], (TRegelSleutel{rtLoonLBPH, 0}));
    EXPECT_EQ(alle.back(), (TRegelSleutel{rtWhkVerhalingOpWerknemer, 0}));
    EXPECT_EQ(Werknemersregels(spVrijeBerekeningWerknemers), alle);

    const std::vector<TRegelSleutel> bijzonder = Werknemersregels(spBijzonderLoon);
    EXPECT_EQ(bijzonder.size(), 11u); // without wage in kind, allowance and deduction
    EXPECT_EQ(bijzonder.front(), (TRegelSleutel{rtLoonLBPH, 0}));
    EXPECT_EQ(bijzonder.back(), (TRegelSleutel{rtWhkVerhalingOpWerknemer, 0}));

    for (int artiest : {spBinnenlandseArtiest, spBuitenlandseArtiest, spVrijeBerekeningArtiest}) {
        const std::vector<TRegelSleutel> rijen = Werknemersregels(artiest);
        const std::vector<TRegelSleutel> verwacht = {
            {rtNatura, 0},          {rtLoonLBPH, 0},     {rtLevensloopWN, 0},    {rtOpnameLevensloop, 0},
            {rtBijtellingAuto, 0},  {rtBijdrageAuto, 0}, {rtBijtellingFiets, 0}, {rtBijdrageFiets, 0}};
        EXPECT_EQ(rijen, verwacht) << artiest;
        EXPECT_EQ(LBPHBijschrift(artiest), "Onkostenvergoeding");
    }
    EXPECT_EQ(LBPHBijschrift(spWerknemer), "LB/PH/Zvw-loon");
}

TEST(Veldregels, TheMinimumWageOfTheAgeAndPayPeriodOnTheCalculationDate)
{
    // The statutory minimum wages of 2020 (Staatscourant): from 1 July 21 and older 1680,00 a month and
    // 387,70 a week, 18 years 840,00 a month; before July 21 and older 1653,60 a month.
    const TDateTime juli = EncodeDate(2020, 8, 15);
    const struct {
        int leeftijd;
        TDateTime datum;
        int loontijdvak;
        double bedrag;
    } kGevallen[] = {
        {23, juli, ltWeek, 387.70},     {21, juli, ltMaand, 1680.00},   {30, juli, ltKwartaal, 5040.00},
        {21, juli, lt4Weken, 1550.80},  {21, juli, ltDag, 77.54},       {18, juli, ltMaand, 840.00},
        {22, EncodeDate(2020, 3, 15), ltMaand, 1653.60}, {14, juli, ltMaand, 0}, {14, juli, 0, 0},
    };
    auto constanten = test::GeladenConstanten(DataFolder(), EncodeDate(2020, 3, 1));
    for (const auto& geval : kGevallen) {
        const TMinimumloon uitkomst = BepaalMinimumloon(geval.leeftijd, geval.datum, geval.loontijdvak, *constanten);
        ASSERT_TRUE(uitkomst.Bedrag.has_value()) << geval.leeftijd << "/" << geval.loontijdvak;
        EXPECT_NEAR(*uitkomst.Bedrag, geval.bedrag, 1e-9) << geval.leeftijd << "/" << geval.loontijdvak;
    }

    const struct {
        int leeftijd;
        TDateTime datum;
        TInvoerveld veld;
        const char* melding;
    } kWeigeringen[] = {
        {0, juli, TInvoerveld::Geboortedatum, "Het minimumloon kan niet worden bepaald.\r\nVul eerst de leeftijd in."},
        {30, 0, TInvoerveld::Berekeningsdatum,
         "Het minimumloon kan niet worden bepaald.\r\nVul eerst de berekeningsdatum in."},
        {30, juli, TInvoerveld::Loontijdvak,
         "Het minimumloon kan niet worden bepaald. Selecteer eerst een loontijdvak."},
    };
    for (const auto& weigering : kWeigeringen) {
        const TMinimumloon uitkomst = BepaalMinimumloon(weigering.leeftijd, weigering.datum, 0, *constanten);
        EXPECT_FALSE(uitkomst.Bedrag.has_value());
        ASSERT_TRUE(uitkomst.Fout.has_value()) << weigering.melding;
        EXPECT_EQ(uitkomst.Fout->Veld, weigering.veld);
        EXPECT_EQ(uitkomst.Fout->Melding, weigering.melding);
    }
}
