#include "app/mail/TimeStamp.h"

namespace app {

std::string FormatTimeStamp(std::time_t time) {
  // std::localtime's shared result is safe here: the board runs on its one GUI thread.
  std::tm local{};
  if (const std::tm* converted = std::localtime(&time)) local = *converted;
  char buffer[24];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y%m%d%H%M", &local);
  return std::string(buffer, n);
}

}  // namespace app
