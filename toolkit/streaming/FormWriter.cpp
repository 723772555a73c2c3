#include "toolkit/streaming/FormWriter.h"

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/streaming/FormReader.h"

namespace tk {
namespace {

std::string FormatOrdinal(const TPropInfo& p, std::int64_t v) {
  switch (p.Type) {
    case TPropType::kBoolean: return v ? "True" : "False";
    case TPropType::kEnum:
      for (const TValueName& n : p.Names)
        if (n.Value == v) return std::string(n.Name);
      return std::to_string(v);
    case TPropType::kSet: {
      TFormValue set;
      set.Kind = TFormValue::TKind::kSet;
      for (const TValueName& n : p.Names)
        if (v & n.Value) set.Items.emplace_back(n.Name);
      return FormatFormValue(set);
    }
    case TPropType::kColor: {
      const auto color = static_cast<TColor>(v);
      if (auto name = ColorToIdent(color)) return *name;
      return std::to_string(static_cast<std::int32_t>(color));
    }
    case TPropType::kCharset: return CharsetToIdent(static_cast<TFontCharset>(v));
    default: return std::to_string(v);
  }
}

void WriteProps(TObject& object, const TClassInfo& info, const std::string& indent,
                const std::string& prefix, std::string& out) {
  for (const TPropInfo& p : info.Properties) {
    if (p.Stored && !p.Stored(object)) continue;
    const std::string name = prefix + p.Name;
    std::string value;
    switch (p.Type) {
      case TPropType::kInteger:
      case TPropType::kBoolean:
      case TPropType::kEnum:
      case TPropType::kSet:
      case TPropType::kColor:
      case TPropType::kCharset: {
        const std::int64_t v = p.ReadOrdinal(object);
        if (p.DefaultOrdinal && *p.DefaultOrdinal == v) continue;
        value = FormatOrdinal(p, v);
        break;
      }
      case TPropType::kString: {
        const std::string v = p.ReadString(object);
        if (p.DefaultString && *p.DefaultString == v) continue;
        value = QuoteFormString(v);
        break;
      }
      case TPropType::kObject:
        WriteProps(*p.ReadObject(object), *p.ObjectClass, indent, name + ".", out);
        continue;
      case TPropType::kEvent:
        value = p.ReadMethodName(object);
        if (value.empty()) continue;
        break;
      case TPropType::kComponent: {
        TComponent* c = p.ReadComponent(object);
        if (!c || c->Name().empty()) continue;
        value = c->Name();
        break;
      }
      case TPropType::kBinary: {
        const std::vector<std::uint8_t> bytes = p.ReadBytes(object);
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
