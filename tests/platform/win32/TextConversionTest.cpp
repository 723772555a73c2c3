// Texts at the Windows boundary: UTF-16 both ways, the ANSI bytes the shell and Simple MAPI get,
// and the save dialog's filter list.

#include <gtest/gtest.h>

#include "platform/win32/FileFilter.h"
#include "platform/win32/WinText.h"

namespace win32ui {
namespace {

struct CodePageCase {
  const char* Name;
  std::string Utf8;
  std::string Bytes;  // in code page 932
};

void PrintTo(const CodePageCase& c, std::ostream* os) { *os << c.Name; }

class ShiftJisBytes : public testing::TestWithParam<CodePageCase> {};

TEST_P(ShiftJisBytes, AreTheCodePagesOwn) {
  EXPECT_EQ(Utf8ToCodePage(GetParam().Utf8, 932), GetParam().Bytes);
}

// The expected bytes are the characters' codes in the Shift-JIS table. "表" and "ソ" end in 0x5C,
// the byte of "\": such names must reach the shell unchanged.
INSTANTIATE_TEST_SUITE_P(
    Names, ShiftJisBytes,
    testing::Values(
        CodePageCase{"Ascii", "timetable", "timetable"},
        CodePageCase{"Kanji", "時間割", "\x8E\x9E\x8A\xD4\x8A\x84"},
        CodePageCase{"Hiragana", "ぽてりんこ", "\x82\xDB\x82\xC4\x82\xE8\x82\xF1\x82\xB1"},
        CodePageCase{"TrailByteBackslash", "表ソフト", "\x95\x5C\x83\x5C\x83\x74\x83\x67"},
        CodePageCase{"HalfWidthKana", "ｱ", "\xB1"}, CodePageCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(InformationAddress, AJapaneseProgramNameGoesOutAsItsShiftJisBytes) {
  const std::string address = "https://info.invalid/info.php?pf=w&sn=時間割";
  EXPECT_EQ(Utf8ToCodePage(address, 932),
            "https://info.invalid/info.php?pf=w&sn=\x8E\x9E\x8A\xD4\x8A\x84");
}

TEST(Utf16, RoundTripsEveryPlane) {
  const std::string text = "ぽてりんこ a\\b 😀";
  const std::wstring wide = Utf8ToWide(text);
  // 😀 is a surrogate pair: 5 + 5 + 2 UTF-16 units.
  EXPECT_EQ(wide.size(), 12u);
  EXPECT_EQ(wide[0], L'\x307D');
  EXPECT_EQ(wide[10], L'\xD83D');
  EXPECT_EQ(wide[11], L'\xDE00');
  EXPECT_EQ(WideToUtf8(wide), text);
  EXPECT_EQ(Utf8ToWide(""), L"");
  EXPECT_EQ(WideToUtf8(L""), "");
}

struct FilterCase {
  const char* Name;
  std::string Filter;
  std::wstring Expected;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.Name; }

class DialogFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(DialogFilter, IsNulSeparatedAndEndsInTwoNuls) {
  EXPECT_EQ(FilterForFileDialog(GetParam().Filter), GetParam().Expected);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Filters, DialogFilter,
    testing::Values(FilterCase{"TheBoards", "JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg",
                               L"JPEG ファイル (*.jpg;*.jpeg)\0*.jpg;*.jpeg\0\0"s},
                    FilterCase{"TwoPairs", "JPEG|*.jpg|All|*.*", L"JPEG\0*.jpg\0All\0*.*\0\0"s},
                    FilterCase{"DescriptionWithoutPatternsIsLeftOut", "JPEG|*.jpg|All",
                               L"JPEG\0*.jpg\0\0"s},
                    // An empty name would end the list where it stands.
                    FilterCase{"EmptyName", "|*.jpg", L"*.jpg\0*.jpg\0\0"s},
                    FilterCase{"OnlyADescription", "JPEG", L""s}, FilterCase{"Empty", "", L""s}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace win32ui
