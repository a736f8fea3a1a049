#include "zelvant/design/Zelv32.h"

#include "host/design/DesignIntf.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"
#include "zelvant/ZelvL.h"
#include "zelvant/design/ZelvP.h"

namespace zelvant {

using namespace host;

void Register() {
  RegisterComponents("Zelvant", {&TZelvant::StaticClassInfo(), &TABox::StaticClassInfo(),
                                 &TAGroupBox::StaticClassInfo(), &TAPanel::StaticClassInfo(),
                                 &TAImage::StaticClassInfo(), &TAJumpBitBtn::StaticClassInfo(),
                                 &TAJumpRadioBtn::StaticClassInfo(), &TAForm::StaticClassInfo(),
                                 &TAPageControl::StaticClassInfo()});
  const TClassInfo* wizard = &TZelvant::StaticClassInfo();
  RegisterPropertyEditor(TypeInfo<TStrings>(), wizard, "PageNames", PropertyEditorClass<TPageNameProperty>());
  RegisterPropertyEditor(TypeInfo<TPageList>(), wizard, "WayList", PropertyEditorClass<TWayListProperty>());
  RegisterPropertyEditor(TypeInfo<TButtonData>(), nullptr, "", PropertyEditorClass<TClassProperty>());
  RegisterPropertyEditor(TypeInfo<TAposList>(), nullptr, "", PropertyEditorClass<TShowProperty>());
  RegisterPropertyEditor(TypeInfo<TIntegerList>(), wizard, "BLWizard", PropertyEditorClass<TLayoutProperty>());
  RegisterPropertyEditor(TypeInfo<TIntegerList>(), wizard, "BLDialog", PropertyEditorClass<TLayoutProperty>());
  RegisterPropertyEditor(TypeInfo<Integer>(), wizard, "NumPages", PropertyEditorClass<TNumPagesProperty>());
  for (const TClassInfo* c : {&TABox::StaticClassInfo(), &TAGroupBox::StaticClassInfo(), &TAPanel::StaticClassInfo(),
                              &TZelvant::StaticClassInfo()})
    RegisterComponentEditor(*c, ComponentEditorClass<TContainerEditor>());
}

}  // namespace zelvant

extern "C" void Register() { zelvant::Register(); }
