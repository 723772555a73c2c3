#pragma once
// Builds components from form text through the published property lists: each nested object
// is created by class name, owned by the root and handed to its parent; each property is set
// through its setter; event names are bound to the root's handlers and component names are
// resolved once everything exists. A fault names the line and the property.

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/Component.h"
#include "toolkit/streaming/ClassInfo.h"

namespace tk {

// Reads form text into an existing root (a form reading its own layout). The root's class
// name must match the text's. On a fault the components created so far are destroyed again.
void ReadFormInto(TComponent& root, const TClassInfo& rootClass, std::string_view text);

// Creates the root from the text (its class must be registered) and reads it.
std::unique_ptr<TComponent> ReadForm(std::string_view text);

// Sets one property, given by a path like "Font.Height", from a value in form text syntax.
// Component and event names are resolved against `root`.
void SetPropertyFromText(TComponent& root, TObject& object, const TClassInfo& objectClass,
                         const std::string& path, std::string_view valueText);

// The class information of a registered component, looked up by its class name.
const TClassInfo& ClassInfoOf(const TComponent& component);

}  // namespace tk
