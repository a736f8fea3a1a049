// The designer interface: palette registration, property editors, component editors
// and the designer a form in design mode reports to.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/streaming/Filer.h"
#include "host/forms/Forms.h"

namespace host {

class EPropertyError : public Exception { using Exception::Exception; };

// What the design-time code may ask of the form designer beyond the form's hook.
class IDesigner : public IDesignerHook {
 public:
  // The components selected now, the one handed over last first.
  virtual std::vector<TPersistent*> GetSelections() const = 0;
};

HOST_ENUM(TPropertyAttribute, paValueList, paSubProperties, paDialog, paMultiSelect, paAutoUpdate, paSortList,
          paReadOnly, paRevertable)
using TPropertyAttributes = TSet<TPropertyAttribute>;

class TPropertyEditor;
// Receives the editors of properties one by one; the receiver keeps those it wants.
using TGetPropEditProc = std::function<void(std::unique_ptr<TPropertyEditor>)>;

// Edits one published property of the selected components (the first one decides
// what is shown; setting writes to all of them). A component whose class lacks the
// property raises EPropertyError when the editor is made.
class TPropertyEditor : public TObject {
 public:
  TPropertyEditor(IDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop);
  ~TPropertyEditor() override = default;

  virtual void Activate() {}
  virtual bool AllEqual();
  virtual void Edit() {}
  virtual TPropertyAttributes GetAttributes() { return TPropertyAttributes{paRevertable}; }
  virtual std::string GetName() const { return prop_->Name; }
  // The editors of the parts a paSubProperties editor expands into, in order.
  virtual void GetProperties(const TGetPropEditProc& proc) { (void)proc; }
  virtual std::string GetValue() { return "(unknown)"; }
  virtual void GetValues(const std::function<void(const std::string&)>& proc) { (void)proc; }
  virtual void Initialize() {}
  virtual void SetValue(const std::string& value) { (void)value; }

  Integer PropCount() const { return static_cast<Integer>(components_.size()); }
  // EListError outside the selection.
  TPersistent* GetComponent(Integer index) const;
  const std::vector<TPersistent*>& Components() const { return components_; }
  IDesigner* Designer() const { return designer_; }
  const TPropInfo* PropInfo() const { return prop_; }
  // The property as the class of component `index` publishes it: its accessors are
  // that class's, so several components of different classes are reached safely.
  const TPropInfo* PropInfoOf(Integer index) const;

  // Ordinal value of the first component: integers, enumerations, set bits, and for
  // class properties the object's identity (see GetObjectValue).
  std::int64_t GetOrdValue() const;
  void SetOrdValue(std::int64_t value);
  TObject* GetObjectValue() const;
  template <class T> T* GetObjectValueAs() const { return As<T>(GetObjectValue()); }
  std::string GetStrValue() const;
  void SetStrValue(const std::string& value);
  // Tells the designer that the edited form changed.
  void Modified();

 private:
  IDesigner* designer_;
  std::vector<TPersistent*> components_;
  const TPropInfo* prop_;
  std::vector<const TPropInfo*> props_;  // per component
};

class TOrdinalProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
};

// Decimal text; a value outside the property's range or not a number raises. A property
// with symbolic values (colours) shows them by name and lists them.
class TIntegerProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const std::function<void(const std::string&)>& proc) override;
  void SetValue(const std::string& value) override;
};

class TEnumProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;
  void GetValues(const std::function<void(const std::string&)>& proc) override;
  void SetValue(const std::string& value) override;
};

class TSetProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paSubProperties, paReadOnly, paRevertable}; }
  std::string GetValue() override;
  // One True / False editor per value of the element type.
  void GetProperties(const TGetPropEditProc& proc) override;
};

// One value of a set property: "True" while the set holds it. Setting it changes only
// that value in each component's set.
class TSetElementProperty : public TPropertyEditor {
 public:
  TSetElementProperty(IDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop, int element);
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paValueList, paSortList}; }
  std::string GetName() const override;
  std::string GetValue() override;
  void GetValues(const std::function<void(const std::string&)>& proc) override;
  void SetValue(const std::string& value) override;

 private:
  bool Holds(Integer index) const;
  int element_;
};

class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paRevertable}; }
  std::string GetValue() override { return GetStrValue(); }
  void SetValue(const std::string& value) override { SetStrValue(value); }
};

// A component's Name: names are unique, so it is never set on several at once.
class TComponentNameProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{}; }
};

// Sub-objects: shown as "(TClassName)" and expanded into their own properties.
class TClassProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  // The value names the class, the same for every component.
  bool AllEqual() override { return true; }
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paSubProperties, paReadOnly}; }
  std::string GetValue() override;
  // The published properties of the sub-objects (none while any of them is nil).
  void GetProperties(const TGetPropEditProc& proc) override;
};

// References to other components of the form, by name.
class TComponentProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;
  void GetValues(const std::function<void(const std::string&)>& proc) override;
  void SetValue(const std::string& value) override;
};

// Events: the name of the handler, a published method of the form.
class TMethodProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override { return TPropertyAttributes{paMultiSelect, paValueList, paSortList}; }
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// The type a property editor is registered for.
struct TTypeInfoRef {
  TTypeKind Kind = TTypeKind::Integer;
  const TClassInfo* Class = nullptr;  // class properties: this class or a descendant
  const TEnumInfo* Enum = nullptr;    // enumerations and sets
};

