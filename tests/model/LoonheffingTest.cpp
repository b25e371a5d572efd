#include "common/DataFolder.h"
#include "common/DateTime.h"
#include "model/Datumregels.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"
#include "support/Constanten.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace vkt;

namespace {

// A function, not a constant: dates are not to be built during static initialisation.
TDateTime Berekeningsdatum() { return EncodeDate(2020, 3, 1); }

using test::Constanten;

enum class Leeftijdsgroep { OnderAOW, AOWVoor1946, AOW1946OfLater };

TDateTime GeboortedatumVan(Leeftijdsgroep groep)
{
    switch (groep) {
    case Leeftijdsgroep::OnderAOW:
        return EncodeDate(1980, 1, 1);
    case Leeftijdsgroep::AOWVoor1946:
        return EncodeDate(1945, 6, 1);
    case Leeftijdsgroep::AOW1946OfLater:
        return EncodeDate(1950, 1, 1);
    }
    return 0;
}

// A monthly white-table calculation for a resident of the Netherlands.
void RichtIn(THeffingsgegevens& heffing, Leeftijdsgroep groep, bool korting, const TQuelvarConst& constanten = Constanten())
{
    heffing.SetConstanten(&constanten);
    heffing.SetBerekeningsDatum(Berekeningsdatum());
    heffing.Loontijdvak = ltMaand;
    heffing.Tabelkleur = tkWit;
    heffing.LoonbelastingtabelVoorInwoner = igNederland;
    heffing.Geboortedatum = GeboortedatumVan(groep);
    heffing.CodeLoonheffingskorting = korting;
}

void VoegBrutoloonToe(THeffingsgegevens& heffing, double bedrag)
{
    TCustomKolom& kolom = heffing.Kolommen().Kolom(3);
    dynamic_cast<TBrutoloonKolomRegel&>(kolom.GetRegel(kolom.AddRegel(rtBrutoloon))).Bedrag = bedrag;
}

long long Centen(double bedrag) { return std::llround(bedrag * 100); }

long long LoonheffingInCenten(THeffingsgegevens& heffing) { return Centen(heffing.Kolommen().Kolom(15).Totaal); }

// The wage tax of a month with nothing but a gross wage.
struct Uitkomst {
    long long loonheffing;
    long long arbeidskorting;
};
Uitkomst BerekenMaand(Leeftijdsgroep groep, bool korting, double brutoloon)
{
    TVasteHeffingsgegevens heffing;
    RichtIn(heffing, groep, korting);
    VoegBrutoloonToe(heffing, brutoloon);
    heffing.Bereken();
    return {LoonheffingInCenten(heffing), Centen(heffing.ToegepasteArbeidskorting)};
}

// One row of the official white monthly table of January 2020, in cents:
// the table wage, then per age group the tax without and with the wage-tax
// credit and the labour credit applied.
struct Tabelrij {
    long long tabelloon;
    long long onderAOW[3];
    long long aowVoor1946[3];
    long long aow1946OfLater[3];
};

const Tabelrij Maandtabel[] = {
    {450, {167, 0, 0}, {83, 0, 0}, {83, 0, 0}},
    {45450, {16975, 0, 0}, {8833, 0, 0}, {8833, 0, 0}},
    {60300, {22517, 0, 0}, {11725, 0, 0}, {11725, 0, 0}},
    {65700, {24533, 92, 1850}, {12775, 0, 0}, {12775, 0, 0}},
    {81450, {30417, 5533, 2292}, {15842, 0, 0}, {15842, 0, 0}},
    {100350, {37475, 7458, 7425}, {19517, 0, 0}, {19517, 0, 0}},
    {140400, {52433, 10883, 18958}, {27300, 0, 2008}, {27300, 0, 2008}},
    {165150, {61683, 13000, 26092}, {32117, 0, 6825}, {32117, 0, 6825}},
    {200250, {74783, 23433, 30325}, {38942, 0, 14467}, {38942, 0, 14467}},
    {206550, {77142, 26050, 30425}, {40167, 25, 15850}, {40167, 25, 15850}},
    {225450, {84200, 33858, 30742}, {43842, 4092, 16017}, {43842, 4092, 16017}},
    {250200, {93442, 44100, 31150}, {48658, 9425, 16233}, {48658, 9425, 16233}},
    {279450, {104367, 56200, 31633}, {54350, 15725, 16483}, {54350, 15725, 16483}},
    {289800, {108225, 60467, 31808}, {56358, 17950, 16575}, {56450, 18042, 16575}},
    {292950, {109408, 61917, 31725}, {56975, 18708, 16525}, {57633, 19367, 16525}},
    {315450, {117808, 72942, 30375}, {65042, 28742, 15825}, {66033, 29733, 15825}},
    {350100, {130750, 89925, 28300}, {77983, 48992, 14742}, {78975, 49983, 14742}},
    {400050, {149408, 114417, 25300}, {96642, 78175, 13183}, {97633, 79167, 13183}},
    {450000, {168067, 138900, 22308}, {115300, 100092, 11625}, {116292, 101083, 11625}},
    {500400, {186883, 163600, 19283}, {134125, 121983, 10050}, {135108, 122967, 10050}},
    {540450, {201850, 183242, 16875}, {149083, 139375, 8792}, {150075, 140367, 8792}},
    {600300, {227767, 214475, 13292}, {175000, 168075, 6925}, {175992, 169067, 6925}},
    {675450, {264967, 256192, 8775}, {212200, 207625, 4575}, {213192, 208617, 4575}},
    {765450, {309517, 306142, 3375}, {256750, 254983, 1767}, {257742, 255975, 1767}},
    {823500, {338250, 338250, 0}, {285483, 285483, 0}, {286475, 286475, 0}},
};

class OfficieleMaandtabel : public ::testing::TestWithParam<Tabelrij> {};

} // namespace

