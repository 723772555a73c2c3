// The save command: the board as shown, to a JPEG file the user names.

#include "app/BoardJpeg.h"
#include "app/MainWindow1.h"

namespace app {

using namespace tk;

void TMainForm1::Save1Click(TObject*) {
  // The snapshot comes first, so that no dialog can be part of it.
  TakeSnapshot();
  if (!SavePictureDialog1->Execute()) return;
  const std::string path = SavePictureDialog1->FileName();
  if (FileExists(path) &&
      MessageDlg(path + " は既に存在します。\n上書きしますか？", TMsgDlgType::mtConfirmation,
                 mbYes | mbNo, 0) != TModalResult::mrYes)
    return;
  WriteBoardJpeg(path, Image0->Picture().Bitmap(), kBoardJpegQuality);
}

}  // namespace app
