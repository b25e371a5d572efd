// The output of a large, varied batch must not change by a byte: every kind of
// calculation, pay period and kind of wage amount, searches, credits, ages,
// special rewards, funds (one with a formula of its own), line edits, texts
// that need quoting or look like formulas, and rows that fail. The expected
// file was written by the batch as it was before its rows were computed on
// reused calculation objects and on several threads.

#include "Opdrachten.h"

#include "cli/BatchOpdracht.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace vkt;

namespace {

const char* const kKop = "naam;datum;geboortedatum;soort;loontijdvak;soort-loonbedrag;loonbedrag;tabelkleur;"
                         "loonheffingskorting;verzekerd;vakantiegeld;deeltijd;loondagen;jaarloon-vorig-jaar;"
                         "percentage-loonheffing;artiest-loonheffing;artiest-kostenvergoeding;awf-premie;actief;"
                         "regel;regel;fonds\n";

// Two catalogue funds: a percentage of the gross wage on both sides, and one
// whose employee part has a basis formula, an annual limit and a franchise.
const char* const kFondsen[] = {
    "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
    "PremieWG, PremieWN, WGBoekenInKolom, WNBoekenInKolom, GrondslagnummerWG, GrondslagnummerWN) VALUES "
    "(0, '9999-12-31 00:00:00', 4, 'Bouwfonds', 0, 1, 1.5, 2, 0, 17, 3, 3)",
    "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
    "PremieWG, PremieWN, FranchiseWN, JaargrensWN, WGBoekenInKolom, WNBoekenInKolom, GrondslagnummerWG, "
    "GrondslagnummerWN, AfwijkendeGrondslagWN, ActiefWN) VALUES "
    "(0, '9999-12-31 00:00:00', 7, 'Opleidingsfonds', 0, 1, 0.4, 0.25, 2000, 60000, 0, 16, 3, 3, "
    "'[Brutoloon]-[Pensioenpremie]', 1)",
};

// Draws the rows: a fixed generator and only its raw numbers, so the file is
// the same on every platform.
class Rijen {
public:
    std::string Maak(int aantal)
    {
        std::string tekst = kKop;
        for (int i = 0; i < aantal; ++i)
            tekst += Rij();
        return tekst;
    }

    // Runs of rows that differ only in their amount (now and then one that
    // is not valid), and the same rows each after a row that fails.
    std::pair<std::string, std::string> MaakReeksen(int aantal, const std::string& scheiding)
    {
        std::string reeksen = kKop;
        std::string gescheiden = kKop;
        for (int i = 0; i < aantal; ++i) {
            std::vector<std::string> v = Velden();
            for (int keer = 0; keer < 3; ++keer) {
                if (keer > 0)
                    v[6] = Kans(2) ? "12,34,5" : Bedrag(100, 6000);
                reeksen += Regel(v);
                gescheiden += scheiding + Regel(v);
            }
        }
        return {reeksen, gescheiden};
    }

private:
    unsigned Getal(unsigned tot) { return static_cast<unsigned>(gen_() % tot); }
    bool Kans(unsigned procent) { return Getal(100) < procent; }
    template <std::size_t N>
    const char* Een(const char* const (&keuzes)[N])
    {
        return keuzes[Getal(N)];
    }

    // An amount between van and tot with cents, written in one of the ways a user may.
    std::string Bedrag(double van, double tot)
    {
        const long long centen = static_cast<long long>(van * 100) + Getal(static_cast<unsigned>((tot - van) * 100));
        const std::string euro = std::to_string(centen / 100);
        const std::string cent = (centen % 100 < 10 ? "0" : "") + std::to_string(centen % 100);
        switch (Getal(4)) {
        case 0: return euro;
        case 1: return euro + "." + cent;
        case 2:
            if (euro.size() > 3)
                return euro.substr(0, euro.size() - 3) + "." + euro.substr(euro.size() - 3) + "," + cent;
            [[fallthrough]];
        default: return euro + "," + cent;
        }
    }

    std::string Datum(int vanJaar, int jaren)
    {
        const unsigned maand = 1 + Getal(12);
        const unsigned dag = 1 + Getal(28);
        return (dag < 10 ? "0" : "") + std::to_string(dag) + (maand < 10 ? "-0" : "-") + std::to_string(maand) +
               "-" + std::to_string(vanJaar + static_cast<int>(Getal(static_cast<unsigned>(jaren))));
    }

    std::string Rij() { return Regel(Velden()); }

