// Page-aware controls: binding, recording, showing and hiding, parents, alignment.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/stdctrls/Dialogs.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// Records every message dialog instead of showing it.
struct DialogRecorder {
  std::vector<std::string> messages;
  TMsgDlgType lastType = mtInformation;
  TMsgDlgButtons lastButtons;
  DialogRecorder() {
    SetMessageDlgHandler([this](const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, Integer) {
      messages.push_back(msg);
      lastType = type;
      lastButtons = buttons;
      return mrOk;
    });
  }
  ~DialogRecorder() { SetMessageDlgHandler(nullptr); }
};

// A designed wizard of `pages` pages showing `page`.
struct Designed : Wizard {
  LanguageDir lang;
  explicit Designed(int pages = 3, int page = 2) : Wizard(true) {
    z->SetNumPages(pages);
    z->setPage(page);
  }
};

std::vector<Integer> Shows(const TAposList* list) {
  std::vector<Integer> s;
  for (Integer i = 0; i < list->Count; ++i) s.push_back(list->GetApos(i).Show);
  return s;
}

}  // namespace

TEST(PageAware, BindsToTheWizardAndShowsOnlyOnThePageOfCreation) {
  Designed w(3, 2);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  EXPECT_EQ(box->FZelvant, w.z);
  EXPECT_EQ(box->ShowContainer()->Count, 4);
  EXPECT_EQ(Shows(box->ShowContainer()), (std::vector<Integer>{0, 0, 1, 0}));
  EXPECT_EQ(box->Width(), 50);
  EXPECT_EQ(box->Height(), 50);
  EXPECT_EQ(box->AktPage(), 2);
  box->SetBounds(30, 40, 50, 50);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Left, 30);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Top, 40);
  EXPECT_EQ(box->ShowContainer()->GetApos(1).Left, 0);
  box->SetBounds(30, 40, 120, 90);  // sizes are never recorded
  box->SetBounds(kParkedLeft, 44, 120, 90);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Left, 30);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Top, 44);
  // The fields the editors look for by name.
  EXPECT_EQ(*box->FieldAddress<TZelvant*>("FZelvant"), w.z);
  EXPECT_EQ(*box->FieldAddress<TAposList*>("FAposList"), box->ShowContainer());
}

TEST(PageAware, NoWizardOnTheFormIsReportedAndLeavesTheControlUnbound) {
  DialogRecorder dialogs;
  TForm form(nullptr);
  auto* box = new TAPanel(&form);
  ASSERT_EQ(dialogs.messages, (std::vector<std::string>{"No Zelvant on Form!"}));
  EXPECT_EQ(dialogs.lastType, mtError);
  EXPECT_EQ(dialogs.lastButtons, TMsgDlgButtons{mbOK});
  EXPECT_EQ(box->FZelvant, nullptr);
  EXPECT_EQ(box->ShowContainer()->Count, 0);
  box->SetParentInWizard(&form);  // ignored while unbound
  EXPECT_EQ(box->GetParentInWizard(), nullptr);
  box->SetNewPosition(1);  // a page its list does not hold hides it, without an error
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(box->Left(), kParkedLeft);
  // A control made without an owner stays unbound and quiet.
  TAGroupBox loose(nullptr);
  EXPECT_EQ(loose.FZelvant, nullptr);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST(PageAware, HidingParksDisablesAndDropsTheAlignment) {
  Designed w(3, 1);
  auto* panel = new TAPanel(w.form);
  panel->SetParent(w.z);
  panel->SetAAlign(alClient);
  EXPECT_EQ(panel->Align(), alClient);
  const auto before = Shows(panel->ShowContainer());
  w.z->setPage(2);
  EXPECT_EQ(panel->Left(), kParkedLeft);
  EXPECT_FALSE(panel->Visible());
  EXPECT_FALSE(panel->Enabled());
  EXPECT_EQ(panel->Align(), alNone);
  EXPECT_EQ(Shows(panel->ShowContainer()), before);
  w.z->setPage(1);
  EXPECT_TRUE(panel->Visible());
  EXPECT_TRUE(panel->Enabled());
  EXPECT_EQ(panel->Align(), alClient);
}

TEST(PageAware, RecordsOnlyOnThePageItHasTaken) {
  Designed w(3, 1);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  box->ShowContainer()->Record(2).Show = 1;
  box->ShowContainer()->Record(2).Left = 70;
  box->SetBounds(10, 20, 50, 50);
  w.z->setPage(2);
  EXPECT_EQ(box->Left(), 70);
  EXPECT_EQ(box->ShowContainer()->GetApos(1).Left, 10);  // page 1 kept its own place
  box->SetLeft(75);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Left, 75);
  EXPECT_EQ(box->ShowContainer()->GetApos(1).Left, 10);
}

