#include "tools/scenario/Script.h"

#include <charconv>
#include <map>

#include "tools/scenario/Keys.h"

namespace scenario {
namespace {

std::vector<std::string> SplitArguments(std::string_view s, int line) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i >= s.size()) break;
    std::string arg;
    if (s[i] == '"') {
      ++i;
      bool closed = false;
      while (i < s.size()) {
        const char c = s[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\') {
          if (i >= s.size() || (s[i] != '"' && s[i] != '\\'))
            throw EScriptError(line, "only \\\" and \\\\ may follow a backslash in quotes");
          arg += s[i++];
        } else {
          arg += c;
        }
      }
      if (!closed) throw EScriptError(line, "unterminated quoted argument");
      if (i < s.size() && s[i] != ' ' && s[i] != '\t')
        throw EScriptError(line, "a space must follow a quoted argument");
    } else {
      while (i < s.size() && s[i] != ' ' && s[i] != '\t') arg += s[i++];
    }
    out.push_back(std::move(arg));
  }
  return out;
}

// Arguments each command takes: exact count, or at least that many when `more` is set.
struct Arity {
  std::size_t count;
  bool more;
};

const std::map<std::string, Arity, std::less<>>& Commands() {
  static const std::map<std::string, Arity, std::less<>> commands = {
      {"move", {2, false}},   {"down", {3, false}},     {"up", {3, false}},
      {"click", {2, false}},  {"dblclick", {2, false}}, {"rclick", {2, false}},
      {"key", {1, false}},    {"menu", {1, false}},     {"drop", {3, true}},
      {"cursor", {2, false}}, {"wait", {1, false}},     {"answer", {2, false}},
      {"set", {2, false}},    {"shot", {1, false}},     {"close", {0, false}},
  };
  return commands;
}

void CheckArguments(const TCommand& c) {
  const auto& [count, more] = Commands().at(c.Name);
  if (more ? c.Args.size() < count : c.Args.size() != count)
    throw EScriptError(c.Line, c.Name + " takes " + (more ? "at least " : "") +
                                   std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
  auto button = [&](const std::string& b) {
    if (b != "left" && b != "right" && b != "middle")
      throw EScriptError(c.Line, "button must be left, right or middle, not " + b);
  };
  if (c.Name == "down" || c.Name == "up") {
    button(c.Args[0]);
    IntegerArg(c, 1);
    IntegerArg(c, 2);
  } else if (c.Name == "move" || c.Name == "click" || c.Name == "dblclick" || c.Name == "rclick" ||
             c.Name == "cursor" || c.Name == "drop") {
    IntegerArg(c, 0);
    IntegerArg(c, 1);
  } else if (c.Name == "wait") {
    if (IntegerArg(c, 0) < 0) throw EScriptError(c.Line, "wait takes a time of 0 or more");
  } else if (c.Name == "answer") {
    const std::string& what = c.Args[0];
    const std::string& value = c.Args[1];
    if (what == "confirm") {
      if (value != "yes" && value != "no" && value != "esc")
        throw EScriptError(c.Line, "answer confirm takes yes, no or esc");
    } else if (what == "mail") {
      if (IntegerArg(c, 1) < 0) throw EScriptError(c.Line, "a mail result is 0 or more");
    } else if (what != "save") {
      throw EScriptError(c.Line, "answer takes save, confirm or mail, not " + what);
    }
  } else if (c.Name == "key") {
    if (!ParseKeys(c.Args[0])) throw EScriptError(c.Line, "unknown key " + c.Args[0]);
  } else if (c.Name == "set") {
    if (c.Args[0].find('.') == std::string::npos)
      throw EScriptError(c.Line, "set takes NAME.PROPERTY VALUE");
  }
}

}  // namespace

int IntegerArg(const TCommand& c, std::size_t index) {
  const std::string& s = c.Args.at(index);
  int value = 0;
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, value);
  if (ec != std::errc() || ptr != end || s.empty())
    throw EScriptError(c.Line, c.Name + ": a whole number expected, not \"" + s + "\"");
  return value;
}

std::vector<TCommand> ParseScript(std::string_view text) {
  std::vector<TCommand> commands;
  int line = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::vector<std::string> words = SplitArguments(raw, line);
    if (words.empty() || words[0][0] == '#') {
      if (end == text.size()) break;
      continue;
    }
    TCommand c{line, words[0], {words.begin() + 1, words.end()}};
    if (!Commands().count(c.Name)) throw EScriptError(line, "unknown command " + c.Name);
    CheckArguments(c);
    commands.push_back(std::move(c));
    if (end == text.size()) break;
  }
  return commands;
}

}  // namespace scenario
