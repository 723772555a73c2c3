#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>

#include "tests/support/TempFolder.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileIO.h"

#ifndef _WIN32
#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

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
#ifndef _WIN32
  // Neither may hold the reader: a FIFO without a writer, a device that never ends.
  mkfifo(folder.Path("pipe.bmp").c_str(), 0644);
  fs::create_symlink("/dev/zero", folder.Path("zero.jpg"));
#endif
  const std::string path = folder.Path(GetParam());
  EXPECT_EQ(ErrorText<EFOpenError>([&] { ReadFileBytes(path); }),
            "ファイル " + path + " は開けません");
}

INSTANTIATE_TEST_SUITE_P(Paths, FileOpenErrorTest,
                         testing::Values("missing.bmp", "x.jpg", "no/such/folder/a.jpg"),
                         [](const auto& info) { return std::to_string(info.index); });
#ifndef _WIN32
INSTANTIATE_TEST_SUITE_P(NotRegularFiles, FileOpenErrorTest,
                         testing::Values("pipe.bmp", "zero.jpg"),
                         [](const auto& info) { return std::to_string(info.index); });
#endif

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
  EXPECT_EQ(EntriesIn(folder.Root()), 1u);
}

TEST(FileIOTest, AtomicWriteReplacesContentAndKeepsPermissions) {
  test::TempFolder folder;
  const std::string path = folder.Path("board.jpg");
  WriteFileBytes(path, Bytes(50, 1));
#ifndef _WIN32  // Windows files have no owner/group mode bits to keep
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const bool superuser = geteuid() == 0;  // only the superuser may give a file away
  if (superuser) {
    ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
  }
#endif
  WriteFileBytesAtomic(path, Bytes{7, 8, 9});
  EXPECT_EQ(ReadFileBytes(path), (Bytes{7, 8, 9}));
#ifndef _WIN32
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  struct stat st {};
  stat(path.c_str(), &st);
  if (superuser) {
    EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(4321u, 4322u));
  }
#endif
  EXPECT_EQ(EntriesIn(folder.Root()), 1u);
}

