// Dressing a wizard made in code from the language file, and switching its language.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/forms/Backend.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

const char* const kTwoLanguages =
    "[Option]\nLanguage=english\n"
    "[german]\nHelp=&Hilfe\nFinish=&Fertig stellen\nDialogOK=&OK\nChangeZelvant=&Assistent\n"
    "ChangeDialog=Dia&log\nCancel=&Abbrechen\nNext=&Weiter\nBack=&Zur\xC3\xBC" "ck\n"
    "CaptionWizard=Assistent - Seite %d von %d\nCaptionDialog=Dialogseite\n";

// A three-page wizard made at run time.
struct CodeWizard : Wizard {
  LanguageDir lang;
  explicit CodeWizard(const std::string& ini = "") : lang(ini) { z->SetNumPages(3); }
};

std::string Caption(const TBitBtn* b) { return b->Left() == 20000 ? "(parked)" : b->Caption(); }

}  // namespace

TEST(WizardLanguage, AWizardMadeInCodeIsDressedAsTheDesignerDressesIt) {
  CodeWizard w;
  TZelvant* z = w.z;
  EXPECT_EQ(w.form->Caption(), "");  // the run-time constructor leaves the captions empty
  z->LoadLanguage();
  EXPECT_EQ(w.form->Caption(), "Dialog");
  EXPECT_EQ(z->CaptionWizard(), "Wizard - Page %d of %d");
  z->BtnHelp()->SetShow(true);  // an application that offers help
  z->setPage(1);
  EXPECT_EQ(w.form->Caption(), "Wizard - Page 1 of 3");
  EXPECT_EQ(Caption(z->ChangeButton()), "&Dialog");
  EXPECT_EQ(Caption(z->HelpButton()), "&Help");
  EXPECT_EQ(Caption(z->CancelButton()), "&Cancel");
  EXPECT_EQ(Caption(z->BackButton()), "&Back");
  EXPECT_EQ(Caption(z->NextButton()), "&Next");
  EXPECT_EQ(Caption(z->OKButton()), "(parked)");
  EXPECT_FALSE(z->BackButton()->Enabled());  // nowhere to go back to yet
  EXPECT_TRUE(z->NextButton()->Enabled());
  EXPECT_EQ(z->NextButton()->Layout(), blGlyphRight);
  EXPECT_EQ(z->NextButton()->Glyph()->Width(), 32);
  EXPECT_EQ(z->CancelButton()->Glyph()->Width(), 36);
  EXPECT_EQ(z->CancelButton()->NumGlyphs(), 2);
  z->setPage(3);
  EXPECT_EQ(Caption(z->NextButton()), "&Finish");
  z->setPage(0);
  EXPECT_EQ(Caption(z->ChangeButton()), "&Wizard");
  EXPECT_EQ(Caption(z->OKButton()), "&OK");
  EXPECT_EQ(w.form->Caption(), "Dialog");
}

TEST(WizardLanguage, TheApplicationNamesFileAndSectionAndMissingWordsAreEnglish) {
  CodeWizard w("[Option]\nLanguage=german\n[german]\nNext=&Weiter\n[brief]\nNext=>\n");
  TZelvant* z = w.z;
  z->LoadLanguage(w.lang.Path() + "/Zelv.ini", "brief");
  EXPECT_EQ(z->BtnNext()->Text(), ">");
  EXPECT_EQ(z->BtnBack()->Text(), "&Back");
  z->LoadLanguage(w.lang.Path() + "/Zelv.ini");  // the file's own choice
  EXPECT_EQ(z->BtnNext()->Text(), "&Weiter");
  z->LoadLanguage(w.lang.Path() + "/missing.ini", "german");  // no file at all
  EXPECT_EQ(z->BtnNext()->Text(), "&Next");
  EXPECT_EQ(z->CaptionDialog(), "Dialog");
}

TEST(WizardLanguage, SwitchingTheLanguageChangesEveryTextAndNothingElse) {
  CodeWizard w(kTwoLanguages);
  TZelvant* z = w.z;
  z->LoadLanguage();
  z->BtnHelp()->SetShow(true);
  z->BtnCancel()->SetShow(false);  // this installer cannot be cancelled
  TBitmap ownArrow;
  ownArrow.SetSize(16, 16);
  z->BtnNext()->SetGlyph(&ownArrow);
  z->setPage(1);
  const Integer nextLeft = z->NextButton()->Left();

  z->LoadLanguage("", "german");
  EXPECT_EQ(w.form->Caption(), "Assistent - Seite 1 von 3");
  EXPECT_EQ(z->ChangeButton()->Caption(), "Dia&log");
  EXPECT_EQ(z->HelpButton()->Caption(), "&Hilfe");
  EXPECT_EQ(z->BackButton()->Caption(), "&Zur\xC3\xBC" "ck");
  EXPECT_EQ(z->NextButton()->Caption(), "&Weiter");
  // What the application and the navigation decided stays as it was.
  EXPECT_EQ(z->CancelButton()->Left(), 20000);
  EXPECT_TRUE(z->HelpButton()->Enabled());
  EXPECT_FALSE(z->BackButton()->Enabled());
  EXPECT_EQ(z->NextButton()->Left(), nextLeft);
  EXPECT_EQ(z->NextButton()->Glyph()->Width(), 16);

  z->setPage(0);
  EXPECT_EQ(w.form->Caption(), "Dialogseite");
  EXPECT_EQ(z->ChangeButton()->Caption(), "&Assistent");
  z->LoadLanguage("", "english");
  EXPECT_EQ(w.form->Caption(), "Dialog");
  EXPECT_EQ(z->ChangeButton()->Caption(), "&Wizard");
}

TEST(WizardLanguage, ARunMadeInCodeIsClickedThrough) {
  THeadlessBackend& backend = *Application->Headless();
  backend.Clear();
  CodeWizard w;
  w.z->LoadLanguage();
  backend.ClickControl("Zelvant1.NextButton");
  backend.ClickControl("Zelvant1.NextButton");
  backend.ClickControl("Zelvant1.BackButton");
  backend.ClickControl("Zelvant1.NextButton");
  backend.ClickControl("Zelvant1.NextButton");  // Finish on page 3
  EXPECT_EQ(w.z->Execute(1), mrOk);
  EXPECT_EQ(w.z->Page(), 3);
  EXPECT_EQ(w.form->Caption(), "Wizard - Page 3 of 3");
}
