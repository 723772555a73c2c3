#pragma once
// The names form text gives to the values of an enumeration, in one table beside it. A table is
// made by EnumNames (values 0, 1, 2 ...) or SetMemberNames (the bits 1, 2, 4 ... of a set), which
// check it against the enumeration while compiling: entry i must be the enumerator of value i
// (of bit i), spelled as declared, and the enumeration must have no value after the last entry.
// A table that does not match stops the build at its definition.

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

namespace tk {

template <class E>
struct TEnumName {
  E Value;
  std::string_view Name;
};

template <class E, std::size_t N>
using TEnumNames = std::array<TEnumName<E>, N>;

namespace detail {

// The function's own signature, which spells V: "[with auto V = ns::gsNone]" (GCC) or
// "[V = ns::TAlign::alTop]" (clang) for a declared value, "(ns::TGradStyle)5" in its place for any
// other. It returns a plain pointer so that no type alias is explained after V.
template <auto V>
constexpr const char* Signature() {
  return __PRETTY_FUNCTION__;
}

// V's name without its scope, or nothing when no enumerator has the value V.
template <auto V>
constexpr std::string_view EnumeratorName() {
  const std::string_view signature = Signature<V>();
  const std::size_t end = signature.rfind(']');
  const std::size_t start = signature.rfind(' ', end) + 1;
  if (signature[start] == '(') return {};
  const std::string_view qualified = signature.substr(start, end - start);
  return qualified.substr(qualified.rfind(':') + 1);
}

template <class E, bool Members>
constexpr E ValueAt(std::size_t i) {
  return static_cast<E>(static_cast<std::underlying_type_t<E>>(Members ? std::size_t{1} << i : i));
}

template <class E, bool Members, std::size_t N, std::size_t... I>
constexpr bool NamesMatch(const TEnumName<E> (&names)[N], std::index_sequence<I...>) {
  return ((names[I].Value == ValueAt<E, Members>(I) &&
           names[I].Name == EnumeratorName<ValueAt<E, Members>(I)>()) &&
          ...) &&
         EnumeratorName<ValueAt<E, Members>(N)>().empty();
}

// Not constexpr: reaching it while compiling a table stops the build there.
void NameTableDoesNotMatchItsEnumeration();

}  // namespace detail

template <class E, std::size_t N>
constexpr bool NamesEveryValue(const TEnumName<E> (&names)[N]) {
  return detail::NamesMatch<E, false>(names, std::make_index_sequence<N>());
}

template <class E, std::size_t N>
constexpr bool NamesEveryMember(const TEnumName<E> (&names)[N]) {
  return detail::NamesMatch<E, true>(names, std::make_index_sequence<N>());
}

template <class E, std::size_t N>
consteval TEnumNames<E, N> EnumNames(const TEnumName<E> (&names)[N]) {
  if (!NamesEveryValue(names)) detail::NameTableDoesNotMatchItsEnumeration();
  return std::to_array(names);
}

template <class E, std::size_t N>
consteval TEnumNames<E, N> SetMemberNames(const TEnumName<E> (&names)[N]) {
  if (!NamesEveryMember(names)) detail::NameTableDoesNotMatchItsEnumeration();
  return std::to_array(names);
}

}  // namespace tk
