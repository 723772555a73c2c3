#pragma once
// The role of the system's dialogs: the error report, questions and notices, the save dialog,
// and the warning sound.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo };

struct TMessageDialogParams {
  std::string Caption;
  std::string Text;
  TMsgDlgType Type = TMsgDlgType::mtCustom;
  // Button captions with their results, left to right; the default button and the result of
  // Esc / closing the dialog.
  std::vector<std::pair<std::string, TModalResult>> Buttons;
  TModalResult DefaultButton = TModalResult::mrOk;
  TModalResult CancelResult = TModalResult::mrCancel;
};

struct TSaveDialogParams {
  std::string Filter;      // "Description|*.a;*.b"
  std::string DefaultExt;  // without the dot
  std::string FileName;    // offered again: the last chosen path
  std::string Title;
};

class ISystemDialogs {
 public:
  virtual ~ISystemDialogs() = default;

  virtual void ShowErrorBox(const std::string& caption, const std::string& text) = 0;
  virtual TModalResult MessageDialog(const TMessageDialogParams& params) = 0;
  // The path the user chose, as the dialog gives it, or nothing when cancelled.
  virtual std::optional<std::string> SaveDialog(const TSaveDialogParams& params) = 0;
  virtual void Beep() = 0;
};

ISystemDialogs& SystemDialogs();

}  // namespace tk
