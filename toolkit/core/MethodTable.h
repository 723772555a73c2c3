#pragma once
// A form's handlers by name, so that form text can bind "OnClick = Save1Click". Each entry keeps
// its exact signature; binding to an event of another signature is refused.

#include <any>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace tk {

class TMethodTable {
 public:
  // The signature is given explicitly: Add<TObject*>("Save1Click", ...).
  template <class... Args>
  void Add(const std::string& name, std::type_identity_t<std::function<void(Args...)>> handler) {
    FMethods[name] = std::move(handler);
  }

  bool Contains(std::string_view name) const {
    return FMethods.find(std::string(name)) != FMethods.end();
  }

  // The handler of that name when it has exactly this signature.
  template <class... Args>
  std::optional<std::function<void(Args...)>> Find(std::string_view name) const {
    auto it = FMethods.find(std::string(name));
    if (it == FMethods.end()) return std::nullopt;
    if (auto* f = std::any_cast<std::function<void(Args...)>>(&it->second)) return *f;
    return std::nullopt;
  }

 private:
  std::map<std::string, std::any, std::less<>> FMethods;
};

}  // namespace tk
