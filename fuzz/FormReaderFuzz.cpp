// Bytes of a form text file, read the way the gallery reads any form a user gives it: parsed,
// then built through the widget set's property lists on the headless backend. Every input must
// give components or the reader's exception.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/streaming/FormReader.h"
#include "widgets/Widgets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static headless::THeadlessPlatform platform;
  tk::SetPlatform(&platform);
  widgets::RegisterWidgetClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    std::unique_ptr<tk::TComponent> root =
        tk::ReadForm(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!root) __builtin_trap();
  } catch (const tk::Exception&) {
  }
  return 0;
}