#ifndef _WIN32
TEST(FileIOTest, PrivateFilesAreForTheOwnerOnlyWhateverTheyReplace) {
  test::TempFolder folder;
  const std::string fresh = folder.Path("new.jpg"), replaced = folder.Path("old.jpg");
  WriteFileBytes(replaced, Bytes{1});
  fs::permissions(replaced, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  WriteFileBytesAtomic(fresh, Bytes{2}, TFilePrivacy::kPrivate);
  WriteFileBytesAtomic(replaced, Bytes{3}, TFilePrivacy::kPrivate);
  for (const std::string& path : {fresh, replaced})
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << path;
}

std::string Repeated(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

class LongNameTest : public testing::TestWithParam<std::string> {};

TEST_P(LongNameTest, TheTemporaryNameFitsWhereTheFinalNameFits) {
  test::TempFolder folder;
  const std::string path = folder.Path(GetParam());
  WriteFileBytesAtomic(path, Bytes{1});
  WriteFileBytesAtomic(path, Bytes{2, 3});
  EXPECT_EQ(ReadFileBytes(path), (Bytes{2, 3}));
  EXPECT_EQ(EntriesIn(folder.Root()), 1u);
}

// 255 bytes, the longest name common file systems take: ASCII, and three-byte characters
// (which a cut in the middle of a character would make an invalid name of).
INSTANTIATE_TEST_SUITE_P(Names, LongNameTest,
                         testing::Values(std::string(251, 'a') + ".jpg",
                                         "ab" + Repeated("写", 83) + ".jpg"),
                         [](const auto& info) { return std::to_string(info.index); });

struct LinkCase {
  const char* label;
  std::vector<std::pair<std::string, std::string>> links;  // link, what it holds ($ = root)
  std::string file;                                        // where the bytes must land
  bool fileExists;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.label; }

class SymbolicLinkTest : public testing::TestWithParam<LinkCase> {};

TEST_P(SymbolicLinkTest, TheFileLinkedToIsWrittenAndTheLinksStay) {
  test::TempFolder folder;
  const LinkCase& c = GetParam();
  for (const char* sub : {"a", "b", "c"}) fs::create_directory(folder.Root() / sub);
  auto held = [&](std::string target) {
    if (target.front() == '$') target = folder.Root().string() + target.substr(1);
    return target;
  };
  if (c.fileExists) WriteFileBytes(folder.Path(c.file), Bytes{1});
  for (const auto& [link, target] : c.links) fs::create_symlink(held(target), folder.Path(link));

  WriteFileBytesAtomic(folder.Path(c.links.front().first), Bytes{7, 8});
  EXPECT_EQ(ReadFileBytes(folder.Path(c.file)), (Bytes{7, 8}));
  for (const auto& [link, target] : c.links) {
    EXPECT_TRUE(fs::is_symlink(folder.Path(link))) << link;
    EXPECT_EQ(fs::read_symlink(folder.Path(link)).string(), held(target)) << link;
  }
  std::size_t files = 0;  // links and the file, and no temporary file anywhere
  for (const auto& entry : fs::recursive_directory_iterator(folder.Root()))
    files += !entry.is_directory() || entry.is_symlink();
  EXPECT_EQ(files, c.links.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Links, SymbolicLinkTest,
    testing::Values(
        LinkCase{"beside", {{"a/board.jpg", "real.jpg"}}, "a/real.jpg", true},
        LinkCase{"chain into other folders",
                 {{"a/board.jpg", "../b/hop.jpg"}, {"b/hop.jpg", "$/c/real.jpg"}},
                 "c/real.jpg",
                 true},
        LinkCase{"to a file not made yet", {{"a/board.jpg", "../c/new.jpg"}}, "c/new.jpg", false}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(FileIOTest, ALoopOfLinksCannotBeWritten) {
  test::TempFolder folder;
  fs::create_symlink("b.jpg", folder.Path("a.jpg"));
  fs::create_symlink("a.jpg", folder.Path("b.jpg"));
  EXPECT_THROW(WriteFileBytesAtomic(folder.Path("a.jpg"), Bytes{1}), EFCreateError);
  EXPECT_TRUE(fs::is_symlink(folder.Path("a.jpg")));
  EXPECT_EQ(EntriesIn(folder.Root()), 2u);
}

// Makes a folder refuse new entries while the files in it stay writable: by its mode for an
// ordinary user, by the immutable attribute for the superuser, whom modes do not stop.
class NewFilesRefused {
 public:
  explicit NewFilesRefused(const fs::path& folder) : FFolder(folder) {
    FActive = geteuid() != 0 ? chmod(folder.c_str(), 0555) == 0 : SetImmutable(true);
  }
  ~NewFilesRefused() {
    if (FActive && geteuid() != 0) chmod(FFolder.c_str(), 0755);
    if (FActive && geteuid() == 0) SetImmutable(false);
  }
  bool Active() const { return FActive; }

 private:
  bool SetImmutable(bool on) {
    const int fd = open(FFolder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    const bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                      (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL,
                       ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    if (fd >= 0) close(fd);
    return done;
  }
  fs::path FFolder;
  bool FActive = false;
};

TEST(FileIOTest, AFolderThatRefusesNewFilesGetsTheFileWrittenInPlace) {
  test::TempFolder folder;
  const std::string path = folder.Path("board.jpg");
  WriteFileBytes(path, Bytes(1000, 0x55));
  {
    NewFilesRefused refused(folder.Root());
    if (!refused.Active()) GTEST_SKIP() << "this file system has no immutable folders";
    WriteFileBytesAtomic(path, Bytes{7, 8, 9});
    EXPECT_THROW(WriteFileBytesAtomic(folder.Path("new.jpg"), Bytes{1}), EFCreateError);
  }
  EXPECT_EQ(ReadFileBytes(path), (Bytes{7, 8, 9}));  // shorter than before: the rest is cut
  EXPECT_EQ(EntriesIn(folder.Root()), 1u);
}

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

// A 64 KiB file system over a folder, mounted in a mount namespace of this test process alone,
// so that nothing else sees it and it goes with the process.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const fs::path& at) : FAt(at) {
    fs::create_directory(at);
    FMounted = unshare(CLONE_NEWNS) == 0 &&
               mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallFileSystem() {
    if (FMounted) umount(FAt.c_str());
  }
  bool Mounted() const { return FMounted; }

 private:
  fs::path FAt;
  bool FMounted = false;
};

// Replaces a 1000-byte file with more bytes than can be written (under a file size limit, or
// on a full disk): the old file must stay as it was, with no temporary file beside it.
void ExpectFailedReplaceLeavesTheOldFile(const fs::path& folder, std::optional<rlim_t> sizeLimit) {
  const std::string path = (folder / "board.jpg").string();
  const Bytes old(1000, 0x55);
  WriteFileBytes(path, old);
  std::string error;
  {
    std::optional<FileSizeLimit> limit;
    if (sizeLimit) limit.emplace(*sizeLimit);
    error = ErrorText<EFCreateError>([&] { WriteFileBytesAtomic(path, Bytes(200000, 0xAA)); });
  }
  EXPECT_EQ(error, "ファイル " + path + " を作成できません");
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(FileIOTest, AShortWriteLeavesTheOldFileAndNoTemporary) {
  test::TempFolder folder;
  ExpectFailedReplaceLeavesTheOldFile(folder.Root(), 4096);
}

TEST(FileIOTest, AFullDiskLeavesTheOldFileAndNoTemporary) {
  test::TempFolder folder;
  SmallFileSystem disk(folder.Root() / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small file system needs CAP_SYS_ADMIN";
  ExpectFailedReplaceLeavesTheOldFile(folder.Root() / "disk", std::nullopt);
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