    std::vector<std::string> Velden()
    {
        static const char* const kSoorten[] = {"werknemer",          "werknemer",       "werknemer",
                                               "werknemer",          "werknemer",       "bijzonder-loon",
                                               "artiest-binnenland", "artiest-buitenland", "vrij-werknemers",
                                               "vrij-artiest"};
        static const char* const kTijdvakken[] = {"", "maand", "maand", "week", "4-weken", "kwartaal", "dag"};
        static const char* const kBedragsoorten[] = {"",         "brutoloon",        "brutoloon", "nettoloon",
                                                     "nettoloon", "sociaal-loon",    "loonheffingsloon",
                                                     "zvw-loon",  "werkgeverslasten"};
        static const char* const kNamen[] = {"Piet", "=SOM(A1)", "Jan; de \"Vries\"", "@baas", "-", "Jan\nJansen",
                                             "Émile Brontë"};
        static const char* const kVerzekerd[] = {"", "", "ww,wao", "ww,wao,zvw", "geen", "zvw", "wao"};
        static const char* const kActief[] = {"wao,ww,whk,zvw,pensioen,ip,fpu,levensloop", "geen", "ww,whk",
                                              "zvw,pensioen"};
        static const char* const kRegels[] = {"9=150",          "128=5%",  "512=4,5%",  "1048576/1=25",
                                              "1048576/2=12,50", "2051=-40", "2051=75",  "99999=1"};

        const std::string soort = Een(kSoorten);
        const bool werknemer = soort == "werknemer";
        const bool artiest = soort == "artiest-binnenland" || soort == "artiest-buitenland" || soort == "vrij-artiest";
        const std::string tijdvak = werknemer ? Een(kTijdvakken) : Kans(3) ? "week" : Kans(20) ? "maand" : "";
        const double schaal = tijdvak == "week" ? 0.23 : tijdvak == "4-weken" ? 0.92 : tijdvak == "kwartaal" ? 3
                              : tijdvak == "dag"  ? 0.046
                                                  : 1;
        const std::string bedragsoort = Een(kBedragsoorten);
        const bool netto = bedragsoort == "nettoloon";

        std::vector<std::string> v;
        v.push_back(Kans(8) ? Een(kNamen) : "");
        v.push_back(Kans(30) ? Datum(2020, 1) : Kans(1) ? "31-02-2020" : "");
        v.push_back(Kans(70) ? Datum(1935, 70) : Kans(1) ? "01-01-1900" : "");
        v.push_back(soort);
        v.push_back(tijdvak);
        v.push_back(bedragsoort);
        v.push_back(Kans(1) ? "12,34,5" : Bedrag(schaal * (netto ? 900 : 200), schaal * (netto ? 5000 : 9000)));
        v.push_back(Kans(25) ? (Kans(50) ? "groen" : "wit") : "");
        v.push_back(Kans(25) ? (Kans(50) ? "nee" : "ja") : "");
        v.push_back(Een(kVerzekerd));
        v.push_back(Kans(20) ? (Kans(50) ? "8,33" : "0") : "");
        v.push_back(Kans(10) ? std::to_string(40 + Getal(61)) : "");
        v.push_back(Kans(15) ? std::to_string(1 + Getal(22)) : "");
        v.push_back(soort == "bijzonder-loon" ? (Kans(95) ? Bedrag(0, 90000) : "") : Kans(1) ? "30000" : "");
        v.push_back(soort.starts_with("vrij") && Kans(80) ? std::to_string(Getal(53)) : "");
        v.push_back(soort.starts_with("artiest") && Kans(40) ? std::to_string(Getal(53)) + ",5" : "");
        v.push_back(artiest && Kans(40) ? (Kans(50) ? Bedrag(0, 600) : std::to_string(Getal(30)) + "%") : "");
        v.push_back(Kans(20) ? (Kans(50) ? "hoog" : "laag") : "");
        v.push_back(Kans(10) ? Een(kActief) : "");
        v.push_back(Kans(15) ? Een(kRegels) : "");
        v.push_back(Kans(3) ? Een(kRegels) : "");
        v.push_back(Kans(8) ? (Kans(45) ? "4" : Kans(90) ? "7" : "5") : "");
        if (Kans(1))
            v.push_back("te veel");
        return v;
    }

    static std::string Regel(const std::vector<std::string>& v)
    {
        std::string rij;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const bool citeren = v[i].find_first_of(";\"\n") != std::string::npos;
            std::string veld = v[i];
            for (std::size_t p = veld.find('"'); p != std::string::npos; p = veld.find('"', p + 2))
                veld.insert(p, 1, '"');
            rij += (i == 0 ? "" : ";") + (citeren ? "\"" + veld + "\"" : veld);
        }
        return rij + "\n";
    }

