#include <gtest/gtest.h>

#include "tests/support/TextCase.h"
#include "toolkit/streaming/FormText.h"

namespace tk {
namespace {

struct ValueCase {
  const char* text;
  TFormValue::TKind kind;
  std::int64_t integer;
  std::string string;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.text; }

class FormValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FormValueTest, Parses) {
  const TFormValue v = ParseFormValue(GetParam().text);
  EXPECT_EQ(v.Kind, GetParam().kind);
  if (v.Kind == TFormValue::TKind::kInteger) EXPECT_EQ(v.Integer, GetParam().integer);
  else EXPECT_EQ(v.Text, GetParam().string);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormValueTest,
    ::testing::Values(ValueCase{"42", TFormValue::TKind::kInteger, 42, ""},
                      ValueCase{"-32", TFormValue::TKind::kInteger, -32, ""},
                      ValueCase{"$00FF00", TFormValue::TKind::kInteger, 0xFF00, ""},
                      ValueCase{"-$10", TFormValue::TKind::kInteger, -16, ""},
                      // Sixteen hex digits are the 64 bits as written, a sign negates them.
                      ValueCase{"$FFFFFFFFFFFFFFFF", TFormValue::TKind::kInteger, -1, ""},
                      ValueCase{"$8888888888888888", TFormValue::TKind::kInteger,
                                static_cast<std::int64_t>(0x8888888888888888u), ""},
                      ValueCase{"-$8000000000000000", TFormValue::TKind::kInteger, INT64_MIN, ""},
                      ValueCase{"clBtnFace", TFormValue::TKind::kIdent, 0, "clBtnFace"},
                      ValueCase{"'it''s'", TFormValue::TKind::kString, 0, "it's"},
                      ValueCase{"''", TFormValue::TKind::kString, 0, ""},
                      ValueCase{"#26376", TFormValue::TKind::kString, 0, "月"},
                      ValueCase{"'a'#13#10'b'", TFormValue::TKind::kString, 0, "a\r\nb"},
                      ValueCase{"'ab' +\n  'cd'", TFormValue::TKind::kString, 0, "abcd"},
                      ValueCase{"#55357#56832", TFormValue::TKind::kString, 0, "\U0001F600"},
                      ValueCase{"'ぽてりんこ'", TFormValue::TKind::kString, 0, "ぽてりんこ"}));

TEST(FormValueTest, SetsAndBinaryData) {
  const TFormValue set = ParseFormValue("[fsBold, fsItalic]");
  ASSERT_EQ(set.Kind, TFormValue::TKind::kSet);
  EXPECT_EQ(set.Items, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(ParseFormValue("[]").Items.empty());
  const TFormValue bin = ParseFormValue("{\n  0A0b\n  FF}");
  EXPECT_EQ(bin.Bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
  EXPECT_EQ(FormatFormValue(set), "[fsBold, fsItalic]");
}

using test::TextCase;

// A form text, and the message it is refused with.
class FormSyntaxTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormSyntaxTest, NamesTheLine) {
  try {
    ParseFormText(GetParam().Input);
    FAIL() << "accepted";
  } catch (const EReadError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FormSyntaxTest,
    ::testing::Values(
        TextCase{"object A: TForm\n  X = 'open\nend\n", "line 2: unterminated string"},
        TextCase{"object A: TForm\n  X 3\nend\n", "line 2: '=' expected"},
        TextCase{"object A: TForm\n  X = 1.5\nend\n", "line 2: a whole number expected"},
        TextCase{"object A: TForm\n  X = {0A0}\nend\n", "line 2: odd number of hex digits"},
        TextCase{"object A: TForm\n  object B: TShape\n", "line 3: 'end' expected for B"},
        TextCase{"object A: TForm\nend\nend\n", "line 3: text after the last 'end'"},
        TextCase{"thing A: TForm\nend\n", "line 1: 'object' expected"},
        TextCase{"object A: TForm\n  X = 99999999999999999999\nend\n",
                 "line 2: number too large"}));

TEST(QuoteFormStringTest, QuotesAndEscapes) {
  EXPECT_EQ(QuoteFormString("it's"), "'it''s'");
  EXPECT_EQ(QuoteFormString(""), "''");
  EXPECT_EQ(QuoteFormString("a\nb"), "'a'#10'b'");
  EXPECT_EQ(ParseFormValue(QuoteFormString("x'\ty\r\n")).Text, "x'\ty\r\n");
}

}  // namespace
}  // namespace tk
