#include "cli/BatchOpdracht.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Veldregels.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"
#include "cli/FondsenOpdracht.h"
#include "cli/Hoofdprogramma.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "common/Text.h"
#include "model/Getallen.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace vkt::cli {
namespace {

const char* const kVoettekst =
    "De kopregel noemt de opties van 'vkt2020-cli bereken' zonder '--' (bijvoorbeeld soort;loonbedrag;"
    "soort-loonbedrag); de kolommen regel en fonds mogen vaker voorkomen. Een leeg veld krijgt de standaardwaarde. "
    "Het scheidingsteken is ';' als de kopregel er een bevat, anders ','; een veld met het scheidingsteken staat "
    "tussen aanhalingstekens.\n"
    "\n"
    "De uitvoer heeft dezelfde kolommen, gevolgd door brutoloon, nettoloon, loonheffing, werkgeverslasten en melding "
    "en daarna arbeidskorting, sv_loon, zvw_loon en lb_loon, met hetzelfde scheidingsteken en bedragen met een "
    "decimale komma. Een tekstveld dat met =, +, - of @ begint en geen getal is, krijgt een ' ervoor, zodat een "
    "rekenblad het niet als formule uitvoert. Een rij die niet kan worden berekend krijgt de fout in de kolom "
    "melding; de andere rijen worden gewoon berekend.\n"
    "\n"
    "Afsluitcodes: 0 elke rij is berekend, 1 een rij is mislukt of de database kon niet worden gebruikt, 2 onjuist "
    "gebruik (er is dan niets berekend).";

// The outcome columns; melding stays where scripts that know only the first
// five expect it, the later ones follow it.
const std::vector<std::string> kUitkomstKolommen = {"brutoloon",      "nettoloon", "loonheffing", "werkgeverslasten",
                                                    "melding",        "arbeidskorting", "sv_loon", "zvw_loon",
                                                    "lb_loon"};
constexpr std::size_t kMelding = 4;

struct BatchArgumenten {
    std::string invoer;
    std::optional<std::string> uitvoer;
};

// Refuses an output file that is the input file, also under another name,
// before opening it would empty it.
void ControleerUitvoer(const BatchArgumenten& argumenten)
{
    std::error_code fout;
    if (argumenten.uitvoer && std::filesystem::equivalent(argumenten.invoer, *argumenten.uitvoer, fout))
        throw OptieFout("het uitvoerbestand '" + *argumenten.uitvoer + "' is het invoerbestand '" +
                        argumenten.invoer + "'; kies een ander uitvoerbestand.");
}

BatchArgumenten LeesArgumenten(TOpdrachtregel& regel)
{
    const auto invoer = regel.Waarde("BESTAND");
    if (!invoer)
        throw OptieFout("geef het CSV-bestand op.");
    BatchArgumenten argumenten{*invoer, regel.Waarde("uitvoer")};
    ControleerUitvoer(argumenten);
    return argumenten;
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
// "bereken" (in any letter case), and only "regel" and "fonds" may come more
// than once.
std::vector<std::string> LeesKop(const TCsvRij& kop)
{
    std::vector<std::string> namen;
    for (const std::string& veld : kop.Velden) {
        const std::string naam = ToLowerAscii(Trim(veld));
        if (!IsBerekenOptie(naam))
            throw OptieFout("onbekende kolom '" + Trim(veld) + "' in de kopregel; zie vkt2020-cli bereken --help.");
        for (const std::string& eerder : namen)
            if (eerder == naam && !IsHerhaalbareBerekenOptie(naam))
                throw OptieFout("de kolom '" + naam + "' staat twee keer in de kopregel.");
        namen.push_back(naam);
    }
    return namen;
}

// The calculation of every row from a copy of one regular levy data, made
// again for each row in the same objects.
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
            uitkomst[kMelding] = ZonderWagenterugloop(error.what());
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
        opties.Invoer.SocialeFondsen = GekozenFondsen(databases_.Werknemers, opties.Fondsen, "");

        vast_.Assign(basis_);
        vast_.SetConstanten(basis_.Constanten);
        TBerekening::VulHeffingsgegevens(vast_, opties.Invoer);
        SetWAOPremieRegel(vast_);
        const auto melding = Bereken(vast_, opties, databases_.Constanten, berekening_, "");
        const TUitkomst u = Uitkomst(berekening_);
        return {FormatBedrag(u.Brutoloon),      FormatBedrag(u.Nettoloon), FormatBedrag(u.Loonheffing), FormatBedrag(u.Werkgeverslasten),
                melding.value_or(""),     FormatBedrag(u.Arbeidskorting), FormatBedrag(u.SvLoon), FormatBedrag(u.ZvwLoon),
                FormatBedrag(u.LbLoon)};
    }

    TDatabases& databases_;
    const TVasteHeffingsgegevens& basis_;
    std::vector<std::string> kop_;
    TDateTime vandaag_;
    TVasteHeffingsgegevens vast_;
    TBerekening berekening_;
};

// Every cell as a spreadsheet should read it: text, never a formula.
std::string Regel(const std::vector<std::string>& velden, char scheidingsteken)
{
    std::vector<std::string> veilig;
    for (const std::string& veld : velden)
        veilig.push_back(ZonderFormule(veld));
    return CsvRegel(veilig, scheidingsteken);
}

} // namespace

int BatchOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli batch", OpdrachtOmschrijving("batch"), kVoettekst);
    regel.Argument("BESTAND", "het CSV-bestand met een berekening per rij");
    regel.Optie("uitvoer", "BESTAND", "schrijft de uitvoer naar dit bestand, niet het invoerbestand (standaard: de "
                                      "standaarduitvoer)");
    std::vector<TCsvRij> rijen;
    std::vector<std::string> kop;
    char scheidingsteken = ',';
    std::ofstream uitvoerbestand;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            const BatchArgumenten gelezen = LeesArgumenten(regel);
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
        },
        uit, fout);
    if (klaar)
        return *klaar;

    const TBerekeningInvoer standaard = NieuweBerekeningInvoer(Today());
    TDatabases databases(Databasemappen());
    if (!OpenDatabases(databases, standaard.BerekeningDatum, TToegang::Lezen, fout))
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
    doel << Regel(kopUit, scheidingsteken);
    Batch batch(databases, *basis, kop);
    bool alles = true;
    for (std::size_t i = 1; i < rijen.size(); ++i) {
        bool gelukt = false;
        doel << Regel(batch.Reken(rijen[i], gelukt), scheidingsteken);
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
