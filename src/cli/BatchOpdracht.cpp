#include "cli/BatchOpdracht.h"

#include "calc/OpenenBerekening.h"
#include "calc/Veldregels.h"
#include "cli/BatchRekenaar.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"
#include "cli/Fondsengeheugen.h"
#include "cli/GeordendParallel.h"
#include "cli/Hoofdprogramma.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>

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
    "melding; de andere rijen worden gewoon berekend. De rijen worden tegelijk op --taken processorkernen berekend; "
    "de uitvoer houdt de volgorde van de invoer, en het geheugen groeit niet met het aantal rijen.\n"
    "\n"
    "Afsluitcodes: 0 elke rij is berekend, 1 een rij is mislukt of de database kon niet worden gebruikt, 2 onjuist "
    "gebruik (er is dan niets berekend).";

// The outcome columns; melding stays where scripts that know only the first
// five expect it, the later ones follow it.
const char* const kUitkomstKolommen[] = {"brutoloon", "nettoloon",      "loonheffing", "werkgeverslasten", "melding",
                                         "arbeidskorting", "sv_loon", "zvw_loon", "lb_loon"};
// Rows are read, computed and written in blocks: small enough that the
// threads share the work evenly to the end, large enough that handing a
// block over, which wakes the writing thread, costs little. A block holds a
// thirty-second of the rows read before it, from 64 to 1024: the last block,
// which one thread may still compute when the others are done, stays a small
// part of the whole.
std::size_t RijenVoorBlok(std::size_t gelezen) { return std::clamp<std::size_t>(gelezen / 32, 64, 1024); }
constexpr int kMaximumTaken = 256;

struct BatchArgumenten {
    std::string invoer;
    std::optional<std::string> uitvoer;
    int taken = 1;
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

int StandaardTaken() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

// The number of threads: a whole number from 1 to kMaximumTaken.
int LeesTaken(const std::optional<std::string>& tekst)
{
    if (!tekst)
        return StandaardTaken();
    int taken = 0;
    const auto [einde, fout] = std::from_chars(tekst->data(), tekst->data() + tekst->size(), taken);
    if (tekst->empty() || fout != std::errc() || einde != tekst->data() + tekst->size() || taken < 1 ||
        taken > kMaximumTaken)
        throw OptieFout("ongeldig aantal taken '" + *tekst + "' bij --taken: kies een geheel getal van 1 tot en met " +
                        std::to_string(kMaximumTaken) + ".");
    return taken;
}

BatchArgumenten LeesArgumenten(TOpdrachtregel& regel)
{
    const auto invoer = regel.Waarde("BESTAND");
    if (!invoer)
        throw OptieFout("geef het CSV-bestand op.");
    BatchArgumenten argumenten{*invoer, regel.Waarde("uitvoer"), LeesTaken(regel.Waarde("taken"))};
    ControleerUitvoer(argumenten);
    return argumenten;
}

std::ifstream OpenInvoer(const std::string& pad)
{
    std::ifstream bestand(pad, std::ios::binary);
    if (!bestand)
        throw OptieFout("het bestand '" + pad + "' kan niet worden gelezen.");
    return bestand;
}

// A file that is no CSV text is refused before any row is computed: a file
// is read through once beforehand (a pipe, which can be read only once, is
// not; its error ends the batch where it is found).
void ControleerCsv(const std::string& pad)
{
    std::error_code fout;
    if (!std::filesystem::is_regular_file(pad, fout))
        return;
    std::ifstream bestand = OpenInvoer(pad);
    ControleerCsvTekst(bestand);
}

// The option of each column of the header; every column must be an option of
// "bereken" (in any letter case), and only "regel" and "fonds" may come more
// than once.
std::vector<int> LeesKop(const TCsvBlok& kop)
{
    std::vector<std::string> namen;
    std::vector<int> kolommen;
    for (std::size_t i = 0; i < kop.AantalVelden(0); ++i) {
        const std::string veld(kop.Veld(0, i));
        const std::string naam = ToLowerAscii(Trim(veld));
        if (!IsBerekenOptie(naam))
            throw OptieFout("onbekende kolom '" + Trim(veld) + "' in de kopregel; zie vkt2020-cli bereken --help.");
        for (const std::string& eerder : namen)
            if (eerder == naam && !IsHerhaalbareBerekenOptie(naam))
                throw OptieFout("de kolom '" + naam + "' staat twee keer in de kopregel.");
        namen.push_back(naam);
        kolommen.push_back(BerekenOptiePositie(naam));
    }
    return kolommen;
}

// The header as written: the input's columns, then the outcome's.
std::string Kopregel(const TCsvBlok& kop, char scheidingsteken)
{
    std::string regel;
    for (std::size_t i = 0; i < kop.AantalVelden(0); ++i)
        VoegVeldToe(regel, kop.Veld(0, i), scheidingsteken, i == 0, true);
    for (const char* kolom : kUitkomstKolommen)
        VoegVeldToe(regel, kolom, scheidingsteken, false, true);
    return regel + "\n";
}

// One block of rows in the ring: the rows read, their output lines and
// whether every row computed.
struct TBlok {
    TCsvBlok rijen;
    std::string uitvoer;
    bool alles = true;
};

// The one column of the amount, or -1.
int Bedragkolom(const std::vector<int>& kolommen)
{
    const int bedrag = BerekenOptiePositie("loonbedrag");
    if (std::count(kolommen.begin(), kolommen.end(), bedrag) != 1)
        return -1;
    return static_cast<int>(std::find(kolommen.begin(), kolommen.end(), bedrag) - kolommen.begin());
}

// Computes the rows on the threads asked for and writes them in their order;
// true when every row computed.
bool RekenRijen(TCsvLezer& lezer, const TBatchGegevens& gegevens, int taken, std::ostream& doel)
{
    std::vector<std::unique_ptr<TBatchRekenaar>> rekenaars;
    for (int taak = 0; taak < taken; ++taak)
        rekenaars.push_back(std::make_unique<TBatchRekenaar>(gegevens));
    TGeordendParallel parallel(taken);
    std::vector<TBlok> blokken(static_cast<std::size_t>(parallel.Plaatsen()));
    bool alles = true;
    std::size_t gelezen = 0;
    parallel.Verwerk(
        [&](int plaats) {
            TBlok& blok = blokken[static_cast<std::size_t>(plaats)];
            blok.rijen.Leeg();
            gelezen += lezer.Lees(blok.rijen, RijenVoorBlok(gelezen));
            return blok.rijen.Aantal() > 0;
        },
        [&](int plaats, int taak) {
            TBlok& blok = blokken[static_cast<std::size_t>(plaats)];
            TBatchRekenaar& rekenaar = *rekenaars[static_cast<std::size_t>(taak)];
            blok.uitvoer.clear();
            blok.alles = true;
            for (std::size_t rij = 0; rij < blok.rijen.Aantal(); ++rij)
                blok.alles = rekenaar.Reken(blok.rijen, rij, blok.uitvoer) && blok.alles;
        },
        [&](int plaats) {
            const TBlok& blok = blokken[static_cast<std::size_t>(plaats)];
            doel.write(blok.uitvoer.data(), static_cast<std::streamsize>(blok.uitvoer.size()));
            alles = alles && blok.alles;
        });
    return alles;
}

} // namespace

int BatchOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli batch", OpdrachtOmschrijving("batch"), kVoettekst);
    regel.Argument("BESTAND", "het CSV-bestand met een berekening per rij");
    regel.Optie("uitvoer", "BESTAND", "schrijft de uitvoer naar dit bestand, niet het invoerbestand (standaard: de "
                                      "standaarduitvoer)");
    regel.Optie("taken", "AANTAL", "rekent de rijen op zoveel processorkernen tegelijk, 1 tot en met " +
                                       std::to_string(kMaximumTaken) + " (standaard: het aantal kernen, hier " +
                                       std::to_string(StandaardTaken()) + ")");
    BatchArgumenten gelezen;
    std::ifstream invoer;
    std::unique_ptr<TCsvLezer> lezer;
    TCsvBlok kop;
    std::vector<int> kolommen;
    std::ofstream uitvoerbestand;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            gelezen = LeesArgumenten(regel);
            invoer = OpenInvoer(gelezen.invoer);
            try {
                ControleerCsv(gelezen.invoer);
                lezer = std::make_unique<TCsvLezer>(invoer);
                lezer->Lees(kop, 1);
            } catch (const CsvFout& error) {
                throw OptieFout("'" + gelezen.invoer + "' is geen geldig CSV-bestand: " + error.what());
            }
            if (kop.Aantal() == 0)
                throw OptieFout("het bestand '" + gelezen.invoer + "' heeft geen kopregel.");
            kolommen = LeesKop(kop);
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
    doel << Kopregel(kop, lezer->Scheidingsteken());
    TFondsengeheugen fondsen(databases.Werknemers);
    const TBatchGegevens gegevens{*basis,    databases.Constanten, fondsen,
                                  kolommen,  Bedragkolom(kolommen), standaard,
                                  lezer->Scheidingsteken()};
    bool alles = true;
    try {
        alles = RekenRijen(*lezer, gegevens, gelezen.taken, doel);
    } catch (const CsvFout& error) {
        return regel.Gebruiksfout(OptieFout("'" + gelezen.invoer + "' is geen geldig CSV-bestand: " + error.what()),
                                  fout);
    } catch (const std::exception& error) {
        // Such as threads the system would not start, or memory it would not give.
        fout << "vkt2020-cli batch: de rijen konden niet worden berekend: " << error.what() << "\n";
        return 1;
    }
    doel.flush();
    if (!doel) {
        fout << "vkt2020-cli batch: de uitvoer kon niet worden geschreven.\n";
        return 1;
    }
    return alles ? 0 : 1;
}

} // namespace vkt::cli
