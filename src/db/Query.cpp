#include "db/Query.h"

#include "common/Text.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Statement.h"

#include <regex>

namespace vkt::db {
namespace {

Value ReadColumn(sqlite3_stmt* statement, int index, bool asBoolean, bool asDate)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const auto number = sqlite3_column_int64(statement, index);
        if (asBoolean)
            return Value::Boolean(number != 0);
        return Value::Integer(number);
    }
    case SQLITE_FLOAT:
        return Value::Double(sqlite3_column_double(statement, index));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
        std::string content = text != nullptr ? text : "";
        if (asDate) {
            if (auto date = ParseIsoText(content))
                return Value::DateTime(*date);
        }
        return Value::Text(std::move(content));
    }
    }
}

bool IsNumeric(const Value& value)
{
    return value.Type() == FieldType::Integer || value.Type() == FieldType::Double ||
           value.Type() == FieldType::Boolean || value.Type() == FieldType::DateTime;
}

// -1, 0 or 1: numbers by value, everything else as text.
int Compare(const Value& a, const Value& b, bool ignoreCase)
{
    if (IsNumeric(a) && IsNumeric(b)) {
        const double x = a.AsDouble();
        const double y = b.AsDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const std::string x = ignoreCase ? ToUpperUtf8(a.AsText()) : a.AsText();
    const std::string y = ignoreCase ? ToUpperUtf8(b.AsText()) : b.AsText();
    return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}

Value FilterValue(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
        std::string inner = text.substr(1, text.size() - 2);
        return Value::Text(std::regex_replace(inner, std::regex("''"), "'"));
    }
    if (EqualsIgnoreCase(text, "true") || EqualsIgnoreCase(text, "false"))
        return Value::Boolean(EqualsIgnoreCase(text, "true"));
    if (EqualsIgnoreCase(text, "null"))
        return {};
    const Value number = Value::Text(text);
    return Value::Double(number.AsDouble());
}

} // namespace

Query::Query(Connection& connection, std::string sql) : connection_(connection) { SetSQL(std::move(sql)); }

void Query::SetSQL(std::string sql)
{
    Close();
    sql_ = std::move(sql);
    parameters_.Parse(sql_);
}

std::size_t Query::NameHash::operator()(std::string_view name) const
{
    // FNV-1a over the letters in lower case.
    std::size_t hash = 14695981039346656037u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211u;
    return hash;
}

bool Query::NameEqual::operator()(std::string_view a, std::string_view b) const { return EqualsIgnoreCase(a, b); }

void Query::ReadColumns(sqlite3_stmt* statement)
{
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const char* table = sqlite3_column_table_name(statement, i);
        const char* declared = sqlite3_column_decltype(statement, i);
        const std::string type = ToUpperAscii(declared != nullptr ? declared : "");
        Reading reading = Reading::AsStored;
        if (type.find("BOOL") != std::string::npos || type == "BIT")
            reading = Reading::Boolean;
        else if (type.find("DATE") != std::string::npos || type.find("TIME") != std::string::npos)
            reading = Reading::Date;
        columns_.push_back(Column{sqlite3_column_name(statement, i), table != nullptr ? table : "", reading});
        columnByName_.emplace(columns_.back().name, i);
    }
}

void Query::Open()
{
    Close();
    Statement& statement = connection_.Prepared(parameters_.EngineSql());
    // Reset when done, also after an error: a statement left stepping would
    // keep the database read-locked.
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> reset(statement.Get(), sqlite3_reset);
    parameters_.Bind(statement.Get());
    ReadColumns(statement.Get());
    const int count = static_cast<int>(columns_.size());
    while (statement.Step()) {
        std::vector<Value> row;
        row.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const Reading reading = columns_[static_cast<std::size_t>(i)].reading;
            row.push_back(ReadColumn(statement.Get(), i, reading == Reading::Boolean, reading == Reading::Date));
        }
        rows_.push_back(std::move(row));
    }
    active_ = true;
    ApplyFilter();
}

void Query::Close()
{
    active_ = false;
    columns_.clear();
    columnByName_.clear();
    rows_.clear();
    shown_.clear();
    position_ = 0;
}

void Query::Requery() { Open(); }

