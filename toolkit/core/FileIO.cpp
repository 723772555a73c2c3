#include "toolkit/core/FileIO.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <optional>
#include <string_view>

#include "toolkit/core/Exceptions.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#endif

namespace tk {
namespace {

// The few file calls this unit needs, on the descriptor API of each system.
#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}
using Stat = struct _stat64;
constexpr const char* kSeparators = "/\\";
int OpenForReading(const std::string& path) {
  return _wopen(Wide(path).c_str(), _O_RDONLY | _O_BINARY);
}
int CreateNew(const std::string& path, TFilePrivacy) {
  return _wopen(Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                _S_IREAD | _S_IWRITE);
}
int OpenForWriting(const std::string& path, bool create) {
  // The read-only attribute binds every user. The system refuses such a file itself, but Wine
  // leaves it to the mode bits of its Unix file, which the superuser passes.
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    errno = EACCES;
    return -1;
  }
  return _wopen(Wide(path).c_str(), _O_WRONLY | _O_BINARY | (create ? _O_CREAT | _O_TRUNC : 0),
                _S_IREAD | _S_IWRITE);
}
bool StatPath(const std::string& path, Stat& st) { return _wstat64(Wide(path).c_str(), &st) == 0; }
bool StatDescriptor(int fd, Stat& st) { return _fstat64(fd, &st) == 0; }
bool IsRegular(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFREG; }
long long ReadSome(int fd, std::uint8_t* data, std::size_t n) {
  return _read(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
long long WriteSome(int fd, const std::uint8_t* data, std::size_t n) {
  return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
bool Truncate(int fd, std::size_t size) { return _chsize_s(fd, static_cast<__int64>(size)) == 0; }
bool FlushToDisk(int fd) { return _commit(fd) == 0; }
bool CloseFile(int fd) { return _close(fd) == 0; }
// Windows files carry an access list, not mode bits; a new file inherits the folder's.
void KeepAccess(int, const Stat&, TFilePrivacy) {}
// A file's owner there goes with its access list, which every new file takes from its folder.
bool KeptOwner(int, const Stat&) { return true; }
bool HasOtherLinks(int fd, const Stat&) {
  BY_HANDLE_FILE_INFORMATION info{};
  return GetFileInformationByHandle(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &info) &&
         info.nNumberOfLinks > 1;
}
bool HasAccessList(int) { return false; }
bool RemoveFile(const std::string& path) { return _wunlink(Wide(path).c_str()) == 0; }
bool ReplaceFile(const std::string& from, const std::string& to) {
  if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}
// Links are rare there and the system resolves them itself where it must.
std::optional<std::string> FollowLinks(const std::string& path) { return path; }
int ProcessId() { return static_cast<int>(GetCurrentProcessId()); }
#else
using Stat = struct stat;
constexpr const char* kSeparators = "/";
// Non-blocking, so that a FIFO swapped in after the check cannot hold the open until a writer
// comes; regular files ignore the flag.
int OpenForReading(const std::string& path) {
  return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}
int CreateNew(const std::string& path, TFilePrivacy privacy) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
              privacy == TFilePrivacy::kPrivate ? 0600 : 0666);
}
int OpenForWriting(const std::string& path, bool create) {
  return open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | (create ? O_CREAT | O_TRUNC : 0),
              0666);
}
bool StatPath(const std::string& path, Stat& st) { return stat(path.c_str(), &st) == 0; }
bool StatDescriptor(int fd, Stat& st) { return fstat(fd, &st) == 0; }
bool IsRegular(const Stat& st) { return S_ISREG(st.st_mode); }
long long ReadSome(int fd, std::uint8_t* data, std::size_t n) { return read(fd, data, n); }
long long WriteSome(int fd, const std::uint8_t* data, std::size_t n) { return write(fd, data, n); }
bool Truncate(int fd, std::size_t size) { return ftruncate(fd, static_cast<off_t>(size)) == 0; }
bool FlushToDisk(int fd) { return fsync(fd) == 0; }
bool CloseFile(int fd) { return close(fd) == 0; }
// The new file takes the place of the old one, so it takes its owner, group and mode too, as
// far as we may give them away (only the group of our own, unless we are the superuser). The
// mode comes last: a change of owner clears the set-id bits.
void KeepAccess(int fd, const Stat& old, TFilePrivacy privacy) {
  if (privacy == TFilePrivacy::kPrivate) {
    fchmod(fd, 0600);
    return;
  }
  [[maybe_unused]] const bool kept = fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                     fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
  fchmod(fd, old.st_mode & 07777);
}
// Whether the file on `fd` has the owner and group of `old`.
bool KeptOwner(int fd, const Stat& old) {
  Stat st{};
  return fstat(fd, &st) == 0 && st.st_uid == old.st_uid && st.st_gid == old.st_gid;
}
bool HasOtherLinks(int, const Stat& st) { return st.st_nlink > 1; }
// An access list beyond the mode bits, which a new file would not have.
bool HasAccessList(int fd) {
#ifdef __linux__
  return fgetxattr(fd, "system.posix_acl_access", nullptr, 0) > 0;
#else
  return false;
#endif
}
bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }
bool ReplaceFile(const std::string& from, const std::string& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}
// The file a chain of symbolic links ends at (which need not exist yet); the path itself when
// it is no link. A chain too long to be anything but a loop gives nothing.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n < 0) return path;
    if (static_cast<std::size_t>(n) == sizeof target) return std::nullopt;
    const std::string_view link(target, static_cast<std::size_t>(n));
    // A relative target is relative to the folder that holds the link.
    path = link.front() == '/' ? std::string(link)
                               : path.substr(0, path.find_last_of('/') + 1) + std::string(link);
  }
  return std::nullopt;
}
int ProcessId() { return static_cast<int>(getpid()); }
#endif

