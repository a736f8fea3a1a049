#include "InspectorFixture.h"

#include "host/forms/Backend.h"
#include "host/stdctrls/Dialogs.h"
#include "zelvant/design/Zelv32.h"

namespace inspector_test {

using namespace host;

InspectorFixture::InspectorFixture() {
  if (PaletteClasses("Zelvant").empty()) zelvant::Register();
  Application->Headless()->Clear();
  designed = new TForm(nullptr);
  designed->SetName("WizardForm");
  designed->SetBounds(100, 100, 500, 400);
  designer = std::make_unique<TFormDesigner>(designed);
  wizard = new zelvant::TZelvant(designed);
  wizard->SetName("Zelvant1");
  wizard->SetParent(designed);
  wizard->SetNumPages(3);
  panel = new zelvant::TAPanel(designed);
  panel->SetName("APanel1");
  panel->SetParent(wizard);
  button = new TButton(designed);
  button->SetName("Button1");
  button->SetParent(designed);
  label = new TLabel(designed);
  label->SetName("Label1");
  label->SetParent(designed);
  label->SetBounds(10, 20, 60, 13);
  designer->ResetModified();

  window = new TForm(nullptr);
  window->SetName("InspectorWindow");
  window->SetBorderStyle(bsNone);
  window->SetBounds(0, 0, 260, 420);
  inspector = new designer::TObjectInspector(window);
  inspector->SetName("Inspector");
  inspector->SetBounds(0, 0, 260, 420);
  inspector->SetParent(window);
  inspector->SetDesigner(designer.get());
  inspector->OnPropertyChanged = [this](TObject*, const std::string& path) { changed.push_back(path); };
  SetMessageDlgHandler([this](const std::string& msg, TMsgDlgType, TMsgDlgButtons buttons, Integer) {
    messages.push_back(msg);
    return buttons == TMsgDlgButtons{mbOK} ? mrOk : answer;
  });
  window->Show();
  window->PaintWindow(Rect(0, 0, window->Width(), window->Height()));
}

InspectorFixture::~InspectorFixture() {
  SetMessageDlgHandler(nullptr);
  window->Hide();
  delete window;
  designer.reset();
  delete designed;
  Application->Headless()->Clear();
}

void InspectorFixture::Select(std::vector<TPersistent*> selection) { inspector->SetSelection(std::move(selection)); }

void InspectorFixture::ClickAt(TPoint p, TShiftState shift) {
  const TPoint o = inspector->WindowOrigin();
  Application->Headless()->Click(Point(o.X + p.X, o.Y + p.Y), mbLeft, shift);
  Application->ProcessMessages();
}

void InspectorFixture::ClickRowAt(const std::string& path, Integer x) {
  const Integer i = inspector->FindRow(path);
  ASSERT_GE(i, 0) << path;
  if (inspector->RowRect(i).IsEmpty()) inspector->SetTopRow(i);  // scrolled to, as a user would
  const TRect r = inspector->RowRect(i);
  ClickAt(Point(x, (r.Top + r.Bottom) / 2));
}

void InspectorFixture::ClickRow(const std::string& path) { ClickRowAt(path, inspector->Splitter() - 4); }

void InspectorFixture::ClickValue(const std::string& path) { ClickRowAt(path, inspector->Splitter() + 10); }

void InspectorFixture::Press(Word key, TShiftState shift) {
  Application->Headless()->PressKey(key, shift);
  Application->ProcessMessages();
}

void InspectorFixture::Type(const std::string& text) {
  Application->Headless()->TypeText(text);
  Application->ProcessMessages();
}

std::string InspectorFixture::Value(const std::string& path) {
  const Integer i = inspector->FindRow(path);
  return i < 0 ? "<no row " + path + ">" : inspector->Row(i).Value;
}

}  // namespace inspector_test
