#pragma once
// Identifiers of values that are not plain numbers: booleans and character sets.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

std::optional<int> IdentToCharset(std::string_view ident);
std::string CharsetToIdent(int charset);  // a number when it has no name

}  // namespace tk
