#include "calc/Veldregels.h"

#include "model/Datumregels.h"
#include "model/DmConstanten.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace vkt {
namespace {

const char* const kGeenMinimumloon = "Het minimumloon kan niet worden bepaald.";

using TControle = std::function<std::optional<TVeldFout>(const TBerekeningInvoer&)>;

TVeldFout Fout(TInvoerveld veld, std::string melding) { return TVeldFout{veld, std::move(melding), TabVan(veld)}; }

std::optional<TVeldFout> ControleerDatum(const TBerekeningInvoer& invoer)
{
    if (invoer.BerekeningDatum == 0)
        return Fout(TInvoerveld::Berekeningsdatum, "Datum is ongeldig.");
    return std::nullopt;
}

std::optional<TVeldFout> ControleerLoonbedrag(const TBerekeningInvoer& invoer)
{
    if (!(invoer.Loonbedrag >= 0))
        return Fout(TInvoerveld::Loonbedrag, "Loonbedrag is ongeldig of niet ingevuld.");
    if (invoer.Loonbedrag > MaximumBedrag)
        return Fout(TInvoerveld::Loonbedrag,
                    std::string("Loonbedrag is ongeldig: het grootste loonbedrag is ") + MaximumBedragTekst + ".");
    return std::nullopt;
}

std::optional<TVeldFout> ControleerSoortLoonbedrag(const TBerekeningInvoer& invoer)
{
    if (invoer.SoortLoonbedrag < slBrutoloon || invoer.SoortLoonbedrag > slZvwLoon)
        return Fout(TInvoerveld::SoortLoonbedrag, "Soort loonbedrag is niet geselecteerd.");
    return std::nullopt;
}

std::optional<TVeldFout> ControleerSoort(const TBerekeningInvoer& invoer)
{
    if (invoer.SoortBerekening < spWerknemer || invoer.SoortBerekening > spVrijeBerekeningArtiest)
        return Fout(TInvoerveld::SoortBerekening, "Berekening voor is niet geselecteerd.");
    return std::nullopt;
}

std::optional<TVeldFout> ControleerGeboortedatum(const TBerekeningInvoer& invoer)
{
    if (invoer.Geboortedatum == 0)
        return Fout(TInvoerveld::Geboortedatum, "Geboortedatum is ongeldig of niet ingevuld.");
    return std::nullopt;
}

// Without a birth date there is no age to check: the age function would
// count the employee as 50, so the birth date's own message stands instead.
// A failing age puts the focus in the birth date, the field it comes from.
std::optional<TVeldFout> ControleerLeeftijd(const TBerekeningInvoer& invoer)
{
    if (invoer.Geboortedatum == 0)
        return ControleerGeboortedatum(invoer);
    const int leeftijd = LeeftijdOpBerekeningsdatum(invoer);
    if (leeftijd < 1 || leeftijd > 100)
        return Fout(TInvoerveld::Geboortedatum, "Leeftijd is ongeldig of niet ingevuld.");
    return std::nullopt;
}

// The checks in turn; the first that fails.
std::optional<TVeldFout> EersteFout(const TBerekeningInvoer& invoer, std::initializer_list<TControle> controles)
{
    for (const TControle& controle : controles)
        if (auto fout = controle(invoer))
            return fout;
    return std::nullopt;
}

// The rows of the employee's lines in their order on screen.
constexpr std::array<TRegelSleutel, 14> kWerknemersregels = {{
    {rtNatura, 0},          {rtLoonLBPH, 0},         {rtVUTFPUPremieWN, 0},       {rtPensioenPremieWN, 0},
    {rtIPPremieWN, 0},      {rtLevensloopWN, 0},     {rtOpnameLevensloop, 0},     {rtBijtellingAuto, 0},
    {rtBijdrageAuto, 0},    {rtBijtellingFiets, 0},  {rtBijdrageFiets, 0},        {rtVergoedingInhouding, 1},
    {rtVergoedingInhouding, 2}, {rtWhkVerhalingOpWerknemer, 0},
}};

bool IsWerknemersregelZichtbaar(int p, const TRegelSleutel& regel)
{
    const bool artiest = IsArtiestPositie(p);
    switch (regel.Regeltype) {
    case rtNatura:
        return p != spBijzonderLoon;
    case rtVUTFPUPremieWN:
    case rtPensioenPremieWN:
    case rtIPPremieWN:
    case rtWhkVerhalingOpWerknemer:
        return !artiest;
    case rtVergoedingInhouding:
        return !artiest && p != spBijzonderLoon;
    default:
        return true;
    }
}

} // namespace

