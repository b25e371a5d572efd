#include "cli/UitkomstJson.h"

#include "calc/Berekening.h"
#include "cli/BerekenOpdracht.h"
#include "cli/BerekenOpties.h"
#include "cli/Hoofdprogramma.h"
#include "model/Afronding.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"

namespace vkt::cli {
namespace {

Json Bedrag(double bedrag) { return JsonGetal(RondAfOpCenten(bedrag)); }

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
    Json regels = Json::array();
    const TKolommen& kolommen = heffing.Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k) {
        const TBaseKolom& kolom = kolommen.Item(k);
        for (int r = 0; r < kolom.Count(); ++r) {
            const TBaseKolomRegel& regel = kolom.GetRegel(r);
            if (regel.Actief)
                regels.push_back({{"kolom", regel.Kolomnummer},
                                  {"regeltype", regel.Regeltype},
                                  {"looncomponentnummer", regel.Looncomponentnummer},
                                  {"omschrijving", Omschrijving(regel, vast)},
                                  {"bedrag", Bedrag(regel.ResultaatBedrag)}});
        }
    }
    return regels;
}

Json InvoerJson(const TBerekening& berekening)
{
    const TBerekeningInvoer& invoer = berekening.Invoer();
    const THeffingsgegevens& heffing = *berekening.Heffingsgegevens();
    return {{"naam", invoer.Werknemer},
            {"datum", FormatDutchDate(invoer.BerekeningDatum)},
            {"geboortedatum", invoer.Geboortedatum != 0 ? Json(FormatDutchDate(invoer.Geboortedatum)) : Json()},
            {"soort", SoortWoord(invoer.SoortBerekening)},
            {"loontijdvak", LoontijdvakWoord(heffing.Loontijdvak)},
            {"soort_loonbedrag", SoortLoonbedragWoord(invoer.SoortLoonbedrag)},
            {"loonbedrag", Bedrag(invoer.Loonbedrag)},
            {"awf_premie", AwfPremieWoord(heffing.AwfPremieType)}};
}

Json WerkgeversdeelJson(const TWerkgeversdeel& deel)
{
    return {{"reservering_vakantiegeld", Bedrag(deel.Vakantiegeld)},
            {"awf_laag", Bedrag(deel.AwfLaag)},
            {"awf_hoog", Bedrag(deel.AwfHoog)},
            {"wao_wia", Bedrag(deel.WAO)},
            {"whk", Bedrag(deel.Whk)},
            {"whk_verhaling", Bedrag(deel.WhkVerhaling)},
            {"zvw", Bedrag(deel.Zvw)},
            {"pensioen", Bedrag(deel.Pensioen)},
            {"vut_fpu", Bedrag(deel.VUTFPU)},
            {"ip", Bedrag(deel.IP)},
            {"levensloop", Bedrag(deel.Levensloop)},
            {"sociale_fondsen", Bedrag(deel.Fondsen)}};
}

Json BereikJson(TBerekening& berekening)
{
    const auto bereik = berekening.BrutoloonBereik();
    if (!bereik)
        return nullptr;
    return {{"laag", JsonGetal(static_cast<double>(bereik->Laag) / 100)},
            {"hoog", JsonGetal(static_cast<double>(bereik->Hoog) / 100)},
            {"afgebroken", bereik->Afgebroken}};
}

Json BijzondereBeloningJson(const THeffingsgegevens& heffing)
{
    const auto* bijzonder = dynamic_cast<const TBijzondereHeffingsgegevens*>(&heffing);
    // The table's rates have two decimals; their sum should not show binary noise.
    return bijzonder != nullptr ? Bedrag(bijzonder->PercentageBijzondereBeloning()) : Json();
}

} // namespace

Json UitkomstJson(TBerekening& berekening, const THeffingsgegevens& vast, const std::optional<std::string>& melding)
{
    const THeffingsgegevens& heffing = *berekening.Heffingsgegevens();
    const TKolommen& kolommen = heffing.Kolommen();
    Json totalen = Json::object();
    for (const int nummer : Kolomnummers)
        totalen[std::to_string(nummer)] = Bedrag(kolommen.GetKolom(nummer).Totaal);
    const TUitkomst uitkomst = Uitkomst(berekening);
    return {
        {"versie", ProgrammaVersie()},
        {"invoer", InvoerJson(berekening)},
        {"kolommen", std::move(totalen)},
        {"brutoloon", JsonGetal(uitkomst.Brutoloon)},
        {"nettoloon", JsonGetal(uitkomst.Nettoloon)},
        {"loonheffing", JsonGetal(uitkomst.Loonheffing)},
        {"arbeidskorting", JsonGetal(uitkomst.Arbeidskorting)},
        {"werkgeverslasten", JsonGetal(uitkomst.Werkgeverslasten)},
        {"sv_loon", JsonGetal(uitkomst.SvLoon)},
        {"zvw_loon", JsonGetal(uitkomst.ZvwLoon)},
        {"lb_loon", JsonGetal(uitkomst.LbLoon)},
        {"zvw_werknemer", Bedrag(kolommen.GetZvwPremieWN())},
        {"werkgeversdeel", WerkgeversdeelJson(berekening.Werkgeversdeel())},
        {"percentage_bijzondere_beloning", BijzondereBeloningJson(heffing)},
        {"brutoloon_bereik", BereikJson(berekening)},
        {"melding", melding ? Json(*melding) : Json()},
        {"regels", RegelsJson(heffing, vast)},
    };
}

} // namespace vkt::cli
