#include "toolkit/controls/FileFilter.h"

namespace tk {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter) {
  std::vector<TFileFilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string_view> fields = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
    TFileFilterEntry entry;
    for (std::string_view pattern : Split(fields[i + 1], ';')) {
      pattern = Trim(pattern);
      if (!pattern.empty()) entry.Patterns.emplace_back(pattern);
    }
    if (entry.Patterns.empty()) continue;
    entry.Name = std::string(Trim(fields[i]));
    if (entry.Name.empty()) entry.Name = std::string(Trim(fields[i + 1]));
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace tk
