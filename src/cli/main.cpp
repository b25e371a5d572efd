// vkt2020-cli: the calculations of Vkt2020 for scripts.

#include "cli/BatchOpdracht.h"
#include "cli/BerekenOpdracht.h"
#include "cli/ConstantenOpdracht.h"
#include "cli/OpgeslagenOpdrachten.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kHulp =
    "Gebruik: vkt2020-cli <opdracht> [opties]\n"
    "\n"
    "Opdrachten:\n"
    "  constanten [--datum DD-MM-JJJJ] [--formaat tekst|json]\n"
    "      Toont de fiscale constanten van 2020 die op de datum gelden: tijdvakfactoren,\n"
    "      schijven, heffingskortingen per inwonergroep, minimumloon, de tabel bijzondere\n"
    "      beloningen en de premieloonmaxima. Zonder --datum geldt de datum van vandaag\n"
    "      in 2020 (na 2020: 31-12-2020).\n"
    "  bereken [opties]\n"
    "      Eén berekening zonder opgeslagen berekening, met de standaardwaarden van een nieuwe\n"
    "      berekening: toont het overzicht (--formaat tekst) of de uitkomst als JSON\n"
    "      (--formaat json). Met --soort-loonbedrag nettoloon (en de andere soorten) wordt het\n"
    "      brutoloon gezocht. Zie vkt2020-cli bereken --help voor alle opties.\n"
    "  batch BESTAND.csv [--uitvoer BESTAND.csv]\n"
    "      Eén berekening per rij; de kopregel noemt de opties van bereken zonder '--'. De\n"
    "      uitvoer herhaalt elke rij met brutoloon, nettoloon, loonheffing, werkgeverslasten en\n"
    "      melding. Zie vkt2020-cli batch --help.\n"
    "  lijst\n"
    "      Het nummer en de naam van elke opgeslagen berekening, een regel per berekening.\n"
    "  toon NUMMER [--formaat tekst|json]\n"
    "      Opent de opgeslagen berekening zoals het programma haar toont, rekent haar door en\n"
    "      toont de uitkomst zoals bereken dat doet.\n"
    "\n"
    "Opdrachten die de werknemersdatabase gebruiken, houden haar zolang ze lopen voor zich\n"
    "alleen; zolang het programma Vkt2020 haar open heeft, weigeren ze met\n"
    "\"Vektaris is al in gebruik.\" en afsluitcode 1.\n"
    "\n"
    "De databases VktC2020.db en Vkt2020.db staan in de map van het programma, tenzij\n"
    "de omgevingsvariabele VKT2020_DATA een andere map noemt.\n"
    "\n"
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt (bij batch ook: een rij is\n"
    "mislukt), 2 onjuist gebruik.\n";

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    if (argumenten.empty()) {
        std::cerr << kHulp;
        return 2;
    }
    const std::string& opdracht = argumenten.front();
    if (opdracht == "--help" || opdracht == "-h" || opdracht == "help") {
        std::cout << kHulp;
        return 0;
    }
    const std::vector<std::string> opties(argumenten.begin() + 1, argumenten.end());
    if (opdracht == "constanten")
        return vkt::cli::ConstantenOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "bereken")
        return vkt::cli::BerekenOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "batch")
        return vkt::cli::BatchOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "lijst")
        return vkt::cli::LijstOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "toon")
        return vkt::cli::ToonOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "opslaan")
        return vkt::cli::OpslaanOpdracht(opties, std::cout, std::cerr);
    if (opdracht == "verwijder")
        return vkt::cli::VerwijderOpdracht(opties, std::cout, std::cerr);
    std::cerr << "vkt2020-cli: onbekende opdracht '" << opdracht << "'. Zie vkt2020-cli --help.\n";
    return 2;
}
