#include "store/DbParams.h"

#include "db/Query.h"
#include "support/Werknemersdatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vkt;

namespace {

class DbParamsTest : public ::testing::Test {
protected:
    db::Connection& Verbinding() { return database_.Verbinding(); }

    // The stored rows, name and value, in name order.
    std::vector<std::pair<std::string, std::string>> Rijen()
    {
        db::Query query(Verbinding(), "SELECT param_cd, param_value FROM dbparams ORDER BY param_cd");
        query.Open();
        std::vector<std::pair<std::string, std::string>> rijen;
        for (; !query.Eof(); query.Next())
            rijen.emplace_back(query.AsText("param_cd"), query.AsText("param_value"));
        return rijen;
    }

    // Makes every write to dbparams fail.
    void WeigerSchrijven()
    {
        Verbinding().Execute("CREATE TRIGGER weiger_i BEFORE INSERT ON dbparams BEGIN SELECT RAISE(ABORT, 'fout'); END;"
                             "CREATE TRIGGER weiger_u BEFORE UPDATE ON dbparams BEGIN SELECT RAISE(ABORT, 'fout'); END;");
    }

    test::Werknemersdatabase database_;
};

} // namespace

TEST_F(DbParamsTest, AMissingSettingReadsAsEmpty)
{
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "SelSysColor"), "");
}

TEST_F(DbParamsTest, StoresUnderTheLowerCasedNameAndReplacesAnEarlierValue)
{
    SetDBParamValue(&Verbinding(), "SelSysColor", "255");
    SetDBParamValue(&Verbinding(), "SELSYSCOLOR", "16711680");
    EXPECT_EQ(Rijen(), (std::vector<std::pair<std::string, std::string>>{{"selsyscolor", "16711680"}}));
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "selSysColor"), "16711680");
    EXPECT_FALSE(Verbinding().InTransaction());
}

TEST_F(DbParamsTest, AnEmptyValueIsStoredAsASingleSpace)
{
    SetDBParamValue(&Verbinding(), "Leeg", "");
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "leeg"), " ");
}

TEST_F(DbParamsTest, QuotesInNamesAndValuesAreStoredAsGiven)
{
    const std::string waarde = "x'); DELETE FROM Werkgever; --";
    SetDBParamValue(&Verbinding(), "O'Neill", waarde);
    SetDBParamValue(&Verbinding(), "O'Neill", waarde + "'");
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "o'neill"), waarde + "'");
    db::Query werkgever(Verbinding(), "SELECT Count(*) AS Aantal FROM Werkgever");
    werkgever.Open();
    EXPECT_EQ(werkgever.AsInteger("Aantal"), 1);
}

TEST_F(DbParamsTest, WritesInsideTheCallersTransactionWithoutEndingIt)
{
    Verbinding().BeginTrans();
    SetDBParamValue(&Verbinding(), "SelSysColor", "255");
    ASSERT_TRUE(Verbinding().InTransaction());
    Verbinding().RollbackTrans();
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "SelSysColor"), "");
}

TEST_F(DbParamsTest, AFailedWriteIsUndoneAndReportedWithItsName)
{
    SetDBParamValue(&Verbinding(), "SelSysColor", "255");
    WeigerSchrijven();
    try {
        SetDBParamValue(&Verbinding(), "SelSysColor", "0");
        FAIL() << "no error";
    } catch (const std::exception& fout) {
        EXPECT_STREQ(fout.what(), "SetDBParamValue (SelSysColor): De database weigert de wijziging (fout)");
    }
    EXPECT_FALSE(Verbinding().InTransaction());
    EXPECT_EQ(GetDBParamValue(&Verbinding(), "SelSysColor"), "255");
}

TEST_F(DbParamsTest, AFailedWriteLeavesTheCallersTransactionToTheCaller)
{
    WeigerSchrijven();
    Verbinding().BeginTrans();
    EXPECT_THROW(SetDBParamValue(&Verbinding(), "SelSysColor", "0"), std::exception);
    EXPECT_TRUE(Verbinding().InTransaction());
    Verbinding().RollbackTrans();
}

TEST_F(DbParamsTest, AFailedReadIsReportedWithItsName)
{
    Verbinding().Execute("DROP TABLE dbparams");
    try {
        GetDBParamValue(&Verbinding(), "SelSysColor");
        FAIL() << "no error";
    } catch (const std::exception& fout) {
        EXPECT_STREQ(fout.what(),
                     "GetDBParamValue (SelSysColor): De tabel dbparams ontbreekt in de database (no such table: dbparams)");
    }
}

TEST(DbParams, ANullConnectionIsRefused)
{
    for (const auto& opdracht : std::vector<std::function<void()>>{
             [] { GetDBParamValue(nullptr, "SelSysColor"); },
             [] { SetDBParamValue(nullptr, "SelSysColor", "255"); }}) {
        try {
            opdracht();
            ADD_FAILURE() << "no error";
        } catch (const std::exception& fout) {
            EXPECT_STREQ(fout.what(), "No DB connection specified");
        }
    }
}
