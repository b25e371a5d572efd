#include "model/Kolomregels.h"

#include "common/DataFolder.h"
#include "common/DateTime.h"
#include "common/Exception.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "model/Afronding.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"
#include "support/Constanten.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <typeindex>
#include <typeinfo>

using namespace vkt;

namespace {

using test::Constanten;

TPremieloonMaxima Maxima() { return Constanten().Fiscaal().GetPremieloonMaxima(); }

// A monthly regular calculation whose lines are computed one at a time
// against totals set by hand.
class KolomregelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        heffing_.SetConstanten(&Constanten());
        heffing_.Loontijdvak = ltMaand;
        heffing_.SetSVDagen(21.67);
    }

    template <typename T = TBaseKolomRegel>
    T& Regel(int kolomnummer, int regeltype)
    {
        TCustomKolom& kolom = heffing_.Kolommen().Kolom(kolomnummer);
        return dynamic_cast<T&>(kolom.GetRegel(kolom.AddRegel(regeltype)));
    }

    void ZetTotaal(int kolomnummer, double totaal) { heffing_.Kolommen().Kolom(kolomnummer).Totaal = totaal; }

    TVasteHeffingsgegevens heffing_;
};

std::string FoutVan(TBaseKolomRegel& regel)
{
    try {
        regel.Bereken();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST_F(KolomregelsTest, PremiumIsTheAbsoluteBasisAboveThePartTimeFranchise)
{
    struct Case {
        double grondslag;
        double franchise;
        double deeltijd;
        int bpd;
        double bedrag;
        double verwacht;
    };
    const Case cases[] = {
        {2000, 500, 50, bpdPercentage, 0, 175},  // (2000 - 250) x 10 %
        {-2000, 500, 50, bpdPercentage, 0, 175}, // the sign of the basis does not count
        {2000, 500, 100, bpdPercentage, 0, 150}, // full time: the whole franchise
        {2000, 500, 50, bpdDerde, 0, 175},       // D is computed like P
        {2000, 3000, 100, bpdPercentage, 0, 0},  // franchise above the basis: 0, not negative
        {2000, 500, 50, bpdBedrag, 80, 80},      // a fixed amount ignores basis and franchise
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "basis " << c.grondslag << " franchise " << c.franchise << " bpd " << c.bpd);
        TVasteHeffingsgegevens heffing;
        heffing.Deeltijdpercentage = c.deeltijd;
        heffing.Kolommen().Kolom(8).Totaal = c.grondslag;
        TCustomKolom& kolom = heffing.Kolommen().Kolom(7);
        auto& regel = dynamic_cast<TPremieKolomRegel&>(kolom.GetRegel(kolom.AddRegel(rtPremie)));
        regel.GrondslagKolom = 8;
        regel.Franchise = c.franchise;
        regel.Percentage = 10;
        regel.BPDType = c.bpd;
        regel.Bedrag = c.bedrag;
        EXPECT_DOUBLE_EQ(regel.Bereken(), c.verwacht);
        EXPECT_DOUBLE_EQ(regel.ResultaatBedrag, c.verwacht);
    }
}

TEST_F(KolomregelsTest, ADeviatingBasisBelowZeroChargesNothingOnEitherPart)
{
    // Gross 1000 at 5 %: the formula gross less 1250,50 is below zero and
    // charges nothing (its magnitude 250,50 would charge 12,53); gross less
    // 750 is 250 and charges 12,50, a deduction -12,50.
    Regel<TBrutoloonKolomRegel>(3, rtBrutoloon).ResultaatBedrag = 1000;
    ZetTotaal(12, 1000);
    struct Case {
        int kolom;
        int regeltype;
        std::string THeffingsgegevens::*formule;
        double boven;  // the line's amount for gross less 750
    };
    const Case cases[] = {
        {7, rtPensioenPremieWN, &THeffingsgegevens::FormulePensioen, 12.50},
        {7, rtPensioenPremieWG, &THeffingsgegevens::FormulePensioen, 12.50},
        {7, rtVUTFPUPremieWN, &THeffingsgegevens::FormuleVUTFPU, 12.50},
        {7, rtIPPremieWG, &THeffingsgegevens::FormuleIP, 12.50},
        {0, rtZfwPremieWG, &THeffingsgegevens::FormuleZfw, 12.50},
        {18, rtWhkVerhalingOpWerknemer, &THeffingsgegevens::FormuleWhk, 12.50},
        {0, rtWhkPremie, &THeffingsgegevens::FormuleWhk, 12.50},
        {18, rtVergoedingInhouding, &THeffingsgegevens::FormuleBelVrijVergoeding, 12.50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regeltype);
        auto& regel = Regel<TCustomPremieKolomRegel>(c.kolom, c.regeltype);
        regel.Percentage = 5;
        heffing_.*c.formule = "[Brutoloon]-1250.5";
        regel.Bereken();
        EXPECT_DOUBLE_EQ(regel.ResultaatBedrag, 0);
        heffing_.*c.formule = "[Brutoloon]-750";
        regel.Bereken();
        EXPECT_DOUBLE_EQ(regel.ResultaatBedrag, c.boven);
        heffing_.*c.formule = "";
    }

    // A deduction of a formula below zero deducts nothing.
    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding);
    inhouding.Vergoeding = false;
    inhouding.Percentage = 5;
    heffing_.FormuleBelVrijInhouding = "[Brutoloon]-1250.5";
    EXPECT_DOUBLE_EQ(inhouding.Bereken(), 0);
    heffing_.FormuleBelVrijInhouding = "[Brutoloon]-750";
    EXPECT_DOUBLE_EQ(inhouding.Bereken(), -12.50);
    EXPECT_DOUBLE_EQ(inhouding.Bedrag, 12.50);

    // Both parts of a social fund with its own formula.
    for (int regeltype : {rtSociaalFondsWN, rtSociaalFondsWG}) {
        SCOPED_TRACE(regeltype);
        auto& fonds = Regel<TCustomSociaalFonds>(16, regeltype);
        fonds.Percentage = 5;
        fonds.GrondslagActief = true;
        fonds.AfwijkendeGrondslagFormule = "[Brutoloon]-1250.5";
        EXPECT_DOUBLE_EQ(fonds.Bereken(), 0);
        fonds.AfwijkendeGrondslagFormule = "[Brutoloon]-750";
        EXPECT_DOUBLE_EQ(fonds.Bereken(), 12.50);
    }
}

