#include "db/Connection.h"

#include "common/Text.h"
#include "db/DatabaseError.h"
#include "db/Enginemelding.h"
#include "db/Statement.h"

#include <regex>
#include <sqlite3.h>

namespace vkt::db {
namespace {

const char* const kLockDelay = "JET OLEDB:LOCK DELAY";
const char* const kLockRetry = "JET OLEDB:LOCK RETRY";
// Without lock properties a busy database is waited for this long.
const int kDefaultBusyTimeoutMs = 2000;

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The "key=value" pairs of a connection string, keys upper-cased.
std::map<std::string, std::string> ParseConnectionString(const std::string& text)
{
    std::map<std::string, std::string> pairs;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string part = text.substr(start, end - start);
        const std::size_t equals = part.find('=');
        if (equals != std::string::npos)
            pairs[ToUpperAscii(Trim(part.substr(0, equals)))] = Trim(part.substr(equals + 1));
        else if (!Trim(part).empty())
            throw DatabaseError("De verbinding met de database is niet in orde (Invalid connection string: " + text +
                                ")");
        start = end + 1;
    }
    return pairs;
}


// UCase(text): the text in capitals, as the SQL of the program expects.
void UCaseFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const std::string upper = ToUpperUtf8(text != nullptr ? text : "");
    sqlite3_result_text(context, upper.c_str(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

FieldType TypeFromDeclaration(const std::string& declared)
{
    const std::string upper = ToUpperAscii(declared);
    auto has = [&](const char* part) { return upper.find(part) != std::string::npos; };
    if (has("BOOL") || upper == "BIT")
        return FieldType::Boolean;
    if (has("DATE") || has("TIME"))
        return FieldType::DateTime;
    if (has("INT"))
        return FieldType::Integer;
    if (has("CHAR") || has("TEXT") || has("CLOB") || upper.empty())
        return FieldType::Text;
    return FieldType::Double;
}

bool IsBusy(int result) { return (result & 0xFF) == SQLITE_BUSY || (result & 0xFF) == SQLITE_LOCKED; }

std::string QuotedName(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace

ShareMode ModeFromText(const std::string& mode)
{
    const std::string upper = ToUpperAscii(mode);
    if (upper.find("EXCLUSIVE") != std::string::npos)
        return ShareMode::Exclusive;
    if (upper.find("DENY WRITE") != std::string::npos || upper == "READ")
        return ShareMode::ReadOnly;
    return ShareMode::ReadWrite;
}

Connection::~Connection() { Close(); }

void Connection::Open()
{
    if (Connected())
        return;
    const auto pairs = ParseConnectionString(connectionString_);
    const auto source = pairs.find("DATA SOURCE");
    if (source == pairs.end() || source->second.empty())
        throw DatabaseError("De verbinding met de database is niet in orde (Invalid connection string: " +
                            connectionString_ + ")");
    const auto mode = pairs.find("MODE");
    fileName_ = source->second;
    mode_ = ModeFromText(mode != pairs.end() ? mode->second : std::string());

    OpenHandle(mode_ == ShareMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    try {
        // Everything is read and checked before anything is written: a
        // damaged file is refused as it is.
        if (mode_ == ShareMode::ReadOnly && !CheckDatabase()) {
            // A writer was stopped in the middle of a save: its journal must be
            // played back before the file can be read.
            Close();
            RecoverInterruptedSave();
            OpenHandle(SQLITE_OPEN_READONLY);
            if (!CheckDatabase())
                throw DatabaseError(Enginemelding(SQLITE_READONLY_ROLLBACK, "attempt to write a readonly database"));
        } else if (mode_ != ShareMode::ReadOnly) {
            CheckDatabase();
        }
        if (mode_ == ShareMode::Exclusive)
            TakeExclusiveLock();
        ApplyBusyTimeout();
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::OpenHandle(int flags)
{
    sqlite3* handle = nullptr;
    const int result = sqlite3_open_v2(fileName_.c_str(), &handle, flags, nullptr);
    if (result != SQLITE_OK) {
        const std::string message = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(result);
        sqlite3_close(handle);
        throw DatabaseError(Enginemelding(result, message) + ": " + fileName_);
    }
    handle_ = handle;
    sqlite3_extended_result_codes(handle_, 1);
    Check(handle_, sqlite3_create_function(handle_, "UCase", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                           UCaseFunction, nullptr, nullptr));
    // A second process must be refused at once, not after the lock retries;
    // a reader waits for a writer that holds the file briefly.
    sqlite3_busy_timeout(handle_, mode_ == ShareMode::Exclusive ? 0 : BusyTimeout());
}

bool Connection::CheckDatabase()
{
    // Reading the schema tells whether the file is a database; it takes no
    // lock that outlives it, so that of two writers starting at once one
    // gets the file.
    sqlite3_stmt* check = nullptr;
    int result = sqlite3_prepare_v2(handle_, "SELECT count(*) FROM sqlite_schema", -1, &check, nullptr);
    if (result == SQLITE_OK)
        result = sqlite3_step(check);
    sqlite3_finalize(check);
    if (result == SQLITE_READONLY_ROLLBACK)
        return false;
    if (mode_ == ShareMode::Exclusive && IsBusy(result))
        ThrowInUse();
    Check(handle_, result);
    // An empty file reads as a database without tables, and the first
    // transaction would make it one: refuse it before that.
    Statement pages(handle_, "PRAGMA page_count");
    if (pages.Step() && sqlite3_column_int64(pages.Get(), 0) == 0)
        throw DatabaseError("Het bestand is leeg, dus geen database: " + fileName_);
    return true;
}

void Connection::RecoverInterruptedSave()
{
    // The engine plays the journal back when a connection that may write
    // reads the file, as the next writer would; what was saved before the
    // interrupted save is what is left.
    sqlite3* handle = nullptr;
    int result = sqlite3_open_v2(fileName_.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_extended_result_codes(handle, 1);
        sqlite3_busy_timeout(handle, BusyTimeout());
        result = sqlite3_exec(handle, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    }
    const std::string message = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(result);
    sqlite3_close(handle);
    if (result != SQLITE_OK)
        throw DatabaseError(Enginemelding(SQLITE_READONLY_ROLLBACK, "attempt to write a readonly database") +
                            "; het herstellen mislukte: " + Enginemelding(result, message));
}

void Connection::ThrowInUse() const
{
    throw DatabaseError("Het bestand is al in gebruik: '" + fileName_ +
                        "' is geopend door een ander proces (it is already opened exclusively by another process).");
}

void Connection::TakeExclusiveLock()
{
    Check(handle_, sqlite3_exec(handle_, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr));
    const int result = sqlite3_exec(handle_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    if (IsBusy(result))
        ThrowInUse();
    Check(handle_, result);
    // In exclusive locking mode the lock stays after the transaction ends; a
    // transaction that changed nothing writes nothing.
    Check(handle_, sqlite3_exec(handle_, "COMMIT", nullptr, nullptr, nullptr));
}

Statement& Connection::Prepared(const std::string& sql)
{
    sqlite3* handle = Handle();
    if (const auto found = prepared_.find(sql); found != prepared_.end()) {
        sqlite3_reset(found->second->Get());
        sqlite3_clear_bindings(found->second->Get());
        return *found->second;
    }
    // Texts built with their values would otherwise pile up.
    constexpr std::size_t kMostPrepared = 64;
    if (prepared_.size() >= kMostPrepared)
        prepared_.clear();
    return *prepared_.emplace(sql, std::make_unique<Statement>(handle, sql)).first->second;
}

void Connection::Close()
{
    prepared_.clear();
    if (handle_ == nullptr)
        return;
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
}

void Connection::SetProperty(std::string_view name, Value value)
{
    properties_[ToUpperAscii(name)] = std::move(value);
    if (Connected())
        ApplyBusyTimeout();
}

Value Connection::Property(std::string_view name) const
{
    const auto found = properties_.find(ToUpperAscii(name));
    return found != properties_.end() ? found->second : Value();
}

int Connection::BusyTimeout() const
{
    const Value delay = Property(kLockDelay);
    const Value retry = Property(kLockRetry);
    if (delay.IsNull() || retry.IsNull())
        return kDefaultBusyTimeoutMs;
    return static_cast<int>(delay.AsInteger() * retry.AsInteger());
}

void Connection::ApplyBusyTimeout() { sqlite3_busy_timeout(handle_, BusyTimeout()); }

sqlite3* Connection::Handle()
{
    // A statement on a closed connection opens it again with its last
    // connection string.
    Open();
    return handle_;
}

void Connection::BeginTrans() { Execute("BEGIN"); }
void Connection::CommitTrans() { Execute("COMMIT"); }
void Connection::RollbackTrans() { Execute("ROLLBACK"); }

bool Connection::InTransaction() const { return Connected() && sqlite3_get_autocommit(handle_) == 0; }

int Connection::Execute(const std::string& sql)
{
    sqlite3* handle = Handle();
    char* error = nullptr;
    const int result = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, &error);
    if (result != SQLITE_OK) {
        const std::string message = error != nullptr ? error : sqlite3_errmsg(handle);
        sqlite3_free(error);
        throw DatabaseError(Enginemelding(result, message));
    }
    return sqlite3_changes(handle);
}

std::vector<ColumnInfo> Connection::Columns(const std::string& table)
{
    Statement info(Handle(), "PRAGMA table_info(" + QuotedName(table) + ")");
    // A width of more than nine digits is no width (and would overflow).
    static const std::regex kSize(R"(\(\s*(\d{1,9})\s*\))");
    std::vector<ColumnInfo> columns;
    while (info.Step()) {
        ColumnInfo column;
        column.Name = reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 1));
        const auto* declared = sqlite3_column_text(info.Get(), 2);
        column.DeclaredType = declared != nullptr ? reinterpret_cast<const char*>(declared) : "";
        column.Type = TypeFromDeclaration(column.DeclaredType);
        std::smatch size;
        if (std::regex_search(column.DeclaredType, size, kSize))
            column.Size = std::stoi(size[1].str());
        column.Nullable = sqlite3_column_int(info.Get(), 3) == 0 && sqlite3_column_int(info.Get(), 5) == 0;
        if (const auto* def = sqlite3_column_text(info.Get(), 4))
            column.Default = reinterpret_cast<const char*>(def);
        columns.push_back(std::move(column));
    }
    if (columns.empty())
        throw DatabaseError(Enginemelding(SQLITE_ERROR, "no such table: " + table));
    return columns;
}

std::vector<std::string> Connection::PrimaryKey(const std::string& table)
{
    Statement info(Handle(), "SELECT name FROM pragma_table_info(?1) WHERE pk > 0 ORDER BY pk");
    sqlite3_bind_text(info.Get(), 1, table.c_str(), static_cast<int>(table.size()), SQLITE_TRANSIENT);
    std::vector<std::string> key;
    while (info.Step())
        key.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 0)));
    return key;
}

bool Connection::TableExists(const std::string& table)
{
    Statement find(Handle(), "SELECT 1 FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE");
    sqlite3_bind_text(find.Get(), 1, table.c_str(), static_cast<int>(table.size()), SQLITE_TRANSIENT);
    return find.Step();
}

} // namespace vkt::db
