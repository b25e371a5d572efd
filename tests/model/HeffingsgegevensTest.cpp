#include "common/DataFolder.h"
#include "common/DateTime.h"
#include "common/Exception.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"
#include "model/Symbolen.h"
#include "support/TempFolder.h"

#include "support/Constanten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace vkt;

namespace {

using test::Constanten;

template <typename T = TBaseKolomRegel>
T& NieuweRegel(THeffingsgegevens& heffing, int kolomnummer, int regeltype)
{
    TCustomKolom& kolom = heffing.Kolommen().Kolom(kolomnummer);
    return dynamic_cast<T&>(kolom.GetRegel(kolom.AddRegel(regeltype)));
}

double Nettoloon(const THeffingsgegevens& heffing) { return heffing.Kolommen().Kolom(19).Totaal; }

// Every formula its own constant, so that the value tells which one a line got.
void ZetGenummerdeFormules(THeffingsgegevens& heffing)
{
    heffing.FormulePensioen = "1";
    heffing.FormuleVUTFPU = "2";
    heffing.FormuleBelVrijVergoeding = "3";
    heffing.FormuleBelVrijInhouding = "4";
    heffing.FormuleWW = "5";
    heffing.FormuleWAO = "6";
    heffing.FormuleWhk = "7";
    heffing.FormuleZfw = "8";
    heffing.FormuleIP = "9";
}

} // namespace

TEST(Heffingsgegevens, DefaultsWithoutAStoredRecordFollowThePayPeriod)
{
    const struct {
        int loontijdvak;
        double svDagen;
    } cases[] = {{ltKwartaal, 65}, {ltMaand, 21.67}, {lt4Weken, 20}, {ltWeek, 5}, {ltDag, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loontijdvak);
        TEenmaligeHeffingsgegevens heffing;
        heffing.Loontijdvak = c.loontijdvak;
        heffing.SetDagTabelDagen(4);
        heffing.SetDagTabelToepassen(true);
        heffing.AwfPremieType = AwfPremieHoog;
        heffing.ZetStandaardwaarden();
        EXPECT_DOUBLE_EQ(heffing.SVDagen, c.svDagen);
        EXPECT_EQ(heffing.DagTabelDagen, 0);
        EXPECT_EQ(heffing.AwfPremieType, "L");
        EXPECT_FALSE(heffing.DagTabelToepassen);
    }
}

TEST(Heffingsgegevens, DayTableFactorOnlyForTheDayPeriodWithWageDays)
{
    const struct {
        bool toepassen;
        double dagen;
        int loontijdvak;
        double factor;
    } cases[] = {
        {true, 3, ltDag, 3},
        {true, 0, ltDag, 1}, // no wage days: 1, even though the day table applies
        {false, 3, ltDag, 1},
        {true, 3, ltMaand, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.toepassen << " " << c.dagen << " " << c.loontijdvak);
        TEenmaligeHeffingsgegevens heffing;
        heffing.SetDagTabelToepassen(c.toepassen);
        heffing.SetDagTabelDagen(c.dagen);
        EXPECT_EQ(heffing.DagTabelFactor(c.loontijdvak), c.factor);
    }
}

TEST(Heffingsgegevens, OnlyAOneOffCalculationSwitchesToTheDayTable)
{
    TVasteHeffingsgegevens vast;
    TEenmaligeHeffingsgegevens eenmalig;
    for (THeffingsgegevens* heffing : {static_cast<THeffingsgegevens*>(&vast), static_cast<THeffingsgegevens*>(&eenmalig)}) {
        heffing->Loontijdvak = ltMaand;
        heffing->SetDagTabelToepassen(true);
        heffing->SetDagTabelDagen(6);
    }
    EXPECT_EQ(vast.TabelLoontijdvak(), ltMaand);
    EXPECT_EQ(vast.KortingsDagFactor(), 1);
    EXPECT_EQ(eenmalig.TabelLoontijdvak(), ltDag);
    EXPECT_EQ(eenmalig.KortingsDagFactor(), 6);
    eenmalig.SetDagTabelToepassen(false);
    EXPECT_EQ(eenmalig.TabelLoontijdvak(), ltMaand);
    EXPECT_EQ(eenmalig.KortingsDagFactor(), 1);
}

