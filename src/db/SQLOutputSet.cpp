#include "db/SQLOutputSet.h"

#include "common/Text.h"
#include "db/Query.h"
#include "db/ZNOADOConnection.h"

#include <algorithm>

namespace vkt::db {
namespace {

TNamedValue* Find(std::list<TNamedValue>& values, const std::string& name)
{
    const auto found = std::find_if(values.begin(), values.end(),
                                    [&](const TNamedValue& v) { return EqualsIgnoreCase(v.Name, name); });
    return found != values.end() ? &*found : nullptr;
}

std::string Join(const std::list<TNamedValue>& values, const std::string& separator,
                 const std::function<std::string(const std::string&)>& part)
{
    std::string text;
    for (const TNamedValue& v : values)
        text += (text.empty() ? "" : separator) + part(v.Name);
    return text;
}

} // namespace

TZNOSQLOutputSet::TZNOSQLOutputSet(TComponentLijst* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TZNOSQLOutputSet::Open()
{
    if (tableName_.empty())
        return;
    open_ = false;
    FetchPrimaryKey();
    open_ = true;
}

void TZNOSQLOutputSet::CheckOpen() const
{
    if (!open_)
        throw ESQLOutputSetError("Cannot perform this operation on a closed dataset");
    if (tableName_.empty())
        throw ESQLOutputSetError("Missing tablename property");
}

void TZNOSQLOutputSet::Start(TDataState state, std::string statement)
{
    CheckOpen();
    if (state_ != TDataState::Idle)
        throw ESQLOutputSetError("Dataset already in edit, insert or delete mode");
    fields_.clear();
    state_ = state;
    sql_ = std::move(statement);
}

void TZNOSQLOutputSet::Insert() { Start(TDataState::Insert, "INSERT INTO " + tableName_ + "("); }

void TZNOSQLOutputSet::Edit() { Start(TDataState::Edit, "UPDATE " + tableName_); }

void TZNOSQLOutputSet::Delete()
{
    Start(TDataState::Delete, {});
    // Without key columns the set stays in delete state; Cancel returns it to idle.
    sql_ = DeleteStatement();
}

void TZNOSQLOutputSet::Cancel()
{
    CheckOpen();
    if (state_ == TDataState::Idle)
        throw ESQLOutputSetError("Dataset not in edit, insert or delete mode");
    fields_.clear();
    state_ = TDataState::Idle;
    sql_.clear();
}

void TZNOSQLOutputSet::EndPost()
{
    fields_.clear();
    state_ = TDataState::Idle;
    sql_.clear();
}

void TZNOSQLOutputSet::Post()
{
    if (!HasConnection()) {
        EndPost();
        throw ESQLOutputSetError("Missing connection property");
    }
    try {
        CheckOpen();
    } catch (...) {
        sql_.clear();
        throw;
    }
    if (state_ == TDataState::Idle) {
        sql_.clear();
        throw ESQLOutputSetError("Dataset not in edit or insert mode");
    }
    try {
        switch (state_) {
        case TDataState::Insert: ExecInsert(); break;
        case TDataState::Edit: ExecUpdate(); break;
        case TDataState::Delete: ExecDelete(); break;
        case TDataState::Idle: break;
        }
    } catch (...) {
        // A retry starts again with Insert, Edit or Delete.
        EndPost();
        throw;
    }
    EndPost();
}

TDBValue& TZNOSQLOutputSet::FieldValue(const std::string& column)
{
    if (TNamedValue* found = Find(fields_, column))
        return found->Value;
    fields_.push_back(TNamedValue{ToUpperAscii(column), {}});
    return fields_.back().Value;
}

TDBValue& TZNOSQLOutputSet::KeyValue(const std::string& column)
{
    if (TNamedValue* found = Find(keys_, column))
        return found->Value;
    throw ESQLOutputSetError("Invalid primary key field");
}

void TZNOSQLOutputSet::RemoveField(const std::string& column)
{
    fields_.remove_if([&](const TNamedValue& v) { return EqualsIgnoreCase(v.Name, column); });
}

std::string TZNOSQLOutputSet::WhereClause() const
{
    if (keys_.empty())
        throw ESQLOutputSetError("No primary key defined");
    return "WHERE " + Join(keys_, " AND ", [](const std::string& k) { return k + " = :" + k; });
}

std::string TZNOSQLOutputSet::InsertStatement() const
{
    return "INSERT INTO " + tableName_ + "(" + Join(fields_, ",", [](const std::string& f) { return f; }) + ")\n" +
           "VALUES (" + Join(fields_, ",", [](const std::string& f) { return ":" + f; }) + ")";
}

std::string TZNOSQLOutputSet::UpdateStatement() const
{
    const std::string set = Join(fields_, ", ", [](const std::string& f) { return f + " = :" + f; });
    return "UPDATE " + tableName_ + "\nSET " + set + "\n" + WhereClause();
}

std::string TZNOSQLOutputSet::DeleteStatement() const { return "DELETE FROM " + tableName_ + "\n" + WhereClause(); }

// ---------------------------------------------------------------------------

TZNOADOSQLOutputSet::TZNOADOSQLOutputSet(TComponentLijst* owner, std::string name)
    : TZNOSQLOutputSet(owner, std::move(name))
{
}

TZNOADOSQLOutputSet::~TZNOADOSQLOutputSet() = default;

void TZNOADOSQLOutputSet::SetConnection(TZNOADOConnection* connection)
{
    query_.reset();
    connection_ = connection;
    keys_.clear();
}

TZNOADOConnection& TZNOADOSQLOutputSet::CheckedConnection() const
{
    if (connection_ == nullptr)
        throw ESQLOutputSetError("Missing connection property");
    return *connection_;
}

const TTableDescription& TZNOADOSQLOutputSet::Table() const
{
    return CheckedConnection().DBDescription().TableByName(TableName());
}

void TZNOADOSQLOutputSet::Open()
{
    if (!TableName().empty() && connection_ == nullptr) {
        Close();
        throw ESQLOutputSetError("Missing connection property");
    }
    TZNOSQLOutputSet::Open();
}

void TZNOADOSQLOutputSet::FetchPrimaryKey()
{
    keys_.clear();
    const TConstraintDescription& key = Table().PrimaryKeyConstraint();
    for (int i = 0; i < key.ColumnCount(); ++i)
        keys_.push_back(TNamedValue{key.Columns(i).Name, {}});
}

void TZNOADOSQLOutputSet::StartTransaction() { CheckedConnection().BeginTrans(); }
void TZNOADOSQLOutputSet::Commit() { CheckedConnection().CommitTrans(); }
void TZNOADOSQLOutputSet::Rollback() { CheckedConnection().RollbackTrans(); }
bool TZNOADOSQLOutputSet::InTransaction() { return CheckedConnection().InTransaction(); }

std::vector<std::string> TZNOADOSQLOutputSet::GetFieldNames()
{
    if (TableName().empty())
        throw ESQLOutputSetError("Missing tablename property");
    const TTableDescription& table = Table();
    std::vector<std::string> names;
    for (int i = 0; i < table.FieldCount(); ++i)
        names.push_back(table.Fields(i).Name);
    return names;
}

TFieldType TZNOADOSQLOutputSet::FieldType(const std::string& column) { return Table().FieldByName(column).FieldType; }
int TZNOADOSQLOutputSet::FieldSize(const std::string& column) { return Table().FieldByName(column).Size; }
bool TZNOADOSQLOutputSet::FieldRequired(const std::string& column) { return !Table().FieldByName(column).Nullable; }

Parameters& TZNOADOSQLOutputSet::Params()
{
    if (!query_)
        throw ESQLOutputSetError("No statement prepared");
    return query_->Params();
}

Parameter& TZNOADOSQLOutputSet::Param(std::string_view name) { return Params().ByName(name); }

void TZNOADOSQLOutputSet::Prepare(const std::string& statement)
{
    sql_ = statement;
    query_ = std::make_unique<Query>(CheckedConnection(), statement);
}

Value TZNOADOSQLOutputSet::ParameterValue(const std::string& column, const TDBValue& value, bool nullable)
{
    if (nullable && value.IsNull())
        return {};
    switch (FieldType(column)) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint: return Value::Integer(value.AsInteger());
    case ftBoolean: return Value::Boolean(value.AsBoolean());
    case ftFloat:
    case ftCurrency: return Value::Double(static_cast<double>(value.AsFloat()));
    case ftDate:
    case ftTime:
    case ftDateTime: return Value::DateTime(value.AsDateTime());
    default: return Value::Text(value.AsString());
    }
}

void TZNOADOSQLOutputSet::FillParameter(const std::string& column, const TDBValue& value, bool nullable)
{
    Param(column).SetValue(ParameterValue(column, value, nullable));
}

void TZNOADOSQLOutputSet::CheckKeysUnchanged()
{
    // A key column written in an UPDATE shares its parameter with the WHERE
    // clause; a new value there would update the row of that new key instead.
    for (const TNamedValue& key : keys_) {
        const TNamedValue* field = Find(fields_, key.Name);
        if (field != nullptr && ParameterValue(key.Name, field->Value, true) != ParameterValue(key.Name, key.Value, false))
            throw ESQLOutputSetError("Primary key field " + key.Name + " cannot be changed");
    }
}

void TZNOADOSQLOutputSet::FillKeys()
{
    for (const TNamedValue& key : keys_)
        FillParameter(key.Name, key.Value, false);
}

bool TZNOADOSQLOutputSet::BeforeExecute()
{
    bool mayExecute = true;
    if (!BeforeExecuteSQL)
        return mayExecute;
    std::string text = query_->SQL();
    BeforeExecuteSQL(*this, text, mayExecute);
    if (text != query_->SQL()) {
        // A changed text is parsed again; parameters it keeps keep their values.
        auto changed = std::make_unique<Query>(CheckedConnection(), text);
        for (std::size_t i = 0; i < changed->Params().Count(); ++i) {
            Parameter& parameter = changed->Params().At(i);
            if (const Parameter* old = query_->Params().Find(parameter.Name()))
                parameter.SetValue(old->Value());
        }
        query_ = std::move(changed);
        sql_ = text;
    }
    return mayExecute;
}

int TZNOADOSQLOutputSet::ExecSQL() { return BeforeExecute() ? query_->ExecSQL() : -1; }

void TZNOADOSQLOutputSet::ExecInsert()
{
    if (fields_.empty())
        return;
    Prepare(InsertStatement());
    for (const TNamedValue& field : fields_)
        FillParameter(field.Name, field.Value, true);
    ExecSQL();
}

void TZNOADOSQLOutputSet::ExecUpdate()
{
    if (fields_.empty())
        return;
    CheckKeysUnchanged();
    Prepare(UpdateStatement());
    FillKeys();
    for (const TNamedValue& field : fields_)
        FillParameter(field.Name, field.Value, true);
    const int rows = ExecSQL();
    if (rows != -1 && rows != 1)
        throw ESQLOutputSetError("More or less than one row is selected");
}

void TZNOADOSQLOutputSet::ExecDelete()
{
    Prepare(sql_);
    FillKeys();
    const int rows = ExecSQL();
    if (rows != -1 && rows != 1)
        throw ESQLOutputSetError("More or less than one row is selected");
}

} // namespace vkt::db
