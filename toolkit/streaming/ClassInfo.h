#pragma once
// Published properties: for each streamable class the list of its properties in declared order,
// each with its type, getter, setter and declared default (or none: then it is always stored).
// Form text is read and written through these lists only, so a property is always set through
// its setter, exactly as code would set it.

#include <climits>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/MethodTable.h"
#include "toolkit/streaming/FormText.h"

namespace tk {

struct TClassInfo;

enum class TPropType {
  Integer,  // 32-bit signed
  Boolean,
  Enum,     // identifiers by ordinal
  Set,      // bit i named by identifier i
  Color,    // colour names or numbers
  Charset,  // character set names or numbers
  String,
  Object,     // an owned persistent object, streamed as a nested list
  Event,      // a handler of the root, by name
  Component,  // a reference to another component of the root, by name
  Binary,     // {hex} data
};

struct TPropInfo {
  std::string name;
  TPropType type = TPropType::Integer;
  std::vector<std::string> names;  // Enum and Set identifiers
  // Integer-like properties (Integer, Boolean, Enum, Set, Color, Charset) travel as numbers.
  std::optional<std::int64_t> defaultOrdinal;
  std::int64_t minValue = INT32_MIN;  // Integer range
  std::int64_t maxValue = INT32_MAX;
  std::function<std::int64_t(TObject&)> getOrdinal;
  std::function<void(TObject&, std::int64_t)> setOrdinal;
  // String
  std::optional<std::string> defaultString;
  std::function<std::string(TObject&)> getString;
  std::function<void(TObject&, const std::string&)> setString;
  // Object
  const TClassInfo* objectClass = nullptr;
  std::function<TPersistent*(TObject&)> getObject;
  // Event: the bound handler's name, and binding by name from the root's handlers
  std::function<std::string(TObject&)> getMethodName;
  std::function<bool(TObject&, const TMethodTable&, const std::string&)> bindMethod;
  // Component
  std::function<TComponent*(TObject&)> getComponent;
  std::function<bool(TObject&, TComponent*)> setComponent;  // false: wrong kind
  // Binary
  std::function<std::vector<std::uint8_t>(TObject&)> getBytes;
  std::function<void(TObject&, const std::vector<std::uint8_t>&)> setBytes;
  // Whether the value is written at all (besides the default rule); empty: always.
  std::function<bool(TObject&)> stored;
};

struct TClassInfo {
  std::string name;
  std::vector<TPropInfo> properties;  // streaming order
  // Creates a component of the class for the form reader; empty for nested objects.
  std::function<TComponent*(TComponent* owner)> create;

  const TPropInfo* Find(std::string_view propertyName) const;
};

// Classes the form reader can create, by name.
class TClassRegistry {
 public:
  void Register(const TClassInfo& info) { FClasses[info.name] = &info; }
  const TClassInfo* Find(std::string_view name) const;

 private:
  std::map<std::string, const TClassInfo*, std::less<>> FClasses;
};
TClassRegistry& ClassRegistry();

// Builds a property list with typed getters and setters.
template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

  // Appends properties of another list (an ancestor's), by name, in the order given.
  TClassBuilder& From(const TClassInfo& base, std::initializer_list<const char*> names);

