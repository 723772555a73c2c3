#include "widgets/Widgets.h"

#include "toolkit/streaming/StandardClassInfo.h"
#include "widgets/gradbox/GradboxClassInfo.h"
#include "widgets/shinespdbtn/ShinespdbtnClassInfo.h"

namespace widgets {

void RegisterWidgetClasses() {
  tk::RegisterStandardClasses();
  tk::ClassRegistry().Register(GradBoxClassInfo());
  tk::ClassRegistry().Register(ShineSpeedButtonClassInfo());
}

}  // namespace widgets
