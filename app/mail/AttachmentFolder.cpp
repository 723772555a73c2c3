#include "app/mail/AttachmentFolder.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "app/BoardJpeg.h"
#include "app/ProgramFile.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/PrivateFolder.h"
#include "toolkit/platform/Shell.h"

namespace app {

namespace fs = std::filesystem;

namespace {
bool IsAttachmentName(const std::string& name) {
  if (name.size() != 16 || name.compare(12, 4, ".jpg") != 0) return false;
  for (int i = 0; i < 12; ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

std::string Utf8(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}
}  // namespace

TAttachmentPlace AttachmentPlace(const std::string& fileName) {
  if (tk::Shell().AttachmentReading() == tk::TAttachmentReading::kBeforeSendReturns)
    return {ProgramFolder(tk::Shell().ProgramPath()), true, tk::TFilePrivacy::kShared};
  const std::optional<std::string> cache = tk::UserCacheFolder();
  // No home to keep the user's files in (a shared folder such as /tmp would not be private):
  // no folder was tried, so the error names the file alone.
  if (!cache) throw tk::EFCreateError(tk::Format(tk::kFileCreateError, fileName));
  const std::string folder = *cache + "/poterinko";
  if (!tk::MakePrivateFolder(folder))
    throw tk::EFCreateError(tk::Format(tk::kFileCreateError, folder + "/" + fileName));
  return {folder, false, tk::TFilePrivacy::kPrivate};
}

void RemoveStaleAttachments(const std::string& folder, std::time_t now) {
  std::error_code error;
  const fs::path dir(std::u8string(folder.begin(), folder.end()));
  const auto limit = std::chrono::system_clock::from_time_t(now) - std::chrono::hours(24);
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, error)) {
    if (!entry.is_regular_file(error) || !IsAttachmentName(Utf8(entry.path().filename()))) continue;
    const auto written = std::chrono::file_clock::to_sys(entry.last_write_time(error));
    if (!error && written < limit) DeleteWrittenFile(folder + "/" + Utf8(entry.path().filename()));
  }
}

}  // namespace app
