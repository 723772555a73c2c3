#pragma once
// UTF-8, the encoding of every text inside the program.

#include <string>
#include <string_view>

namespace tk {

// Decodes the character at `pos` and moves `pos` past it. A malformed byte decodes as itself
// (one byte), so scanning always advances.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);
// The code of the last character, or 0 for an empty text.
char32_t LastCharacter(std::string_view text);

}  // namespace tk
