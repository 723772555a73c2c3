#include <gtest/gtest.h>

#include "app/ProgramFile.h"
#include "app/mail/TimeStamp.h"
#include "tests/support/Environment.h"

namespace app {
namespace {

struct PathCase {
  const char* path;
  TCodePage codePage;
  const char* folder;
  const char* baseName;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.path; }

class ProgramFileTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ProgramFileTest, FolderAndBaseName) {
  EXPECT_EQ(ProgramFolder(GetParam().path, GetParam().codePage), GetParam().folder);
  EXPECT_EQ(ProgramBaseName(GetParam().path, GetParam().codePage), GetParam().baseName);
}

// "表" in Shift-JIS is 0x95 0x5C: its second byte has the value of '\'. "ソ" is 0x83 0x5C.
INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFileTest,
    ::testing::Values(
        PathCase{"C:\\apps\\timetable.exe", TCodePage::ShiftJis, "C:\\apps", "timetable"},
        PathCase{"C:\\apps\\my.board.exe", TCodePage::ShiftJis, "C:\\apps", "my.board"},
        PathCase{"C:\\apps\\board", TCodePage::ShiftJis, "C:\\apps", "board"},
        PathCase{"C:\\poterinko.exe", TCodePage::ShiftJis, "C:\\", "poterinko"},  // drive root
        PathCase{"C:poterinko.exe", TCodePage::ShiftJis, "C:", "poterinko"},
        PathCase{"\\\\server\\x.exe", TCodePage::ShiftJis, "\\\\server", "x"},
        PathCase{"C:\\a.b\\run", TCodePage::ShiftJis, "C:\\a.b", "run"},            // dot in folder
        PathCase{"C:\\\x95\x5C\\a.exe", TCodePage::ShiftJis, "C:\\\x95\x5C", "a"},  // 表 folder
        PathCase{"C:\\d\\\x95\x5C.exe", TCodePage::ShiftJis, "C:\\d", "\x95\x5C"},  // 表.exe
        PathCase{"C:\\\x83\x5C", TCodePage::ShiftJis, "C:\\", "\x83\x5C"},          // ソ, no dot
        // Read as single bytes, the same path would be cut inside the character.
        PathCase{"C:\\d\\\x95\x5C.exe", TCodePage::Utf8, "C:\\d\\\x95", ""},
        PathCase{"/usr/local/bin/poterinko", TCodePage::Utf8, "/usr/local/bin", "poterinko"},
        PathCase{"/poterinko", TCodePage::Utf8, "/", "poterinko"},
        PathCase{"/opt/時間割/時間割.bin", TCodePage::Utf8, "/opt/時間割", "時間割"}));

TEST(TimeStampTest, TwelveDigitsOfLocalTime) {
  tk::test::SetEnvironment("TZ", "UTC");
  tzset();
  EXPECT_EQ(FormatTimeStamp(0), "197001010000");
  EXPECT_EQ(FormatTimeStamp(1796860799), "202612092359");  // 2026-12-09 23:59:59
  tk::test::SetEnvironment("TZ", "JST-9");
  tzset();
  EXPECT_EQ(FormatTimeStamp(0), "197001010900");
  tk::test::UnsetEnvironment("TZ");
  tzset();
}

}  // namespace
}  // namespace app