TEST(PageAware, ParentsPerPresentation) {
  Designed w(3, 1);
  auto* group = new TGroupBox(w.form);
  group->SetParent(w.z);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  EXPECT_EQ(box->GetParentInWizard(), w.z);
  EXPECT_EQ(box->GetParentInDialog(), w.z);
  box->ShowContainer()->Record(0) = TAPos{12, 14, 1};
  box->SetParentInDialog(group);  // a wizard page is shown: stored only
  EXPECT_EQ(box->Parent(), w.z);
  w.z->setPage(0);
  EXPECT_EQ(box->Parent(), group);
  EXPECT_EQ(box->Left(), 12);
  EXPECT_EQ(box->Top(), 14);
  w.z->setPage(1);
  EXPECT_EQ(box->Parent(), w.z);
  // Nil and itself change nothing; the mirror setter moves at once on a wizard page.
  box->SetParentInWizard(nullptr);
  box->SetParentInWizard(box);
  EXPECT_EQ(box->GetParentInWizard(), w.z);
  box->SetParentInWizard(group);
  EXPECT_EQ(box->Parent(), group);
  // A control first parented on a wizard page defaults the dialog parent to the wizard.
  auto* image = new TAImage(w.form);
  image->SetParent(group);
  EXPECT_EQ(image->GetParentInWizard(), group);
  EXPECT_EQ(image->GetParentInDialog(), w.z);
}

TEST(PageAware, DestroyedParentsAndWizardAreForgotten) {
  Designed w(3, 1);
  auto* group = new TGroupBox(w.form);
  group->SetParent(w.z);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  box->SetParentInDialog(group);
  delete group;
  EXPECT_EQ(box->GetParentInDialog(), nullptr);
  w.z->setPage(0);  // no parent to move to: the control stays where it is
  EXPECT_EQ(box->Parent(), w.z);
  // A control outside the wizard outlives it and becomes unbound.
  auto* outside = new TAPanel(w.form);
  outside->SetParent(w.form);
  delete w.z;
  w.z = nullptr;
  EXPECT_EQ(outside->FZelvant, nullptr);
  outside->SetBounds(1, 2, 3, 4);  // records nothing, touches no freed wizard
}

TEST(PageAware, ABoxLetsItsChildrenTakeTheColourBehindIt) {
  Wizard w;
  w.form->SetColor(clTeal);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  auto* label = new TLabel(w.form);
  label->SetParent(box);
  EXPECT_EQ(label->Color(), clTeal);
}

TEST(Jump, BitButtonJumpsAbsoluteAndRelative) {
  Wizard w;
  w.z->SetNumPages(5);
  w.z->setPage(4);
  auto* jump = new TAJumpBitBtn(w.form);
  jump->SetParent(w.z);
  jump->Click();  // a new jump button leads to the dialog page
  EXPECT_EQ(w.z->Page(), 0);
  w.z->setPage(4);
  w.z->ClearHistory();
  jump->JumpMode = jmRelativ;
  jump->JumpPage = -1;
  jump->Click();
  EXPECT_EQ(w.z->Page(), 3);
  EXPECT_EQ(w.z->History()->GetInteger(0), 4);
}