    std::mt19937 gen_{2020};
};

std::string LeesBestand(const std::string& pad)
{
    std::ifstream bestand(pad, std::ios::binary);
    std::ostringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}

// The first line in which the texts differ, with both versions, for the report.
std::string EersteVerschil(const std::string& verwacht, const std::string& gekregen)
{
    std::istringstream a(verwacht);
    std::istringstream b(gekregen);
    std::string regelA;
    std::string regelB;
    for (int nummer = 1;; ++nummer) {
        const bool metA = static_cast<bool>(std::getline(a, regelA));
        const bool metB = static_cast<bool>(std::getline(b, regelB));
        if (!metA && !metB)
            return "geen verschil per regel";
        if (!metA || !metB || regelA != regelB)
            return "regel " + std::to_string(nummer) + "\nverwacht: " + regelA + "\ngekregen: " + regelB;
    }
}

} // namespace

TEST(BatchGelijk, TenThousandVariedRowsGiveTheExpectedFileByteForByte)
{
    test::EigenDatabases databases;
    for (const char* fonds : kFondsen)
        test::VoerSqlUit(databases, fonds);
    const std::string invoer = databases.Map().File("invoer.csv");
    std::ofstream(invoer, std::ios::binary) << Rijen().Maak(10000);
    const std::string verwacht = LeesBestand(VKT_TESTGEGEVENS "/batch-10000.csv");

    // On one thread, and on three that take the blocks of rows in turns of their own.
    for (const char* taken : {"1", "3"}) {
        SCOPED_TRACE(std::string("--taken ") + taken);
        const std::string uitvoer = databases.Map().File("uitvoer.csv");
        const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {invoer, "--uitvoer", uitvoer, "--taken", taken});
        EXPECT_EQ(r.code, 1) << "some rows fail: " << r.fout;
        EXPECT_TRUE(r.fout.empty()) << r.fout;
        const std::string gekregen = LeesBestand(uitvoer);
        if (gekregen != verwacht) {
            std::ofstream("batch-10000.gekregen.csv", std::ios::binary) << gekregen;
            ADD_FAILURE() << "the output differs from " VKT_TESTGEGEVENS "/batch-10000.csv (written to "
                             "batch-10000.gekregen.csv in the test's folder); first difference: "
                          << EersteVerschil(verwacht, gekregen);
        }
    }
}

// A row that differs from the one before it only in its amount is computed on
// the calculation as it stands; it must give what it gives on its own.
TEST(BatchGelijk, ARowWithOnlyAnotherAmountGivesWhatItGivesOnItsOwn)
{
    test::EigenDatabases databases;
    for (const char* fonds : kFondsen)
        test::VoerSqlUit(databases, fonds);
    // Fails at its kind of calculation, so the next row is computed the whole way.
    const std::string scheiding = "scheiding;;;onbekend\n";
    const auto [reeksen, gescheiden] = Rijen().MaakReeksen(1000, scheiding);
    const auto uitkomst = [&](const std::string& invoer, const std::string& taken) {
        const std::string bestand = databases.Map().File("invoer.csv");
        const std::string uitvoer = databases.Map().File("uitvoer.csv");
        std::ofstream(bestand, std::ios::binary) << invoer;
        const test::Uitvoer r = test::Voer(cli::BatchOpdracht, {bestand, "--uitvoer", uitvoer, "--taken", taken});
        EXPECT_EQ(r.code, 1) << r.fout;
        return LeesBestand(uitvoer);
    };
    std::string verwacht = uitkomst(gescheiden, "1");
    const std::string gefaald = verwacht.substr(verwacht.find("\nscheiding;") + 1);
    const std::string scheidingUit = gefaald.substr(0, gefaald.find('\n') + 1);
    ASSERT_NE(scheidingUit.find("onbekend"), std::string::npos) << scheidingUit;
    for (std::size_t p = verwacht.find(scheidingUit); p != std::string::npos; p = verwacht.find(scheidingUit, p))
        verwacht.erase(p, scheidingUit.size());

    for (const char* taken : {"1", "3"}) {
        SCOPED_TRACE(std::string("--taken ") + taken);
        const std::string gekregen = uitkomst(reeksen, taken);
        EXPECT_EQ(gekregen.size(), verwacht.size());
        if (gekregen != verwacht)
            ADD_FAILURE() << "first difference: " << EersteVerschil(verwacht, gekregen);
    }
}