TEST(Heffingsgegevens, SpecialRewardNeverHasInsuredDays)
{
    TBijzondereHeffingsgegevens bijzonder;
    bijzonder.SetSVDagen(21.67);
    EXPECT_EQ(bijzonder.SVDagen, 0);
    bijzonder.ZetStandaardwaarden();
    EXPECT_EQ(bijzonder.SVDagen, 0);
    TVasteHeffingsgegevens vast;
    vast.SetSVDagen(21.67);
    bijzonder.Assign(vast);
    EXPECT_EQ(bijzonder.SVDagen, 0);
}

TEST(Heffingsgegevens, InsuredDaysOfASocialFund)
{
    TVasteHeffingsgegevens vast;
    TBijzondereHeffingsgegevens bijzonder;
    vast.SetSVDagen(21.67);
    const auto& fondsWN = NieuweRegel(vast, 16, rtSociaalFondsWN);
    const auto& fondsWG = NieuweRegel(vast, 0, rtSociaalFondsWG);
    const auto& premie = NieuweRegel(vast, 0, rtPremie);

    EXPECT_DOUBLE_EQ(vast.SVDagenFonds(&fondsWN), 21.67);
    EXPECT_DOUBLE_EQ(vast.SVDagenFonds(nullptr), 21.67);
    for (int soort : {wsBinnenlandseArtiest, wsBuitenlandseArtiest, wsArtiestAlsBinnenlands}) {
        vast.Werknemersoort = soort;
        EXPECT_EQ(vast.SVDagenFonds(&fondsWN), 260);
        EXPECT_EQ(vast.SVDagenFonds(&fondsWG), 260);
        EXPECT_DOUBLE_EQ(vast.SVDagenFonds(&premie), 21.67);
        EXPECT_DOUBLE_EQ(vast.SVDagenFonds(nullptr), 21.67);
    }
    // A special reward pays the employee's part over a whole year, the employer's not at all.
    EXPECT_EQ(bijzonder.SVDagenFonds(&fondsWN), 260);
    EXPECT_EQ(bijzonder.SVDagenFonds(&fondsWG), 0);
    EXPECT_EQ(bijzonder.SVDagenFonds(nullptr), 0);
}

TEST(Heffingsgegevens, EachLineClassGetsItsOwnFormula)
{
    TVasteHeffingsgegevens heffing;
    ZetGenummerdeFormules(heffing);
    const struct {
        int kolom;
        int regeltype;
        double waarde; // -99999: the class has no formula
    } cases[] = {
        {7, rtPensioenPremieWN, 1},     {7, rtPensioenPremieWG, 1},     {7, rtVUTFPUPremieWN, 2},
        {7, rtVUTFPUPremieWG, 2},       {0, rtWWPremieAwfLaag, 5},      {0, rtWWPremieAwfHoog, 5},
        {0, rtWAOPremieVast, 6},        {0, rtWhkPremie, 7},            {18, rtWhkVerhalingOpWerknemer, 7},
        {16, rtZfwPremieWN, 8},         {0, rtZfwPremieWG, 8},          {7, rtIPPremieWN, 9},
        {7, rtIPPremieWG, 9},           {18, rtVergoedingInhouding, 3}, {18, rtVergoedingReiskosten, -99999},
        {3, rtBrutoloon, -99999},       {0, rtPremie, -99999},          {0, rtPremieSVW, -99999},
        {0, rtLevensloopWG, -99999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.regeltype);
        const TBaseKolomRegel& regel = NieuweRegel(heffing, c.kolom, c.regeltype);
        EXPECT_EQ(heffing.AfwijkendeGrondslag(regel), c.waarde);
        EXPECT_EQ(heffing.HeeftAfwijkendeGrondslag(regel), c.waarde != -99999);
    }

    auto& inhouding = NieuweRegel<TVergoedingInhoudingKolomRegel>(heffing, 18, rtVergoedingInhouding);
    inhouding.Vergoeding = false;
    EXPECT_EQ(heffing.AfwijkendeGrondslag(inhouding), 4);

    // Without formulas no line has a deviating basis.
    TVasteHeffingsgegevens leeg;
    EXPECT_FALSE(leeg.HeeftAfwijkendeGrondslag(NieuweRegel(leeg, 7, rtPensioenPremieWN)));
}

