#pragma once

namespace widgets {

// Makes the widget set's classes (and the toolkit's own) known to the form reader.
void RegisterWidgetClasses();

}  // namespace widgets