[[noreturn]] void ThrowOpenError(const std::string& path) {
  throw EFOpenError(Format(kFileOpenError, path));
}
[[noreturn]] void ThrowCreateError(const std::string& path) {
  throw EFCreateError(Format(kFileCreateError, path));
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const long long n = WriteSome(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

IFileObserver* gFileObserver = nullptr;

// A name beside `path` that no other writer of this process or another one picks. It must fit
// wherever the final name fits, so a long name gives up as many of its last characters as the
// suffix adds: the temporary name then has no more characters, bytes or UTF-16 units than the
// final one. A short name keeps all of its characters, so it can still be recognised.
std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  constexpr std::size_t kShortName = 64;
  const std::string suffix = ".tmp" + std::to_string(ProcessId()) + "-" + std::to_string(counter++);
  const std::size_t nameStart = path.find_last_of(kSeparators) + 1;  // npos + 1 is 0
  std::string_view name = std::string_view(path).substr(nameStart);
  const auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  const auto characters = static_cast<std::size_t>(
      std::count_if(name.begin(), name.end(), [&](char c) { return !isContinuation(c); }));
  if (characters + suffix.size() > kShortName) {
    std::size_t cut = name.size();
    for (std::size_t dropped = 0; dropped < suffix.size() && cut > 0; ++dropped) {
      --cut;
      while (cut > 0 && isContinuation(name[cut])) --cut;
    }
    name = name.substr(0, cut);
  }
  return path.substr(0, nameStart) + std::string(name) + suffix;
}

// Only a refusal of the folder itself lets the file be written in place: a full disk or a
// failed write must leave the old file as it was.
bool FolderRefused(int error) { return error == EACCES || error == EPERM || error == EBUSY; }

// A plain save over an existing file: its content is overwritten and cut to the new length.
// The bytes are ready before it is opened, so the old content is lost for one write and one
// flush only.
void WriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes,
                  TFilePrivacy privacy, const std::string& path) {
  const int fd = OpenForWriting(target, false);
  if (fd < 0) ThrowCreateError(path);
  Stat st{};
  if (privacy == TFilePrivacy::kPrivate && StatDescriptor(fd, st)) KeepAccess(fd, st, privacy);
  const bool written = WriteAll(fd, bytes) && Truncate(fd, bytes.size()) && FlushToDisk(fd);
  if (!CloseFile(fd) || !written) ThrowCreateError(path);
}

// Whether this user may write the existing file `target` (its mode bits, access list or
// read-only attribute, a read-only file system, another program holding it) and, if so, whether
// only writing it in place keeps what it is: a file under other names too (its other hard links
// would keep the old picture), or with an access list (a new file would lose it). A file the
// program keeps to itself is replaced whatever it was. Raises the creation error when it may not
// be written; nothing of it changes then.
bool MustWriteInPlace(const std::string& target, Stat& existing, TFilePrivacy privacy,
                      const std::string& path) {
  const int fd = OpenForWriting(target, false);
  if (fd < 0) ThrowCreateError(path);
  const bool inPlace = privacy == TFilePrivacy::kShared && StatDescriptor(fd, existing) &&
                       (HasOtherLinks(fd, existing) || HasAccessList(fd));
  CloseFile(fd);  // before a rename over it, which Windows refuses while it is open
  return inPlace;
}

