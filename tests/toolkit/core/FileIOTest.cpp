#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <tuple>

#include "tests/support/Environment.h"
#include "tests/support/TempFolder.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/core/PrivateFolder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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

// ---- saving over a file that is there ----

// Saves `bytes` over `path`: as the unprivileged user nobody when `otherUser` is asked and the
// test runs as the superuser (whom mode bits do not stop), in a child process; else here.
// 0: written; 1: the creation error naming the path; anything else: another outcome.
int SaveOver(const std::string& path, const Bytes& bytes, bool otherUser) {
  const auto save = [&] {
    try {
      WriteFileBytesAtomic(path, bytes);
      return 0;
    } catch (const EFCreateError& e) {
      return e.Message() == "ファイル " + path + " を作成できません" ? 1 : 2;
    }
  };
#ifndef _WIN32
  if (otherUser && geteuid() == 0) {
    const pid_t child = fork();
    if (child == 0) {
      const passwd* nobody = getpwnam("nobody");
      const uid_t id = nobody ? nobody->pw_uid : 65534;
      const bool dropped = setgroups(0, nullptr) == 0 && setgid(id) == 0 && setuid(id) == 0;
      _exit(dropped ? save() : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
  }
#endif
  return save();
}

struct ReplaceCase {
  const char* name;
  fs::perms perms;  // the file's
  bool secondLink, accessList, otherUser;
  bool refused;  // the creation error, and the file as it was; else the new bytes in the same file
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class ReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, RespectsTheFileItReplaces) {
  const ReplaceCase& c = GetParam();
  test::TempFolder folder;
  fs::permissions(folder.Root(), fs::perms::all);  // anyone may make files here
  const std::string path = folder.Path("board.jpg");
  const Bytes old(1000, 0x55), fresh{7, 8, 9};
  WriteFileBytes(path, old);
  fs::permissions(path, c.perms);
  if (c.secondLink) fs::create_hard_link(path, folder.Path("other.jpg"));
#ifndef _WIN32
  // An access list naming one more user, in the kernel's format: version 2, then user::rw
  // user:4321:rw group::r mask::rw other::r (tag and permission in one word, then the id).
  const std::uint32_t acl[] = {2,   0x60001, ~0u, 0x60002, 4321, 0x40004,
                               ~0u, 0x60010, ~0u, 0x40020, ~0u};
  ASSERT_TRUE(!c.accessList ||
              setxattr(path.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0);
  if (c.otherUser && !c.refused && geteuid() != 0)
    GTEST_SKIP() << "only the superuser gives a file away";
  const auto identity = [&] {
    struct stat st {};
    stat(path.c_str(), &st);
    return std::make_tuple(st.st_ino, st.st_uid, st.st_gid, st.st_mode);
  };
  const auto before = identity();
#endif
  const std::size_t entries = EntriesIn(folder.Root());

  EXPECT_EQ(SaveOver(path, fresh, c.otherUser), c.refused ? 1 : 0);
  EXPECT_EQ(EntriesIn(folder.Root()), entries);                    // no temporary file left
  for (const auto& entry : fs::directory_iterator(folder.Root()))  // under every name it has
    EXPECT_EQ(ReadFileBytes(entry.path().string()), c.refused ? old : fresh) << entry.path();
#ifndef _WIN32
  EXPECT_EQ(identity(), before);  // the same file, its owner, group and mode
#endif
  // Windows deletes no read-only file.
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

constexpr fs::perms kReadOnly =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kWritable =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

INSTANTIATE_TEST_SUITE_P(
    Files, ReplaceTest,
    testing::Values(
        // Another user's file the saving user may only read, in a folder anyone may write in.
        ReplaceCase{"ReadOnly", kReadOnly, false, false, true, true},
        // Both names show the new picture: the file is written in place.
        ReplaceCase{"TwoHardLinks", kReadOnly | fs::perms::owner_write, true, false, false, false}
#ifndef _WIN32
        ,
        // Another user's file anyone may write: it stays theirs.
        ReplaceCase{"AnotherUsersWritableFile", kReadOnly | kWritable, false, false, true, false},
        ReplaceCase{"AccessList", kReadOnly | fs::perms::owner_write, false, true, false, false}
#endif
        ),
    [](const auto& info) { return std::string(info.param.name); });

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

struct CacheFolderCase {
  const char* name;
  const char* cacheHome;  // nullptr: not set
  const char* home;
  std::string expected;  // "~" for the home the password database gives
};

void PrintTo(const CacheFolderCase& c, std::ostream* os) { *os << c.name; }

class CacheFolderTest : public testing::TestWithParam<CacheFolderCase> {};

TEST_P(CacheFolderTest, IsFoundAsTheSystemsLibrariesFindIt) {
  const CacheFolderCase& c = GetParam();
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  for (const auto& [name, value] : {std::pair{"XDG_CACHE_HOME", c.cacheHome}, {"HOME", c.home}})
    value ? test::SetEnvironment(name, value) : test::UnsetEnvironment(name);
  const std::string known = getpwuid(geteuid())->pw_dir;
  EXPECT_EQ(UserCacheFolder(), c.expected[0] == '~' ? known + c.expected.substr(1) : c.expected);
  test::SetEnvironment("HOME", home.c_str());  // the other tests set a cache folder of their own
  test::UnsetEnvironment("XDG_CACHE_HOME");
}

INSTANTIATE_TEST_SUITE_P(Environments, CacheFolderTest,
                         testing::Values(CacheFolderCase{"CacheHome", "/c/cache", "/h", "/c/cache"},
                                         CacheFolderCase{"RelativeCacheHome", "cache", "/h",
                                                         "/h/.cache"},
                                         CacheFolderCase{"NoHome", nullptr, nullptr, "~/.cache"}),
                         [](const auto& info) { return std::string(info.param.name); });

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
