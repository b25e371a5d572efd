#include "db/DBComponent.h"

#include "db/DataGroup.h"

#include <algorithm>

namespace vkt::db {

TZNODBComponent::TZNODBComponent(TComponentLijst* owner, std::string name) : TComponent(owner, std::move(name)) {}

TZNODBComponent::~TZNODBComponent() { SetDataGroup(nullptr); }

void TZNODBComponent::SetDataGroup(TZNODataGroup* group)
{
    if (dataGroup_ == group)
        return;
    if (dataGroup_ != nullptr)
        std::erase(dataGroup_->members_, this);
    dataGroup_ = group;
    if (dataGroup_ != nullptr)
        dataGroup_->members_.push_back(this);
}

void TZNODBComponent::SetDBValue(const TDBValue& value)
{
    stored_.Assign(value);
    if (stored_.IsNull())
        Clear();
    else
        ShowStoredValue();
}

bool TZNODBComponent::Validate()
{
    bool valid = true;
    if (OnValidate)
        OnValidate(*this, valid);
    dataValid_ = valid;
    return valid;
}

void TZNODBComponent::Exit()
{
    if (validateOnExit_)
        Validate();
    if (IsModified() && OnDataChange)
        OnDataChange(*this);
    if (OnExit)
        OnExit(*this);
}

bool TZNODBEdit::IsModified() const
{
    return text_ != StoredValue().AsString() || IsEmpty() != StoredValue().IsNull();
}

void TZNODBDateEdit::ShowStoredValue()
{
    date_ = StoredValue().AsDateTime();
    Toon();
}

bool TZNODBDateEdit::IsModified() const
{
    return date_.value_or(0) != StoredValue().AsDateTime() || IsEmpty() != StoredValue().IsNull();
}

void TZNODBNumericEdit::ShowStoredValue()
{
    number_ = static_cast<double>(StoredValue().AsFloat());
    Toon();
}

bool TZNODBNumericEdit::IsModified() const
{
    return number_.value_or(0) != static_cast<double>(StoredValue().AsFloat()) || IsEmpty() != StoredValue().IsNull();
}

void TZNODBComboboxEx::SetText(const std::string& text)
{
    const auto items = Items();
    text_ = std::find(items.begin(), items.end(), text) != items.end() ? text : std::string();
    Toon();
}

bool TZNODBComboboxEx::IsModified() const
{
    return Key() != StoredValue().AsString() || IsEmpty() != StoredValue().IsNull();
}

} // namespace vkt::db
