// TZelvant: the language file that dresses the nine button roles and the captions.
#include "ZelvA.h"

#include "host/core/IniFiles.h"
#include "zelvant/Resources.h"

namespace zelvant {

using namespace host;

namespace {

std::string& LanguageDirectory() {
  static std::string dir;
  return dir;
}

// One button role as a new wizard is dressed; the texts are the English fallbacks.
struct LanguageRow {
  TButtonData* (TZelvant::*role)() const;
  const char* resource;
  const char* key;
  const char* text;
  bool show;
};

constexpr LanguageRow kRows[] = {
    {&TZelvant::BtnHelp, "HELP", "Help", "&Help", false},
    {&TZelvant::BtnWizardOK, "ZELVANTOK", "ZelvantOK", "&OK", false},
    {&TZelvant::BtnFinish, "FINISH", "Finish", "&Finish", true},
    {&TZelvant::BtnDialogOK, "DIALOGOK", "DialogOK", "&OK", true},
    {&TZelvant::BtnChangeWizard, "CHANGEZELVANT", "ChangeZelvant", "&Wizard", true},
    {&TZelvant::BtnChangeDialog, "CHANGEDIALOG", "ChangeDialog", "&Dialog", true},
    {&TZelvant::BtnCancel, "CANCEL", "Cancel", "&Cancel", true},
    {&TZelvant::BtnNext, "ARROWR", "Next", "&Next", true},
    {&TZelvant::BtnBack, "ARROWL", "Back", "&Back", true},
};

// A role nobody has dressed yet: what the constructor leaves at run time.
bool Blank(const TButtonData& data) {
  return data.Text().empty() && data.GetGlyph()->Empty() && !data.Enabled() && !data.Show();
}

std::string SectionOf(const TIniFile& ini) { return ini.ReadString("Option", "Language", "english"); }

}  // namespace

void TZelvant::SetLanguageDirectory(const std::string& dir) { LanguageDirectory() = dir; }

std::string TZelvant::LanguageFileName() {
  std::string dir = LanguageDirectory().empty() ? ExtractFilePath(ProgramPath()) : LanguageDirectory();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir + "Zelv.ini";
}

void TZelvant::ApplyLanguage(const TIniFile& ini, const std::string& language) {
  for (const LanguageRow& row : kRows) {
    TButtonData* data = (this->*row.role)();
    const bool blank = Blank(*data);
    if (blank)
      if (auto glyph = LoadBitmap(PackageModule(), row.resource)) data->SetGlyph(glyph.get());
    data->SetText(ini.ReadString(language, row.key, row.text));
    if (!blank) continue;
    data->SetEnabled(true);
    data->SetShow(row.show);
    if (data == FBtnNext.get()) data->SetLayout(blGlyphRight);
  }
  FCaptionWizard = ini.ReadString(language, "CaptionWizard", "Wizard - Page %d of %d");
  FCaptionDialog = ini.ReadString(language, "CaptionDialog", "Dialog");
}

// A wizard placed in the designer: every role is still blank, and the captions are
// stored without refreshing the form yet.
void TZelvant::ReadLanguageFile() {
  TIniFile ini(LanguageFileName());
  ApplyLanguage(ini, SectionOf(ini));
}

void TZelvant::LoadLanguage(const std::string& FileName, const std::string& Language) {
  TIniFile ini(FileName.empty() ? LanguageFileName() : FileName);
  // The nine roles change together: the bar is laid out once, after the last of them.
  const bool layout = FLayoutButtons;
  FLayoutButtons = false;
  ApplyLanguage(ini, Language.empty() ? SectionOf(ini) : Language);
  FLayoutButtons = layout;
  ShowButtons();
  SetCaption();
}

}  // namespace zelvant
