#pragma once

#include "db/Statement.h"
#include "db/Value.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace vkt::db {

// How a connection shares its database file, from the "Mode" of the
// connection string.
enum class ShareMode {
    ReadWrite, // any other mode
    ReadOnly,  // "Share Deny Read|Share Deny Write", "Share Deny Write", "Read"
    Exclusive, // "Share Exclusive": no other process may open the file
};

// The share mode a connection string's "Mode" asks for.
ShareMode ModeFromText(const std::string& mode);

struct ColumnInfo {
    std::string Name;
    std::string DeclaredType; // as written in CREATE TABLE, e.g. "VARCHAR(50)"
    FieldType Type = FieldType::Text;
    int Size = 0; // the length of a text column when declared, else 0
    bool Nullable = true;
    std::optional<std::string> Default; // the default as SQL text
};

// A connection to one SQLite database file, opened from a connection string of
// the form "Provider=...;Data Source=<file>;Mode=<sharing mode>;...".
//
// An exclusive connection takes the file's exclusive lock at once and keeps it
// until it closes, so a second process is refused straight away. The lock
// properties "Jet OLEDB:Lock Delay" (milliseconds between tries) and
// "Jet OLEDB:Lock Retry" (number of tries) become the engine's busy timeout.
class Connection {
public:
    Connection() = default;
    virtual ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void SetConnectionString(std::string text) { connectionString_ = std::move(text); }
    const std::string& ConnectionString() const { return connectionString_; }

    // Opens the connection from the connection string; a DatabaseError on
    // failure. Does nothing when already open. The file is checked before
    // anything is written to it: an empty file or one that is no database is
    // refused as it is. A read-only connection that finds the journal of a
    // save that was interrupted (its program killed) has the engine play it
    // back first, as the next writer would.
    void Open();
    // Virtual so that a connection that keeps knowledge of the open database
    // can forget it whenever the connection closes.
    virtual void Close();
    bool Connected() const { return handle_ != nullptr; }
    const std::string& FileName() const { return fileName_; }
    ShareMode Mode() const { return mode_; }

    void SetProperty(std::string_view name, Value value);
    // The property's value, or a null value when it was never set.
    Value Property(std::string_view name) const;
    // The busy timeout, in milliseconds, that the lock properties give.
    int BusyTimeout() const;

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

    // Runs statements without parameters; returns the rows the last one changed.
    int Execute(const std::string& sql);

    std::vector<ColumnInfo> Columns(const std::string& table);
    // The primary-key columns in key order; empty when the table has none.
    std::vector<std::string> PrimaryKey(const std::string& table);
    bool TableExists(const std::string& table);

    // For the query classes of this layer only.
    sqlite3* Handle();
    // A statement of this connection kept prepared for the next time the
    // same text runs (reset, its bindings cleared): a query opened again for
    // another parameter value need not be parsed again. Only one user at a
    // time may step it; all are finalised when the connection closes, so
    // that closing still lets go of the file.
    Statement& Prepared(const std::string& sql);

private:
    void OpenHandle(int flags);
    // Throws when the file is no database or an empty one; false when a
    // read-only connection meets the journal of an interrupted save.
    bool CheckDatabase();
    void RecoverInterruptedSave();
    void ApplyBusyTimeout();
    void TakeExclusiveLock();
    [[noreturn]] void ThrowInUse() const;

    std::string connectionString_;
    std::string fileName_;
    ShareMode mode_ = ShareMode::ReadWrite;
    sqlite3* handle_ = nullptr;
    std::map<std::string, Value> properties_; // names upper-cased
    std::map<std::string, std::unique_ptr<Statement>, std::less<>> prepared_;
};

} // namespace vkt::db
