#include "cli/BerekenOpdracht.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Rapport.h"
#include "cli/Json.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "common/Exception.h"
#include "common/Meldingen.h"
#include "model/Afronding.h"

#include <cmath>
#include <memory>
#include <ostream>

namespace vkt::cli {

std::string ZonderWagenterugloop(std::string tekst)
{
    for (std::size_t i = tekst.find("\r\n"); i != std::string::npos; i = tekst.find("\r\n", i))
        tekst.erase(i, 1);
    return tekst;
}
namespace {

// Every amount a user sees is in whole cents, never a negative zero.
double Afgerond(double bedrag) { return RondAfOpCenten(bedrag) + 0.0; }

// The run copies the lines without their descriptions; a line's description
// is that of the wage component it came from in the regular levy data.
std::string Omschrijving(const TBaseKolomRegel& regel, const THeffingsgegevens& vast)
{
    if (!regel.Omschrijving.empty())
        return regel.Omschrijving;
    const TBaseKolom& kolom = vast.Kolommen().GetKolom(regel.Kolom->Kolomnummer);
    for (int r = 0; r < kolom.Count(); ++r) {
        const TBaseKolomRegel& bron = kolom.GetRegel(r);
        if (bron.Looncomponentnummer == regel.Looncomponentnummer && bron.Regeltype == regel.Regeltype)
            return bron.Omschrijving;
    }
    return {};
}

Json RegelsJson(const THeffingsgegevens& heffing, const THeffingsgegevens& vast)
{
    Json::Array regels;
    const TKolommen& kolommen = heffing.Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k) {
        const TBaseKolom& kolom = kolommen.Item(k);
        for (int r = 0; r < kolom.Count(); ++r) {
            const TBaseKolomRegel& regel = kolom.GetRegel(r);
            if (regel.Actief)
                regels.emplace_back(Json::Object{{"kolom", regel.Kolomnummer},
                                                 {"regeltype", regel.Regeltype},
                                                 {"omschrijving", Omschrijving(regel, vast)},
                                                 {"bedrag", Afgerond(regel.ResultaatBedrag)}});
        }
    }
    return Json(std::move(regels));
}

Json UitkomstJson(const TBerekening& berekening, const THeffingsgegevens& vast,
                  const std::optional<std::string>& melding)
{
    const THeffingsgegevens& heffing = *berekening.Heffingsgegevens();
    const TKolommen& kolommen = heffing.Kolommen();
    Json::Object totalen;
    for (const int nummer : Kolomnummers)
        totalen.emplace_back(std::to_string(nummer), Afgerond(kolommen.GetKolom(nummer).Totaal));
    const TUitkomst uitkomst = Uitkomst(berekening);
    return Json(Json::Object{
        {"kolommen", std::move(totalen)},
        {"brutoloon", uitkomst.Brutoloon},
        {"nettoloon", uitkomst.Nettoloon},
        {"loonheffing", uitkomst.Loonheffing},
        {"arbeidskorting", Afgerond(heffing.ToegepasteArbeidskorting)},
        {"werkgeverslasten", uitkomst.Werkgeverslasten},
        {"melding", melding ? Json(*melding) : Json(nullptr)},
        {"regels", RegelsJson(heffing, vast)},
    });
}

// The options that are no input of the calculation itself.
constexpr const char* kFormaat = "--formaat";

} // namespace

namespace {

// The text in lines of at most 96 characters, each indented by six spaces.
std::string Ingesprongen(const std::string& tekst)
{
    constexpr std::size_t kBreedte = 90;
    std::string uit;
    std::string regel;
    std::size_t begin = 0;
    while (begin < tekst.size()) {
        std::size_t einde = tekst.find(' ', begin);
        if (einde == std::string::npos)
            einde = tekst.size();
        const std::string woord = tekst.substr(begin, einde - begin);
        if (!regel.empty() && regel.size() + 1 + woord.size() > kBreedte) {
            uit += "      " + regel + "\n";
            regel.clear();
        }
        regel += (regel.empty() ? "" : " ") + woord;
        begin = einde + 1;
    }
    return uit + "      " + regel + "\n";
}

} // namespace

