#include "widgets/Widgets.h"

#include "toolkit/streaming/StandardClasses.h"
#include "widgets/gradbox/GradboxClass.h"
#include "widgets/shinespdbtn/ShinespdbtnClass.h"

namespace widgets {

void RegisterWidgetClasses() {
  tk::RegisterStandardClasses();
  tk::ClassRegistry().Register(GradBoxClassInfo());
  tk::ClassRegistry().Register(ShineSpeedButtonClassInfo());
}

}  // namespace widgets
