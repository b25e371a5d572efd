#include "db/DBDescription.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "db/AdoTekst.h"
#include "db/Connection.h"
#include "db/Query.h"

#include <map>
#include <regex>

namespace vkt::db {
namespace {

std::string StripPair(const std::string& text, char quote)
{
    if (text.size() >= 2 && text.front() == quote && text.back() == quote)
        return text.substr(1, text.size() - 2);
    return text;
}

// The width of a column whose declaration gives no character length.
int SizeOfType(TFieldType type)
{
    switch (type) {
    case ftSmallint: return 6;
    case ftInteger: return 11;
    case ftWord: return 5;
    case ftBoolean: return 5;
    case ftFloat:
    case ftCurrency:
    case ftLargeint: return 24;
    case ftDate: return 10;
    case ftTime: return 8;
    case ftDateTime: return 19;
    case ftBytes: return 3;
    case ftFixedChar: return 1;
    default: return 0;
    }
}

// SQLite keeps a column's type as the text of its declaration. The names the
// program's schemas use map as follows (anything else is ftUnknown):
//   SMALLINT, TINYINT                      ftSmallint
//   INTEGER, INT, MEDIUMINT                ftInteger
//   BIGINT, INT8                           ftLargeint
//   BOOLEAN, BOOL, BIT                     ftBoolean
//   DOUBLE [PRECISION], FLOAT, REAL        ftFloat
//   CURRENCY, MONEY                        ftCurrency
//   DECIMAL(p,s), NUMERIC(p,s)             ftCurrency when s > 0, else ftLargeint
//   DATETIME, DATE, TIMESTAMP              ftDateTime
//   VARCHAR(n), CHAR(n), TEXT, NVARCHAR(n),
//   NCHAR(n), CHARACTER(n), CLOB           ftString, size n (0 without a length)
//   BLOB, BINARY, VARBINARY                ftBlob
TFieldType TypeOfName(const std::string& name, int scale)
{
    static const std::map<std::string, TFieldType> kTypes = {
        {"SMALLINT", ftSmallint}, {"TINYINT", ftSmallint},   {"INTEGER", ftInteger},
        {"INT", ftInteger},       {"MEDIUMINT", ftInteger},  {"BIGINT", ftLargeint},
        {"INT8", ftLargeint},     {"BOOLEAN", ftBoolean},    {"BOOL", ftBoolean},
        {"BIT", ftBoolean},       {"DOUBLE", ftFloat},       {"DOUBLE PRECISION", ftFloat},
        {"FLOAT", ftFloat},       {"REAL", ftFloat},         {"CURRENCY", ftCurrency},
        {"MONEY", ftCurrency},    {"DATETIME", ftDateTime},  {"DATE", ftDateTime},
        {"TIMESTAMP", ftDateTime}, {"VARCHAR", ftString},    {"CHAR", ftString},
        {"TEXT", ftString},       {"NVARCHAR", ftString},    {"NCHAR", ftString},
        {"CHARACTER", ftString},  {"CLOB", ftString},        {"BLOB", ftBlob},
        {"BINARY", ftBlob},       {"VARBINARY", ftBlob},
    };
    if (name == "DECIMAL" || name == "NUMERIC")
        return scale > 0 ? ftCurrency : ftLargeint;
    const auto found = kTypes.find(name);
    return found != kTypes.end() ? found->second : ftUnknown;
}

std::string FormatDefaultDate(TDateTime date, TFieldType type)
{
    const std::string time = ToIsoText(date).substr(11);
    if (type == ftDate)
        return FormatDutchDate(date);
    if (type == ftTime)
        return time;
    return FormatDutchDate(date) + " " + time;
}

std::string NormaliseDate(const std::string& sqlDefault, TFieldType type)
{
    // SQLite defaults are written as the program stores dates: ISO text.
    if (auto iso = ParseIsoText(StripPair(sqlDefault, '\'')))
        return FormatDefaultDate(*iso, type);
    return FormatDefaultDate(ADODateTimeStringToDateTime(sqlDefault), type);
}

std::string NormaliseBoolean(const std::string& sqlDefault)
{
    const std::string text = ToUpperAscii(StripPair(StripPair(sqlDefault, '"'), '\''));
    if (text.empty())
        return "0";
    // "Ja"/"Yes" as written by hand, and TRUE or a non-zero number as SQLite
    // keeps booleans.
    if (text[0] == 'Y' || text[0] == 'J' || text[0] == 'T')
        return "-1";
    static const std::regex kNonZero(R"([-+]?0*[1-9]\d*)");
    return std::regex_match(text, kNonZero) ? "-1" : "0";
}

} // namespace

DeclaredType MapDeclaredType(const std::string& declared)
{
    static const std::regex kDeclaration(R"(\s*([A-Za-z][A-Za-z0-9_ ]*?)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))?\s*)");
    std::smatch m;
    if (!std::regex_match(declared, m, kDeclaration))
        return {};
    const std::string name = std::regex_replace(ToUpperAscii(m[1].str()), std::regex(" +"), " ");
    const int length = m[2].matched ? std::stoi(m[2].str()) : 0;
    const int scale = m[3].matched ? std::stoi(m[3].str()) : 0;
    const TFieldType type = TypeOfName(name, scale);
    if (type == ftString && length > 0)
        return {type, length};
    return {type, SizeOfType(type)};
}

std::string NormaliseDefault(const std::string& sqlDefault, TFieldType type)
{
    switch (type) {
    case ftDateTime:
    case ftDate:
    case ftTime:
        return NormaliseDate(sqlDefault, type);
    case ftFloat:
    case ftCurrency:
    case ftBCD:
        return FormatDutchNumber(ADOFloatStringToFloat(StripPair(sqlDefault, '\'')));
    case ftBoolean:
        return NormaliseBoolean(sqlDefault);
    default:
        if (sqlDefault.size() <= 1)
            return sqlDefault;
        return StripPair(StripPair(sqlDefault, '"'), '\'');
    }
}

// ---------------------------------------------------------------------------

TConstraintDescription::TConstraintDescription(const TTableDescription& table, std::string name, bool primaryKey)
    : table_(table), name_(std::move(name)), primaryKey_(primaryKey)
{
}

const TFieldDescription& TConstraintDescription::Columns(int index) const
{
    if (index < 0 || index >= ColumnCount())
        throw Exception("DBDescription: Constraints property out of bounds: " + std::to_string(index));
    return *columns_[static_cast<std::size_t>(index)];
}

// ---------------------------------------------------------------------------

const TFieldDescription& TTableDescription::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw Exception("DBDescription: Fields property out of bounds: " + std::to_string(index));
    return *fields_[static_cast<std::size_t>(index)];
}

