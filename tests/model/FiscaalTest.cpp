#include "common/DataFolder.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "model/DmConstanten.h"
#include "model/Enumeraties.h"
#include "model/Fiscaal.h"
#include "model/QuelvarException.h"
#include "support/Constanten.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vkt;

namespace {

TDateTime D(int dag, int maand, int jaar) { return EncodeDate(jaar, maand, dag); }

// The constants database as the program loads it at start-up.
class FiscaalTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { constanten_ = test::GeladenConstanten(DataFolder(), D(1, 1, 2020)); }
    static void TearDownTestSuite() { constanten_.reset(); }
    static const TFiscaal& Op(TDateTime datum)
    {
        constanten_->Berekeningsdatum = datum;
        return constanten_->GetConstanten().Fiscaal();
    }

    static std::unique_ptr<TdmConstanten> constanten_;
};
std::unique_ptr<TdmConstanten> FiscaalTest::constanten_;

} // namespace

TEST_F(FiscaalTest, EachCalculationDateSelectsItsEffectiveDate)
{
    const struct {
        TDateTime berekeningsdatum;
        TDateTime ingangsdatum;
    } kGevallen[] = {{D(31, 3, 2020), D(1, 1, 2020)}, {D(1, 4, 2020), D(1, 4, 2020)}, {D(30, 6, 2020), D(1, 4, 2020)},
                     {D(1, 7, 2020), D(1, 7, 2020)},  {D(15, 3, 2021), D(1, 7, 2020)}, {D(1, 6, 2019), D(1, 1, 2020)}};
    for (const auto& geval : kGevallen) {
        constanten_->Berekeningsdatum = geval.berekeningsdatum;
        EXPECT_EQ(constanten_->GetConstanten().Ingangsdatum(), geval.ingangsdatum)
            << FormatDutchDate(geval.berekeningsdatum);
    }
}

TEST_F(FiscaalTest, TheFirstCalculationDateIsTodayIn2020)
{
    EXPECT_EQ(TdmConstanten::BeginBerekeningsdatum(D(29, 2, 2024)), D(31, 12, 2020));
    EXPECT_EQ(TdmConstanten::BeginBerekeningsdatum(D(5, 5, 2019)), D(5, 5, 2020));
    EXPECT_EQ(TdmConstanten::BeginBerekeningsdatum(D(29, 2, 2020)), D(29, 2, 2020));
    EXPECT_EQ(TdmConstanten(DataFolder(), D(5, 5, 2019) + 0.75).Berekeningsdatum, D(5, 5, 2020));
}

TEST_F(FiscaalTest, MinimumWagesChangeOnTheFirstOfJuly)
{
    EXPECT_DOUBLE_EQ(Op(D(30, 6, 2020)).Minimumloon(21).MinloonM, 1653.60);
    EXPECT_DOUBLE_EQ(Op(D(1, 7, 2020)).Minimumloon(21).MinloonM, 1680.00);
    const TFiscaal& juli = Op(D(1, 7, 2020));
    EXPECT_DOUBLE_EQ(juli.Minimumloon(23).MinloonM, 1680.00);
    EXPECT_DOUBLE_EQ(juli.Minimumloon(14).MinloonM, 504.00);
    EXPECT_DOUBLE_EQ(juli.Minimumloon(18).MinloonW, 193.85);
    EXPECT_DOUBLE_EQ(juli.Minimumloon(16).MinloonU, 3.52);
}

TEST_F(FiscaalTest, BracketTablesAreBuiltFromTheUpperBounds)
{
    const TFiscaal& f = Op(D(1, 1, 2020));
    for (const TSchijventabel& tabel : {f.SchijvenOnder65(), f.SchijvenBoven65(), f.SchijvenBoven65Geboren1946EnLater()}) {
        EXPECT_EQ(tabel[0].Van, 0);
        EXPECT_EQ(tabel[1].Van, tabel[0].Tot + 1);
        EXPECT_EQ(tabel[1].Drempel, tabel[0].Tot);
        EXPECT_EQ(tabel[3].Tot, 9999999999.0);
    }
    const TSchijventabel boven65 = f.SchijvenBoven65();
    EXPECT_EQ(boven65[1].Tot, 35375);
    EXPECT_EQ(boven65[2].Van, 35376);
    EXPECT_EQ(boven65[3].Percentage, 49.50);
    EXPECT_EQ(boven65[3].Bijtel, 19254);

    TSchijventabel kopie = f.SchijvenOnder65();
    kopie[0].Percentage = 99;
    EXPECT_EQ(f.SchijvenOnder65()[0].Percentage, 37.35);
}

