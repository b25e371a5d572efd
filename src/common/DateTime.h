#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vkt {

// A date and time as a day number: whole days since 30 December 1899, the
// fraction being the time of day. 0 stands for "no date" where a rule says so.
using TDateTime = double;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
};

bool IsValidDate(int year, int month, int day);
// Throws vkt::Exception for a date that does not exist.
TDateTime EncodeDate(int year, int month, int day);
DateParts DecodeDate(TDateTime date);
// Seconds since midnight of the time part.
int SecondsOfDay(TDateTime date);

// "YYYY-MM-DD HH:MM:SS", the form in which the databases store date-times.
std::string ToIsoText(TDateTime date);
// Accepts "YYYY-MM-DD", optionally followed by " HH:MM[:SS]" or "THH:MM[:SS]".
std::optional<TDateTime> ParseIsoText(std::string_view text);

// "dd-mm-yyyy", the program's short date format.
std::string FormatDutchDate(TDateTime date);
// Accepts "d-m-yyyy" or "dd-mm-yyyy" (also with "/" or "."); no value for a
// malformed text or a date that does not exist.
std::optional<TDateTime> ParseDutchDate(std::string_view text);

// "15 maart 2020": the day without a leading zero, the Dutch month name.
std::string FormatLongDutchDate(TDateTime date);

// Today's date (without a time part) from the system clock, local time.
TDateTime Today();

} // namespace vkt
