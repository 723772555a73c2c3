#include "app/mail/TimeStamp.h"

namespace app {

std::string FormatTimeStamp(std::time_t time) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &time);
#else
  localtime_r(&time, &local);
#endif
  char buffer[24];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y%m%d%H%M", &local);
  return std::string(buffer, n);
}

}  // namespace app
