#pragma once

namespace vkt {

class THeffingsgegevens;

// An amount or a percentage a user gives one line of a calculation.
struct TRegelWaarde {
    int Regeltype = 0;
    int Looncomponentnummer = 0; // 0: the first line of the type
    bool IsPercentage = false;
    double Waarde = 0;
};

// Gives the line its amount (booked as an amount) or percentage (booked as a
// percentage), as the screen's row of that line writes it; the row of the
// second allowance component is the deduction row, so that line becomes a
// deduction. False when the calculation has no such line.
bool ZetRegelWaarde(THeffingsgegevens& heffing, const TRegelWaarde& waarde);

} // namespace vkt
