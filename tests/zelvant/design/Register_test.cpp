// Register, found by name in the loaded design package, fills a fresh designer registry
// with the palette, the property editors and the component editors.
#include <gtest/gtest.h>
#include <dlfcn.h>

#include <typeinfo>

#include "DesignedForm.h"
#include "zelvant/design/ZelvP.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

struct Registration : ::testing::Test {
  void* library = nullptr;
  Registration() {
    ClearDesignRegistrations();
    library = dlopen(ZELVANT_DESIGN_LIBRARY, RTLD_NOW);
  }
  ~Registration() override {
    if (library) dlclose(library);
  }
};

template <class E, class P>
bool Is(const std::unique_ptr<P>& p) {
  return p && typeid(*p) == typeid(E);
}

TEST_F(Registration, RegisterFillsThePaletteAndTheEditorTables) {
  ASSERT_NE(library, nullptr) << dlerror();
  auto entry = reinterpret_cast<void (*)()>(dlsym(library, "Register"));
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(PaletteClasses("Zelvant").empty());
  entry();
  std::vector<std::string> palette;
  for (const TClassInfo* c : PaletteClasses("Zelvant")) palette.push_back(c->Name());
  EXPECT_EQ(palette, (std::vector<std::string>{"TZelvant", "TABox", "TAGroupBox", "TAPanel", "TAImage", "TAJumpBitBtn",
                                               "TAJumpRadioBtn", "TAForm", "TAPageControl"}));

  TDesignedForm f(3);
  IDesigner* d = f.designer.get();
  EXPECT_TRUE(Is<TPageNameProperty>(GetPropertyEditor(d, {f.wizard}, "PageNames")));
  EXPECT_TRUE(Is<TWayListProperty>(GetPropertyEditor(d, {f.wizard}, "WayList")));
  EXPECT_TRUE(Is<TLayoutProperty>(GetPropertyEditor(d, {f.wizard}, "BLWizard")));
  EXPECT_TRUE(Is<TLayoutProperty>(GetPropertyEditor(d, {f.wizard}, "BLDialog")));
  EXPECT_TRUE(Is<TNumPagesProperty>(GetPropertyEditor(d, {f.wizard}, "NumPages")));
  for (const char* button : {"BtnHelp", "BtnWizardOK", "BtnFinish", "BtnDialogOK", "BtnChangeWizard",
                             "BtnChangeDialog", "BtnCancel", "BtnNext", "BtnBack"})
    EXPECT_TRUE(Is<TClassProperty>(GetPropertyEditor(d, {f.wizard}, button))) << button;
  // Other integers and string lists keep the host's editors.
  EXPECT_FALSE(Is<TNumPagesProperty>(GetPropertyEditor(d, {f.wizard}, "StartPage")));
  TABox* box = f.Box("Box1");
  auto* jump = new TAJumpRadioBtn(f.form);
  jump->SetParent(f.wizard);
  for (TPersistent* c : std::vector<TPersistent*>{box, jump})
    EXPECT_TRUE(Is<TShowProperty>(GetPropertyEditor(d, {c}, "ShowContainer")));

  for (TComponent* c : std::vector<TComponent*>{f.wizard, box, new TAGroupBox(f.form), new TAPanel(f.form),
                                               new TAForm(f.form)})
    EXPECT_TRUE(Is<TContainerEditor>(GetComponentEditor(c, d))) << c->ClassName();
  for (TComponent* c : std::vector<TComponent*>{jump, new TAImage(f.form), new TAJumpBitBtn(f.form)})
    EXPECT_FALSE(Is<TContainerEditor>(GetComponentEditor(c, d))) << c->ClassName();
}

}  // namespace
