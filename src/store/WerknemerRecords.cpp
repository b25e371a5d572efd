#include "store/WerknemerRecords.h"

#include "common/Meldingen.h"
#include "model/Heffingsgegevens.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"
#include "store/SocialeFondsen.h"
#include "db/Waardetekst.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace vkt {
namespace {

// The nine formulas with their switches: column names and parameter names.
struct TGrondslagPaar {
    const char* Formule;
    const char* Schakelaar;
    const char* FormuleParameter;
    const char* SchakelaarParameter;
};
constexpr TGrondslagPaar kGrondslagParen[] = {
    {"FormulePensioen", "IngeschakeldPensioen", "fpensioen", "indpensioen"},
    {"FormuleVUTFPU", "IngeschakeldVUTFPU", "fvutfpu", "indvutfpu"},
    {"FormuleBelVrijVergoeding", "IngeschakeldBelVrijVergoeding", "fbelvrijvergoeding", "indbelvrijvergoeding"},
    {"FormuleBelVrijInhouding", "IngeschakeldBelVrijInhouding", "fbelvrijinhouding", "indbelvrijinhouding"},
    {"FormuleWW", "IngeschakeldWW", "fww", "indww"},
    {"FormuleWAO", "IngeschakeldWAO", "fwao", "indwao"},
    {"FormuleZfw", "IngeschakeldZfw", "fzfw", "indzfw"},
    {"FormuleIP", "IngeschakeldIP", "fip", "indip"},
    {"FormuleWhk", "IngeschakeldWhk", "fwhk", "indwhk"},
};

// The current employee rows that the list cannot show: a number that is no
// saved calculation's, or no settings row to go with it.
const char* const kOnbruikbareWerknemers =
    "SELECT rowid AS Rij, Naam, Werknemersnummer AS Nummer, EXISTS (SELECT 1 FROM BerekeningsgegevensVKT B WHERE "
    "B.Werkgeversnummer = Werknemersgegevens.Werkgeversnummer AND B.Werknemersnummer = "
    "Werknemersgegevens.Werknemersnummer) AS MetInstellingen FROM Werknemersgegevens WHERE Ingangsdatum = "
    ":Ingangsdatum ORDER BY rowid";

// Every employee number a row of the employer holds in any table, so that a
// new calculation never takes over rows left under its number.
const char* const kHoogsteNummer =
    "SELECT MAX(Nummer) AS Hoogste FROM ("
    "SELECT Werknemersnummer AS Nummer FROM Werknemersgegevens WHERE Werkgeversnummer = :WGNummer "
    "UNION ALL SELECT Werknemersnummer FROM BerekeningsgegevensVKT WHERE Werkgeversnummer = :WGNummer "
    "UNION ALL SELECT Werknemersnummer FROM Heffingsgegevens WHERE Werkgeversnummer = :WGNummer "
    "UNION ALL SELECT Werknemersnummer FROM Heffingsregels WHERE Werkgeversnummer = :WGNummer "
    "UNION ALL SELECT Werknemersnummer FROM GrondslagWN WHERE Werkgeversnummer = :WGNummer "
    "UNION ALL SELECT Werkgeversnummer FROM SociaalFondsWG WHERE Werkgeversnummer <> 0"
    ") WHERE typeof(Nummer) = 'integer'";

// A stored value as a message quotes it.
std::string Getoond(const db::Value& waarde)
{
    return waarde.IsNull() ? std::string("geen waarde") : db::Waardetekst(waarde.AsText());
}

// Why the row cannot be shown, or nothing when it can.
std::optional<std::string> Onbruikbaar(const db::Query& rij)
{
    const db::Value& nummer = rij.FieldByName("Nummer");
    const std::string naam = "de berekening " + Getoond(rij.FieldByName("Naam"));
    const bool geheel = nummer.Type() == db::FieldType::Integer;
    if (!geheel || nummer.AsInteger() < 1 || nummer.AsInteger() > std::numeric_limits<int>::max())
        return naam + " (rij " + rij.AsText("Rij") + " van de tabel Werknemersgegevens) heeft in de kolom " +
               "Werknemersnummer " + Getoond(nummer) + ", geen nummer van 1 tot en met " +
               std::to_string(std::numeric_limits<int>::max());
    if (!rij.AsBoolean("MetInstellingen"))
        return naam + " (nummer " + nummer.AsText() + ") heeft geen rij in de tabel BerekeningsgegevensVKT";
    return std::nullopt;
}

std::string KopieerGrondslagSQL()
{
    std::string kolommen = "Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum";
    std::string waarden = ":WGNummer, :WNNummer, :ingangsdatum, :hersteldatum";
    for (const TGrondslagPaar& paar : kGrondslagParen) {
        kolommen += std::string(", ") + paar.Formule + ", " + paar.Schakelaar;
        waarden += std::string(", :") + paar.FormuleParameter + ", :" + paar.SchakelaarParameter;
    }
    return "INSERT INTO GrondslagWN (" + kolommen + ") VALUES (" + waarden + ")";
}

} // namespace

