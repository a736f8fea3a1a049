#include "FindingsFixture.h"

#include "host/forms/Backend.h"

namespace findings_test {

using namespace host;
using namespace zelvant;

FindingsFixture::FindingsFixture() {
  Application->Headless()->Clear();
  designed = new TForm(nullptr);
  designed->SetName("WizardForm");
  designed->SetBounds(100, 100, 500, 400);
  designer = std::make_unique<TFormDesigner>(designed);
  wizard = new TZelvant(designed);
  wizard->SetName("Zelvant1");
  wizard->SetParent(designed);
  wizard->SetNumPages(4);
  jump = new TAJumpBitBtn(designed);
  jump->SetName("Jump1");
  jump->SetParent(wizard);
  jump->JumpPage = 9;
  ShowOn(jump->ShowContainer(), {2});
  wizard->setPage(1);
  designer->ResetModified();

  window = new TForm(nullptr);
  window->SetName("FindingsWindow");
  window->SetBorderStyle(bsNone);
  window->SetBounds(0, 0, 600, 140);
  panel = new designer::TRouteFindingsPanel(window);
  panel->SetName("Findings");
  panel->SetBounds(0, 0, 600, 140);
  panel->SetParent(window);
  panel->OnChoose = [this](TObject*, const TRouteFinding& f) { chosen.push_back(f); };
  window->Show();
}

FindingsFixture::~FindingsFixture() {
  window->Hide();
  delete window;
  designer.reset();
  delete designed;
  Application->Headless()->Clear();
}

void FindingsFixture::ShowOn(TAposList* shows, std::initializer_list<Integer> pages) {
  for (Integer r = 0; r < shows->List.Count(); ++r) shows->Record(r).Show = 0;
  for (Integer r : pages) shows->Record(r).Show = 1;
}

void FindingsFixture::ClickAt(TPoint p) {
  const TPoint o = panel->WindowOrigin();
  Application->Headless()->Click(Point(o.X + p.X, o.Y + p.Y));
  Application->ProcessMessages();
}

void FindingsFixture::Press(Word key) {
  Application->Headless()->PressKey(key);
  Application->ProcessMessages();
}

Integer FindingsFixture::Find(const std::string& text) const {
  for (Integer i = 0; i < panel->Count(); ++i)
    if (panel->Findings()[static_cast<size_t>(i)].Message.find(text) != std::string::npos) return i;
  return -1;
}

}  // namespace findings_test
