#include "Opdrachten.h"

#include "cli/Hoofdprogramma.h"
#include "db/Connection.h"
#include "db/Query.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vkt;

namespace {

const std::vector<std::string> kVast = {"--datum", "15-03-2020", "--geboortedatum", "01-01-1980"};

std::vector<std::string> Met(std::vector<std::string> argumenten)
{
    argumenten.insert(argumenten.end(), kVast.begin(), kVast.end());
    return argumenten;
}

test::Uitvoer Voer(const std::vector<std::string>& argumenten) { return test::Voer(cli::Hoofdprogramma, argumenten); }

// The bytes and modification time of a file: a write of any kind shows.
struct Bestandstoestand {
    std::string inhoud;
    std::filesystem::file_time_type tijd;
    bool operator==(const Bestandstoestand&) const = default;
};

Bestandstoestand Toestand(const std::string& bestand)
{
    return {test::LeesBestand(bestand), std::filesystem::last_write_time(bestand)};
}

void SchrijfBytes(const std::string& bestand, const std::string& bytes)
{
    std::ofstream(bestand, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs SQL on a database file straight through the engine, as someone
// damaging it by hand would.
void Wijzig(const std::string& bestand, const std::string& sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open(bestand.c_str(), &handle);
    char* fout = nullptr;
    const int uitkomst = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, &fout);
    const std::string tekst = fout != nullptr ? fout : "";
    sqlite3_free(fout);
    sqlite3_close(handle);
    if (uitkomst != SQLITE_OK)
        throw std::runtime_error(sql + ": " + tekst);
}

// One number read from the employee database of the test.
std::int64_t Getal(const test::EigenDatabases& databases, const std::string& sql)
{
    db::Connection verbinding;
    verbinding.SetConnectionString("Data Source=" + databases.Map().File("Vkt2020.db") + ";Mode=Read");
    db::Query query(verbinding, sql);
    query.Open();
    return query.AsInteger(query.FieldNames().at(0));
}

const char* const kTabellenVanEenBerekening[] = {"Werknemersgegevens", "BerekeningsgegevensVKT", "Heffingsgegevens",
                                                 "Heffingsregels", "GrondslagWN"};

// Every row that carries the employee number, in all tables of a calculation.
std::int64_t RijenVan(const test::EigenDatabases& databases, int nummer)
{
    std::int64_t aantal = Getal(databases, "SELECT COUNT(*) FROM SociaalFondsWG WHERE Werkgeversnummer = " +
                                               std::to_string(nummer));
    for (const char* tabel : kTabellenVanEenBerekening)
        aantal += Getal(databases, std::string("SELECT COUNT(*) FROM ") + tabel + " WHERE Werknemersnummer = " +
                                       std::to_string(nummer));
    return aantal;
}

} // namespace

// Every command that fails on a damaged employee database leaves it exactly
// as it was: opslaan used to turn a zero-length or 50-byte file into a
// 4,096-byte database while it reported "no such table: Versie".
TEST(BeschadigdeBestanden, ACommandThatFailsOnADamagedFileLeavesItAsItWas)
{
    const struct {
        const char* naam;
        std::function<void(const std::string&)> beschadig;
        const char* oorzaak;
        bool alleenVoorSchrijvers = false; // readers may read the file
    } kBestanden[] = {
        {"leeg", [](const std::string& b) { SchrijfBytes(b, ""); },
         "Fout: ConnectDatabase: Het bestand is leeg, dus geen database"},
        {"50 bytes", [](const std::string& b) { SchrijfBytes(b, test::LeesBestand(b).substr(0, 50)); },
         "Fout: ConnectDatabase: Het databasebestand is beschadigd"},
        {"afgekapt",
         [](const std::string& b) {
             const std::string bytes = test::LeesBestand(b);
             SchrijfBytes(b, bytes.substr(0, bytes.size() * 2 / 3));
         },
         "Het databasebestand is beschadigd"},
        {"geen database", [](const std::string& b) { SchrijfBytes(b, std::string(4096, 'x')); },
         "Fout: ConnectDatabase: Het bestand is geen database (file is not a database)"},
        {"versie 202002", [](const std::string& b) { Wijzig(b, "UPDATE Versie SET Versie = 202002"); },
         "Fout: Uw VKT-versie is te laag om de database te kunnen openen."},
        {"versie 1e20", [](const std::string& b) { Wijzig(b, "UPDATE Versie SET Versie = 1e20"); },
         "Fout: Uw VKT-versie is te laag om de database te kunnen openen."},
        {"alleen te lezen", [](const std::string& b) { chmod(b.c_str(), 0400); },
         "Fout: ConnectDatabase: The file attributes of file", true},
    };
    const std::vector<std::vector<std::string>> kOpdrachten = {
        Met({"opslaan", "--naam", "Klaas"}), {"verwijder", "1"}, {"lijst"}, {"toon", "1"}, Met({"bereken"})};
    for (const auto& bestand : kBestanden)
        for (const std::vector<std::string>& opdracht : kOpdrachten) {
            const bool schrijver = opdracht[0] == "opslaan" || opdracht[0] == "verwijder";
            if (bestand.alleenVoorSchrijvers && !schrijver)
                continue;
            SCOPED_TRACE(std::string(bestand.naam) + ", " + opdracht[0]);
            test::EigenDatabases databases;
            ASSERT_EQ(Voer(Met({"opslaan", "--naam", "Piet"})).code, 0);
            const std::string werknemers = databases.Map().File("Vkt2020.db");
            bestand.beschadig(werknemers);
            for (const char* naam : {"Vkt2020.db", "VktC2020.db"})
                std::filesystem::last_write_time(databases.Map().File(naam),
                                                 std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
            const Bestandstoestand vooraf = Toestand(werknemers);
            const Bestandstoestand constanten = Toestand(databases.Map().File("VktC2020.db"));
            const test::Uitvoer r = Voer(opdracht);
            EXPECT_TRUE(test::Geweigerd(r, 1, "Er is een fout opgetreden bij  het openen van Vkt2020.db.\nFout: "));
            EXPECT_NE(r.fout.find(bestand.oorzaak), std::string::npos) << r.fout;
            EXPECT_TRUE(Toestand(werknemers) == vooraf);
            EXPECT_TRUE(Toestand(databases.Map().File("VktC2020.db")) == constanten);
            EXPECT_FALSE(std::filesystem::exists(werknemers + "-journal"));
        }
}

// A database without the figures or the wage components a calculation
// needs used to compute a wage tax of -nan, or a gross and net wage of
// 0,00, and exit with 0.
TEST(BeschadigdeBestanden, ADatabaseWithoutWhatACalculationNeedsIsRefusedNamingTheTable)
{
    const struct {
        const char* bestand;
        const char* sql;
        const char* melding;
    } kGevallen[] = {
        {"VktC2020.db", "DELETE FROM SociaalFiscaal",
         "De constanten van 01-01-2020 zijn niet te gebruiken: de tabel SociaalFiscaal heeft geen rij. (VktC2020.db)"},
        // The date of 1 April takes the rows of 1 January when it has none of its own; 1 January has no earlier rows.
        {"VktC2020.db", "DELETE FROM LoontijdvakBedragen WHERE Ingangsdatum < '2020-02-01'",
         "De constanten van 01-01-2020 zijn niet te gebruiken: de tabel LoontijdvakBedragen heeft geen rij."},
        {"Vkt2020.db", "DELETE FROM Looncomponenten",
         "De tabel Looncomponenten van Vkt2020.db mist voor werkgever 1 de systeemlooncomponenten Brutoloon "
         "(regeltype 3)"},
        {"Vkt2020.db", "DROP TABLE GrondslagWN", "De tabel GrondslagWN ontbreekt in Vkt2020.db."},
    };
    for (const auto& geval : kGevallen)
        for (const std::vector<std::string>& opdracht :
             {Met({"bereken"}), Met({"opslaan", "--naam", "Piet"}), std::vector<std::string>{"lijst"}}) {
            SCOPED_TRACE(std::string(geval.sql) + ", " + opdracht[0]);
            test::EigenDatabases databases;
            Wijzig(databases.Map().File(geval.bestand), geval.sql);
            const Bestandstoestand vooraf = Toestand(databases.Map().File("Vkt2020.db"));
            EXPECT_TRUE(test::Geweigerd(Voer(opdracht), 1, geval.melding));
            EXPECT_TRUE(Toestand(databases.Map().File("Vkt2020.db")) == vooraf);
        }
}

TEST(BeschadigdeBestanden, AStoredNumberThatIsNoNumberIsToldAndTheOtherCalculationsStayUsable)
{
    test::EigenDatabases databases;
    for (const char* naam : {"Piet", "Jan"})
        ASSERT_EQ(Voer(Met({"opslaan", "--naam", naam})).code, 0);
    const std::string werknemers = databases.Map().File("Vkt2020.db");
    Wijzig(werknemers, "UPDATE Werknemersgegevens SET Werknemersnummer = 'zes' WHERE Werknemersnummer = 2;"
                       "UPDATE BerekeningsgegevensVKT SET Werknemersnummer = 'zes' WHERE Werknemersnummer = 2");

    const test::Uitvoer lijst = Voer({"lijst"});
    EXPECT_EQ(lijst.code, 1);
    EXPECT_EQ(lijst.uit, "1\tPiet\n");
    EXPECT_NE(lijst.fout.find("vkt2020-cli lijst: Deze opgeslagen berekeningen in Vkt2020.db kunnen niet worden "
                              "geopend en staan daarom niet in de lijst:\n- de berekening 'Jan' (rij 2 van de tabel "
                              "Werknemersgegevens) heeft in de kolom Werknemersnummer 'zes', geen nummer van 1 tot en "
                              "met 2147483647.\n"),
              std::string::npos)
        << lijst.fout;
    EXPECT_EQ(Voer({"toon", "1", "--formaat", "json"}).code, 0);
    // Jan's other rows still carry his old number 2: the next one is 3.
    EXPECT_EQ(Voer(Met({"opslaan", "--naam", "Klaas"})).uit, "3\n");
    EXPECT_EQ(Voer({"verwijder", "1"}).code, 0);
    EXPECT_EQ(Voer({"lijst"}).uit, "3\tKlaas\n");
}

// Rows the program did not write itself went on living under the number
// (and came back with the next calculation that got it), and a stored text
// in a numeric column made the calculation impossible to delete.
TEST(BeschadigdeBestanden, DeletingRemovesEveryRowOfTheNumberWhateverTheRowsHold)
{
    test::EigenDatabases databases;
    ASSERT_EQ(Voer(Met({"opslaan", "--naam", "Piet"})).code, 0);
    const std::int64_t rijen = RijenVan(databases, 1);
    const std::string werknemers = databases.Map().File("Vkt2020.db");
    Wijzig(werknemers,
           "INSERT INTO Heffingsregels (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, Hersteldatum, "
           "Kolomnummer, Looncomponentnummer, Bedrag) VALUES (1, 1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', "
           "3, 1, 500), (1, 1, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 99, 1, 500), (1, 1, 0, "
           "'2020-01-01 00:00:00', '9999-12-31 00:00:00', 3, 1, 500);"
           "INSERT INTO Heffingsgegevens (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, "
           "Hersteldatum) VALUES (1, 1, 0, '2020-01-01 00:00:00', '9999-12-31 00:00:00');"
           "INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW) "
           "VALUES (1, 1, '9999-12-31', '9999-12-31 00:00:00', '[Brutoloon]*2');"
           "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, FondsActief) VALUES (1, "
           "'9999-12-31 00:00:00', 77, 1);"
           "UPDATE Werknemersgegevens SET Vastloon = 'veel', Geboortedatum = 'gisteren';"
           "UPDATE Heffingsregels SET Percentage = 'hoog' WHERE Kolomnummer = 0");
    ASSERT_EQ(RijenVan(databases, 1), rijen + 6);

    const test::Uitvoer r = Voer({"verwijder", "1"});
    EXPECT_EQ(r.code, 0) << r.fout;
    EXPECT_EQ(r.uit, "De gegevens zijn verwijderd.\n");
    EXPECT_EQ(RijenVan(databases, 1), 0);
    EXPECT_EQ(Voer(Met({"opslaan", "--naam", "Klaas"})).uit, "1\n");
    EXPECT_EQ(RijenVan(databases, 1), rijen);
}

// A save stopped by kill -9 leaves its journal: readers failed with
// "attempt to write a readonly database" until a writer ran.
TEST(BeschadigdeBestanden, AfterAKilledSaveTheNextProgramReadsWhatWasSavedBefore)
{
    for (const bool lezer : {true, false}) {
        SCOPED_TRACE(lezer ? "lijst" : "opslaan");
        test::EigenDatabases databases;
        ASSERT_EQ(Voer(Met({"opslaan", "--naam", "Piet"})).code, 0);
        const std::string werknemers = databases.Map().File("Vkt2020.db");
        const pid_t schrijver = fork();
        if (schrijver == 0) {
            sqlite3* handle = nullptr;
            sqlite3_open(werknemers.c_str(), &handle);
            sqlite3_exec(handle,
                         "PRAGMA cache_size = 2; BEGIN; UPDATE Werknemersgegevens SET Naam = 'Half'; "
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                         "INSERT INTO dbparams SELECT 'p' || i, printf('%.300c', 'x') FROM n",
                         nullptr, nullptr, nullptr);
            _exit(0); // the transaction is neither committed nor rolled back
        }
        int status = 0;
        waitpid(schrijver, &status, 0);
        ASSERT_TRUE(std::filesystem::exists(werknemers + "-journal"));

        if (lezer) {
            const test::Uitvoer lijst = Voer({"lijst"});
            EXPECT_EQ(lijst.code, 0) << lijst.fout;
            EXPECT_EQ(lijst.uit, "1\tPiet\n");
        } else {
            EXPECT_EQ(Voer(Met({"opslaan", "--naam", "Jan"})).uit, "2\n");
            EXPECT_EQ(Voer({"lijst"}).uit, "1\tPiet\n2\tJan\n");
        }
        EXPECT_EQ(Getal(databases, "SELECT COUNT(*) FROM dbparams WHERE param_cd LIKE 'p%'"), 0);
        EXPECT_EQ(Getal(databases, "SELECT COUNT(*) FROM pragma_integrity_check WHERE integrity_check = 'ok'"), 1);
    }
}
