#include "cli/ConstantenOpdracht.h"

#include "cli/BerekenOpdracht.h"
#include "cli/Hoofdprogramma.h"
#include "cli/JsonUitvoer.h"
#include "cli/Opties.h"
#include "common/Meldingen.h"
#include "common/DataFolder.h"
#include "common/Text.h"
#include "model/DmConstanten.h"
#include "model/Enumeraties.h"
#include "model/Fiscaal.h"
#include "store/Databases.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace vkt::cli {
namespace {

Json SchijvenJson(const TSchijventabel& tabel)
{
    Json rijen = Json::array();
    for (const TSchijf& s : tabel)
        rijen.push_back({{"Van", JsonGetal(s.Van)},
                         {"Tot", JsonGetal(s.Tot)},
                         {"Drempel", JsonGetal(s.Drempel)},
                         {"Percentage", JsonGetal(s.Percentage)},
                         {"Bijtel", JsonGetal(s.Bijtel)}});
    return rijen;
}

Json BijzondereBeloningJson(const TBijzondereBeloningRij& rij)
{
    Json object = {{"Jaarloon", JsonGetal(rij.Jaarloon)}};
    for (const TBijzondereBeloningKolom& kolom : BijzondereBeloningKolommen)
        object[kolom.Naam] = JsonGetal(rij.*kolom.Veld);
    return object;
}

Json ConstantenJson(const TQuelvarConst& constanten)
{
    const TFiscaal& f = constanten.Fiscaal();
    Json root = {{"ingangsdatum", FormatDutchDate(constanten.Ingangsdatum())}};
    for (int i = 0; i < AantalFiscaleWaarden; ++i)
        root[FiscaleWaardeNaam(static_cast<TFiscaleWaarde>(i))] = JsonGetal(f.Waarde(static_cast<TFiscaleWaarde>(i)));
    root["Schijven"] = {{"Onder65", SchijvenJson(f.SchijvenOnder65())},
                        {"Boven65", SchijvenJson(f.SchijvenBoven65())},
                        {"Boven65Geboren1946EnLater", SchijvenJson(f.SchijvenBoven65Geboren1946EnLater())}};
    Json& kortingen = root["Kortingen"] = Json::array();
    for (int groep = 0; groep < AantalInwonergroepen; ++groep) {
        Json set = Json::object();
        for (int k = 0; k < AantalKortingen; ++k)
            set[KortingNaam(static_cast<TKorting>(k))] = JsonGetal(f.Korting(static_cast<TKorting>(k), groep));
        kortingen.push_back(std::move(set));
    }
    Json& minimumloon = root["Minimumloon"] = Json::array();
    for (int leeftijd = EersteMinimumloonLeeftijd; leeftijd < EersteMinimumloonLeeftijd + AantalMinimumloonRijen;
         ++leeftijd) {
        const TMinimumloonRij rij = f.Minimumloon(leeftijd);
        minimumloon.push_back({{"Leeftijd", leeftijd},
                               {"MinloonM", JsonGetal(rij.MinloonM)},
                               {"MinloonW", JsonGetal(rij.MinloonW)},
                               {"MinloonU", JsonGetal(rij.MinloonU)}});
    }
    Json& beloningen = root["BijzondereBeloningen"] = Json::array();
    for (int i = 0; i < AantalBijzondereBeloningRijen; ++i)
        beloningen.push_back(BijzondereBeloningJson(f.BijzondereBeloningRij(i)));
    Json& maxima = root["PremieloonMaxima"] = Json::object();
    const TPremieloonMaxima waarden = f.GetPremieloonMaxima();
    for (std::size_t i = 0; i < waarden.size(); ++i)
        maxima[PremieloonMaximaNamen[i]] = JsonGetal(waarden[i]);
    return root;
}

// A number as the program shows it: "," as decimal separator.
std::string Getal(double waarde)
{
    std::string tekst = ShortestNumber(waarde);
    std::replace(tekst.begin(), tekst.end(), '.', ',');
    return tekst;
}

std::string Regel(const std::string& naam, const std::string& waarde)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "  %-40s %s\n", naam.c_str(), waarde.c_str());
    return buffer;
}

std::string Kolommen(const std::vector<std::string>& cellen, int breedte)
{
    std::string regel = " ";
    for (const std::string& cel : cellen)
        regel += std::string(static_cast<std::size_t>(std::max(1, breedte - static_cast<int>(cel.size()))), ' ') + cel;
    return regel + "\n";
}

