#pragma once
// The published properties of TShineSpeedButton and of its colour sets, in streaming order.

#include "toolkit/streaming/ClassInfo.h"

namespace widgets {

const tk::TClassInfo& ShineBtnColorsClassInfo();
const tk::TClassInfo& ShineSpeedButtonClassInfo();

}  // namespace widgets