// Opens a file to be read from the start, with the checks of every reader here; `st` gets its
// status. Only a regular file is read: opening a FIFO waits for a writer, a device may never
// end, and a folder is no file. The descriptor is checked again, in case the path changed.
int OpenToRead(const std::string& path, std::size_t limit, Stat& st) {
  if (!StatPath(path, st) || !IsRegular(st)) ThrowOpenError(path);
  const int fd = OpenForReading(path);
  if (fd < 0) ThrowOpenError(path);
  if (!StatDescriptor(fd, st) || !IsRegular(st)) {
    CloseFile(fd);
    ThrowOpenError(path);
  }
  if (st.st_size > 0 && static_cast<std::uint64_t>(st.st_size) > limit) {
    CloseFile(fd);
    throw EFileTooLarge();
  }
  return fd;
}

}  // namespace

TFileReader::TFileReader(const std::string& path, std::size_t limit) : FLeft(limit) {
  Stat st{};
  FDescriptor = OpenToRead(path, limit, st);
  FSize = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

TFileReader::~TFileReader() { CloseFile(FDescriptor); }

long long TFileReader::Read(std::uint8_t* data, std::size_t n) noexcept {
  for (;;) {
    const long long got = ReadSome(FDescriptor, data, std::min(n, FLeft));
    if (got < 0 && errno == EINTR) continue;
    if (got > 0) FLeft -= static_cast<std::size_t>(got);
    return got;
  }
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit) {
  Stat st{};
  const int fd = OpenToRead(path, limit, st);
  std::vector<std::uint8_t> bytes;
  // The size is only a hint: the file may grow or shrink while it is read.
  std::size_t capacity = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 65536;
  for (;;) {
    const std::size_t used = bytes.size();
    if (used > limit) {
      CloseFile(fd);
      throw EFileTooLarge();
    }
    if (used == capacity) capacity *= 2;
    bytes.resize(capacity);
    const long long n = ReadSome(fd, bytes.data() + used, capacity - used);
    if (n < 0 && errno == EINTR) {
      bytes.resize(used);
      continue;
    }
    if (n < 0) {
      CloseFile(fd);
      ThrowOpenError(path);
    }
    bytes.resize(used + static_cast<std::size_t>(n));
    if (n == 0) break;
  }
  CloseFile(fd);
  // Not shrunk to fit: that would copy it, and the spare byte is all there is to save.
  return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = OpenForWriting(path, true);
  if (fd < 0) ThrowCreateError(path);
  const bool written = WriteAll(fd, bytes);
  if (!CloseFile(fd) || !written) ThrowCreateError(path);
}

namespace {
void WriteReplacingOrInPlace(const std::string& path, std::span<const std::uint8_t> bytes,
                             TFilePrivacy privacy) {
  const std::optional<std::string> followed = FollowLinks(path);
  if (!followed) ThrowCreateError(path);
  const std::string& target = *followed;
  Stat existing{};
  const bool exists = StatPath(target, existing);
  if (exists && !IsRegular(existing)) ThrowCreateError(path);
  if (exists && MustWriteInPlace(target, existing, privacy, path))
    return WriteInPlace(target, bytes, privacy, path);

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryNameBeside(target);
    fd = CreateNew(temporary, privacy);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    if (exists && FolderRefused(errno)) return WriteInPlace(target, bytes, privacy, path);
    ThrowCreateError(path);
  }
  if (exists) {
    KeepAccess(fd, existing, privacy);
    // A replacement that cannot have the file's owner and group (only the superuser gives a
    // file away) would take the file from them: the file is written in place instead.
    if (privacy == TFilePrivacy::kShared && !KeptOwner(fd, existing)) {
      CloseFile(fd);
      RemoveFile(temporary);
      return WriteInPlace(target, bytes, privacy, path);
    }
  }
  const bool written = WriteAll(fd, bytes) && FlushToDisk(fd);
  if (!CloseFile(fd) || !written) {
    RemoveFile(temporary);
    ThrowCreateError(path);
  }
  if (!ReplaceFile(temporary, target)) {
    const int error = errno;
    RemoveFile(temporary);
    if (exists && FolderRefused(error)) return WriteInPlace(target, bytes, privacy, path);
    ThrowCreateError(path);
  }
}
}  // namespace

void WriteFileBytesAtomic(const std::string& path, std::span<const std::uint8_t> bytes,
                          TFilePrivacy privacy) {
  WriteReplacingOrInPlace(path, bytes, privacy);
  if (gFileObserver) gFileObserver->FileWritten(path, bytes.size());
}

bool EraseFile(const std::string& path) {
  if (!RemoveFile(path)) return false;
  if (gFileObserver) gFileObserver->FileRemoved(path);
  return true;
}

void SetFileObserver(IFileObserver* observer) { gFileObserver = observer; }

IFileObserver* FileObserver() { return gFileObserver; }

}  // namespace tk
