#include "toolkit/streaming/FormWriter.h"

#include "toolkit/graphics/Color.h"
#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/ValueNames.h"

namespace tk {
namespace {

std::string FormatOrdinal(const TPropInfo& p, std::int64_t v) {
  switch (p.type) {
    case TPropType::Boolean: return v ? "True" : "False";
    case TPropType::Enum:
      if (v >= 0 && v < static_cast<std::int64_t>(p.names.size()))
        return p.names[static_cast<std::size_t>(v)];
      return std::to_string(v);
    case TPropType::Set: {
      TFormValue set;
      set.kind = TFormValue::Kind::Set;
      for (std::size_t i = 0; i < p.names.size(); ++i)
        if (v & (std::int64_t{1} << i)) set.items.push_back(p.names[i]);
      return FormatFormValue(set);
    }
    case TPropType::Color: {
      const auto color = static_cast<TColor>(v);
      if (auto name = ColorToIdent(color)) return *name;
      return std::to_string(static_cast<std::int32_t>(color));
    }
    case TPropType::Charset: return CharsetToIdent(static_cast<int>(v));
    default: return std::to_string(v);
  }
}

void WriteProps(TObject& object, const TClassInfo& info, const std::string& indent,
                const std::string& prefix, std::string& out) {
  for (const TPropInfo& p : info.properties) {
    if (p.stored && !p.stored(object)) continue;
    const std::string name = prefix + p.name;
    std::string value;
    switch (p.type) {
      case TPropType::Integer:
      case TPropType::Boolean:
      case TPropType::Enum:
      case TPropType::Set:
      case TPropType::Color:
      case TPropType::Charset: {
        const std::int64_t v = p.getOrdinal(object);
        if (p.defaultOrdinal && *p.defaultOrdinal == v) continue;
        value = FormatOrdinal(p, v);
        break;
      }
      case TPropType::String: {
        const std::string v = p.getString(object);
        if (p.defaultString && *p.defaultString == v) continue;
        value = QuoteFormString(v);
        break;
      }
      case TPropType::Object:
        WriteProps(*p.getObject(object), *p.objectClass, indent, name + ".", out);
        continue;
      case TPropType::Event:
        value = p.getMethodName(object);
        if (value.empty()) continue;
        break;
      case TPropType::Component: {
        TComponent* c = p.getComponent(object);
        if (!c || c->Name().empty()) continue;
        value = c->Name();
        break;
      }
      case TPropType::Binary: {
        const std::vector<std::uint8_t> bytes = p.getBytes(object);
        if (bytes.empty()) continue;
        value = FormatBinary(bytes, indent);
        break;
      }
    }
    out += indent + name + " = " + value + "\n";
  }
}

void WriteObject(TComponent& root, TComponent& component, const std::string& indent,
                 std::string& out) {
  out += indent + "object " + component.Name() + ": " + component.ClassName() + "\n";
  WriteProps(component, ClassInfoOf(component), indent + "  ", "", out);
  for (int i = 0; i < root.ComponentCount(); ++i) {
    TComponent* child = root.Components(i);
    TComponent* parent = child->GetParentComponent();
    if (parent == &component || (&component == &root && parent == nullptr))
      WriteObject(root, *child, indent + "  ", out);
  }
  out += indent + "end\n";
}

}  // namespace

std::string WriteProperties(TObject& object, const TClassInfo& info, const std::string& indent) {
  std::string out;
  WriteProps(object, info, indent, "", out);
  return out;
}

std::string WriteForm(TComponent& root) {
  std::string out;
  WriteObject(root, root, "", out);
  return out;
}

}  // namespace tk