TEST(Heffingsgegevens, SocialFundUsesItsOwnFormulaWhenItsFlagSaysSo)
{
    TVasteHeffingsgegevens heffing;
    ZetGenummerdeFormules(heffing);
    auto& fonds = NieuweRegel<TSociaalFondsWG>(heffing, 0, rtSociaalFondsWG);
    fonds.AfwijkendeGrondslagFormule = "10";
    EXPECT_FALSE(heffing.HeeftAfwijkendeGrondslag(fonds));
    EXPECT_EQ(heffing.AfwijkendeGrondslag(fonds), 10);
    fonds.GrondslagActief = true;
    EXPECT_TRUE(heffing.HeeftAfwijkendeGrondslag(fonds));
}

TEST(Heffingsgegevens, FormulaReadsThisCalculationAndLeavesNoColumnSetRegistered)
{
    TVasteHeffingsgegevens heffing;
    heffing.FormulePensioen = "[Loonh.loon]/2";
    heffing.Kolommen().Kolom(14).Totaal = 3000;
    const TBaseKolomRegel& pensioen = NieuweRegel(heffing, 7, rtPensioenPremieWN);
    const double nietGeregistreerd = -999999;

    EXPECT_EQ(heffing.AfwijkendeGrondslag(pensioen), 1500);
    EXPECT_EQ(SymbolenTabel()[6].Value(), nietGeregistreerd);

    heffing.FormulePensioen = "[Onbekend]";
    EXPECT_THROW(heffing.AfwijkendeGrondslag(pensioen), Exception);
    EXPECT_EQ(SymbolenTabel()[6].Value(), nietGeregistreerd);

    heffing.FormulePensioen = "[Loonh.loon]/0"; // division by zero yields 0
    EXPECT_EQ(heffing.AfwijkendeGrondslag(pensioen), 0);
}

TEST(Heffingsgegevens, InsuranceFlagsBelongToTheirPremiumFamilies)
{
    const struct {
        int kolom;
        int regeltype;
        char verzekering; // 'Z' Zvw, 'W' WW, 'A' WAO, '-' always insured
    } cases[] = {
        {16, rtZfwPremieWN, 'Z'},     {0, rtZfwPremieWG, 'Z'}, {0, rtWWPremieAwfLaag, 'W'},
        {0, rtWWPremieAwfHoog, 'W'},  {0, rtWAOPremieVast, 'A'}, {0, rtWhkPremie, '-'},
        {7, rtPensioenPremieWN, '-'}, {3, rtBrutoloon, '-'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.regeltype);
        for (const char verzekerd : {'Z', 'W', 'A'}) {
            TVasteHeffingsgegevens heffing;
            heffing.VerzekerdZfw = verzekerd == 'Z';
            heffing.VerzekerdWW = verzekerd == 'W';
            heffing.VerzekerdWAO = verzekerd == 'A';
            const TBaseKolomRegel& regel = NieuweRegel(heffing, c.kolom, c.regeltype);
            EXPECT_EQ(heffing.IsVerzekerd(regel), c.verzekering == '-' || c.verzekering == verzekerd);
        }
    }
}

TEST(Heffingsgegevens, ComputesUntilTheNetWageIsStableButAtMostFifteenTimes)
{
    // A tax-free allowance whose basis reads the net wage of the previous pass.
    const struct {
        const char* formule;
        double nettoloon;
    } cases[] = {
        {"[Nettoloon]+1", 15},       // grows by 1 each pass: the count of passes
        {"([Nettoloon]+1)|0|5", 5},  // grows to 5, then settles
        {"[Nettoloon]*0+250", 250},  // stable from the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formule);
        TVasteHeffingsgegevens heffing;
        heffing.SetConstanten(&Constanten());
        heffing.FormuleBelVrijVergoeding = c.formule;
        NieuweRegel<TVergoedingInhoudingKolomRegel>(heffing, 18, rtVergoedingInhouding).Percentage = 100;
        heffing.Bereken();
        EXPECT_EQ(Nettoloon(heffing), c.nettoloon);
    }
}