std::string BerekenHulp()
{
    std::string hulp = "Gebruik: vkt2020-cli bereken [opties]\n"
                       "\n"
                       "Berekent één loonstrook zonder opgeslagen berekening, met de systeemlooncomponenten van de\n"
                       "eerste werkgever, en toont het overzicht (tekst) of de uitkomst als JSON. Bedragen mogen\n"
                       "een komma of een punt als decimaalteken hebben: 1234,56 of 1234.56.\n"
                       "\n"
                       "Opties:\n";
    for (const TBerekenOptie& optie : BerekenOptieLijst())
        hulp += std::string("  --") + optie.Naam + " " + optie.Waarden + "\n" +
                Ingesprongen(std::string(optie.Uitleg) + " (standaard: " + optie.Standaard + ")");
    hulp += "  --formaat tekst|json\n" +
            Ingesprongen("het overzicht als tekst, of als JSON met de kolomtotalen, brutoloon, nettoloon, loonheffing, "
                         "arbeidskorting, werkgeverslasten, melding en de actieve regels; nettoloon en loonheffing "
                         "zoals het overzicht ze toont (standaard: tekst)") +
            "  --help\n" + Ingesprongen("toont deze hulp") +
            "\n"
            "Bij een andere soort dan werknemer is het loontijdvak maand. Wie voor de Zvw verzekerd is,\n"
            "betaalt de bijdrage zelf: het werkgeversdeel Zvw telt dan niet mee, ook niet met --actief zvw.\n"
            "\n"
            "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt of de berekening mislukte,\n"
            "2 onjuist gebruik (er is dan niets berekend).\n";
    return hulp;
}

TUitkomst Uitkomst(const TBerekening& berekening)
{
    const TKolommen& kolommen = berekening.Heffingsgegevens()->Kolommen();
    TUitkomst uitkomst;
    uitkomst.Brutoloon = Afgerond(kolommen.GetBrutoloon());
    uitkomst.Loonheffing = Afgerond(berekening.Loonheffing());
    uitkomst.Nettoloon = Afgerond(berekening.Nettoloon());
    uitkomst.Werkgeverslasten = Afgerond(berekening.Werkgeverslasten());
    return uitkomst;
}

void SchrijfMeldingen(const TBewaardeMeldingen& meldingen, std::ostream& fout)
{
    for (const std::string& melding : meldingen.Meldingen)
        fout << ZonderWagenterugloop(melding) << "\n";
    for (const std::string& melding : meldingen.Foutmeldingen)
        fout << ZonderWagenterugloop(melding) << "\n";
}

bool OpenDatabases(TDatabases& databases, TDateTime berekeningsdatum, std::ostream& fout)
{
    TBewaardeMeldingen meldingen;
    const bool open = databases.Openen(berekeningsdatum, meldingen);
    SchrijfMeldingen(meldingen, fout);
    return open;
}

std::optional<std::string> Bereken(TVasteHeffingsgegevens& vast, TBerekenOpties& opties, TdmConstanten& constanten,
                                   TBerekening& berekening, const std::string& voorvoegsel)
{
    PasRegelsToe(vast, opties.Regels, voorvoegsel);
    opties.Invoer.WGWaoVastPercentage = WaoVastPercentage(vast);
    TBewaardeMeldingen meldingen;
    if (!berekening.Run(&vast, opties.Invoer, constanten, meldingen))
        throw Exception("er zijn geen heffingsgegevens om mee te rekenen.");
    if (!meldingen.Meldingen.empty())
        return ZonderWagenterugloop(meldingen.Meldingen.back());
    if (!meldingen.Foutmeldingen.empty())
        return ZonderWagenterugloop(meldingen.Foutmeldingen.back());
    return std::nullopt;
}

int BerekenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    for (const std::string& argument : argumenten)
        if (argument == "--help" || argument == "-h") {
            uit << BerekenHulp();
            return 0;
        }
    TBerekenOpties opties;
    std::string formaat = "tekst";
    try {
        std::vector<std::string> toegestaan = BerekenOptieArgumenten();
        toegestaan.push_back(kFormaat);
        const Opties gelezen = LeesOpties(argumenten, toegestaan, {"--regel"});
        formaat = LeesFormaat(gelezen);
        opties = LeesBerekenOpties(gelezen, Today());
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli bereken: " << error.what() << "\n";
        return 2;
    }

    TDatabases databases(DataFolder());
    if (!OpenDatabases(databases, opties.Invoer.BerekeningDatum, fout))
        return 1;
    TBerekening berekening;
    std::unique_ptr<TVasteHeffingsgegevens> vast;
    std::optional<std::string> melding;
    try {
        vast = LaadNieuweHeffingsgegevens(databases.Werknemers, databases.Constanten, opties.Invoer);
        melding = Bereken(*vast, opties, databases.Constanten, berekening, "--");
    } catch (const OptieFout& error) {
        fout << "vkt2020-cli bereken: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        fout << "vkt2020-cli bereken: de berekening is mislukt: " << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }

    ToonUitkomst(berekening, *vast, melding, formaat, uit, fout);
    return 0;
}

void ToonUitkomst(TBerekening& berekening, const THeffingsgegevens& vast, const std::optional<std::string>& melding,
                  const std::string& formaat, std::ostream& uit, std::ostream& fout)
{
    if (formaat == "json") {
        uit << UitkomstJson(berekening, vast, melding).Dump() << "\n";
    } else {
        for (const std::string& regel : SchrijfRapport(berekening))
            uit << regel << "\n";
        if (melding)
            fout << *melding << "\n";
    }
}

} // namespace vkt::cli
