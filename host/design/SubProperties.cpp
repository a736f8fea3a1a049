// What the Object Inspector lists: the properties of a selection, and the parts that
// sub-objects and sets expand into.
#include <algorithm>

#include "host/design/DesignIntf.h"

namespace host {

namespace {

// The same property for the inspector: same name and same type.
bool SameProperty(const TPropInfo& a, const TPropInfo& b) {
  return SameText(a.Name, b.Name) && a.Kind == b.Kind && a.Enum == b.Enum && a.PropClass() == b.PropClass();
}

}  // namespace

void GetComponentProperties(IDesigner* designer, const std::vector<TPersistent*>& components, TPropertyKinds kinds,
                            const TGetPropEditProc& proc) {
  if (components.empty() || !components.front()) return;
  const bool several = components.size() > 1;
  for (const TPropInfo* p : components.front()->ClassInfo().Properties()) {
    if ((p->Kind == TTypeKind::Method) != (kinds == TPropertyKinds::Events)) continue;
    bool shared = true;
    for (size_t i = 1; i < components.size() && shared; ++i) {
      const TPropInfo* other = components[i] ? components[i]->ClassInfo().FindProperty(p->Name) : nullptr;
      shared = other && SameProperty(*p, *other);
    }
    if (!shared) continue;
    auto editor = GetPropertyEditor(designer, components, p->Name);
    if (!editor || (several && !editor->GetAttributes().Contains(paMultiSelect))) continue;
    proc(std::move(editor));
  }
}

bool TStringProperty::AllEqual() {
  for (Integer i = 1; i < PropCount(); ++i)
    if (PropInfoOf(i)->GetStr(GetComponent(i)) != PropInfo()->GetStr(GetComponent(0))) return false;
  return true;
}

bool TMethodProperty::AllEqual() {
  auto name = [&](Integer i) {
    TEventBase* e = PropInfoOf(i)->EventRef(GetComponent(i));
    return e ? e->MethodName() : std::string();
  };
  for (Integer i = 1; i < PropCount(); ++i)
    if (name(i) != name(0)) return false;
  return true;
}

void TClassProperty::GetProperties(const TGetPropEditProc& proc) {
  std::vector<TPersistent*> parts;
  for (Integer i = 0; i < PropCount(); ++i) {
    auto* part = dynamic_cast<TPersistent*>(PropInfoOf(i)->GetObj(GetComponent(i)));
    if (!part) return;
    parts.push_back(part);
  }
  GetComponentProperties(Designer(), parts, TPropertyKinds::Properties, proc);
}

void TSetProperty::GetProperties(const TGetPropEditProc& proc) {
  const size_t count = std::min<size_t>(PropInfo()->Enum->Names().size(), 64);
  for (size_t i = 0; i < count; ++i)
    proc(std::make_unique<TSetElementProperty>(Designer(), Components(), PropInfo(), static_cast<int>(i)));
}

TSetElementProperty::TSetElementProperty(IDesigner* designer, std::vector<TPersistent*> components,
                                         const TPropInfo* prop, int element)
    : TPropertyEditor(designer, std::move(components), prop), element_(element) {}

bool TSetElementProperty::Holds(Integer index) const {
  return (static_cast<std::uint64_t>(PropInfoOf(index)->GetOrd(GetComponent(index))) >> element_) & 1u;
}

bool TSetElementProperty::AllEqual() {
  for (Integer i = 1; i < PropCount(); ++i)
    if (Holds(i) != Holds(0)) return false;
  return true;
}

std::string TSetElementProperty::GetName() const { return PropInfo()->Enum->NameOf(element_); }

std::string TSetElementProperty::GetValue() { return Holds(0) ? "True" : "False"; }

void TSetElementProperty::GetValues(const std::function<void(const std::string&)>& proc) {
  proc("False");
  proc("True");
}

void TSetElementProperty::SetValue(const std::string& value) {
  bool on;
  if (SameText(value, "True")) on = true;
  else if (SameText(value, "False")) on = false;
  else throw EPropertyError("Invalid property value");
  for (Integer i = 0; i < PropCount(); ++i)
    if (!PropInfoOf(i)->SetOrd) throw EPropertyError("Property " + PropInfo()->Name + " is read-only");
  const std::uint64_t bit = std::uint64_t{1} << element_;
  for (Integer i = 0; i < PropCount(); ++i) {
    const TPropInfo* p = PropInfoOf(i);
    const auto bits = static_cast<std::uint64_t>(p->GetOrd(GetComponent(i)));
    p->SetOrd(GetComponent(i), static_cast<std::int64_t>(on ? bits | bit : bits & ~bit));
  }
  Modified();
}

}  // namespace host
