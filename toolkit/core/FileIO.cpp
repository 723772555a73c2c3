#include "toolkit/core/FileIO.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
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
int OpenForReading(const std::string& path) {
  return _wopen(Wide(path).c_str(), _O_RDONLY | _O_BINARY);
}
int OpenForWriting(const std::string& path, bool exclusive) {
  return _wopen(Wide(path).c_str(),
                _O_WRONLY | _O_CREAT | _O_BINARY | (exclusive ? _O_EXCL : _O_TRUNC),
                _S_IREAD | _S_IWRITE);
}
bool StatPath(const std::string& path, Stat& st) { return _wstat64(Wide(path).c_str(), &st) == 0; }
bool StatDescriptor(int fd, Stat& st) { return _fstat64(fd, &st) == 0; }
bool IsFolder(const Stat& st) { return (st.st_mode & _S_IFDIR) != 0; }
long long ReadSome(int fd, std::uint8_t* data, std::size_t n) {
  return _read(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
long long WriteSome(int fd, const std::uint8_t* data, std::size_t n) {
  return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
bool FlushToDisk(int fd) { return _commit(fd) == 0; }
bool CloseFile(int fd) { return _close(fd) == 0; }
void CopyPermissions(int, const Stat&) {}
bool RemoveFile(const std::string& path) { return _wunlink(Wide(path).c_str()) == 0; }
bool ReplaceFile(const std::string& from, const std::string& to) {
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
int ProcessId() { return static_cast<int>(GetCurrentProcessId()); }
#else
using Stat = struct stat;
int OpenForReading(const std::string& path) { return open(path.c_str(), O_RDONLY | O_CLOEXEC); }
int OpenForWriting(const std::string& path, bool exclusive) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC), 0666);
}
bool StatPath(const std::string& path, Stat& st) { return stat(path.c_str(), &st) == 0; }
bool StatDescriptor(int fd, Stat& st) { return fstat(fd, &st) == 0; }
bool IsFolder(const Stat& st) { return S_ISDIR(st.st_mode); }
long long ReadSome(int fd, std::uint8_t* data, std::size_t n) { return read(fd, data, n); }
long long WriteSome(int fd, const std::uint8_t* data, std::size_t n) { return write(fd, data, n); }
bool FlushToDisk(int fd) { return fsync(fd) == 0; }
bool CloseFile(int fd) { return close(fd) == 0; }
void CopyPermissions(int fd, const Stat& st) { fchmod(fd, st.st_mode & 07777); }
bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }
bool ReplaceFile(const std::string& from, const std::string& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}
int ProcessId() { return static_cast<int>(getpid()); }
#endif

[[noreturn]] void ThrowOpenError(const std::string& path) {
  throw EFOpenError(Format(SFOpenError, path));
}
[[noreturn]] void ThrowCreateError(const std::string& path) {
  throw EFCreateError(Format(SFCreateError, path));
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

// A name beside `path` that no other writer of this process or another one picks.
std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp" + std::to_string(ProcessId()) + "-" + std::to_string(counter++);
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit) {
  const int fd = OpenForReading(path);
  if (fd < 0) ThrowOpenError(path);
  Stat st{};
  // Opening a folder for reading succeeds on some systems; it is still not a file.
  if (!StatDescriptor(fd, st) || IsFolder(st)) {
    CloseFile(fd);
    ThrowOpenError(path);
  }
  if (st.st_size > 0 && static_cast<std::uint64_t>(st.st_size) > limit) {
    CloseFile(fd);
    throw EFileTooLarge();
  }
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
  bytes.shrink_to_fit();
  return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = OpenForWriting(path, false);
  if (fd < 0) ThrowCreateError(path);
  const bool written = WriteAll(fd, bytes);
  if (!CloseFile(fd) || !written) ThrowCreateError(path);
}

void WriteFileBytesAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryNameBeside(path);
    fd = OpenForWriting(temporary, true);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) ThrowCreateError(path);

  Stat existing{};
  if (StatPath(path, existing) && !IsFolder(existing)) CopyPermissions(fd, existing);
  const bool written = WriteAll(fd, bytes) && FlushToDisk(fd);
  const bool closed = CloseFile(fd);
  if (!written || !closed || !ReplaceFile(temporary, path)) {
    RemoveFile(temporary);
    ThrowCreateError(path);
  }
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
