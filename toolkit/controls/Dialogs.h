#pragma once
// The save-picture dialog and the message dialogs (questions and notices), centred on the screen.

#include <string>

#include "toolkit/core/Component.h"
#include "toolkit/core/EnumNames.h"
#include "toolkit/platform/SystemDialogs.h"

namespace tk {

enum TOpenOption : unsigned {
  ofReadOnly = 0x1,
  ofOverwritePrompt = 0x2,
  ofHideReadOnly = 0x4,
  ofNoChangeDir = 0x8,
  ofEnableSizing = 0x10,
};
using TOpenOptions = unsigned;
inline constexpr auto kOpenOptionNames =
    SetMemberNames<TOpenOption>({{ofReadOnly, "ofReadOnly"},
                                 {ofOverwritePrompt, "ofOverwritePrompt"},
                                 {ofHideReadOnly, "ofHideReadOnly"},
                                 {ofNoChangeDir, "ofNoChangeDir"},
                                 {ofEnableSizing, "ofEnableSizing"}});

class TSavePictureDialog : public TComponent {
 public:
  explicit TSavePictureDialog(TComponent* owner);
  const char* ClassName() const override { return "TSavePictureDialog"; }

  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& ext) { FDefaultExt = ext; }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& filter) { FFilter = filter; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& name) { FFileName = name; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title) { FTitle = title; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions options) { FOptions = options; }

  // Shows the dialog; true when the user chose a path, which is then FileName, with the
  // default extension added to a name typed without one.
  bool Execute();

 private:
  std::string FDefaultExt;
  std::string FFilter;
  std::string FFileName;
  std::string FTitle;
  TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
};

// `path` with ".ext" added when its file name has no extension.
std::string ApplyDefaultExtension(const std::string& path, const std::string& ext);

enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

// A question or notice with the system's captions for type and buttons. The default button is
// OK or else Yes; Esc answers Cancel or else No.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext);
// A notice with the application title as caption, no icon and one OK button.
void ShowMessage(const std::string& text);

}  // namespace tk