TEST(Leeftijdsgroepen, BirthDatesGiveTheIntendedAgeGroupOnTheCalculationDate)
{
    const TDateTime peildatum = EersteVanDeMaand(Berekeningsdatum());
    auto aow = [&](Leeftijdsgroep groep) {
        return IsWerknemerPensioengerechtigd(peildatum, EersteVanDeMaand(GeboortedatumVan(groep)));
    };
    EXPECT_FALSE(aow(Leeftijdsgroep::OnderAOW));
    EXPECT_TRUE(aow(Leeftijdsgroep::AOWVoor1946));
    EXPECT_TRUE(aow(Leeftijdsgroep::AOW1946OfLater));
    EXPECT_LT(Jaar(GeboortedatumVan(Leeftijdsgroep::AOWVoor1946)), 1946);
    EXPECT_GE(Jaar(GeboortedatumVan(Leeftijdsgroep::AOW1946OfLater)), 1946);
}

TEST(Leeftijdsgroepen, TheAgeGroupFollowsEveryChangeOfEitherDate)
{
    TVasteHeffingsgegevens heffing;
    heffing.SetBerekeningsDatum(Berekeningsdatum());
    const struct {
        TDateTime geboortedatum;
        TDateTime berekeningsdatum;
        bool aow;
        bool geboren1946OfLater;
    } kStappen[] = {
        {EncodeDate(1980, 1, 1), Berekeningsdatum(), false, true},
        {EncodeDate(1945, 6, 1), Berekeningsdatum(), true, false},
        {EncodeDate(1950, 1, 1), Berekeningsdatum(), true, true},
        // Born 1 September 1953: the state pension age of 66 years and 4 months is reached in January 2020.
        {EncodeDate(1953, 9, 1), EncodeDate(2020, 1, 1), true, true},
        {EncodeDate(1954, 9, 1), EncodeDate(2020, 1, 1), false, true},
        {EncodeDate(1954, 9, 1), EncodeDate(2020, 12, 31), false, true},
        {0, EncodeDate(2020, 12, 31), false, false},
    };
    for (const auto& stap : kStappen) {
        heffing.Geboortedatum = stap.geboortedatum;
        heffing.SetBerekeningsDatum(stap.berekeningsdatum);
        EXPECT_EQ(heffing.AOW(), stap.aow) << FormatDutchDate(stap.geboortedatum);
        EXPECT_EQ(heffing.AOW(), IsAOWGerechtigdInMaand(stap.berekeningsdatum, stap.geboortedatum));
        EXPECT_EQ(heffing.Geboren1946OfLater(), stap.geboren1946OfLater) << FormatDutchDate(stap.geboortedatum);
    }
}

