#include "cli/OpgeslagenOpdrachten.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/SchermInvoer.h"
#include "calc/Veldregels.h"
#include "cli/BerekenOpdracht.h"
#include "cli/FondsenOpdracht.h"
#include "cli/Hoofdprogramma.h"
#include "cli/JsonUitvoer.h"
#include "cli/Opties.h"
#include "cli/Rapportbestanden.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "db/Transactie.h"
#include "store/BerekeningOpslag.h"
#include "store/Gegevensscherm.h"
#include "store/Naam.h"
#include "store/SocialeFondsen.h"
#include "store/WerknemerRecords.h"

#include <algorithm>
#include <charconv>
#include <ostream>

namespace vkt::cli {
namespace {

const char* const kLeesAfsluitcodes =
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt, de berekening bestaat niet of kan niet worden "
    "berekend, 2 onjuist gebruik.";
const char* const kSchrijfAfsluitcodes =
    "De opdracht houdt de werknemersdatabase zolang ze loopt voor zich alleen; gebruikt een ander haar, dan meldt ze "
    "meteen \"Vektaris is al in gebruik.\". De wijziging wordt pas vastgelegd als de uitvoer is geschreven; lukt "
    "dat niet, dan is er niets veranderd.\n"
    "\n"
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt, de berekening bestaat niet of de uitvoer kon "
    "niet worden geschreven (er is dan niets veranderd), 2 onjuist gebruik (er is dan niets veranderd).";

// The number argument of a command about one saved calculation.
int LeesNummer(const TOpdrachtregel& regel, const std::string& opdracht)
{
    const auto tekst = regel.Waarde("NUMMER");
    if (!tekst)
        throw OptieFout("geef het nummer van de berekening: vkt2020-cli " + opdracht + " NUMMER.");
    int nummer = 0;
    const auto [einde, fout] = std::from_chars(tekst->data(), tekst->data() + tekst->size(), nummer);
    if (fout != std::errc() || einde != tekst->data() + tekst->size() || nummer < 1)
        throw OptieFout("ongeldig nummer " + Citaat(*tekst) + ": geef het nummer van een opgeslagen berekening.");
    return nummer;
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

// Positions the data module on saved calculation nummer; true when done,
// else the message has been written.
bool PositioneerOp(TWerknemerRecords& records, const TBewaardeMeldingen& meldingen, int nummer,
                   const std::string& opdracht, std::ostream& fout)
{
    const std::vector<TWerknemerItem> lijst = records.VulWerknemerLijst();
    if (std::none_of(lijst.begin(), lijst.end(),
                     [&](const TWerknemerItem& item) { return item.Werknemersnummer == nummer; })) {
        fout << "vkt2020-cli " << opdracht << ": de berekening met nummer " << nummer << " bestaat niet.\n";
        return false;
    }
    if (!records.LaadBerekening(nummer)) {
        fout << "vkt2020-cli " << opdracht << ": " << ZonderWagenterugloop(meldingen.Foutmeldingen.back()) << "\n";
        return false;
    }
    return true;
}

// Why the window would not compute the saved calculation the data module
// rests on, or nothing; else its inputs.
std::optional<std::string> LeesOpgeslagenInvoer(TdmVektaris& dm, TBerekeningInvoer& invoer)
{
    if (auto fout = OngeldigeOpgeslagenWaarde(dm))
        return fout;
    invoer = InvoerVanOpgeslagenBerekening(dm);
    if (const auto veld = ControleerInvoer(invoer))
        return veld->Melding;
    return std::nullopt;
}

// The options of "bereken" for a calculation to store; the name is required.
TBerekenOpties LeesOpslaanOpties(const TOpdrachtregel& regel)
{
    TBerekenOpties opties = LeesBerekenOpties(regel, Today());
    if (Trim(opties.Invoer.Werknemer).empty())
        throw OptieFout("geef de naam van de werknemer met --naam.");
    if (opties.Invoer.ArtiestAftrekBPType == bpdPercentage)
        throw OptieFout("een opgeslagen berekening bewaart de kostenvergoeding als bedrag; geef "
                        "--artiest-kostenvergoeding als bedrag.");
    return opties;
}

// Attaches the chosen catalogue funds to the new calculation.
void KoppelFondsen(TOpslagOmgeving& opslag, TdmVektaris& dm, const std::vector<int>& nummers)
{
    for (const TSociaalFondsWaarden& fonds : GekozenFondsen(dm, nummers, "--"))
        opslag.fondsen.Regels().emplace_back(std::to_string(fonds.Fondsnummer), fonds);
}

} // namespace

int LijstOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli lijst", OpdrachtOmschrijving("lijst"),
                         "De tekst heeft een regel per berekening: het nummer, een tab en de naam; een besturingsteken "
                         "in een naam staat er als \\t, \\n, \\r of \\xHH. De JSON is een lijst met nummer en naam.\n"
                         "\n" +
                             std::string(kLeesAfsluitcodes));
    VoegFormaatToe(regel);
    std::string formaat;
    const auto klaar = regel.Verwerk(argumenten, [&] { formaat = LeesFormaat(regel); }, uit, fout);
    if (klaar)
        return *klaar;
    TDatabases databases(Databasemappen());
    if (!OpenDatabasesOmTeLezen(databases, fout))
        return 1;
    TBewaardeMeldingen meldingen;
    TWerknemerRecords records(databases.Werknemers, meldingen);
    std::vector<TWerknemerItem> lijst;
    try {
        lijst = records.VulWerknemerLijst();
    } catch (const std::exception& error) {
        fout << "vkt2020-cli lijst: de opgeslagen berekeningen konden niet worden gelezen: "
             << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    if (formaat == "json") {
        Json json = Json::array();
        for (const TWerknemerItem& item : lijst)
            json.push_back({{"nummer", item.Werknemersnummer}, {"naam", item.Naam}});
        SchrijfJson(uit, json);
    } else {
        for (const TWerknemerItem& item : lijst)
            uit << item.Werknemersnummer << "\t" << ZichtbareNaam(item.Naam) << "\n";
    }
    // Stored rows that cannot be listed are told, and the listing counts as failed.
    for (const std::string& melding : meldingen.Foutmeldingen)
        fout << "vkt2020-cli lijst: " << ZonderWagenterugloop(melding) << "\n";
    return meldingen.Foutmeldingen.empty() ? 0 : 1;
}

int ToonOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli toon", OpdrachtOmschrijving("toon"),
                         "Een berekening die het programma Vkt2020 zou weigeren (een keuze die niet in haar lijst "
                         "staat, een ongeldige leeftijd, een opgeslagen getal dat geen getal is) wordt niet berekend; "
                         "de opdracht meldt waarom.\n"
                         "\n" + RapportbestandenUitleg() +
                             "\n\n" + kLeesAfsluitcodes);
    regel.Argument("NUMMER", "het nummer van de opgeslagen berekening (zie vkt2020-cli lijst)");
    VoegFormaatToe(regel, "het overzicht als tekst, of de uitkomst als JSON zoals bereken die schrijft");
    VoegRapportbestandenToe(regel);
    int nummer = 0;
    std::string formaat;
    TRapportbestanden bestanden;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            nummer = LeesNummer(regel, "toon");
            formaat = LeesFormaat(regel);
            bestanden = LeesRapportbestanden(regel);
        },
        uit, fout);
    if (klaar)
        return *klaar;

    TDatabases databases(Databasemappen());
    if (!OpenDatabasesOmTeLezen(databases, fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TBewaardeMeldingen meldingen;
    TSocialeFondsen fondsen(dm);
    TWerknemerRecords records(dm, meldingen, &fondsen);
    try {
        if (!PositioneerOp(records, meldingen, nummer, "toon", fout))
            return 1;
        TBerekenOpties opties;
        if (const auto weigering = LeesOpgeslagenInvoer(dm, opties.Invoer)) {
            fout << "vkt2020-cli toon: de berekening met nummer " << nummer << " kan niet worden berekend: "
                 << *weigering << "\n";
            return 1;
        }
        opties.Invoer.SocialeFondsen = fondsen.GetoondeFondsen();
        const auto vast = LaadVasteHeffingsgegevens(dm, databases.Constanten, opties.Invoer);
        TBerekening berekening;
        const auto melding = Bereken(*vast, opties, databases.Constanten, berekening, "--");
        if (!SchrijfBestanden(bestanden, berekening, "toon", fout))
            return 1;
        ToonUitkomst(berekening, *vast, melding, formaat, uit, fout);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli toon: de berekening is mislukt: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

int OpslaanOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli opslaan", OpdrachtOmschrijving("opslaan"),
                         "De opties zijn die van bereken (zie vkt2020-cli bereken --help); --naam is verplicht. Met "
                         "--fonds gekoppelde fondsen en de --awf-premie worden mee opgeslagen; de kostenvergoeding van "
                         "een artiest alleen als bedrag.\n"
                         "\n" +
                             std::string(kSchrijfAfsluitcodes));
    VoegBerekenOptiesToe(regel);
    TBerekenOpties opties;
    const auto klaar = regel.Verwerk(argumenten, [&] { opties = LeesOpslaanOpties(regel); }, uit, fout);
    if (klaar)
        return *klaar;
    TDatabases databases(Databasemappen());
    if (!OpenDatabases(databases, opties.Invoer.BerekeningDatum, TToegang::Exclusief, fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TOpslagOmgeving opslag(dm);
    try {
        opslag.records.VulWerknemerLijst();
        opslag.records.LaadBerekening(-1);
        const auto vast = LaadNieuweHeffingsgegevens(dm, databases.Constanten, opties.Invoer);
        PasRegelsToe(*vast, opties.Regels, "--");
        if (!opties.AwfPremieType.empty())
            vast->AwfPremieType = opties.AwfPremieType;
        KoppelFondsen(opslag, dm, opties.Fondsen);
        VulGegevensScherm(opslag.scherm, opties.Invoer, vast->AwfPremieType);
        opslag.opslag.KaartModus = kmNieuw;
        // The save is committed only after its number was written: when the
        // output fails, nothing is saved, so a script that tries again does
        // not save the calculation twice.
        db::TEigenTransactie transactie(dm.adbQuelvar);
        opslag.opslag.BewaarBerekening(*vast);
        uit << dm.Werknemersnummer << "\n";
        uit.flush();
        if (!uit) {
            fout << "vkt2020-cli opslaan: de uitvoer kon niet worden geschreven, dus de berekening is niet "
                    "opgeslagen.\n";
            return 1;
        }
        transactie.Commit();
    } catch (const OptieFout& error) {
        return regel.Gebruiksfout(error, fout);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli opslaan: de berekening is niet opgeslagen: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

int VerwijderOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli verwijder", OpdrachtOmschrijving("verwijder"), kSchrijfAfsluitcodes);
    regel.Argument("NUMMER", "het nummer van de opgeslagen berekening (zie vkt2020-cli lijst)");
    int nummer = 0;
    const auto klaar = regel.Verwerk(argumenten, [&] { nummer = LeesNummer(regel, "verwijder"); }, uit, fout);
    if (klaar)
        return *klaar;
    TDatabases databases(Databasemappen());
    if (!OpenDatabases(databases, TdmConstanten::BeginBerekeningsdatum(Today()), TToegang::Exclusief, fout))
        return 1;
    TdmVektaris& dm = databases.Werknemers;
    TOpslagOmgeving opslag(dm);
    try {
        // Deleted by its number, without reading its rows: also a calculation that cannot be read can go.
        const std::vector<TWerknemerItem> lijst = opslag.records.VulWerknemerLijst();
        if (std::none_of(lijst.begin(), lijst.end(),
                         [&](const TWerknemerItem& item) { return item.Werknemersnummer == nummer; })) {
            fout << "vkt2020-cli verwijder: de berekening met nummer " << nummer << " bestaat niet.\n";
            return 1;
        }
        // As with opslaan, the delete is committed only after it was told.
        db::TEigenTransactie transactie(dm.adbQuelvar);
        opslag.opslag.VerwijderBerekening(nummer);
        for (const std::string& melding : opslag.meldingen.Meldingen)
            uit << ZonderWagenterugloop(melding) << "\n";
        uit.flush();
        if (!uit) {
            fout << "vkt2020-cli verwijder: de uitvoer kon niet worden geschreven, dus de berekening is niet "
                    "verwijderd.\n";
            return 1;
        }
        transactie.Commit();
    } catch (const std::exception& error) {
        fout << "vkt2020-cli verwijder: de berekening is niet verwijderd: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace vkt::cli
