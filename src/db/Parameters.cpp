#include "db/Parameters.h"

#include "common/Text.h"
#include "db/DatabaseError.h"

#include <cctype>
#include <sqlite3.h>

namespace vkt::db {
namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Copies a quoted part ('text', "name" or [name]) unchanged; returns the
// position after it.
std::size_t SkipQuoted(const std::string& sql, std::size_t i, std::string& out)
{
    const char close = sql[i] == '[' ? ']' : sql[i];
    std::size_t j = i + 1;
    while (j < sql.size()) {
        if (sql[j] == close) {
            if (close != ']' && j + 1 < sql.size() && sql[j + 1] == close) {
                j += 2; // a doubled quote stands for itself
                continue;
            }
            ++j;
            break;
        }
        ++j;
    }
    out.append(sql, i, j - i);
    return j;
}

} // namespace

void Parameters::Parse(const std::string& sql)
{
    parameters_.clear();
    engineSql_.clear();
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '[') {
            i = SkipQuoted(sql, i, engineSql_);
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            const std::size_t end = sql.find('\n', i);
            const std::size_t stop = end == std::string::npos ? sql.size() : end;
            engineSql_.append(sql, i, stop - i);
            i = stop;
        } else if (c == ':' && i + 1 < sql.size() && IsNameStart(sql[i + 1])) {
            std::size_t j = i + 1;
            while (j < sql.size() && IsNameChar(sql[j]))
                ++j;
            const std::string name = sql.substr(i + 1, j - i - 1);
            if (Find(name) == nullptr)
                parameters_.emplace_back(name);
            std::size_t index = 0;
            while (!EqualsIgnoreCase(parameters_[index].Name(), name))
                ++index;
            engineSql_ += "?" + std::to_string(index + 1);
            i = j;
        } else {
            engineSql_ += c;
            ++i;
        }
    }
}

Parameter* Parameters::Find(std::string_view name)
{
    for (auto& parameter : parameters_)
        if (EqualsIgnoreCase(parameter.Name(), name))
            return &parameter;
    return nullptr;
}

Parameter& Parameters::ByName(std::string_view name)
{
    if (Parameter* parameter = Find(name))
        return *parameter;
    throw DatabaseError("Parameter '" + std::string(name) + "' not found");
}

void Parameters::Bind(sqlite3_stmt* statement) const
{
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        const db::Value& value = parameters_[i].Value();
        switch (value.Type()) {
        case FieldType::Null:
            sqlite3_bind_null(statement, index);
            break;
        case FieldType::Integer:
        case FieldType::Boolean:
            sqlite3_bind_int64(statement, index, value.AsInteger());
            break;
        case FieldType::Double:
            sqlite3_bind_double(statement, index, value.AsDouble());
            break;
        case FieldType::DateTime: {
            const std::string text = ToIsoText(value.AsDateTime());
            sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case FieldType::Text: {
            const std::string text = value.AsText();
            sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
}

} // namespace vkt::db