TEST_F(KolomregelsTest, ADeductionsColumnAsBasisCountsByWhatIsDeducted)
{
    // Column 18 holds a deduction of 400: -400. A premium and a fund of 5 %
    // over that column charge 20 on the 400 deducted.
    ZetTotaal(18, -400);
    auto& premie = Regel<TPremieKolomRegel>(17, rtPremie);
    premie.GrondslagKolom = 18;
    premie.Percentage = 5;
    EXPECT_DOUBLE_EQ(premie.Bereken(), 20);
    auto& fonds = Regel<TSociaalFondsWN>(17, rtSociaalFondsWN);
    fonds.GrondslagKolom = 18;
    fonds.Percentage = 5;
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 20);
}

TEST_F(KolomregelsTest, PremiumWithoutFranchiseKeepsTheSignAndIgnoresAmountAndFranchise)
{
    ZetTotaal(8, -2000);
    auto& regel = Regel<TPremieSVWKolomRegel>(0, rtPremieSVW);
    regel.Percentage = 10;
    regel.Franchise = 500;
    regel.BPDType = bpdBedrag;
    regel.Bedrag = 99;
    EXPECT_DOUBLE_EQ(regel.Bereken(), -200); // column 8 by default
}

TEST_F(KolomregelsTest, BasisIsTheNamedColumnOrTheGrossWageAndARemovedColumnFails)
{
    TBrutoloonKolomRegel& bruto = Regel<TBrutoloonKolomRegel>(3, rtBrutoloon);
    bruto.ResultaatBedrag = 3000;
    ZetTotaal(5, 400);
    auto& regel = Regel<TPremieKolomRegel>(7, rtPremie);
    regel.Percentage = 10;
    EXPECT_DOUBLE_EQ(regel.Bereken(), 300); // no column: the gross wage
    regel.GrondslagKolom = 5;
    EXPECT_DOUBLE_EQ(regel.Bereken(), 40);
    regel.GrondslagKolom = 6;
    EXPECT_EQ(FoutVan(regel), "Kolom 6 is vervallen. Deze mag niet meer in afwijkende grondslagen en sociale "
                              "fondsen gebruikt worden.");
}

TEST_F(KolomregelsTest, PensionBasisIncludesHolidayPayAndIPMayKeepTheWholeFranchise)
{
    ZetTotaal(8, 1000);
    heffing_.Deeltijdpercentage = 50;
    heffing_.PercentageVakantiegeld = 8;
    heffing_.InclusiefVakantie = true;
    auto& pensioen = Regel<TPensioenPremieWNKolomRegel>(7, rtPensioenPremieWN);
    pensioen.GrondslagKolom = 8;
    pensioen.Franchise = 200;
    pensioen.Percentage = 10;
    EXPECT_DOUBLE_EQ(pensioen.Bereken(), (1080 - 100) * 10 / 100.0);

    auto& ip = Regel<TIPPremieWNKolomRegel>(7, rtIPPremieWN);
    ip.GrondslagKolom = 8;
    ip.Franchise = 200;
    ip.Percentage = 10;
    EXPECT_DOUBLE_EQ(ip.Bereken(), (1080 - 100) * 10 / 100.0);
    heffing_.SetIPzonderDeeltijd(true);
    EXPECT_DOUBLE_EQ(ip.Bereken(), (1080 - 200) * 10 / 100.0);
    EXPECT_DOUBLE_EQ(pensioen.Bereken(), (1080 - 100) * 10 / 100.0); // only IP lines
}

