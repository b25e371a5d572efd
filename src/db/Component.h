#pragma once

#include <string>
#include <vector>

namespace vkt::db {

class TComponentLijst;

// A named part of a window that the data layer finds by name: an output set,
// a data group or a data-aware field. A component registers itself with the
// window it is created on and leaves it when it is destroyed.
class TComponent {
public:
    explicit TComponent(TComponentLijst* owner = nullptr, std::string name = {});
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponentLijst* Owner() const { return owner_; }

private:
    friend class TComponentLijst;
    TComponentLijst* owner_;
    std::string name_;
};

// The components of one window in the order they were created; the data
// groups visit their fields in this order.
class TComponentLijst {
public:
    TComponentLijst() = default;
    ~TComponentLijst();
    TComponentLijst(const TComponentLijst&) = delete;
    TComponentLijst& operator=(const TComponentLijst&) = delete;

    // The component of that name (letter case ignored), or nullptr.
    TComponent* FindComponent(const std::string& name) const;
    const std::vector<TComponent*>& Components() const { return components_; }

private:
    friend class TComponent;
    std::vector<TComponent*> components_;
};

} // namespace vkt::db
