// poterinko-scenario [--form FILE] [SCRIPT]: plays a script of user actions against the real
// board (or a form read from FILE) on the headless backend and prints one line per outward
// event.

#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"
#include "toolkit/streaming/FormReader.h"
#include "tools/scenario/ScenarioRunner.h"
#include "widgets/Widgets.h"

namespace {

int Usage() {
  std::cerr << "usage: poterinko-scenario [--form FILE] [SCRIPT]\n";
  return 2;
}

bool ReadAll(std::istream& in, std::string& out) {
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return !in.bad();
}

// The board's program file, beside this driver: the information page names it.
std::string BoardProgramPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string self = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : "poterinko";
  const std::size_t slash = self.find_last_of('/');
  return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + "poterinko";
}

int RunForm(const std::string& formText, const std::string& formFile) {
  widgets::RegisterWidgetClasses();
  std::unique_ptr<tk::TComponent> root;
  try {
    root = tk::ReadForm(formText);
  } catch (const std::exception& e) {
    std::cerr << formFile << ": " << e.what() << "\n";
    return 2;
  }
  auto* form = dynamic_cast<tk::TForm*>(root.get());
  if (!form) {
    std::cerr << formFile << ": the root object must be a TForm\n";
    return 2;
  }
  tk::Application().SetTitle("ぽてりんこ");
  tk::Application().SetMainForm(form);
  const int code = tk::RunGuarded([] { tk::Application().Run(); });
  tk::Application().SetMainForm(nullptr);
  root.reset();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  std::string formFile, scriptFile;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--form" && i + 1 < argc) formFile = argv[++i];
    else if (!arg.empty() && arg[0] == '-' && arg != "-") return Usage();
    else if (scriptFile.empty()) scriptFile = arg;
    else return Usage();
  }

  std::string scriptText, formText;
  if (scriptFile.empty() || scriptFile == "-") {
    ReadAll(std::cin, scriptText);
  } else {
    std::ifstream in(scriptFile, std::ios::binary);
    if (!in || !ReadAll(in, scriptText)) {
      std::cerr << "poterinko-scenario: cannot read " << scriptFile << "\n";
      return 2;
    }
  }
  if (!formFile.empty()) {
    std::ifstream in(formFile, std::ios::binary);
    if (!in || !ReadAll(in, formText)) {
      std::cerr << "poterinko-scenario: cannot read " << formFile << "\n";
      return 2;
    }
  }

  std::vector<scenario::TCommand> commands;
  try {
    commands = scenario::ParseScript(scriptText);
  } catch (const scenario::EScriptError& e) {
    std::cerr << (scriptFile.empty() ? "<stdin>" : scriptFile) << ": " << e.what() << "\n";
    return 2;
  }

  headless::THeadlessPlatform platform;
  platform.SetProgramPath(BoardProgramPath());
  platform.OnLine = [](const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  };
  tk::SetPlatform(&platform);
  scenario::TScenarioRunner runner(platform, std::move(commands));
  platform.Driver = [&] { runner.Run(); };

  const int code = formFile.empty() ? app::RunPoterinko() : RunForm(formText, formFile);
  tk::SetPlatform(nullptr);
  if (code == 2) return 2;
  if (runner.Fault()) {
    std::cerr << (scriptFile.empty() ? "<stdin>" : scriptFile) << ": " << runner.Fault()->what()
              << "\n";
    return 2;
  }
  std::printf("exit %d\n", code);
  return code;
}