TEST_F(KolomregelsTest, AwfPremiumIsCappedAtTheMonthlyMaximumAndReportedAsZero)
{
    const double maximum = Maxima()[ltMaand - 1];
    ASSERT_DOUBLE_EQ(maximum, 4769.33);
    heffing_.VerzekerdWW = true;
    ZetTotaal(8, 6000);
    auto& awf = Regel<TWWPremieAwfLaagKolomRegel>(0, rtWWPremieAwfLaag);
    awf.Percentage = 2.94;
    EXPECT_DOUBLE_EQ(awf.Bereken(), 0);
    // A premium is kept in whole cents: 4769.33 x 2.94% = 140.218302.
    EXPECT_DOUBLE_EQ(awf.ResultaatBedrag, 140.22);

    heffing_.SetVrijeBerekening(true); // a free calculation is not capped
    EXPECT_DOUBLE_EQ(awf.Bereken(), 0);
    EXPECT_NEAR(awf.ResultaatBedrag, 176.40, 1e-9);

    heffing_.VerzekerdWW = false;
    awf.Bereken();
    EXPECT_DOUBLE_EQ(awf.ResultaatBedrag, 0);
}

TEST_F(KolomregelsTest, EmployeeInsuranceFranchiseComesOffTheCappedBasis)
{
    heffing_.VerzekerdWAO = true;
    heffing_.Deeltijdpercentage = 50;
    ZetTotaal(8, 6000);
    auto& wao = Regel<TWAOPremieVastKolomRegel>(0, rtWAOPremieVast);
    wao.Percentage = 10;
    wao.Franchise = 1000;
    wao.Bereken();
    EXPECT_DOUBLE_EQ(wao.ResultaatBedrag, RondAfOpCenten((Maxima()[ltMaand - 1] - 500) * 10 / 100));
    wao.Franchise = 20000; // above the capped basis
    wao.Bereken();
    EXPECT_DOUBLE_EQ(wao.ResultaatBedrag, 0);
}

TEST_F(KolomregelsTest, DayTableMaximumIsTheDailyMaximumTimesTheWageDays)
{
    heffing_.SetDagTabelToepassen(true);
    heffing_.SetDagTabelDagen(3);
    heffing_.VerzekerdZfw = true;
    ZetTotaal(8, 100000);
    ZetTotaal(12, 100000);
    auto& whk = Regel<TWhkPremieKolomRegel>(0, rtWhkPremie);
    whk.Percentage = 1;
    EXPECT_DOUBLE_EQ(whk.Bereken(), RondAfOpCenten(3 * Maxima()[ltDag - 1] / 100));
    auto& zvw = Regel<TZfwPremieWNKolomRegel>(16, rtZfwPremieWN);
    zvw.Percentage = 1;
    zvw.Bereken();
    EXPECT_DOUBLE_EQ(zvw.ResultaatBedrag, RondAfOpCenten(3 * Maxima()[5 + ltDag - 1] / 100));
}

TEST_F(KolomregelsTest, ZvwBasisIsColumn12CappedAtTheZvwMaximum)
{
    const double maximum = Maxima()[5 + ltMaand - 1];
    ZetTotaal(3, 1000);
    ZetTotaal(12, 100000);
    auto& werkgever = Regel<TZfwPremieWGKolomRegel>(13, rtZfwPremieWG);
    werkgever.GrondslagKolom = 3; // ignored: always column 12
    werkgever.Percentage = 6.7;
    // The employer's contribution is due without the insurance test.
    EXPECT_DOUBLE_EQ(werkgever.Bereken(), RondAfOpCenten(maximum * 6.7 / 100));

    ZetTotaal(12, 1000);
    EXPECT_DOUBLE_EQ(werkgever.Bereken(), 67);
    heffing_.SetVrijeBerekening(true);
    ZetTotaal(12, 100000);
    EXPECT_DOUBLE_EQ(werkgever.Bereken(), 6700);
}

TEST_F(KolomregelsTest, DeviatingBasisIsCappedEvenInAFreeCalculation)
{
    heffing_.VerzekerdWW = true;
    heffing_.SetVrijeBerekening(true);
    heffing_.FormuleWW = "10000";
    heffing_.FormuleZfw = "100000";
    ZetTotaal(8, 1000);
    ZetTotaal(12, 1000);
    auto& awf = Regel<TWWPremieAwfHoogKolomRegel>(0, rtWWPremieAwfHoog);
    awf.Percentage = 10;
    awf.Bereken();
    EXPECT_DOUBLE_EQ(awf.ResultaatBedrag, RondAfOpCenten(Maxima()[ltMaand - 1] / 10));
    auto& zvw = Regel<TZfwPremieWGKolomRegel>(13, rtZfwPremieWG);
    zvw.Percentage = 10;
    EXPECT_DOUBLE_EQ(zvw.Bereken(), RondAfOpCenten(Maxima()[5 + ltMaand - 1] / 10));
}

