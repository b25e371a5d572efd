#include "calc/SchermInvoer.h"

#include "store/Gegevensscherm.h"

namespace vkt {

void VulGegevensScherm(TGegevensScherm& s, const TBerekeningInvoer& invoer, const std::string& awfPremieType)
{
    s.Naam = invoer.Werknemer;
    s.edWGVakantiegeld.SetNumber(invoer.PercentageVakantiegeld);
    const TActieveWerkgeversdelen& a = invoer.Actief;
    s.cbActiefWAO.SetChecked(a.WAO);
    s.cbActiefWhk.SetChecked(a.Whk);
    s.cbActiefWW.SetChecked(a.WW);
    s.cbActiefZvw.SetChecked(a.Zvw);
    s.cbActiefVUTFPU.SetChecked(a.VUTFPU);
    s.cbActiefPensioen.SetChecked(a.Pensioen);
    s.cbActiefIP.SetChecked(a.IP);
    s.cbActiefLevensloop.SetChecked(a.Levensloop);
    s.cbWGLastenTonen.SetChecked(invoer.WGLastenTonen);
    s.cbLoonInclVakantie.SetChecked(invoer.LoonInclVakantie);
    s.cbSFDeeltijd.SetChecked(invoer.SFDeeltijd);
    const bool bekendeSoort = invoer.SoortBerekening >= 0 &&
                              invoer.SoortBerekening < static_cast<int>(SoortBerekeningVolgorde.size());
    s.cmbSoortWerknemer.SetKey(
        bekendeSoort ? std::to_string(SoortBerekeningVolgorde[static_cast<std::size_t>(invoer.SoortBerekening)]) : "");
    s.edGebDatum.SetDate(invoer.Geboortedatum != 0 ? std::optional<TDateTime>(invoer.Geboortedatum) : std::nullopt);
    s.cmbLoontijdvak.SetKey(invoer.Loontijdvak != 0 ? std::to_string(invoer.Loontijdvak) : "");
    s.cmbLoonbedrag.SetKey(std::to_string(invoer.SoortLoonbedrag));
    s.edLoonbedrag.SetNumber(invoer.Loonbedrag);
    s.cmbTabelkleur.SetKey(std::to_string(invoer.Tabelkleur));
    s.cmbLoonbelastingtabelVoorInwoner.SetKey(std::to_string(invoer.LoonbelastingtabelVoorInwoner));
    s.edDeeltijdFactor.SetNumber(invoer.Deeltijdpercentage);
    s.cbIPzonderDeeltijd.SetChecked(invoer.IPzonderDeeltijd);
    s.cbToepLoonheffing.SetChecked(invoer.ToepLoonheffing);
    s.edJaarloonLBPH.SetNumber(invoer.JaarloonLBPH);
    s.edLoonheffingVrij.SetNumber(invoer.LoonheffingVrij);
    s.cbWW.SetChecked(invoer.VerzekerdWW);
    s.cbWAO.SetChecked(invoer.VerzekerdWAO);
    s.cbZfw.SetChecked(invoer.VerzekerdZfw);
    s.cmbAWfPremieType.SetKey(awfPremieType);
    s.edLoondagenVoorDagtabel.SetNumber(invoer.LoondagenVoorDagtabel);
    s.edArtiestLoonheffing.SetNumber(invoer.ArtiestLoonheffing);
    s.deBerekeningDatum.SetDate(invoer.BerekeningDatum);
    s.ArtiestAftrekBedrag = invoer.ArtiestAftrekBPType == bpdBedrag ? invoer.ArtiestAftrekBedrag : 0;
}

} // namespace vkt
