#include "cli/BatchOpdracht.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Veldregels.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "common/Text.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace vkt::cli {
namespace {

const char* const kHulp =
    "Gebruik: vkt2020-cli batch BESTAND.csv [--uitvoer BESTAND.csv]\n"
    "\n"
    "Maakt één berekening per rij van het CSV-bestand. De kopregel noemt de opties van\n"
    "'vkt2020-cli bereken' zonder '--' (bijvoorbeeld soort;loonbedrag;soort-loonbedrag); een kolom\n"
    "regel mag vaker voorkomen. Een leeg veld krijgt de standaardwaarde. Het scheidingsteken is ';'\n"
    "als de kopregel er een bevat, anders ','; een veld met het scheidingsteken staat tussen\n"
    "aanhalingstekens. De uitvoer heeft dezelfde kolommen, gevolgd door brutoloon, nettoloon,\n"
    "loonheffing, werkgeverslasten en melding, met hetzelfde scheidingsteken en bedragen met een\n"
    "decimale komma. Een rij die niet kan worden berekend krijgt de fout in de kolom melding; de\n"
    "andere rijen worden gewoon berekend.\n"
    "\n"
    "Opties:\n"
    "  --uitvoer BESTAND.csv\n"
    "      schrijft de uitvoer naar dit bestand (standaard: de standaarduitvoer)\n"
    "\n"
    "Afsluitcodes: 0 elke rij is berekend, 1 een rij is mislukt of de database kon niet worden\n"
    "gebruikt, 2 onjuist gebruik (er is dan niets berekend).\n";

const std::vector<std::string> kUitkomstKolommen = {"brutoloon", "nettoloon", "loonheffing", "werkgeverslasten",
                                                    "melding"};

struct BatchArgumenten {
    std::string invoer;
    std::optional<std::string> uitvoer;
};

BatchArgumenten LeesArgumenten(const std::vector<std::string>& argumenten)
{
    std::vector<std::string> opties;
    std::vector<std::string> bestanden;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        if (!argumenten[i].starts_with("--")) {
            bestanden.push_back(argumenten[i]);
            continue;
        }
        opties.push_back(argumenten[i]);
        if (argumenten[i].find('=') == std::string::npos && i + 1 < argumenten.size())
            opties.push_back(argumenten[++i]);
    }
    const Opties gelezen = LeesOpties(opties, {"--uitvoer"});
    if (bestanden.size() != 1)
        throw OptieFout(bestanden.empty() ? "geef het CSV-bestand op." : "geef precies één CSV-bestand op.");
    return BatchArgumenten{bestanden.front(), gelezen.Waarde("--uitvoer")};
}

std::string LeesBestand(const std::string& pad)
{
    std::ifstream bestand(pad, std::ios::binary);
    if (!bestand)
        throw OptieFout("het bestand '" + pad + "' kan niet worden gelezen.");
    std::ostringstream inhoud;
    inhoud << bestand.rdbuf(); // an empty file sets the fail bit and is refused later for its missing header
    return inhoud.str();
}

// The option names of the header; every column must be an option of
// "bereken", and only "regel" may come more than once.
std::vector<std::string> LeesKop(const TCsvRij& kop)
{
    std::vector<std::string> namen;
    for (const std::string& veld : kop.Velden) {
        const std::string naam = Trim(veld);
        if (!IsBerekenOptie(naam))
            throw OptieFout("onbekende kolom '" + naam + "' in de kopregel; zie vkt2020-cli bereken --help.");
        for (const std::string& eerder : namen)
            if (eerder == naam && naam != "regel")
                throw OptieFout("de kolom '" + naam + "' staat twee keer in de kopregel.");
        namen.push_back(naam);
    }
    return namen;
}

// An amount with two decimals and a decimal comma.
std::string Bedrag(double bedrag)
{
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.2f", bedrag);
    std::string uit = tekst;
    if (uit == "-0.00")
        uit = "0.00";
    uit[uit.find('.')] = ',';
    return uit;
}

// The calculation of every row from copies of one regular levy data.
class Batch {
public:
    Batch(TDatabases& databases, const TVasteHeffingsgegevens& basis, std::vector<std::string> kop)
        : databases_(databases), basis_(basis), kop_(std::move(kop)), vandaag_(Today())
    {
    }

