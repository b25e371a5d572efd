#pragma once

#include "calc/Berekening.h"
#include "calc/Invoer.h"

namespace vkt {

class TdmConstanten;
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

private:
    TBerekening berekening_;
};

} // namespace vkt
