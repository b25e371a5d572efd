#include "db/Record.h"

#include "db/DatabaseError.h"

namespace vkt::db {

const Value& Record::FieldByName(std::string_view name) const
{
    if (const Value* field = FindField(name))
        return *field;
    throw DatabaseError("Field '" + std::string(name) + "' not found");
}

} // namespace vkt::db