TEST_P(OfficieleMaandtabel, TaxAndLabourCreditToTheCent)
{
    const Tabelrij& rij = GetParam();
    const struct {
        Leeftijdsgroep groep;
        const long long* verwacht;
    } groepen[] = {{Leeftijdsgroep::OnderAOW, rij.onderAOW},
                   {Leeftijdsgroep::AOWVoor1946, rij.aowVoor1946},
                   {Leeftijdsgroep::AOW1946OfLater, rij.aow1946OfLater}};
    for (const auto& g : groepen) {
        SCOPED_TRACE(testing::Message() << "age group " << static_cast<int>(g.groep));
        const Uitkomst zonder = BerekenMaand(g.groep, false, rij.tabelloon / 100.0);
        EXPECT_EQ(zonder.loonheffing, g.verwacht[0]) << "without credit";
        EXPECT_EQ(zonder.arbeidskorting, 0) << "no labour credit without credit";
        const Uitkomst met = BerekenMaand(g.groep, true, rij.tabelloon / 100.0);
        EXPECT_EQ(met.loonheffing, g.verwacht[1]) << "with credit";
        EXPECT_EQ(met.arbeidskorting, g.verwacht[2]) << "labour credit applied";
    }
}

INSTANTIATE_TEST_SUITE_P(Wit2020, OfficieleMaandtabel, ::testing::ValuesIn(Maandtabel),
                         [](const ::testing::TestParamInfo<Tabelrij>& info) {
                             return "Tabelloon" + std::to_string(info.param.tabelloon);
                         });

TEST(Loonheffing, NoTaxAndNoCreditForAZeroOrNegativeWage)
{
    for (const double brutoloon : {0.0, -500.0}) {
        SCOPED_TRACE(brutoloon);
        const Uitkomst uitkomst = BerekenMaand(Leeftijdsgroep::OnderAOW, true, brutoloon);
        EXPECT_EQ(uitkomst.loonheffing, 0);
        EXPECT_EQ(uitkomst.arbeidskorting, 0);
    }
}

TEST(Loonheffing, ACalculationDoesNotReuseTheTaxOfTheOneBefore)
{
    // The passes of one calculation share the table tax while the table wage
    // stays; the next calculation of the same levy data, with another credit
    // setting or another wage, computes its own.
    TVasteHeffingsgegevens heffing;
    RichtIn(heffing, Leeftijdsgroep::OnderAOW, true);
    VoegBrutoloonToe(heffing, 3000);
    heffing.Bereken();
    const Uitkomst metKorting = {LoonheffingInCenten(heffing), Centen(heffing.ToegepasteArbeidskorting)};
    heffing.CodeLoonheffingskorting = false;
    heffing.Bereken();
    const Uitkomst zonderKorting = {LoonheffingInCenten(heffing), Centen(heffing.ToegepasteArbeidskorting)};
    EXPECT_EQ(zonderKorting.loonheffing, BerekenMaand(Leeftijdsgroep::OnderAOW, false, 3000).loonheffing);
    EXPECT_EQ(zonderKorting.arbeidskorting, 0);
    EXPECT_GT(zonderKorting.loonheffing, metKorting.loonheffing);

    heffing.CodeLoonheffingskorting = true;
    dynamic_cast<TBrutoloonKolomRegel&>(heffing.Kolommen().Kolom(3).GetRegel(0)).Bedrag = 3100;
    heffing.Bereken();
    const Uitkomst verwacht = BerekenMaand(Leeftijdsgroep::OnderAOW, true, 3100);
    EXPECT_EQ(LoonheffingInCenten(heffing), verwacht.loonheffing);
    EXPECT_EQ(Centen(heffing.ToegepasteArbeidskorting), verwacht.arbeidskorting);
}

TEST(Loonheffing, AnnualWageForTheTable)
{
    struct Case {
        int loontijdvak;
        double periodeloon;
        double jaarloon;
    };
    const Case cases[] = {
        {ltMaand, 4.4999999, 0},      // below the table's step: 0, though a single-precision step rounds up to 54
        {ltMaand, 4.50, 54},          // the first step
        {ltMaand, 2002.49, 23976},    // down to a multiple of 54
        {ltMaand, 8235, 98820},       // the calculation limit itself
        {ltMaand, 8235.01, 98820.12}, // above the limit the annual wage is taken as it is
        {ltWeek, 100, 5184},          // 52 weeks
        {ltMaand, -5, -5},            // not positive: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "period " << c.loontijdvak << " wage " << c.periodeloon);
        TVasteHeffingsgegevens heffing;
        RichtIn(heffing, Leeftijdsgroep::OnderAOW, true);
        heffing.Loontijdvak = c.loontijdvak;
        EXPECT_DOUBLE_EQ(heffing.JaarloonVoorTabel(c.periodeloon), c.jaarloon);
    }
}

