#pragma once

#include "calc/Invoer.h"

#include <string>

namespace vkt {

// A number the window's field holds, as wide as that field: its caption, the
// column it is stored in, its width in characters (sign, whole digits,
// decimal separator, decimals) and its decimals. The window's fields are made
// this wide, and a stored number is checked against the same width, so that
// what is stored is what a user could have entered.
struct TGetalveld {
    const char* Veld;  // the caption, as messages name the field
    const char* Kolom; // the stored column
    int Cijfers;
    int Decimalen;
    // The input layer's checks refuse what does not fit, with their own message.
    bool EigenControle = false;
};

// The numbers of a calculation's settings.
inline constexpr TGetalveld kVeldVakantiegeld{"Percentage vakantiegeld", "PercentageVakantiegeld", 6, 2};
inline constexpr TGetalveld kVeldLoonbedrag{"Loonbedrag", "Vastloon", MaximumBedragGeheleCijfers + 1 + 2, 2, true};
inline constexpr TGetalveld kVeldDeeltijdfactor{"Deeltijdfactor", "Deeltijdpercentage", 6, 2};
inline constexpr TGetalveld kVeldJaarloon{"Jaarloon LB/PH", "JaarloonVorigJaar", 12, 2};
inline constexpr TGetalveld kVeldLoonheffing{"Loonheffing", "PercentageLoonheffing", 12, 2};
inline constexpr TGetalveld kVeldArtiestLoonheffing{"Afwijkend tarief loonheffing", "ArtiestLoonheffing", 12, 2};
inline constexpr TGetalveld kVeldArtiestAftrek{"Kostenvergoeding artiest", "ArtiestAftrekBedrag", 9, 2};
inline constexpr TGetalveld kVeldLoondagen{"Loondagen", "DagTabelDagen", 8, 2};
// The numbers of a line's row, as the row's inputs are made (widgets/KolomRegelControl).
inline constexpr TGetalveld kVeldRegelBedrag{"Bedrag", "Bedrag", 9, 2};
inline constexpr TGetalveld kVeldRegelPercentage{"Percentage", "Percentage", 7, 3};
inline constexpr TGetalveld kVeldRegelFranchise{"Franchise", "Franchise", 8, 2};

// Whether the field can hold the number: finite, and as wide as the field at
// most once rounded to its decimals.
bool PastInVeld(double waarde, const TGetalveld& veld);

// Why a stored number cannot stand in its field, naming its column ("Het
// veld Vastloon van de opgeslagen berekening bevat ..."): not a number, or
// too wide for the field.
std::string OngeldigOpgeslagenGetal(const TGetalveld& veld, double waarde);

// The inputs with every number its field cannot hold set to 0, so that a
// stored calculation that is refused for it can still be shown (and mended or
// deleted); true when a number was set to 0.
bool MaakToonbaar(TBerekeningInvoer& invoer);

} // namespace vkt
