// The wizard in form files: what it stores, the sizes and history payloads, round trips.
#include <gtest/gtest.h>

#include "WizardFixture.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  size_t a = text.find(from);
  if (a == std::string::npos) return "";
  size_t b = text.find(to, a + from.size());
  return text.substr(a, b == std::string::npos ? std::string::npos : b - a);
}

}  // namespace

TEST(WizardStore, SizesAndHistoryPayloads) {
  Wizard w;
  TZelvant* z = w.z;
  z->setWizardWidth(500);
  z->setWizardHeight(400);
  z->setDialogWidth(350);
  z->setDialogHeight(300);
  std::string text = WriteForm(w.form);
  EXPECT_NE(text.find("    HistoryNumPages = 0\n    FormSize = {\n      90010000F40100002C0100005E010000}\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("HistoryData"), std::string::npos);
  z->History()->Add(1);
  z->History()->Add(2);
  text = WriteForm(w.form);
  EXPECT_NE(text.find("    HistoryNumPages = 2\n    HistoryData = {\n      0100000002000000}\n    FormSize"),
            std::string::npos)
      << text;
}

TEST(WizardStore, PublishedPropertiesInStreamingOrder) {
  LanguageDir lang;
  Wizard w(true);
  const std::string text = WriteForm(w.form);
  const char* order[] = {"NumPages", "CaptionDialog", "CaptionWizard", "ButtonWidth", "ButtonHeight", "ShowGlyph",
                         "RememberPage", "PageNames.Strings", "BtnHelp.Text", "BtnWizardOK.Text", "BtnFinish.Text",
                         "BtnDialogOK.Text", "BtnChangeWizard.Text", "BtnChangeDialog.Text", "BtnCancel.Text",
                         "BtnNext.Text", "BtnBack.Text", "WayList.NumPages", "WayListEnabled", "StartPage",
                         "ShowPageNames", "BLWizard.Num", "BLDialog.Num", "ButtonStyle", "Page", "Seperator",
                         "SetFormProperties", "UseHistory", "SetFormCaption", "Style", "TabSpaceX", "TabSpaceY",
                         "HistoryNumPages", "FormSize"};
  size_t at = 0;
  for (const char* name : order) {
    size_t found = text.find(std::string("    ") + name + " = ", at);
    ASSERT_NE(found, std::string::npos) << name << " missing or out of order in\n" << text;
    at = found;
  }
  EXPECT_EQ(text.find("    Align = "), std::string::npos);  // alClient is the stored default
  EXPECT_EQ(text.find("TabStop"), std::string::npos);
}

TEST(WizardStore, RoundTripGivesTheSameWizard) {
  LanguageDir lang;
  Wizard w(true);
  TZelvant* z = w.z;
  z->SetNumPages(4);
  z->PageNames()->Put(1, "Welcome");
  z->SetCaptionWizard("Setup - step %d of %d");
  z->WayList()->AddPage({1, gpNext});
  z->WayList()->AddPage({3, gpFinish});
  z->SetWayListEnabled(true);
  z->setPage(1);
  z->Nextclick(nullptr);
  z->BtnWizardOK()->SetShow(true);
  z->SetButtonWidth(84);
  z->SetTabSpaceX(20);
  z->RememberPage = true;
  z->setDialogWidth(320);
  const std::string text = WriteForm(w.form);

  // Loading makes a dialog of the form (border, position); from then on the stored
  // text stays the same.
  TForm loaded(nullptr);
  ReadForm(text, &loaded);
  auto* copy = As<TZelvant>(loaded.FindComponent("Zelvant1"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NumPages(), 4);
  EXPECT_EQ(copy->Page(), 2);
  EXPECT_EQ(copy->RealPage(), 3);
  EXPECT_EQ(copy->PageNames()->Get(1), "Welcome");
  EXPECT_EQ(copy->History()->Count, 1);
  EXPECT_TRUE(copy->BtnBack()->Enabled());  // fixed up once the history is known
  EXPECT_TRUE(copy->BtnWizardOK()->Show());
  EXPECT_EQ(copy->ButtonWidth(), 84);
  EXPECT_EQ(copy->DialogWidth(), 320);
  EXPECT_TRUE(copy->RememberPage);
  EXPECT_EQ(copy->BtnNext()->GetGlyph()->Pixels(), z->BtnNext()->GetGlyph()->Pixels());
  const std::string again = WriteForm(&loaded);
  TForm reloaded(nullptr);
  ReadForm(again, &reloaded);
  EXPECT_EQ(WriteForm(&reloaded), again);
}

TEST(WizardStore, BackFixUpOnLoadOnlyEnables) {
  Wizard w;
  w.z->SetNumPages(3);
  w.z->UseHistory = false;
  w.z->setPage(1);
  TForm loaded(nullptr);
  ReadForm(WriteForm(w.form), &loaded);
  EXPECT_FALSE(As<TZelvant>(loaded.FindComponent("Zelvant1"))->BtnBack()->Enabled());
}

TEST(WizardStore, FormSizeOfTheWrongLengthIsAReadErrorKeepingTheSizes) {
  Wizard w;
  w.z->setDialogWidth(333);
  std::string text = WriteForm(w.form);
  // "inherited" loads into the wizard the target form already has.
  text.replace(text.find("object Zelvant1"), 6, "inherited");
  const std::string payload = Between(text, "FormSize = {", "}");
  ASSERT_FALSE(payload.empty());
  std::string shorter = text;
  shorter.replace(shorter.find(payload), payload.size(), "FormSize = {0100000002000000");
  TForm target(nullptr);
  auto* z = new TZelvant(&target);
  z->SetName("Zelvant1");
  z->setDialogWidth(77);
  EXPECT_THROW(ReadForm(shorter, &target), EReadError);
  std::string longer = text;
  longer.replace(longer.find(payload), payload.size(), payload + "00");
  EXPECT_THROW(ReadForm(longer, &target), EReadError);
  ASSERT_EQ(target.ComponentCount(), 1);
  EXPECT_EQ(z->DialogWidth(), 77);
}