TEST_F(FiscaalTest, SingleValuesCreditsAndMaxima)
{
    const TFiscaal& f = Op(D(1, 4, 2020));
    EXPECT_EQ(f.FactorGeenBon(ltMaand), 12);
    EXPECT_EQ(f.FactorGeenBon(ltDag), 260);
    EXPECT_EQ(f.FactorBerekenGrens(), 54);
    EXPECT_EQ(f.BerekenGrens(), 98820);
    EXPECT_EQ(f.PercentageBerekenGrens(), 0.495);
    EXPECT_EQ(f.AnoniemenTarief(), 52);
    EXPECT_EQ(f.Korting(arko1Onder65, igNederland), 0.02812);
    EXPECT_EQ(f.Korting(KortingVoor(arkm3Onder65, true), igNederland), 1989);
    EXPECT_EQ(f.Korting(ahk1OnderAOW, igDerdeLand), 2007);
    EXPECT_EQ(f.Korting(ouk3BovenAOW, igSurinameAruba), 0.07519);
    EXPECT_EQ(f.Korting(aok1BovenAOW, igBelgie), 219);
    const TPremieloonMaxima maxima = f.GetPremieloonMaxima();
    EXPECT_EQ(maxima[ltMaand - 1], 4769.33);
    EXPECT_EQ(maxima[ltDag - 1], 219.28);
    EXPECT_EQ(maxima[5 + ltMaand - 1], 4769.33);
    EXPECT_EQ(maxima[11], 57232);
}

TEST_F(FiscaalTest, SpecialRewardRowsAreChosenByTheLastYearsWage)
{
    const TFiscaal& f = Op(D(1, 1, 2020));
    TBijzondereBeloningRij rij;
    // Group 2, white table: the fifth row starts at 20712.
    ASSERT_TRUE(f.BijzondereBeloning(true, 2, 20712, rij));
    EXPECT_EQ(rij.Jaarloon, 20712);
    EXPECT_EQ(rij.Onder65Verrekening, -17.13);
    ASSERT_TRUE(f.BijzondereBeloning(true, 2, 20711.99, rij));
    EXPECT_EQ(rij.Jaarloon, 9922);
    // A negative wage takes the first green row of the group, never a white one.
    ASSERT_TRUE(f.BijzondereBeloning(false, 2, -100, rij));
    EXPECT_EQ(rij.Jaarloon, 0);
    EXPECT_EQ(rij.Onder65ZonderKorting, 37.35);
    ASSERT_TRUE(f.BijzondereBeloning(false, 0, 7259, rij));
    EXPECT_EQ(rij.Onder65MetKorting, 37.35);
    ASSERT_TRUE(f.BijzondereBeloning(true, 0, 1e9, rij));
    EXPECT_EQ(rij.Jaarloon, 98605);
    // The green part has nine rows for ten places: the last one repeats.
    EXPECT_EQ(f.BijzondereBeloningRij(BijzondereBeloningRijenPerGroep - 1).Jaarloon, 68508);
    EXPECT_EQ(f.BijzondereBeloningRij(BijzondereBeloningRijenPerGroep - 2).Jaarloon, 68508);

    TBijzondereBeloningRij ongewijzigd;
    ongewijzigd.Jaarloon = 123;
    EXPECT_FALSE(f.BijzondereBeloning(true, 5, 30000, ongewijzigd));
    EXPECT_EQ(ongewijzigd.Jaarloon, 123);
}

TEST(FiscaalLaden, ExtraRowsAreIgnored)
{
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "INSERT INTO Minleef VALUES ('2020-07-01 00:00:00', 22, 9999, 9999, 99);"
                                        "INSERT INTO Minleef VALUES ('2020-07-01 00:00:00', 14, 1, 1, 1);");
    TdmConstanten constanten(map.Path());
    ASSERT_TRUE(constanten.Openen());
    constanten.LaadConstanten();
    constanten.Berekeningsdatum = D(1, 7, 2020);
    const TFiscaal& juli = constanten.GetConstanten().Fiscaal();
    EXPECT_EQ(juli.Minimumloon(15).MinloonM, 504);
    EXPECT_EQ(juli.Minimumloon(21).MinloonM, 1680);
    EXPECT_TRUE(constanten.Sluiten());
}

