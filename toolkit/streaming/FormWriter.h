#pragma once
// Writes a component tree as form text: values equal to a property's declared default are left
// out, properties without a declared default are always written, nested objects as dotted
// names ("Font.Height = -32"), child components as nested objects in creation order.

#include <string>

#include "toolkit/core/Component.h"
#include "toolkit/streaming/ClassInfo.h"

namespace tk {

std::string WriteForm(TComponent& root);

// The properties of one object (no header, no children), each line indented by `indent`.
std::string WriteProperties(TObject& object, const TClassInfo& info, const std::string& indent);

}  // namespace tk
