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
#include "cli/Uitvoerbestand.h"
#include "common/DataFolder.h"
#include "common/Exception.h"
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
    "decimale komma. Een tekstveld dat met =, +, - of @ begint en geen getal is, of met een tab of een "
    "wagenterugloop begint, krijgt een ' ervoor, zodat een rekenblad het niet als formule uitvoert. Een rij die niet kan worden berekend krijgt de fout in de kolom "
    "melding; de andere rijen worden gewoon berekend. Elke rij heeft evenveel velden als de kopregel. De rijen worden "
    "tegelijk op --taken processorkernen berekend; de uitvoer houdt de volgorde van de invoer, en het geheugen groeit "
    "niet met het aantal rijen.\n"
    "\n"
    "Met - als BESTAND leest de opdracht de standaardinvoer. Een bestand wordt vooraf helemaal gelezen, zodat een "
    "bestand dat geen CSV is (een aanhalingsteken dat niet wordt gesloten) niets laat berekenen; invoer uit een pijp "
    "wordt maar een keer gelezen, en zo'n fout beëindigt de batch waar ze staat. Het --uitvoer-bestand wordt eerst onder een tijdelijke "
    "naam in dezelfde map geschreven en pas na de laatste rij op zijn plaats gezet: mislukt de batch (een fout in de "
    "invoer, een volle schijf), dan blijft een bestaand bestand van die naam zoals het was.\n"
    "\n"
    "Afsluitcodes: 0 elke rij is berekend, 1 een rij is mislukt, de database kon niet worden gebruikt, de uitvoer "
    "kon niet worden geschreven of de invoer uit een pijp bleek halverwege geen CSV, 2 onjuist gebruik (er is dan "
    "niets berekend).";

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

// The name that stands for the standard input.
constexpr const char* kStandaardinvoer = "-";

// The file the input is read from: "-" is the standard input.
std::string Invoerpad(const std::string& invoer) { return invoer == kStandaardinvoer ? "/dev/stdin" : invoer; }

// The input as a message names it.
std::string Invoernaam(const std::string& invoer)
{
    return invoer == kStandaardinvoer ? "de standaardinvoer" : CitaatPad(invoer);
}

// Refuses an output file that is the input file, also under another name,
// before writing it would lose the input.
void ControleerUitvoer(const BatchArgumenten& argumenten)
{
    std::error_code fout;
    if (argumenten.uitvoer && std::filesystem::equivalent(Invoerpad(argumenten.invoer), *argumenten.uitvoer, fout))
        throw OptieFout("het uitvoerbestand " + CitaatPad(*argumenten.uitvoer) + " is het invoerbestand " +
                        Invoernaam(argumenten.invoer) + "; kies een ander uitvoerbestand.");
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
        throw OptieFout("ongeldig aantal taken " + Citaat(*tekst) + " bij --taken: kies een geheel getal van 1 tot en met " +
                        std::to_string(kMaximumTaken) + ".");
    return taken;
}

BatchArgumenten LeesArgumenten(TOpdrachtregel& regel)
{
    const auto invoer = regel.Waarde("BESTAND");
    if (!invoer)
        throw OptieFout("geef het CSV-bestand op.");
    BatchArgumenten argumenten{*invoer, LeesBestandsnaam(regel, "uitvoer"), LeesTaken(regel.Waarde("taken"))};
    ControleerUitvoer(argumenten);
    return argumenten;
}

std::ifstream OpenInvoer(const std::string& invoer)
{
    std::error_code fout;
    if (std::filesystem::is_directory(Invoerpad(invoer), fout))
        throw OptieFout(Invoernaam(invoer) + " is een map; geef een CSV-bestand.");
    std::ifstream bestand(Invoerpad(invoer), std::ios::binary);
    if (!bestand)
        throw OptieFout(invoer == kStandaardinvoer ? "de standaardinvoer kan niet worden gelezen."
                                                   : "het bestand " + CitaatPad(invoer) + " kan niet worden gelezen.");
    return bestand;
}

// A file that is no CSV text is refused before any row is computed: a file
// is read through once beforehand (a pipe, which can be read only once, is
// not; its error ends the batch where it is found).
void ControleerCsv(const std::string& invoer)
{
    std::error_code fout;
    if (!std::filesystem::is_regular_file(Invoerpad(invoer), fout))
        return;
    std::ifstream bestand = OpenInvoer(invoer);
    ControleerCsvTekst(bestand);
}

