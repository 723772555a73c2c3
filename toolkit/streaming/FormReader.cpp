#include "toolkit/streaming/FormReader.h"

#include <algorithm>

#include "toolkit/core/Ascii.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"

namespace tk {
namespace {

std::string Where(int line, const std::string& path) {
  return (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + path + ": ";
}

const TValueName* Named(const TPropInfo& p, std::string_view name) {
  auto it = std::find_if(p.Names.begin(), p.Names.end(),
                         [&](const TValueName& n) { return n.Name == name; });
  return it == p.Names.end() ? nullptr : &*it;
}

struct Fixup {
  TObject* object;
  const TPropInfo* property;
  std::string componentName;
  int line;
  std::string path;
};

class Reader {
 public:
  explicit Reader(TComponent& root) : FRoot(root) {}

  void ReadChildren(const TFormObject& node, TComponent& parent) {
    for (const auto& child : node.Children) ReadChild(*child, parent);
  }

  void ReadChild(const TFormObject& node, TComponent& parent) {
    const TClassInfo* info = ClassRegistry().Find(node.ClassName);
    if (!info || !info->Create)
      throw EReadError("line " + std::to_string(node.Line) + ": unknown class " + node.ClassName);
    if (FRoot.FindComponent(node.Name))
      throw EReadError("line " + std::to_string(node.Line) + ": a component named " + node.Name +
                       " exists already");
    TComponent* component = info->Create(&FRoot);
    FCreated.push_back(component);
    component->SetName(node.Name);
    component->SetParentComponent(&parent);
    ApplyAll(*component, *info, node);
    ReadChildren(node, *component);
  }

  void ApplyAll(TObject& object, const TClassInfo& info, const TFormObject& node) {
    for (const auto& prop : node.Properties) Apply(object, info, prop.Path, prop.Value, prop.Line);
  }

  void Apply(TObject& object, const TClassInfo& info, const std::string& path,
             const TFormValue& value, int line) {
    TObject* target = &object;
    const TClassInfo* targetInfo = &info;
    std::size_t start = 0;
    for (;;) {
      const std::size_t dot = path.find('.', start);
      const std::string segment = path.substr(start, dot == std::string::npos ? dot : dot - start);
      const TPropInfo* p = targetInfo->Find(segment);
      if (!p) throw EReadError(Where(line, path) + "unknown property of " + targetInfo->Name);
      if (dot == std::string::npos) {
        SetValue(*target, *p, value, line, path);
        return;
      }
      if (p->Type != TPropType::kObject)
        throw EReadError(Where(line, path) + segment + " has no properties of its own");
      target = p->ReadObject(*target);
      targetInfo = p->ObjectClass;
      start = dot + 1;
    }
  }

  void SetValue(TObject& object, const TPropInfo& p, const TFormValue& v, int line,
                const std::string& path) {
    auto fail = [&](const std::string& what) -> void {
      throw EReadError(Where(line, path) + what);
    };
    auto need = [&](TFormValue::TKind kind, const char* what) {
      if (v.Kind != kind) fail(std::string(what) + " expected");
    };
    // A value stored as a number that the text may also give by its name.
    auto nameOrNumber = [&](auto fromName, const std::string& noun, std::int64_t min,
                            std::int64_t max, const char* rangeFault) {
      if (v.Kind == TFormValue::TKind::kIdent) {
        auto named = fromName(v.Text);
        if (!named) fail("unknown " + noun + " " + v.Text);
        p.WriteOrdinal(object, *named);
      } else {
        need(TFormValue::TKind::kInteger, ("a " + noun).c_str());
        if (v.Integer < min || v.Integer > max) fail(rangeFault);
        // A negative colour stands for the same 32 bits as an unsigned one.
        p.WriteOrdinal(object, static_cast<std::uint32_t>(v.Integer));
      }
    };
    try {
      switch (p.Type) {
        case TPropType::kInteger:
          need(TFormValue::TKind::kInteger, "a whole number");
          if (v.Integer < p.MinValue || v.Integer > p.MaxValue)
            fail("out of range " + std::to_string(p.MinValue) + ".." + std::to_string(p.MaxValue));
          p.WriteOrdinal(object, v.Integer);
          return;
        case TPropType::kBoolean:
          need(TFormValue::TKind::kIdent, "True or False");
          if (EqualsNoCase(v.Text, "True")) p.WriteOrdinal(object, 1);
          else if (EqualsNoCase(v.Text, "False")) p.WriteOrdinal(object, 0);
          else fail("True or False expected");
          return;
        case TPropType::kEnum: {
          need(TFormValue::TKind::kIdent, "a name");
          const TValueName* named = Named(p, v.Text);
          if (!named) fail("unknown value " + v.Text);
          p.WriteOrdinal(object, named->Value);
          return;
        }
        case TPropType::kSet: {
          need(TFormValue::TKind::kSet, "a set [..]");
          std::int64_t bits = 0;
          for (const auto& item : v.Items) {
            const TValueName* named = Named(p, item);
            if (!named) fail("unknown set member " + item);
            bits |= named->Value;
          }
          p.WriteOrdinal(object, bits);
          return;
        }
        case TPropType::kColor:
          nameOrNumber(IdentToColor, "colour", INT32_MIN, UINT32_MAX, "colour out of range");
          return;
        case TPropType::kCharset:
          nameOrNumber(IdentToCharset, "character set", 0, 255, "out of range 0..255");
          return;
        case TPropType::kString:
          need(TFormValue::TKind::kString, "a string");
          p.WriteString(object, v.Text);
          return;
        case TPropType::kObject: fail("an object: set its properties one by one"); return;
        case TPropType::kEvent: {
          need(TFormValue::TKind::kIdent, "a handler name");
          const TMethodTable* methods = FRoot.Methods();
          if (!methods || !methods->Contains(v.Text)) fail("no handler named " + v.Text);
          if (!p.BindMethod(object, *methods, v.Text))
            fail("handler " + v.Text + " does not fit this event");
          return;
        }
        case TPropType::kComponent:
          need(TFormValue::TKind::kIdent, "a component name");
          FFixups.push_back({&object, &p, v.Text, line, path});
          return;
        case TPropType::kBinary:
          need(TFormValue::TKind::kBinary, "binary data {..}");
          p.WriteBytes(object, v.Bytes);
          return;
      }
    } catch (const EReadError&) {
      throw;
    } catch (const std::exception& e) {
      fail(e.what());
    }
  }

  void ResolveFixups() {
    for (const Fixup& f : FFixups) {
      TComponent* c = EqualsNoCase(f.componentName, "nil") ? nullptr
                      : f.componentName == FRoot.Name()    ? &FRoot
                                                           : FRoot.FindComponent(f.componentName);
      if (!c && !EqualsNoCase(f.componentName, "nil"))
        throw EReadError(Where(f.line, f.path) + "no component named " + f.componentName);
      if (!f.property->WriteComponent(*f.object, c))
        throw EReadError(Where(f.line, f.path) + f.componentName + " is of the wrong kind");
    }
    FFixups.clear();
  }

  void Finish() {
    ResolveFixups();
    for (TComponent* c : FCreated) c->Loaded();
  }

  // Undoes a failed read: what it created goes again, newest first.
  void DestroyCreated() {
    for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it) delete *it;
    FCreated.clear();
  }

 private:
  TComponent& FRoot;
  std::vector<TComponent*> FCreated;
  std::vector<Fixup> FFixups;
};

}  // namespace

const TClassInfo& ClassInfoOf(const TComponent& component) {
  const TClassInfo* info = ClassRegistry().Find(component.ClassName());
  if (!info) throw Exception(std::string("class ") + component.ClassName() + " is not registered");
  return *info;
}

void ReadFormInto(TComponent& root, const TClassInfo& rootClass, std::string_view text) {
  const std::unique_ptr<TFormObject> tree = ParseFormText(text);
  if (tree->ClassName != rootClass.Name)
    throw EReadError("line " + std::to_string(tree->Line) + ": " + tree->ClassName +
                     " cannot be read into a " + rootClass.Name);
  Reader reader(root);
  try {
    root.SetName(tree->Name);
    reader.ApplyAll(root, rootClass, *tree);
    reader.ReadChildren(*tree, root);
    reader.Finish();
  } catch (...) {
    reader.DestroyCreated();
    throw;
  }
  root.Loaded();
}

std::unique_ptr<TComponent> ReadForm(std::string_view text) {
  const std::unique_ptr<TFormObject> tree = ParseFormText(text);
  const TClassInfo* info = ClassRegistry().Find(tree->ClassName);
  if (!info || !info->Create)
    throw EReadError("line " + std::to_string(tree->Line) + ": unknown class " + tree->ClassName);
  std::unique_ptr<TComponent> root(info->Create(nullptr));
  Reader reader(*root);
  root->SetName(tree->Name);
  reader.ApplyAll(*root, *info, *tree);
  reader.ReadChildren(*tree, *root);
  reader.Finish();
  root->Loaded();
  return root;
}

void SetPropertyFromText(TComponent& root, TObject& object, const TClassInfo& objectClass,
                         const std::string& path, std::string_view valueText) {
  TFormValue value;
  try {
    value = ParseFormValue(valueText);
  } catch (const EReadError& e) {
    throw EReadError(path + ": " + e.what());
  }
  Reader reader(root);
  reader.Apply(object, objectClass, path, value, 0);
  reader.Finish();
}

}  // namespace tk