// A figure that is missing would be computed as 0 (a wage tax of -nan, a
// special reward without tax): the database is refused when it opens.
TEST(FiscaalLaden, AnIncompleteDatabaseIsRefusedAtOpeningNamingTheTable)
{
    const std::string kJanuari = "De constanten van 01-01-2020 zijn niet te gebruiken: ";
    const struct {
        const char* sql;
        std::string melding;
    } kGevallen[] = {
        {"DELETE FROM SociaalFiscaal", kJanuari + "de tabel SociaalFiscaal heeft geen rij."},
        {"DELETE FROM SociaalFiscaal WHERE Ingangsdatum < '2020-03-01'",
         kJanuari + "de tabel SociaalFiscaal heeft geen rij."},
        {"DELETE FROM SociaalFiscaal WHERE InwonergroepLBTabel = 4",
         kJanuari + "de tabel SociaalFiscaal heeft geen rij voor inwonergroep 4."},
        {"UPDATE SociaalFiscaal SET AnoniemenTarief = NULL",
         kJanuari + "in de tabel SociaalFiscaal is de kolom AnoniemenTarief leeg."},
        {"UPDATE SociaalFiscaal SET BerekenGrens = 9e999",
         kJanuari + "in de tabel SociaalFiscaal is de kolom BerekenGrens geen eindig getal (inf)."},
        {"UPDATE SociaalFiscaal SET ahk1OnderAOW = 'veel' WHERE InwonergroepLBTabel = 2",
         kJanuari + "in de tabel SociaalFiscaal voor inwonergroep 2 is de kolom ahk1OnderAOW onleesbaar: 'veel' is "
                    "geen getal."},
        {"DELETE FROM Minleef WHERE Ingangsdatum = '2020-04-01 00:00:00' AND Leeftijd > 19",
         "De constanten van 01-04-2020 zijn niet te gebruiken: de tabel Minleef heeft geen rij voor leeftijd 20."},
        {"DELETE FROM TabelBijzondereBeloningen WHERE WitteTabel = 0 AND InwonergroepLBTabel = 3",
         kJanuari + "de tabel TabelBijzondereBeloningen heeft geen rij voor de groene tabel van inwonergroep 3."},
        {"DELETE FROM LoontijdvakBedragen", kJanuari + "de tabel LoontijdvakBedragen heeft geen rij."},
        {"ALTER TABLE LoontijdvakBedragen DROP COLUMN DagMaxZvw",
         kJanuari + "de tabel LoontijdvakBedragen mist de kolom DagMaxZvw."},
        {"DELETE FROM Percentages", "De constanten zijn niet te gebruiken: de tabel Percentages heeft geen rij."},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.sql);
        test::TempFolder map;
        test::KopieerConstanten(map.Path(), geval.sql);
        TdmConstanten constanten(map.Path());
        try {
            constanten.Openen();
            ADD_FAILURE() << "opened";
        } catch (const EQuelvarException& error) {
            EXPECT_EQ(std::string(error.what()), geval.melding + " (VktC2020.db)");
        }
    }
}

TEST(FiscaalLaden, TheZvwPercentagesAreReadForAnyDate)
{
    TdmConstanten constanten(DataFolder());
    constanten.Openen();
    constanten.qryPercentages.Param("IngDat").SetDateTime(D(31, 12, 9999));
    constanten.qryPercentages.Open();
    EXPECT_EQ(constanten.qryPercentages.RecordCount(), 1);
    EXPECT_EQ(constanten.qryPercentages.AsDouble("PremieZfwWG"), 6.70);
    EXPECT_EQ(constanten.qryPercentages.AsDouble("PremieZfwWN"), 5.45);
}

TEST(FiscaalLaden, TheMinimumWagesOfADateAreReloadedOnAClosedConnection)
{
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "");
    const auto constanten = test::GeladenConstanten(map.Path(), D(15, 7, 2020));
    ASSERT_FALSE(constanten->adbConst.Connected());
    test::CreateDatabase(map.File(TdmConstanten::Bestandsnaam),
                         "UPDATE Minleef SET MinloonM = 1700 WHERE Leeftijd = 21 AND Ingangsdatum = '2020-07-01 00:00:00'");

    constanten->LaadMinimumloon(D(15, 7, 2020));
    EXPECT_TRUE(constanten->adbConst.Connected());
    EXPECT_EQ(constanten->GetConstanten().Fiscaal().Minimumloon(21).MinloonM, 1700);
    constanten->Berekeningsdatum = D(1, 4, 2020);
    EXPECT_EQ(constanten->GetConstanten().Fiscaal().Minimumloon(21).MinloonM, 1653.60);
}
