// Registrations of the design-time package: palette pages, property editors and
// component editors, and the look-ups that choose among them.
#include <algorithm>
#include <tuple>

#include "host/design/DesignIntf.h"

namespace host {

namespace {

struct TPropertyEditorReg {
  TTypeInfoRef Type;
  const TClassInfo* ComponentClass;
  std::string Name;
  TPropertyEditorClass Editor;
};

struct TComponentEditorReg {
  const TClassInfo* Class;
  TComponentEditorClass Editor;
};

struct TRegistry {
  std::vector<std::pair<std::string, std::vector<const TClassInfo*>>> palette;
  std::vector<TPropertyEditorReg> propertyEditors;
  std::vector<TComponentEditorReg> componentEditors;
};

TRegistry& Registry() {
  static TRegistry r;
  return r;
}

// How many steps up from cls to ancestor, or -1 when it is not one.
int Distance(const TClassInfo* cls, const TClassInfo* ancestor) {
  int d = 0;
  for (const TClassInfo* c = cls; c; c = c->Parent(), ++d)
    if (c == ancestor) return d;
  return -1;
}

bool TypeMatches(const TTypeInfoRef& t, const TPropInfo& p) {
  if (t.Kind != p.Kind) return false;
  if (t.Kind == TTypeKind::Class) return p.PropClass() && Distance(p.PropClass(), t.Class) >= 0;
  if (t.Kind == TTypeKind::Enumeration || t.Kind == TTypeKind::Set) return t.Enum == p.Enum;
  return true;
}

TPropertyEditorClass DefaultEditor(const TClassInfo& cls, const TPropInfo& p) {
  switch (p.Kind) {
    case TTypeKind::Integer: return PropertyEditorClass<TIntegerProperty>();
    case TTypeKind::Enumeration: return PropertyEditorClass<TEnumProperty>();
    case TTypeKind::Set: return PropertyEditorClass<TSetProperty>();
    case TTypeKind::String:
      if (SameText(p.Name, "Name") && cls.InheritsFrom(TComponent::StaticClassInfo()))
        return PropertyEditorClass<TComponentNameProperty>();
      return PropertyEditorClass<TStringProperty>();
    case TTypeKind::Method: return PropertyEditorClass<TMethodProperty>();
    case TTypeKind::Class:
      return p.IsReference ? PropertyEditorClass<TComponentProperty>() : PropertyEditorClass<TClassProperty>();
  }
  return PropertyEditorClass<TPropertyEditor>();
}

}  // namespace

void RegisterPropertyEditor(TTypeInfoRef propertyType, const TClassInfo* componentClass,
                            const std::string& propertyName, TPropertyEditorClass editorClass) {
  Registry().propertyEditors.push_back({propertyType, componentClass, propertyName, std::move(editorClass)});
}

std::unique_ptr<TPropertyEditor> GetPropertyEditor(IDesigner* designer, std::vector<TPersistent*> components,
                                                   const std::string& propertyName) {
  if (components.empty() || !components.front()) return nullptr;
  const TClassInfo& cls = components.front()->ClassInfo();
  const TPropInfo* prop = cls.FindProperty(propertyName);
  if (!prop) return nullptr;
  const TPropertyEditorReg* best = nullptr;
  std::tuple<bool, int, int> bestScore{};
  for (const TPropertyEditorReg& r : Registry().propertyEditors) {
    if (!TypeMatches(r.Type, *prop)) continue;
    if (!r.Name.empty() && !SameText(r.Name, prop->Name)) continue;
    const int classDistance = r.ComponentClass ? Distance(&cls, r.ComponentClass) : 0;
    if (classDistance < 0) continue;
    const int typeDistance = r.Type.Kind == TTypeKind::Class ? Distance(prop->PropClass(), r.Type.Class) : 0;
    // A named registration beats an unnamed one; a nearer component class or property
    // class beats a farther one; among equals the later registration wins.
    const std::tuple<bool, int, int> score{!r.Name.empty(), r.ComponentClass ? 1000 - classDistance : 0, 1000 - typeDistance};
    if (!best || score >= bestScore) {
      best = &r;
      bestScore = score;
    }
  }
  const TPropertyEditorClass make = best ? best->Editor : DefaultEditor(cls, *prop);
  auto editor = make(designer, std::move(components), prop);
  editor->Initialize();
  return editor;
}

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void RegisterComponentEditor(const TClassInfo& componentClass, TComponentEditorClass editorClass) {
  Registry().componentEditors.push_back({&componentClass, std::move(editorClass)});
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* component, IDesigner* designer) {
  if (!component) return nullptr;
  const TComponentEditorReg* best = nullptr;
  int bestDistance = 0;
  for (const TComponentEditorReg& r : Registry().componentEditors) {
    const int d = Distance(&component->ClassInfo(), r.Class);
    if (d < 0) continue;
    if (!best || d <= bestDistance) {
      best = &r;
      bestDistance = d;
    }
  }
  if (best) return best->Editor(component, designer);
  return std::make_unique<TComponentEditor>(component, designer);
}

void RegisterComponents(const std::string& page, std::initializer_list<const TClassInfo*> classes) {
  auto& pal = Registry().palette;
  auto it = std::find_if(pal.begin(), pal.end(), [&](const auto& p) { return SameText(p.first, page); });
  if (it == pal.end()) {
    pal.emplace_back(page, std::vector<const TClassInfo*>{});
    it = pal.end() - 1;
  }
  for (const TClassInfo* c : classes) {
    if (!c) continue;
    RegisterClass(*c);
    if (std::find(it->second.begin(), it->second.end(), c) == it->second.end()) it->second.push_back(c);
  }
}

std::vector<std::string> PalettePages() {
  std::vector<std::string> out;
  for (const auto& p : Registry().palette) out.push_back(p.first);
  return out;
}

std::vector<const TClassInfo*> PaletteClasses(const std::string& page) {
  for (const auto& p : Registry().palette)
    if (SameText(p.first, page)) return p.second;
  return {};
}

void ClearDesignRegistrations() {
  Registry().palette.clear();
  Registry().propertyEditors.clear();
  Registry().componentEditors.clear();
}

}  // namespace host