    // The row's fields followed by the outcome; gelukt tells whether it computed.
    std::vector<std::string> Reken(const TCsvRij& rij, bool& gelukt)
    {
        std::vector<std::string> velden = rij.Velden;
        velden.resize(kop_.size());
        std::vector<std::string> uitkomst(kUitkomstKolommen.size());
        try {
            if (rij.Velden.size() > kop_.size())
                throw OptieFout("de rij heeft " + std::to_string(rij.Velden.size()) + " velden, de kopregel " +
                                std::to_string(kop_.size()) + ".");
            uitkomst = BerekenRij(velden);
            gelukt = true;
        } catch (const std::exception& error) {
            uitkomst.back() = error.what();
            gelukt = false;
        }
        velden.insert(velden.end(), uitkomst.begin(), uitkomst.end());
        return velden;
    }

private:
    std::vector<std::string> BerekenRij(const std::vector<std::string>& velden)
    {
        TOptieWaarden waarden;
        for (std::size_t i = 0; i < kop_.size(); ++i)
            if (const std::string waarde = Trim(velden[i]); !waarde.empty())
                waarden.emplace_back(kop_[i], waarde);
        TBerekenOpties opties = LeesBerekenOpties(waarden, vandaag_, "");

        auto vast = std::make_unique<TVasteHeffingsgegevens>();
        vast->Assign(basis_);
        vast->SetConstanten(basis_.Constanten);
        TBerekening::VulHeffingsgegevens(*vast, opties.Invoer);
        SetWAOPremieRegel(*vast);
        TBerekening berekening;
        const auto melding = Bereken(*vast, opties, databases_.Constanten, berekening, "");
        const TUitkomst uitkomst = Uitkomst(berekening);
        return {Bedrag(uitkomst.Brutoloon), Bedrag(uitkomst.Nettoloon), Bedrag(uitkomst.Loonheffing),
                Bedrag(uitkomst.Werkgeverslasten), melding.value_or("")};
    }

    TDatabases& databases_;
    const TVasteHeffingsgegevens& basis_;
    std::vector<std::string> kop_;
    TDateTime vandaag_;
};

} // namespace

int BatchOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    for (const std::string& argument : argumenten)
        if (argument == "--help" || argument == "-h") {
            uit << kHulp;
            return 0;
        }
    std::vector<TCsvRij> rijen;
    std::vector<std::string> kop;
    char scheidingsteken = ',';
    std::ofstream uitvoerbestand;
    try {
        const BatchArgumenten gelezen = LeesArgumenten(argumenten);
        const std::string tekst = LeesBestand(gelezen.invoer);
        scheidingsteken = BepaalScheidingsteken(tekst);
        try {
            rijen = LeesCsv(tekst, scheidingsteken);
        } catch (const CsvFout& error) {
            throw OptieFout("'" + gelezen.invoer + "' is geen geldig CSV-bestand: " + error.what());
        }
        if (rijen.empty())
            throw OptieFout("het bestand '" + gelezen.invoer + "' heeft geen kopregel.");
        kop = LeesKop(rijen.front());
        if (gelezen.uitvoer) {
            uitvoerbestand.open(*gelezen.uitvoer, std::ios::binary);
            if (!uitvoerbestand)
                throw OptieFout("het bestand '" + *gelezen.uitvoer + "' kan niet worden geschreven.");
        }
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli batch: " << error.what() << "\n";
        return 2;
    }

    const TBerekeningInvoer standaard = NieuweBerekeningInvoer(Today());
    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, standaard.BerekeningDatum, fout))
        return 1;
    std::unique_ptr<TVasteHeffingsgegevens> basis;
    try {
        basis = LaadNieuweHeffingsgegevens(databases.Werknemers, databases.Constanten, standaard);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli batch: de heffingsgegevens konden niet worden gemaakt: " << error.what() << "\n";
        return 1;
    }

    std::ostream& doel = uitvoerbestand.is_open() ? uitvoerbestand : uit;
    std::vector<std::string> kopUit = rijen.front().Velden;
    kopUit.insert(kopUit.end(), kUitkomstKolommen.begin(), kUitkomstKolommen.end());
    doel << CsvRegel(kopUit, scheidingsteken);
    Batch batch(databases, *basis, kop);
    bool alles = true;
    for (std::size_t i = 1; i < rijen.size(); ++i) {
        bool gelukt = false;
        doel << CsvRegel(batch.Reken(rijen[i], gelukt), scheidingsteken);
        alles = alles && gelukt;
    }
    doel.flush();
    if (!doel) {
        fout << "vkt2020-cli batch: de uitvoer kon niet worden geschreven.\n";
        return 1;
    }
    return alles ? 0 : 1;
}

} // namespace vkt::cli
