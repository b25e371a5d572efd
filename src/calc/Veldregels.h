#pragma once

#include "calc/Invoer.h"

#include <optional>
#include <string>
#include <vector>

namespace vkt {

class TdmConstanten;

// The rules between the input fields of a calculation and the checks of those
// fields, in one place for every front end: the desktop window calls them from
// its slots, the command line after reading its options.

// The inputs of a new calculation started on the day vandaag: the calculation
// date as the window shows it (vandaag's day and month in 2020, 31 December
// 2020 after 2020), an employee of 25 (born 1 January of the calculation's
// year less 25) and the other defaults of TBerekeningInvoer.
TBerekeningInvoer NieuweBerekeningInvoer(TDateTime vandaag);

// Only the kind "Werknemer" chooses its pay period; the others are computed per
// month.
bool IsLoontijdvakKiesbaar(int soortBerekening);

// What the kind of calculation (its list position, -1 for none) leaves open
// on screen, and so which options the command line takes for it.
struct TSoortVelden {
    bool LoontijdvakKiesbaar = false; // only "Werknemer" chooses its pay period
    int VastLoontijdvak = 0;          // the pay period of the others (Maand); 0 when chosen
    bool TabelKiesbaar = false;       // table colour and wage-tax table: employees and special rewards
    bool LoonheffingVrij = false;     // the free calculations' own wage-tax percentage
    bool VerzekerdZvwKiesbaar = false; // outside the artist kinds
    bool ArtiestAftrek = false;       // the artist kinds' cost reimbursement
    bool ArtiestLoonheffing = false;  // the domestic and foreign artists' own wage-tax percentage
    bool JaarloonVorigJaar = false;   // special rewards: the previous year's annual wage
};
TSoortVelden SoortVelden(int soortBerekening);

// A line as a row on screen names it: its type and, for the allowance (1)
// and the deduction (2) of type 1048576, its wage component (else 0).
struct TRegelSleutel {
    int Regeltype = 0;
    int Looncomponent = 0;
    bool operator==(const TRegelSleutel&) const = default;
};
// The rows of lines the user enters for the employee, in their order on
// screen, as far as the kind of calculation shows them: special rewards have
// no wage in kind and no tax-free allowance or deduction, artists no
// employee pension, early-retirement or IP premium, no tax-free allowance
// or deduction and no Whk charged on.
std::vector<TRegelSleutel> Werknemersregels(int soortBerekening);
// The caption of the row of wage taxed only for wage tax and Zvw, which the
// artist kinds use for their expenses: "Onkostenvergoeding", else
// "LB/PH/Zvw-loon".
std::string LBPHBijschrift(int soortBerekening);

// Kind rule, when the kind of calculation changes or a calculation is shown:
// a kind other than "Werknemer" is computed per month, the employee's Zvw box
// is enabled only outside the artist kinds; then the Zvw rule.
void PasSoortregelToe(TBerekeningInvoer& invoer);

// Zvw rule: an employee insured for the Zvw (box checked and enabled) pays the
// contribution himself, so the employer's Zvw levy is switched off.
void PasZvwRegelToe(TBerekeningInvoer& invoer);

// The wage days a chosen pay period gives: 1 for the artist kinds, else the
// standard days of the period (Dag 1, Week 5, 4 Weken 20, Maand 21,67,
// Kwartaal 65).
double LoondagenVoorLoontijdvak(int soortBerekening, int loontijdvak);

// The user chooses a pay period: it sets the wage days.
void KiesLoontijdvak(TBerekeningInvoer& invoer, int loontijdvak);
// The user checks or clears the employee's Zvw box (then the Zvw rule).
void KiesVerzekerdZvw(TBerekeningInvoer& invoer, bool verzekerd);
// The user checks or clears the employer's Zvw box; checking it clears the
// employee's box. After any choice at most one of the two is checked.
void KiesWerkgeverZvw(TBerekeningInvoer& invoer, bool actief);

// Whether the employee has reached the state pension age on the calculation
// date (false without a birth date).
bool IsAOWGerechtigd(const TBerekeningInvoer& invoer);
// Insured for WW and WAO/WIA unless the state pension age has been reached:
// from then on no employee-insurance premiums are due.
void KiesStandaardVerzekeringen(TBerekeningInvoer& invoer);

// A stored calculation as the window shows it after loading: stored with both
// Zvw boxes checked, the employer's levy wins; then the kind rule.
void PasRegelsToeNaLaden(TBerekeningInvoer& invoer);

// What a user chose himself, for the rules that fill in the rest.
struct TGekozenVelden {
    bool Loontijdvak = false;
    bool Loondagen = false;
    bool Verzekeringen = false;
};
// The inputs as a user's choices leave them: the kind rule, the wage days of
// a chosen pay period (unless chosen too), the insurances of the employee's
// age (unless chosen, and only when the dates and the age pass their checks,
// which ControleerInvoer then refuses), and the Zvw rule (the employee's Zvw
// box wins).
void PasRegelsToeNaKeuze(TBerekeningInvoer& invoer, const TGekozenVelden& gekozen);

// The age in whole years on the calculation date.
int LeeftijdOpBerekeningsdatum(const TBerekeningInvoer& invoer);

// A field that fails its check: the field to put the focus in, its message,
// and the tab the window brings to the front (Geen: none).
struct TVeldFout {
    TInvoerveld Veld;
    std::string Melding;
    TInvoertab Tab = TInvoertab::Geen;
};

// The tab a field stands on (Geen for the calculation date).
TInvoertab TabVan(TInvoerveld veld);

// Checks the fields in the window's order (calculation date, wage amount,
// kind of wage amount, kind of calculation, birth date, age); the first that
// fails, or nothing. The wage amount lies from 0 to MaximumBedrag.
std::optional<TVeldFout> ControleerInvoer(const TBerekeningInvoer& invoer);

// The check of one field as it runs when the field is left: the calculation
// date and then, when a birth date is filled in, the birth date and the age;
// the birth date and then the age; the age, which without a birth date fails
// as the birth date does; the wage amount, the kind of wage amount and the
// kind of calculation alone. The pay period has no check of its own.
std::optional<TVeldFout> ControleerVeld(const TBerekeningInvoer& invoer, TInvoerveld veld);

// The statutory minimum wage of the pay period for an employee of that age
// on the calculation date (the minimum wages of that date are loaded into
// the constants first): that of 21 from 21 on, 0 under 15; a quarter is
// three months, four weeks four weeks, a day a fifth of a week. Or, when it
// cannot be determined, why: no age, no calculation date, or (from 15 on) no
// pay period, with the field to go to.
struct TMinimumloon {
    std::optional<double> Bedrag;
    std::optional<TVeldFout> Fout;
};
TMinimumloon BepaalMinimumloon(int leeftijd, TDateTime berekeningsdatum, int loontijdvak, TdmConstanten& constanten);

} // namespace vkt