TEST(Heffingsgegevens, AssignCopiesTheCalculationButNotTheIdentityOrTheDate)
{
    TVasteHeffingsgegevens bron;
    bron.Werkgeversnummer = 2;
    bron.Werknemersnummer = 7;
    bron.Werknemersoort = wsBuitenlandseArtiest;
    bron.Loontijdvak = ltWeek;
    bron.Deeltijdpercentage = 60;
    bron.VerzekerdZfw = true;
    bron.VerzekerdWW = true;
    bron.VerzekerdWAO = true;
    bron.Tabelkleur = tkGroen;
    bron.LoonbelastingtabelVoorInwoner = igBelgie;
    bron.Geboortedatum = EncodeDate(1970, 2, 3);
    bron.CodeLoonheffingskorting = true;
    bron.SetDagTabelDagen(3);
    bron.SetSVDagen(5);
    bron.AwfPremieType = AwfPremieHoog;
    ZetGenummerdeFormules(bron);
    bron.ToegepasteArbeidskorting = 11;
    bron.JaarloonVorigJaar = 40000;
    bron.ArtiestAftrekPercentage = 12;
    bron.ArtiestAftrekDatum = EncodeDate(2020, 2, 1);
    bron.ArtiestAftrekBPType = 0;
    bron.ArtiestAftrekBedrag = 300;
    bron.PercentageVakantiegeld = 8;
    bron.PremieZfwWG = 6.7;
    bron.PremieZfwWN = 5.45;
    bron.PremieWAOVast = 6.77;
    bron.PremieWhk = 1.28;
    bron.PremieAwfLaag = 2.94;
    bron.PremieAwfHoog = 7.94;
    bron.InclusiefVakantie = true;
    bron.SetVrijeBerekening(true);
    bron.SetVastPercentageLoonheffing(20);
    bron.SetIPzonderDeeltijd(true);
    bron.SFDeeltijd = true;
    bron.SetZonderSVDagen(true);
    // Not copied:
    bron.Sofinummer = "123456782";
    bron.Vastloon = 3000;
    bron.SetBerekeningsDatum(EncodeDate(2020, 3, 1));
    bron.SetConstanten(&Constanten());
    bron.SetGeenHeffingsrecord(true);
    auto& brutoloon = NieuweRegel<TBrutoloonKolomRegel>(bron, 3, rtBrutoloon);
    brutoloon.Looncomponentnummer = 1;
    brutoloon.Bedrag = 3000;

    TVasteHeffingsgegevens doel;
    NieuweRegel(doel, 5, rtBedrag); // goes: the target's lines are replaced
    doel.Assign(bron);

    EXPECT_EQ(doel.Werkgeversnummer, 2);
    EXPECT_EQ(doel.Werknemersnummer, 7);
    EXPECT_EQ(doel.Werknemersoort, wsBuitenlandseArtiest);
    EXPECT_EQ(doel.Loontijdvak, ltWeek);
    EXPECT_EQ(doel.Deeltijdpercentage, 60);
    EXPECT_TRUE(doel.VerzekerdZfw && doel.VerzekerdWW && doel.VerzekerdWAO);
    EXPECT_EQ(doel.Tabelkleur, tkGroen);
    EXPECT_EQ(doel.LoonbelastingtabelVoorInwoner, igBelgie);
    EXPECT_EQ(doel.Geboortedatum, EncodeDate(1970, 2, 3));
    EXPECT_TRUE(doel.CodeLoonheffingskorting);
    EXPECT_EQ(doel.DagTabelDagen, 3);
    EXPECT_EQ(doel.SVDagen, 5);
    EXPECT_EQ(doel.AwfPremieType, "H");
    EXPECT_EQ(doel.FormulePensioen + doel.FormuleVUTFPU + doel.FormuleBelVrijVergoeding + doel.FormuleBelVrijInhouding +
                  doel.FormuleWW + doel.FormuleWAO + doel.FormuleWhk + doel.FormuleZfw + doel.FormuleIP,
              "123456789");
    EXPECT_EQ(doel.ToegepasteArbeidskorting, 11);
    EXPECT_EQ(doel.JaarloonVorigJaar, 40000);
    EXPECT_EQ(doel.ArtiestAftrekPercentage, 12);
    EXPECT_EQ(doel.ArtiestAftrekDatum, EncodeDate(2020, 2, 1));
    EXPECT_EQ(doel.ArtiestAftrekBPType, 0);
    EXPECT_EQ(doel.ArtiestAftrekBedrag, 300);
    EXPECT_EQ(doel.PercentageVakantiegeld, 8);
    EXPECT_EQ(doel.PremieZfwWG, 6.7);
    EXPECT_EQ(doel.PremieZfwWN, 5.45);
    EXPECT_EQ(doel.PremieWAOVast, 6.77);
    EXPECT_EQ(doel.PremieWhk, 1.28);
    EXPECT_EQ(doel.PremieAwfLaag, 2.94);
    EXPECT_EQ(doel.PremieAwfHoog, 7.94);
    EXPECT_TRUE(doel.InclusiefVakantie);
    EXPECT_TRUE(doel.VrijeBerekening());
    EXPECT_EQ(doel.VastPercentageLoonheffing(), 20);
    EXPECT_TRUE(doel.IPzonderDeeltijd());
    EXPECT_TRUE(doel.SFDeeltijd);
    EXPECT_TRUE(doel.ZonderSVDagen());

    EXPECT_EQ(doel.Sofinummer, "TYDELYK01");
    EXPECT_EQ(doel.Vastloon, 0);
    EXPECT_EQ(doel.BerekeningsDatum, 0);
    EXPECT_EQ(doel.Constanten, nullptr);
    EXPECT_FALSE(doel.GeenHeffingsrecord);

    EXPECT_EQ(doel.Kolommen().Kolom(5).Count(), 0);
    ASSERT_EQ(doel.Kolommen().Kolom(3).Count(), 1);
    const auto& kopie = dynamic_cast<const TBrutoloonKolomRegel&>(doel.Kolommen().Kolom(3).GetRegel(0));
    EXPECT_EQ(kopie.Bedrag, 3000);
    EXPECT_EQ(kopie.Status, rsNieuw);
    EXPECT_EQ(bron.Kolommen().Kolom(3).Count(), 1);
}

