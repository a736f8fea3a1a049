// Loading a wizard form into a form created first keeps what was stored: parents,
// positions, caption, page, checked jump buttons; a count whose data is missing and a
// failure after a reference moved a control are read errors that free everything once.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/stdctrls/ExtCtrls.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// A named control of the form, placed in parent.
template <class T>
T* Make(TForm* form, TWinControl* parent, const char* name) {
  auto* c = new T(form);
  c->SetName(name);
  c->SetParent(parent);
  return c;
}

template <class T>
T* Find(TComponent* form, const char* name) {
  return As<T>(form->FindComponent(name));
}

// Saves the form, loads the text into a new form and saves that. The wizard leaves the
// loaded form's border and position alone, so the two texts can be compared whole.
struct RoundTrip {
  explicit RoundTrip(TForm* original) : text(Write(original)) {
    ReadForm(text, &loaded);
    again = WriteForm(&loaded);
  }
  std::string text;
  TForm loaded{nullptr};
  std::string again;

 private:
  static std::string Write(TForm* original) {
    for (TComponent* c : original->ComponentList())
      if (auto* z = dynamic_cast<TZelvant*>(c)) z->SetFormProperties = false;
    return WriteForm(original);
  }
};

}  // namespace

TEST(WizardLoading, FailureAfterAReferenceMovedAControlFreesEachControlOnce) {
  TForm form(nullptr);
  const std::string text =
      "object F: TForm\n  object Z: TZelvant\n    object A: TABox\n      ParentInDialog = B\n    end\n"
      "    object B: TABox\n      ParentInWizard = Missing\n    end\n  end\nend\n";
  EXPECT_THROW(ReadForm(text, &form), EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(WizardLoading, ParentReferencesDoNotMoveControlsWhileLoading) {
  Wizard w;
  w.z->SetNumPages(3);
  auto* inWizard = Make<TPanel>(w.form, w.z, "InWizard");
  auto* inDialog = Make<TPanel>(w.form, w.z, "InDialog");
  auto* box = new TABox(w.form);
  box->SetName("Box");
  box->ShowContainer()->SetApos(0, {0, 0, 0});
  box->ShowContainer()->SetApos(1, {10, 12, 1});
  w.z->setPage(1);
  box->SetParentInWizard(inWizard);
  box->SetParentInDialog(inDialog);
  w.z->setPage(0);  // hidden on the dialog page: it stays in its wizard-page parent
  ASSERT_EQ(box->Parent(), inWizard);

  RoundTrip rt(w.form);
  auto* loaded = Find<TABox>(&rt.loaded, "Box");
  EXPECT_EQ(loaded->Parent(), Find<TPanel>(&rt.loaded, "InWizard"));
  EXPECT_EQ(loaded->GetParentInDialog(), Find<TPanel>(&rt.loaded, "InDialog"));
  EXPECT_EQ(loaded->GetParentInWizard(), Find<TPanel>(&rt.loaded, "InWizard"));
  EXPECT_EQ(rt.again, rt.text);
}

TEST(WizardLoading, AlignmentWhileLoadingRecordsNoPosition) {
  TForm form(nullptr);
  ReadForm(
      "object F: TForm\n  Width = 400\n  Height = 300\n  object Z: TZelvant\n    Page = 1\n"
      "    object A: TABox\n      Align = alTop\n      AAlign = alTop\n      ShowContainer.NumApos = 3\n"
      "      ShowContainer.Data = {\n"
      "        000000000000000000000000280000001400000001000000000000000000000000000000}\n"
      "    end\n  end\nend\n",
      &form);
  auto* box = Find<TABox>(&form, "A");
  EXPECT_EQ(box->Top(), 0);
  EXPECT_GT(box->Width(), 50);  // aligned across the wizard
  const TAPos entry = box->ShowContainer()->GetApos(1);
  EXPECT_EQ(entry.Left, 40);
  EXPECT_EQ(entry.Top, 20);
}

TEST(WizardLoading, StoredFormCaptionStaysWhenTheWizardDoesNotWriteIt) {
  TForm form(nullptr);
  ReadForm(
      "object F: TForm\n  Caption = 'My own caption'\n  object Z: TZelvant\n"
      "    CaptionWizard = 'Step %d of %d'\n    Page = 1\n    SetFormCaption = False\n  end\nend\n",
      &form);
  EXPECT_EQ(form.Caption(), "My own caption");
}

TEST(WizardLoading, StoredCaptionStandsUntilThePageChanges) {
  TForm form(nullptr);
  ReadForm("object F: TForm\n  Caption = 'Old'\n  object Z: TZelvant\n    NumPages = 3\n"
           "    CaptionWizard = 'Step %d of %d'\n    Page = 2\n  end\nend\n",
           &form);
  EXPECT_EQ(form.Caption(), "Old");
  Find<TZelvant>(&form, "Z")->setPage(1);
  EXPECT_EQ(form.Caption(), "Step 1 of 3");
}

TEST(WizardLoading, CountWithoutItsDataIsAReadErrorNamingTheData) {
  const struct {
    const char* lines;
    const char* names;
  } cases[] = {
      {"    WayList.NumPages = 2\n    WayListEnabled = True\n", "Z.WayList.Data"},
      {"    HistoryNumPages = 3\n", "Z.HistoryData"},
      {"    BLWizard.Num = 2\n", "Z.BLWizard.Data"},
  };
  for (const auto& c : cases) {
    TForm form(nullptr);
    const std::string text = std::string("object F: TForm\n  object Z: TZelvant\n") + c.lines + "  end\nend\n";
    try {
      ReadForm(text, &form);
      ADD_FAILURE() << "no read error for\n" << text;
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.Message()).find(c.names), std::string::npos) << e.Message();
    }
    EXPECT_EQ(form.ComponentCount(), 0);
  }
  TForm form(nullptr);
  EXPECT_THROW(ReadForm("object F: TForm\n  object Z: TZelvant\n    object A: TABox\n"
                        "      ShowContainer.NumApos = 3\n    end\n  end\nend\n",
                        &form),
               EReadError);
  // A count of 0 needs no data.
  EXPECT_NO_THROW(ReadForm("object F: TForm\n  object Z: TZelvant\n    WayList.NumPages = 0\n"
                           "    HistoryNumPages = 0\n  end\nend\n",
                           &form));
}

