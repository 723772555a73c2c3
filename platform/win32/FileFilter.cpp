#include "platform/win32/FileFilter.h"

#include "platform/win32/WinText.h"
#include "toolkit/controls/FileFilter.h"

namespace win32ui {

std::wstring FilterForFileDialog(std::string_view filter) {
  const std::vector<tk::TFileFilterEntry> entries = tk::ParseFileFilter(filter);
  if (entries.empty()) return {};
  std::wstring out;
  for (const tk::TFileFilterEntry& entry : entries) {
    out += Utf8ToWide(entry.Name);
    out += L'\0';
    for (std::size_t i = 0; i < entry.Patterns.size(); ++i) {
      if (i > 0) out += L';';
      out += Utf8ToWide(entry.Patterns[i]);
    }
    out += L'\0';
  }
  out += L'\0';
  return out;
}

}  // namespace win32ui
