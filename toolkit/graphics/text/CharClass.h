#pragma once
// Character classes the line breaker needs.

namespace tk {

// A character that takes two cells on a Japanese system: kana, kanji, full-width forms, CJK
// punctuation and the like (the double-byte characters of the ANSI code page there). Between
// two of them a line may break, as Japanese text has no spaces between words.
bool IsWideCharacter(char32_t code);

// Characters that are not drawn and take no room: C0 and C1 controls.
bool IsControlCharacter(char32_t code);

}  // namespace tk