TEST_F(KolomregelsTest, EmployerPartsKeepTheirAmountButAddNothingToTheColumn)
{
    heffing_.VerzekerdWW = true;
    heffing_.VerzekerdWAO = true;
    heffing_.VerzekerdZfw = true;
    ZetTotaal(8, 1000);
    ZetTotaal(12, 1000);
    struct Case {
        int kolom;
        int regeltype;
        bool meldtBedrag;
    };
    const Case cases[] = {
        {7, rtPensioenPremieWG, false}, {7, rtVUTFPUPremieWG, false}, {7, rtIPPremieWG, false},
        {16, rtZfwPremieWN, false},     {0, rtWWPremieAwfLaag, false}, {0, rtWWPremieAwfHoog, false},
        {0, rtWAOPremieVast, false},    {7, rtPensioenPremieWN, true}, {7, rtVUTFPUPremieWN, true},
        {7, rtIPPremieWN, true},        {0, rtWhkPremie, true},        {13, rtZfwPremieWG, true},
        {0, rtPremie, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regeltype);
        auto& regel = Regel<TCustomPremieKolomRegel>(c.kolom, c.regeltype);
        regel.GrondslagKolom = 8;
        regel.Percentage = 10;
        EXPECT_DOUBLE_EQ(regel.Bereken(), c.meldtBedrag ? 100 : 0);
        EXPECT_DOUBLE_EQ(regel.ResultaatBedrag, 100);
    }
}

TEST_F(KolomregelsTest, DeductionCountsNegativeWhileItsAmountStaysPositive)
{
    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding);
    inhouding.Vergoeding = false;
    inhouding.BPDType = bpdBedrag;
    inhouding.Bedrag = 50;
    for (int keer = 0; keer < 2; ++keer) { // a second run gives the same
        EXPECT_DOUBLE_EQ(inhouding.Bereken(), -50);
        EXPECT_DOUBLE_EQ(inhouding.ResultaatBedrag, -50);
        EXPECT_DOUBLE_EQ(inhouding.Bedrag, 50);
    }

    ZetTotaal(8, 1000);
    auto& vergoeding = Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding);
    vergoeding.GrondslagKolom = 8;
    vergoeding.Percentage = 10;
    EXPECT_DOUBLE_EQ(vergoeding.Bereken(), 100);
    EXPECT_DOUBLE_EQ(vergoeding.Bedrag, 100); // the computed amount is kept

    auto& reiskosten = Regel<TVergoedingReiskostenKolomRegel>(18, rtVergoedingReiskosten);
    reiskosten.Bedrag = 30;
    EXPECT_DOUBLE_EQ(reiskosten.Bereken(), 30);
}

TEST_F(KolomregelsTest, SocialFundTurnsAnnualAmountsIntoThePeriodsShare)
{
    auto& fonds = Regel<TSociaalFondsWN>(16, rtSociaalFondsWN);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(false, 52000), 4334.00);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(true, 13000), 1083.50);

    ZetTotaal(8, 6000);
    fonds.GrondslagKolom = 8;
    fonds.JaarGrens = 52000;
    fonds.Franchise = 13000;
    fonds.Percentage = 2;
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 65.01); // (4334 - 1083.50) x 2 %
    fonds.JaarGrens = 0;                      // no annual limit: not capped
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 98.33); // (6000 - 1083.50) x 2 % = 98.33
    fonds.Franchise = 100000;
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 0);

    heffing_.SetSVDagen(0);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(false, 52000), 0);
}

TEST_F(KolomregelsTest, SocialFundPartTimeRules)
{
    heffing_.Deeltijdpercentage = 50;
    auto& fonds = Regel<TSociaalFondsWG>(16, rtSociaalFondsWG);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(false, 52000), 4334.00); // full participation
    fonds.Deelname = dnDeeltijd;
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(false, 52000), 2167.00);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(true, 13000), 541.75);

    // Part-time franchise: the standard days of the month, then the
    // part-time percentage, whatever the insured days and participation.
    fonds.Deelname = dnDeelname;
    heffing_.SFDeeltijd = true;
    heffing_.SetSVDagen(10);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(true, 13000), 541.75);
    EXPECT_DOUBLE_EQ(fonds.PeriodeDeel(false, 52000), 2000.00);
}

