#include "store/WerknemerRecords.h"

#include "common/Meldingen.h"
#include "model/Heffingsgegevens.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"
#include "store/SocialeFondsen.h"

#include <cstdint>
#include <limits>

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
    db::Query nummers(dm_.adbQuelvar, "SELECT Werknemersnummer FROM Werknemersgegevens ORDER BY Werknemersnummer");
    nummers.Open();
    std::vector<int> lijst;
    for (; !nummers.Eof(); nummers.Next())
        lijst.push_back(static_cast<int>(nummers.AsInteger("Werknemersnummer")));
    return lijst;
}

int TWerknemerRecords::NieuwWerknemersnummer()
{
    db::Query nieuw(dm_.adbQuelvar, "SELECT MAX(Werknemersnummer) + 1 AS NewWNNummer FROM Werknemersgegevens "
                                    "WHERE Werkgeversnummer = :WGNummer");
    nieuw.Param("WGNummer").SetInteger(dm_.Werkgeversnummer);
    nieuw.Open();
    if (nieuw.IsNull("NewWNNummer"))
        return 1;
    const std::int64_t nummer = nieuw.AsInteger("NewWNNummer");
    // A number past the largest would wrap to a negative one.
    if (nummer > std::numeric_limits<int>::max())
        throw EQuelvarException("Er kan geen nieuwe berekening worden opgeslagen: het hoogste nummer (" +
                                std::to_string(std::numeric_limits<int>::max()) + ") is al in gebruik.");
    return static_cast<int>(nummer);
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