TEST(Heffingsgegevens, AssignBetweenKindsCopiesWhatTheTargetKindKeeps)
{
    TEenmaligeHeffingsgegevens eenmaligeBron;
    eenmaligeBron.SetDagTabelToepassen(true);
    TVasteHeffingsgegevens vasteBron;
    vasteBron.SetDagTabelToepassen(true);
    vasteBron.AfwijkendPercentageLBPH = true;
    vasteBron.PercentageLBPH = 12;

    TEenmaligeHeffingsgegevens eenmalig;
    eenmalig.Assign(vasteBron);
    EXPECT_FALSE(eenmalig.DagTabelToepassen);
    eenmalig.Assign(eenmaligeBron);
    EXPECT_TRUE(eenmalig.DagTabelToepassen);

    TBijzondereHeffingsgegevens bijzonder;
    bijzonder.Assign(vasteBron);
    EXPECT_FALSE(bijzonder.AfwijkendPercentageLBPH);
    EXPECT_EQ(bijzonder.PercentageLBPH, 0);

    // From another special reward the percentage is the one its table gives:
    // under pension age, with credit, previous year 35000: 37.35 + 11.67.
    TBijzondereHeffingsgegevens bijzondereBron;
    bijzondereBron.SetConstanten(&Constanten());
    bijzondereBron.SetBerekeningsDatum(EncodeDate(2020, 3, 1));
    bijzondereBron.Geboortedatum = EncodeDate(1980, 1, 1);
    bijzondereBron.CodeLoonheffingskorting = true;
    bijzondereBron.JaarloonVorigJaar = 35000;
    bijzonder.Assign(bijzondereBron);
    EXPECT_FALSE(bijzonder.AfwijkendPercentageLBPH);
    EXPECT_NEAR(bijzonder.PercentageLBPH, 49.02, 1e-9);
}

