#ifdef _WIN32

#include "toolkit/graphics/text/WindowsFontResolver.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <filesystem>

#include "toolkit/core/Utf8.h"
#include "toolkit/graphics/text/FreeTypeLibrary.h"

#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

namespace tk {
namespace {

namespace fs = std::filesystem;

std::string Utf16BeToUtf8(const FT_Byte* bytes, FT_UInt length) {
  std::string out;
  for (FT_UInt i = 0; i + 1 < length; i += 2) {
    char32_t unit = (bytes[i] << 8) | bytes[i + 1];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < length) {
      const char32_t low = (bytes[i + 2] << 8) | bytes[i + 3];
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::vector<std::string> FamilyNames(FT_Face face) {
  std::vector<std::string> names;
  if (face->family_name) names.push_back(FoldFamilyName(face->family_name));
  const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
  for (FT_UInt i = 0; i < count; ++i) {
    FT_SfntName name;
    if (FT_Get_Sfnt_Name(face, i, &name) != 0) continue;
    if (name.platform_id != TT_PLATFORM_MICROSOFT || name.encoding_id != TT_MS_ID_UNICODE_CS)
      continue;
    if (name.name_id != TT_NAME_ID_FONT_FAMILY && name.name_id != TT_NAME_ID_TYPOGRAPHIC_FAMILY)
      continue;
    names.push_back(FoldFamilyName(Utf16BeToUtf8(name.string, name.string_len)));
  }
  return names;
}

// Code page 932 in the OS/2 table, or at least hiragana in the character map.
bool CoversJapanese(FT_Face face) {
  constexpr FT_ULong kJisCodePageBit = 1ul << 17;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && (os2->ulCodePageRange1 & kJisCodePageBit)) return true;
  return FT_Get_Char_Index(face, 0x3042) != 0;
}

std::vector<fs::path> FontFolders() {
  std::vector<fs::path> folders;
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length > 0 && length < MAX_PATH) folders.push_back(fs::path(windows) / L"Fonts");
  if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"))
    folders.push_back(fs::path(local) / L"Microsoft" / L"Windows" / L"Fonts");
  return folders;
}

bool IsFontFile(const fs::path& path) {
  std::wstring ext = path.extension().wstring();
  std::transform(ext.begin(), ext.end(), ext.begin(), ::towlower);
  return ext == L".ttf" || ext == L".ttc" || ext == L".otf" || ext == L".otc";
}

}  // namespace

const std::vector<TWindowsFontResolver::Entry>& TWindowsFontResolver::Entries() {
  if (FScanned) return FEntries;
  FScanned = true;
  for (const fs::path& folder : FontFolders()) {
    std::error_code error;
    for (const auto& file : fs::directory_iterator(folder, error)) {
      if (!file.is_regular_file(error) || !IsFontFile(file.path())) continue;
      // FreeType opens files by their ANSI name; the font folders have plain ASCII names.
      const std::string path = file.path().string();
      for (int index = 0, count = 1; index < count; ++index) {
        TFaceHandle face = OpenFace(path, index);
        if (!face) break;
        count = static_cast<int>(face->num_faces);
        Entry entry;
        entry.Families = FamilyNames(face.get());
        entry.Face = {path, index, (face->style_flags & FT_STYLE_FLAG_BOLD) != 0,
                      (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0};
        entry.Japanese = CoversJapanese(face.get());
        FEntries.push_back(std::move(entry));
      }
    }
  }
  return FEntries;
}

std::optional<TFontFace> TWindowsFontResolver::Nearest(const std::vector<const Entry*>& candidates,
                                                       bool bold, bool italic) {
  const Entry* best = nullptr;
  int bestScore = -1;
  for (const Entry* e : candidates) {
    const int score = (e->Face.Bold == bold ? 2 : 0) + (e->Face.Italic == italic ? 1 : 0);
    if (score > bestScore) best = e, bestScore = score;
  }
  if (!best) return std::nullopt;
  return best->Face;
}

std::optional<TFontFace> TWindowsFontResolver::FindFamily(const std::string& family, bool bold,
                                                          bool italic) {
  const std::string wanted = FoldFamilyName(family);
  std::vector<const Entry*> candidates;
  for (const Entry& e : Entries())
    if (std::find(e.Families.begin(), e.Families.end(), wanted) != e.Families.end())
      candidates.push_back(&e);
  return Nearest(candidates, bold, italic);
}

std::optional<TFontFace> TWindowsFontResolver::FindJapanese(bool bold, bool italic) {
  std::vector<const Entry*> candidates;
  for (const Entry& e : Entries())
    if (e.Japanese) candidates.push_back(&e);
  return Nearest(candidates, bold, italic);
}

std::optional<TFontFace> TWindowsFontResolver::FindAny(bool bold, bool italic) {
  std::vector<const Entry*> candidates;
  for (const Entry& e : Entries()) candidates.push_back(&e);
  return Nearest(candidates, bold, italic);
}

}  // namespace tk

#endif  // _WIN32
