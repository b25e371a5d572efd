#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vkt::db {

class Connection;

// The type of a column as the data layer sees it. The codes are fixed: they
// are the ones the rest of the layer and its callers compare against.
enum TFieldType : int {
    ftUnknown = 0,
    ftString = 1,
    ftSmallint = 2,
    ftInteger = 3,
    ftWord = 4,
    ftBoolean = 5,
    ftFloat = 6,
    ftCurrency = 7,
    ftBCD = 8,
    ftDate = 9,
    ftTime = 10,
    ftDateTime = 11,
    ftBytes = 12,
    ftVarBytes = 13,
    ftAutoInc = 14,
    ftBlob = 15,
    ftMemo = 16,
    ftFixedChar = 23,
    ftWideString = 24,
    ftLargeint = 25,
};

// One column of a table.
struct TFieldDescription {
    std::string Name; // as the schema spells it
    bool Nullable = true;
    TFieldType FieldType = ftUnknown;
    int Size = 0;        // width in characters
    std::string Default; // normalised to the program's formats; empty when none
    std::string Description;
};

class TTableDescription;

// A key of a table: the primary key, or a unique index.
class TConstraintDescription {
public:
    TConstraintDescription(const TTableDescription& table, std::string name, bool primaryKey);

    const TTableDescription& Table() const { return table_; }
    const std::string& Name() const { return name_; }
    bool IsPrimaryKey() const { return primaryKey_; }
    void SetPrimaryKey(bool primaryKey) { primaryKey_ = primaryKey; }

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // Throws "DBDescription: Constraints property out of bounds: " + index.
    const TFieldDescription& Columns(int index) const;
    void AddColumn(const TFieldDescription& field) { columns_.push_back(&field); }

private:
    const TTableDescription& table_;
    std::string name_;
    bool primaryKey_;
    std::vector<const TFieldDescription*> columns_;
};

// The columns and keys of one table, as read once from the schema.
class TTableDescription {
public:
    explicit TTableDescription(std::string name) : name_(std::move(name)) {}
    TTableDescription(const TTableDescription&) = delete;
    TTableDescription& operator=(const TTableDescription&) = delete;

    // The name as it was first asked for.
    const std::string& Name() const { return name_; }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    // Throws "DBDescription: Fields property out of bounds: " + index.
    const TFieldDescription& Fields(int index) const;
    // Letter case is ignored.
    const TFieldDescription& FieldByName(const std::string& name) const;

    int ConstraintCount() const { return static_cast<int>(constraints_.size()); }
    const TConstraintDescription& Constraints(int index) const { return *constraints_.at(static_cast<std::size_t>(index)); }
    const TConstraintDescription& ConstraintByName(const std::string& name) const;
    // The first primary-key constraint; a table without one is refused.
    const TConstraintDescription& PrimaryKeyConstraint() const;

    TFieldDescription& AddField(TFieldDescription field);
    TConstraintDescription& AddConstraint(std::string name, bool primaryKey);

private:
    std::string name_;
    std::vector<std::unique_ptr<TFieldDescription>> fields_;
    std::vector<std::unique_ptr<TConstraintDescription>> constraints_;
};

// The table descriptions of one connection, each read from the schema the
// first time it is asked for and kept until the cache is flushed (the
// connection flushes it when it closes).
class TDBDescription {
public:
    explicit TDBDescription(Connection* connection = nullptr);
    TDBDescription(const TDBDescription&) = delete;
    TDBDescription& operator=(const TDBDescription&) = delete;

    Connection* ADOConnection() const { return connection_; }
    // Throws "Cannot assign nil to property ADOConnection." for nullptr.
    void SetADOConnection(Connection* connection);

    // Letter case is ignored; a table not cached yet is read from the schema.
    const TTableDescription& TableByName(const std::string& name);
    void FlushCache();

    int TableCount() const { return static_cast<int>(tables_.size()); }
    const TTableDescription& Tables(int index) const { return *tables_.at(static_cast<std::size_t>(index)); }

    // The connection string's "name=value" parts, names in lower case; read at
    // the first table load while the connection is open.
    const std::vector<std::string>& ConnectionParameters() const;

private:
    void GetFieldDescription(TTableDescription& table);
    void ReadColumns(TTableDescription& table);
    void ReadConstraints(TTableDescription& table);
    void FillConnectionParameters();

    Connection* connection_;
    std::vector<std::unique_ptr<TTableDescription>> tables_;
    std::vector<std::string> parameters_;
};

// How SQLite's declared column types map onto TFieldType, and the size that
// follows; exposed for the tests.
struct DeclaredType {
    TFieldType FieldType = ftUnknown;
    int Size = 0;
};
DeclaredType MapDeclaredType(const std::string& declared);
// The default of a column as SQLite gives it (SQL text), normalised by type.
std::string NormaliseDefault(const std::string& sqlDefault, TFieldType type);

} // namespace vkt::db
