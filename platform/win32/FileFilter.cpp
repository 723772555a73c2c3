#include "platform/win32/FileFilter.h"

#include <vector>

#include "platform/win32/WinText.h"

namespace win32ui {

std::wstring FilterForFileDialog(std::string_view filter) {
  if (filter.empty()) return {};
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  // A last description without patterns would end the list early (an empty text is the end
  // mark): it is left out.
  if (parts.size() % 2 == 1) parts.pop_back();
  if (parts.empty()) return {};
  std::wstring out;
  for (std::string_view part : parts) {
    out += Utf8ToWide(part);
    out += L'\0';
  }
  out += L'\0';
  return out;
}

}  // namespace win32ui