namespace {

// A copy of the built employee database with one saved calculation (employee
// 5, with formulas), one without formulas (employee 6), and a pension premium
// and basis column for the employer's pension component.
class OpslagTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path bestand = map_.Path() / "Vkt2020.db";
        std::filesystem::copy_file(DataFolder() / "Vkt2020.db", bestand);
        verbinding_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + bestand.string() +
                                        ";Mode=Share Exclusive");
        verbinding_.Open();
        verbinding_.Execute(R"(
            INSERT INTO Werknemersgegevens (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, Naam,
                Sofinummer, WerknemerSoort, Geboortedatum, CodeLoonheffingskorting, Loontijdvak, Tabelkleur,
                LoonbelastingtabelVoorInwoner, Vastloon, Deeltijdpercentage, VerzekerdWW, VerzekerdWAO,
                VerzekerdZfw, JaarloonVorigJaar)
            VALUES (1, 5, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 'Jansen', '123456782', 3,
                '1960-05-17 00:00:00', 1, 4, 1, 3, 2750.5, 80, 1, 0, 1, 41000);
            INSERT INTO Heffingsgegevens (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum,
                Hersteldatum, DagTabelDagen, AwfPremieType, DagTabelToepassen, SVDagen, PercentageLBPH,
                AfwijkendPercentageLBPH)
            VALUES (1, 5, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 3, 'H', 1, 17.5, 33, 1),
                   (1, 6, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 2, 'L', 0, 4, 0, 0);
            INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum,
                FormulePensioen, FormuleWW, FormuleZfw, IngeschakeldPensioen, IngeschakeldWW, IngeschakeldZfw)
            VALUES (1, 5, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '[Brutoloon]-100', '[Soc.Loon]',
                '[Zvw-loon]', 1, 0, 1);
            UPDATE Werkgever SET PensioenpremieWN = 4.5;
            UPDATE Looncomponenten SET GrondslagKolom = 8 WHERE RegeltypeLC = 128;
        )");
    }

    // The levy data of an employee joined with its formulas, as the data module reads it.
    db::Query& Heffingsgegevens(int werknemersnummer)
    {
        hefGeg_.SetSQL("SELECT * FROM Heffingsgegevens LEFT JOIN GrondslagWN ON "
                       "Heffingsgegevens.Werkgeversnummer = GrondslagWN.Werkgeversnummer AND "
                       "Heffingsgegevens.Werknemersnummer = GrondslagWN.Werknemersnummer AND "
                       "Heffingsgegevens.Ingangsdatum = GrondslagWN.Ingangsdatum AND "
                       "Heffingsgegevens.Hersteldatum = GrondslagWN.Hersteldatum "
                       "WHERE Heffingsgegevens.Werkgeversnummer = 1 AND Heffingstype = 0 AND "
                       "Heffingsgegevens.Werknemersnummer = :WNNummer");
        hefGeg_.Param("WNNummer").SetInteger(werknemersnummer);
        hefGeg_.Open();
        return hefGeg_;
    }

    db::Query& Grondslagen(int werknemersnummer)
    {
        grondslag_.SetSQL("SELECT * FROM GrondslagWN WHERE Werkgeversnummer = 1 AND Werknemersnummer = :WNNummer");
        grondslag_.Param("WNNummer").SetInteger(werknemersnummer);
        grondslag_.Open();
        return grondslag_;
    }

    test::TempFolder map_;
    db::Connection verbinding_;
    db::Query hefGeg_{verbinding_};
    db::Query grondslag_{verbinding_};
};

std::string AlleFormules(const THeffingsgegevens& h)
{
    return h.FormulePensioen + "|" + h.FormuleVUTFPU + "|" + h.FormuleBelVrijVergoeding + "|" +
           h.FormuleBelVrijInhouding + "|" + h.FormuleWW + "|" + h.FormuleWAO + "|" + h.FormuleWhk + "|" +
           h.FormuleZfw + "|" + h.FormuleIP;
}

} // namespace

TEST_F(OpslagTest, LoadsTheEmployee)
{
    db::Query werknemer(verbinding_, "SELECT * FROM Werknemersgegevens WHERE Werknemersnummer = 5");
    werknemer.Open();
    TVasteHeffingsgegevens heffing;
    heffing.LaadWerknemer(werknemer);
    EXPECT_EQ(heffing.Werkgeversnummer, 1);
    EXPECT_EQ(heffing.Werknemersnummer, 5);
    EXPECT_EQ(heffing.Sofinummer, "123456782");
    EXPECT_EQ(heffing.Werknemersoort, 3);
    EXPECT_EQ(heffing.Geboortedatum, EncodeDate(1960, 5, 17));
    EXPECT_TRUE(heffing.CodeLoonheffingskorting);
    EXPECT_EQ(heffing.Loontijdvak, ltWeek);
    EXPECT_EQ(heffing.Tabelkleur, tkGroen);
    EXPECT_EQ(heffing.LoonbelastingtabelVoorInwoner, igBelgie);
    EXPECT_EQ(heffing.Vastloon, 2750.5);
    EXPECT_EQ(heffing.Deeltijdpercentage, 80);
    EXPECT_TRUE(heffing.VerzekerdWW);
    EXPECT_FALSE(heffing.VerzekerdWAO);
    EXPECT_TRUE(heffing.VerzekerdZfw);
    EXPECT_EQ(heffing.JaarloonVorigJaar, 41000);
}

