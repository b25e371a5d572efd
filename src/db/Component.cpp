#include "db/Component.h"

#include "common/Text.h"

#include <algorithm>

namespace vkt::db {

TComponent::TComponent(TComponentLijst* owner, std::string name) : owner_(owner), name_(std::move(name))
{
    if (owner_ != nullptr)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    if (owner_ != nullptr)
        std::erase(owner_->components_, this);
}

TComponentLijst::~TComponentLijst()
{
    // Components that outlive their window must not reach back into it.
    for (TComponent* component : components_)
        component->owner_ = nullptr;
}

TComponent* TComponentLijst::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    const auto found = std::find_if(components_.begin(), components_.end(),
                                    [&](const TComponent* c) { return EqualsIgnoreCase(c->Name(), name); });
    return found != components_.end() ? *found : nullptr;
}

} // namespace vkt::db
