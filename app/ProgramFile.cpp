#include "app/ProgramFile.h"

#include <vector>

namespace app {
namespace {

bool IsLeadByte(unsigned char b, TCodePage codePage) {
  return codePage == TCodePage::kShiftJis && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

bool IsFolderDelimiter(char c) { return c == '\\' || c == ':' || c == '/'; }

// The byte offsets at which whole characters start.
std::vector<std::size_t> CharacterStarts(const std::string& s, TCodePage codePage) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < s.size();) {
    starts.push_back(i);
    i += IsLeadByte(static_cast<unsigned char>(s[i]), codePage) && i + 1 < s.size() ? 2 : 1;
  }
  return starts;
}

// Offset of the character after the last folder delimiter (0 when there is none).
std::size_t NameStart(const std::string& path, const std::vector<std::size_t>& starts) {
  std::size_t name = 0;
  for (std::size_t at : starts)
    if (IsFolderDelimiter(path[at])) name = at + 1;
  return name;
}

}  // namespace

std::string ProgramFolder(const std::string& path, TCodePage codePage) {
  const std::vector<std::size_t> starts = CharacterStarts(path, codePage);
  std::string folder = path.substr(0, NameStart(path, starts));
  if (folder.size() >= 2 && (folder.back() == '\\' || folder.back() == '/')) {
    // The character before the trailing separator, found by whole characters.
    const std::vector<std::size_t> folderStarts = CharacterStarts(folder, codePage);
    const std::size_t before = folderStarts[folderStarts.size() - 2];
    if (!IsFolderDelimiter(folder[before])) folder.pop_back();
  }
  return folder;
}

std::string ProgramBaseName(const std::string& path, TCodePage codePage) {
  const std::vector<std::size_t> starts = CharacterStarts(path, codePage);
  const std::size_t name = NameStart(path, starts);
  std::size_t dot = std::string::npos;
  for (std::size_t at : starts)
    if (at >= name && path[at] == '.') dot = at;
  return path.substr(name, dot == std::string::npos ? std::string::npos : dot - name);
}

}  // namespace app