TEST_F(KolomregelsTest, SocialFundBasisAndParticipation)
{
    auto& loon = Regel<TBedragKolomRegel>(3, rtBedrag);
    loon.TbvSocialeFondsen = true;
    loon.ResultaatBedrag = 1000.004;
    Regel<TBedragKolomRegel>(3, rtBedrag).ResultaatBedrag = 500; // not marked
    ZetTotaal(3, 1500);
    Regel<TBrutoloonKolomRegel>(3, rtBrutoloon).ResultaatBedrag = 2000; // marked as well
    ZetTotaal(12, 4000);

    auto& fonds = Regel<TSociaalFondsWN>(16, rtSociaalFondsWN);
    fonds.Percentage = 10;
    struct Case {
        int grondslagKolom;
        double verwacht;
    };
    const Case cases[] = {{3, 300}, {12, 400}, {0, 200}, {-12, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grondslagKolom);
        fonds.GrondslagKolom = c.grondslagKolom;
        EXPECT_DOUBLE_EQ(fonds.Bereken(), c.verwacht);
    }

    fonds.GrondslagKolom = 9;
    EXPECT_EQ(FoutVan(fonds).substr(0, 21), "Kolom 9 is vervallen.");

    fonds.GrondslagKolom = 12;
    fonds.GrondslagActief = true;
    fonds.AfwijkendeGrondslagFormule = "1234.565";
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 123.46); // the formula's basis, rounded to cents

    fonds.Deelname = dnGeen;
    fonds.BPDType = bpdBedrag;
    fonds.Bedrag = 75;
    EXPECT_DOUBLE_EQ(fonds.Bereken(), 0);
    EXPECT_DOUBLE_EQ(fonds.ResultaatBedrag, 0);
}

TEST_F(KolomregelsTest, InactiveLinesYieldAndStoreZero)
{
    heffing_.VerzekerdWW = true;
    heffing_.VerzekerdWAO = true;
    heffing_.VerzekerdZfw = true;
    ZetTotaal(8, 1000);
    ZetTotaal(12, 1000);
    const struct {
        int kolom;
        int regeltype;
    } cases[] = {
        {3, rtBedrag},          {3, rtBrutoloon},       {7, rtPremie},          {0, rtPremieSVW},
        {7, rtPensioenPremieWN}, {7, rtPensioenPremieWG}, {16, rtZfwPremieWN},   {13, rtZfwPremieWG},
        {0, rtWWPremieAwfLaag}, {0, rtWhkPremie},       {18, rtVergoedingInhouding}, {16, rtSociaalFondsWN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.regeltype);
        TBaseKolomRegel& regel = Regel(c.kolom, c.regeltype);
        if (auto* bedrag = dynamic_cast<TCustomBedragKolomRegel*>(&regel))
            bedrag->Bedrag = 50;
        if (auto* bpd = dynamic_cast<TCustomBPDKolomRegel*>(&regel))
            bpd->Percentage = 10;
        regel.ResultaatBedrag = 99;
        regel.Actief = false;
        EXPECT_DOUBLE_EQ(regel.Bereken(), 0);
        EXPECT_DOUBLE_EQ(regel.ResultaatBedrag, 0);
    }
}

