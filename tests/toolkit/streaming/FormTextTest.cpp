#include <gtest/gtest.h>

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

struct SyntaxFault {
  const char* text;
  const char* message;
};

void PrintTo(const SyntaxFault& c, std::ostream* os) { *os << c.message; }

class FormSyntaxTest : public ::testing::TestWithParam<SyntaxFault> {};

TEST_P(FormSyntaxTest, NamesTheLine) {
  try {
    ParseFormText(GetParam().text);
    FAIL() << "accepted";
  } catch (const EReadError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FormSyntaxTest,
    ::testing::Values(
        SyntaxFault{"object A: TForm\n  X = 'open\nend\n", "line 2: unterminated string"},
        SyntaxFault{"object A: TForm\n  X 3\nend\n", "line 2: '=' expected"},
        SyntaxFault{"object A: TForm\n  X = 1.5\nend\n", "line 2: a whole number expected"},
        SyntaxFault{"object A: TForm\n  X = {0A0}\nend\n", "line 2: odd number of hex digits"},
        SyntaxFault{"object A: TForm\n  object B: TShape\n", "line 3: 'end' expected for B"},
        SyntaxFault{"object A: TForm\nend\nend\n", "line 3: text after the last 'end'"},
        SyntaxFault{"thing A: TForm\nend\n", "line 1: 'object' expected"},
        SyntaxFault{"object A: TForm\n  X = 99999999999999999999\nend\n",
                    "line 2: number too large"}));

TEST(QuoteFormStringTest, QuotesAndEscapes) {
  EXPECT_EQ(QuoteFormString("it's"), "'it''s'");
  EXPECT_EQ(QuoteFormString(""), "''");
  EXPECT_EQ(QuoteFormString("a\nb"), "'a'#10'b'");
  EXPECT_EQ(ParseFormValue(QuoteFormString("x'\ty\r\n")).Text, "x'\ty\r\n");
}

}  // namespace
}  // namespace tk