template <class T>
TTypeInfoRef TypeInfo() {
  if constexpr (std::is_same_v<T, bool> || HostEnum<T>) return {TTypeKind::Enumeration, nullptr, &EnumInfoOf<T>()};
  else if constexpr (IsTSet<T>::value) return {TTypeKind::Set, nullptr, &EnumInfoOf<typename IsTSet<T>::Element>()};
  else if constexpr (std::is_integral_v<T>) return {TTypeKind::Integer, nullptr, nullptr};
  else if constexpr (std::is_same_v<T, std::string>) return {TTypeKind::String, nullptr, nullptr};
  else return {TTypeKind::Class, &T::StaticClassInfo(), nullptr};
}

using TPropertyEditorClass =
    std::function<std::unique_ptr<TPropertyEditor>(IDesigner*, std::vector<TPersistent*>, const TPropInfo*)>;
template <class E>
TPropertyEditorClass PropertyEditorClass() {
  return [](IDesigner* d, std::vector<TPersistent*> c, const TPropInfo* p) -> std::unique_ptr<TPropertyEditor> {
    return std::make_unique<E>(d, std::move(c), p);
  };
}

// componentClass nullptr: any class; propertyName empty: any property of the type.
// The most specific registration wins (a name over none, a class over none, a closer
// property class over a farther one), then the later one.
void RegisterPropertyEditor(TTypeInfoRef propertyType, const TClassInfo* componentClass,
                            const std::string& propertyName, TPropertyEditorClass editorClass);
// The editor the Object Inspector would use for a property of the selection (the
// first component's class decides); nullptr when the property does not exist.
std::unique_ptr<TPropertyEditor> GetPropertyEditor(IDesigner* designer, std::vector<TPersistent*> components,
                                                   const std::string& propertyName);

enum class TPropertyKinds { Properties, Events };
// The editors of the published properties (or events) of the components, in declaration
// order. With several components only the properties they all have, of the same type,
// whose editors allow paMultiSelect.
void GetComponentProperties(IDesigner* designer, const std::vector<TPersistent*>& components, TPropertyKinds kinds,
                            const TGetPropEditProc& proc);

// Verbs on a component; Edit (a double click in the designer) carries out verb 0.
class TComponentEditor : public TObject {
 public:
  TComponentEditor(TComponent* component, IDesigner* designer) : component_(component), designer_(designer) {}
  ~TComponentEditor() override = default;
  virtual void Edit();
  virtual void ExecuteVerb(Integer index) { (void)index; }
  virtual std::string GetVerb(Integer index) { (void)index; return std::string(); }
  virtual Integer GetVerbCount() { return 0; }
  virtual void Copy() {}
  TComponent* Component() const { return component_; }
  IDesigner* Designer() const { return designer_; }

 private:
  TComponent* component_;
  IDesigner* designer_;
};

using TComponentEditorClass = std::function<std::unique_ptr<TComponentEditor>(TComponent*, IDesigner*)>;
template <class E>
TComponentEditorClass ComponentEditorClass() {
  return [](TComponent* c, IDesigner* d) -> std::unique_ptr<TComponentEditor> { return std::make_unique<E>(c, d); };
}

// A component editor registered for a class serves its descendants too.
void RegisterComponentEditor(const TClassInfo& componentClass, TComponentEditorClass editorClass);
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* component, IDesigner* designer);

// The palette: pages of component classes, in registration order.
void RegisterComponents(const std::string& page, std::initializer_list<const TClassInfo*> classes);
std::vector<std::string> PalettePages();
std::vector<const TClassInfo*> PaletteClasses(const std::string& page);
// The host's own controls on the palette page "Standard".
void RegisterStandardComponents();
// The 24 x 24 picture the palette shows for a class: the resource named as the class
// in upper case (any module's), else that of its nearest ancestor that has one (the
// host draws pictures for its own controls and a plain one for any component).
std::unique_ptr<TBitmap> PaletteBitmap(const TClassInfo& componentClass);
// Forgets every registration (palette, property and component editors); for tests and
// for unloading a design package.
void ClearDesignRegistrations();

// A form designer without a screen: it puts its form in design mode, selects what is
// clicked, moves what is dragged, and counts the modification notices.
class TFormDesigner : public IDesigner {
 public:
  // The form goes into design mode; components created in it afterwards (a form file
  // read with LoadForm, or components created in code) are designed too.
  explicit TFormDesigner(TCustomForm* form);
  ~TFormDesigner() override;

  TCustomForm* Form() const { return form_; }
  // Reads a form file into the designed form.
  void LoadForm(const std::string& text, const TReadOptions& options = {});

  void Modified() override { ++modified_; }
  bool IsDesignMsg(TControl* sender, TMessage& message) override;
  void Notification(TPersistent* component, TOperation operation) override;
  void SelectComponent(TPersistent* instance) override;
  TComponent* GetRoot() const override { return form_; }
  std::vector<TPersistent*> GetSelections() const override { return selection_; }

  Integer ModifiedCount() const { return modified_; }
  void ResetModified() { modified_ = 0; }
  // Every component handed over through SelectComponent or chosen by a click, in order.
  const std::vector<TPersistent*>& SelectLog() const { return selectLog_; }
  TPersistent* Selected() const { return selection_.empty() ? nullptr : selection_.front(); }

 private:
  TCustomForm* form_;
  Integer modified_ = 0;
  std::vector<TPersistent*> selection_;
  std::vector<TPersistent*> selectLog_;
  TControl* dragging_ = nullptr;  // pressed in the designer, moved by the mouse
  TPoint dragFrom_;
  bool dragged_ = false;
  bool controlHasMouse_ = false;  // the last press went to the control itself
};

}  // namespace host
