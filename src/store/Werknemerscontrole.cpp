#include "store/Werknemerscontrole.h"

#include "common/Text.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "model/Enumeraties.h"
#include "model/QuelvarException.h"

#include <algorithm>
#include <vector>

namespace vkt {
namespace {

const char* const kBestand = "Vkt2020.db";

struct TTabel {
    const char* Naam;
    std::vector<const char*> Kolommen;
    // Its rows are written through output sets, which update and delete by
    // the primary key.
    bool MetSleutel;
};

// Every table and column the program reads or writes. GrondslagKolom of
// Looncomponenten is optional: it is used only where it exists.
const std::vector<TTabel>& Tabellen()
{
    static const std::vector<TTabel> kTabellen = {
        {"Versie", {"Versie"}, false},
        {"dbparams", {"param_cd", "param_value"}, false},
        {"Werkgever",
         {"Werkgeversnummer", "PercentageVakantiegeld", "PremieZfwWG", "PremieZfwWN", "PremieWAOVast", "PremieWhk",
          "PremieAwfLaag", "PremieAwfHoog", "PensioenpremieWN", "PensioenpremieWG", "VUTFPUPremieWN", "VUTFPUPremieWG",
          "IPPremieWN", "IPPremieWG"},
         false},
        {"Looncomponenten",
         {"Werkgeversnummer", "KolomnummerLC", "LooncomponentnummerLC", "OmschrijvingLC", "RegeltypeLC", "SystemLC",
          "DebetLC", "RekeningnummerLC", "TegenrekeningLC"},
         false},
        {"Werknemersgegevens",
         {"Werkgeversnummer", "Werknemersnummer", "Ingangsdatum", "Hersteldatum", "Naam", "Sofinummer",
          "WerknemerSoort", "Geboortedatum", "CodeLoonheffingskorting", "Loontijdvak", "Tabelkleur",
          "LoonbelastingtabelVoorInwoner", "Vastloon", "Deeltijdpercentage", "VerzekerdWW", "VerzekerdWAO",
          "VerzekerdZfw", "JaarloonVorigJaar"},
         true},
        {"BerekeningsgegevensVKT",
         {"Werkgeversnummer", "Werknemersnummer", "BerekeningsDatum", "VerminderingLBPH", "PercentageVakantiegeld",
          "ActiefWAO", "ActiefWW", "ActiefWhk", "ActiefZvw", "ActiefVUTFPU", "ActiefIP", "ActiefPensioen",
          "ActiefLevensloop", "WGLastenTonen", "InclusiefVakantie", "SoortLoonbedrag", "PercentageLoonheffing",
          "ArtiestAftrekBedrag", "ArtiestAftrekBPType", "ArtiestLoonheffing", "IPzonderDeeltijd", "SFDeeltijd"},
         true},
        {"Heffingsgegevens",
         {"Werkgeversnummer", "Werknemersnummer", "Heffingstype", "Ingangsdatum", "Hersteldatum", "DagTabelDagen",
          "AwfPremieType", "DagTabelToepassen", "SVDagen", "PercentageLBPH", "AfwijkendPercentageLBPH"},
         true},
        {"GrondslagWN",
         {"Werkgeversnummer", "Werknemersnummer", "Ingangsdatum", "Hersteldatum", "FormulePensioen", "FormuleVUTFPU",
          "FormuleBelVrijVergoeding", "FormuleBelVrijInhouding", "FormuleWW", "FormuleWAO", "FormuleZfw", "FormuleIP",
          "FormuleWhk", "IngeschakeldPensioen", "IngeschakeldVUTFPU", "IngeschakeldBelVrijVergoeding",
          "IngeschakeldBelVrijInhouding", "IngeschakeldWW", "IngeschakeldWAO", "IngeschakeldZfw", "IngeschakeldIP",
          "IngeschakeldWhk"},
         true},
        {"Heffingsregels",
         {"Werkgeversnummer", "Werknemersnummer", "Heffingstype", "Ingangsdatum", "Hersteldatum", "Kolomnummer",
          "Looncomponentnummer", "Regeltype", "Fondsnummer", "TbvVakantieGeld", "TbvSocialeFondsen", "Bedrag",
          "Percentage", "Uren", "BPDType", "KolomType", "GrondslagKolom", "Franchise", "JaarGrens", "Deelname",
          "Vergoeding", "ResultaatBedrag", "AfwijkendeGrondslag", "GrondslagActief"},
         false},
        {"SociaalFondsWG",
         {"Werkgeversnummer", "Ingangsdatum", "Fondsnummer", "Omschrijving", "FondsActief", "BPDType", "PremieWG",
          "PremieWN", "FranchiseWG", "FranchiseWN", "BedragWG", "BedragWN", "JaargrensWG", "JaargrensWN",
          "WGBoekenInKolom", "WNBoekenInKolom", "KolomTypeWG", "KolomTypeWN", "GrondslagnummerWG", "GrondslagnummerWN",
          "LooncomponentnummerWG", "LooncomponentnummerWN", "AfwijkendeGrondslagWG", "AfwijkendeGrondslagWN",
          "ActiefWG", "ActiefWN"},
         false},
    };
    return kTabellen;
}

struct TVerplichtComponent {
    int Regeltype;
    const char* Omschrijving;
};

// The lines every calculation computes: the gross wage and the statutory
// charges of the employer.
constexpr TVerplichtComponent kVerplichteComponenten[] = {
    {rtBrutoloon, "Brutoloon"},
    {rtWWPremieAwfLaag, "AWf laag"},
    {rtWWPremieAwfHoog, "AWf hoog"},
    {rtWAOPremieVast, "Basispremie WAO/WIA"},
    {rtWhkPremie, "Whk-premie"},
    {rtZfwPremieWG, "Zvw werkgeversheffing"},
};

std::string VanBestand(const char* tabel) { return std::string("De tabel ") + tabel + " van " + kBestand; }

void ControleerTabel(db::Connection& verbinding, const TTabel& tabel)
{
    if (!verbinding.TableExists(tabel.Naam))
        throw EQuelvarException(std::string("De tabel ") + tabel.Naam + " ontbreekt in " + kBestand + ".");
    const std::vector<db::ColumnInfo> kolommen = verbinding.Columns(tabel.Naam);
    for (const char* kolom : tabel.Kolommen) {
        const bool aanwezig = std::any_of(kolommen.begin(), kolommen.end(), [&](const db::ColumnInfo& info) {
            return EqualsIgnoreCase(info.Name, kolom);
        });
        if (!aanwezig)
            throw EQuelvarException(VanBestand(tabel.Naam) + " mist de kolom " + kolom + ".");
    }
    if (tabel.MetSleutel && verbinding.PrimaryKey(tabel.Naam).empty())
        throw EQuelvarException(VanBestand(tabel.Naam) +
                                " heeft geen primaire sleutel; zonder sleutel kan een berekening er niet in worden "
                                "opgeslagen.");
}

void ControleerLooncomponenten(db::Connection& verbinding)
{
    db::Query werkgever(verbinding, "SELECT Werkgeversnummer FROM Werkgever");
    werkgever.Open();
    if (werkgever.Eof())
        return;
    std::int64_t nummer = 0;
    try {
        nummer = werkgever.AsInteger("Werkgeversnummer");
    } catch (const std::exception& fout) {
        throw EQuelvarException(VanBestand("Werkgever") + ": " + fout.what() + ".");
    }
    db::Query componenten(verbinding, "SELECT COUNT(*) AS Aantal FROM Looncomponenten WHERE Werkgeversnummer = "
                                      ":WGNummer AND SystemLC = TRUE AND RegeltypeLC = :Regeltype");
    std::string ontbrekend;
    for (const TVerplichtComponent& component : kVerplichteComponenten) {
        componenten.Param("WGNummer").SetInteger(nummer);
        componenten.Param("Regeltype").SetInteger(component.Regeltype);
        componenten.Open();
        if (componenten.AsInteger("Aantal") == 0)
            ontbrekend += std::string(ontbrekend.empty() ? "" : ", ") + component.Omschrijving + " (regeltype " +
                          std::to_string(component.Regeltype) + ")";
    }
    if (!ontbrekend.empty())
        throw EQuelvarException(VanBestand("Looncomponenten") + " mist voor werkgever " + std::to_string(nummer) +
                                " de systeemlooncomponenten " + ontbrekend +
                                "; zonder die looncomponenten kan geen berekening worden gemaakt.");
}

} // namespace

void ControleerWerknemersdatabase(db::Connection& verbinding)
{
    for (const TTabel& tabel : Tabellen())
        ControleerTabel(verbinding, tabel);
    ControleerLooncomponenten(verbinding);
}

} // namespace vkt