TEST(Loonheffing, AboveTheCalculationLimitTheExcessIsTaxedAtTheTopRate)
{
    // 120000 a year: the table tax at 98820 is KapAf(25586 + 30313 x 49.5 %) =
    // 40590, the excess 21180 x 0.495 = 10484.10; no credits this high.
    for (const bool korting : {false, true}) {
        const Uitkomst uitkomst = BerekenMaand(Leeftijdsgroep::OnderAOW, korting, 10000);
        EXPECT_EQ(uitkomst.loonheffing, 425617);
        EXPECT_EQ(uitkomst.arbeidskorting, 0);
    }
}

TEST(Loonheffing, CreditsNeverMakeTheTaxNegativeAndTheLabourCreditGivesWayFirst)
{
    struct Case {
        double heffing, arbeidskorting, overige;
        double verwachtHeffing, verwachtArbeidskorting, verwachtOverige;
    };
    const Case cases[] = {
        {-100, 200, 500, 0, 100, 500}, // the labour credit alone absorbs the shortfall
        {-300, 200, 500, 0, 0, 400},   // then the other credits
        {50, 200, 500, 50, 200, 500},  // a positive tax leaves everything as it is
    };
    for (const Case& c : cases) {
        double heffing = c.heffing;
        double arbeidskorting = c.arbeidskorting;
        double overige = c.overige;
        THeffingsgegevens::BegrensKortingen(heffing, arbeidskorting, overige);
        EXPECT_EQ(heffing, c.verwachtHeffing);
        EXPECT_EQ(arbeidskorting, c.verwachtArbeidskorting);
        EXPECT_EQ(overige, c.verwachtOverige);
    }
}

TEST(Loonheffing, GreenTableHasNoLabourCreditButTheOtherCredits)
{
    struct Case {
        Leeftijdsgroep groep;
        double brutoloon;
        long long verwacht;
    };
    const Case cases[] = {
        // 24030 a year: bracket tax 8974 less the general credit 2523.
        {Leeftijdsgroep::OnderAOW, 2002.50, 53758},
        // 30024 a year: bracket tax 5839 less the general credit 1138 and the elderly credit 1622.
        {Leeftijdsgroep::AOW1946OfLater, 2502.00, 25658},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.brutoloon);
        TVasteHeffingsgegevens heffing;
        RichtIn(heffing, c.groep, true);
        heffing.Tabelkleur = tkGroen;
        VoegBrutoloonToe(heffing, c.brutoloon);
        heffing.Bereken();
        EXPECT_EQ(LoonheffingInCenten(heffing), c.verwacht);
        EXPECT_EQ(heffing.ToegepasteArbeidskorting, 0);
    }
}

TEST(Loonheffing, FixedRatesLeaveTheAppliedLabourCreditAlone)
{
    struct Case {
        int werknemersoort;
        const char* sofinummer;
        long long verwacht;
    };
    const Case cases[] = {
        {wsWerknemer, "anoniem12", 156000},           // 52 % of 3000, credits or not
        {wsBuitenlandseArtiest, "123456789", 60000},  // 20 %
        {wsBuitenlandseArtiest, "ANONIEM", 156000},   // the anonymous tariff comes first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sofinummer);
        TVasteHeffingsgegevens heffing;
        RichtIn(heffing, Leeftijdsgroep::OnderAOW, true);
        heffing.Werknemersoort = c.werknemersoort;
        heffing.Sofinummer = c.sofinummer;
        heffing.ToegepasteArbeidskorting = 12.34;
        VoegBrutoloonToe(heffing, 3000);
        heffing.Bereken();
        EXPECT_EQ(LoonheffingInCenten(heffing), c.verwacht);
        EXPECT_EQ(heffing.ToegepasteArbeidskorting, 12.34);
    }
}

