#include "toolkit/core/FileName.h"

namespace tk {

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t at = path.find_last_of(".\\/:");
  if (at == std::string_view::npos || path[at] != '.') return {};
  return path.substr(at);
}

}  // namespace tk
