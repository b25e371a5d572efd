#include "calc/Samenvatting.h"

#include "model/Getallen.h"
#include "store/Gegevensscherm.h"

namespace vkt {
namespace {

std::string Verzekeringen(const TGegevensScherm& s)
{
    std::string tekst;
    for (const auto& [vink, naam] : {std::pair{&s.cbWW, "WW"}, std::pair{&s.cbWAO, "WAO"}, std::pair{&s.cbZfw, "Zvw"}})
        if (vink->Checked())
            tekst += (tekst.empty() ? "" : "/") + std::string(naam);
    return tekst;
}

} // namespace

TSamenvatting LeesSamenvatting(const TGegevensScherm& s, std::optional<int> leeftijd)
{
    TSamenvatting samenvatting;
    samenvatting.SoortBerekening = s.cmbSoortWerknemer.Text();
    samenvatting.SoortLoonbedrag = s.cmbLoonbedrag.Text();
    samenvatting.Loontijdvak = s.cmbLoontijdvak.Text();
    samenvatting.Tabelkleur = s.cmbTabelkleur.Text();
    samenvatting.Loonbelastingtabel = s.cmbLoonbelastingtabelVoorInwoner.Text();
    samenvatting.Leeftijd = leeftijd ? FormatAlgemeen(*leeftijd) : "";
    if (const auto loonbedrag = s.edLoonbedrag.Number())
        samenvatting.Loonbedrag = FormatBedrag(*loonbedrag);
    if (const auto deeltijd = s.edDeeltijdFactor.Number())
        samenvatting.Deeltijdfactor = FormatAlgemeen(*deeltijd);
    samenvatting.VerzekerdVoor = Verzekeringen(s);
    return samenvatting;
}

} // namespace vkt
