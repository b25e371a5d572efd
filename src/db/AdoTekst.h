#pragma once

#include "common/DateTime.h"

#include <string>

namespace vkt::db {

// The two-digit-year window: a two-digit year is placed in the hundred years
// that end 49 years after the current one.
constexpr int kTwoDigitYearWindow = 50;

// Reads a date-time written month first, as the database engine writes
// defaults ("#12/31/9999#", "1/2/2020 3:04:05 PM"); two-digit years are
// placed by the window above, relative to currentYear. Throws vkt::Exception
// "ADODateTimeStringToDateTime: " + the reason.
TDateTime ADODateTimeStringToDateTime(const std::string& text, int currentYear);
// The same relative to this year.
TDateTime ADODateTimeStringToDateTime(const std::string& text);

// Reads a number written with "." for decimals and "," for thousands
// ("1,234.5"). Throws vkt::Exception "ADOFloatStringToFloat: " + the reason.
double ADOFloatStringToFloat(const std::string& text);

// Reads a number written the Dutch way, "," for decimals ("1234,5"); a "."
// is read as a decimal point too. No thousands separators.
bool ParseDutchNumber(const std::string& text, double& result);
// The shortest text that reads back as the same number, "," for decimals.
std::string FormatDutchNumber(double value);

} // namespace vkt::db
