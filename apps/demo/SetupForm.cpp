#include "SetupForm.h"

#include <filesystem>
#include <memory>

#include "FitText.h"
#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

namespace demo {

using namespace host;
using zelvant::TZelvant;

HOST_PUBLISHED(TSetupForm) {
  P.Method("WizardPageChange", &TSetupForm::WizardPageChange);
  P.Method("WizardAskPageChange", &TSetupForm::WizardAskPageChange);
  P.Method("GetOptionsForm", &TSetupForm::GetOptionsForm);
}

TSetupForm::TSetupForm(TComponent* owner) : TForm(owner) {}

TZelvant* TSetupForm::Wizard() const { return dynamic_cast<TZelvant*>(FindComponent("Zelvant1")); }

namespace {

bool IsChecked(const TComponent* c) {
  if (const auto* box = dynamic_cast<const TCheckBox*>(c)) return box->Checked();
  const auto* radio = dynamic_cast<const TRadioButton*>(c);
  return radio && radio->Checked();
}

std::string EditText(const TComponent* c) {
  const auto* edit = dynamic_cast<const TEdit*>(c);
  return edit ? edit->Text() : std::string();
}

}  // namespace

TSetupChoices TSetupForm::Choices() const {
  TSetupChoices choices;
  choices.Custom = IsChecked(FindComponent("CustomRadio"));
  choices.UserName = EditText(FindComponent("UserNameEdit"));
  choices.Destination = EditText(FindComponent("DestinationEdit"));
  // The options live in a form of their own, there once the container has shown it.
  const auto* box = dynamic_cast<const zelvant::TAForm*>(FindComponent("OptionsContainer"));
  if (const TForm* options = box ? box->Form() : nullptr) {
    if (const auto* folder = dynamic_cast<const TComboBox*>(options->FindComponent("FolderCombo")))
      choices.Folder = folder->Text();
    if (const auto* language = dynamic_cast<const TComboBox*>(options->FindComponent("LanguageCombo")))
      choices.Language = language->Text();
    choices.AllUsers = !IsChecked(options->FindComponent("JustMeRadio"));
    choices.DesktopIcon = IsChecked(options->FindComponent("DesktopIconCheck"));
    choices.Examples = IsChecked(options->FindComponent("ExamplesCheck"));
  }
  return choices;
}

void TSetupForm::SetLabel(const std::string& name, const std::string& text) {
  auto* label = dynamic_cast<TLabel*>(FindComponent(name));
  if (!label) return;
  TCanvas& c = label->Canvas();
  c.Font().Assign(label->Font());
  label->SetCaption(FitText(c, text, label->Width()));
}

void TSetupForm::FillSummary() {
  const TSetupChoices c = Choices();
  SetLabel("SummaryType", c.Custom ? "Custom installation" : "Typical installation");
  SetLabel("SummaryName", c.UserName.empty() ? "(not given)" : c.UserName);
  SetLabel("SummaryDestination", c.Destination.empty() ? "/opt/zelvant-demo (proposed)" : c.Destination);
  if (c.Folder.empty()) {
    SetLabel("SummaryFolder", "Zelvant Demo (proposed)");
    SetLabel("SummaryLanguage", "English (proposed)");
    SetLabel("SummaryUsers", "All users (proposed)");
    SetLabel("SummaryTasks", "Examples (proposed)");
  } else {
    SetLabel("SummaryFolder", c.Folder);
    SetLabel("SummaryLanguage", c.Language);
    SetLabel("SummaryUsers", c.AllUsers ? "All users" : "Only the current user");
    std::string tasks = c.DesktopIcon ? "Desktop icon" : "";
    if (c.Examples) tasks += tasks.empty() ? "Examples" : ", examples";
    SetLabel("SummaryTasks", tasks.empty() ? "None" : tasks);
  }
}

void TSetupForm::WizardPageChange(TZelvant* sender, Integer page) {
  FillSummary();
  if (PageShown) PageShown(sender, page);
}

void TSetupForm::WizardAskPageChange(TZelvant*, Integer, Integer& newPage) {
  newPage = IsChecked(FindComponent("CustomRadio")) ? rowOptions : rowReady;
}

zelvant::TRouteOptions TSetupForm::RouteOptions() {
  zelvant::TRouteOptions options;
  options.AskTargets[rowSetupType] = {rowOptions, rowReady};
  return options;
}

TForm* TSetupForm::GetOptionsForm() {
  auto form = std::make_unique<TForm>(nullptr);
  LoadFormFile((std::filesystem::path(ExamplesDir) / "options.dfm").string(), form.get());
  return form.release();  // the container frees it
}

std::string FindExamplesDir(const std::string& explicitDir) {
  namespace fs = std::filesystem;
  auto holds = [](const fs::path& dir) { return fs::is_regular_file(dir / "setup.dfm"); };
  if (!explicitDir.empty()) return explicitDir;
  const fs::path exeDir = fs::path(ProgramPath()).parent_path();
  // Beside the program, in an installed prefix's share/zelvant, or up from a build tree.
  for (const fs::path& dir : {exeDir / "examples", exeDir.parent_path() / "share" / "zelvant" / "examples",
                              exeDir.parent_path() / "examples",
                              exeDir.parent_path().parent_path() / "examples"})
    if (holds(dir)) return dir.string();
#ifdef ZELVANT_SOURCE_DIR
  if (holds(fs::path(ZELVANT_SOURCE_DIR) / "examples")) return (fs::path(ZELVANT_SOURCE_DIR) / "examples").string();
#endif
  return "examples";
}

}  // namespace demo
