#include "toolkit/controls/Dialogs.h"

#include "toolkit/controls/Application.h"
#include "toolkit/core/FileName.h"

namespace tk {

TSavePictureDialog::TSavePictureDialog(TComponent* owner) : TComponent(owner) {}

bool TSavePictureDialog::Execute() {
  TSaveDialogParams params{FFilter, FDefaultExt, FFileName, FTitle};
  std::optional<std::string> chosen = SystemDialogs().SaveDialog(params);
  if (!chosen || chosen->empty()) return false;
  FFileName = ApplyDefaultExtension(*chosen, FDefaultExt);
  return true;
}

std::string ApplyDefaultExtension(const std::string& path, const std::string& ext) {
  if (ext.empty() || !ExtensionOf(path).empty()) return path;
  return path + "." + ext;
}

namespace {
std::string CaptionOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return "警告";
    case TMsgDlgType::mtError: return "エラー";
    case TMsgDlgType::mtInformation: return "情報";
    case TMsgDlgType::mtConfirmation: return "確認";
    case TMsgDlgType::mtCustom: break;
  }
  return Application().Title();
}
}  // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                        int /*helpContext*/) {
  TMessageDialogParams p;
  p.Caption = CaptionOf(type);
  p.Text = text;
  p.Type = type;
  if (buttons & mbYes) p.Buttons.push_back({"はい(&Y)", TModalResult::mrYes});
  if (buttons & mbNo) p.Buttons.push_back({"いいえ(&N)", TModalResult::mrNo});
  if (buttons & mbOK) p.Buttons.push_back({"OK", TModalResult::mrOk});
  if (buttons & mbCancel) p.Buttons.push_back({"キャンセル", TModalResult::mrCancel});
  p.DefaultButton = (buttons & mbOK) ? TModalResult::mrOk : TModalResult::mrYes;
  p.CancelResult = (buttons & mbCancel) ? TModalResult::mrCancel
                   : (buttons & mbNo)   ? TModalResult::mrNo
                                        : TModalResult::mrOk;
  return SystemDialogs().MessageDialog(p);
}

void ShowMessage(const std::string& text) { MessageDlg(text, TMsgDlgType::mtCustom, mbOK, 0); }

}  // namespace tk
