#pragma once

#include "common/Exception.h"
#include "db/Component.h"
#include "db/DBDescription.h"
#include "db/DBValue.h"
#include "db/Value.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vkt::db {

class Parameter;
class Parameters;
class Query;
class TZNOADOConnection;

class ESQLOutputSetError : public Exception {
public:
    using Exception::Exception;
};

// What an output set (or a data group) is about to write.
enum class TDataState { Idle, Insert, Edit, Delete };

struct TNamedValue {
    std::string Name;
    TDBValue Value;
};

// Writes one row of one table with statements it builds itself: an INSERT of
// the values handed to it, an UPDATE of them for the row its key values name,
// or a DELETE of that row. The engine-specific part (the key columns, the
// column types, running the statement) is left to a derived class.
class TZNOSQLOutputSet : public TComponent {
public:
    // May change the statement text, assign parameters itself, or veto the
    // statement by clearing mayExecute.
    using TSQLExecuteEvent = std::function<void(TZNOSQLOutputSet& sender, std::string& sqlText, bool& mayExecute)>;

    explicit TZNOSQLOutputSet(TComponentLijst* owner = nullptr, std::string name = {});

    const std::string& TableName() const { return tableName_; }
    void SetTableName(std::string tableName) { tableName_ = std::move(tableName); }
    TSQLExecuteEvent BeforeExecuteSQL;

    TDataState State() const { return state_; }
    bool IsOpen() const { return open_; }
    // The statement of the pending Insert, Edit or Delete; empty when idle.
    const std::string& SQL() const { return sql_; }

    // Reads the key columns; without a table name the set stays closed.
    virtual void Open();
    virtual void Close() { open_ = false; }
    virtual void Insert();
    virtual void Edit();
    virtual void Delete();
    virtual void Cancel();
    // Runs the statement of the state; afterwards the set is idle without values.
    virtual void Post();

    virtual void StartTransaction() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    virtual bool InTransaction() = 0;

    // The table's column names in schema order.
    virtual std::vector<std::string> GetFieldNames() = 0;
    virtual TFieldType FieldType(const std::string& column) = 0;
    virtual int FieldSize(const std::string& column) = 0;
    virtual bool FieldRequired(const std::string& column) = 0;

    // The value to write to a column, created null on first use; letter case is ignored.
    virtual TDBValue& FieldValue(const std::string& column);
    // The value of a key column; letter case is ignored.
    virtual TDBValue& KeyValue(const std::string& column);
    void RemoveField(const std::string& column);
    const std::list<TNamedValue>& FieldValues() const { return fields_; }
    // In the order of the key's columns, named as the schema spells them.
    const std::list<TNamedValue>& KeyValues() const { return keys_; }

protected:
    virtual bool HasConnection() const = 0;
    virtual void FetchPrimaryKey() = 0;
    virtual void ExecInsert() = 0;
    virtual void ExecUpdate() = 0;
    virtual void ExecDelete() = 0;

    void CheckOpen() const;
    std::string InsertStatement() const;
    std::string UpdateStatement() const;
    std::string DeleteStatement() const;

    std::list<TNamedValue> fields_; // names upper-cased, in order of first use
    std::list<TNamedValue> keys_;
    std::string sql_;

private:
    void Start(TDataState state, std::string statement);
    void EndPost();
    std::string WhereClause() const;

    std::string tableName_;
    TDataState state_ = TDataState::Idle;
    bool open_ = false;
};

// An output set on the employee database's connection, which tells it the
// key columns and types of its table.
class TZNOADOSQLOutputSet : public TZNOSQLOutputSet {
public:
    explicit TZNOADOSQLOutputSet(TComponentLijst* owner = nullptr, std::string name = {});
    ~TZNOADOSQLOutputSet() override;

    TZNOADOConnection* Connection() const { return connection_; }
    // Forgets the key values; Open reads them again.
    void SetConnection(TZNOADOConnection* connection);

    // The parameters of the statement being run, for the before-execute handler.
    Parameters& Params();
    Parameter& Param(std::string_view name);

    void Open() override;
    void StartTransaction() override;
    void Commit() override;
    void Rollback() override;
    bool InTransaction() override;
    std::vector<std::string> GetFieldNames() override;
    TFieldType FieldType(const std::string& column) override;
    int FieldSize(const std::string& column) override;
    bool FieldRequired(const std::string& column) override;

protected:
    bool HasConnection() const override { return connection_ != nullptr; }
    void FetchPrimaryKey() override;
    void ExecInsert() override;
    void ExecUpdate() override;
    void ExecDelete() override;

private:
    TZNOADOConnection& CheckedConnection() const;
    const TTableDescription& Table() const;
    void Prepare(const std::string& statement);
    // The value a parameter of the column gets: the view its type asks for.
    Value ParameterValue(const std::string& column, const TDBValue& value, bool nullable);
    void FillParameter(const std::string& column, const TDBValue& value, bool nullable);
    void CheckKeysUnchanged();
    void FillKeys();
    bool BeforeExecute();
    // Runs the prepared statement unless the handler vetoes it; the affected
    // rows, or -1 when it did not run.
    int ExecSQL();

    TZNOADOConnection* connection_ = nullptr;
    std::unique_ptr<Query> query_;
};

} // namespace vkt::db
