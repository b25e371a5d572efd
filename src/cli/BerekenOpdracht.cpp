#include "cli/BerekenOpdracht.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Rapport.h"
#include "cli/FondsenOpdracht.h"
#include "cli/Hoofdprogramma.h"
#include "cli/JsonUitvoer.h"
#include "cli/Opties.h"
#include "cli/Rapportbestanden.h"
#include "cli/UitkomstJson.h"
#include "common/DataFolder.h"
#include "common/Exception.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "model/Afronding.h"

#include <memory>
#include <ostream>

namespace vkt::cli {
namespace {

// Every amount a user sees is in whole cents, never a negative zero.
double Afgerond(double bedrag) { return RondAfOpCenten(bedrag) + 0.0; }

const char* const kVoettekst =
    "Bedragen: 3500 en 3.500 zijn 3500 euro (een punt voor groepen van drie cijfers scheidt duizendtallen); "
    "3.500,50, 3500,50 en 3500.50 zijn 3500,50. Een waarde buiten het bereik van de optie, of met te veel "
    "decimalen, is onjuist gebruik.\n"
    "\n"
    "Een optie die bij de gekozen soort niet hoort, is onjuist gebruik. Bij een andere soort dan werknemer is het "
    "loontijdvak maand. Wie voor de Zvw verzekerd is, betaalt de bijdrage zelf: het werkgeversdeel Zvw telt dan niet "
    "mee, ook niet met --actief zvw.\n"
    "\n"
    "De JSON bevat versie, invoer (naam, datum, geboortedatum, soort, loontijdvak, soort_loonbedrag, loonbedrag, "
    "awf_premie), kolommen (de kolomtotalen), brutoloon, nettoloon, loonheffing, arbeidskorting, werkgeverslasten, "
    "sv_loon, zvw_loon, lb_loon, zvw_werknemer, werkgeversdeel (elke werkgeverslast met naam, ook de reservering "
    "vakantiegeld), percentage_bijzondere_beloning (bij bijzonder loon), brutoloon_bereik (na het zoeken van het "
    "brutoloon: laag, het gevonden brutoloon, en hoog, tot waar elke cent brutoloon het loonbedrag precies geeft; "
    "afgebroken als dat na 100 euro nog zo is en niet verder is nagegaan; anders null), melding en regels "
    "(de actieve regels met kolom, regeltype, looncomponentnummer, omschrijving en bedrag). Bedragen in euro's met "
    "ten hoogste twee decimalen.\n"
    "\n"
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt of de berekening mislukte, 2 onjuist gebruik "
    "(er is dan niets berekend).";

} // namespace

std::string ZonderWagenterugloop(std::string tekst)
{
    for (std::size_t i = tekst.find("\r\n"); i != std::string::npos; i = tekst.find("\r\n", i))
        tekst.erase(i, 1);
    return ZichtbareRegels(tekst);
}

std::vector<std::string> ZichtbaarRapport(TBerekening& berekening)
{
    std::vector<std::string> regels = SchrijfRapport(berekening);
    for (std::string& regel : regels)
        regel = ZichtbareTekst(regel);
    return regels;
}

TUitkomst Uitkomst(const TBerekening& berekening)
{
    const THeffingsgegevens& heffing = *berekening.Heffingsgegevens();
    const TKolommen& kolommen = heffing.Kolommen();
    TUitkomst uitkomst;
    uitkomst.Brutoloon = Afgerond(kolommen.GetBrutoloon());
    uitkomst.Loonheffing = Afgerond(berekening.Loonheffing());
    uitkomst.Nettoloon = Afgerond(berekening.Nettoloon());
    uitkomst.Werkgeverslasten = Afgerond(berekening.Werkgeverslasten());
    uitkomst.Arbeidskorting = Afgerond(heffing.ToegepasteArbeidskorting);
    uitkomst.SvLoon = Afgerond(kolommen.GetKolom(8).Totaal);
    uitkomst.ZvwLoon = Afgerond(kolommen.GetKolom(12).Totaal);
    uitkomst.LbLoon = Afgerond(kolommen.GetKolom(14).Totaal);
    return uitkomst;
}

void SchrijfMeldingen(const TBewaardeMeldingen& meldingen, std::ostream& fout)
{
    for (const std::string& melding : meldingen.Meldingen)
        fout << ZonderWagenterugloop(melding) << "\n";
    for (const std::string& melding : meldingen.Foutmeldingen)
        fout << ZonderWagenterugloop(melding) << "\n";
}

bool OpenDatabases(TDatabases& databases, TDateTime berekeningsdatum, TToegang toegang, std::ostream& fout)
{
    TBewaardeMeldingen meldingen;
    const bool open = databases.Openen(berekeningsdatum, meldingen, toegang);
    SchrijfMeldingen(meldingen, fout);
    return open;
}

bool OpenDatabasesOmTeLezen(TDatabases& databases, std::ostream& fout)
{
    return OpenDatabases(databases, TdmConstanten::BeginBerekeningsdatum(Today()), TToegang::Lezen, fout);
}

std::optional<std::string> Bereken(TVasteHeffingsgegevens& vast, TBerekenOpties& opties,
                                   const TdmConstanten& constanten, TBerekening& berekening,
                                   const std::string& voorvoegsel)
{
    PasOptiesToe(vast, opties, voorvoegsel);
    return BerekenMet(vast, opties, constanten, berekening);
}

bool WijzigtHeffingsgegevens(const TBerekenOpties& opties)
{
    return !opties.Regels.empty() || !opties.AwfPremieType.empty();
}

void PasOptiesToe(TVasteHeffingsgegevens& vast, const TBerekenOpties& opties, const std::string& voorvoegsel)
{
    PasRegelsToe(vast, opties.Regels, voorvoegsel);
    if (!opties.AwfPremieType.empty())
        vast.AwfPremieType = opties.AwfPremieType;
}

std::optional<std::string> BerekenMet(const TVasteHeffingsgegevens& vast, TBerekenOpties& opties,
                                      const TdmConstanten& constanten, TBerekening& berekening)
{
    opties.Invoer.WGWaoVastPercentage = WaoVastPercentage(vast);
    TBewaardeMeldingen meldingen;
    if (!berekening.ZetInvoer(&vast, opties.Invoer, constanten.ConstantenOp(opties.Invoer.BerekeningDatum)))
        throw Exception("er zijn geen heffingsgegevens om mee te rekenen.");
    berekening.Bereken(meldingen);
    return LaatsteMelding(meldingen);
}

std::optional<std::string> LaatsteMelding(const TBewaardeMeldingen& meldingen)
{
    if (!meldingen.Foutmeldingen.empty())
        throw Exception(ZonderWagenterugloop(meldingen.Foutmeldingen.back()));
    if (!meldingen.Meldingen.empty())
        return ZonderWagenterugloop(meldingen.Meldingen.back());
    return std::nullopt;
}

int BerekenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli bereken", OpdrachtOmschrijving("bereken"),
                         std::string(kVoettekst) + "\n\n" + RapportbestandenUitleg());
    VoegBerekenOptiesToe(regel);
    VoegFormaatToe(regel, "het overzicht als tekst, of de uitkomst als JSON");
    VoegRapportbestandenToe(regel);
    TBerekenOpties opties;
    std::string formaat;
    TRapportbestanden bestanden;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            formaat = LeesFormaat(regel);
            opties = LeesBerekenOpties(regel, Today());
            bestanden = LeesRapportbestanden(regel);
        },
        uit, fout);
    if (klaar)
        return *klaar;

    TNieuweBerekening nieuw;
    if (const auto einde = RekenNieuweBerekening(nieuw, opties, regel, "bereken", fout))
        return *einde;
    if (!SchrijfBestanden(bestanden, *nieuw.Berekening, "bereken", fout))
        return 1;

    ToonUitkomst(*nieuw.Berekening, *nieuw.Vast, nieuw.Melding, formaat, uit, fout);
    return 0;
}

