#include "db/AdoTekst.h"

#include "common/Exception.h"
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vkt::db {
namespace {

std::string StripQuoteCharacters(const std::string& text)
{
    const auto first = text.find_first_not_of("\"'");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of("\"'") - first + 1);
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsSeparator(char c) { return c == ' ' || c == '#' || c == '-' || c == '/' || c == ':'; }

// Month, day, year, hour, minute, second in that order; missing ones are 0.
struct Elements {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
};

Elements SplitElements(const std::string& text, const std::string& input)
{
    int numbers[6] = {};
    int index = 0;
    bool inNumber = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (numbers[index] > 1000)
                throw Exception("getal te groot: " + input);
            numbers[index] = numbers[index] * 10 + (c - '0');
            inNumber = true;
        } else if (IsSeparator(c)) {
            if (!inNumber)
                continue; // a run of separators ends one number
            inNumber = false;
            if (++index == 6)
                throw Exception("te veel getallen");
        } else {
            throw Exception("ongeldig teken: \"" + std::string(1, c) + "\"");
        }
    }
    return {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
}

int FullYear(int year, int currentYear)
{
    if (year >= 100)
        return year;
    const int w = kTwoDigitYearWindow;
    int full = (currentYear - w) / 100 * 100 + year;
    if (w != 0 && full < currentYear - w)
        full += 100;
    return full;
}

TDateTime ParseMonthFirst(const std::string& input, int currentYear)
{
    std::string text;
    for (const char c : input)
        if (c != '#')
            text += c;
    text = Trim(StripQuoteCharacters(Trim(ToUpperAscii(text))));
    if (text.size() < 3)
        throw Exception("te kort");

    bool pm = false;
    if (EndsWith(text, "AM")) {
        text.resize(text.size() - 2);
    } else if (EndsWith(text, "PM")) {
        text.resize(text.size() - 2);
        pm = true;
    }
    Elements e = SplitElements(Trim(text), input);

    if (e.month < 1 || e.month > 12)
        throw Exception("ongeldige maand: " + std::to_string(e.month));
    if (e.day < 1 || e.day > 31)
        throw Exception("ongeldige dag: " + std::to_string(e.day));
    e.year = FullYear(e.year, currentYear);
    if (pm) {
        if (e.hour > 11)
            throw Exception("ongeldig uur na de middag: " + std::to_string(e.hour));
        e.hour += 12;
    } else if (e.hour > 23) {
        throw Exception("ongeldig uur: " + std::to_string(e.hour));
    }
    if (e.minute >= 60)
        throw Exception("ongeldige minuten: " + std::to_string(e.minute));
    if (e.second >= 60)
        throw Exception("ongeldige seconden: " + std::to_string(e.second));
    if (!IsValidDate(e.year, e.month, e.day))
        throw Exception("Ongeldige datum: " + input);

    const TDateTime date = EncodeDate(e.year, e.month, e.day);
    const double time = (e.hour * 3600 + e.minute * 60 + e.second) / 86400.0;
    // Before the epoch the day number is negative and the time counts away from zero.
    return date >= 0 ? date + time : date - time;
}

} // namespace

TDateTime ADODateTimeStringToDateTime(const std::string& text, int currentYear)
{
    try {
        return ParseMonthFirst(text, currentYear);
    } catch (const Exception& error) {
        throw Exception(std::string("ADODateTimeStringToDateTime: ") + error.what());
    }
}

TDateTime ADODateTimeStringToDateTime(const std::string& text)
{
    return ADODateTimeStringToDateTime(text, DecodeDate(Today()).year);
}

double ADOFloatStringToFloat(const std::string& text)
{
    // Thousands separators go, the decimal point becomes our decimal comma.
    std::string dutch;
    for (const char c : text)
        if (c != ',')
            dutch += c == '.' ? ',' : c;
    double result = 0;
    if (!ParseDutchNumber(dutch, result))
        throw Exception("ADOFloatStringToFloat: '" + text + "' is geen getal");
    return result;
}

bool ParseDutchNumber(const std::string& text, double& result)
{
    std::string number = Trim(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const char* begin = number.data();
    const char* end = number.data() + number.size();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end || !std::isfinite(value))
        return false;
    result = value;
    return true;
}

std::string FormatDutchNumber(double value)
{
    std::string text = ShortestNumber(value);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace vkt::db
