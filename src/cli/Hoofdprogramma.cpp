#include "cli/Hoofdprogramma.h"

#include "cli/BatchOpdracht.h"
#include "cli/BerekenOpdracht.h"
#include "cli/ConstantenOpdracht.h"
#include "cli/FondsenOpdracht.h"
#include "cli/OpgeslagenOpdrachten.h"
#include "cli/VerloopOpdracht.h"
#include "cli/Opties.h"
#include "common/Text.h"

#include <exception>
#include <ostream>

namespace vkt::cli {
namespace {

using TUitvoering = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct TOpdracht {
    const char* Naam;
    const char* Omschrijving;
    TUitvoering Voer;
};

const TOpdracht kOpdrachten[] = {
    {"constanten",
     "Toont de fiscale constanten van 2020 die op een datum gelden: tijdvakfactoren, schijven, heffingskortingen per "
     "inwonergroep, minimumloon, de tabel bijzondere beloningen en de premieloonmaxima.",
     ConstantenOpdracht},
    {"bereken",
     "Maakt één berekening zonder opgeslagen berekening, met de standaardwaarden van een nieuwe berekening, en toont "
     "het overzicht als tekst of de uitkomst als JSON. Met een andere --soort-loonbedrag dan brutoloon wordt het "
     "brutoloon gezocht.",
     BerekenOpdracht},
    {"batch",
     "Maakt één berekening per rij van een CSV-bestand waarvan de kopregel de opties van bereken noemt, en herhaalt "
     "elke rij met de uitkomst.",
     BatchOpdracht},
    {"verloop",
     "Toont het loonverloop van één berekening met de opties van bereken: per brutoloon van --van tot --tot het "
     "nettoloon, de loonheffing, de arbeidskorting, de werkgeverslasten en de marginale druk, als CSV of JSON, en "
     "tekent desgewenst de grafiek.",
     VerloopOpdracht},
    {"lijst", "Toont het nummer en de naam van elke opgeslagen berekening.", LijstOpdracht},
    {"toon", "Rekent een opgeslagen berekening door en toont haar zoals bereken dat doet.", ToonOpdracht},
    {"opslaan", "Slaat een nieuwe berekening op met de opties van bereken en toont haar nummer.", OpslaanOpdracht},
    {"verwijder", "Verwijdert een opgeslagen berekening.", VerwijderOpdracht},
    {"fondsen", "Toont de sociale fondsen die u met --fonds aan een berekening koppelt.", FondsenOpdracht},
};

const char* const kVoettekst =
    "Zie vkt2020-cli <opdracht> --help voor de argumenten en opties van elke opdracht. Opties en keuzewoorden "
    "mogen in hoofd- of kleine letters.\n"
    "\n"
    "bereken, batch, verloop, lijst, toon, fondsen en constanten lezen de databases alleen en kunnen naast elkaar lopen. "
    "opslaan en verwijder houden de werknemersdatabase zolang ze lopen voor zich alleen, net als het programma "
    "Vkt2020. Een lezende opdracht wacht dan enkele seconden en meldt daarna \"Vektaris is al in gebruik.\"; "
    "opslaan en verwijder melden dat meteen als een ander de database gebruikt.\n"
    "\n"
    "De databases VktC2020.db en Vkt2020.db staan in de map van het programma, tenzij de omgevingsvariabele "
    "VKT2020_DATA een andere map noemt.\n"
    "\n"
    "Afsluitcodes: 0 gelukt; 1 mislukt: een database kon niet worden gebruikt, een opgeslagen berekening bestaat "
    "niet of klopt niet, de berekening of het schrijven van de uitvoer mislukte (bij batch ook: een rij is "
    "mislukt); 2 onjuist gebruik (er is dan niets berekend of opgeslagen).";

int VoerOpdrachtUit(const TOpdrachtregel& regel, std::ostream& uit, std::ostream& fout)
{
    const auto gekozen = regel.GekozenOpdracht();
    if (!gekozen) {
        fout << regel.Hulp();
        return 2;
    }
    for (const TOpdracht& opdracht : kOpdrachten)
        if (EqualsIgnoreCase(gekozen->first, opdracht.Naam))
            return opdracht.Voer(gekozen->second, uit, fout);
    return 2; // CLI11 chooses only the commands it was given
}

} // namespace

std::string ProgrammaVersie() { return VKT_VERSIE; }

std::string OpdrachtOmschrijving(const std::string& opdracht)
{
    for (const TOpdracht& bekend : kOpdrachten)
        if (opdracht == bekend.Naam)
            return bekend.Omschrijving;
    return {};
}

int Hoofdprogramma(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli",
                         "De berekeningen van Vkt2020, loonberekening voor belastingjaar 2020, voor scripts.",
                         kVoettekst);
    regel.Vlag("version", "toont de versie van het programma");
    for (const TOpdracht& opdracht : kOpdrachten)
        regel.Opdracht(opdracht.Naam, opdracht.Omschrijving);
    int code = 0;
    try {
        if (!regel.Lees(argumenten))
            uit << regel.Hulp();
        else if (regel.Gegeven("version"))
            uit << "vkt2020-cli " << ProgrammaVersie() << "\n";
        else
            code = VoerOpdrachtUit(regel, uit, fout);
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli: " << error.what() << " Zie vkt2020-cli --help.\n";
        return 2;
    } catch (const std::exception& error) {
        // A fault of the program itself: said, not ended in an abort.
        fout << "vkt2020-cli: er is een onverwachte fout opgetreden: " << ZichtbareTekst(error.what()) << "\n";
        return 1;
    }
    // A full disk or a closed pipe shows only when the output is flushed. A
    // command that failed has said why already (batch also when its output
    // failed), so the failure is told once.
    uit.flush();
    if (!uit && code == 0) {
        fout << "vkt2020-cli: de uitvoer kon niet worden geschreven.\n";
        return 1;
    }
    return code;
}

} // namespace vkt::cli
