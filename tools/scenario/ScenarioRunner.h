#pragma once
// Plays a checked script against the headless backend: each command becomes the input a user
// would give, or a scripted answer for the next dialog.

#include <optional>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "tools/scenario/Script.h"

namespace scenario {

class TScenarioRunner {
 public:
  TScenarioRunner(headless::THeadlessPlatform& platform, std::vector<TCommand> commands)
      : FPlatform(platform), FCommands(std::move(commands)) {}

  // Runs the commands until the last one or until the program ends; when the script ends with
  // the window still open, the user closes it. A command that cannot be carried out (a name
  // that does not exist, a bad value) stops the run and is kept in Fault().
  void Run();
  const std::optional<EScriptError>& Fault() const { return FFault; }

 private:
  void Execute(const TCommand& command);
  void Menu(const TCommand& command);
  void Set(const TCommand& command);
  void Shot(const TCommand& command);

  headless::THeadlessPlatform& FPlatform;
  std::vector<TCommand> FCommands;
  std::optional<EScriptError> FFault;
};

}  // namespace scenario
