#include "toolkit/streaming/FormText.h"

#include <cctype>

#include "toolkit/core/Ascii.h"
#include "toolkit/core/Utf8.h"

namespace tk {
namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s(text) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError("line " + std::to_string(line) + ": " + what);
  }

  void SkipSpace() {
    while (pos < s.size()) {
      const char c = s[pos];
      if (c == '\n') {
        ++line;
        ++pos;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos;
      } else {
        break;
      }
    }
  }
  bool AtEnd() {
    SkipSpace();
    return pos >= s.size();
  }
  char Peek() {
    SkipSpace();
    return pos < s.size() ? s[pos] : '\0';
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++pos;
  }
  std::string Ident() {
    if (!IsIdentStart(Peek())) Fail("a name expected");
    const std::size_t start = pos;
    while (pos < s.size() && IsIdentChar(s[pos])) ++pos;
    return std::string(s.substr(start, pos - start));
  }

  std::unique_ptr<TFormObject> Object() {
    const std::string keyword = Ident();
    if (!EqualsNoCase(keyword, "object")) Fail("'object' expected");
    auto obj = std::make_unique<TFormObject>();
    obj->Line = line;
    obj->Name = Ident();
    Expect(':');
    obj->ClassName = Ident();
    for (;;) {
      if (AtEnd()) Fail("'end' expected for " + obj->Name);
      const std::size_t save = pos;
      const int saveLine = line;
      const std::string word = Ident();
      if (EqualsNoCase(word, "end")) return obj;
      if (EqualsNoCase(word, "object")) {
        pos = save;
        line = saveLine;
        obj->Children.push_back(Object());
        continue;
      }
      TFormProperty prop;
      prop.Path = word;
      prop.Line = line;
      Expect('=');
      prop.Value = Value();
      obj->Properties.push_back(std::move(prop));
    }
  }

  TFormValue Value() {
    const char c = Peek();
    TFormValue v;
    if (c == '\'' || c == '#') {
      v.Kind = TFormValue::TKind::kString;
      v.Text = String();
    } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      v.Kind = TFormValue::TKind::kInteger;
      v.Integer = Integer();
    } else if (IsIdentStart(c)) {
      v.Kind = TFormValue::TKind::kIdent;
      v.Text = Ident();
    } else if (c == '[') {
      v.Kind = TFormValue::TKind::kSet;
      ++pos;
      if (Peek() != ']') {
        for (;;) {
          v.Items.push_back(Ident());
          if (Peek() == ']') break;
          Expect(',');
        }
      }
      Expect(']');
    } else if (c == '{') {
      v.Kind = TFormValue::TKind::kBinary;
      v.Bytes = Binary();
    } else {
      Fail(c ? std::string("unexpected '") + c + "'" : std::string("a value expected"));
    }
    return v;
  }

  std::int64_t Integer() {
    bool negative = false;
    if (Peek() == '-') {
      negative = true;
      ++pos;
    }
    // Unsigned, so that sixteen hex digits give the 64 bits as written and a sign negates them
    // in two's complement, without a signed overflow on the way.
    std::uint64_t value = 0;
    int digits = 0;
    if (pos < s.size() && s[pos] == '$') {
      ++pos;
      for (; pos < s.size() && HexDigit(s[pos]) >= 0; ++pos, ++digits) {
        if (digits >= 16) Fail("number too large");
        value = value * 16 + static_cast<std::uint64_t>(HexDigit(s[pos]));
      }
    } else {
      for (; pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])); ++pos, ++digits) {
        if (value > (INT64_MAX - 9) / 10) Fail("number too large");
        value = value * 10 + static_cast<std::uint64_t>(s[pos] - '0');
      }
    }
    if (digits == 0) Fail("a number expected");
    if (pos < s.size() && (IsIdentChar(s[pos]) || s[pos] == '.')) Fail("a whole number expected");
    return static_cast<std::int64_t>(negative ? 0 - value : value);
  }

  // Quoted pieces and #codes, joined; "+" continues the string, also across lines.
  std::string String() {
    std::string out;
    char16_t highSurrogate = 0;
    for (;;) {
      if (pos < s.size() && s[pos] == '\'') {
        ++pos;
        for (;;) {
          if (pos >= s.size() || s[pos] == '\n') Fail("unterminated string");
          if (s[pos] == '\'') {
            if (pos + 1 < s.size() && s[pos + 1] == '\'') {
              out += '\'';
              pos += 2;
              continue;
            }
            ++pos;
            break;
          }
          out += s[pos++];
        }
      } else if (pos < s.size() && s[pos] == '#') {
        ++pos;
        const std::int64_t code = Integer();
        if (code < 0 || code > 0x10FFFF) Fail("character code out of range");
        if (code >= 0xD800 && code <= 0xDBFF) {
          highSurrogate = static_cast<char16_t>(code);
          continue;
        }
        char32_t cp = static_cast<char32_t>(code);
        if (code >= 0xDC00 && code <= 0xDFFF) {
          if (!highSurrogate) Fail("unpaired surrogate");
          cp = 0x10000 + ((highSurrogate - 0xD800) << 10) + (code - 0xDC00);
        }
        highSurrogate = 0;
        AppendUtf8(out, cp);
        continue;
      } else {
        break;
      }
      if (Peek() == '+') {
        ++pos;
        const char n = Peek();
        if (n != '\'' && n != '#') Fail("string expected after '+'");
      }
    }
    if (highSurrogate) Fail("unpaired surrogate");
    return out;
  }

  std::vector<std::uint8_t> Binary() {
    Expect('{');
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (;;) {
      SkipSpace();
      if (pos >= s.size()) Fail("'}' expected");
      const char c = s[pos++];
      if (c == '}') break;
      const int d = HexDigit(c);
      if (d < 0) Fail("hex digit expected");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hex digits");
    return bytes;
  }

  std::string_view s;
  std::size_t pos = 0;
  int line = 1;
};

}  // namespace

std::unique_ptr<TFormObject> ParseFormText(std::string_view text) {
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Parser p(text);
  auto root = p.Object();
  if (!p.AtEnd()) p.Fail("text after the last 'end'");
  return root;
}

TFormValue ParseFormValue(std::string_view text) {
  Parser p(text);
  TFormValue v = p.Value();
  if (!p.AtEnd()) p.Fail("text after the value");
  return v;
}

std::string QuoteFormString(std::string_view text) {
  std::string out;
  bool open = false;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(u);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (open) out += '\'';
  return out.empty() ? "''" : out;
}

std::string FormatFormValue(const TFormValue& v) {
  switch (v.Kind) {
    case TFormValue::TKind::kInteger: return std::to_string(v.Integer);
    case TFormValue::TKind::kIdent: return v.Text;
    case TFormValue::TKind::kString: return QuoteFormString(v.Text);
    case TFormValue::TKind::kSet: {
      std::string out = "[";
      for (std::size_t i = 0; i < v.Items.size(); ++i) out += (i ? ", " : "") + v.Items[i];
      return out + "]";
    }
    case TFormValue::TKind::kBinary: return FormatBinary(v.Bytes, "");
  }
  return {};
}

std::string FormatBinary(const std::vector<std::uint8_t>& bytes, const std::string& indent) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out = "{";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) out += "\n" + indent + "  ";
    out += kHex[bytes[i] >> 4];
    out += kHex[bytes[i] & 15];
  }
  return out + "}";
}

}  // namespace tk
