#include "toolkit/streaming/FormReader.h"

#include <algorithm>
#include <cctype>

#include "toolkit/graphics/Color.h"
#include "toolkit/streaming/ValueNames.h"

namespace tk {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Where(int line, const std::string& path) {
  return (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + path + ": ";
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
    for (const auto& child : node.children) ReadChild(*child, parent);
  }

  void ReadChild(const TFormObject& node, TComponent& parent) {
    const TClassInfo* info = ClassRegistry().Find(node.className);
    if (!info || !info->create)
      throw EReadError("line " + std::to_string(node.line) + ": unknown class " + node.className);
    if (FRoot.FindComponent(node.name))
      throw EReadError("line " + std::to_string(node.line) + ": a component named " + node.name +
                       " exists already");
    TComponent* component = info->create(&FRoot);
    FCreated.push_back(component);
    component->SetLoading(true);
    component->SetName(node.name);
    component->SetParentComponent(&parent);
    ApplyAll(*component, *info, node);
    ReadChildren(node, *component);
  }

  void ApplyAll(TObject& object, const TClassInfo& info, const TFormObject& node) {
    for (const auto& prop : node.properties) Apply(object, info, prop.path, prop.value, prop.line);
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
      if (!p) throw EReadError(Where(line, path) + "unknown property of " + targetInfo->name);
      if (dot == std::string::npos) {
        SetValue(*target, *p, value, line, path);
        return;
      }
      if (p->type != TPropType::Object)
        throw EReadError(Where(line, path) + segment + " has no properties of its own");
      target = p->getObject(*target);
      targetInfo = p->objectClass;
      start = dot + 1;
    }
  }

  void SetValue(TObject& object, const TPropInfo& p, const TFormValue& v, int line,
                const std::string& path) {
    auto fail = [&](const std::string& what) -> void {
      throw EReadError(Where(line, path) + what);
    };
    auto need = [&](TFormValue::Kind kind, const char* what) {
      if (v.kind != kind) fail(std::string(what) + " expected");
    };
    try {
      switch (p.type) {
        case TPropType::Integer:
          need(TFormValue::Kind::Integer, "a whole number");
          if (v.integer < p.minValue || v.integer > p.maxValue)
            fail("out of range " + std::to_string(p.minValue) + ".." + std::to_string(p.maxValue));
          p.setOrdinal(object, v.integer);
          return;
        case TPropType::Boolean:
          need(TFormValue::Kind::Ident, "True or False");
          if (EqualsNoCase(v.text, "True")) p.setOrdinal(object, 1);
          else if (EqualsNoCase(v.text, "False")) p.setOrdinal(object, 0);
          else fail("True or False expected");
          return;
        case TPropType::Enum: {
          need(TFormValue::Kind::Ident, "a name");
          auto it = std::find(p.names.begin(), p.names.end(), v.text);
          if (it == p.names.end()) fail("unknown value " + v.text);
          p.setOrdinal(object, it - p.names.begin());
          return;
        }
        case TPropType::Set: {
          need(TFormValue::Kind::Set, "a set [..]");
          std::int64_t bits = 0;
          for (const auto& item : v.items) {
            auto it = std::find(p.names.begin(), p.names.end(), item);
            if (it == p.names.end()) fail("unknown set member " + item);
            bits |= std::int64_t{1} << (it - p.names.begin());
          }
          p.setOrdinal(object, bits);
          return;
        }
        case TPropType::Color:
          if (v.kind == TFormValue::Kind::Ident) {
            auto c = IdentToColor(v.text);
            if (!c) fail("unknown colour " + v.text);
            p.setOrdinal(object, *c);
          } else {
            need(TFormValue::Kind::Integer, "a colour");
            if (v.integer < INT32_MIN || v.integer > UINT32_MAX) fail("colour out of range");
            p.setOrdinal(object, static_cast<std::uint32_t>(v.integer));
          }
          return;
        case TPropType::Charset:
          if (v.kind == TFormValue::Kind::Ident) {
            auto c = IdentToCharset(v.text);
            if (!c) fail("unknown character set " + v.text);
            p.setOrdinal(object, *c);
          } else {
            need(TFormValue::Kind::Integer, "a character set");
            if (v.integer < 0 || v.integer > 255) fail("out of range 0..255");
            p.setOrdinal(object, v.integer);
          }
          return;
        case TPropType::String:
          need(TFormValue::Kind::String, "a string");
          p.setString(object, v.text);
          return;
        case TPropType::Object: fail("an object: set its properties one by one"); return;
        case TPropType::Event: {
          need(TFormValue::Kind::Ident, "a handler name");
          const TMethodTable* methods = FRoot.Methods();
          if (!methods || !methods->Contains(v.text)) fail("no handler named " + v.text);
          if (!p.bindMethod(object, *methods, v.text))
            fail("handler " + v.text + " does not fit this event");
          return;
        }
        case TPropType::Component:
          need(TFormValue::Kind::Ident, "a component name");
          FFixups.push_back({&object, &p, v.text, line, path});
          return;
        case TPropType::Binary:
          need(TFormValue::Kind::Binary, "binary data {..}");
          p.setBytes(object, v.bytes);
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
      if (!f.property->setComponent(*f.object, c))
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
  if (tree->className != rootClass.name)
    throw EReadError("line " + std::to_string(tree->line) + ": " + tree->className +
                     " cannot be read into a " + rootClass.name);
  Reader reader(root);
  root.SetLoading(true);
  try {
    root.SetName(tree->name);
    reader.ApplyAll(root, rootClass, *tree);
    reader.ReadChildren(*tree, root);
    reader.Finish();
  } catch (...) {
    reader.DestroyCreated();
    root.SetLoading(false);
    throw;
  }
  root.Loaded();
}

std::unique_ptr<TComponent> ReadForm(std::string_view text) {
  const std::unique_ptr<TFormObject> tree = ParseFormText(text);
  const TClassInfo* info = ClassRegistry().Find(tree->className);
  if (!info || !info->create)
    throw EReadError("line " + std::to_string(tree->line) + ": unknown class " + tree->className);
  std::unique_ptr<TComponent> root(info->create(nullptr));
  Reader reader(*root);
  root->SetLoading(true);
  root->SetName(tree->name);
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
