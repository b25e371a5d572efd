#include "db/DBValue.h"

#include "db/AdoTekst.h"

#include <cmath>
#include <limits>

namespace vkt::db {
namespace {

// The whole part of x, or 0 when it does not fit.
std::int32_t Truncated(long double x)
{
    const long double whole = std::trunc(x);
    if (!std::isfinite(whole) || whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(whole);
}

} // namespace

void TDBValue::SetAsDateTime(TDateTime value)
{
    dateTime_ = value;
    string_ = FormatDutchDate(value);
    float_ = value;
    integer_ = Truncated(value);
    boolean_ = value != 0;
    null_ = false;
}

void TDBValue::SetAsFloat(long double value)
{
    float_ = value;
    dateTime_ = static_cast<TDateTime>(value);
    integer_ = Truncated(value);
    string_ = FormatDutchNumber(static_cast<double>(value));
    boolean_ = value != 0;
    null_ = false;
}

void TDBValue::SetAsInteger(std::int32_t value)
{
    integer_ = value;
    dateTime_ = value;
    float_ = value;
    string_ = std::to_string(value);
    boolean_ = value != 0;
    null_ = false;
}

void TDBValue::SetAsString(const std::string& value)
{
    string_ = value;
    const auto date = ParseDutchDate(value);
    dateTime_ = date ? *date : 0;
    double number = 0;
    float_ = ParseDutchNumber(value, number) ? number : 0;
    integer_ = Truncated(float_);
    boolean_ = integer_ != 0;
    null_ = false;
}

void TDBValue::SetAsBoolean(bool value)
{
    boolean_ = value;
    string_ = value ? "TRUE" : "FALSE";
    float_ = value ? -1 : 0;
    integer_ = value ? -1 : 0;
    dateTime_ = value ? -1 : 0;
    null_ = false;
}

} // namespace vkt::db
