#pragma once
// Texts compared the way file names and form text keywords are: ASCII letters match in either
// case, every other byte (UTF-8 included) only itself, whatever the user's locale.

#include <string_view>

namespace tk {

bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace tk