TEST_F(KolomregelsTest, ExchangesValuesWithTheScreen)
{
    struct Case {
        int regeltype;
        TKolomRegelValues invoer;
        TKolomRegelValues verwacht;
    };
    TKolomRegelValues volledig;
    volledig.Bedrag = 12.5;
    volledig.BPD = 7;
    volledig.Franchise = 100;
    volledig.GrondslagKolom = 12;
    volledig.InclusiefSociaalFonds = true;
    volledig.InclusiefVakantiegeld = true;
    volledig.Omschrijving = "Regel";
    volledig.Percentage = 3.5;
    volledig.TbvSocialeFondsen = true;
    volledig.TbvVakantiegeld = true;
    volledig.Inhouding = true;

    const auto met = [](TKolomRegelValues v, auto wijzig) {
        wijzig(v);
        return v;
    };
    TKolomRegelValues alleenOmschrijving;
    alleenOmschrijving.Omschrijving = "Regel";
    const TKolomRegelValues bedragregel = met(alleenOmschrijving, [](auto& v) {
        v.Bedrag = 12.5;
        v.TbvSocialeFondsen = true;
        v.TbvVakantiegeld = true;
    });
    const TKolomRegelValues premieregel = met(alleenOmschrijving, [](auto& v) {
        v.Bedrag = 12.5;
        v.BPD = bpdDerde;
        v.Franchise = 100;
        v.GrondslagKolom = 12;
        v.Percentage = 3.5;
    });
    const Case cases[] = {
        {rtWWPremieWG, volledig, alleenOmschrijving},
        {rtBedrag, volledig, bedragregel},
        {rtPremie, volledig, premieregel},
        {rtPremieEx, volledig, met(premieregel, [](auto& v) {
             v.TbvVakantiegeld = true;
             v.InclusiefVakantiegeld = true;
         })},
        {rtVergoedingInhouding, volledig, met(premieregel, [](auto& v) { v.Inhouding = true; })},
        {rtVergoedingInhouding, met(volledig, [](auto& v) { v.Inhouding = false; }), premieregel},
        {rtVergoedingReiskosten, volledig, premieregel},
        // A fund line takes only its amount: the description stays empty.
        {rtSociaalFondsWN, volledig, met(TKolomRegelValues{}, [](auto& v) { v.Bedrag = 12.5; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regeltype);
        TBaseKolomRegel& regel = Regel(3, c.regeltype);
        regel.SetValues(c.invoer);
        const TKolomRegelValues uit = regel.Values();
        const TKolomRegelValues& v = c.verwacht;
        EXPECT_EQ(uit.Bedrag, v.Bedrag);
        EXPECT_EQ(uit.BPD, v.BPD);
        EXPECT_EQ(uit.Tekst, "");
        EXPECT_EQ(uit.Franchise, v.Franchise);
        EXPECT_EQ(uit.GrondslagKolom, v.GrondslagKolom);
        EXPECT_EQ(uit.InclusiefSociaalFonds, v.InclusiefSociaalFonds);
        EXPECT_EQ(uit.InclusiefVakantiegeld, v.InclusiefVakantiegeld);
        EXPECT_EQ(uit.Omschrijving, v.Omschrijving);
        EXPECT_EQ(uit.Percentage, v.Percentage);
        EXPECT_EQ(uit.TbvSocialeFondsen, v.TbvSocialeFondsen);
        EXPECT_EQ(uit.Reserve, 0);
        EXPECT_EQ(uit.TbvVakantiegeld, v.TbvVakantiegeld);
        EXPECT_EQ(uit.Inhouding, v.Inhouding);
    }
}

TEST_F(KolomregelsTest, AmountsShownAreResultForAmountLinesAndEnteredAmountForDeductions)
{
    auto& premie = Regel<TPremieKolomRegel>(7, rtPremie);
    premie.Bedrag = 10;
    premie.ResultaatBedrag = 20;
    premie.BPDType = 5;
    premie.Omschrijving = std::string(70, 'x');
    EXPECT_EQ(premie.Values().Bedrag, 20);
    EXPECT_EQ(premie.Values().BPD, bpdDerde);
    EXPECT_EQ(premie.Values().Omschrijving, std::string(64, 'x'));
    // Cut by characters: 64 of "é" are 128 bytes, never half a character.
    std::string accenten;
    for (int i = 0; i < 70; ++i)
        accenten += "é";
    premie.Omschrijving = accenten;
    EXPECT_EQ(premie.Values().Omschrijving, accenten.substr(0, 128));

    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding);
    inhouding.Vergoeding = false;
    inhouding.Bedrag = 50;
    inhouding.ResultaatBedrag = -50;
    EXPECT_EQ(inhouding.Values().Bedrag, 50);
}

namespace {

// Stored lines with every column a line reads, and a table without the
// franchise column.
class KolomregelsLadenTest : public KolomregelsTest {
protected:
    void SetUp() override
    {
        KolomregelsTest::SetUp();
        const std::string file = folder_.File("regels.db");
        test::CreateDatabase(file, R"(
            CREATE TABLE Regels (Nr INTEGER, Kolomnummer INTEGER, Looncomponentnummer INTEGER,
                OmschrijvingLC VARCHAR(50), ResultaatBedrag DOUBLE, Bedrag DOUBLE,
                TbvSocialeFondsen BOOLEAN, TbvVakantieGeld BOOLEAN, BPDType INTEGER, Percentage DOUBLE,
                GrondslagKolom INTEGER, KolomType INTEGER, Franchise DOUBLE, Vergoeding BOOLEAN,
                Fondsnummer INTEGER, JaarGrens DOUBLE, Deelname INTEGER, GrondslagActief BOOLEAN,
                AfwijkendeGrondslag VARCHAR(255));
            INSERT INTO Regels VALUES
                (1, 7, 21, 'Pensioen', 55.5, 12.25, 1, 1, 2, 4.5, 12, 0, 300, 0, 0, 0, 0, 0, NULL),
                (2, -12, 40, 'Fonds', 7.25, 0, 0, 0, 1, 1.5, 14, 1, 1000, 0, 6, 52000, 2, 1,
                 '[Brutoloon]*2');
            CREATE TABLE ZonderFranchise (Kolomnummer INTEGER, Looncomponentnummer INTEGER,
                ResultaatBedrag DOUBLE, Bedrag DOUBLE, TbvSocialeFondsen BOOLEAN, TbvVakantieGeld BOOLEAN,
                BPDType INTEGER, Percentage DOUBLE, GrondslagKolom INTEGER, KolomType INTEGER);
            INSERT INTO ZonderFranchise VALUES (3, 5, 0, 100, 1, 0, 1, 0, 0, 1);
        )");
        connection_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file);
        connection_.Open();
    }

    test::TempFolder folder_;
    db::Connection connection_;
};

} // namespace