TSoortVelden SoortVelden(int p)
{
    TSoortVelden velden;
    velden.LoontijdvakKiesbaar = IsLoontijdvakKiesbaar(p);
    velden.VastLoontijdvak = velden.LoontijdvakKiesbaar ? 0 : ltMaand;
    velden.TabelKiesbaar = p == spWerknemer || p == spBijzonderLoon;
    velden.LoonheffingVrij = p == spVrijeBerekeningWerknemers || p == spVrijeBerekeningArtiest;
    velden.VerzekerdZvwKiesbaar = !IsArtiestPositie(p);
    velden.ArtiestAftrek = IsArtiestPositie(p);
    velden.ArtiestLoonheffing = p == spBinnenlandseArtiest || p == spBuitenlandseArtiest;
    velden.JaarloonVorigJaar = p == spBijzonderLoon;
    return velden;
}

std::vector<TRegelSleutel> Werknemersregels(int soortBerekening)
{
    std::vector<TRegelSleutel> regels;
    std::copy_if(kWerknemersregels.begin(), kWerknemersregels.end(), std::back_inserter(regels),
                 [&](const TRegelSleutel& regel) { return IsWerknemersregelZichtbaar(soortBerekening, regel); });
    return regels;
}

std::string LBPHBijschrift(int soortBerekening)
{
    return IsArtiestPositie(soortBerekening) ? "Onkostenvergoeding" : "LB/PH/Zvw-loon";
}

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
    if (const int vast = SoortVelden(invoer.SoortBerekening).VastLoontijdvak)
        invoer.Loontijdvak = vast;
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
    // The age decides the insurances only for dates that pass their checks;
    // dates the checks refuse are told as such, not reckoned with.
    if (!gekozen.Verzekeringen &&
        !EersteFout(invoer, {ControleerDatum, ControleerGeboortedatum, ControleerLeeftijd}))
        KiesStandaardVerzekeringen(invoer);
    PasZvwRegelToe(invoer);
}

int LeeftijdOpBerekeningsdatum(const TBerekeningInvoer& invoer)
{
    return Leeftijd(invoer.BerekeningDatum, invoer.Geboortedatum);
}

std::optional<TVeldFout> ControleerInvoer(const TBerekeningInvoer& invoer)
{
    return EersteFout(invoer, {ControleerDatum, ControleerLoonbedrag, ControleerSoortLoonbedrag, ControleerSoort,
                               ControleerGeboortedatum, ControleerLeeftijd});
}

std::optional<TVeldFout> ControleerVeld(const TBerekeningInvoer& invoer, TInvoerveld veld)
{
    switch (veld) {
    case TInvoerveld::Berekeningsdatum:
        if (invoer.Geboortedatum == 0)
            return ControleerDatum(invoer);
        return EersteFout(invoer, {ControleerDatum, ControleerGeboortedatum, ControleerLeeftijd});
    case TInvoerveld::Geboortedatum:
        return EersteFout(invoer, {ControleerGeboortedatum, ControleerLeeftijd});
    case TInvoerveld::Leeftijd:
        return ControleerLeeftijd(invoer);
    case TInvoerveld::Loonbedrag:
        return ControleerLoonbedrag(invoer);
    case TInvoerveld::SoortLoonbedrag:
        return ControleerSoortLoonbedrag(invoer);
    case TInvoerveld::SoortBerekening:
        return ControleerSoort(invoer);
    case TInvoerveld::Loontijdvak:
        return std::nullopt;
    }
    return std::nullopt;
}

TInvoertab TabVan(TInvoerveld veld)
{
    return veld == TInvoerveld::Berekeningsdatum ? TInvoertab::Geen : TInvoertab::Werknemersgegevens;
}

TMinimumloon BepaalMinimumloon(int leeftijd, TDateTime berekeningsdatum, int loontijdvak, TdmConstanten& constanten)
{
    if (leeftijd == 0)
        return {std::nullopt,
                Fout(TInvoerveld::Geboortedatum, std::string(kGeenMinimumloon) + "\r\nVul eerst de leeftijd in.")};
    if (berekeningsdatum == 0)
        return {std::nullopt, Fout(TInvoerveld::Berekeningsdatum,
                                   std::string(kGeenMinimumloon) + "\r\nVul eerst de berekeningsdatum in.")};
    constanten.Berekeningsdatum = berekeningsdatum;
    constanten.LaadMinimumloon(berekeningsdatum);
    const int a = std::min(leeftijd, 21);
    if (a < EersteMinimumloonLeeftijd)
        return {0.0, std::nullopt};
    const TMinimumloonRij rij = constanten.GetConstanten().Fiscaal().Minimumloon(a);
    switch (loontijdvak) {
    case ltKwartaal:
        return {rij.MinloonM * 3, std::nullopt};
    case ltMaand:
        return {rij.MinloonM, std::nullopt};
    case lt4Weken:
        return {rij.MinloonW * 4, std::nullopt};
    case ltWeek:
        return {rij.MinloonW, std::nullopt};
    case ltDag:
        return {rij.MinloonW / 5, std::nullopt};
    default:
        return {std::nullopt,
                Fout(TInvoerveld::Loontijdvak, std::string(kGeenMinimumloon) + " Selecteer eerst een loontijdvak.")};
    }
}

} // namespace vkt
