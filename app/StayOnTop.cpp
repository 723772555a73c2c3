// The stay-on-top command: the window above every other, or back among them.

#include "app/MainWindow1.h"

namespace app {

using namespace tk;

void TMainForm1::S1Click(TObject*) {
  if (S1->Checked()) {
    S1->SetChecked(false);
    SetFormStyle(TFormStyle::fsNormal);
  } else {
    S1->SetChecked(true);
    SetFormStyle(TFormStyle::fsStayOnTop);
  }
}

}  // namespace app
