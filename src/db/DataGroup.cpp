#include "db/DataGroup.h"

#include "common/Text.h"
#include "db/DBComponent.h"
#include "db/Query.h"

#include <algorithm>

namespace vkt::db {

TZNODataGroup::TZNODataGroup(TComponentLijst* owner, std::string name) : TComponent(owner, std::move(name)) {}

TZNODataGroup::~TZNODataGroup()
{
    for (TZNODBComponent* member : members_)
        member->dataGroup_ = nullptr;
}

std::vector<TZNODBComponent*> TZNODataGroup::Members() const
{
    std::vector<TZNODBComponent*> members;
    if (Owner() == nullptr)
        return members;
    for (TComponent* component : Owner()->Components())
        if (auto* member = dynamic_cast<TZNODBComponent*>(component); member != nullptr && member->DataGroup() == this)
            members.push_back(member);
    return members;
}

void TZNODataGroup::SetState(TDataState state)
{
    state_ = state;
    if (OnStateChange)
        OnStateChange(*this);
}

void TZNODataGroup::CheckIdle() const
{
    if (state_ != TDataState::Idle)
        throw EDataGroupError("Datagroup already in edit, insert or delete mode");
}

TZNOSQLOutputSet& TZNODataGroup::OutputSet(const std::string& name) const
{
    TComponent* component = Owner() != nullptr ? Owner()->FindComponent(name) : nullptr;
    if (component == nullptr)
        throw EDataGroupError("Could not find outputset " + name);
    auto* outputSet = dynamic_cast<TZNOSQLOutputSet*>(component);
    if (outputSet == nullptr)
        throw EDataGroupError(name + " is not a valid outputset");
    return *outputSet;
}

std::vector<TZNOSQLOutputSet*> TZNODataGroup::ListedOutputSets() const
{
    std::vector<TZNOSQLOutputSet*> sets;
    for (const std::string& name : outputSets_)
        sets.push_back(&OutputSet(name));
    return sets;
}

void TZNODataGroup::CheckOutputSets() const
{
    if (outputSets_.empty())
        throw EDataGroupError("No outputsets defined");
    ListedOutputSets();
}

void TZNODataGroup::Load()
{
    if (inputSet_ == nullptr)
        throw EDataGroupError("Missing inputset property");
    if (!inputSet_->Active())
        throw EDataGroupError("Cannot perform this operation on a closed dataset");
    for (TZNODBComponent* member : Members()) {
        if (member->SQLInputField().empty())
            throw EDataGroupError("Missing inputfield property");
        const Value& field = inputSet_->FieldByName(member->SQLInputField());
        TDBValue value;
        if (!field.IsNull())
            member->LoadValue(field, value);
        member->SetDBValue(value);
    }
}

void TZNODataGroup::ClearAll()
{
    for (TZNODBComponent* member : Members())
        member->Clear();
}

bool TZNODataGroup::ValidateAll()
{
    for (TZNODBComponent* member : Members())
        if (!member->Validate())
            return false;
    return true;
}

void TZNODataGroup::StartOutputSets(const std::vector<TZNOSQLOutputSet*>& sets,
                                    const std::function<void(TZNOSQLOutputSet&)>& start)
{
    std::vector<TZNOSQLOutputSet*> started;
    try {
        for (TZNOSQLOutputSet* set : sets) {
            if (set->State() == TDataState::Idle)
                started.push_back(set);
            start(*set);
        }
    } catch (...) {
        // The group stays idle, so none of its sets may be left half started.
        for (TZNOSQLOutputSet* set : started)
            if (set->State() != TDataState::Idle)
                try {
                    set->Cancel();
                } catch (...) {
                }
        throw;
    }
}

void TZNODataGroup::Insert()
{
    CheckIdle();
    CheckOutputSets();
    StartOutputSets(ListedOutputSets(), [](TZNOSQLOutputSet& set) { set.Insert(); });
    SetState(TDataState::Insert);
}

void TZNODataGroup::Edit()
{
    CheckIdle();
    CheckOutputSets();
    StartOutputSets(ListedOutputSets(), [this](TZNOSQLOutputSet& set) {
        CopyKeys(set);
        set.Edit();
    });
    SetState(TDataState::Edit);
}

void TZNODataGroup::Delete()
{
    CheckIdle();
    CheckOutputSets();
    StartOutputSets({ListedOutputSets().back()}, [this](TZNOSQLOutputSet& set) {
        CopyKeys(set);
        set.Delete();
    });
    SetState(TDataState::Delete);
}

void TZNODataGroup::WriteValues()
{
    if (state_ == TDataState::Idle)
        throw EDataGroupError("Datagroup not in edit or insert mode");
    CheckOutputSets();
    for (TZNODBComponent* member : Members())
        WriteMember(*member);
}

void TZNODataGroup::WriteMember(TZNODBComponent& member)
{
    if (member.SQLOutputField().empty())
        throw EDataGroupError("Missing outputfield property");
    const bool listed = std::any_of(outputSets_.begin(), outputSets_.end(),
                                    [&](const std::string& name) { return EqualsIgnoreCase(name, member.SQLOutputSet()); });
    if (!listed)
        throw EDataGroupError("Invalid outputset name");
    TComponent* component = Owner()->FindComponent(member.SQLOutputSet());
    auto* outputSet = dynamic_cast<TZNOSQLOutputSet*>(component);
    if (outputSet == nullptr)
        throw EDataGroupError("Could not find " + member.SQLOutputSet());

    // In edit state only what the user changed goes out.
    if ((state_ != TDataState::Edit || member.IsModified()) && !member.ReadOnly()) {
        TDBValue& value = outputSet->FieldValue(member.SQLOutputField());
        if (member.IsEmpty())
            value.Clear(); // the column gets NULL
        else
            member.WriteTo(value);
    }
}

void TZNODataGroup::Post()
{
    if (state_ == TDataState::Idle)
        throw EDataGroupError("Datagroup not in edit, insert or delete mode");
    try {
        if (state_ != TDataState::Delete)
            CheckLengths();
        CheckOutputSets();
        PostSQL();
    } catch (...) {
        CancelBusyOutputSets();
        SetState(TDataState::Idle);
        throw;
    }
    CancelBusyOutputSets();
    SetState(TDataState::Idle);
}

void TZNODataGroup::CancelBusyOutputSets() noexcept
{
    for (const std::string& name : outputSets_) {
        auto* set = dynamic_cast<TZNOSQLOutputSet*>(Owner() != nullptr ? Owner()->FindComponent(name) : nullptr);
        if (set == nullptr || set->State() == TDataState::Idle)
            continue;
        try {
            set->Cancel();
        } catch (...) {
            // Only a set closed in the meantime refuses; the failure that
            // brought us here is the one to report.
        }
    }
}

void TZNODataGroup::PostSQL()
{
    const std::vector<TZNOSQLOutputSet*> sets = ListedOutputSets();
    TZNOSQLOutputSet& first = *sets.front();
    // A transaction the caller opened is the caller's to end.
    const bool ownTransaction = !first.InTransaction();
    if (ownTransaction)
        first.StartTransaction();
    try {
        // After a group Delete only the sets put in delete state have work to do.
        for (TZNOSQLOutputSet* set : sets)
            if (set->State() != TDataState::Idle)
                set->Post();
        if (ownTransaction)
            first.Commit();
    } catch (...) {
        if (ownTransaction && first.InTransaction())
            first.Rollback();
        throw;
    }
}

void TZNODataGroup::Cancel()
{
    if (state_ == TDataState::Idle)
        throw EDataGroupError("Datagroup not in edit, insert or delete mode");
    CheckOutputSets();
    // After a Delete only the last set is busy; the others are idle already.
    for (TZNOSQLOutputSet* set : ListedOutputSets())
        if (set->State() != TDataState::Idle)
            set->Cancel();
    SetState(TDataState::Idle);
}

void TZNODataGroup::CopyKeys(TZNOSQLOutputSet& outputSet)
{
    if (inputSet_ == nullptr)
        throw EDataGroupError("Missing inputset property");
    for (const TNamedValue& key : outputSet.KeyValues()) {
        const Value* field = inputSet_->FindField(outputSet.TableName() + "." + key.Name);
        if (field == nullptr)
            field = inputSet_->FindField(key.Name);
        if (field == nullptr)
            throw EDataGroupError("Primary key not found in inputset");
        TDBValue& value = outputSet.KeyValue(key.Name);
        switch (outputSet.FieldType(key.Name)) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftLargeint: value.SetAsInteger(static_cast<std::int32_t>(field->AsInteger())); break;
        case ftBoolean: value.SetAsBoolean(field->AsBoolean()); break;
        case ftFloat:
        case ftCurrency: value.SetAsFloat(field->AsDouble()); break;
        case ftDate:
        case ftTime:
        case ftDateTime: value.SetAsDateTime(field->AsDateTime()); break;
        default: value.SetAsString(field->AsText()); break;
        }
    }
}

void TZNODataGroup::CheckLengths()
{
    for (TZNODBComponent* member : Members()) {
        auto* set = dynamic_cast<TZNOSQLOutputSet*>(Owner()->FindComponent(member->SQLOutputSet()));
        if (set == nullptr)
            continue;
        const int size = set->FieldSize(member->SQLOutputField());
        if (size < member->MaxLength()) {
            if (ShowMessage)
                ShowMessage(std::to_string(size) + " " + std::to_string(member->MaxLength()));
            throw EDBComponentError(member->Name() + ".MaxLength is greater than field length");
        }
        if (set->FieldRequired(member->SQLOutputField()) && member->IsEmpty())
            throw EDBComponentError("Required field " + member->SQLOutputField() + " may not be assigned NULL");
    }
}

} // namespace vkt::db
