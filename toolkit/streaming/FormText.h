#pragma once
// The syntax of form text, read into a tree before anything is built:
//
//   object MainForm1: TMainForm1
//     Caption = 'ぽてりんこ'
//     Font.Height = -12
//     object GradBox7: TGradBox
//       GradStyle = gsLeftRight
//     end
//   end
//
// Values are integers (decimal or $hex), identifiers (enumerations, colours, True/False,
// handler and component names), strings in single quotes ('' for a quote, #NNNN for a
// character code, pieces joined by +), sets [a, b] and binary data {hex}.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/Exceptions.h"

namespace tk {

// Bad form text; the message names the line.
class EReadError : public Exception {
  using Exception::Exception;
};

struct TFormValue {
  enum class TKind { kInteger, kIdent, kString, kSet, kBinary };
  TKind Kind = TKind::kInteger;
  std::int64_t Integer = 0;
  std::string Text;                 // Ident, String
  std::vector<std::string> Items;   // Set
  std::vector<std::uint8_t> Bytes;  // Binary
};

struct TFormProperty {
  std::string Path;  // "Font.Height"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<std::unique_ptr<TFormObject>> Children;
};

// Parses a whole form text; raises EReadError naming the line of the first fault.
std::unique_ptr<TFormObject> ParseFormText(std::string_view text);

// Parses one value as it would stand after "Name = " (the scenario's `set` command).
TFormValue ParseFormValue(std::string_view text);

// Writes a value in form text syntax.
std::string FormatFormValue(const TFormValue& value);

// Binary data as {hex}, 32 bytes a line, each line indented by `indent` plus two spaces.
std::string FormatBinary(const std::vector<std::uint8_t>& bytes, const std::string& indent);

// A string literal: plain characters in quotes, control characters as #NN.
std::string QuoteFormString(std::string_view text);

}  // namespace tk
