#include "cli/VerloopOpdracht.h"

#include "calc/Berekening.h"
#include "calc/Loonverloop.h"
#include "calc/Puntrekenaar.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"
#include "cli/Grafiekbestanden.h"
#include "cli/Hoofdprogramma.h"
#include "cli/JsonUitvoer.h"
#include "cli/Opties.h"
#include "model/Getallen.h"

#include <ostream>

namespace vkt::cli {
namespace {

const char* const kVoettekst =
    "Zonder --van, --tot en --stap loopt het brutoloon van 0 tot tweemaal het brutoloon van de berekening (na het "
    "zoeken: het gevonden brutoloon; ten minste 200) in ten hoogste 200 punten. Zonder --stap is de stap het kleinste "
    "veelvoud van de stap van de loonbelastingtabel van het loontijdvak (4,50 per maand) dat ten hoogste 200 punten "
    "van van tot tot geeft; tot is altijd een punt, ook als de laatste stap korter is. Ten hoogste 10000 punten.\n"
    "\n"
    "Elk punt is de berekening van de opties bij dat brutoloon (ook na het zoeken van het brutoloon). De marginale "
    "druk is het deel van de laatste tabelstap brutoloon dat niet netto overblijft: 1 - (nettoloon - nettoloon een "
    "tabelstap lager) / (brutoloon - brutoloon een tabelstap lager), in procenten. Een tabelstap lager is waar het "
    "loon voor de loonbelasting een stap van de tabel lager is, zodat er precies een rij van de tabel tussen ligt; "
    "met een pensioenpremie ligt dat iets verder terug. Een punt dat minder dan een tabelstap boven 0 ligt, heeft "
    "geen marginale druk.\n"
    "\n"
    "CSV: een kopregel brutoloon;nettoloon;loonheffing;arbeidskorting;werkgeverslasten;marginale_druk en een regel "
    "per punt, gescheiden door ';', bedragen met een decimale komma en twee decimalen, de marginale druk leeg "
    "zonder waarde. JSON: een lijst met per punt dezelfde namen, bedragen in euro's, marginale_druk null zonder "
    "waarde.\n"
    "\n"
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt, de berekening of het schrijven van een bestand "
    "mislukte, 2 onjuist gebruik (ook een bereik zonder loonverloop; er is dan niets geschreven).";

const std::vector<std::string> kKolommen = {"brutoloon",      "nettoloon",        "loonheffing",
                                            "arbeidskorting", "werkgeverslasten", "marginale_druk"};

std::optional<double> Bedragoptie(const TOpdrachtregel& regel, const std::string& naam)
{
    if (const auto waarde = regel.Waarde(naam))
        return LeesBedrag("--" + naam, *waarde);
    return std::nullopt;
}

void ControleerBereik(const TVerloopBereik& bereik)
{
    if (const auto fout = VerloopBereikFout(bereik))
        throw OptieFout(*fout);
}

void SchrijfCsv(const std::vector<TVerloopRegel>& regels, std::ostream& uit)
{
    uit << CsvRegel(kKolommen, ';');
    for (const TVerloopRegel& r : regels)
        uit << CsvRegel({FormatBedrag(r.Punt.Brutoloon), FormatBedrag(r.Punt.Nettoloon), FormatBedrag(r.Punt.Loonheffing),
                         FormatBedrag(r.Punt.Arbeidskorting), FormatBedrag(r.Punt.Werkgeverslasten),
                         r.MarginaleDruk ? FormatVast(*r.MarginaleDruk, 2) : ""},
                        ';');
}

void SchrijfJson(const std::vector<TVerloopRegel>& regels, std::ostream& uit)
{
    Json punten = Json::array();
    for (const TVerloopRegel& r : regels)
        punten.push_back({{"brutoloon", JsonGetal(r.Punt.Brutoloon)},
                          {"nettoloon", JsonGetal(r.Punt.Nettoloon)},
                          {"loonheffing", JsonGetal(r.Punt.Loonheffing)},
                          {"arbeidskorting", JsonGetal(r.Punt.Arbeidskorting)},
                          {"werkgeverslasten", JsonGetal(r.Punt.Werkgeverslasten)},
                          {"marginale_druk", r.MarginaleDruk ? JsonGetal(*r.MarginaleDruk) : Json(nullptr)}});
    cli::SchrijfJson(uit, punten);
}

} // namespace

int VerloopOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli verloop", OpdrachtOmschrijving("verloop"),
                         std::string(kVoettekst) + "\n\n" + GrafiekbestandenUitleg());
    VoegBerekenOptiesToe(regel);
    regel.Optie("van", "BEDRAG", "het laagste brutoloon (standaard: 0)");
    regel.Optie("tot", "BEDRAG", "het hoogste brutoloon (standaard: tweemaal het brutoloon van de berekening)");
    regel.Optie("stap", "BEDRAG",
                "de stap tussen twee punten, groter dan 0 (standaard: een veelvoud van de tabelstap, ten hoogste 200 "
                "punten van van tot tot)");
    VoegFormaatToe(regel, "de punten als CSV of als JSON", {"csv", "json"});
    VoegGrafiekbestandenToe(regel);
    TBerekenOpties opties;
    TGekozenVerloopBereik gekozen;
    std::string formaat;
    TGrafiekbestanden bestanden;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            formaat = LeesFormaat(regel, {"csv", "json"});
            opties = LeesBerekenOpties(regel, Today());
            gekozen = {Bedragoptie(regel, "van"), Bedragoptie(regel, "tot"), Bedragoptie(regel, "stap")};
            // With its end given, the range does not wait for the calculation:
            // a step left open makes at most 200 points whatever the table's step.
            if (gekozen.Tot)
                ControleerBereik(VerloopBereik(gekozen, 0, 0));
            bestanden = LeesGrafiekbestanden(regel);
        },
        uit, fout);
    if (klaar)
        return *klaar;

    TNieuweBerekening nieuw;
    if (const auto einde = RekenNieuweBerekening(nieuw, opties, regel, "verloop", fout))
        return *einde;
    TLoonverloop verloop = LoonverloopVan(*nieuw.Berekening);
    const TVerloopBereik bereik = VerloopBereik(gekozen, verloop.Brutoloon, verloop.Tabelstap);
    if (const auto fout_ = VerloopBereikFout(bereik))
        return regel.Gebruiksfout(OptieFout(*fout_), fout);
    try {
        TPuntRekenaar rekenaar(*nieuw.Vast, nieuw.Berekening->Invoer(), nieuw.Databases.Constanten);
        verloop.Regels = BerekenLoonverloop(rekenaar, bereik);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli verloop: het loonverloop kon niet worden berekend: " << ZonderWagenterugloop(error.what())
             << "\n";
        return 1;
    }
    try {
        SchrijfGrafiekbestanden(bestanden, verloop);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli verloop: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    if (formaat == "json")
        SchrijfJson(verloop.Regels, uit);
    else
        SchrijfCsv(verloop.Regels, uit);
    if (nieuw.Melding)
        fout << *nieuw.Melding << "\n";
    return 0;
}

} // namespace vkt::cli
