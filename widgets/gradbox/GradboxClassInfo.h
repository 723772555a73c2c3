#pragma once
// The published property list of TGradBox, for form text.

#include "toolkit/streaming/ClassInfo.h"

namespace widgets {

const tk::TClassInfo& GradBoxClassInfo();

}  // namespace widgets