void SchrijfTekst(std::ostream& uit, const TQuelvarConst& constanten)
{
    const TFiscaal& f = constanten.Fiscaal();
    uit << "Fiscale constanten met ingangsdatum " << FormatDutchDate(constanten.Ingangsdatum()) << "\n\n";
    uit << "Tijdvakfactoren, berekeningsgrens en vaste tarieven\n";
    for (int i = 0; i < AantalFiscaleWaarden; ++i)
        uit << Regel(FiscaleWaardeNaam(static_cast<TFiscaleWaarde>(i)), Getal(f.Waarde(static_cast<TFiscaleWaarde>(i))));
    const std::pair<const char*, TSchijventabel> tabellen[] = {
        {"Onder65", f.SchijvenOnder65()},
        {"Boven65", f.SchijvenBoven65()},
        {"Boven65Geboren1946EnLater", f.SchijvenBoven65Geboren1946EnLater()}};
    for (const auto& [naam, tabel] : tabellen) {
        uit << "\nSchijven " << naam << "\n" << Kolommen({"Van", "Tot", "Drempel", "Percentage", "Bijtel"}, 14);
        for (const TSchijf& s : tabel)
            uit << Kolommen({Getal(s.Van), Getal(s.Tot), Getal(s.Drempel), Getal(s.Percentage), Getal(s.Bijtel)}, 14);
    }
    uit << "\nKortingen per inwonergroep\n" << Kolommen({"", "0", "1", "2", "3", "4"}, 12);
    for (int k = 0; k < AantalKortingen; ++k) {
        std::vector<std::string> cellen{KortingNaam(static_cast<TKorting>(k))};
        for (int groep = 0; groep < AantalInwonergroepen; ++groep)
            cellen.push_back(Getal(f.Korting(static_cast<TKorting>(k), groep)));
        uit << Kolommen(cellen, 12);
    }
    uit << "\nMinimumloon\n" << Kolommen({"Leeftijd", "MinloonM", "MinloonW", "MinloonU"}, 12);
    for (int leeftijd = EersteMinimumloonLeeftijd; leeftijd < EersteMinimumloonLeeftijd + AantalMinimumloonRijen;
         ++leeftijd) {
        const TMinimumloonRij rij = f.Minimumloon(leeftijd);
        uit << Kolommen({std::to_string(leeftijd), Getal(rij.MinloonM), Getal(rij.MinloonW), Getal(rij.MinloonU)}, 12);
    }
    uit << "\nBijzondere beloningen (per inwonergroep 13 rijen witte en 10 rijen groene tabel)\n";
    std::string kop = "  Jaarloon";
    for (const TBijzondereBeloningKolom& kolom : BijzondereBeloningKolommen)
        kop += std::string(" | ") + kolom.Naam;
    uit << kop << "\n";
    for (int i = 0; i < AantalBijzondereBeloningRijen; ++i) {
        const TBijzondereBeloningRij& rij = f.BijzondereBeloningRij(i);
        std::vector<std::string> cellen{Getal(rij.Jaarloon)};
        for (const TBijzondereBeloningKolom& kolom : BijzondereBeloningKolommen)
            cellen.push_back(Getal(rij.*kolom.Veld));
        uit << Kolommen(cellen, 9);
    }
    uit << "\nPremieloonmaxima\n";
    const TPremieloonMaxima maxima = f.GetPremieloonMaxima();
    for (std::size_t i = 0; i < maxima.size(); ++i)
        uit << Regel(PremieloonMaximaNamen[i], Getal(maxima[i]));
}

} // namespace

int ConstantenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli constanten", OpdrachtOmschrijving("constanten"),
                         "Afsluitcodes: 0 gelukt, 1 de constantendatabase kon niet worden gebruikt, 2 onjuist gebruik.");
    regel.Optie("datum", "DD-MM-JJJJ", "de datum waarop de constanten gelden (standaard: vandaag in 2020, na 2020 "
                                       "31-12-2020)");
    VoegFormaatToe(regel);
    TDateTime datum = 0;
    std::string formaat;
    const auto klaar = regel.Verwerk(
        argumenten,
        [&] {
            if (const auto tekst = regel.Waarde("datum")) {
                const auto gelezen = ParseDutchDate(*tekst);
                if (!gelezen)
                    throw OptieFout("ongeldige datum " + Citaat(*tekst) + " bij --datum: gebruik DD-MM-JJJJ.");
                datum = *gelezen;
            }
            formaat = LeesFormaat(regel);
        },
        uit, fout);
    if (klaar)
        return *klaar;

    TdmConstanten constanten(Databasemappen().Constanten);
    if (datum != 0)
        constanten.Berekeningsdatum = datum;
    TBewaardeMeldingen meldingen;
    const bool open = OpenConstanten(constanten, meldingen);
    SchrijfMeldingen(meldingen, fout);
    if (!open)
        return 1;
    const TQuelvarConst& gekozen = constanten.GetConstanten();
    if (formaat == "json")
        SchrijfJson(uit, ConstantenJson(gekozen));
    else
        SchrijfTekst(uit, gekozen);
    return 0;
}

} // namespace vkt::cli
