#include "platform/win32/DropHandle.h"

#include "platform/win32/WinText.h"

#include <windows.h>

#include <shellapi.h>

namespace win32ui {

unsigned TDropHandle::Count() const {
  return FDrop ? DragQueryFileW(FDrop, 0xFFFFFFFF, nullptr, 0) : 0;
}

std::string TDropHandle::File(unsigned index) const {
  if (!FDrop || index >= Count()) return {};
  // The length without the terminator; no cut at MAX_PATH.
  const UINT length = DragQueryFileW(FDrop, index, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  const UINT copied = DragQueryFileW(FDrop, index, path.data(), length + 1);
  path.resize(copied);
  return WideToUtf8(path);
}

void TDropHandle::Finish() {
  if (!FDrop) return;
  HDROP drop = FDrop;
  FDrop = nullptr;
  DragFinish(drop);
}

}  // namespace win32ui
