#include "db/Record.h"

#include "db/DatabaseError.h"

namespace vkt::db {
namespace {

// Reads the field; a value that cannot be read is told with the field's name.
template <typename Read>
auto Lees(const Record& record, std::string_view name, Read read)
{
    const Value& field = record.FieldByName(name);
    try {
        return read(field);
    } catch (const DatabaseError& error) {
        throw DatabaseError("Het veld " + std::string(name) + ": " + error.what());
    }
}

} // namespace

const Value& Record::FieldByName(std::string_view name) const
{
    if (const Value* field = FindField(name))
        return *field;
    throw DatabaseError("Het veld " + std::string(name) + " ontbreekt");
}

std::int64_t Record::AsInteger(std::string_view name) const
{
    return Lees(*this, name, [](const Value& v) { return v.AsInteger(); });
}

double Record::AsDouble(std::string_view name) const
{
    return Lees(*this, name, [](const Value& v) { return v.AsDouble(); });
}

bool Record::AsBoolean(std::string_view name) const
{
    return Lees(*this, name, [](const Value& v) { return v.AsBoolean(); });
}

TDateTime Record::AsDateTime(std::string_view name) const
{
    return Lees(*this, name, [](const Value& v) { return v.AsDateTime(); });
}

} // namespace vkt::db
