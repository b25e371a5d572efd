#pragma once

#include "calc/Invoer.h"
#include "model/Heffingsgegevens.h"

#include <memory>
#include <optional>
#include <string>

namespace vkt {

class TdmConstanten;
class TdmVektaris;

// The regular levy data of the calculation the data module's queries are
// positioned on (its employee number; below 1 for a new calculation): the
// employer's premium percentages (the Zvw rates of the constants database
// when the employer has none), the employee record, the stored levy record
// or the default levy values, the deviating-basis formulas, the inputs, and
// the stored lines or, without them, one line per system wage component of
// the employer. The fixed WAO/WIA line gets the employer's percentage.
std::unique_ptr<TVasteHeffingsgegevens> LaadVasteHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                  const TBerekeningInvoer& invoer);

// The same for a new calculation, whatever the queries are positioned on.
std::unique_ptr<TVasteHeffingsgegevens> LaadNieuweHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                   const TBerekeningInvoer& invoer);

// The first fixed WAO/WIA line of column 0, which the window's fixed WAO/WIA
// row edits; nullptr when there is none.
TBaseKolomRegel* WAOVastRegel(const THeffingsgegevens& heffing);

// Puts the employer's fixed WAO/WIA percentage (0 when no fixed premium is
// due) on the first fixed WAO/WIA line of column 0; returns that line, or
// nullptr when there is none.
TBaseKolomRegel* SetWAOPremieRegel(TVasteHeffingsgegevens& vast);

// The inputs as the window shows a saved calculation: the settings of the
// employee query's current row and of the levy record the levy query shows
// (none: the wage days of a month), with the window's rules between the
// fields applied. A stored code outside its list is read as the window's
// list shows it: no choice (kind of calculation and kind of wage amount -1,
// pay period 0, which counts as a month; table colour and wage-tax table 0),
// and a birth date that was not filled in stays 0 (the age function would
// count it as 50 years), so that ControleerInvoer refuses where the window
// would.
TBerekeningInvoer InvoerVanOpgeslagenBerekening(TdmVektaris& werknemers, TDateTime vandaag);

// A message naming the first stored number of the saved calculation the
// queries rest on (its settings, levy record and lines) that is not finite,
// such as infinity or NaN in a REAL column; nothing when every number is.
// No user can enter such a value, and computing with it would give
// meaningless amounts.
std::optional<std::string> NietEindigOpgeslagenGetal(TdmVektaris& werknemers);

} // namespace vkt
