// The two commands about the window itself: staying on top, and the information page.

#include "app/MainWindow1.h"
#include "app/ProgramFile.h"

#ifndef POTERINKO_INFO_BASE
#define POTERINKO_INFO_BASE "https://info.invalid"
#endif

namespace app {

using namespace tk;

void TMainForm1::S1Click(TObject*) {
  if (S1->Checked()) {
    S1->SetChecked(false);
    MainForm1->SetFormStyle(TFormStyle::fsNormal);
  } else {
    S1->SetChecked(true);
    MainForm1->SetFormStyle(TFormStyle::fsStayOnTop);
  }
}

void TMainForm1::N4Click(TObject*) {
  const std::string name = ProgramBaseName(Platform().ProgramPath());
  Platform().OpenUrl(std::string(POTERINKO_INFO_BASE) + "/info.php?pf=w&sn=" + name);
}

}  // namespace app
