#include "toolkit/streaming/ClassInfo.h"

namespace tk {

const TPropInfo* TClassInfo::Find(std::string_view propertyName) const {
  for (const auto& p : Properties)
    if (p.Name == propertyName) return &p;
  return nullptr;
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  auto it = FClasses.find(name);
  return it == FClasses.end() ? nullptr : it->second;
}

TClassRegistry& ClassRegistry() {
  static TClassRegistry registry;
  return registry;
}

}  // namespace tk
