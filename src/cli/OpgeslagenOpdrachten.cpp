#include "cli/OpgeslagenOpdrachten.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/SchermInvoer.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "store/BerekeningOpslag.h"
#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "store/WerknemerRecords.h"

#include <algorithm>
#include <charconv>
#include <ostream>

namespace vkt::cli {
namespace {

// The employee number that leads the arguments; the rest are options.
int LeesNummer(std::vector<std::string>& argumenten, const std::string& opdracht)
{
    if (argumenten.empty() || argumenten.front().starts_with("--"))
        throw OptieFout("geef het nummer van de berekening: vkt2020-cli " + opdracht + " NUMMER.");
    const std::string tekst = argumenten.front();
    int nummer = 0;
    const auto [einde, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), nummer);
    if (fout != std::errc() || einde != tekst.data() + tekst.size() || nummer < 1)
        throw OptieFout("ongeldig nummer '" + tekst + "': geef het nummer van een opgeslagen berekening.");
    argumenten.erase(argumenten.begin());
    return nummer;
}

// The options of "bereken" for a calculation to store; the name is required.
TBerekenOpties LeesOpslaanOpties(const std::vector<std::string>& argumenten)
{
    TBerekenOpties opties =
        LeesBerekenOpties(LeesOpties(argumenten, BerekenOptieArgumenten(), {"--regel"}), Today());
    if (Trim(opties.Invoer.Werknemer).empty())
        throw OptieFout("geef de naam van de werknemer met --naam.");
    return opties;
}

// The parts of the calculation window that storing and deleting use.
struct TOpslagOmgeving {
    explicit TOpslagOmgeving(TdmVektaris& dm)
        : fondsen(dm), records(dm, meldingen, &fondsen), scherm(dm), opslag(dm, records, scherm, fondsen, meldingen)
    {
    }
    TBewaardeMeldingen meldingen;
    TSocialeFondsen fondsen;
    TWerknemerRecords records;
    TGegevensScherm scherm;
    TBerekeningOpslag opslag;
};

// Positions the data module on saved calculation nummer; 0 when done, else
// the exit code after the message: 2 for a number that is not saved, 1 when
// positioning failed.
int PositioneerOp(TWerknemerRecords& records, const TBewaardeMeldingen& meldingen, int nummer,
                  const std::string& opdracht, std::ostream& fout)
{
    const std::vector<TWerknemerItem> lijst = records.VulWerknemerLijst();
    if (std::none_of(lijst.begin(), lijst.end(),
                     [&](const TWerknemerItem& item) { return item.Werknemersnummer == nummer; })) {
        fout << "vkt2020-cli " << opdracht << ": er is geen opgeslagen berekening met nummer " << nummer << ".\n";
        return 2;
    }
    if (!records.LaadBerekening(nummer)) {
        fout << "vkt2020-cli " << opdracht << ": " << ZonderWagenterugloop(meldingen.Foutmeldingen.back()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int LijstOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    if (!argumenten.empty()) {
        fout << "vkt2020-cli lijst: onverwacht argument '" << argumenten.front() << "'.\n";
        return 2;
    }
    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, TdmConstanten::BeginBerekeningsdatum(Today()), fout))
        return 1;
    TBewaardeMeldingen meldingen;
    TWerknemerRecords records(databases.Werknemers, meldingen);
    try {
        for (const TWerknemerItem& item : records.VulWerknemerLijst())
            uit << item.Werknemersnummer << "\t" << item.Naam << "\n";
    } catch (const std::exception& error) {
        fout << "vkt2020-cli lijst: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

int ToonOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    std::vector<std::string> rest = argumenten;
    int nummer = 0;
    std::string formaat;
    try {
        nummer = LeesNummer(rest, "toon");
        formaat = LeesFormaat(LeesOpties(rest, {"--formaat"}));
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli toon: " << error.what() << "\n";
        return 2;
    }

    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, TdmConstanten::BeginBerekeningsdatum(Today()), fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TBewaardeMeldingen meldingen;
    TSocialeFondsen fondsen(dm);
    TWerknemerRecords records(dm, meldingen, &fondsen);
    try {
        if (const int code = PositioneerOp(records, meldingen, nummer, "toon", fout); code != 0)
            return code;
        TBerekenOpties opties;
        opties.Invoer = InvoerVanOpgeslagenBerekening(dm, Today());
        opties.Invoer.SocialeFondsen = fondsen.GetoondeFondsen();
        const auto vast = LaadVasteHeffingsgegevens(dm, databases.Constanten, opties.Invoer);
        TBerekening berekening;
        const auto melding = Bereken(*vast, opties, databases.Constanten, berekening, "--");
        ToonUitkomst(berekening, *vast, melding, formaat, uit, fout);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli toon: de berekening is mislukt: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

int OpslaanOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TBerekenOpties opties;
    try {
        opties = LeesOpslaanOpties(argumenten);
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli opslaan: " << error.what() << "\n";
        return 2;
    }
    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, opties.Invoer.BerekeningDatum, fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TOpslagOmgeving opslag(dm);
    try {
        opslag.records.VulWerknemerLijst();
        opslag.records.LaadBerekening(-1);
        const auto vast = LaadNieuweHeffingsgegevens(dm, databases.Constanten, opties.Invoer);
        PasRegelsToe(*vast, opties.Regels, "--");
        VulGegevensScherm(opslag.scherm, opties.Invoer, vast->AwfPremieType);
        opslag.opslag.KaartModus = kmNieuw;
        opslag.opslag.BewaarBerekening(*vast);
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli opslaan: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        fout << "vkt2020-cli opslaan: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    uit << dm.Werknemersnummer << "\n";
    return 0;
}

int VerwijderOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    std::vector<std::string> rest = argumenten;
    int nummer = 0;
    try {
        nummer = LeesNummer(rest, "verwijder");
        if (!rest.empty())
            throw OptieFout("onverwacht argument '" + rest.front() + "'.");
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli verwijder: " << error.what() << "\n";
        return 2;
    }
    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, TdmConstanten::BeginBerekeningsdatum(Today()), fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TOpslagOmgeving opslag(dm);
    try {
        if (const int code = PositioneerOp(opslag.records, opslag.meldingen, nummer, "verwijder", fout); code != 0)
            return code;
        opslag.scherm.dgGegevensWN.Load();
        opslag.scherm.dgHeffingsgegevens.Load();
        const TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(dm, Today());
        const auto vast = LaadVasteHeffingsgegevens(dm, databases.Constanten, invoer);
        opslag.opslag.KaartModus = kmBestaand;
        opslag.opslag.VerwijderBerekening(*vast);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli verwijder: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    for (const std::string& melding : opslag.meldingen.Meldingen)
        uit << ZonderWagenterugloop(melding) << "\n";
    return 0;
}

} // namespace vkt::cli
