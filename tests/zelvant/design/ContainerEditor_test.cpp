// The component editor's verbs on the wizard and the containers: their texts, inserting
// covered controls, the jump controls' mode, and the other presentation's form size.
#include <gtest/gtest.h>

#include "DesignedForm.h"
#include "zelvant/design/ZelvP.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

struct Verbs : ::testing::Test {
  TDesignedForm f{3};
  template <class T>
  T* Make(TWinControl* parent, Integer l, Integer t, Integer w, Integer h) {
    auto* c = new T(f.form);
    c->SetParent(parent);
    c->SetBounds(l, t, w, h);
    return c;
  }
};

TEST_F(Verbs, TheWizardOffersFourVerbsTheContainersOne) {
  auto editor = f.ComponentEditor(f.wizard);
  ASSERT_NE(dynamic_cast<TContainerEditor*>(editor.get()), nullptr);
  EXPECT_EQ(editor->GetVerbCount(), 4);
  EXPECT_EQ(editor->GetVerb(0), "Insert covered controls");
  EXPECT_EQ(editor->GetVerb(1), "Aktivate Jump controls");
  EXPECT_EQ(editor->GetVerb(2), "Disable Jump controls");
  EXPECT_EQ(editor->GetVerb(3), "Set size to Wizard size");
  f.wizard->setPage(2);
  EXPECT_EQ(editor->GetVerb(3), "Set size to Dialog size");
  EXPECT_EQ(editor->GetVerb(4), "");
  TComponent* containers[] = {Make<TABox>(f.wizard, 0, 0, 50, 50), Make<TAGroupBox>(f.wizard, 0, 0, 50, 50),
                              Make<TAPanel>(f.wizard, 0, 0, 50, 50), Make<TAForm>(f.wizard, 0, 0, 50, 50)};
  for (TComponent* c : containers) {
    auto e = f.ComponentEditor(c);
    ASSERT_NE(dynamic_cast<TContainerEditor*>(e.get()), nullptr) << c->ClassName();
    EXPECT_EQ(e->GetVerbCount(), 1);
    EXPECT_EQ(e->GetVerb(3), "");
  }
}

TEST_F(Verbs, InsertingTakesWhatLiesWhollyInsideEdgesIncluded) {
  f.wizard->SetAlign(alNone);
  f.wizard->SetBounds(20, 30, 400, 300);
  auto* button = Make<TButton>(f.form, 25, 35, 75, 25);
  auto* onEdge = Make<TPanel>(f.form, 20, 30, 400, 300);
  auto* halfOut = Make<TButton>(f.form, 400, 40, 75, 25);
  f.designer->ResetModified();
  f.ComponentEditor(f.wizard)->ExecuteVerb(0);
  EXPECT_EQ(button->Parent(), f.wizard);
  EXPECT_EQ(button->BoundsRect(), Bounds(5, 5, 75, 25));
  EXPECT_EQ(onEdge->Parent(), f.wizard);
  EXPECT_EQ(halfOut->Parent(), f.form);
  EXPECT_EQ(f.designer->ModifiedCount(), 1);
  // A container gathers from its own parent, never itself, the wizard's bar buttons or
  // what already lies in another container.
  auto* panel = Make<TAPanel>(f.wizard, 100, 100, 150, 100);
  auto* inside = Make<TButton>(f.wizard, 110, 110, 50, 20);
  auto* box = Make<TABox>(f.wizard, 100, 150, 40, 40);
  auto* inBox = Make<TButton>(box, 2, 2, 20, 20);
  f.ComponentEditor(panel)->ExecuteVerb(0);
  EXPECT_EQ(inside->Parent(), panel);
  EXPECT_EQ(inside->BoundsRect(), Bounds(10, 10, 50, 20));
  EXPECT_EQ(box->Parent(), panel);
  EXPECT_EQ(inBox->Parent(), box);
  EXPECT_EQ(f.wizard->NextButton()->Parent(), f.wizard);
  // Nothing covered: nothing changes and the designer hears nothing.
  f.designer->ResetModified();
  f.ComponentEditor(box)->ExecuteVerb(0);
  EXPECT_EQ(f.designer->ModifiedCount(), 0);
}

TEST_F(Verbs, AContainerInsideAnotherComparesInItsOwnParent) {
  auto* group = Make<TAGroupBox>(f.wizard, 200, 150, 200, 150);
  auto* panel = Make<TAPanel>(group, 10, 20, 100, 80);
  auto* label = Make<TButton>(group, 15, 25, 40, 13);
  auto* onWizard = Make<TButton>(f.wizard, 15, 25, 40, 13);  // same numbers, another parent
  f.ComponentEditor(panel)->Edit();  // a double click: verb 0
  EXPECT_EQ(label->Parent(), panel);
  EXPECT_EQ(label->BoundsRect(), Bounds(5, 5, 40, 13));
  EXPECT_EQ(onWizard->Parent(), f.wizard);
}

TEST_F(Verbs, JumpControlsAreMadeClickableAndInertAgain) {
  auto* jump = Make<TAJumpBitBtn>(f.wizard, 10, 10, 75, 25);
  auto* radio = Make<TAJumpRadioBtn>(f.wizard, 10, 40, 140, 17);
  auto editor = f.ComponentEditor(f.wizard);
  f.designer->ResetModified();
  editor->ExecuteVerb(1);
  EXPECT_FALSE(jump->ButtonMode());
  EXPECT_FALSE(radio->ComponentState().Contains(csDesigning));
  editor->ExecuteVerb(2);
  EXPECT_TRUE(jump->ButtonMode());
  EXPECT_TRUE(radio->ButtonMode());
  EXPECT_TRUE(jump->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(radio->HeldInDesignMode());
  EXPECT_EQ(f.designer->ModifiedCount(), 0);  // the mode is not stored
}

TEST_F(Verbs, TheFormTakesTheOtherPresentationsSize) {
  f.form->SetBounds(100, 100, 500, 400);  // recorded as the dialog size on page 0
  f.wizard->setPage(1);
  f.form->SetBounds(100, 100, 600, 450);  // the wizard size
  f.wizard->setPage(0);
  EXPECT_EQ(f.form->Width(), 500);
  auto editor = f.ComponentEditor(f.wizard);
  f.designer->ResetModified();
  editor->ExecuteVerb(3);
  EXPECT_EQ(f.form->Width(), 600);
  EXPECT_EQ(f.form->Height(), 450);
  EXPECT_GE(f.designer->ModifiedCount(), 1);
  f.wizard->setPage(2);
  f.wizard->setDialogWidth(300);
  f.wizard->setDialogHeight(250);
  editor->ExecuteVerb(3);
  EXPECT_EQ(f.form->Width(), 300);
  EXPECT_EQ(f.form->Height(), 250);
}

TEST_F(Verbs, AWizardOnAPanelResizesItsOwnerForm) {
  auto* panel = Make<TPanel>(f.form, 0, 0, 300, 300);
  f.wizard->SetParent(panel);
  f.wizard->setWizardWidth(640);
  f.wizard->setWizardHeight(480);
  f.ComponentEditor(f.wizard)->ExecuteVerb(3);
  EXPECT_EQ(f.form->Width(), 640);
  EXPECT_EQ(f.form->Height(), 480);
}

}  // namespace
