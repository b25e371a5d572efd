#pragma once

#include "db/Value.h"

#include <string>
#include <string_view>

namespace vkt::db {

// One row of a result, its fields found by name without regard to letter
// case. Where a joined result holds two columns of one name, "Table.Column"
// names each of them.
class Record {
public:
    virtual ~Record() = default;

    // The field of that name, or nullptr when the row has no such field.
    virtual const Value* FindField(std::string_view name) const = 0;
    bool HasField(std::string_view name) const { return FindField(name) != nullptr; }
    // Throws a DatabaseError naming the field for an absent field.
    const Value& FieldByName(std::string_view name) const;

    // A value that cannot be read so throws a DatabaseError that names the
    // field and quotes the value.
    std::int64_t AsInteger(std::string_view name) const;
    double AsDouble(std::string_view name) const;
    bool AsBoolean(std::string_view name) const;
    TDateTime AsDateTime(std::string_view name) const;
    std::string AsText(std::string_view name) const { return FieldByName(name).AsText(); }
    bool IsNull(std::string_view name) const { return FieldByName(name).IsNull(); }
};

} // namespace vkt::db