TEST_F(OpslagTest, LoadsTheLevyDataWithTheSwitchedOnFormulas)
{
    TVasteHeffingsgegevens heffing;
    heffing.FormuleIP = "[Brutoloon]"; // cleared by loading
    heffing.LaadOfStandaard(Heffingsgegevens(5));
    EXPECT_EQ(heffing.SVDagen, 17.5);
    EXPECT_EQ(heffing.DagTabelDagen, 3);
    EXPECT_EQ(heffing.AwfPremieType, "H");
    EXPECT_TRUE(heffing.AfwijkendPercentageLBPH);
    EXPECT_EQ(heffing.PercentageLBPH, 33);
    EXPECT_EQ(AlleFormules(heffing), "[Brutoloon]-100|||||||[Zvw-loon]|");

    // Without a GrondslagWN row the formulas are cleared.
    heffing.LaadOfStandaard(Heffingsgegevens(6));
    EXPECT_EQ(heffing.SVDagen, 4);
    EXPECT_EQ(AlleFormules(heffing), "||||||||");

    // Without a stored record: the defaults.
    heffing.LaadOfStandaard(Heffingsgegevens(99));
    EXPECT_EQ(heffing.SVDagen, 21.67);
    EXPECT_EQ(heffing.DagTabelDagen, 0);
    EXPECT_EQ(heffing.AwfPremieType, "L");
}

TEST_F(OpslagTest, AddingAFurtherRecordAddsTheDaysAndReloadsTheFormulas)
{
    TEenmaligeHeffingsgegevens heffing;
    heffing.LaadHeffingsgegevens(Heffingsgegevens(6));
    heffing.FormuleWAO = "[Soc.Loon]";
    heffing.TelHeffingsgegevensOp(Heffingsgegevens(5));
    EXPECT_EQ(heffing.SVDagen, 4 + 17.5);
    EXPECT_EQ(heffing.DagTabelDagen, 2 + 3);
    EXPECT_EQ(heffing.AwfPremieType, "L");
    EXPECT_FALSE(heffing.AfwijkendPercentageLBPH);
    EXPECT_TRUE(heffing.DagTabelToepassen);
    EXPECT_EQ(AlleFormules(heffing), "[Brutoloon]-100|||||||[Zvw-loon]|");
}

TEST_F(OpslagTest, KindsOfLevyDataLoadTheirOwnWay)
{
    TEenmaligeHeffingsgegevens eenmalig;
    eenmalig.LaadHeffingsgegevens(Heffingsgegevens(5));
    EXPECT_TRUE(eenmalig.DagTabelToepassen);
    eenmalig.SetGeenHeffingsrecord(true);
    eenmalig.LaadHeffingsgegevens(Heffingsgegevens(5));
    EXPECT_FALSE(eenmalig.DagTabelToepassen);

    TBijzondereHeffingsgegevens bijzonder;
    bijzonder.LaadHeffingsgegevens(Heffingsgegevens(5));
    EXPECT_EQ(bijzonder.SVDagen, 0);
    EXPECT_EQ(bijzonder.AwfPremieType, "H");
    bijzonder.SetGeenHeffingsrecord(true);
    bijzonder.LaadHeffingsgegevens(Heffingsgegevens(5));
    EXPECT_EQ(bijzonder.SVDagen, 0);
    EXPECT_EQ(bijzonder.AwfPremieType, "L"); // the defaults, not the record
}

TEST_F(OpslagTest, LoadsTheFormulasOfAGrondslagRecord)
{
    TVasteHeffingsgegevens heffing;
    heffing.LaadFormules(Grondslagen(5));
    EXPECT_EQ(AlleFormules(heffing), "[Brutoloon]-100|||||||[Zvw-loon]|");
    heffing.LaadFormules(Grondslagen(6));
    EXPECT_EQ(AlleFormules(heffing), "||||||||");
}