const TFieldDescription& TTableDescription::FieldByName(const std::string& name) const
{
    for (const auto& field : fields_)
        if (EqualsIgnoreCase(field->Name, name))
            return *field;
    throw Exception("DBDescription FieldByName: Field: " + name + " does not exists in table: " + name_);
}

const TConstraintDescription& TTableDescription::ConstraintByName(const std::string& name) const
{
    for (const auto& constraint : constraints_)
        if (EqualsIgnoreCase(constraint->Name(), name))
            return *constraint;
    throw Exception("DBDescription ConstraintByName: Constraint does not exists: " + name);
}

const TConstraintDescription& TTableDescription::PrimaryKeyConstraint() const
{
    for (const auto& constraint : constraints_)
        if (constraint->IsPrimaryKey())
            return *constraint;
    throw Exception("DBDescription PrimaryKeyConstraint: Table \"" + name_ + "\" does not have a primary key, " +
                    "which is not supported.");
}

TFieldDescription& TTableDescription::AddField(TFieldDescription field)
{
    fields_.push_back(std::make_unique<TFieldDescription>(std::move(field)));
    return *fields_.back();
}

TConstraintDescription& TTableDescription::AddConstraint(std::string name, bool primaryKey)
{
    constraints_.push_back(std::make_unique<TConstraintDescription>(*this, std::move(name), primaryKey));
    return *constraints_.back();
}

// ---------------------------------------------------------------------------

TDBDescription::TDBDescription(Connection* connection) : connection_(connection) {}

void TDBDescription::SetADOConnection(Connection* connection)
{
    if (connection == nullptr)
        throw Exception("Cannot assign nil to property ADOConnection.");
    connection_ = connection;
}

