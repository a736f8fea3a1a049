// The host's property editors: values of published properties as the Object
// Inspector shows and takes them.
#include "host/design/DesignIntf.h"
#include "host/core/Lists.h"

namespace host {

TPropertyEditor::TPropertyEditor(IDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop)
    : designer_(designer), components_(std::move(components)), prop_(prop) {
  props_.reserve(components_.size());
  const TClassInfo* first = components_.empty() || !components_.front() ? nullptr : &components_.front()->ClassInfo();
  for (TPersistent* c : components_) {
    const TPropInfo* own = nullptr;
    if (c) own = &c->ClassInfo() == first ? prop_ : c->ClassInfo().FindProperty(prop_->Name);
    if (!own || own->Kind != prop_->Kind)
      throw EPropertyError("Property " + prop_->Name + " is not one of " + (c ? c->ClassName() : std::string("nil")));
    props_.push_back(own);
  }
}

const TPropInfo* TPropertyEditor::PropInfoOf(Integer index) const {
  if (index < 0 || index >= PropCount()) ListIndexError(index);
  return props_[static_cast<size_t>(index)];
}

TPersistent* TPropertyEditor::GetComponent(Integer index) const {
  if (index < 0 || index >= PropCount()) ListIndexError(index);
  return components_[static_cast<size_t>(index)];
}

bool TPropertyEditor::AllEqual() { return PropCount() <= 1; }

std::int64_t TPropertyEditor::GetOrdValue() const {
  TPersistent* c = GetComponent(0);
  if (prop_->Kind == TTypeKind::Class) return static_cast<std::int64_t>(reinterpret_cast<NativeInt>(prop_->GetObj(c)));
  if (!prop_->GetOrd) throw EPropertyError("Property " + prop_->Name + " has no ordinal value");
  return prop_->GetOrd(c);
}

TObject* TPropertyEditor::GetObjectValue() const {
  if (prop_->Kind != TTypeKind::Class) throw EPropertyError("Property " + prop_->Name + " is not an object");
  return prop_->GetObj(GetComponent(0));
}

void TPropertyEditor::SetOrdValue(std::int64_t value) {
  if (!prop_->SetOrd) throw EPropertyError("Property " + prop_->Name + " is read-only");
  for (Integer i = 0; i < PropCount(); ++i)
    if (!PropInfoOf(i)->SetOrd) throw EPropertyError("Property " + prop_->Name + " is read-only");
  for (Integer i = 0; i < PropCount(); ++i) PropInfoOf(i)->SetOrd(GetComponent(i), value);
  Modified();
}

std::string TPropertyEditor::GetStrValue() const {
  if (!prop_->GetStr) throw EPropertyError("Property " + prop_->Name + " is not a string");
  return prop_->GetStr(GetComponent(0));
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  if (!prop_->SetStr) throw EPropertyError("Property " + prop_->Name + " is read-only");
  for (Integer i = 0; i < PropCount(); ++i)
    if (!PropInfoOf(i)->SetStr) throw EPropertyError("Property " + prop_->Name + " is read-only");
  for (Integer i = 0; i < PropCount(); ++i) PropInfoOf(i)->SetStr(GetComponent(i), value);
  Modified();
}

void TPropertyEditor::Modified() {
  if (designer_) designer_->Modified();
}

bool TOrdinalProperty::AllEqual() {
  if (PropCount() <= 1) return true;
  const std::int64_t v = PropInfo()->GetOrd(GetComponent(0));
  for (Integer i = 1; i < PropCount(); ++i)
    if (PropInfoOf(i)->GetOrd(GetComponent(i)) != v) return false;
  return true;
}

TPropertyAttributes TIntegerProperty::GetAttributes() {
  if (PropInfo()->Idents) return TPropertyAttributes{paMultiSelect, paValueList, paRevertable};
  return TPropertyAttributes{paMultiSelect, paRevertable};
}

void TIntegerProperty::GetValues(const std::function<void(const std::string&)>& proc) {
  if (const TIdentMap* idents = PropInfo()->Idents)
    for (const TIdentMapEntry& e : *idents) proc(e.Name);
}

std::string TIntegerProperty::GetValue() {
  if (const TIdentMap* idents = PropInfo()->Idents)
    for (const TIdentMapEntry& e : *idents)
      if (e.Value == GetOrdValue()) return e.Name;
  return IntToStr(GetOrdValue());
}

void TIntegerProperty::SetValue(const std::string& value) {
  std::int64_t v = 0;
  bool named = false;
  if (const TIdentMap* idents = PropInfo()->Idents)
    for (const TIdentMapEntry& e : *idents)
      if (SameText(e.Name, value)) {
        v = e.Value;
        named = true;
      }
  if (!named) v = StrToInt(value);  // EConvertError for text that is not a number
  if (v < PropInfo()->MinValue || v > PropInfo()->MaxValue)
    throw EPropertyError(Format("Value must be between %d and %d", {static_cast<long long>(PropInfo()->MinValue),
                                                                    static_cast<long long>(PropInfo()->MaxValue)}));
  SetOrdValue(v);
}

std::string TEnumProperty::GetValue() { return PropInfo()->Enum->NameOf(GetOrdValue()); }

void TEnumProperty::GetValues(const std::function<void(const std::string&)>& proc) {
  for (const std::string& n : PropInfo()->Enum->Names()) proc(n);
}

void TEnumProperty::SetValue(const std::string& value) {
  const int v = PropInfo()->Enum->ValueOf(value);
  if (v < 0) throw EPropertyError("Invalid property value");
  SetOrdValue(v);
}

std::string TSetProperty::GetValue() {
  const std::uint64_t bits = static_cast<std::uint64_t>(GetOrdValue());
  std::string out = "[";
  const auto& names = PropInfo()->Enum->Names();
  for (size_t i = 0; i < names.size() && i < 64; ++i)
    if (bits & (std::uint64_t{1} << i)) out += (out.size() > 1 ? "," : "") + names[i];
  return out + "]";
}

std::string TClassProperty::GetValue() { return "(" + PropInfo()->PropClass()->Name() + ")"; }

std::string TComponentProperty::GetValue() {
  auto* c = dynamic_cast<TComponent*>(GetObjectValue());
  return c ? c->Name() : std::string();
}

void TComponentProperty::GetValues(const std::function<void(const std::string&)>& proc) {
  TComponent* root = Designer() ? Designer()->GetRoot() : nullptr;
  if (!root) return;
  for (TComponent* c : root->ComponentList())
    if (!c->Name().empty() && c->InheritsFrom(*PropInfo()->PropClass())) proc(c->Name());
}

void TComponentProperty::SetValue(const std::string& value) {
  TObject* target = nullptr;
  if (!value.empty()) {
    TComponent* root = Designer() ? Designer()->GetRoot() : nullptr;
    target = root ? root->FindComponent(value) : nullptr;
    if (!target) throw EPropertyError("Invalid property value");
  }
  for (Integer i = 0; i < PropCount(); ++i)
    if (!PropInfoOf(i)->SetObj) throw EPropertyError("Property " + PropInfo()->Name + " is read-only");
  for (Integer i = 0; i < PropCount(); ++i) PropInfoOf(i)->SetObj(GetComponent(i), target);
  Modified();
}

std::string TMethodProperty::GetValue() {
  TEventBase* e = PropInfo()->EventRef(GetComponent(0));
  return e ? e->MethodName() : std::string();
}

void TMethodProperty::SetValue(const std::string& value) {
  TComponent* root = Designer() ? Designer()->GetRoot() : nullptr;
  for (Integer i = 0; i < PropCount(); ++i) {
    TEventBase* e = PropInfoOf(i)->EventRef(GetComponent(i));
    if (value.empty() || !root || !PropInfoOf(i)->BindEvent(GetComponent(i), root, root->MethodAddress(value)))
      e->SetUnbound(value);
  }
  Modified();
}

}  // namespace host
