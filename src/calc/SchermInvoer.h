#pragma once

#include "calc/Invoer.h"

namespace vkt {

class TGegevensScherm;

// Puts the inputs into the window's bound fields, as a user would enter them
// before saving; the AWf premium type is the levy data's.
void VulGegevensScherm(TGegevensScherm& scherm, const TBerekeningInvoer& invoer, const std::string& awfPremieType);

// The inputs the bound fields hold, the other way round, read as a saved
// calculation is read when it is computed without a window: no choice is
// -1 for the kind of calculation and the kind of wage amount, 0 for the
// pay period, the table colour and the wage-tax table; an empty date or
// amount is 0, an empty part-time percentage 100. The employee's Zvw box
// counts as enabled outside the artist kinds (the kind rule). The artist's
// reimbursement is the stored amount; the fixed WAO/WIA percentage and the
// funds are not in the fields and keep their defaults.
TBerekeningInvoer LeesGegevensScherm(const TGegevensScherm& scherm);

} // namespace vkt
