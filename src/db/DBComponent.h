#pragma once

#include "common/Exception.h"
#include "db/Component.h"
#include "db/DBValue.h"
#include "db/KeyList.h"
#include "db/Value.h"

#include <functional>
#include <optional>
#include <string>

namespace vkt::db {

class TZNODataGroup;

class EDBComponentError : public Exception {
public:
    using Exception::Exception;
};

// An input field bound to a column: its data group loads it from the input
// row and writes it through an output set. It remembers the value it was
// last given from the database, so it knows whether the user changed it.
// The descendants below hold their input in a plain member. A view on
// screen binds to a field: it sets OnToon to show the field's value, and
// writes what the user edits into the field.
class TZNODBComponent : public TComponent {
public:
    using TValidateEvent = std::function<void(TZNODBComponent& sender, bool& dataValid)>;
    using TNotifyEvent = std::function<void(TZNODBComponent& sender)>;

    explicit TZNODBComponent(TComponentLijst* owner = nullptr, std::string name = {});
    ~TZNODBComponent() override;

    TZNODataGroup* DataGroup() const { return dataGroup_; }
    // Leaves the old group and joins the new one (nullptr: none).
    void SetDataGroup(TZNODataGroup* group);

    const std::string& SQLInputField() const { return sqlInputField_; }
    void SetSQLInputField(std::string field) { sqlInputField_ = std::move(field); }
    const std::string& SQLOutputField() const { return sqlOutputField_; }
    void SetSQLOutputField(std::string field) { sqlOutputField_ = std::move(field); }
    // The name of the output set it is written through.
    const std::string& SQLOutputSet() const { return sqlOutputSet_; }
    void SetSQLOutputSet(std::string name) { sqlOutputSet_ = std::move(name); }

    // May not exceed the column's size; the group checks this before a save.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    // A read-only field is never written.
    virtual bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool ValidateOnExit() const { return validateOnExit_; }
    void SetValidateOnExit(bool validate) { validateOnExit_ = validate; }

    TValidateEvent OnValidate;
    TNotifyEvent OnDataChange; // the focus left a changed field
    TNotifyEvent OnExit;
    // Called after the field took a value from anywhere (loaded, cleared, set
    // from code), so that the view bound to it shows that value.
    std::function<void()> OnToon;

    const TDBValue& StoredValue() const { return stored_; }
    // Remembers a copy of the value and shows it; a null value clears the input.
    void SetDBValue(const TDBValue& value);

    // Runs OnValidate; the result is remembered.
    virtual bool Validate();
    bool DataValid() const { return dataValid_; }
    // What happens when the focus leaves the field.
    void Exit();

    virtual void ShowStoredValue() = 0;
    virtual bool IsModified() const = 0;
    virtual bool IsEmpty() const = 0;
    // Clears the input; the stored value stays.
    virtual void Clear() = 0;
    // Takes a non-null field of the input row in this field's own view.
    virtual void LoadValue(const Value& field, TDBValue& into) const = 0;
    // Puts the input into the value an output set writes.
    virtual void WriteTo(TDBValue& value) const = 0;

protected:
    void Toon() const
    {
        if (OnToon)
            OnToon();
    }

private:
    friend class TZNODataGroup;

    TZNODataGroup* dataGroup_ = nullptr;
    std::string sqlInputField_;
    std::string sqlOutputField_;
    std::string sqlOutputSet_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool validateOnExit_ = true;
    bool dataValid_ = true;
    TDBValue stored_;
};

// A text field.
class TZNODBEdit : public TZNODBComponent {
public:
    using TZNODBComponent::TZNODBComponent;

    const std::string& Text() const { return text_; }
    void SetText(std::string text)
    {
        text_ = std::move(text);
        Toon();
    }

