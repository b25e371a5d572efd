#pragma once

#include "common/DateTime.h"

#include <cstdint>
#include <string>
#include <variant>

namespace vkt::db {

enum class FieldType { Null, Integer, Double, Text, Boolean, DateTime };

// One value as it travels between the program and the database: a parameter
// value or a field of a result row. It converts itself to the type asked for.
class Value {
public:
    Value() = default;
    static Value Integer(std::int64_t value);
    static Value Double(double value);
    static Value Text(std::string value);
    static Value Boolean(bool value);
    static Value DateTime(TDateTime value);

    FieldType Type() const { return type_; }
    bool IsNull() const { return type_ == FieldType::Null; }

    // A null value reads as 0, false, an empty text or day 0. A value that
    // cannot be converted throws a DatabaseError quoting the value in Dutch
    // ("'zes' is geen geheel getal"); so does a real too large for an integer.
    std::int64_t AsInteger() const;
    double AsDouble() const;
    bool AsBoolean() const;
    TDateTime AsDateTime() const;
    // Numbers use "," as decimal separator and dates read "dd-mm-yyyy", as
    // everywhere in the program.
    std::string AsText() const;

    bool operator==(const Value& other) const = default;

private:
    FieldType type_ = FieldType::Null;
    std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

} // namespace vkt::db
