// The first-wizard guide: its listing is the file it shows, and the wizard it builds runs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "examples/first-wizard/FirstWizard.cpp"
#include "host/forms/Backend.h"
#include "host/streaming/Filer.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(FirstWizard, TheGuideShowsTheListingAsItIs) {
  const std::string guide = Read(ZELVANT_SOURCE_DIR "/docs/first-wizard.md");
  const std::string listing = Read(ZELVANT_SOURCE_DIR "/examples/first-wizard/FirstWizard.cpp");
  const std::string formFile = Read(ZELVANT_SOURCE_DIR "/examples/first-wizard/first-wizard.dfm");
  ASSERT_FALSE(listing.empty());
  ASSERT_FALSE(formFile.empty());
  EXPECT_NE(guide.find("```cpp\n" + listing + "```\n"), std::string::npos);
  EXPECT_NE(guide.find("```\n" + formFile + "```\n"), std::string::npos);
}

TEST(FirstWizard, TheWizardInCodeRunsAndItsAnswerIsReadBack) {
  THeadlessBackend& input = *Application->Headless();
  input.Clear();
  FirstWizard w;
  input.PressKey(VK_RETURN);                  // past the welcome page
  input.ClickControl("Wizard.Page2.Custom");  // the choice
  input.ClickControl("Wizard.NextButton");
  input.ClickControl("Wizard.NextButton");    // Finish on the summary
  EXPECT_EQ(w.Wizard->Execute(1), mrOk);
  EXPECT_EQ(w.Form->Caption(), "My Setup - step 3 of 3");
  EXPECT_TRUE(w.Custom->Checked());
  EXPECT_FALSE(w.Express->Checked());
  input.Clear();
}

TEST(FirstWizard, TheSameWizardFromItsFormFileRuns) {
  THeadlessBackend& input = *Application->Headless();
  input.Clear();
  std::unique_ptr<TComponent> form(LoadFormFile(ZELVANT_SOURCE_DIR "/examples/first-wizard/first-wizard.dfm"));
  auto* wizard = As<TZelvant>(form->FindComponent("Wizard"));
  auto* custom = As<TRadioButton>(form->FindComponent("Custom"));
  input.ClickControl("Wizard.NextButton");
  input.ClickControl("Wizard.Page2.Custom");
  input.ClickControl("Wizard.NextButton");
  input.ClickControl("Wizard.NextButton");  // Finish
  EXPECT_EQ(wizard->Execute(1), mrOk);
  EXPECT_EQ(As<TForm>(form.get())->Caption(), "My Setup - step 3 of 3");
  EXPECT_TRUE(custom->Checked());
  input.Clear();
}
