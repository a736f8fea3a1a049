// The scripted story of the designer, with a check after each step.
#include <filesystem>

#include "ScriptDriver.h"
#include "inspector/ObjectInspector.h"
#include "host/core/Lists.h"
#include "host/forms/Backend.h"
#include "host/stdctrls/Dialogs.h"
#include "host/streaming/Filer.h"

namespace designer {

using namespace host;

namespace {

class TChecker {
 public:
  explicit TChecker(std::ostream& log) : log_(log) {}
  void Check(bool ok, const std::string& what) {
    log_ << (ok ? "  ok    " : "  FAIL  ") << what << "\n";
    if (!ok) ++failed_;
  }
  int Failed() const { return failed_; }

 private:
  std::ostream& log_;
  int failed_ = 0;
};

TComponent* Find(TDesignerWindow& w, const std::string& name) { return w.Document().Form()->FindComponent(name); }

}  // namespace

int RunDesignerStory(TDesignerWindow& window, const std::string& outDir, std::ostream& log) {
  namespace fs = std::filesystem;
  TChecker check(log);
  TScriptDriver drive(window);
  auto shot = [&](const std::string& name) {
    if (outDir.empty()) return;
    fs::create_directories(outDir);
    drive.Shot((fs::path(outDir) / name).string());
    log << "  picture " << (fs::path(outDir) / name).string() << "\n";
  };
  window.Show();
  window.NewForm();

  log << "A wizard dropped on a new form\n";
  drive.ChooseClass("TZelvant");
  drive.Click(drive.FormPoint(Point(20, 20)));
  TComponent* wizard = Find(window, "Zelvant1");
  check.Check(wizard != nullptr, "the wizard is named Zelvant1");
  if (!wizard) return check.Failed();
  check.Check(window.Document().IsModified(), "the document is marked modified");

  // A value typed into the inspector's row of a property, then Enter; `keys` come after,
  // for a dialog the row opens.
  THeadlessBackend& input = *Application->Headless();
  auto pressRow = [&](TComponent* c, const std::string& prop) -> bool {
    window.Editor().Select(c);
    TObjectInspector& in = *window.Inspector();
    const Integer row = in.FindRow(prop);
    if (row < 0) return false;
    in.SetTopRow(row);
    const TRect r = in.RowRect(row);
    // The row's name: it selects the row with its whole value, ready to be typed over.
    drive.ClickControl(in, Point(in.Splitter() / 2, (r.Top + r.Bottom) / 2));
    return in.ItemIndex() == row;
  };
  auto inspect = [&](TComponent* c, const std::string& prop, const std::string& value) {
    check.Check(pressRow(c, prop), "the inspector shows " + prop);
    input.TypeText(value);
    input.PressKey(VK_RETURN);
    Application->ProcessMessages();
  };
  auto clickLater = [&](const char* path) {
    TInputEvent e;
    e.Kind = TInputEvent::TKind::ClickControl;
    e.Path = path;
    input.Post(e);
  };

  log << "NumPages set to 4 in the inspector, then 2 is asked about and cancelled\n";
  std::string asked;
  SetMessageDlgHandler([&](const std::string& msg, TMsgDlgType, TMsgDlgButtons, Integer) {
    asked = msg;
    return mrCancel;
  });
  inspect(wizard, "NumPages", "4");
  inspect(wizard, "NumPages", "2");
  SetMessageDlgHandler(nullptr);
  check.Check(asked == "Do you want to reduce the number of pages in the Zelvant?", "the question was asked");
  check.Check(GetPropertyEditor(&window.Editor(), {wizard}, "NumPages")->GetValue() == "4", "NumPages stays 4");

  log << "Page names typed into their dialog\n";
  {
    check.Check(pressRow(wizard, "PageNames"), "the inspector shows PageNames");
    input.PressKey(VK_RETURN);  // the row's dialog
    // The first name typed replaces "Page 1"; the cell editor then stays open and
    // follows the arrow with the caret after the text, which Backspace takes away.
    bool editing = false;
    for (const char* name : {"Welcome", "Installation", "Folder", "Ready"}) {
      input.PressKey(VK_DOWN);
      for (int i = 0; editing && i < 6; ++i) input.PressKey(VK_BACK);
      input.TypeText(name);
      editing = true;
    }
    clickLater("Button7");  // OK
    Application->ProcessMessages();
    const auto* names = dynamic_cast<const TStrings*>(GetPropertyEditor(&window.Editor(), {wizard}, "PageNames")->GetObjectValue());
    check.Check(names && names->Count() == 5 && names->Get(1) == "Welcome" && names->Get(4) == "Ready",
                "the pages are named Welcome, Installation, Folder and Ready");
  }

  auto page = [&] { return GetPropertyEditor(&window.Editor(), {wizard}, "Page")->GetValue(); };
  auto press = [&](const char* name) { drive.ClickCentre(*static_cast<TControl*>(wizard->FindComponent(name))); };

  log << "Page 2: a panel dragged out and a jump radio button clicked into it\n";
  press("ChangeButton");  // from the dialog page to the wizard's pages
  press("NextButton");
  check.Check(page() == "2", "the wizard shows page 2 (" + page() + ")");
  drive.ChooseClass("TAPanel");
  drive.Drag(drive.FormPoint(Point(40, 64)), drive.FormPoint(Point(280, 200)));
  auto* panel = dynamic_cast<TControl*>(Find(window, "APanel1"));
  check.Check(panel && panel->Parent() == wizard, "APanel1 lies in the wizard");
  drive.ChooseClass("TAJumpRadioBtn");
  drive.Click(drive.FormPoint(Point(64, 96)));
  auto* radio = dynamic_cast<TControl*>(Find(window, "AJumpRadioBtn1"));
  check.Check(radio && radio->Parent() == panel, "AJumpRadioBtn1 lies in the panel");
  // Its caption and width typed into the inspector, and a second one beside it.
  auto set = [&](TComponent* c, const char* prop, const std::string& value) { inspect(c, prop, value); };
  if (radio) {
    set(radio, "Caption", "Typical installation");
    set(radio, "Width", "176");
    set(radio, "Height", "24");
  }
  drive.ChooseClass("TAJumpRadioBtn");
  drive.Click(drive.FormPoint(Point(64, 136)));
  if (TComponent* second = Find(window, "AJumpRadioBtn2")) {
    set(second, "Caption", "Custom installation");
    set(second, "Width", "176");
    set(second, "Height", "24");
  }
  drive.ChooseClass("TLabel");
  drive.Click(drive.FormPoint(Point(40, 24)));
  if (TComponent* label = Find(window, "Label1")) set(label, "Caption", "How do you want to install?");
  drive.Click(drive.FormPoint(Point(72, 100)));  // the first radio button again
  shot("designer.png");

  log << "Paging with Back and Next\n";
  press("BackButton");
  check.Check(page() == "1", "Back shows page 1");
  press("NextButton");
  check.Check(page() == "2", "Next shows page 2 again");

  log << "A route built in the way-list editor\n";
  {
    check.Check(pressRow(wizard, "WayList"), "the inspector shows WayList");
    input.PressKey(VK_RETURN);
    clickLater("Button8");  // Default: a row for each page
    clickLater("Button2");  // OK
    Application->ProcessMessages();
    inspect(wizard, "WayListEnabled", "True");
    check.Check(window.Document().Text().find("WayList.NumPages = 4") != std::string::npos,
                "the way list holds a row for each of the four pages");
  }

  log << "Undo to the empty form and Redo to the end\n";
  const std::string before = window.Document().Text();
  size_t undos = 0;
  while (window.Document().CanUndo()) {
    window.Undo();
    ++undos;
  }
  check.Check(window.Document().Form()->ComponentCount() == 0,
              "undo reaches the empty form (" + std::to_string(undos) + " steps)");
  while (window.Document().CanRedo()) window.Redo();
  check.Check(window.Document().Text() == before, "redo comes back to the end");

  log << "Saved, opened again, compared byte for byte\n";
  const fs::path file = (outDir.empty() ? fs::temp_directory_path() : fs::path(outDir)) / "story.dfm";
  check.Check(window.SaveAs(file.string()), "saved");
  const std::string saved = ReadTextFile(file.string());
  check.Check(saved == before, "the file holds the form's text");
  if (saved != before) log << "----\n" << before << "----\n" << saved << "----\n";
  check.Check(window.OpenFile(file.string()), "opened");
  check.Check(window.Document().Text() == saved, "the form reads back as saved");
  check.Check(!window.Document().IsModified(), "and it is not modified");

  log << "Run and finish the wizard\n";
  window.OnRunStarted = [](TForm& form) {
    for (const char* path : {"Zelvant1.NextButton", "Zelvant1.NextButton", "Zelvant1.NextButton", "Zelvant1.OKButton"}) {
      TInputEvent e;
      e.Kind = TInputEvent::TKind::ClickControl;
      e.Path = path;
      e.Form = &form;
      Application->Headless()->Post(e);
    }
  };
  const TRunResult run = window.Run();
  window.OnRunStarted = nullptr;
  check.Check(run.ModalResult == mrOk, "the wizard finished with OK (" + std::to_string(run.ModalResult) + ")");
  check.Check(window.Document().Text() == saved && !window.Document().IsModified(), "the document is untouched");
  return check.Failed();
}

}  // namespace designer