std::vector<TWerknemerItem> TWerknemerRecords::VulWerknemerLijst()
{
    std::vector<TWerknemerItem> lijst;
    try {
        if (!Initialised) {
            dm_.qryWG.Close();
            dm_.qryWG.Open();
            if (dm_.qryWG.Eof()) {
                dm_.SetWerkgeversnummer(1);
                dm_.qryWNvkt.Close();
                dm_.qryWNvkt.Open();
                meldingen_.ToonFoutmelding("Nog geen werkgever gedefinieerd.");
            } else {
                dm_.OpenWerknemersQuery();
            }
            Initialised = true;
        }
        MeldOnbruikbareBerekeningen();
        db::Query& werknemers = dm_.qryWNvkt;
        for (werknemers.First(); !werknemers.Eof(); werknemers.Next())
            lijst.push_back({static_cast<int>(werknemers.AsInteger("Werknemersnummer")), werknemers.AsText("Naam")});
        if (!werknemers.Locate("Werknemersnummer", db::Value::Integer(dm_.Werknemersnummer)) && !lijst.empty()) {
            werknemers.First();
            for (std::size_t i = 1; i < lijst.size(); ++i)
                werknemers.Next();
        }
    } catch (const std::exception& error) {
        throw EQuelvarException("het openen van de werknemers-query.", error.what());
    }
    return lijst;
}

void TWerknemerRecords::MeldOnbruikbareBerekeningen()
{
    db::Query rijen(dm_.adbQuelvar, kOnbruikbareWerknemers);
    rijen.Param("Ingangsdatum").SetDateTime(TdmVektaris::Hersteldatum());
    rijen.Open();
    std::string tekst;
    for (; !rijen.Eof(); rijen.Next()) {
        const auto reden = Onbruikbaar(rijen);
        if (reden && gemeldeRijen_.insert(rijen.AsInteger("Rij")).second)
            tekst += "\r\n- " + *reden + ".";
    }
    if (!tekst.empty())
        meldingen_.ToonFoutmelding("Deze opgeslagen berekeningen in " + std::string(TdmVektaris::Bestandsnaam) +
                                   " kunnen niet worden geopend en staan daarom niet in de lijst:" + tekst +
                                   "\r\nDe andere berekeningen zijn gewoon te gebruiken; de database is niet "
                                   "veranderd.");
}

bool TWerknemerRecords::LaadBerekening(int n)
{
    try {
        if (n >= 1 && !dm_.qryWNvkt.Locate("Werknemersnummer", db::Value::Integer(n)))
            throw EQuelvarException("De berekening met nummer " + std::to_string(n) + " bestaat niet (meer).");
        db::Query& heffing = dm_.qryVastHefGeg;
        heffing.SetFiltered(false);
        // The levy rows bring the formulas along, which are stored apart
        // from them (a copy gets its formulas after its rows): read anew.
        if (n >= 1 && heffing.Active())
            heffing.Requery();
        heffing.SetFilter("Heffingsgegevens.Werknemersnummer = " + std::to_string(n));
        heffing.SetFiltered(true);
        dm_.SetWerknemersnummer(n);
        if (fondsen_ != nullptr) {
            fondsen_->VerwijderFondsRegels();
            if (n != -1)
                fondsen_->LaadSocialeFondsen(n);
        }
        return true;
    } catch (const std::exception& error) {
        meldingen_.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nhet filteren van de werknemers. ") +
                                   error.what());
        dm_.SetWerknemersnummer(-1);
        return false;
    }
}

