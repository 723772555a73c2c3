#pragma once
// Published properties: for each streamable class the list of its properties in declared order,
// each with its type, getter, setter and declared default (or none: then it is always stored).
// Form text is read and written through these lists only, so a property is always set through
// its setter, exactly as code would set it.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/EnumNames.h"
#include "toolkit/core/MethodTable.h"
#include "toolkit/streaming/FormText.h"

namespace tk {

struct TClassInfo;

enum class TPropType {
  kInteger,  // 32-bit signed
  kBoolean,
  kEnum,     // a value by its name
  kSet,      // member bits by their names
  kColor,    // colour names or numbers
  kCharset,  // character set names or numbers
  kString,
  kObject,     // an owned persistent object, streamed as a nested list
  kEvent,      // a handler of the root, by name
  kComponent,  // a reference to another component of the root, by name
  kBinary,     // {hex} data
};

// The name of an Enum property's value, or of a Set property's member bit: an entry of the
// name table beside the enumeration.
struct TValueName {
  std::int64_t Value;
  std::string_view Name;
};

struct TPropInfo {
  std::string Name;
  TPropType Type = TPropType::kInteger;
  std::vector<TValueName> Names;  // Enum values and Set members
  // Integer-like properties (Integer, Boolean, Enum, Set, Color, Charset) travel as numbers.
  std::optional<std::int64_t> DefaultOrdinal;
  std::int64_t MinValue = INT32_MIN;  // Integer range
  std::int64_t MaxValue = INT32_MAX;
  std::function<std::int64_t(TObject&)> ReadOrdinal;
  std::function<void(TObject&, std::int64_t)> WriteOrdinal;
  // String
  std::optional<std::string> DefaultString;
  std::function<std::string(TObject&)> ReadString;
  std::function<void(TObject&, const std::string&)> WriteString;
  // Object
  const TClassInfo* ObjectClass = nullptr;
  std::function<TPersistent*(TObject&)> ReadObject;
  // Event: the bound handler's name, and binding by name from the root's handlers
  std::function<std::string(TObject&)> ReadMethodName;
  std::function<bool(TObject&, const TMethodTable&, const std::string&)> BindMethod;
  // Component
  std::function<TComponent*(TObject&)> ReadComponent;
  std::function<bool(TObject&, TComponent*)> WriteComponent;  // false: wrong kind
  // Binary
  std::function<std::vector<std::uint8_t>(TObject&)> ReadBytes;
  std::function<void(TObject&, const std::vector<std::uint8_t>&)> WriteBytes;
  // Whether the value is written at all (besides the default rule); empty: always.
  std::function<bool(TObject&)> Stored;
};

struct TClassInfo {
  std::string Name;
  std::vector<TPropInfo> Properties;  // streaming order
  // Creates a component of the class for the form reader; empty for nested objects.
  std::function<TComponent*(TComponent* owner)> Create;

  const TPropInfo* Find(std::string_view propertyName) const;
};

// Classes the form reader can create, by name.
class TClassRegistry {
 public:
  void Register(const TClassInfo& info) { FClasses[info.Name] = &info; }
  const TClassInfo* Find(std::string_view name) const;

 private:
  std::map<std::string, const TClassInfo*, std::less<>> FClasses;
};
TClassRegistry& ClassRegistry();

// What a property line may add after its getter and setter. A value of the property's type is
// its declared default; without one, the default is what a freshly constructed object of the
// class holds, so a default is never written down twice.
struct TNoDefault {};  // the value is always written
inline constexpr TNoDefault kNoDefault{};
struct TNeverStored {};  // the value is never written (Name travels in the object line)
inline constexpr TNeverStored kNeverStored{};
// Written only while the flag read through `Flag` is false (a font or hint not taken from the
// parent).
template <class C>
struct TStoredUnless {
  bool (C::*Flag)() const;
};
template <class C>
TStoredUnless<C> StoredUnless(bool (C::*flag)() const) {
  return {flag};
}

namespace detail {

// The value type a setter takes: a member function's parameter, a free function's second
// parameter, or the type of a data member written directly.
template <class S>
struct TSetterArg;
template <class R, class C, class A>
struct TSetterArg<R (C::*)(A)> {
  using type = std::decay_t<A>;
};
template <class R, class C, class A>
struct TSetterArg<R (*)(C&, A)> {
  using type = std::decay_t<A>;
};
template <class M, class C>
struct TSetterArg<M C::*> {
  using type = M;
};
template <class S>
using TSetterArgT = typename TSetterArg<S>::type;

}  // namespace detail

// Builds a property list, one line per property: its name, then its getter and setter as member
// pointers (a data member serves as both), then the rules above. Properties of an ancestor's list
// are taken over by name.
template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(std::string className) {
    FInfo.Name = std::move(className);
    if constexpr (std::is_constructible_v<T, TComponent*>) FSample = std::make_unique<T>(nullptr);
    else if constexpr (std::is_default_constructible_v<T>) FSample = std::make_unique<T>();
  }