TEST(Jump, RadioButtonsDecideWhereNextLeads) {
  Wizard w;
  w.z->SetNumPages(6);
  w.z->setPage(5);
  auto* groupA = new TGroupBox(w.form);
  groupA->SetParent(w.z);
  auto* groupB = new TGroupBox(w.form);
  groupB->SetParent(w.z);
  auto* first = new TAJumpRadioBtn(w.form);
  first->SetParent(groupA);
  auto* second = new TAJumpRadioBtn(w.form);
  second->SetParent(groupB);
  EXPECT_EQ(first->Width(), 140);
  first->JumpMode = jmRelativ;
  first->JumpPage = -2;
  second->JumpPage = 6;
  second->SetChecked(true);
  first->SetChecked(true);  // other parent: both stay checked
  EXPECT_EQ(w.z->getjumppage(), 3);  // the earlier component decides
  first->JumpMode = jmAbsolut;
  first->JumpPage = -1;  // a target of -1 does not stop the search
  EXPECT_EQ(w.z->getjumppage(), 6);
  second->SetChecked(false);
  EXPECT_EQ(w.z->getjumppage(), 6);  // Page + 1
  // Hidden on the page shown: disabled, so it does not count.
  second->SetChecked(true);
  w.z->setPage(4);
  EXPECT_FALSE(second->Enabled());
  EXPECT_EQ(w.z->getjumppage(), 5);
}

TEST(Jump, AtDesignTimeRadioButtonsCountOnlyWhenActivated) {
  Designed w(4, 1);
  auto* radio = new TAJumpRadioBtn(w.form);
  radio->SetParent(w.z);
  radio->JumpPage = 3;
  radio->SetChecked(true);
  EXPECT_EQ(w.z->getjumppage(), 2);
  radio->SetButtonMode(false);
  EXPECT_FALSE(radio->ComponentState().Contains(csDesigning));
  EXPECT_EQ(w.z->getjumppage(), 3);
  radio->SetButtonMode(true);
  EXPECT_EQ(w.z->getjumppage(), 2);
}

namespace {

// Hands out numbered forms and counts both events.
struct FormSupply {
  int got = 0, freed = 0;
  std::vector<TForm*> handed;
  void Attach(TAForm* container) {
    container->OnGetForm = [this]() -> TForm* {
      ++got;
      auto* f = new TForm(nullptr);
      f->SetCaption("embedded " + std::to_string(got));
      handed.push_back(f);
      return f;
    };
    container->OnFreeForm = [this](TAForm*, TForm* f) {
      ++freed;
      EXPECT_EQ(f, handed.back());
    };
  }
};

}  // namespace

TEST(EmbeddedForm, OnDemandFreeGetsAndFreesPerVisit) {
  FormSupply supply;  // outlives the container, which tells it when it frees the form
  Wizard w;
  w.z->SetNumPages(2);
  w.z->setPage(1);
  auto* container = new TAForm(w.form);
  container->SetParent(w.z);
  container->FormCreate = fcOnDemandFree;
  supply.Attach(container);
  w.z->setPage(1);
  ASSERT_EQ(supply.got, 1);
  TForm* embedded = container->Form();
  ASSERT_NE(embedded, nullptr);
  EXPECT_EQ(embedded->Parent(), container);
  EXPECT_EQ(embedded->BorderStyle(), bsNone);
  EXPECT_EQ(embedded->WindowState(), wsMaximized);
  EXPECT_TRUE(embedded->Visible());
  w.z->setPage(1);  // held: not asked again
  EXPECT_EQ(supply.got, 1);
  w.z->setPage(2);
  EXPECT_EQ(supply.freed, 1);
  EXPECT_EQ(container->Form(), nullptr);
  w.z->setPage(1);
  EXPECT_EQ(supply.got, 2);
}

TEST(EmbeddedForm, OnDemandKeepsTheFormUntilTheContainerGoes) {
  FormSupply supply;
  Wizard w;
  w.z->SetNumPages(2);
  w.z->setPage(1);
  auto* container = new TAForm(w.form);
  container->SetParent(w.z);
  container->FormCreate = fcOnDemand;
  supply.Attach(container);
  w.z->setPage(1);
  w.z->setPage(2);
  w.z->setPage(1);
  EXPECT_EQ(supply.got, 1);
  EXPECT_EQ(supply.freed, 0);
  delete container;
  EXPECT_EQ(supply.freed, 1);
}

