#pragma once
// Whole-file reading and writing with the toolkit's error texts. Paths are UTF-8; on Windows
// they are handed to the wide-character API so that any file name can be reached.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

// The texts of the errors below; %s stands for the path as the caller gave it.
inline constexpr const char* SFOpenError = "ファイル %s は開けません";
inline constexpr const char* SFCreateError = "ファイル %s を作成できません";

// A file longer than the reader was willing to take; the caller says what that means.
class EFileTooLarge : public std::runtime_error {
 public:
  EFileTooLarge() : std::runtime_error("file too large") {}
};

// The whole content of a file. A path that cannot be opened for reading, or that names a
// folder, raises EFOpenError; a file of more than `limit` bytes raises EFileTooLarge before
// more than that is read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit = SIZE_MAX);

// Creates the file, or empties an existing one, and writes `bytes`. Raises EFCreateError when
// the file cannot be created or written.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes `bytes` to a new file beside `path` and renames it over `path` only once everything
// was written, so a failed write (a full disk) leaves an existing file as it was. The new file
// takes the permissions of the one it replaces. Raises EFCreateError, with `path` in the
// text, when anything fails; the temporary file is removed then. This is how the program
// writes the files it makes for the user: the file observer hears of each completed one.
void WriteFileBytesAtomic(const std::string& path, std::span<const std::uint8_t> bytes);

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
