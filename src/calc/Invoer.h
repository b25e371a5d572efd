#pragma once

#include "common/DateTime.h"
#include "model/Enumeraties.h"
#include "store/SociaalFondsWaarden.h"

#include <string>
#include <vector>

namespace vkt {

// Positions of the kinds of calculation in the screen's list; the run and
// the statement test these positions, not the stored codes.
enum TSoortBerekeningPositie : int {
    spWerknemer = 0,
    spBijzonderLoon = 1,
    spBinnenlandseArtiest = 2,
    spBuitenlandseArtiest = 3,
    spVrijeBerekeningWerknemers = 4,
    spVrijeBerekeningArtiest = 5,
};
// The display text of a position ("Werknemer", "Bijzonder loon", ...).
std::string SoortBerekeningPositieLabel(int positie);
// The artist group: positions 2, 3 and 5.
bool IsArtiestPositie(int positie);

// The input fields the rules and checks name, whatever shows them: the
// window maps each to its widget, the command line to its option.
enum class TInvoerveld {
    Berekeningsdatum,
    Loonbedrag,
    SoortLoonbedrag,
    SoortBerekening,
    Geboortedatum,
    Leeftijd,
    Loontijdvak,
};

// The tabs of the window on which input fields stand; Geen for a field
// above the tabs (the calculation date), whose check leaves the tab as it is.
enum class TInvoertab {
    Geen,
    Werkgeverslasten,
    SocialeFondsen,
    Werknemersgegevens,
    Berekeningsgegevens,
};

// The largest amount every front end takes, for the wage amount and for
// every other amount a user enters: eight whole digits and two decimals.
// Up to it every amount of a calculation, and its annual wage, is held in a
// double exactly to the cent.
constexpr int MaximumBedragGeheleCijfers = 8;
constexpr long long MaximumBedragInCenten = [] {
    long long centen = 1;
    for (int i = 0; i < MaximumBedragGeheleCijfers + 2; ++i)
        centen *= 10;
    return centen - 1;
}();
constexpr double MaximumBedrag = MaximumBedragInCenten / 100.0;
// As a user writes it, for messages.
inline constexpr char MaximumBedragTekst[] = "99.999.999,99";

// The employer parts switched on for the calculation (the "actief" boxes).
struct TActieveWerkgeversdelen {
    bool Pensioen = false;
    bool VUTFPU = false;
    bool IP = false;
    bool Zvw = true;
    bool WW = true;
    bool WAO = true;
    bool Whk = false;
    bool Levensloop = false;
    bool operator==(const TActieveWerkgeversdelen&) const = default;
};

// The screen values a calculation run reads, filled by the desktop window or
// by the command line. The defaults are those of a new calculation.
struct TBerekeningInvoer {
    std::string Werknemer;                 // the employee's name
    int SoortBerekening = spWerknemer;     // TSoortBerekeningPositie
    int Loontijdvak = ltMaand;             // key; 0 when none is chosen (counts as a month)
    int SoortLoonbedrag = slBrutoloon;     // TSoortLoonbedrag
    double Loonbedrag = 1000;
    TDateTime BerekeningDatum = 0;
    TDateTime Geboortedatum = 0;
    double LoondagenVoorDagtabel = 21.67;
    double Deeltijdpercentage = 100;
    int Tabelkleur = tkWit;
    int LoonbelastingtabelVoorInwoner = igNederland;
    bool ToepLoonheffing = true;           // apply the wage-tax credits
    bool VerzekerdZfw = false;
    bool ZfwIngeschakeld = true;           // the Zvw box is enabled (not for artists)
    bool VerzekerdWW = true;
    bool VerzekerdWAO = true;
    double PercentageVakantiegeld = 8;
    double JaarloonLBPH = 0;               // previous year's annual wage, special rewards
    double LoonheffingVrij = 0;            // fixed wage-tax percentage, free calculations
    double ArtiestLoonheffing = 0;         // fixed wage-tax percentage, artists
    int ArtiestAftrekBPType = bpdBedrag;   // artist cost reimbursement: amount or percentage
    double ArtiestAftrekBedrag = 0;
    double ArtiestAftrekPercentage = 0;
    bool LoonInclVakantie = false;
    bool IPzonderDeeltijd = false;
    bool SFDeeltijd = false;
    TActieveWerkgeversdelen Actief;
    double WGWaoVastPercentage = 0;        // the fixed WAO/WIA premium line's percentage
    bool WGLastenTonen = false;
    std::vector<TSociaalFondsWaarden> SocialeFondsen;

    bool IsArtiestPositie() const { return vkt::IsArtiestPositie(SoortBerekening); }
    bool operator==(const TBerekeningInvoer&) const = default;
};

} // namespace vkt