    void ShowStoredValue() override
    {
        text_ = StoredValue().AsString();
        Toon();
    }
    bool IsModified() const override;
    bool IsEmpty() const override { return text_.empty(); }
    void Clear() override
    {
        text_.clear();
        Toon();
    }
    void LoadValue(const Value& field, TDBValue& into) const override { into.SetAsString(field.AsText()); }
    void WriteTo(TDBValue& value) const override { value.SetAsString(text_); }

private:
    std::string text_;
};

// A date field; no date is an empty field.
class TZNODBDateEdit : public TZNODBComponent {
public:
    using TZNODBComponent::TZNODBComponent;

    std::optional<TDateTime> Date() const { return date_; }
    void SetDate(std::optional<TDateTime> date)
    {
        date_ = date;
        Toon();
    }

    void ShowStoredValue() override;
    bool IsModified() const override;
    bool IsEmpty() const override { return !date_; }
    void Clear() override
    {
        date_.reset();
        Toon();
    }
    void LoadValue(const Value& field, TDBValue& into) const override { into.SetAsDateTime(field.AsDateTime()); }
    void WriteTo(TDBValue& value) const override { value.SetAsDateTime(date_.value_or(0)); }

private:
    std::optional<TDateTime> date_;
};

// A field for an amount or percentage; no number is an empty field.
class TZNODBNumericEdit : public TZNODBComponent {
public:
    using TZNODBComponent::TZNODBComponent;

    std::optional<double> Number() const { return number_; }
    void SetNumber(std::optional<double> number)
    {
        number_ = number;
        Toon();
    }

    void ShowStoredValue() override;
    bool IsModified() const override;
    bool IsEmpty() const override { return !number_; }
    void Clear() override
    {
        number_.reset();
        Toon();
    }
    void LoadValue(const Value& field, TDBValue& into) const override { into.SetAsFloat(field.AsDouble()); }
    void WriteTo(TDBValue& value) const override { value.SetAsFloat(number_.value_or(0)); }

private:
    std::optional<double> number_;
};

// A pick-only drop-down that shows the texts of its key list and stores keys.
class TZNODBComboboxEx : public TZNODBComponent {
public:
    using TZNODBComponent::TZNODBComponent;

    const TKeyList& KeyList() const { return keyList_; }
    void SetKeyList(TKeyList keyList) { keyList_ = std::move(keyList); }
    std::vector<std::string> Items() const { return keyList_.Items(); }

    // The shown text: one of the items, or empty when nothing is selected.
    const std::string& Text() const { return text_; }
    // Selects the item with that text; any other text selects nothing.
    void SetText(const std::string& text);
    std::string Key() const { return keyList_.KeyOf(text_); }
    // Selects the item of that key; an unknown key selects nothing.
    void SetKey(const std::string& key)
    {
        text_ = keyList_.TextOf(key);
        Toon();
    }

    void ShowStoredValue() override { SetKey(StoredValue().AsString()); }
    bool IsModified() const override;
    bool IsEmpty() const override { return Key().empty(); }
    void Clear() override
    {
        text_.clear();
        Toon();
    }
    void LoadValue(const Value& field, TDBValue& into) const override { into.SetAsString(field.AsText()); }
    void WriteTo(TDBValue& value) const override { value.SetAsString(Key()); }

private:
    TKeyList keyList_;
    std::string text_;
};

// A check box; it is never empty and never read-only.
class TZNODBCheckbox : public TZNODBComponent {
public:
    using TZNODBComponent::TZNODBComponent;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked)
    {
        checked_ = checked;
        Toon();
    }

    bool ReadOnly() const override { return false; }
    void SetReadOnly(bool) override {}

    void ShowStoredValue() override
    {
        checked_ = StoredValue().AsBoolean();
        Toon();
    }
    // A null stored value counts as changed, so the box is written on every save.
    bool IsModified() const override { return checked_ != StoredValue().AsBoolean() || StoredValue().IsNull(); }
    bool IsEmpty() const override { return false; }
    void Clear() override
    {
        checked_ = false;
        Toon();
    }
    void LoadValue(const Value& field, TDBValue& into) const override { into.SetAsBoolean(field.AsBoolean()); }
    void WriteTo(TDBValue& value) const override { value.SetAsBoolean(checked_); }

private:
    bool checked_ = false;
};

} // namespace vkt::db
