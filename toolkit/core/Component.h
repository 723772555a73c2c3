#pragma once
// A named object in an ownership tree. An owner destroys what it owns, last-created first; an
// owned component destroyed on its own leaves its owner's list. Components with an owner are
// created with `new` and belong to the owner from then on.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/Object.h"

namespace tk {

class TMethodTable;

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  const char* ClassName() const override { return "TComponent"; }

  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t tag) { FTag = tag; }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const {
    return FComponents[static_cast<std::size_t>(index)].get();
  }
  TComponent* FindComponent(std::string_view name) const;

  // Called once a form text has set every property of the component.
  virtual void Loaded() {}

  // Form text nests objects; a nested object is handed to the one it stands in (a control to its
  // parent window, a menu item to its menu). The default ignores it.
  virtual void SetParentComponent(TComponent* parent) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // The handlers that form text may bind events to, by name. Only a form root has them.
  virtual const TMethodTable* Methods() const { return nullptr; }

 protected:
  bool Destroying() const { return FDestroying; }

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::string FName;
  std::intptr_t FTag = 0;
  TComponent* FOwner = nullptr;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  bool FDestroying = false;
};

}  // namespace tk
