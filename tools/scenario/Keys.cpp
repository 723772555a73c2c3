#include "tools/scenario/Keys.h"

#include <cctype>
#include <map>

namespace scenario {

using namespace tk;

namespace {
const std::map<std::string, int>& NamedKeys() {
  static const std::map<std::string, int> keys = {
      {"delete", VK_DELETE}, {"del", VK_DELETE},  {"menu", VK_APPS},    {"apps", VK_APPS},
      {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},  {"enter", VK_RETURN}, {"return", VK_RETURN},
      {"tab", VK_TAB},       {"space", VK_SPACE}, {"backspace", 0x08},  {"insert", 0x2D},
      {"home", 0x24},        {"end", 0x23},       {"pageup", 0x21},     {"pagedown", 0x22},
      {"left", 0x25},        {"up", 0x26},        {"right", 0x27},      {"down", 0x28},
  };
  return keys;
}
}  // namespace

std::optional<TKeyStroke> ParseKeys(const std::string& keys) {
  std::string text;
  for (char c : keys) text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  TKeyStroke stroke;
  std::size_t start = 0;
  for (;;) {
    const std::size_t plus = text.find('+', start);
    if (plus == std::string::npos || plus + 1 == text.size()) break;  // "ctrl++" ends in '+'
    const std::string mod = text.substr(start, plus - start);
    if (mod == "ctrl" || mod == "control") stroke.Shift |= ssCtrl;
    else if (mod == "shift") stroke.Shift |= ssShift;
    else if (mod == "alt") stroke.Shift |= ssAlt;
    else return std::nullopt;
    start = plus + 1;
  }
  const std::string key = text.substr(start);
  if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
    const char c = key[0];
    stroke.VirtualKey = std::toupper(static_cast<unsigned char>(c));
    if (!(stroke.Shift & ssCtrl)) {
      stroke.CharCode = std::isalpha(static_cast<unsigned char>(c)) && (stroke.Shift & ssShift)
                            ? static_cast<unsigned>(std::toupper(static_cast<unsigned char>(c)))
                            : static_cast<unsigned>(c);
    }
  } else if (key.size() >= 2 && key[0] == 'f' &&
             key.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int n = std::stoi(key.substr(1));
    if (n < 1 || n > 24) return std::nullopt;
    stroke.VirtualKey = VK_F1 + n - 1;
  } else if (auto it = NamedKeys().find(key); it != NamedKeys().end()) {
    stroke.VirtualKey = it->second;
    if (stroke.VirtualKey == VK_SPACE && !(stroke.Shift & ssCtrl)) stroke.CharCode = ' ';
  } else {
    return std::nullopt;
  }
  return stroke;
}

}  // namespace scenario
