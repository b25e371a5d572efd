#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/DmVektaris.h"
#include "store/WerknemerRecords.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sys/stat.h>

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
    std::string Open(TToegang toegang = TToegang::Exclusief)
    {
        TdmVektaris dm(map_.Path());
        TBewaardeMeldingen meldingen;
        const bool gelukt = dm.Openen(meldingen, toegang);
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

// Each damaged or incomplete file is refused before anything is written to
// it, by a writer (the window, opslaan, verwijder) and by a reader alike.
TEST_F(Openen, ADamagedOrIncompleteFileIsRefusedWithItsCauseAndLeftAsItWas)
{
    const std::string gebouwd = Bytes((DataFolder() / TdmVektaris::Bestandsnaam).string());
    const auto sql = [](const char* opdrachten) {
        return [opdrachten](const std::string& bestand) { test::CreateDatabase(bestand, opdrachten); };
    };
    const auto inhoud = [](std::string bytes) {
        return [bytes](const std::string& bestand) {
            std::ofstream(bestand, std::ios::binary | std::ios::trunc) << bytes;
        };
    };
    const struct {
        const char* naam;
        std::function<void(const std::string&)> maak;
        const char* oorzaak; // nullptr: it opens
        bool alleenVoorSchrijver = false;
    } kGevallen[] = {
        {"gebouwd", sql(""), nullptr},
        {"kolom van ongekende breedte", sql("ALTER TABLE Werknemersgegevens ADD COLUMN Extra VARCHAR(99999999999)"),
         nullptr},
        {"leeg", inhoud(""), "Het bestand is leeg, dus geen database: "},
        {"50 bytes", inhoud(gebouwd.substr(0, 50)),
         "Het databasebestand is beschadigd (database disk image is malformed)"},
        {"afgekapt", inhoud(gebouwd.substr(0, gebouwd.size() / 4)), "Het databasebestand is beschadigd"},
        {"tekst", inhoud(std::string(5000, 't')), "Het bestand is geen database (file is not a database)"},
        {"versie 202002", sql("UPDATE Versie SET Versie = 202002"),
         "Uw VKT-versie is te laag om de database te kunnen openen. "},
        // Compared as a number, not wrapped round to a low version.
        {"versie 1e20", sql("UPDATE Versie SET Versie = 1e20"),
         "Uw VKT-versie is te laag om de database te kunnen openen. "},
        {"versie -1e20", sql("UPDATE Versie SET Versie = -1e20"),
         "Uw databaseversie is te laag om VKT te kunnen draaien. "},
        {"versie tekst", sql("UPDATE Versie SET Versie = 'nieuw'"),
         "De versie van de database is onleesbaar: 'nieuw' is geen getal."},
        {"geen versie", sql("DELETE FROM Versie"),
         "De tabel Versie van Vkt2020.db geeft geen versie: de database is onvolledig."},
        {"geen tabel", sql("DROP TABLE Heffingsregels"), "De tabel Heffingsregels ontbreekt in Vkt2020.db."},
        {"geen kolom", sql("ALTER TABLE Heffingsregels DROP COLUMN Bedrag"),
         "De tabel Heffingsregels van Vkt2020.db mist de kolom Bedrag."},
        {"geen sleutel",
         sql("CREATE TABLE Kopie AS SELECT * FROM Heffingsgegevens; DROP TABLE Heffingsgegevens; "
             "ALTER TABLE Kopie RENAME TO Heffingsgegevens"),
         "De tabel Heffingsgegevens van Vkt2020.db heeft geen primaire sleutel"},
        // Without the components a calculation gives a gross and net wage of 0,00.
        {"geen looncomponenten", sql("DELETE FROM Looncomponenten"),
         "De tabel Looncomponenten van Vkt2020.db mist voor werkgever 1 de systeemlooncomponenten Brutoloon "
         "(regeltype 3), AWf laag (regeltype 262145), AWf hoog (regeltype 262146), Basispremie WAO/WIA (regeltype "
         "524289), Whk-premie (regeltype 524291), Zvw werkgeversheffing (regeltype 16384); zonder die "
         "looncomponenten kan geen berekening worden gemaakt."},
        {"geen brutoloon", sql("UPDATE Looncomponenten SET SystemLC = FALSE WHERE RegeltypeLC = 3"),
         "mist voor werkgever 1 de systeemlooncomponenten Brutoloon (regeltype 3);"},
        {"alleen te lezen", [](const std::string& bestand) { chmod(bestand.c_str(), 0444); },
         "ConnectDatabase: The file attributes of file", true},
    };
    for (const auto& geval : kGevallen)
        for (const TToegang toegang : {TToegang::Exclusief, TToegang::Lezen}) {
            SCOPED_TRACE(std::string(geval.naam) + (toegang == TToegang::Exclusief ? ", exclusief" : ", lezen"));
            std::filesystem::remove(Bestand());
            Kopieer();
            geval.maak(Bestand());
            std::filesystem::last_write_time(Bestand(), std::filesystem::file_time_type::clock::now() -
                                                            std::chrono::hours(1));
            const std::string vooraf = Bytes(Bestand());
            const auto tijd = std::filesystem::last_write_time(Bestand());
            const std::string melding = Open(toegang);
            if (geval.oorzaak == nullptr || (geval.alleenVoorSchrijver && toegang == TToegang::Lezen))
                EXPECT_EQ(melding, "");
            else
                EXPECT_TRUE(melding.rfind(kBegin, 0) == 0 && melding.find(geval.oorzaak) != std::string::npos &&
                            melding.find(kEinde) != std::string::npos)
                    << melding;
            EXPECT_EQ(Bytes(Bestand()), vooraf);
            EXPECT_EQ(std::filesystem::last_write_time(Bestand()), tijd);
            EXPECT_FALSE(std::filesystem::exists(Bestand() + "-journal"));
        }
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
