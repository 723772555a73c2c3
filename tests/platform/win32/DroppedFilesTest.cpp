// The drop the shell hands over with WM_DROPFILES: read whole, in order, and released.

#include <gtest/gtest.h>

#include "platform/win32/DroppedFiles.h"
#include "platform/win32/WinText.h"
#include "tests/platform/win32/WindowFixture.h"

#include <windows.h>

namespace win32ui {
namespace {

using test::MakeDropHandle;

TEST(DroppedFiles, ListsEveryFileInOrderAsUtf8AndReleasesTheDrop) {
  HDROP handle = MakeDropHandle({L"C:\\pics\\cat.jpg", L"C:\\写真\\ねこ.BMP", L"D:\\x"});
  const tk::TDroppedFiles drop = TakeDroppedFiles(handle);
  EXPECT_EQ(drop.Paths,
            (std::vector<std::string>{"C:\\pics\\cat.jpg", "C:\\写真\\ねこ.BMP", "D:\\x"}));
  // DragFinish frees the memory the shell allocated: the handle is gone.
  EXPECT_EQ(GlobalSize(handle), 0u);
}

// The byte interface would cut a path at 259 bytes; the wide one at its exact length keeps it.
TEST(DroppedFiles, KeepsPathsLongerThanTheOldLimit) {
  std::wstring folder = L"C:\\";
  for (int i = 0; i < 40; ++i) folder += L"フォルダ" + std::to_wstring(i) + L"\\";
  const std::wstring path = folder + L"ねこ.jpg";
  ASSERT_GT(path.size(), 260u);
  const tk::TDroppedFiles drop = TakeDroppedFiles(MakeDropHandle({path}));
  ASSERT_EQ(drop.Paths.size(), 1u);
  EXPECT_EQ(drop.Paths[0], WideToUtf8(path));
}

}  // namespace
}  // namespace win32ui
