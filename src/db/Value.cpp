#include "db/Value.h"

#include "common/Text.h"
#include "db/DatabaseError.h"
#include "db/Waardetekst.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vkt::db {
namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseDouble(const std::string& text, double& result)
{
    std::string number = Trimmed(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const char* begin = number.data();
    if (!number.empty() && number.front() == '+')
        ++begin;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(begin, end, result);
    return !number.empty() && error == std::errc{} && stop == end;
}

// The whole number nearest to a stored real; one outside the 64-bit range
// (or not finite) has none, and rounding it would give any number at all.
std::int64_t RoundedInteger(double value)
{
    constexpr double kLimit = 9223372036854775807.0; // 2^63
    if (!(value > -kLimit && value < kLimit))
        throw DatabaseError(Waardetekst(ShortestNumber(value)) + " is geen geheel getal dat het programma kan lezen");
    return std::llround(value);
}

} // namespace

Value Value::Integer(std::int64_t value)
{
    Value v;
    v.type_ = FieldType::Integer;
    v.data_ = value;
    return v;
}

Value Value::Double(double value)
{
    Value v;
    v.type_ = FieldType::Double;
    v.data_ = value;
    return v;
}

Value Value::Text(std::string value)
{
    Value v;
    v.type_ = FieldType::Text;
    v.data_ = std::move(value);
    return v;
}

Value Value::Boolean(bool value)
{
    Value v;
    v.type_ = FieldType::Boolean;
    v.data_ = std::int64_t{value ? 1 : 0};
    return v;
}

Value Value::DateTime(TDateTime value)
{
    Value v;
    v.type_ = FieldType::DateTime;
    v.data_ = value;
    return v;
}

std::int64_t Value::AsInteger() const
{
    switch (type_) {
    case FieldType::Null:
        return 0;
    case FieldType::Integer:
    case FieldType::Boolean:
        return std::get<std::int64_t>(data_);
    case FieldType::Double:
    case FieldType::DateTime:
        return RoundedInteger(std::get<double>(data_));
    case FieldType::Text:
        break;
    }
    const std::string text = Trimmed(std::get<std::string>(data_));
    std::int64_t result = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (text.empty() || error != std::errc{} || stop != text.data() + text.size())
        throw DatabaseError(Waardetekst(std::get<std::string>(data_)) + " is geen geheel getal");
    return result;
}

double Value::AsDouble() const
{
    switch (type_) {
    case FieldType::Null:
        return 0;
    case FieldType::Integer:
    case FieldType::Boolean:
        return static_cast<double>(std::get<std::int64_t>(data_));
    case FieldType::Double:
    case FieldType::DateTime:
        return std::get<double>(data_);
    case FieldType::Text:
        break;
    }
    double result = 0;
    if (!ParseDouble(std::get<std::string>(data_), result))
        throw DatabaseError(Waardetekst(std::get<std::string>(data_)) + " is geen getal");
    return result;
}

bool Value::AsBoolean() const
{
    switch (type_) {
    case FieldType::Null:
        return false;
    case FieldType::Integer:
    case FieldType::Boolean:
        return std::get<std::int64_t>(data_) != 0;
    case FieldType::Double:
    case FieldType::DateTime:
        return std::get<double>(data_) != 0;
    case FieldType::Text:
        break;
    }
    const std::string text = ToLowerAscii(Trimmed(std::get<std::string>(data_)));
    if (text == "true" || text == "1" || text == "-1")
        return true;
    if (text == "false" || text == "0")
        return false;
    throw DatabaseError(Waardetekst(std::get<std::string>(data_)) + " is geen ja of nee");
}

TDateTime Value::AsDateTime() const
{
    if (type_ != FieldType::Text)
        return AsDouble();
    const std::string& text = std::get<std::string>(data_);
    if (auto date = ParseIsoText(Trimmed(text)))
        return *date;
    if (auto date = ParseDutchDate(Trimmed(text)))
        return *date;
    throw DatabaseError(Waardetekst(text) + " is geen datum");
}

std::string Value::AsText() const
{
    switch (type_) {
    case FieldType::Null:
        return {};
    case FieldType::Integer:
        return std::to_string(std::get<std::int64_t>(data_));
    case FieldType::Boolean:
        return std::get<std::int64_t>(data_) != 0 ? "True" : "False";
    case FieldType::Double: {
        std::string text = ShortestNumber(std::get<double>(data_));
        std::replace(text.begin(), text.end(), '.', ',');
        return text;
    }
    case FieldType::DateTime: {
        const TDateTime date = std::get<double>(data_);
        const int seconds = SecondsOfDay(date);
        if (seconds == 0)
            return FormatDutchDate(date);
        return FormatDutchDate(date) + ToIsoText(date).substr(10);
    }
    case FieldType::Text:
        break;
    }
    return std::get<std::string>(data_);
}

} // namespace vkt::db
