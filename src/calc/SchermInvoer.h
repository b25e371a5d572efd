#pragma once

#include "calc/Invoer.h"

namespace vkt {

class TGegevensScherm;

// Puts the inputs into the window's bound fields, as a user would enter them
// before saving; the AWf premium type is the levy data's.
void VulGegevensScherm(TGegevensScherm& scherm, const TBerekeningInvoer& invoer, const std::string& awfPremieType);

} // namespace vkt