TEST_F(OpslagTest, MakesTheDefaultLinesFromTheSystemComponents)
{
    db::Query componenten(verbinding_, "SELECT * FROM Looncomponenten WHERE Werkgeversnummer = 1 AND SystemLC = TRUE "
                                       "ORDER BY KolomnummerLC, LooncomponentnummerLC");
    db::Query werkgever(verbinding_, "SELECT * FROM Werkgever");
    componenten.Open();
    werkgever.Open();
    TVasteHeffingsgegevens heffing;
    heffing.Vastloon = 3000;
    heffing.MaakStandaardRegels(componenten, werkgever);

    int aantal = 0;
    for (componenten.First(); !componenten.Eof(); componenten.Next(), ++aantal) {
        const int kolomnummer = static_cast<int>(componenten.AsInteger("KolomnummerLC"));
        const int nummer = static_cast<int>(componenten.AsInteger("LooncomponentnummerLC"));
        SCOPED_TRACE(testing::Message() << "column " << kolomnummer << " component " << nummer);
        const TCustomKolom& kolom = heffing.Kolommen().Kolom(kolomnummer);
        ASSERT_GE(kolom.Count(), nummer);
        const TBaseKolomRegel& regel = kolom.GetRegel(nummer - 1);
        EXPECT_EQ(regel.Looncomponentnummer, nummer);
        EXPECT_EQ(regel.Omschrijving, componenten.AsText("OmschrijvingLC"));
        EXPECT_EQ(regel.Status, rsNieuw);
        EXPECT_TRUE(regel.Nieuw);
    }
    int regels = 0;
    for (int kolomnummer : Kolomnummers)
        regels += heffing.Kolommen().Kolom(kolomnummer).Count();
    EXPECT_EQ(regels, aantal);

    auto regel = [&](int kolomnummer, int index) -> TBaseKolomRegel& {
        return heffing.Kolommen().Kolom(kolomnummer).GetRegel(index);
    };
    EXPECT_EQ(dynamic_cast<TBrutoloonKolomRegel&>(regel(3, 0)).Bedrag, 3000);
    EXPECT_EQ(dynamic_cast<TWWPremieAwfLaagKolomRegel&>(regel(0, 0)).Percentage, 2.94);
    EXPECT_EQ(dynamic_cast<TWWPremieAwfHoogKolomRegel&>(regel(0, 1)).Percentage, 7.94);
    EXPECT_EQ(dynamic_cast<TWAOPremieVastKolomRegel&>(regel(0, 2)).Percentage, 6.77);
    EXPECT_EQ(dynamic_cast<TWhkPremieKolomRegel&>(regel(0, 3)).Percentage, 1.28);
    const auto& pensioen = dynamic_cast<TPensioenPremieWNKolomRegel&>(regel(7, 0));
    EXPECT_EQ(pensioen.Percentage, 4.5);
    EXPECT_EQ(pensioen.GrondslagKolom, 8);
    for (int index : {0, 1}) {
        const auto& vergoeding = dynamic_cast<TVergoedingInhoudingKolomRegel&>(regel(18, index));
        EXPECT_EQ(vergoeding.BPDType, bpdBedrag);
    }
}

TEST_F(OpslagTest, DefaultLinesWithoutABasisColumnKeepTheDefaultBasis)
{
    db::Query componenten(verbinding_,
                          "SELECT KolomnummerLC, LooncomponentnummerLC, OmschrijvingLC, RegeltypeLC, DebetLC, "
                          "RekeningnummerLC, TegenrekeningLC FROM Looncomponenten WHERE RegeltypeLC = 128");
    db::Query werkgever(verbinding_, "SELECT * FROM Werkgever");
    componenten.Open();
    werkgever.Open();
    TVasteHeffingsgegevens heffing;
    heffing.MaakStandaardRegels(componenten, werkgever);
    const auto& pensioen = dynamic_cast<TPensioenPremieWNKolomRegel&>(heffing.Kolommen().Kolom(7).GetRegel(0));
    EXPECT_EQ(pensioen.GrondslagKolom, 0);
    EXPECT_EQ(pensioen.Percentage, 4.5);
}
