#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vkt {

// Numbers as the program shows them, whatever the user's locale: "," as
// decimal separator and no thousands separator.

// Two decimals, right-aligned in a field of breedte characters when the
// text is shorter ("1234,50", "     1234,50"), rounded half away from zero; an
// amount that rounds to zero cents prints without a minus sign.
std::string FormatBedrag(double waarde, int breedte = 0);

// A fixed number of decimals in the same way ("1234,568" with 3, "70" with
// none), right-aligned in breedte characters; zero prints without a minus sign.
std::string FormatVast(double waarde, int decimalen, int breedte = 0);

// The same without alignment, written into [begin, einde) (kMaximumVastLengte
// characters always suffice) without making a string; returns the end of the text
// (begin when it does not fit).
constexpr std::size_t kMaximumVastLengte = 400;
char* SchrijfVast(char* begin, char* einde, double waarde, int decimalen);

// The shortest general form with up to 15 significant digits ("21,67", "1").
std::string FormatAlgemeen(double waarde);

// An amount in whole cents, rounded as RondAfOpCenten rounds; nothing for a
// value that is no number, infinite, or more than kGrootsteCentenbedrag cents
// either way, so that such amounts can be subtracted and compared as whole
// numbers without overflow.
constexpr double kGrootsteCentenbedrag = 1e17;
std::optional<long long> BedragInCenten(double bedrag);

// A number read from what a user typed.
struct TGelezenGetal {
    enum TFout { Geen, Ongeldig, TeVeelDecimalen };
    TFout Fout = Ongeldig;
    double Waarde = 0;
    explicit operator bool() const { return Fout == Geen; }
};

// Reads a number as Dutch users write it, whatever the locale: an optional
// sign, digits, "," as decimal separator and "." between groups of three
// digits ("3.500" and "1.234.567,89"). A number without a comma may have a
// point as decimal separator instead ("3500.50", "0.125"); a point followed
// by exactly three digits after a group of one to three digits that does not
// start with 0 separates thousands. Blanks around the number are ignored.
// More than maximumDecimalen decimals is TeVeelDecimalen.
TGelezenGetal LeesGetal(std::string_view tekst, int maximumDecimalen);

} // namespace vkt
