// The drop handle the shell hands over with WM_DROPFILES: counted, read at full length, and
// released exactly once.

#include <gtest/gtest.h>

#include "platform/win32/DropHandle.h"
#include "tests/platform/win32/WindowFixture.h"

#include <windows.h>

namespace win32ui {
namespace {

using test::MakeDropHandle;

TEST(DropHandle, ListsEveryFileInOrderAsUtf8) {
  TDropHandle drop(MakeDropHandle({L"C:\\pics\\cat.jpg", L"C:\\写真\\ねこ.BMP", L"D:\\x"}));
  ASSERT_EQ(drop.Count(), 3u);
  EXPECT_EQ(drop.File(0), "C:\\pics\\cat.jpg");
  EXPECT_EQ(drop.File(1), "C:\\写真\\ねこ.BMP");
  EXPECT_EQ(drop.File(2), "D:\\x");
  EXPECT_EQ(drop.File(3), "");
}

// The byte interface would cut a path at 259 bytes; the wide one at its exact length keeps it.
TEST(DropHandle, KeepsPathsLongerThanTheOldLimit) {
  std::wstring folder = L"C:\\";
  for (int i = 0; i < 40; ++i) folder += L"フォルダ" + std::to_wstring(i) + L"\\";
  const std::wstring path = folder + L"ねこ.jpg";
  ASSERT_GT(path.size(), 260u);
  TDropHandle drop(MakeDropHandle({path}));
  const std::string file = drop.File(0);
  EXPECT_EQ(file.substr(file.size() - 10), "ねこ.jpg");
  EXPECT_GT(file.size(), 600u);  // 3 bytes for each of the many Japanese characters
}

TEST(DropHandle, FinishReleasesOnceAndThenListsNothing) {
  HDROP handle = MakeDropHandle({L"C:\\a.jpg"});
  {
    TDropHandle drop(handle);
    EXPECT_FALSE(drop.Finished());
    drop.Finish();
    EXPECT_TRUE(drop.Finished());
    EXPECT_EQ(drop.Count(), 0u);
    EXPECT_EQ(drop.File(0), "");
    drop.Finish();  // a second release does nothing
  }                 // nor does the destructor's
  // DragFinish frees the memory the shell allocated: the handle is gone.
  SetLastError(0);
  EXPECT_EQ(GlobalSize(handle), 0u);
}

TEST(DropHandle, IsReleasedWhenDestroyedUnfinished) {
  HDROP handle = MakeDropHandle({L"C:\\a.jpg"});
  { TDropHandle drop(handle); }
  EXPECT_EQ(GlobalSize(handle), 0u);
}

}  // namespace
}  // namespace win32ui
