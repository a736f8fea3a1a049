// Never losing work: the modified mark, the undo history, asking before discarding,
// saving through a temporary file and refusing bad files without harm.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "DesignerFixture.h"
#include "Document.h"
#include "host/forms/Backend.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace designertest {

namespace {

void WriteFile(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

}  // namespace

TEST_F(DesignerTest, TheTitleCarriesAnAsteriskWhileTheFormDiffersFromTheFile) {
  EXPECT_EQ(window_->Caption(), "Zelvant Designer - Untitled");
  Drop("TButton", Point(16, 16));
  EXPECT_EQ(window_->Caption(), "Zelvant Designer - Untitled*");
  const std::string file = TempFile("title.dfm");
  ASSERT_TRUE(window_->SaveAs(file));
  EXPECT_EQ(window_->Caption(), "Zelvant Designer - title.dfm");
  window_->Undo();
  EXPECT_EQ(window_->Caption(), "Zelvant Designer - title.dfm*");
  window_->Redo();
  EXPECT_EQ(window_->Caption(), "Zelvant Designer - title.dfm") << "back at the saved text";
}

TEST_F(DesignerTest, UndoKeepsAtLeastAHundredSteps) {
  TControl* b = Drop("TButton", Point(16, 16));
  for (int i = 0; i < 210; ++i) drive_->Key(VK_RIGHT);
  EXPECT_EQ(b->Left(), 226);
  int undone = 0;
  while (window_->Document().CanUndo()) {
    window_->Undo();
    ++undone;
  }
  EXPECT_GE(undone, 100);
  EXPECT_EQ(static_cast<size_t>(undone), designer::TDesignDocument::kUndoLimit);
  EXPECT_EQ(Control("Button1")->Left(), 226 - undone) << "the oldest steps were forgotten";
}

TEST_F(DesignerTest, DiscardingChangesAsksAndCancelKeepsThem) {
  Drop("TButton", Point(16, 16));
  AnswerMessages(mrCancel);
  window_->NewForm();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Save changes to Untitled?");
  EXPECT_NE(Control("Button1"), nullptr);
  AnswerMessages(mrNo);
  window_->NewForm();
  EXPECT_EQ(Control("Button1"), nullptr);
  EXPECT_FALSE(window_->Document().IsModified());
  window_->NewForm();
  EXPECT_EQ(messages_.size(), 2u) << "an unchanged form is not asked about";
}

TEST_F(DesignerTest, SaveReplacesTheFileWholeAndAFailedSaveLeavesItAndTheDocument) {
  const std::string file = TempFile("whole.dfm");
  WriteFile(file, "old contents");
  Drop("TButton", Point(16, 16));
  ASSERT_TRUE(window_->SaveAs(file));
  EXPECT_EQ(designer::ReadTextFile(file), window_->Document().Text());
  EXPECT_FALSE(std::filesystem::exists(file + ".saving"));
  // A directory that cannot be written to: the old file stands, the form stays modified.
  const std::string dir = TempFile("locked");
  std::filesystem::create_directories(dir);
  const std::string locked = dir + "/form.dfm";
  WriteFile(locked, "kept");
  ::chmod(dir.c_str(), 0500);
  Drop("TButton", Point(16, 64));
  const bool saved = window_->SaveAs(locked);
  ::chmod(dir.c_str(), 0700);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(saved);
    EXPECT_EQ(designer::ReadTextFile(locked), "kept");
    EXPECT_TRUE(window_->Document().IsModified());
    ASSERT_FALSE(messages_.empty());
    EXPECT_NE(messages_.back().find("Cannot write"), std::string::npos) << messages_.back();
  }
  EXPECT_NE(Control("Button2"), nullptr);
}

TEST_F(DesignerTest, AFileThatFailsToLoadIsReportedWithLineAndColumnAndChangesNothing) {
  Drop("TButton", Point(16, 16));
  const std::string before = window_->Document().Text();
  const std::string bad = TempFile("bad.dfm");
  WriteFile(bad, "object Form1: TForm1\n  Left = 0\n  Width = 'wide'\nend\n");
  EXPECT_FALSE(window_->OpenFile(bad));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("line 3, column"), std::string::npos) << messages_[0];
  EXPECT_EQ(window_->Document().Text(), before);
  EXPECT_NE(Control("Button1"), nullptr);
  EXPECT_TRUE(window_->Document().IsModified());
  EXPECT_FALSE(window_->OpenFile(TempFile("missing.dfm")));
  EXPECT_NE(messages_.back().find("Cannot open file"), std::string::npos) << messages_.back();
  EXPECT_EQ(window_->Document().Text(), before);
}

TEST_F(DesignerTest, OpenKeepsTheStoredPositionAndVisibilityOfTheForm) {
  const std::string file = TempFile("placed.dfm");
  const std::string text =
      "object Setup: TSetupForm\n  Left = 300\n  Top = 200\n  Width = 320\n  Height = 240\n  Caption = 'Setup'\n  Font.Name = 'MS Sans Serif'\n"
      "  Visible = True\nend\n";
  WriteFile(file, text);
  ASSERT_TRUE(window_->OpenFile(file));
  EXPECT_EQ(window_->Document().Text(), text) << "shown in the designer, stored as it was";
  EXPECT_EQ(window_->Document().RootClassName(), "TSetupForm");
}

TEST_F(DesignerTest, RunShowsTheFormWithoutDesignModeAndLeavesTheDocument) {
  Drop("TButton", Point(16, 16));
  const std::string before = window_->Document().Text();
  bool designing = true;
  window_->OnRunStarted = [&](TForm& form) {
    designing = form.FindComponent("Button1")->ComponentState().Contains(csDesigning);
    static_cast<TButton*>(form.FindComponent("Button1"))->SetModalResult(mrOk);
    Application->Headless()->ClickControl("Button1");
  };
  const designer::TRunResult r = window_->Run();
  EXPECT_FALSE(designing);
  EXPECT_EQ(r.ModalResult, mrOk);
  EXPECT_EQ(window_->StatusText(), "Run ended with modal result 1 (OK).");
  EXPECT_EQ(window_->Document().Text(), before);
}

}  // namespace designertest