TEST(WizardLoading, CheckedJumpRadioButtonsInOneParentStayChecked) {
  Wizard w;
  w.z->SetNumPages(3);
  w.z->setPage(1);
  auto* panel = Make<TPanel>(w.form, w.z, "Panel");
  auto* other = Make<TPanel>(w.form, w.z, "Other");
  auto* first = Make<TAJumpRadioBtn>(w.form, panel, "First");
  first->JumpPage = 3;
  first->SetChecked(true);
  auto* second = Make<TAJumpRadioBtn>(w.form, other, "Second");
  second->JumpPage = 2;
  second->SetChecked(true);
  second->SetParent(panel);  // moving keeps both checked
  ASSERT_EQ(w.z->getjumppage(), 3);

  RoundTrip rt(w.form);
  EXPECT_TRUE(Find<TAJumpRadioBtn>(&rt.loaded, "First")->Checked());
  EXPECT_TRUE(Find<TAJumpRadioBtn>(&rt.loaded, "Second")->Checked());
  EXPECT_EQ(Find<TZelvant>(&rt.loaded, "Zelvant1")->getjumppage(), 3);
  EXPECT_EQ(rt.again, rt.text);
}

TEST(WizardLoading, TabbedWizardStoredOnTheDialogPageLoadsThere) {
  Wizard w;
  w.z->SetStyle(asTabbed);
  w.z->setPage(0);
  RoundTrip rt(w.form);
  EXPECT_EQ(Find<TZelvant>(&rt.loaded, "Zelvant1")->Page(), 0);
  EXPECT_EQ(rt.again, rt.text);
}

TEST(WizardLoading, NoParentForThePresentationIsStoredAndLoaded) {
  Wizard w;
  w.z->setPage(1);
  auto* group = Make<TPanel>(w.form, w.z, "Group");
  auto* box = Make<TABox>(w.form, w.z, "Box");
  box->SetParentInDialog(group);
  delete group;  // the box forgets it
  ASSERT_EQ(box->GetParentInDialog(), nullptr);

  RoundTrip rt(w.form);
  EXPECT_NE(rt.text.find("ParentInDialog = nil"), std::string::npos) << rt.text;
  auto* loaded = Find<TABox>(&rt.loaded, "Box");
  EXPECT_EQ(loaded->GetParentInDialog(), nullptr);
  EXPECT_EQ(loaded->GetParentInWizard(), Find<TZelvant>(&rt.loaded, "Zelvant1"));
  EXPECT_EQ(rt.again, rt.text);
  // Files written before nil was stored keep the wizard as the default parent.
  std::string old = rt.text;
  old.erase(old.find("      ParentInDialog = nil\n"), std::string("      ParentInDialog = nil\n").size());
  TForm form(nullptr);
  ReadForm(old, &form);
  EXPECT_EQ(Find<TABox>(&form, "Box")->GetParentInDialog(), Find<TZelvant>(&form, "Zelvant1"));
}

TEST(WizardLoading, AbsurdSizesAreClampedToTheCoordinateRange) {
  TForm form(nullptr);
  ReadForm("object F: TForm\n  Width = 70000\n  Height = 300\n  object Z: TZelvant\n    NumPages = 3\n"
           "    ButtonWidth = 2147483647\n    ButtonHeight = 100000000\n    TabSpaceX = -2147483648\n"
           "    Page = 1\n    Style = asTabbed\n    FormSize = {\n      FFFFFF7FFFFFFF7FFFFFFF7FFFFFFF7F}\n"
           "  end\nend\n",
           &form);
  auto* z = Find<TZelvant>(&form, "Z");
  EXPECT_EQ(form.Width(), 32767);
  EXPECT_EQ(z->ButtonWidth(), 32767);
  EXPECT_EQ(z->ButtonHeight(), 32767);
  EXPECT_EQ(z->NextButton()->Height(), 32767);
  EXPECT_EQ(z->TabSpaceX(), 0);
  z->SetStyle(asWizard);
  z->setPage(0);  // the stored dialog size is clamped too
  EXPECT_EQ(form.Width(), 32767);
  EXPECT_EQ(form.Height(), 32767);
}

TEST(WizardLoading, AWayListRowBeyondAReducedPageCountLoads) {
  Wizard w;
  w.z->SetNumPages(4);
  w.z->WayList()->AddPage({4, gpFinish});
  w.z->SetWayListEnabled(true);
  w.z->setPage(1);
  w.z->SetNumPages(2);  // the row still shows page 4
  RoundTrip rt(w.form);
  EXPECT_EQ(Find<TZelvant>(&rt.loaded, "Zelvant1")->Page(), 1);
  EXPECT_EQ(rt.again, rt.text);
}
