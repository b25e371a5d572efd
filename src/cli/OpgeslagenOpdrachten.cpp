#include "cli/OpgeslagenOpdrachten.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Opties.h"
#include "common/Meldingen.h"
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

bool IsOpgeslagen(const std::vector<TWerknemerItem>& lijst, int nummer)
{
    return std::any_of(lijst.begin(), lijst.end(),
                       [&](const TWerknemerItem& item) { return item.Werknemersnummer == nummer; });
}

} // namespace

int LijstOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    if (!argumenten.empty()) {
        fout << "vkt2020-cli lijst: onverwacht argument '" << argumenten.front() << "'.\n";
        return 2;
    }
    Rekenomgeving omgeving;
    if (!omgeving.Open(TdmConstanten::BeginBerekeningsdatum(Today()), fout))
        return 1;
    TBewaardeMeldingen meldingen;
    TWerknemerRecords records(omgeving.Werknemers(), meldingen);
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
        formaat = LeesOpties(rest, {"--formaat"}).Waarde("--formaat").value_or("tekst");
        if (formaat != "tekst" && formaat != "json")
            throw OptieFout("ongeldig formaat '" + formaat + "' bij --formaat: kies tekst of json.");
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli toon: " << error.what() << "\n";
        return 2;
    }

    Rekenomgeving omgeving;
    if (!omgeving.Open(TdmConstanten::BeginBerekeningsdatum(Today()), fout))
        return 1;
    TdmVektaris& dm = omgeving.Werknemers();
    TBewaardeMeldingen meldingen;
    TWerknemerRecords records(dm, meldingen);
    try {
        if (!IsOpgeslagen(records.VulWerknemerLijst(), nummer)) {
            fout << "vkt2020-cli toon: er is geen opgeslagen berekening met nummer " << nummer << ".\n";
            return 2;
        }
        if (!records.LaadBerekening(nummer)) {
            fout << "vkt2020-cli toon: " << ZonderWagenterugloop(meldingen.Foutmeldingen.back()) << "\n";
            return 1;
        }
        TBerekenOpties opties;
        opties.Invoer = InvoerVanOpgeslagenBerekening(dm, Today());
        const auto vast = LaadVasteHeffingsgegevens(dm, omgeving.Constanten(), opties.Invoer);
        TBerekening berekening;
        const auto melding = Bereken(*vast, opties, omgeving.Constanten(), berekening, "--");
        ToonUitkomst(berekening, *vast, melding, formaat, uit, fout);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli toon: de berekening is mislukt: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace vkt::cli