TEST(EmbeddedForm, NoFormHandedOverAsksAgain) {
  Wizard w;
  w.z->setPage(1);
  auto* container = new TAForm(w.form);
  container->SetParent(w.z);
  int asked = 0;
  container->OnGetForm = [&]() -> TForm* {
    ++asked;
    return nullptr;
  };
  w.z->setPage(1);
  w.z->setPage(1);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(container->Form(), nullptr);
}

TEST(PageAware, AWayListRowShowingTheDialogPageKeepsTheWizardParent) {
  Designed w(2, 1);
  auto* group = new TGroupBox(w.form);
  group->SetParent(w.z);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  box->ShowContainer()->Record(0) = TAPos{5, 6, 1};
  box->SetParentInDialog(group);
  w.z->WayList()->AddPage({0, gpNext});  // position 1 shows the dialog page
  w.z->WayList()->AddPage({1, gpFinish});
  w.z->SetWayListEnabled(true);
  w.z->setPage(1);
  EXPECT_EQ(box->Parent(), group);
  EXPECT_EQ(box->GetParentInWizard(), w.z);
  w.z->setPage(2);
  EXPECT_EQ(box->Parent(), w.z);
  EXPECT_EQ(box->GetParentInDialog(), group);
}

TEST(PageAware, ShowOnPutsAControlMadeInCodeOnTheListedPages) {
  Wizard w;
  LanguageDir lang;
  w.z->SetNumPages(3);
  auto* page = new TAPanel(w.form);  // made while the dialog page is shown
  page->SetParent(w.z);
  page->SetBounds(8, 8, 300, 200);
  auto* box = new TABox(w.form);
  box->SetParent(page);
  box->SetBounds(10, 20, 50, 50);
  page->ShowOn({1, 3});
  box->ShowOn({1, 3});
  EXPECT_EQ(Shows(box->ShowContainer()), (std::vector<Integer>{0, 1, 0, 1}));
  EXPECT_EQ(box->ShowContainer()->GetApos(3).Left, 10);
  EXPECT_EQ(box->ShowContainer()->GetApos(3).Top, 20);
  EXPECT_EQ(box->GetParentInWizard(), page);
  EXPECT_FALSE(box->Visible());  // the dialog page shown now is no longer one of its pages
  EXPECT_EQ(box->Left(), kParkedLeft);

  w.z->setPage(3);
  EXPECT_TRUE(page->Visible());
  EXPECT_EQ(box->Parent(), page);
  EXPECT_EQ(box->BoundsRect(), Rect(10, 20, 60, 70));
  w.z->setPage(2);
  EXPECT_FALSE(page->Visible());
  // Shown on page 2 as well, from where it stands on page 2 now: parked, so its Left is
  // not taken; the page keeps the one it had.
  box->ShowOn({0, 2});
  EXPECT_EQ(Shows(box->ShowContainer()), (std::vector<Integer>{1, 0, 1, 0}));
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Left, 0);
  EXPECT_TRUE(box->Visible());

  // Pages added later start hidden; the listed ones keep their state.
  w.z->SetNumPages(4);
  EXPECT_EQ(Shows(box->ShowContainer()), (std::vector<Integer>{1, 0, 1, 0, 0}));
  EXPECT_TRUE(box->ShownOn(2));
  EXPECT_FALSE(box->ShownOn(5));
}

TEST(PageAware, ShowOnRefusesPagesTheWizardDoesNotHave) {
  Wizard w;
  LanguageDir lang;
  w.z->SetNumPages(3);
  auto* box = new TABox(w.form);
  box->SetParent(w.z);
  box->ShowOn({2});
  EXPECT_THROW(box->ShowOn({1, 4}), EListError);
  EXPECT_THROW(box->ShowOn({-1}), EListError);
  EXPECT_EQ(Shows(box->ShowContainer()), (std::vector<Integer>{0, 0, 1, 0}));
  TForm bare(nullptr);
  DialogRecorder dialogs;
  auto* unbound = new TABox(&bare);
  EXPECT_THROW(unbound->ShowOn({0}), EListError);
}
