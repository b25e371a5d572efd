#include "common/DateTime.h"

#include "common/Exception.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace vkt {
namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar.
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe);
}

// Computed at compile time, so dates made during static initialisation are right.
constexpr long long kEpochDays = DaysFromCivil(1899, 12, 30);

DateParts CivilFromDays(long long z)
{
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return DateParts{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Reads a date text from left to right; every step says whether it matched.
struct Lezer {
    std::string_view tekst;
    std::size_t positie = 0;

    bool Klaar() const { return positie == tekst.size(); }
    // One of the characters.
    bool Teken(std::string_view tekens)
    {
        if (Klaar() || tekens.find(tekst[positie]) == std::string_view::npos)
            return false;
        ++positie;
        return true;
    }
    // From minimum to maximum digits, as many as there are; a value too
    // large for an int only where the digits are not used (a fraction).
    bool Getal(std::size_t minimum, std::size_t maximum, int& waarde)
    {
        std::size_t n = 0;
        waarde = 0;
        while (n < maximum && !Klaar() && tekst[positie] >= '0' && tekst[positie] <= '9') {
            if (waarde < 100000000)
                waarde = waarde * 10 + (tekst[positie] - '0');
            ++positie;
            ++n;
        }
        return n >= minimum;
    }
};

std::optional<TDateTime> DateWithTime(int y, int mo, int d, int h, int mi, int s)
{
    if (!IsValidDate(y, mo, d) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return EncodeDate(y, mo, d) + (h * 3600 + mi * 60 + s) / 86400.0;
}

} // namespace

bool IsValidDate(int year, int month, int day)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw Exception("Ongeldige datum: " + std::to_string(day) + "-" + std::to_string(month) + "-" +
                        std::to_string(year));
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month),
                                             static_cast<unsigned>(day)) - kEpochDays);
}

DateParts DecodeDate(TDateTime date)
{
    // The date part is the whole number of days, cut towards zero as the
    // day-number convention does for dates before 1900.
    const long long days = static_cast<long long>(std::trunc(date));
    return CivilFromDays(days + kEpochDays);
}

int SecondsOfDay(TDateTime date)
{
    const double fraction = std::fabs(date - std::trunc(date));
    const int seconds = static_cast<int>(std::llround(fraction * 86400.0));
    return seconds >= 86400 ? 86399 : seconds;
}

std::string ToIsoText(TDateTime date)
{
    const DateParts p = DecodeDate(date);
    const int s = SecondsOfDay(date);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  s / 3600, s / 60 % 60, s % 60);
    return buffer;
}

std::optional<TDateTime> ParseIsoText(std::string_view text)
{
    Lezer l{text};
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    if (!l.Getal(4, 4, y) || !l.Teken("-") || !l.Getal(2, 2, mo) || !l.Teken("-") || !l.Getal(2, 2, d))
        return std::nullopt;
    if (!l.Klaar()) {
        if (!l.Teken(" T") || !l.Getal(2, 2, h) || !l.Teken(":") || !l.Getal(2, 2, mi))
            return std::nullopt;
        if (!l.Klaar() && (!l.Teken(":") || !l.Getal(2, 2, sec)))
            return std::nullopt;
        int fractie = 0;
        if (!l.Klaar() && (!l.Teken(".") || !l.Getal(1, text.size(), fractie)))
            return std::nullopt;
    }
    if (!l.Klaar())
        return std::nullopt;
    return DateWithTime(y, mo, d, h, mi, sec);
}

std::string FormatDutchDate(TDateTime date)
{
    const DateParts p = DecodeDate(date);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", p.day, p.month, p.year);
    return buffer;
}

std::string FormatLongDutchDate(TDateTime date)
{
    static const char* const kMaanden[] = {"januari", "februari", "maart",     "april",   "mei",      "juni",
                                           "juli",    "augustus", "september", "oktober", "november", "december"};
    const DateParts p = DecodeDate(date);
    return std::to_string(p.day) + " " + kMaanden[p.month - 1] + " " + std::to_string(p.year);
}

std::optional<TDateTime> ParseDutchDate(std::string_view text)
{
    Lezer l{text};
    int d = 0, mo = 0, y = 0;
    if (!l.Getal(1, 2, d) || l.Klaar())
        return std::nullopt;
    const char scheiding = text[l.positie];
    if (!l.Teken("-/.") || !l.Getal(1, 2, mo) || !l.Teken(std::string_view(&scheiding, 1)) || !l.Getal(4, 4, y) ||
        !l.Klaar())
        return std::nullopt;
    return DateWithTime(y, mo, d, 0, 0, 0);
}

TDateTime Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace vkt
