#pragma once
// Errors are exceptions carrying the text the user is shown. The toolkit catches them only
// at start-up and around the dispatch of each event.

#include <stdexcept>
#include <string>

namespace tk {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A file that cannot be opened or created.
class EFOpenError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public Exception {
  using Exception::Exception;
};
// A picture file whose content the reader cannot use.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
// An assignment between objects that do not know each other.
class EConvertError : public Exception {
  using Exception::Exception;
};

// Replaces %s in `pattern` by `arg` (the error texts carry one such place).
std::string Format(const std::string& pattern, const std::string& arg);

}  // namespace tk
