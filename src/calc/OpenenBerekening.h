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
// fields applied. A kind of calculation or of wage amount outside its list
// reads as no choice (-1), a stored date that is missing as 0 (no date), so
// that ControleerInvoer refuses where the window would; OngeldigeOpgeslagenWaarde
// tells the other stored values no user could have entered.
TBerekeningInvoer InvoerVanOpgeslagenBerekening(TdmVektaris& werknemers);

// Why the saved calculation the queries rest on cannot be computed as
// stored, checked as the window's fields check what is typed: the first of
// its settings, levy record and lines that holds a number that is not finite
// (infinity, NaN) or does not fit its field (the wage amount's own check in
// ControleerInvoer refuses it too wide), or a code outside its list
// (pay period, table colour, wage-tax table, AWf premium type); nothing when
// every value could have been entered. The message names the field.
std::optional<std::string> OngeldigeOpgeslagenWaarde(TdmVektaris& werknemers);

} // namespace vkt
