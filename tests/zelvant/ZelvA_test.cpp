// The wizard's construction, language file, page count and caption.
#include <gtest/gtest.h>

#include "WizardFixture.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// Publishes "SetNumApos" and records the calls, as a page-aware control would.
class TCounter : public TComponent {
  HOST_CLASS(TCounter, TComponent)
  using TComponent::TComponent;
  void SetNumApos(Integer v) { calls.push_back(v); }
  void SetNewPosition(Integer v) { positions.push_back(v); }
  std::vector<Integer> calls, positions;
};

}  // namespace

#include "host/core/ClassBuilder.h"
HOST_PUBLISHED(TCounter) {
  P.Method("SetNumApos", &TCounter::SetNumApos);
  P.Method("SetNewPosition", &TCounter::SetNewPosition);
}

TEST(WizardCore, DefaultsOfANewlyDroppedWizard) {
  LanguageDir noFile;
  Wizard w(true);
  TZelvant* z = w.z;
  EXPECT_EQ(z->NumPages(), 2);
  EXPECT_EQ(z->Page(), 0);
  EXPECT_EQ(z->PageNames()->Text(), "Dialog\nPage 1\nPage 2\n");
  EXPECT_EQ(w.form->Caption(), "Dialog");
  EXPECT_EQ(z->CaptionWizard(), "Wizard - Page %d of %d");
  EXPECT_EQ(z->ButtonWidth(), 90);
  EXPECT_EQ(z->ButtonHeight(), 25);
  EXPECT_TRUE(z->ShowGlyph());
  EXPECT_EQ(z->Align(), alClient);
  EXPECT_FALSE(z->TabStop());
  EXPECT_EQ(z->Style(), asWizard);
  EXPECT_EQ(z->TabSpaceX(), 16);
  EXPECT_EQ(z->TabSpaceY(), 8);
  EXPECT_EQ(z->StartPage(), 1);
  EXPECT_TRUE(z->Seperator());
  EXPECT_TRUE(z->UseHistory);
  EXPECT_TRUE(z->SetFormCaption);
  EXPECT_TRUE(z->SetFormProperties);
  EXPECT_FALSE(z->RememberPage);
  EXPECT_EQ(z->BLWizard()->Count, 7);
  EXPECT_EQ(z->BLDialog()->GetInteger(4), 6);
  EXPECT_EQ(z->WayList()->Count, 0);
  // Texts and glyphs of the language table.
  EXPECT_EQ(z->BtnNext()->Text(), "&Next");
  EXPECT_EQ(z->BtnNext()->Layout(), blGlyphRight);
  EXPECT_FALSE(z->BtnHelp()->Show());
  EXPECT_FALSE(z->BtnWizardOK()->Show());
  EXPECT_TRUE(z->BtnCancel()->Show());
  EXPECT_TRUE(z->BtnCancel()->Enabled());
  EXPECT_EQ(z->BtnCancel()->GetGlyph()->Width(), 36);
  EXPECT_EQ(z->BtnCancel()->GetNumGlyphs(), 2);
  EXPECT_EQ(z->BtnBack()->GetGlyph()->Width(), 32);
  // Four bar buttons answer clicks in the designer, Cancel and OK do not.
  EXPECT_FALSE(z->NextButton()->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(z->ChangeButton()->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(z->CancelButton()->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(z->OKButton()->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(z->CancelButton()->Cancel());
  EXPECT_EQ(z->NextButton()->Tag(), 0);  // the language file's glyphs cleared the glyph markers
}

TEST(WizardCore, AtRunTimeTheTextsAreEmptyUntilLoaded) {
  Wizard w(false);
  TZelvant* z = w.z;
  EXPECT_EQ(z->CaptionDialog(), "");
  EXPECT_EQ(z->CaptionWizard(), "");
  EXPECT_EQ(z->BtnNext()->Text(), "");
  EXPECT_FALSE(z->BtnNext()->Show());
  EXPECT_TRUE(z->BtnNext()->GetGlyph()->Empty());
  EXPECT_EQ(z->BtnNext()->GetNumGlyphs(), 1);  // the stored default
  EXPECT_EQ(z->PageNames()->Count(), 3);
  EXPECT_EQ(z->NextButton()->Tag(), -1);
  // No layout before the first page change.
  EXPECT_NE(z->NextButton()->Left(), 406);
}

TEST(WizardCore, LanguageFileSectionAndFallbacks) {
  LanguageDir lang(
      "[Option]\nLanguage=german\n[german]\nNext=&Weiter\nBack=&Zur\xC3\xBC" "ck\nCaptionDialog=Dialog (de)\n"
      "[english]\nNext=&Onward\n");
  Wizard w(true);
  EXPECT_EQ(w.z->BtnNext()->Text(), "&Weiter");
  EXPECT_EQ(w.z->BtnBack()->Text(), "&Zur\xC3\xBC" "ck");
  EXPECT_EQ(w.z->BtnCancel()->Text(), "&Cancel");  // missing key: built-in default
  EXPECT_EQ(w.z->CaptionDialog(), "Dialog (de)");
  EXPECT_EQ(w.form->Caption(), "Dialog (de)");
  EXPECT_EQ(w.z->CaptionWizard(), "Wizard - Page %d of %d");
}

TEST(WizardCore, SetNumPagesGrowsAndShrinksNamesKeepingEditedOnes) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(5);
  EXPECT_EQ(z->PageNames()->Text(), "Dialog\nPage 1\nPage 2\nPage 3\nPage 4\nPage 5\n");
  z->PageNames()->Put(2, "Licence");
  z->SetNumPages(3);
  EXPECT_EQ(z->PageNames()->Text(), "Dialog\nPage 1\nLicence\nPage 3\n");
  z->SetNumPages(0);
  z->SetNumPages(-2);
  EXPECT_EQ(z->NumPages(), 3);
  EXPECT_EQ(z->PageNames()->Count(), 4);
  // A names list shorter than the count does not make a later shrink fail.
  TStringList shorter{"Dialog", "One"};
  z->setpagenames(&shorter);
  z->SetNumPages(2);
  EXPECT_EQ(z->PageNames()->Text(), "Dialog\nOne\n");
}

TEST(WizardCore, SetNumPagesTellsEveryComponentLastCreatedFirst) {
  Wizard w;
  auto* a = new TCounter(w.form);
  auto* b = new TCounter(w.form);
  w.z->SetNumPages(4);
  EXPECT_EQ(a->calls, (std::vector<Integer>{5}));
  EXPECT_EQ(b->calls, (std::vector<Integer>{5}));
  w.z->SetNumPages(0);
  EXPECT_EQ(a->calls.size(), 1u);
  // Order: from the last component down to the first.
  a->positions.clear();
  b->positions.clear();
  w.z->setPage(2);
  EXPECT_EQ(a->positions, (std::vector<Integer>{2}));
}

TEST(WizardCore, ReducingPagesBelowThePositionMovesToTheLastPage) {
  Wizard w;
  w.z->SetNumPages(5);
  w.z->setPage(5);
  w.z->SetNumPages(3);
  EXPECT_EQ(w.z->Page(), 3);
  // With the way list the position is kept when the list still holds it.
  w.z->WayList()->AddPage({1, gpNext});
  w.z->WayList()->AddPage({3, gpFinish});
  w.z->SetWayListEnabled(true);  // position 3 is beyond the list: the last row is taken
  EXPECT_EQ(w.z->Page(), 2);
  w.z->SetNumPages(4);
  EXPECT_EQ(w.z->Page(), 2);
}

TEST(WizardCore, CaptionRules) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetCaptionWizard("Step %d of %d");
  z->SetCaptionDialog("All settings");
  EXPECT_EQ(w.form->Caption(), "All settings");
  z->SetNumPages(5);
  z->setPage(3);
  EXPECT_EQ(w.form->Caption(), "Step 3 of 5");
  z->setshowpagenames(true);
  EXPECT_EQ(w.form->Caption(), "Page 3");
  z->setPage(0);
  EXPECT_EQ(w.form->Caption(), "Dialog");  // page name 0, not CaptionDialog
  z->setshowpagenames(false);
  z->SetFormCaption = false;
  z->setPage(2);
  EXPECT_EQ(w.form->Caption(), "All settings");
  z->setPage(0);
  z->SetCaptionDialog("Changed");  // on page 0 the dialog caption is written anyway
  EXPECT_EQ(w.form->Caption(), "Changed");
  // A format that does not take two integers is shown as it stands.
  z->SetFormCaption = true;
  z->SetCaptionWizard("Step %s");
  z->setPage(1);
  EXPECT_EQ(w.form->Caption(), "Step %s");
}

TEST(WizardCore, LoadedSetsTheFormsProperties) {
  Wizard w;
  w.form->SetBorderStyle(bsSizeable);
  w.form->SetScaled(true);
  std::string text = WriteForm(w.form);
  std::unique_ptr<TComponent> copy(ReadForm(text));
  auto* form = As<TForm>(copy.get());
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(form->Position(), poScreenCenter);
  EXPECT_FALSE(form->Scaled());
}

TEST(WizardCore, AnOwnerThatIsNoFormIsAnInvalidCast) {
  TComponent notAForm(nullptr);
  EXPECT_THROW(new TZelvant(&notAForm), EInvalidCast);
  EXPECT_EQ(notAForm.ComponentCount(), 0);
}
