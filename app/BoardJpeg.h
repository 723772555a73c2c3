#pragma once
// Writing the board snapshot as a JPEG file, shared by the save and mail commands.

#include <string>

#include "toolkit/core/FileIO.h"
#include "toolkit/graphics/Bitmap.h"

namespace app {

inline constexpr int kBoardJpegQuality = 80;

// Encodes `bitmap` and writes the file in one piece; an existing file is replaced only once
// the new one is complete. Raises "ファイル %s を作成できません" when the file cannot be
// created or written.
void WriteBoardJpeg(const std::string& path, const tk::TBitmap& bitmap, int quality,
                    tk::TFilePrivacy privacy = tk::TFilePrivacy::kShared);

// A regular file (not a folder) exists at `path`.
bool FileExists(const std::string& path);
// Deletes a file the program wrote; the outcome is not reported to the user.
bool DeleteWrittenFile(const std::string& path);

}  // namespace app