TNieuweBerekening::TNieuweBerekening() : Databases(Databasemappen()), Berekening(std::make_unique<TBerekening>()) {}

TNieuweBerekening::~TNieuweBerekening() = default;

std::optional<int> RekenNieuweBerekening(TNieuweBerekening& nieuw, TBerekenOpties& opties, const TOpdrachtregel& regel,
                                         const std::string& opdracht, std::ostream& fout)
{
    TDatabases& databases = nieuw.Databases;
    if (!OpenDatabases(databases, opties.Invoer.BerekeningDatum, TToegang::Lezen, fout))
        return 1;
    try {
        nieuw.Vast = LaadNieuweHeffingsgegevens(databases.Werknemers, databases.Constanten, opties.Invoer);
        opties.Invoer.SocialeFondsen = GekozenFondsen(databases.Werknemers, opties.Fondsen, "--");
        nieuw.Melding = Bereken(*nieuw.Vast, opties, databases.Constanten, *nieuw.Berekening, "--");
    } catch (const OptieFout& error) {
        return regel.Gebruiksfout(error, fout);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli " << opdracht << ": de berekening is mislukt: " << ZonderWagenterugloop(error.what())
             << "\n";
        return 1;
    }
    return std::nullopt;
}

bool SchrijfBestanden(const TRapportbestanden& bestanden, TBerekening& berekening, const std::string& opdracht,
                      std::ostream& fout)
{
    try {
        SchrijfRapportbestanden(bestanden, ZichtbaarRapport(berekening));
        return true;
    } catch (const std::exception& error) {
        fout << "vkt2020-cli " << opdracht << ": " << ZonderWagenterugloop(error.what()) << "\n";
        return false;
    }
}

void ToonUitkomst(TBerekening& berekening, const THeffingsgegevens& vast, const std::optional<std::string>& melding,
                  const std::string& formaat, std::ostream& uit, std::ostream& fout)
{
    if (formaat == "json") {
        SchrijfJson(uit, UitkomstJson(berekening, vast, melding));
    } else {
        for (const std::string& regel : ZichtbaarRapport(berekening))
            uit << regel << "\n";
        if (melding)
            fout << *melding << "\n";
    }
}

} // namespace vkt::cli
