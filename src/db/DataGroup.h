#pragma once

#include "common/Exception.h"
#include "db/Component.h"
#include "db/SQLOutputSet.h"

#include <functional>
#include <string>
#include <vector>

namespace vkt::db {

class Query;
class TZNODBComponent;

class EDataGroupError : public Exception {
public:
    using Exception::Exception;
};

// Ties the data-aware fields of a window to the database: loads them from
// the current row of an input query, validates them, and writes them through
// the window's output sets, all of them in one transaction. The fields are
// those of the group's window whose DataGroup is this group, visited in the
// window's component order; the output sets are found on the window by name.
class TZNODataGroup : public TComponent {
public:
    using TNotifyEvent = std::function<void(TZNODataGroup& sender)>;
    using TMessageEvent = std::function<void(const std::string& text)>;

    explicit TZNODataGroup(TComponentLijst* owner = nullptr, std::string name = {});
    ~TZNODataGroup() override;

    // The query whose current row Load reads.
    Query* InputSet() const { return inputSet_; }
    void SetInputSet(Query* query) { inputSet_ = query; }
    // Names of output sets on the window, in the order they are posted; the
    // main table comes last, as Delete deletes from the last one.
    const std::vector<std::string>& OutputSets() const { return outputSets_; }
    void SetOutputSets(std::vector<std::string> names) { outputSets_ = std::move(names); }

    TNotifyEvent OnStateChange;
    // Shows a plain message to the user (CheckLengths tells the sizes that clash).
    TMessageEvent ShowMessage;

    TDataState State() const { return state_; }
    // The fields of this group in the window's component order.
    std::vector<TZNODBComponent*> Members() const;

    virtual void Load();
    virtual void ClearAll();
    // Stops at the first invalid field.
    virtual bool ValidateAll();
    virtual void Insert();
    virtual void Edit();
    virtual void Delete();
    virtual void WriteValues();
    // Ends idle with every output set idle, whether it succeeds or not.
    virtual void Post();
    virtual void Cancel();

    virtual void CheckOutputSets() const;
    virtual void CheckLengths();

protected:
    virtual void PostSQL();
    // Takes the key values of the output set from the input row.
    virtual void CopyKeys(TZNOSQLOutputSet& outputSet);

private:
    friend class TZNODBComponent;

    void SetState(TDataState state);
    void CheckIdle() const;
    TZNOSQLOutputSet& OutputSet(const std::string& name) const;
    std::vector<TZNOSQLOutputSet*> ListedOutputSets() const;
    // Runs start on each set; when one fails, the sets it already started are cancelled.
    void StartOutputSets(const std::vector<TZNOSQLOutputSet*>& sets,
                         const std::function<void(TZNOSQLOutputSet&)>& start);
    void CancelBusyOutputSets() noexcept;
    void WriteMember(TZNODBComponent& member);

    Query* inputSet_ = nullptr;
    std::vector<std::string> outputSets_;
    TDataState state_ = TDataState::Idle;
    std::vector<TZNODBComponent*> members_; // to detach them when the group goes
};

} // namespace vkt::db