  // The finished list.
  TClassInfo Build() { return std::move(FInfo); }

  // Lets the form reader create components of the class by name.
  TClassBuilder& Creatable() {
    FInfo.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return *this;
  }

  // Appends properties of another list (an ancestor's), by name, in the order given.
  template <class Names>
  TClassBuilder& From(const TClassInfo& base, const Names& names) {
    for (const char* n : names) {
      const TPropInfo* p = base.Find(n);
      if (!p) throw Exception(std::string("no property ") + n + " in " + base.Name);
      FInfo.Properties.push_back(*p);
    }
    return *this;
  }
  TClassBuilder& From(const TClassInfo& base, std::initializer_list<const char*> names) {
    return From<std::initializer_list<const char*>>(base, names);
  }

  // Whole numbers; the range accepted is that of the setter's parameter, within 32 bits.
  template <class G, class S, class... Rules>
  TClassBuilder& Integer(const char* name, G get, S set, Rules... rules) {
    using A = detail::TSetterArgT<S>;
    TPropInfo p = Ordinal(TPropType::kInteger, name, {}, get, set);
    p.MinValue = std::max<std::int64_t>(INT32_MIN, std::numeric_limits<A>::min());
    p.MaxValue = std::min<std::int64_t>(INT32_MAX, std::numeric_limits<A>::max());
    return Add(std::move(p), rules...);
  }
  template <class G, class S, class... Rules>
  TClassBuilder& Boolean(const char* name, G get, S set, Rules... rules) {
    return Add(Ordinal(TPropType::kBoolean, name, {}, get, set), rules...);
  }
  template <class G, class S, class... Rules>
  TClassBuilder& Color(const char* name, G get, S set, Rules... rules) {
    return Add(Ordinal(TPropType::kColor, name, {}, get, set), rules...);
  }
  template <class G, class S, class... Rules>
  TClassBuilder& Charset(const char* name, G get, S set, Rules... rules) {
    return Add(Ordinal(TPropType::kCharset, name, {}, get, set), rules...);
  }
  // A value of an enumeration, by the names of its table (see EnumNames).
  template <class E, std::size_t N, class G, class S, class... Rules>
  TClassBuilder& Enum(const char* name, const TEnumNames<E, N>& names, G get, S set,
                      Rules... rules) {
    static_assert(std::is_same_v<E, detail::TSetterArgT<S>>, "the names of another enumeration");
    return Add(Ordinal(TPropType::kEnum, name, ValueNames(names), get, set), rules...);
  }
  // A set of member bits, by the names of its table (see SetMemberNames).
  template <class E, std::size_t N, class G, class S, class... Rules>
  TClassBuilder& Set(const char* name, const TEnumNames<E, N>& members, G get, S set,
                     Rules... rules) {
    return Add(Ordinal(TPropType::kSet, name, ValueNames(members), get, set), rules...);
  }
  template <class G, class S, class... Rules>
  TClassBuilder& String(const char* name, G get, S set, Rules... rules) {
    TPropInfo p = Named(TPropType::kString, name);
    p.ReadString = [get](TObject& o) { return std::string(std::invoke(get, Self(o))); };
    p.WriteString = [set](TObject& o, const std::string& v) { Write(set, Self(o), v); };
    return Add(std::move(p), rules...);
  }
  // An owned object streamed as a nested list; `get` is the non-const accessor.
  template <class P, class C, class... Rules>
  TClassBuilder& Object(const char* name, const TClassInfo& nested, P& (C::*get)(),
                        Rules... rules) {
    TPropInfo p = Named(TPropType::kObject, name);
    p.ObjectClass = &nested;
    p.ReadObject = [get](TObject& o) -> TPersistent* { return &(Self(o).*get)(); };
    return Add(std::move(p), rules...);
  }
  // An event member of type TEvent<Args...>.
  template <class C, class... Args>
  TClassBuilder& Event(const char* name, TEvent<Args...> C::*member) {
    TPropInfo p = Named(TPropType::kEvent, name);
    p.ReadMethodName = [member](TObject& o) { return (Self(o).*member).MethodName(); };
    p.BindMethod = [member](TObject& o, const TMethodTable& methods, const std::string& method) {
      auto handler = methods.Find<Args...>(method);
      if (!handler) return false;
      Self(o).*member = TEvent<Args...>(*handler, method);
      return true;
    };
    return Add(std::move(p));
  }
  // A reference to another component of the root, of the kind the setter takes.
  template <class G, class S>
  TClassBuilder& Component(const char* name, G get, S set) {
    using Kind = std::remove_pointer_t<detail::TSetterArgT<S>>;
    TPropInfo p = Named(TPropType::kComponent, name);
    p.ReadComponent = [get](TObject& o) -> TComponent* { return std::invoke(get, Self(o)); };
    p.WriteComponent = [set](TObject& o, TComponent* c) {
      auto* typed = dynamic_cast<Kind*>(c);
      if (c && !typed) return false;
      std::invoke(set, Self(o), typed);
      return true;
    };
    return Add(std::move(p));
  }
  template <class G, class S>
  TClassBuilder& Binary(const char* name, G get, S set) {
    TPropInfo p = Named(TPropType::kBinary, name);
    p.ReadBytes = [get](TObject& o) { return std::invoke(get, Self(o)); };
    p.WriteBytes = [set](TObject& o, const std::vector<std::uint8_t>& v) {
      std::invoke(set, Self(o), v);
    };
    return Add(std::move(p));
  }