const TTableDescription& TDBDescription::TableByName(const std::string& name)
{
    for (const auto& table : tables_)
        if (EqualsIgnoreCase(table->Name(), name))
            return *table;
    if (connection_ == nullptr)
        throw Exception("The ADOConnection object is undefined (nil).");
    FillConnectionParameters();
    tables_.push_back(std::make_unique<TTableDescription>(name));
    try {
        GetFieldDescription(*tables_.back());
    } catch (const std::exception& error) {
        // A table that cannot be read leaves the cache as it was.
        tables_.pop_back();
        throw Exception(std::string("GetFieldDescription: ") + error.what());
    }
    return *tables_.back();
}

void TDBDescription::FlushCache()
{
    tables_.clear();
    parameters_.clear();
}

const std::vector<std::string>& TDBDescription::ConnectionParameters() const
{
    if (connection_ == nullptr)
        throw Exception("ADOConnetion is still nil.");
    return parameters_;
}

void TDBDescription::FillConnectionParameters()
{
    if (!parameters_.empty() || !connection_->Connected())
        return;
    const std::string& text = connection_->ConnectionString();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string part = Trim(text.substr(start, end - start));
        const std::size_t equals = part.find('=');
        if (!part.empty())
            parameters_.push_back(equals == std::string::npos
                                      ? ToLowerAscii(part)
                                      : ToLowerAscii(part.substr(0, equals)) + part.substr(equals));
        start = end + 1;
    }
}

void TDBDescription::GetFieldDescription(TTableDescription& table)
{
    ReadColumns(table);
    ReadConstraints(table);
}

void TDBDescription::ReadColumns(TTableDescription& table)
{
    Query columns(*connection_, "SELECT name, type, \"notnull\", dflt_value FROM pragma_table_info(:Tabel) ORDER BY cid");
    columns.Param("Tabel").SetText(table.Name());
    columns.Open();
    if (columns.Eof())
        throw Exception("Table or synonym \"" + table.Name() + "\" does not exists or is not accessable for this user");
    for (; !columns.Eof(); columns.Next()) {
        TFieldDescription field;
        field.Name = columns.AsText("name");
        field.Nullable = columns.AsInteger("notnull") == 0;
        const DeclaredType declared = MapDeclaredType(columns.AsText("type"));
        field.FieldType = declared.FieldType;
        field.Size = declared.Size;
        const std::string sqlDefault = columns.AsText("dflt_value");
        // DEFAULT NULL is no default at all.
        if (!columns.IsNull("dflt_value") && !EqualsIgnoreCase(sqlDefault, "NULL"))
            field.Default = NormaliseDefault(sqlDefault, field.FieldType);
        table.AddField(std::move(field));
    }
}

void TDBDescription::ReadConstraints(TTableDescription& table)
{
    Query key(*connection_, "SELECT name FROM pragma_table_info(:Tabel) WHERE pk > 0 ORDER BY pk");
    key.Param("Tabel").SetText(table.Name());
    key.Open();
    if (!key.Eof()) {
        TConstraintDescription& primaryKey = table.AddConstraint("PrimaryKey", true);
        for (; !key.Eof(); key.Next())
            primaryKey.AddColumn(table.FieldByName(key.AsText("name")));
    }

    // Unique indexes on plain columns are the table's other keys.
    Query unique(*connection_, "SELECT il.name AS sleutel, ii.name AS kolom "
                               "FROM pragma_index_list(:Tabel) AS il, pragma_index_info(il.name) AS ii "
                               "WHERE il.\"unique\" = 1 AND il.origin <> 'pk' AND il.partial = 0 "
                               "AND NOT EXISTS (SELECT 1 FROM pragma_index_info(il.name) WHERE name IS NULL) "
                               "ORDER BY il.name, ii.seqno");
    unique.Param("Tabel").SetText(table.Name());
    unique.Open();
    TConstraintDescription* current = nullptr;
    for (; !unique.Eof(); unique.Next()) {
        const std::string name = unique.AsText("sleutel");
        if (current == nullptr || current->Name() != name)
            current = &table.AddConstraint(name, false);
        current->AddColumn(table.FieldByName(unique.AsText("kolom")));
    }
}

} // namespace vkt::db
