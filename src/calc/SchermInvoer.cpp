#include "calc/SchermInvoer.h"

#include "store/Gegevensscherm.h"

#include <algorithm>
#include <charconv>

namespace vkt {
namespace {

// The chosen key as a number; geen when nothing (or no number) is chosen.
int Code(const db::TZNODBComboboxEx& lijst, int geen)
{
    const std::string sleutel = lijst.Key();
    int code = 0;
    const auto [einde, fout] = std::from_chars(sleutel.data(), sleutel.data() + sleutel.size(), code);
    return fout == std::errc() && einde == sleutel.data() + sleutel.size() ? code : geen;
}

double Getal(const db::TZNODBNumericEdit& veld, double leeg = 0) { return veld.Number().value_or(leeg); }
TDateTime Datum(const db::TZNODBDateEdit& veld) { return veld.Date().value_or(0); }

// The list position of a stored kind of calculation; -1 for none.
int SoortPositie(int code)
{
    const auto positie = std::find(SoortBerekeningVolgorde.begin(), SoortBerekeningVolgorde.end(), code);
    return positie == SoortBerekeningVolgorde.end() ? -1 : static_cast<int>(positie - SoortBerekeningVolgorde.begin());
}

} // namespace

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
    s.deBerekeningDatum.SetDate(invoer.BerekeningDatum != 0 ? std::optional<TDateTime>(invoer.BerekeningDatum)
                                                            : std::nullopt);
    s.ArtiestAftrekBedrag = invoer.ArtiestAftrekBPType == bpdBedrag ? invoer.ArtiestAftrekBedrag : 0;
}

TBerekeningInvoer LeesGegevensScherm(const TGegevensScherm& s)
{
    TBerekeningInvoer invoer;
    invoer.Werknemer = s.Naam;
    invoer.PercentageVakantiegeld = Getal(s.edWGVakantiegeld);
    invoer.Actief = {s.cbActiefPensioen.Checked(), s.cbActiefVUTFPU.Checked(), s.cbActiefIP.Checked(),
                     s.cbActiefZvw.Checked(),      s.cbActiefWW.Checked(),     s.cbActiefWAO.Checked(),
                     s.cbActiefWhk.Checked(),      s.cbActiefLevensloop.Checked()};
    invoer.WGLastenTonen = s.cbWGLastenTonen.Checked();
    invoer.LoonInclVakantie = s.cbLoonInclVakantie.Checked();
    invoer.SFDeeltijd = s.cbSFDeeltijd.Checked();
    invoer.SoortBerekening = SoortPositie(Code(s.cmbSoortWerknemer, -1));
    invoer.ZfwIngeschakeld = !invoer.IsArtiestPositie();
    invoer.Geboortedatum = Datum(s.edGebDatum);
    invoer.Loontijdvak = Code(s.cmbLoontijdvak, 0);
    invoer.SoortLoonbedrag = Code(s.cmbLoonbedrag, -1);
    invoer.Loonbedrag = Getal(s.edLoonbedrag);
    invoer.Tabelkleur = Code(s.cmbTabelkleur, tkWit);
    invoer.LoonbelastingtabelVoorInwoner = Code(s.cmbLoonbelastingtabelVoorInwoner, igNederland);
    invoer.Deeltijdpercentage = Getal(s.edDeeltijdFactor, 100);
    invoer.IPzonderDeeltijd = s.cbIPzonderDeeltijd.Checked();
    invoer.ToepLoonheffing = s.cbToepLoonheffing.Checked();
    invoer.JaarloonLBPH = Getal(s.edJaarloonLBPH);
    invoer.LoonheffingVrij = Getal(s.edLoonheffingVrij);
    invoer.VerzekerdWW = s.cbWW.Checked();
    invoer.VerzekerdWAO = s.cbWAO.Checked();
    invoer.VerzekerdZfw = s.cbZfw.Checked();
    invoer.LoondagenVoorDagtabel = Getal(s.edLoondagenVoorDagtabel);
    invoer.ArtiestLoonheffing = Getal(s.edArtiestLoonheffing);
    invoer.BerekeningDatum = Datum(s.deBerekeningDatum);
    invoer.ArtiestAftrekBPType = bpdBedrag;
    invoer.ArtiestAftrekBedrag = s.ArtiestAftrekBedrag;
    return invoer;
}

} // namespace vkt