 private:
  static T& Self(TObject& o) { return dynamic_cast<T&>(o); }

  // Sets through a setter, or assigns a data member.
  template <class S, class V>
  static void Write(S set, T& object, V&& value) {
    if constexpr (std::is_member_object_pointer_v<S>) object.*set = std::forward<V>(value);
    else std::invoke(set, object, std::forward<V>(value));
  }

  static TPropInfo Named(TPropType type, const char* name) {
    TPropInfo p;
    p.Name = name;
    p.Type = type;
    return p;
  }

  template <class E, std::size_t N>
  static std::vector<TValueName> ValueNames(const TEnumNames<E, N>& names) {
    std::vector<TValueName> out;
    for (const TEnumName<E>& n : names) out.push_back({static_cast<std::int64_t>(n.Value), n.Name});
    return out;
  }

  // Integer-like properties travel as 64-bit numbers and reach the setter as its own type.
  template <class G, class S>
  static TPropInfo Ordinal(TPropType type, const char* name, std::vector<TValueName> names, G get,
                           S set) {
    using A = detail::TSetterArgT<S>;
    TPropInfo p = Named(type, name);
    p.Names = std::move(names);
    p.ReadOrdinal = [get](TObject& o) {
      return static_cast<std::int64_t>(std::invoke(get, Self(o)));
    };
    p.WriteOrdinal = [set](TObject& o, std::int64_t v) { Write(set, Self(o), static_cast<A>(v)); };
    return p;
  }

  struct RuleState {
    bool Declared = false;  // a default was given, or none is wanted
  };
  static void Apply(TPropInfo&, RuleState& state, TNoDefault) { state.Declared = true; }
  static void Apply(TPropInfo& p, RuleState& state, TNeverStored) {
    state.Declared = true;
    p.Stored = [](TObject&) { return false; };
  }
  template <class C>
  static void Apply(TPropInfo& p, RuleState&, TStoredUnless<C> rule) {
    p.Stored = [flag = rule.Flag](TObject& o) { return !(Self(o).*flag)(); };
  }
  template <class V>
  static void Apply(TPropInfo& p, RuleState& state, const V& value) {
    state.Declared = true;
    if constexpr (std::is_convertible_v<V, std::string>) p.DefaultString = std::string(value);
    else p.DefaultOrdinal = static_cast<std::int64_t>(value);
  }

  template <class... Rules>
  TClassBuilder& Add(TPropInfo p, const Rules&... rules) {
    RuleState state;
    (Apply(p, state, rules), ...);
    if (!state.Declared && (p.ReadOrdinal || p.ReadString)) {
      if (!FSample) throw Exception(p.Name + " of " + FInfo.Name + " needs a declared default");
      if (p.ReadOrdinal) p.DefaultOrdinal = p.ReadOrdinal(*FSample);
      else p.DefaultString = p.ReadString(*FSample);
    }
    FInfo.Properties.push_back(std::move(p));
    return *this;
  }

  TClassInfo FInfo;
  std::unique_ptr<T> FSample;  // the object undeclared defaults are read from
};

}  // namespace tk