  template <class G, class S>
  TClassBuilder& Integer(const char* name, G get, S set, std::optional<int> def) {
    return Ordinal(TPropType::Integer, name, {}, get, set, def);
  }
  // An unsigned byte, 0 to 255.
  template <class G, class S>
  TClassBuilder& Byte(const char* name, G get, S set, std::optional<int> def) {
    Ordinal(TPropType::Integer, name, {}, get, set, def);
    FInfo.properties.back().minValue = 0;
    FInfo.properties.back().maxValue = 255;
    return *this;
  }
  template <class G, class S>
  TClassBuilder& Boolean(const char* name, G get, S set, std::optional<bool> def) {
    return Ordinal(TPropType::Boolean, name, {}, get, set,
                   def ? std::optional<std::int64_t>(*def) : std::nullopt);
  }
  template <class G, class S>
  TClassBuilder& Color(const char* name, G get, S set, std::optional<std::uint32_t> def) {
    return Ordinal(TPropType::Color, name, {}, get, set,
                   def ? std::optional<std::int64_t>(*def) : std::nullopt);
  }
  template <class G, class S>
  TClassBuilder& Charset(const char* name, G get, S set, std::optional<int> def) {
    return Ordinal(TPropType::Charset, name, {}, get, set, def);
  }
  template <class G, class S, class E>
  TClassBuilder& Enum(const char* name, std::vector<std::string> names, G get, S set,
                      std::optional<E> def) {
    return Ordinal(
        TPropType::Enum, name, std::move(names),
        [get](T& o) { return static_cast<std::int64_t>(get(o)); },
        [set](T& o, std::int64_t v) { set(o, static_cast<E>(v)); },
        def ? std::optional<std::int64_t>(static_cast<std::int64_t>(*def)) : std::nullopt);
  }
  template <class G, class S>
  TClassBuilder& SetOf(const char* name, std::vector<std::string> names, G get, S set,
                       std::optional<unsigned> def) {
    return Ordinal(TPropType::Set, name, std::move(names), get, set, def);
  }
  template <class G, class S>
  TClassBuilder& String(const char* name, G get, S set, std::optional<std::string> def) {
    TPropInfo p;
    p.name = name;
    p.type = TPropType::String;
    p.defaultString = std::move(def);
    p.getString = [get](TObject& o) { return std::string(get(Self(o))); };
    p.setString = [set](TObject& o, const std::string& v) { set(Self(o), v); };
    return Add(std::move(p));
  }
  template <class G>
  TClassBuilder& Object(const char* name, const TClassInfo& nested, G get,
                        std::function<bool(T&)> stored = {}) {
    TPropInfo p;
    p.name = name;
    p.type = TPropType::Object;
    p.objectClass = &nested;
    p.getObject = [get](TObject& o) -> TPersistent* { return &get(Self(o)); };
    if (stored) p.stored = [stored](TObject& o) { return stored(Self(o)); };
    return Add(std::move(p));
  }
  // An event member of type TEvent<Args...>.
  template <class... Args>
  TClassBuilder& Event(const char* name, TEvent<Args...> T::*member) {
    TPropInfo p;
    p.name = name;
    p.type = TPropType::Event;
    p.getMethodName = [member](TObject& o) { return (Self(o).*member).MethodName(); };
    p.bindMethod = [member](TObject& o, const TMethodTable& methods, const std::string& method) {
      auto handler = methods.Find<Args...>(method);
      if (!handler) return false;
      Self(o).*member = TEvent<Args...>(*handler, method);
      return true;
    };
    return Add(std::move(p));
  }
  template <class C, class G, class S>
  TClassBuilder& Component(const char* name, G get, S set) {
    TPropInfo p;
    p.name = name;
    p.type = TPropType::Component;
    p.getComponent = [get](TObject& o) -> TComponent* { return get(Self(o)); };
    p.setComponent = [set](TObject& o, TComponent* c) {
      auto* typed = dynamic_cast<C*>(c);
      if (c && !typed) return false;
      set(Self(o), typed);
      return true;
    };
    return Add(std::move(p));
  }
  template <class G, class S>
  TClassBuilder& Binary(const char* name, G get, S set) {
    TPropInfo p;
    p.name = name;
    p.type = TPropType::Binary;
    p.getBytes = [get](TObject& o) { return get(Self(o)); };
    p.setBytes = [set](TObject& o, const std::vector<std::uint8_t>& v) { set(Self(o), v); };
    return Add(std::move(p));
  }

 private:
  static T& Self(TObject& o) { return dynamic_cast<T&>(o); }

  template <class G, class S>
  TClassBuilder& Ordinal(TPropType type, const char* name, std::vector<std::string> names, G get,
                         S set, std::optional<std::int64_t> def) {
    TPropInfo p;
    p.name = name;
    p.type = type;
    p.names = std::move(names);
    p.defaultOrdinal = def;
    p.getOrdinal = [get](TObject& o) { return static_cast<std::int64_t>(get(Self(o))); };
    p.setOrdinal = [set](TObject& o, std::int64_t v) { set(Self(o), v); };
    return Add(std::move(p));
  }
  TClassBuilder& Add(TPropInfo p) {
    FInfo.properties.push_back(std::move(p));
    return *this;
  }

  TClassInfo& FInfo;
};

template <class T>
TClassBuilder<T>& TClassBuilder<T>::From(const TClassInfo& base,
                                         std::initializer_list<const char*> names) {
  for (const char* n : names) {
    const TPropInfo* p = base.Find(n);
    if (!p) throw Exception(std::string("no property ") + n + " in " + base.name);
    FInfo.properties.push_back(*p);
  }
  return *this;
}

}  // namespace tk
