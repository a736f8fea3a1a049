// Ownership of a wizard form: freeing the form frees the wizard, its controls and the
// embedded forms once each, whatever order a form file creates them in.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/core/ClassBuilder.h"
#include "host/stdctrls/Dialogs.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

int liveEmbedded = 0;

// An embedded form that counts how many of its kind are alive.
class TCountedForm : public TForm {
 public:
  explicit TCountedForm(TComponent* owner) : TForm(owner) { ++liveEmbedded; }
  ~TCountedForm() override { --liveEmbedded; }
};

// A wizard form class that hands out embedded forms by name from the form file.
class TOwnerForm : public TForm {
  HOST_CLASS(TOwnerForm, TForm)
  using TForm::TForm;
  TForm* GetOptions() { return new TCountedForm(nullptr); }
  void FreeOptions(TAForm*, TForm*) { ++freed; }
  int freed = 0;
};

const char* kForm =
    "object OwnerForm: TOwnerForm\n"
    "  Width = 520\n"
    "  Height = 400\n"
    "  object Zelvant1: TZelvant\n"
    "    NumPages = 3\n"
    "    Page = 1\n"
    "    object Box1: TABox\n"
    "      ShowContainer.NumApos = 4\n"
    "      ShowContainer.Data = {\n"
    "        000000000000000000000000080000000800000001000000000000000000000000000000\n"
    "        000000000000000000000000}\n"
    "      object Inner: TAPanel\n"
    "        ParentInDialog = Group1\n"
    "      end\n"
    "    end\n"
    "    object Embed1: TAForm\n"
    "      FormCreate = fcOnCreate\n"
    "      OnGetForm = GetOptions\n"
    "      OnFreeForm = FreeOptions\n"
    "    end\n"
    "    object Embed2: TAForm\n"
    "      FormCreate = fcOnDemandFree\n"
    "      OnGetForm = GetOptions\n"
    "    end\n"
    "    object Group1: TAGroupBox\n"
    "      object Jump1: TAJumpRadioBtn\n"
    "        JumpPage = 3\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object Outside: TAPanel\n"
    "    ParentInDialog = Zelvant1\n"
    "  end\n"
    "end\n";

}  // namespace

HOST_PUBLISHED(TOwnerForm) {
  P.Method("GetOptions", &TOwnerForm::GetOptions);
  P.Method("FreeOptions", &TOwnerForm::FreeOptions);
}

TEST(Ownership, ALoadedFormFreesEverythingOnceWhicheverIsFreedFirst) {
  liveEmbedded = 0;
  for (int order = 0; order < 4; ++order) {
    SCOPED_TRACE(order);
    auto* form = As<TOwnerForm>(ReadForm(kForm));
    ASSERT_EQ(liveEmbedded, 1);  // fcOnCreate asked at the end of loading
    auto* z = As<TZelvant>(form->FindComponent("Zelvant1"));
    z->setPage(1);
    EXPECT_EQ(liveEmbedded, 2);  // the on-demand container is shown on page 1 too
    z->setPage(2);
    EXPECT_EQ(liveEmbedded, 1);  // ... and gives its form back on page 2
    z->setPage(1);
    switch (order) {
      case 0: break;                                       // the form frees all
      case 1: delete z; break;                             // the wizard first
      case 2: delete form->FindComponent("Box1"); break;   // a container with a child
      case 3: delete form->FindComponent("Embed1"); break; // a container holding a form
    }
    delete form;
    EXPECT_EQ(liveEmbedded, 0);
  }
}

TEST(Ownership, ControlsOutsideTheWizardOutliveItSafely) {
  auto* form = As<TOwnerForm>(ReadForm(kForm));
  auto* outside = As<TAPanel>(form->FindComponent("Outside"));
  auto* z = As<TZelvant>(form->FindComponent("Zelvant1"));
  EXPECT_EQ(outside->FZelvant, z);
  EXPECT_EQ(outside->Parent(), form);  // a wizard page is shown: the dialog parent is only stored
  EXPECT_EQ(outside->GetParentInDialog(), z);
  delete z;
  EXPECT_EQ(outside->FZelvant, nullptr);
  EXPECT_EQ(outside->GetParentInDialog(), nullptr);
  outside->SetNewPosition(1);  // unbound now, with a list the wizard sized: just hides
  delete form;
}

TEST(Ownership, AnEmbeddedFormFreedByTheApplicationIsForgotten) {
  Wizard w;
  w.z->setPage(1);
  auto* container = new TAForm(w.form);
  container->SetParent(w.z);
  container->OnGetForm = []() -> TForm* { return new TForm(nullptr); };
  w.z->setPage(1);
  ASSERT_NE(container->Form(), nullptr);
  delete container->Form();  // not the application's to free, but it must not crash
  EXPECT_EQ(container->Form(), nullptr);
}

TEST(Ownership, ControlsCreatedBeforeTheWizardStayUnbound) {
  std::vector<std::string> messages;
  SetMessageDlgHandler([&](const std::string& m, TMsgDlgType, TMsgDlgButtons, Integer) {
    messages.push_back(m);
    return mrOk;
  });
  const std::string text =
      "object OwnerForm: TOwnerForm\n"
      "  object Early: TAPanel\n  end\n"
      "  object Zelvant1: TZelvant\n    NumPages = 2\n    Page = 1\n  end\n"
      "end\n";
  std::unique_ptr<TComponent> form(ReadForm(text));
  SetMessageDlgHandler(nullptr);
  EXPECT_EQ(messages, (std::vector<std::string>{"No Zelvant on Form!"}));
  auto* early = As<TAPanel>(form->FindComponent("Early"));
  EXPECT_EQ(early->FZelvant, nullptr);
  EXPECT_EQ(early->ShowContainer()->Count, 3);  // sized by the wizard all the same
  EXPECT_FALSE(early->Visible());               // hidden on every page
}

// The checked cast asks the class information of a class that has its own, and the
// language of one that shares an ancestor's: a plain panel is no page-aware one.
TEST(Ownership, CheckedCastsTellPageAwareControlsFromTheirHostClasses) {
  TForm form(nullptr);
  new TZelvant(&form);
  auto* aware = new TAPanel(&form);
  auto* plain = new TPanel(&form);
  auto* image = new TAImage(&form);
  TObject* o = aware;
  EXPECT_EQ(As<TPanel>(o), aware);
  EXPECT_EQ(As<TWinControl>(o), aware);
  EXPECT_EQ(As<TPageAware<TPanel>>(o), aware);
  EXPECT_EQ(As<TAPanel>(o), aware);
  o = plain;
  EXPECT_THROW(As<TPageAware<TPanel>>(o), EInvalidCast);
  EXPECT_THROW(As<TAPanel>(o), EInvalidCast);
  EXPECT_EQ(As<TWinControl>(o), plain);
  o = image;
  EXPECT_THROW(As<TWinControl>(o), EInvalidCast);
  EXPECT_EQ(As<TControl>(o), image);
  EXPECT_EQ(As<TPageAware<TImage>>(o), image);
}

TEST(Ownership, AnOwnerThatIsNoFormRaisesWithoutLeaking) {
  TComponent owner(nullptr);
  EXPECT_THROW(new TABox(&owner), EInvalidCast);
  EXPECT_THROW(new TAJumpRadioBtn(&owner), EInvalidCast);
  EXPECT_EQ(owner.ComponentCount(), 0);
}