// The option of each column of the header; every column must be an option of
// "bereken" (in any letter case), and only "regel" and "fonds" may come more
// than once. Each column is looked up once, however many there are.
std::vector<int> LeesKop(const TCsvBlok& kop)
{
    const std::vector<TBerekenOptie>& opties = BerekenOptieLijst();
    std::vector<bool> gezien(opties.size(), false);
    std::vector<int> kolommen;
    for (std::size_t i = 0; i < kop.AantalVelden(0); ++i) {
        const std::string_view veld = TrimView(kop.Veld(0, i));
        const std::string naam = ToLowerAscii(veld);
        const int positie = BerekenOptiePositie(naam);
        if (positie < 0)
            throw OptieFout("onbekende kolom " + Citaat(veld) + " in de kopregel; zie vkt2020-cli bereken --help.");
        const auto plaats = static_cast<std::size_t>(positie);
        if (gezien[plaats] && !opties[plaats].Herhaalbaar)
            throw OptieFout("de kolom " + Citaat(naam) + " staat twee keer in de kopregel.");
        gezien[plaats] = true;
        kolommen.push_back(positie);
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

// The output could not be written; the rows stop.
struct TUitvoerMislukt {};

// Computes the rows on the threads asked for and writes them in their order;
// true when every row computed. Throws TUitvoerMislukt as soon as the output
// fails, so that no more rows are computed for nothing.
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
            if (!doel)
                throw TUitvoerMislukt();
            alles = alles && blok.alles;
        });
    return alles;
}

} // namespace

int BatchOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli batch", OpdrachtOmschrijving("batch"), kVoettekst);
    regel.Argument("BESTAND", "het CSV-bestand met een berekening per rij; - is de standaardinvoer");
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
    std::unique_ptr<TUitvoerbestand> uitvoerbestand;
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
                throw OptieFout(Invoernaam(gelezen.invoer) + " is geen geldig CSV-bestand: " + error.what());
            }
            if (kop.Aantal() == 0)
                throw OptieFout(Invoernaam(gelezen.invoer) + " heeft geen kopregel.");
            kolommen = LeesKop(kop);
            if (gelezen.uitvoer) {
                try {
                    uitvoerbestand = std::make_unique<TUitvoerbestand>(*gelezen.uitvoer);
                } catch (const Exception& error) {
                    throw OptieFout(error.what());
                }
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
        fout << "vkt2020-cli batch: de heffingsgegevens konden niet worden gemaakt: " << ZonderWagenterugloop(error.what())
             << "\n";
        return 1;
    }

    std::ostream& doel = uitvoerbestand ? uitvoerbestand->Stroom() : uit;
    // What became of the output when the batch stops halfway: a file is left
    // as it was, the standard output (or a device) holds the rows before.
    const bool bewaard = uitvoerbestand && !uitvoerbestand->Rechtstreeks();
    const std::string onvolledig = bewaard ? " Er is niets geschreven; " + CitaatPad(*gelezen.uitvoer) +
                                                 " is niet veranderd."
                                           : " De uitvoer bevat alleen de rijen ervoor.";
    const auto schrijffout = [&] {
        fout << "vkt2020-cli batch: "
             << (uitvoerbestand ? uitvoerbestand->Fout() : std::string("de uitvoer kon niet worden geschreven."))
             << (bewaard ? onvolledig : std::string()) << "\n";
        return 1;
    };
    doel << Kopregel(kop, lezer->Scheidingsteken());
    TFondsengeheugen fondsen(databases.Werknemers);
    const TBatchGegevens gegevens{*basis,    databases.Constanten, fondsen,
                                  kolommen,  Bedragkolom(kolommen), standaard,
                                  lezer->Scheidingsteken()};
    bool alles = true;
    try {
        alles = RekenRijen(*lezer, gegevens, gelezen.taken, doel);
    } catch (const TUitvoerMislukt&) {
        return schrijffout();
    } catch (const CsvFout& error) {
        // Input from a pipe is checked only as it is read: the rows before the
        // error are computed, but the batch as a whole failed.
        fout << "vkt2020-cli batch: " << Invoernaam(gelezen.invoer) << " is geen geldig CSV-bestand: " << error.what()
             << onvolledig << "\n";
        return 1;
    } catch (const std::exception& error) {
        // Such as threads the system would not start, or memory it would not give.
        fout << "vkt2020-cli batch: de rijen konden niet worden berekend: " << ZonderWagenterugloop(error.what())
             << onvolledig << "\n";
        return 1;
    }
    doel.flush();
    if (!doel)
        return schrijffout();
    if (uitvoerbestand) {
        try {
            uitvoerbestand->Vastleggen();
        } catch (const Exception& error) {
            fout << "vkt2020-cli batch: " << error.what() << onvolledig << "\n";
            return 1;
        }
    }
    return alles ? 0 : 1;
}

} // namespace vkt::cli