TEST(Loonheffing, DomesticArtistWithACostDecisionAmountPaysTheFirstBracketRate)
{
    // The 2020 artist rate equals the first-bracket rate, so a copy of the
    // constants database with another artist rate tells them apart.
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "UPDATE SociaalFiscaal SET BelArtiestInOnder65 = 30");
    const auto constanten = test::GeladenConstanten(map.Path(), Berekeningsdatum());

    struct Case {
        double aftrekBedrag;
        double aftrekPercentage;
        TDateTime aftrekDatum;
        long long verwacht;
    };
    const Case cases[] = {
        {500, 0, EncodeDate(2020, 1, 1), 93375},  // 37.35 % of 3000 - 500
        {0, 10, EncodeDate(2020, 1, 1), 90000},   // a percentage only: the artist rate, 30 % of 3000
        {500, 0, EncodeDate(2020, 4, 1), 90000},  // a decision dated after the calculation: none yet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.aftrekBedrag << " " << c.aftrekPercentage);
        TVasteHeffingsgegevens heffing;
        RichtIn(heffing, Leeftijdsgroep::OnderAOW, false, constanten->GetConstanten());
        heffing.Werknemersoort = wsBinnenlandseArtiest;
        heffing.ArtiestAftrekBedrag = c.aftrekBedrag;
        heffing.ArtiestAftrekPercentage = c.aftrekPercentage;
        heffing.ArtiestAftrekDatum = c.aftrekDatum;
        VoegBrutoloonToe(heffing, 3000);
        heffing.Bereken();
        EXPECT_EQ(LoonheffingInCenten(heffing), c.verwacht);
    }
}

TEST(Loonheffing, DayTableTaxesEachWageDayAndShowsTheCreditOfThePeriod)
{
    // 150 a day is 38988 a year: bracket tax 14561, labour credit 3577,
    // general credit 1675; the tax of a day is 9309 / 260 = 35.80.
    struct Case {
        bool korting;
        long long loonheffing;
        long long arbeidskorting;
    };
    for (const Case& c : {Case{true, 35800, 13758}, Case{false, 56000, 0}}) {
        TEenmaligeHeffingsgegevens heffing;
        RichtIn(heffing, Leeftijdsgroep::OnderAOW, c.korting);
        heffing.Loontijdvak = ltDag;
        heffing.SetDagTabelToepassen(true);
        heffing.SetDagTabelDagen(10);
        VoegBrutoloonToe(heffing, 1500);
        heffing.Bereken();
        EXPECT_EQ(LoonheffingInCenten(heffing), c.loonheffing);
        EXPECT_EQ(Centen(heffing.ToegepasteArbeidskorting), c.arbeidskorting);
    }
}

TEST(Loonheffing, SpecialRewardTaxIsTruncatedToTheCent)
{
    TBijzondereHeffingsgegevens heffing;
    RichtIn(heffing, Leeftijdsgroep::OnderAOW, true);
    heffing.AfwijkendPercentageLBPH = true;
    heffing.PercentageLBPH = 33.33;
    heffing.ToegepasteArbeidskorting = 12.34;
    VoegBrutoloonToe(heffing, 1000.15);
    heffing.Bereken();
    EXPECT_EQ(LoonheffingInCenten(heffing), 33334); // 333.349995, not 333.35
    EXPECT_EQ(heffing.ToegepasteArbeidskorting, 12.34);
}

TEST(Loonheffing, SpecialRewardPercentageByAgeGroupCreditAndTable)
{
    // Previous year's wage 35000: the row from 34955 of group 0.
    struct Case {
        Leeftijdsgroep groep;
        bool korting;
        int tabelkleur;
        double verwacht;
    };
    const Case cases[] = {
        {Leeftijdsgroep::OnderAOW, false, tkWit, 37.35},
        {Leeftijdsgroep::OnderAOW, true, tkWit, 37.35 + 11.67},
        {Leeftijdsgroep::AOW1946OfLater, false, tkWit, 37.35},
        {Leeftijdsgroep::AOW1946OfLater, true, tkWit, 37.35 + 6.08},
        {Leeftijdsgroep::AOWVoor1946, false, tkWit, 19.45},
        {Leeftijdsgroep::AOWVoor1946, true, tkWit, 19.45 + 6.08},
        {Leeftijdsgroep::OnderAOW, true, tkGroen, 37.35 + 5.67}, // green row from 34713
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "age group " << static_cast<int>(c.groep) << " credit " << c.korting
                                        << " colour " << c.tabelkleur);
        TBijzondereHeffingsgegevens heffing;
        RichtIn(heffing, c.groep, c.korting);
        heffing.Tabelkleur = c.tabelkleur;
        heffing.JaarloonVorigJaar = 35000;
        EXPECT_NEAR(heffing.PercentageBijzondereBeloning(), c.verwacht, 1e-9);
    }
}
