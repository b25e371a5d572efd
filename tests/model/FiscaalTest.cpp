#include "common/DataFolder.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "model/DmConstanten.h"
#include "model/Enumeraties.h"
#include "model/Fiscaal.h"
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

TEST(FiscaalLaden, ExtraRowsAreIgnoredAndMissingOnesReadAsZero)
{
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "INSERT INTO Minleef VALUES ('2020-07-01 00:00:00', 22, 9999, 9999, 99);"
                           "DELETE FROM Minleef WHERE Ingangsdatum = '2020-04-01 00:00:00' AND Leeftijd > 19;"
                           "DELETE FROM SociaalFiscaal WHERE InwonergroepLBTabel = 4;"
                           "UPDATE SociaalFiscaal SET AnoniemenTarief = NULL;");
    TdmConstanten constanten(map.Path());
    ASSERT_TRUE(constanten.Openen());
    constanten.LaadConstanten();
    constanten.Berekeningsdatum = D(1, 7, 2020);
    const TFiscaal& juli = constanten.GetConstanten().Fiscaal();
    EXPECT_EQ(juli.Minimumloon(21).MinloonM, 1680); // the eighth row is ignored
    EXPECT_EQ(juli.AnoniemenTarief(), 0);
    EXPECT_EQ(juli.Korting(arkm3Onder65, igSurinameAruba), 0);
    constanten.Berekeningsdatum = D(1, 4, 2020);
    EXPECT_EQ(constanten.GetConstanten().Fiscaal().Minimumloon(20).MinloonM, 0);
    EXPECT_EQ(constanten.GetConstanten().Fiscaal().Minimumloon(19).MinloonM, 992.15);
    EXPECT_TRUE(constanten.Sluiten());
}

TEST(FiscaalLaden, AMissingColumnStopsTheLoading)
{
    test::TempFolder map;
    test::KopieerConstanten(map.Path(), "ALTER TABLE LoontijdvakBedragen DROP COLUMN DagMaxZvw");
    TdmConstanten constanten(map.Path());
    constanten.Openen();
    try {
        constanten.LaadConstanten();
        FAIL() << "loaded without the column";
    } catch (const db::DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Field 'DagMaxZvw' not found");
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