TEST_F(KolomregelsLadenTest, LoadsEveryColumnItsClassReads)
{
    db::Query rij(connection_, "SELECT * FROM Regels WHERE Nr = 1");
    rij.Open();
    auto& ex = Regel<TPremieKolomRegelEx>(7, rtPremieEx);
    ex.LoadFromDataSet(rij);
    EXPECT_EQ(ex.Kolomnummer, 7);
    EXPECT_EQ(ex.Looncomponentnummer, 21);
    EXPECT_EQ(ex.Omschrijving, "Pensioen");
    EXPECT_DOUBLE_EQ(ex.ResultaatBedrag, 55.5);
    EXPECT_DOUBLE_EQ(ex.Bedrag, 12.25);
    EXPECT_EQ(ex.BPDType, bpdDerde);
    EXPECT_DOUBLE_EQ(ex.Percentage, 4.5);
    EXPECT_EQ(ex.GrondslagKolom, 12);
    EXPECT_EQ(ex.KolomType, 0);
    EXPECT_DOUBLE_EQ(ex.Franchise, 300);
    EXPECT_TRUE(ex.TbvVakantiegeld);
    EXPECT_FALSE(ex.TbvSocialeFondsen); // a premium line reads only its holiday-pay mark

    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding);
    inhouding.LoadFromDataSet(rij);
    EXPECT_FALSE(inhouding.Vergoeding);
    auto& reiskosten = Regel<TVergoedingReiskostenKolomRegel>(18, rtVergoedingReiskosten);
    reiskosten.LoadFromDataSet(rij);
    EXPECT_TRUE(reiskosten.Vergoeding); // not a stored column of travel costs
    EXPECT_EQ(reiskosten.BPDType, bpdDerde);

    db::Query fondsrij(connection_, "SELECT * FROM Regels WHERE Nr = 2");
    fondsrij.Open();
    auto& fonds = Regel<TSociaalFondsWG>(12, rtSociaalFondsWG);
    fonds.LoadFromDataSet(fondsrij);
    EXPECT_EQ(fonds.Kolomnummer, -12);
    EXPECT_EQ(fonds.Fondsnummer, 6);
    EXPECT_DOUBLE_EQ(fonds.JaarGrens, 52000);
    EXPECT_EQ(fonds.Deelname, dnDeeltijd);
    EXPECT_TRUE(fonds.GrondslagActief);
    EXPECT_EQ(fonds.AfwijkendeGrondslagFormule, "[Brutoloon]*2");
    EXPECT_DOUBLE_EQ(fonds.Franchise, 1000);
    EXPECT_DOUBLE_EQ(fonds.Percentage, 1.5);
}

TEST_F(KolomregelsLadenTest, AMissingColumnFailsOnlyForTheClassThatReadsIt)
{
    db::Query rij(connection_, "SELECT * FROM ZonderFranchise");
    rij.Open();
    auto& bedrag = Regel<TBedragKolomRegel>(3, rtBedrag);
    bedrag.LoadFromDataSet(rij); // no description column either: that one is optional
    EXPECT_DOUBLE_EQ(bedrag.Bedrag, 100);
    EXPECT_TRUE(bedrag.TbvSocialeFondsen);
    EXPECT_EQ(bedrag.Omschrijving, "");

    auto& premie = Regel<TPremieKolomRegel>(3, rtPremie);
    try {
        premie.LoadFromDataSet(rij);
        FAIL() << "loaded without a franchise column";
    } catch (const db::DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Het veld Franchise ontbreekt");
    }
}

