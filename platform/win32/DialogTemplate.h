#pragma once
// Writes a dialog template in memory (DLGTEMPLATE with its DLGITEMTEMPLATE items), for the
// dialogs we lay out ourselves. Include after the toolkit's headers.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/WinText.h"

// The toolkit's input codes come first: <windows.h> defines macros of the same names.
#include "toolkit/platform/InputCodes.h"

#include <windows.h>

namespace win32ui {

inline constexpr std::uint16_t kButtonClass = 0x0080;
inline constexpr std::uint16_t kStaticClass = 0x0082;

// A position and size in dialog units; all zero for controls laid out at WM_INITDIALOG.
struct TDialogUnits {
  std::int16_t X = 0, Y = 0, Width = 0, Height = 0;
};

class TTemplateWriter {
 public:
  // The dialog's own header with the font every dialog of ours uses.
  void Dialog(std::uint32_t style, int items, TDialogUnits bounds, const std::string& caption) {
    Dword(style | DS_SETFONT);
    Dword(0);  // extended style
    Word(static_cast<std::uint16_t>(items));
    Units(bounds);
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(caption);
    Word(9);
    Text("MS Shell Dlg");
  }
  void Item(std::uint32_t style, std::uint16_t id, std::uint16_t windowClass,
            const std::string& text, TDialogUnits bounds = {}) {
    AlignToDword();  // items start on a 32-bit boundary
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);  // extended style
    Units(bounds);
    Word(id);
    Word(0xFFFF);
    Word(windowClass);
    Text(text);
    Word(0);  // no creation data
  }
  std::vector<std::uint16_t> Take() { return std::move(FWords); }

 private:
  void Word(std::uint16_t w) { FWords.push_back(w); }
  void Dword(std::uint32_t d) {
    Word(static_cast<std::uint16_t>(d & 0xFFFF));
    Word(static_cast<std::uint16_t>(d >> 16));
  }
  void Units(TDialogUnits u) {
    for (std::int16_t v : {u.X, u.Y, u.Width, u.Height}) Word(static_cast<std::uint16_t>(v));
  }
  void Text(const std::string& utf8) {
    for (wchar_t c : Utf8ToWide(utf8)) Word(static_cast<std::uint16_t>(c));
    Word(0);
  }
  void AlignToDword() {
    if (FWords.size() % 2) Word(0);
  }

  std::vector<std::uint16_t> FWords;
};

}  // namespace win32ui
