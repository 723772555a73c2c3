#pragma once
// Whole-file reading and writing, and reading in pieces, with the toolkit's error texts. Paths are
// UTF-8; on Windows they are handed to the wide-character API so that any file name can be reached.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

// The texts of the errors below; %s stands for the path as the caller gave it.
inline constexpr const char* kFileOpenError = "ファイル %s は開けません";
inline constexpr const char* kFileCreateError = "ファイル %s を作成できません";

// A file longer than the reader was willing to take; the caller says what that means.
class EFileTooLarge : public std::runtime_error {
 public:
  EFileTooLarge() : std::runtime_error("file too large") {}
};

// The whole content of a regular file. A path that cannot be opened for reading, or that
// names anything but a regular file (a folder, a FIFO, a device), raises EFOpenError at once;
// a file of more than `limit` bytes raises EFileTooLarge before more than that is read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit = SIZE_MAX);

// A file read from the start a piece at a time, for readers that need not hold all of it.
// Opening checks what ReadFileBytes checks and raises the same errors.
class TFileReader {
 public:
  // No more than `limit` bytes are read: the file ends there for the reader.
  explicit TFileReader(const std::string& path, std::size_t limit = SIZE_MAX);
  ~TFileReader();
  TFileReader(const TFileReader&) = delete;
  TFileReader& operator=(const TFileReader&) = delete;

  // Reads up to `n` bytes into `data`: how many, 0 at the end, negative when the file cannot
  // be read. Never throws, so that C code may call it back.
  long long Read(std::uint8_t* data, std::size_t n) noexcept;
  // The file's length when it was opened.
  std::size_t Size() const { return FSize; }

 private:
  int FDescriptor = -1;
  std::size_t FLeft;
  std::size_t FSize = 0;
};

// Creates the file, or empties an existing one, and writes `bytes`. Raises EFCreateError when
// the file cannot be created or written.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Who may read a file that WriteFileBytesAtomic writes. Shared: a new file gets the system's
// default permissions and a replaced file keeps its own. Private: only the owner may read or
// write it, whatever the replaced file allowed (POSIX systems only; Windows files inherit the
// folder's access list).
enum class TFilePrivacy { kShared, kPrivate };

// Writes `bytes` to a new file beside `path` and renames it over `path` only once everything
// was written, so a failed write (a full disk) leaves an existing file as it was and leaves no
// temporary file behind. A symbolic link is followed: the file it points to is replaced and
// the link stays. An existing file this user may not write (mode bits, access list, read-only
// attribute) is left untouched and raises the error. The replaced file keeps its permission
// bits; where a new file could not keep what the old one is (its owner or group, its other
// hard links, its access list), or the folder refuses a new file, the file is written in place
// instead, as WriteFileBytes would, and flushed. Raises EFCreateError, with `path` in the text,
// when the file cannot be written. This is how the program writes the files it makes for the
// user: the file observer hears of each completed one.
void WriteFileBytesAtomic(const std::string& path, std::span<const std::uint8_t> bytes,
                          TFilePrivacy privacy = TFilePrivacy::kShared);

// Deletes the file at `path`; true when it was there and is gone now (the file observer hears
// of it then), false otherwise.
bool EraseFile(const std::string& path);

// Hears of the files the program completed (WriteFileBytesAtomic) or deleted (EraseFile), so
// that a backend which records outward effects sees them without the program telling it.
class IFileObserver {
 public:
  virtual ~IFileObserver() = default;
  virtual void FileWritten(const std::string& path, std::uint64_t bytes) = 0;
  virtual void FileRemoved(const std::string& path) = 0;
};
// Installs the observer (not owned); nullptr: nobody listens.
void SetFileObserver(IFileObserver* observer);
IFileObserver* FileObserver();

}  // namespace tk
