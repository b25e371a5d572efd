#include "calc/Veldregels.h"

#include "model/Datumregels.h"
#include "model/DmConstanten.h"

namespace vkt {
namespace {

const char* const kWerknemersgegevens = "&Werknemersgegevens";

} // namespace

TBerekeningInvoer NieuweBerekeningInvoer(TDateTime vandaag)
{
    TBerekeningInvoer invoer;
    invoer.BerekeningDatum = TdmConstanten::BeginBerekeningsdatum(vandaag);
    invoer.Geboortedatum = EncodeDate(Jaar(invoer.BerekeningDatum) - 25, 1, 1);
    return invoer;
}

bool IsLoontijdvakKiesbaar(int soortBerekening) { return soortBerekening == spWerknemer; }

void PasSoortregelToe(TBerekeningInvoer& invoer)
{
    if (!IsLoontijdvakKiesbaar(invoer.SoortBerekening))
        invoer.Loontijdvak = ltMaand;
    invoer.ZfwIngeschakeld = !invoer.IsArtiestPositie();
    PasZvwRegelToe(invoer);
}

void PasZvwRegelToe(TBerekeningInvoer& invoer)
{
    if (invoer.VerzekerdZfw && invoer.ZfwIngeschakeld)
        invoer.Actief.Zvw = false;
}

double LoondagenVoorLoontijdvak(int soortBerekening, int loontijdvak)
{
    return IsArtiestPositie(soortBerekening) ? 1 : StandaardSVDagen(loontijdvak);
}

void KiesLoontijdvak(TBerekeningInvoer& invoer, int loontijdvak)
{
    invoer.Loontijdvak = loontijdvak;
    if (loontijdvak != 0)
        invoer.LoondagenVoorDagtabel = LoondagenVoorLoontijdvak(invoer.SoortBerekening, loontijdvak);
}

void KiesVerzekerdZvw(TBerekeningInvoer& invoer, bool verzekerd)
{
    invoer.VerzekerdZfw = verzekerd;
    PasZvwRegelToe(invoer);
}

void KiesWerkgeverZvw(TBerekeningInvoer& invoer, bool actief)
{
    invoer.Actief.Zvw = actief;
    if (actief)
        invoer.VerzekerdZfw = false;
}

bool IsAOWGerechtigd(const TBerekeningInvoer& invoer)
{
    return IsAOWGerechtigdInMaand(invoer.BerekeningDatum, invoer.Geboortedatum);
}

void KiesStandaardVerzekeringen(TBerekeningInvoer& invoer)
{
    const bool verzekerd = !IsAOWGerechtigd(invoer);
    invoer.VerzekerdWW = verzekerd;
    invoer.VerzekerdWAO = verzekerd;
}

void PasRegelsToeNaLaden(TBerekeningInvoer& invoer)
{
    if (invoer.Actief.Zvw && invoer.VerzekerdZfw)
        invoer.VerzekerdZfw = false;
    PasSoortregelToe(invoer);
}

void PasRegelsToeNaKeuze(TBerekeningInvoer& invoer, const TGekozenVelden& gekozen)
{
    PasSoortregelToe(invoer);
    if (gekozen.Loontijdvak && !gekozen.Loondagen)
        KiesLoontijdvak(invoer, invoer.Loontijdvak);
    if (!gekozen.Verzekeringen)
        KiesStandaardVerzekeringen(invoer);
    PasZvwRegelToe(invoer);
}

int LeeftijdOpBerekeningsdatum(const TBerekeningInvoer& invoer)
{
    return Leeftijd(invoer.BerekeningDatum, invoer.Geboortedatum);
}

std::optional<TVeldFout> ControleerInvoer(const TBerekeningInvoer& invoer)
{
    if (invoer.BerekeningDatum == 0)
        return TVeldFout{"deBerekeningDatum", "Datum is ongeldig.", ""};
    if (invoer.Loonbedrag < 0)
        return TVeldFout{"edLoonbedrag", "Loonbedrag is ongeldig of niet ingevuld.", kWerknemersgegevens};
    if (invoer.SoortLoonbedrag < slBrutoloon || invoer.SoortLoonbedrag > slZvwLoon)
        return TVeldFout{"cmbLoonbedrag", "Soort loonbedrag is niet geselecteerd.", kWerknemersgegevens};
    if (invoer.SoortBerekening < spWerknemer || invoer.SoortBerekening > spVrijeBerekeningArtiest)
        return TVeldFout{"cmbSoortWerknemer", "Berekening voor is niet geselecteerd.", kWerknemersgegevens};
    if (invoer.Geboortedatum == 0)
        return TVeldFout{"edGebDatum", "Geboortedatum is ongeldig of niet ingevuld.", kWerknemersgegevens};
    const int leeftijd = LeeftijdOpBerekeningsdatum(invoer);
    if (leeftijd < 1 || leeftijd > 100)
        return TVeldFout{"edGebDatum", "Leeftijd is ongeldig of niet ingevuld.", kWerknemersgegevens};
    return std::nullopt;
}

} // namespace vkt