int Query::ExecSQL()
{
    Close();
    sqlite3* handle = connection_.Handle();
    Statement statement(handle, parameters_.EngineSql());
    parameters_.Bind(statement.Get());
    while (statement.Step()) {
    }
    return sqlite3_changes(handle);
}

void Query::First() { position_ = 0; }

void Query::Next()
{
    if (position_ < shown_.size())
        ++position_;
}

bool Query::Eof() const { return position_ >= shown_.size(); }

int Query::RecordCount() const { return static_cast<int>(shown_.size()); }

void Query::SetFilter(std::string filter)
{
    filter_ = std::move(filter);
    ApplyFilter();
}

void Query::SetFiltered(bool filtered)
{
    filtered_ = filtered;
    ApplyFilter();
}

std::vector<Query::Condition> Query::ParseFilter() const
{
    static const std::regex kAnd(R"(\s+AND\s+)", std::regex::icase);
    static const std::regex kCondition(R"(\s*([A-Za-z_][\w.]*)\s*(<>|<=|>=|=|<|>)\s*(.*?)\s*)");
    std::vector<Condition> conditions;
    for (std::sregex_token_iterator part(filter_.begin(), filter_.end(), kAnd, -1), end; part != end; ++part) {
        const std::string text = part->str();
        std::smatch m;
        if (!std::regex_match(text, m, kCondition) || m[3].str().empty())
            throw DatabaseError("Invalid filter: " + filter_);
        const int column = ColumnIndex(m[1].str());
        if (column < 0)
            throw DatabaseError("Het veld " + m[1].str() + " ontbreekt");
        conditions.push_back(Condition{column, m[2].str(), FilterValue(m[3].str())});
    }
    return conditions;
}

bool Query::Matches(const std::vector<Value>& row, const std::vector<Condition>& conditions) const
{
    for (const Condition& c : conditions) {
        const Value& field = row[static_cast<std::size_t>(c.column)];
        if (field.IsNull() || c.value.IsNull()) {
            if ((c.op == "=") != (field.IsNull() && c.value.IsNull()))
                return false;
            continue;
        }
        const int order = Compare(field, c.value, true);
        const bool ok = (c.op == "=" && order == 0) || (c.op == "<>" && order != 0) || (c.op == "<" && order < 0) ||
                        (c.op == ">" && order > 0) || (c.op == "<=" && order <= 0) || (c.op == ">=" && order >= 0);
        if (!ok)
            return false;
    }
    return true;
}

void Query::ApplyFilter()
{
    shown_.clear();
    position_ = 0;
    if (!active_)
        return;
    const bool filtering = filtered_ && !filter_.empty();
    const std::vector<Condition> conditions = filtering ? ParseFilter() : std::vector<Condition>{};
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (!filtering || Matches(rows_[i], conditions))
            shown_.push_back(i);
}

bool Query::Locate(std::string_view column, const Value& value)
{
    const int index = ColumnIndex(column);
    if (index < 0)
        throw DatabaseError("Het veld " + std::string(column) + " ontbreekt");
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Value& field = rows_[shown_[i]][static_cast<std::size_t>(index)];
        if (field.IsNull() == value.IsNull() && (value.IsNull() || Compare(field, value, false) == 0)) {
            position_ = i;
            return true;
        }
    }
    return false;
}

int Query::ColumnIndex(std::string_view name) const
{
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        const auto found = columnByName_.find(name);
        return found != columnByName_.end() ? found->second : -1;
    }
    // "Table.Column"
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (EqualsIgnoreCase(columns_[i].table, name.substr(0, dot)) &&
            EqualsIgnoreCase(columns_[i].name, name.substr(dot + 1)))
            return static_cast<int>(i);
    return -1;
}

const Value* Query::FindField(std::string_view name) const
{
    static const Value kNoRow;
    const int index = ColumnIndex(name);
    if (index < 0)
        return nullptr;
    // Past the last row (or in an empty result) every field reads as null.
    if (Eof())
        return &kNoRow;
    return &rows_[shown_[position_]][static_cast<std::size_t>(index)];
}

std::vector<std::string> Query::FieldNames() const
{
    std::vector<std::string> names;
    for (const Column& column : columns_)
        names.push_back(column.name);
    return names;
}

Table::Table(Connection& connection, const std::string& tableName)
    : Query(connection, "SELECT * FROM \"" + tableName + "\"")
{
}

} // namespace vkt::db