std::vector<int> TWerknemerRecords::OpgeslagenNummers() const
{
    db::Query nummers(dm_.adbQuelvar, std::string("SELECT Werknemersgegevens.Werknemersnummer FROM Werknemersgegevens "
                                                  "INNER JOIN BerekeningsgegevensVKT ON "
                                                  "Werknemersgegevens.Werkgeversnummer = "
                                                  "BerekeningsgegevensVKT.Werkgeversnummer AND "
                                                  "Werknemersgegevens.Werknemersnummer = "
                                                  "BerekeningsgegevensVKT.Werknemersnummer "
                                                  "WHERE Werknemersgegevens.Ingangsdatum = :Ingangsdatum AND ") +
                                          TdmVektaris::BruikbaarNummer +
                                          " ORDER BY Werknemersgegevens.Werknemersnummer");
    nummers.Param("Ingangsdatum").SetDateTime(TdmVektaris::Hersteldatum());
    nummers.Open();
    std::vector<int> lijst;
    for (; !nummers.Eof(); nummers.Next())
        lijst.push_back(static_cast<int>(nummers.AsInteger("Werknemersnummer")));
    return lijst;
}

int TWerknemerRecords::NieuwWerknemersnummer()
{
    db::Query hoogste(dm_.adbQuelvar, kHoogsteNummer);
    hoogste.Param("WGNummer").SetInteger(dm_.Werkgeversnummer);
    hoogste.Open();
    if (hoogste.IsNull("Hoogste"))
        return 1;
    const std::int64_t nummer = hoogste.AsInteger("Hoogste");
    // A number past the largest would wrap to a negative one.
    if (nummer >= std::numeric_limits<int>::max())
        throw EQuelvarException("Er kan geen nieuwe berekening worden opgeslagen: het hoogste nummer (" +
                                std::to_string(std::numeric_limits<int>::max()) + ") is al in gebruik.");
    return nummer < 1 ? 1 : static_cast<int>(nummer) + 1;
}

void TWerknemerRecords::KopieerGrondslag(int oud, THeffingsgegevens* vast)
{
    db::Query& grondslag = dm_.qryGrondslagWN;
    try {
        const int werkgever = static_cast<int>(dm_.qryWNvkt.AsInteger("Werkgeversnummer"));
        dm_.OpenGrondslagWN(werkgever, oud);
        for (grondslag.First(); !grondslag.Eof(); grondslag.Next()) {
            db::Query opslaan(dm_.adbQuelvar, KopieerGrondslagSQL());
            opslaan.Param("WGNummer").SetInteger(grondslag.AsInteger("werkgeversnummer"));
            opslaan.Param("WNNummer").SetInteger(dm_.Werknemersnummer);
            opslaan.Param("ingangsdatum").SetDateTime(grondslag.AsDateTime("Ingangsdatum"));
            opslaan.Param("hersteldatum").SetDateTime(grondslag.AsDateTime("Hersteldatum"));
            for (const TGrondslagPaar& paar : kGrondslagParen) {
                opslaan.Param(paar.FormuleParameter).SetText(grondslag.AsText(paar.Formule));
                opslaan.Param(paar.SchakelaarParameter).SetBoolean(grondslag.AsBoolean(paar.Schakelaar));
            }
            opslaan.ExecSQL();
        }
        dm_.OpenGrondslagWN(werkgever, dm_.Werknemersnummer);
        if (vast != nullptr)
            vast->LaadFormules(grondslag);
        grondslag.Close();
    } catch (const std::exception& error) {
        grondslag.Close();
        meldingen_.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nopslaan als: afwijkende grondslag ") +
                                   error.what());
    }
}

} // namespace vkt