TEST_F(KolomregelsTest, MakesTheLineOfTheClassATypeSelects)
{
    struct Case {
        int code;
        std::type_index klasse;
        int regeltype;
    };
    const Case cases[] = {
        {0, typeid(TPremieKolomRegel), 32},
        {1, typeid(TBedragKolomRegel), 1},
        {3, typeid(TBrutoloonKolomRegel), 3},
        {9, typeid(TNaturaKolomRegel), 9},
        {10, typeid(TBijtellingAutoKolomRegel), 10},
        {11, typeid(TBijdrageAutoKolomRegel), 11},
        {12, typeid(TLevensloopWGKolomRegel), 12},
        {13, typeid(THogereZvwKolomRegel), 13},
        {32, typeid(TPremieKolomRegel), 32},
        {50, typeid(TBijtellingFietsKolomRegel), 50},
        {51, typeid(TBijdrageFietsKolomRegel), 51},
        {64, typeid(TPremieSVWKolomRegel), 64},
        {128, typeid(TPensioenPremieWNKolomRegel), 128},
        {256, typeid(TVUTFPUPremieWNKolomRegel), 256},
        {512, typeid(TPensioenPremieWGKolomRegel), 512},
        {1024, typeid(TVUTFPUPremieWGKolomRegel), 1024},
        {1025, typeid(TIPPremieWNKolomRegel), 1025},
        {1026, typeid(TIPPremieWGKolomRegel), 1026},
        {2048, typeid(TPremieKolomRegelEx), 2048},
        {2051, typeid(TLoonLBPHKolomRegel), 2051},
        {4098, typeid(TOpnameLevensloopKolomRegel), 4098},
        {4099, typeid(TLevensloopWNKolomRegel), 4099},
        {8192, typeid(TZfwPremieWNKolomRegel), 8192},
        {16384, typeid(TZfwPremieWGKolomRegel), 16384},
        {262144, typeid(TBasisKolomRegel), 0},
        {262145, typeid(TWWPremieAwfLaagKolomRegel), 262145},
        {262146, typeid(TWWPremieAwfHoogKolomRegel), 262146},
        {524288, typeid(TBasisKolomRegel), 0},
        {524289, typeid(TWAOPremieVastKolomRegel), 524289},
        {524291, typeid(TWhkPremieKolomRegel), 524291},
        {1048576, typeid(TVergoedingInhoudingKolomRegel), 1048576},
        {2097152, typeid(TVergoedingReiskostenKolomRegel), 2097152},
        {10000001, typeid(TWhkVerhalingOpWerknemerKolomRegel), 10000001},
        {16777216, typeid(TSociaalFondsWN), 16777216},
        {33554432, typeid(TSociaalFondsWG), 33554432},
        {2, typeid(TBasisKolomRegel), 0},
        {-1, typeid(TBasisKolomRegel), 0},
    };
    TCustomKolom& kolom = heffing_.Kolommen().Kolom(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const auto gemaakt = MaakKolomRegel(c.code, &kolom);
        const TBaseKolomRegel& regel = *gemaakt;
        EXPECT_EQ(std::type_index(typeid(regel)), c.klasse);
        EXPECT_EQ(regel.Regeltype, c.regeltype);
        EXPECT_EQ(regel.Kolom, &kolom);
        EXPECT_EQ(regel.Kolomnummer, 5);
    }
}

TEST_F(KolomregelsTest, CreatedLinesStartWithTheirDefaults)
{
    auto& bruto = Regel<TBrutoloonKolomRegel>(3, rtBrutoloon);
    EXPECT_TRUE(bruto.TbvSocialeFondsen);
    EXPECT_TRUE(bruto.TbvVakantiegeld);
    auto& reiskosten = Regel<TVergoedingReiskostenKolomRegel>(18, rtVergoedingReiskosten);
    EXPECT_TRUE(reiskosten.Vergoeding);
    EXPECT_EQ(reiskosten.BPDType, bpdBedrag);
    auto& fonds = Regel<TSociaalFondsWN>(16, rtSociaalFondsWN);
    EXPECT_EQ(fonds.Deelname, dnDeelname);
    EXPECT_EQ(fonds.BPDType, bpdPercentage);
    EXPECT_EQ(fonds.KolomType, 1);
    EXPECT_TRUE(Regel<TVergoedingInhoudingKolomRegel>(18, rtVergoedingInhouding).Vergoeding);
    EXPECT_FALSE(Regel<TBedragKolomRegel>(3, rtBedrag).TbvSocialeFondsen);
    // A basis line never yields an amount, whatever it loaded.
    TBaseKolomRegel& basis = Regel(0, rtWWPremieWG);
    basis.ResultaatBedrag = 99;
    EXPECT_DOUBLE_EQ(basis.Bereken(), 0);
    EXPECT_DOUBLE_EQ(basis.ResultaatBedrag, 0);
}

TEST(KolomregelsMaximum, AwfPremiumOverAMaximumOf4800)
{
    // The same premium with a monthly maximum of 4800, from a copy of the
    // constants database.
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "UPDATE LoontijdvakBedragen SET MaandMaxWWWAO = 4800");
    const auto constanten = test::GeladenConstanten(map.Path(), EncodeDate(2020, 3, 1));

    TVasteHeffingsgegevens heffing;
    heffing.SetConstanten(&constanten->GetConstanten());
    heffing.VerzekerdWW = true;
    heffing.Kolommen().Kolom(8).Totaal = 6000;
    TCustomKolom& kolom0 = heffing.Kolommen().Kolom(0);
    auto& awf = dynamic_cast<TWWPremieAwfLaagKolomRegel&>(kolom0.GetRegel(kolom0.AddRegel(rtWWPremieAwfLaag)));
    awf.Percentage = 2.94;
    EXPECT_EQ(awf.Bereken(), 0);
    EXPECT_DOUBLE_EQ(awf.ResultaatBedrag, 141.12);
    heffing.SetVrijeBerekening(true);
    EXPECT_EQ(awf.Bereken(), 0);
    EXPECT_DOUBLE_EQ(awf.ResultaatBedrag, 176.40);
}
