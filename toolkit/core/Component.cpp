#include "toolkit/core/Component.h"

#include <algorithm>

namespace tk {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  while (!FComponents.empty()) {
    // Detach first so that the child's own destructor does not look for itself here.
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last->FOwner = nullptr;
    last.reset();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) { FName = name; }

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : FComponents)
    if (c->FName == name) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  component->FOwner = this;
  FComponents.emplace_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(),
                         [&](const auto& p) { return p.get() == component; });
  if (it == FComponents.end()) return;
  it->release();  // the component is being destroyed by someone else
  FComponents.erase(it);
  component->FOwner = nullptr;
}

}  // namespace tk
