#pragma once
// The scenario script: one command per line, arguments separated by spaces, an argument with
// spaces in double quotes (with \" and \\ inside). Blank lines and lines starting with '#' are
// skipped. The whole script is checked before anything runs.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

struct TCommand {
  int Line = 0;
  std::string Name;
  std::vector<std::string> Args;
};

// A malformed line: the driver stops with exit code 2.
class EScriptError : public std::runtime_error {
 public:
  EScriptError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message), Line(line) {}
  int Line;
};

std::vector<TCommand> ParseScript(std::string_view text);

// A whole number argument, or EScriptError.
int IntegerArg(const TCommand& command, std::size_t index);

}  // namespace scenario
