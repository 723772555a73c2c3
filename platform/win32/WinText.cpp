#include "platform/win32/WinText.h"

#include <windows.h>

namespace win32ui {

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

namespace {
std::string WideToCodePage(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}
}  // namespace

std::string WideToUtf8(std::wstring_view wide) { return WideToCodePage(wide, CP_UTF8); }

std::string Utf8ToCodePage(std::string_view utf8, unsigned codePage) {
  return WideToCodePage(Utf8ToWide(utf8), codePage);
}

std::string Utf8ToAnsi(std::string_view utf8) { return Utf8ToCodePage(utf8, CP_ACP); }

}  // namespace win32ui
