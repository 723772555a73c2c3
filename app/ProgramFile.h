#pragma once
// Names taken from the path of the running program file. Delimiters count only as whole
// characters: in a double-byte code page (Shift-JIS) a trail byte with the value of '\' is
// part of its character, not a delimiter.

#include <string>

namespace app {

enum class TCodePage { kUtf8, kShiftJis };

// The folder: the path cut at its last '\' or ':' (and '/', a separator too); a trailing '\'
// is dropped unless the character before it is '\' or ':' (a drive root keeps it).
std::string ProgramFolder(const std::string& path, TCodePage codePage = TCodePage::kUtf8);

// The file name without folder and without the extension from its last '.'.
std::string ProgramBaseName(const std::string& path, TCodePage codePage = TCodePage::kUtf8);

}  // namespace app
