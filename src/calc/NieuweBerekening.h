#pragma once

#include "calc/Invoer.h"
#include "model/Heffingsgegevens.h"

#include <memory>

namespace vkt {

class TdmConstanten;
class TdmVektaris;

// The regular levy data of a calculation without a stored levy record: the
// employer's premium percentages (the Zvw rates of the constants database
// when the employer has none), the default levy values, the inputs, and one
// line per system wage component of the employer. The employer is the
// data module's (first) employer.
std::unique_ptr<TVasteHeffingsgegevens> LaadNieuweHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                   const TBerekeningInvoer& invoer);

// Puts the employer's fixed WAO/WIA percentage (0 when no fixed premium is
// due) on the first fixed WAO/WIA line of column 0; returns that line, or
// nullptr when there is none.
TBaseKolomRegel* SetWAOPremieRegel(TVasteHeffingsgegevens& vast);

} // namespace vkt
