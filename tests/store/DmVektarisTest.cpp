#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/DmVektaris.h"
#include "store/WerknemerRecords.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

using namespace vkt;

namespace {

std::string Bytes(const std::string& bestand)
{
    std::ifstream in(bestand, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kBegin = "Er is een fout opgetreden bij  het openen van Vkt2020.db.\r\nFout: ";
const std::string kEinde = "\r\n\r\nDe applicatie wordt beëindigd.";

class Openen : public ::testing::Test {
protected:
    std::string Bestand() const { return map_.File(TdmVektaris::Bestandsnaam); }
    void Kopieer() { std::filesystem::copy_file(DataFolder() / TdmVektaris::Bestandsnaam, Bestand()); }

    // Opens the folder's database and returns the error message shown (empty
    // when the opening succeeded).
    std::string Open()
    {
        TdmVektaris dm(map_.Path());
        TBewaardeMeldingen meldingen;
        const bool gelukt = dm.Openen(meldingen);
        EXPECT_EQ(gelukt, meldingen.Foutmeldingen.empty());
        return gelukt ? std::string() : meldingen.Foutmeldingen.at(0);
    }

    test::TempFolder map_;
};

} // namespace

TEST_F(Openen, OnlyVersion202001IsAcceptedAndARefusedFileStaysAsItWas)
{
    Kopieer();
    const struct {
        int versie;
        const char* oorzaak;
    } kGevallen[] = {{202000, "Uw databaseversie is te laag om VKT te kunnen draaien. "},
                     {202002, "Uw VKT-versie is te laag om de database te kunnen openen. "},
                     {202001, nullptr}};
    for (const auto& geval : kGevallen) {
        {
            db::Connection verbinding;
            verbinding.SetConnectionString("Data Source=" + Bestand());
            verbinding.Open();
            db::Query(verbinding, "UPDATE Versie SET Versie = " + std::to_string(geval.versie)).ExecSQL();
        }
        const std::string vooraf = Bytes(Bestand());
        const std::string melding = Open();
        if (geval.oorzaak == nullptr) {
            EXPECT_EQ(melding, "");
        } else {
            EXPECT_EQ(melding, kBegin + geval.oorzaak + kEinde);
            EXPECT_EQ(Bytes(Bestand()), vooraf);
        }
    }
}

TEST_F(Openen, AMissingOrDamagedFileIsReportedAndLeftAlone)
{
    EXPECT_EQ(Open(), kBegin + "ConnectDatabase: Database does not exists or is not accessable: " + Bestand() +
                          " (DMVkt)" + kEinde);
    EXPECT_FALSE(std::filesystem::exists(Bestand()));

    std::mt19937 willekeur(2020);
    std::string rommel(8192, '\0');
    for (char& c : rommel)
        c = static_cast<char>(willekeur());
    std::ofstream(Bestand(), std::ios::binary) << rommel;
    const std::string melding = Open();
    EXPECT_EQ(melding.rfind(kBegin + "ConnectDatabase: ", 0), 0U) << melding;
    EXPECT_NE(melding.find(" (DMVkt)" + kEinde), std::string::npos) << melding;
    EXPECT_EQ(Bytes(Bestand()), rommel);
}

TEST_F(Openen, ASecondUserIsRefusedAtOnce)
{
    Kopieer();
    TdmVektaris eerste(map_.Path());
    TBewaardeMeldingen meldingen;
    ASSERT_TRUE(eerste.Openen(meldingen));
    EXPECT_EQ(Open(), kBegin + "Vektaris is al in gebruik." + kEinde);
}

TEST_F(Openen, WithoutAnEmployerTheListIsEmptyAndSaysSo)
{
    Kopieer();
    TdmVektaris dm(map_.Path());
    TBewaardeMeldingen meldingen;
    ASSERT_TRUE(dm.Openen(meldingen));
    db::Query(dm.adbQuelvar, "DELETE FROM Werkgever").ExecSQL();
    TWerknemerRecords records(dm, meldingen);
    EXPECT_TRUE(records.VulWerknemerLijst().empty());
    EXPECT_EQ(dm.Werkgeversnummer, 1);
    ASSERT_EQ(meldingen.Foutmeldingen.size(), 1U);
    EXPECT_EQ(meldingen.Foutmeldingen[0], "Nog geen werkgever gedefinieerd.");
}
