#pragma once
// Table-driven cases carry a Name: it names the generated test and is what a failure prints.

#include <ostream>
#include <string>

namespace tk::test {

template <class T>
concept NamedCase = requires(const T& c) {
  c.Name;
};

struct CaseName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.Name;
  }
};

}  // namespace tk::test

namespace tk {
// Found by argument-dependent look-up for case structs of namespace tk; a test file that declares
// its cases in an unnamed namespace brings it in with `using tk::PrintTo;`.
template <test::NamedCase T>
void PrintTo(const T& c, std::ostream* os) {
  *os << c.Name;
}
}  // namespace tk
