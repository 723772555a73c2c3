#include "widgets/Widgets.h"

#include "toolkit/streaming/StandardClasses.h"
#include "widgets/gradbox/GradboxClass.h"

namespace widgets {

void RegisterWidgetClasses() {
  tk::RegisterStandardClasses();
  tk::ClassRegistry().Register(GradBoxClassInfo());
}

}  // namespace widgets
