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
        PathCase{"C:\\apps\\timetable.exe", TCodePage::kShiftJis, "C:\\apps", "timetable"},
        PathCase{"C:\\apps\\my.board.exe", TCodePage::kShiftJis, "C:\\apps", "my.board"},
        PathCase{"C:\\apps\\board", TCodePage::kShiftJis, "C:\\apps", "board"},
        PathCase{"C:\\poterinko.exe", TCodePage::kShiftJis, "C:\\", "poterinko"},  // drive root
        PathCase{"C:poterinko.exe", TCodePage::kShiftJis, "C:", "poterinko"},
        PathCase{"\\\\server\\x.exe", TCodePage::kShiftJis, "\\\\server", "x"},
        PathCase{"C:\\a.b\\run", TCodePage::kShiftJis, "C:\\a.b", "run"},  // dot in folder
        PathCase{"C:\\\x95\x5C\\a.exe", TCodePage::kShiftJis, "C:\\\x95\x5C", "a"},  // 表 folder
        PathCase{"C:\\d\\\x95\x5C.exe", TCodePage::kShiftJis, "C:\\d", "\x95\x5C"},  // 表.exe
        PathCase{"C:\\\x83\x5C", TCodePage::kShiftJis, "C:\\", "\x83\x5C"},          // ソ, no dot
        // Read as single bytes, the same path would be cut inside the character.
        PathCase{"C:\\d\\\x95\x5C.exe", TCodePage::kUtf8, "C:\\d\\\x95", ""},
        PathCase{"/usr/local/bin/poterinko", TCodePage::kUtf8, "/usr/local/bin", "poterinko"},
        PathCase{"/poterinko", TCodePage::kUtf8, "/", "poterinko"},
        PathCase{"/opt/時間割/時間割.bin", TCodePage::kUtf8, "/opt/時間割", "時間割"}));

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
