#pragma once
// Texts cross into Windows here: UTF-8 inside the program, UTF-16 for the wide calls, and the
// system's ANSI code page for the few calls that only take bytes (the shell's open verb,
// Simple MAPI).

#include <string>
#include <string_view>

namespace win32ui {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The bytes of `utf8` in code page `codePage` (932 is Shift-JIS); a character the code page
// lacks becomes the code page's default character.
std::string Utf8ToCodePage(std::string_view utf8, unsigned codePage);

// The same in the system's ANSI code page (CP_ACP).
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace win32ui
