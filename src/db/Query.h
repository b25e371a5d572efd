#pragma once

#include "db/Parameters.h"
#include "db/Record.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vkt::db {

class Connection;

// A statement with named parameters on a connection. Opening it reads the
// whole result, so the row count is known at once; the rows are then read
// forward from the first. A filter of the form "Column = value" (conditions
// joined by AND) limits the rows shown without running the statement again.
class Query : public Record {
public:
    explicit Query(Connection& connection, std::string sql = {});

    void SetSQL(std::string sql);
    const std::string& SQL() const { return sql_; }
    Parameters& Params() { return parameters_; }
    Parameter& Param(std::string_view name) { return parameters_.ByName(name); }

    // Runs the statement and positions on the first row; a query on a closed
    // connection opens the connection again.
    void Open();
    void Close();
    bool Active() const { return active_; }
    // Runs the statement again with the current parameter values.
    void Requery();
    // Runs a statement that returns no rows; returns the number of rows changed.
    int ExecSQL();

    void First();
    void Next();
    bool Eof() const;
    int RecordCount() const;

    void SetFilter(std::string filter);
    const std::string& Filter() const { return filter_; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return filtered_; }

    // Moves to the first shown row whose column equals the value (numbers by
    // value, texts exactly); false and no move when none does.
    bool Locate(std::string_view column, const Value& value);

    const Value* FindField(std::string_view name) const override;
    std::vector<std::string> FieldNames() const;

private:
    // How a column's values are read: its declared type makes an integer
    // a boolean and a text a date.
    enum class Reading { AsStored, Boolean, Date };
    struct Column {
        std::string name;
        std::string table;
        Reading reading;
    };
    // Column names as keys that ignore the case of their letters, found
    // from the name as the caller writes it.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Condition {
        int column;
        std::string op;
        Value value;
    };

    int ColumnIndex(std::string_view name) const;
    void ReadColumns(sqlite3_stmt* statement);
    void ApplyFilter();
    std::vector<Condition> ParseFilter() const;
    bool Matches(const std::vector<Value>& row, const std::vector<Condition>& conditions) const;

    Connection& connection_;
    std::string sql_;
    Parameters parameters_;
    bool active_ = false;
    std::vector<Column> columns_;
    // Each column by its name (the first of equal names): the rows are read
    // by name, often many times over.
    std::unordered_map<std::string, int, NameHash, NameEqual> columnByName_;
    std::vector<std::vector<Value>> rows_;
    std::vector<std::size_t> shown_; // indices into rows_ that pass the filter
    std::size_t position_ = 0;       // index into shown_
    std::string filter_;
    bool filtered_ = false;
};

// A whole table opened by name.
class Table : public Query {
public:
    Table(Connection& connection, const std::string& tableName);
};

} // namespace vkt::db
