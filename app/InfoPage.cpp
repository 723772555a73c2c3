// The information command: the program's page in the browser, named after the program file.

#include "app/MainWindow1.h"
#include "app/ProgramFile.h"
#include "toolkit/platform/Shell.h"

#ifndef POTERINKO_INFO_BASE
#define POTERINKO_INFO_BASE "https://info.invalid"
#endif

namespace app {

using namespace tk;

void TMainForm1::N4Click(TObject*) {
  const std::string name = ProgramBaseName(Shell().ProgramPath());
  Shell().OpenUrl(std::string(POTERINKO_INFO_BASE) + "/info.php?pf=w&sn=" + name);
}

}  // namespace app
