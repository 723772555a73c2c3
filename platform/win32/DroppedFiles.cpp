#include "platform/win32/DroppedFiles.h"

#include "platform/win32/WinText.h"

#include <windows.h>

#include <shellapi.h>

namespace win32ui {

tk::TDroppedFiles TakeDroppedFiles(HDROP drop) {
  struct Release {
    HDROP drop;
    ~Release() { DragFinish(drop); }
  } release{drop};
  tk::TDroppedFiles files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    // The length without the terminator; the buffer holds it with one.
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, index, path.data(), length + 1));
    files.Paths.push_back(WideToUtf8(path));
  }
  return files;
}

}  // namespace win32ui
