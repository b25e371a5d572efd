#pragma once

#include "db/Value.h"

#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace vkt::db {

// One named parameter of a statement and the value it is given.
class Parameter {
public:
    explicit Parameter(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const db::Value& Value() const { return value_; }

    void SetValue(db::Value value) { value_ = std::move(value); }
    void SetInteger(std::int64_t value) { value_ = db::Value::Integer(value); }
    void SetDouble(double value) { value_ = db::Value::Double(value); }
    void SetText(std::string value) { value_ = db::Value::Text(std::move(value)); }
    void SetBoolean(bool value) { value_ = db::Value::Boolean(value); }
    void SetDateTime(TDateTime value) { value_ = db::Value::DateTime(value); }
    void SetNull() { value_ = {}; }

private:
    std::string name_;
    db::Value value_;
};

// The parameters of one statement: every ":Name" outside quotes and comments.
// Names are matched without regard to letter case, so ":RegelType" and
// ":Regeltype" are one parameter.
class Parameters {
public:
    // Reads the parameters of a statement; earlier parameters are dropped.
    void Parse(const std::string& sql);

    // Throws a DatabaseError "Parameter 'name' not found" for an unknown name.
    Parameter& ByName(std::string_view name);
    Parameter* Find(std::string_view name);
    std::size_t Count() const { return parameters_.size(); }
    Parameter& At(std::size_t index) { return parameters_.at(index); }

    // The statement with each ":Name" replaced by its numbered placeholder.
    const std::string& EngineSql() const { return engineSql_; }
    void Bind(sqlite3_stmt* statement) const;

private:
    std::vector<Parameter> parameters_;
    std::string engineSql_;
};

} // namespace vkt::db
