#pragma once

#include "common/DateTime.h"

#include <cstdint>
#include <string>

namespace vkt::db {

// One value held in every form at once, so that whatever a field gives can
// be written to a column of any type. Every setter fills all the views;
// texts use the program's formats (decimal ",", dates dd-mm-yyyy).
class TDBValue {
public:
    long double AsFloat() const { return float_; }
    std::int32_t AsInteger() const { return integer_; }
    TDateTime AsDateTime() const { return dateTime_; }
    const std::string& AsString() const { return string_; }
    bool AsBoolean() const { return boolean_; }
    bool IsNull() const { return null_; }

    void SetAsDateTime(TDateTime value);
    void SetAsFloat(long double value);
    void SetAsInteger(std::int32_t value);
    void SetAsString(const std::string& value);
    void SetAsBoolean(bool value);
    // All views zero or empty, and null.
    void Clear() { *this = TDBValue(); }
    void Assign(const TDBValue& other) { *this = other; }

private:
    long double float_ = 0;
    std::int32_t integer_ = 0;
    TDateTime dateTime_ = 0;
    std::string string_;
    bool boolean_ = false;
    bool null_ = true;
};

} // namespace vkt::db
