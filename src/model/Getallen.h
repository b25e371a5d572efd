#pragma once

#include <string>

namespace vkt {

// Numbers as the program shows them, whatever the user's locale: "," as
// decimal separator and no thousands separator.

// Two decimals, right-aligned in a field of breedte characters when the
// text is shorter ("1234,50", "     1234,50"), rounded half away from zero; an
// amount that rounds to zero cents prints without a minus sign.
std::string FormatBedrag(double waarde, int breedte = 0);

// The shortest general form with up to 15 significant digits ("21,67", "1").
std::string FormatAlgemeen(double waarde);

} // namespace vkt
