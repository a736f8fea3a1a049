// The wizard's property editors and its component editor, as the form designer uses
// them. The four dialog editors work on a copy in their dialog and write it back only
// after OK; whatever the outcome they update the wizard and tell the designer.
#pragma once

#include <string>

#include "host/design/DesignIntf.h"
#include "zelvant/ZelvA.h"

namespace zelvant {

// "[PageNames]": the page-names dialog; after OK the rows become the page count, the
// names and the order of every page-aware control's position records.
class TPageNameProperty : public host::TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  void Edit() override;
  host::TPropertyAttributes GetAttributes() override { return host::TPropertyAttributes{host::paDialog}; }
  std::string GetValue() override { return "[PageNames]"; }
};

// "[WayList]": the way-list editor.
class TWayListProperty : public host::TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  void Edit() override;
  host::TPropertyAttributes GetAttributes() override { return host::TPropertyAttributes{host::paDialog}; }
  std::string GetValue() override { return "[WayList]"; }
};

// "[ShowContainer]": the pages on which a page-aware control is shown.
class TShowProperty : public host::TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  void Edit() override;
  host::TPropertyAttributes GetAttributes() override { return host::TPropertyAttributes{host::paDialog}; }
  std::string GetValue() override { return "[ShowContainer]"; }
};

// "[ButtonLayout]": the order of the bar's buttons, for BLWizard and BLDialog.
class TLayoutProperty : public host::TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  void Edit() override;
  host::TPropertyAttributes GetAttributes() override { return host::TPropertyAttributes{host::paDialog}; }
  std::string GetValue() override { return "[ButtonLayout]"; }
};

// NumPages asks before it drops pages; text that is not a number changes nothing.
class TNumPagesProperty : public host::TIntegerProperty {
 public:
  using TIntegerProperty::TIntegerProperty;
  void SetValue(const std::string& value) override;
};

// Declared for completeness and never registered: it edits nothing.
class TPageChangeListProperty : public host::TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  void Edit() override {}
  host::TPropertyAttributes GetAttributes() override { return host::TPropertyAttributes{host::paDialog}; }
  std::string GetValue() override { return "[PageChangeList]"; }
};

// Verbs of the wizard and the page-aware containers: insert the controls a container
// covers; on the wizard also make jump controls clickable or inert again, and give the
// form the size of the other presentation.
class TContainerEditor : public host::TComponentEditor {
 public:
  TContainerEditor(host::TComponent* component, host::IDesigner* designer) : TComponentEditor(component, designer) {}
  void ExecuteVerb(Integer Index) override;
  std::string GetVerb(Integer Index) override;
  Integer GetVerbCount() override;

 private:
  void InsertCoveredControls();
  void SetJumpMode(bool designMode);
  void SetOtherPresentationSize();
  void Modified();
};

}  // namespace zelvant
