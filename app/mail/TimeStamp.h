#pragma once

#include <ctime>
#include <string>

namespace app {

// The local date and time as "%Y%m%d%H%M": 12 digits, no separators.
std::string FormatTimeStamp(std::time_t time);

}  // namespace app
