#pragma once

#include "model/Formule.h"

#include <vector>

namespace vkt {

class TKolommen;

// Makes a column set the one the formula symbols read; nullptr for none.
// While none is registered every symbol yields -999999.
void RegistreerKolommen(const TKolommen* kolommen);

// The eighteen named amounts of a calculation that formulas may use, in their
// fixed order: "Brutoloon", "Nettoloon", "Soc.Loon", ...
const std::vector<TSymbol>& SymbolenTabel();

} // namespace vkt
