#pragma once

#include "calc/Berekening.h"
#include "calc/Invoer.h"

#include <optional>

namespace vkt {

class TdmConstanten;
class THeffingsgegevens;
class TVasteHeffingsgegevens;

// One point of a wage curve: what a calculation gives at one gross wage,
// each amount in euros rounded to cents as the statement shows it.
struct TVerloopPunt {
    double Brutoloon = 0;
    double Nettoloon = 0;
    double Loonheffing = 0;
    double Arbeidskorting = 0;   // the labour credit applied
    double Werkgeverslasten = 0; // the employer's total cost
};

// Where a computed gross wage lies in the wage-tax table: its wage for wage
// tax (column 14) and the row of the table it is taxed by, counted in the
// table's annual steps; no row above the table, where the tax has no steps.
struct TTabelplek {
    double Loonheffingsloon = 0;
    std::optional<long long> Rij;
};

// The step between two rows of the wage-tax table in the wage for wage tax of
// the calculation's pay period: the table's annual step over the periods in a
// year, times the wage days of a day table (4,50 a month).
double Tabelstap(const THeffingsgegevens& heffing);

// Computes the calculation of one set of inputs at any gross wage. The
// calculation object is built once from the regular levy data and the
// inputs, as a run for a gross wage builds it; each point sets the gross
// wage on it and computes it again, as the gross-wage search does, so no
// point reads the database or copies the levy data.
class TPuntRekenaar {
public:
    // invoer as the run takes it; its kind of wage amount does not matter:
    // every point is a gross wage. Throws vkt::Exception when the run cannot
    // be built.
    TPuntRekenaar(const TVasteHeffingsgegevens& vast, TBerekeningInvoer invoer, TdmConstanten& constanten);

    TVerloopPunt Bereken(double brutoloon);
    // Of the gross wage computed last.
    TTabelplek Tabelplek() const;
    double Tabelstap() const;

private:
    TBerekening berekening_;
};

} // namespace vkt
