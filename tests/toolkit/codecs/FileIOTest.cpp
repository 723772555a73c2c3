#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "tests/support/TempFolder.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileIO.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

template <class E, class F>
std::string ErrorText(F action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return "(no error)";
}

TEST(FileIOTest, WrittenBytesReadBack) {
  test::TempFolder folder;
  Bytes data(100000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
  WriteFileBytes(folder.Path("a.bin"), data);
  EXPECT_EQ(ReadFileBytes(folder.Path("a.bin")), data);
  WriteFileBytes(folder.Path("a.bin"), Bytes{1, 2});  // an existing file is emptied first
  EXPECT_EQ(ReadFileBytes(folder.Path("a.bin")), (Bytes{1, 2}));
  WriteFileBytes(folder.Path("empty"), Bytes{});
  EXPECT_EQ(ReadFileBytes(folder.Path("empty")), Bytes{});
}

TEST(FileIOTest, Utf8NamesWork) {
  test::TempFolder folder;
  const std::string path = folder.Path("時間割の写真.jpg");
  WriteFileBytes(path, Bytes{9});
  EXPECT_EQ(ReadFileBytes(path), Bytes{9});
}

class FileOpenErrorTest : public testing::TestWithParam<std::string> {};

TEST_P(FileOpenErrorTest, NamesThePathAsGiven) {
  test::TempFolder folder;
  fs::create_directory(folder.Path("x.jpg"));
  const std::string path = folder.Path(GetParam());
  EXPECT_EQ(ErrorText<EFOpenError>([&] { ReadFileBytes(path); }),
            "ファイル " + path + " は開けません");
}

INSTANTIATE_TEST_SUITE_P(Paths, FileOpenErrorTest,
                         testing::Values("missing.bmp", "x.jpg", "no/such/folder/a.jpg"),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(FileIOTest, UnreadableFileGivesTheOpenError) {
#ifndef _WIN32
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  test::TempFolder folder;
  const std::string path = folder.Path("locked.bmp");
  WriteFileBytes(path, Bytes{1});
  chmod(path.c_str(), 0);
  EXPECT_EQ(ErrorText<EFOpenError>([&] { ReadFileBytes(path); }),
            "ファイル " + path + " は開けません");
#endif
}

TEST(FileIOTest, FileInAMissingFolderCannotBeCreated) {
  test::TempFolder folder;
  const std::string path = folder.Path("missing/board.jpg");
  const std::string expected = "ファイル " + path + " を作成できません";
  EXPECT_EQ(ErrorText<EFCreateError>([&] { WriteFileBytes(path, Bytes{1}); }), expected);
  EXPECT_EQ(ErrorText<EFCreateError>([&] { WriteFileBytesAtomic(path, Bytes{1}); }), expected);
}

TEST(FileIOTest, AFolderCannotBeWrittenOver) {
  test::TempFolder folder;
  fs::create_directory(folder.Path("x.jpg"));
  EXPECT_THROW(WriteFileBytes(folder.Path("x.jpg"), Bytes{1}), EFCreateError);
  EXPECT_THROW(WriteFileBytesAtomic(folder.Path("x.jpg"), Bytes{1}), EFCreateError);
  EXPECT_TRUE(fs::is_directory(folder.Path("x.jpg")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 1);
}

TEST(FileIOTest, AtomicWriteReplacesContentAndKeepsPermissions) {
  test::TempFolder folder;
  const std::string path = folder.Path("board.jpg");
  WriteFileBytes(path, Bytes(50, 1));
#ifndef _WIN32  // Windows files have no owner/group mode bits to keep
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
  WriteFileBytesAtomic(path, Bytes{7, 8, 9});
  EXPECT_EQ(ReadFileBytes(path), (Bytes{7, 8, 9}));
#ifndef _WIN32
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 1);
}

#ifndef _WIN32
// A file size limit makes write() fail part-way, as a full disk does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &FOld);
    rlimit limited = FOld;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    std::signal(SIGXFSZ, FOldHandler);
  }

 private:
  rlimit FOld{};
  void (*FOldHandler)(int);
};

TEST(FileIOTest, FailedAtomicWriteLeavesTheOldFileAndNoTemporary) {
  test::TempFolder folder;
  const std::string path = folder.Path("board.jpg");
  const Bytes old(1000, 0x55);
  WriteFileBytes(path, old);
  std::string error;
  {
    FileSizeLimit limit(4096);
    error = ErrorText<EFCreateError>([&] { WriteFileBytesAtomic(path, Bytes(100000, 0xAA)); });
  }
  EXPECT_EQ(error, "ファイル " + path + " を作成できません");
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 1);
}

TEST(FileIOTest, FailedPlainWriteIsReported) {
  test::TempFolder folder;
  const std::string path = folder.Path("board.jpg");
  FileSizeLimit limit(4096);
  EXPECT_THROW(WriteFileBytes(path, Bytes(100000, 0xAA)), EFCreateError);
}
#endif

}  // namespace
}  // namespace tk
