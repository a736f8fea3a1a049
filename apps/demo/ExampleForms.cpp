#include "ExampleForms.h"

#include <initializer_list>

#include "Pictures.h"
#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/Resources.h"

namespace demo {

using namespace host;
using namespace zelvant;

namespace {

constexpr Integer kClientWidth = 500, kClientHeight = 380;
constexpr Integer kDialogClientWidth = 590, kDialogClientHeight = 350;
constexpr Integer kBarHeight = 35;      // the wizard's button bar below its client area
constexpr Integer kHeaderHeight = 58;
constexpr Integer kMargin = 40;         // left edge of a wizard page's content
constexpr Integer kContentWidth = kClientWidth - 2 * kMargin;
constexpr Integer kOptionsWidth = 330, kOptionsHeight = 230;

// The licence, one paragraph a line; the memo wraps them and scrolls.
const char* const kLicence[] = {
    "ZELVANT DEMO LICENCE AGREEMENT",
    "",
    "1. You may install and use this demonstration program on any number of computers.",
    "",
    "2. The program comes without any warranty. It shows how a setup wizard is built with the Zelvant "
    "components, and it installs nothing.",
    "",
    "3. You may copy the program and pass it on, together with this agreement.",
    "",
    "4. You may change the program and pass on what you changed, as long as you say that you changed it "
    "and keep this agreement with it.",
    "",
    "5. The names and pictures in the program are examples. They stand for no real product, person or "
    "company.",
    "",
    "6. If a part of this agreement cannot hold where you live, the other parts still do.",
    "",
    "7. By clicking \"I accept the agreement\" you say that you have read this agreement to its end.",
};

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const std::string& name, Integer left, Integer top, Integer width,
        Integer height) {
  auto* c = new T(owner);
  c->SetName(name);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

struct TShown {
  Integer Page, Left, Top;
};

// A page-aware control's pages and its place on each; hidden on all others.
template <class C>
void ShowOn(C* control, std::initializer_list<TShown> pages) {
  TAposList& list = *control->ShowContainer();
  for (Integer i = 0; i < list.Count; ++i) list.SetApos(i, TAPos{});
  for (const TShown& p : pages) list.SetApos(p.Page, TAPos{p.Left, p.Top, 1});
}

TLabel* Text(TComponent* owner, TWinControl* parent, const std::string& name, Integer left, Integer top,
             Integer width, const std::string& caption) {
  auto* label = Make<TLabel>(owner, parent, name, left, top, width, 13);
  label->SetWordWrap(true);
  label->SetCaption(caption);
  return label;
}

TPanel* PlainPanel(TComponent* owner, TWinControl* parent, const std::string& name, TAlign align, Integer height) {
  auto* panel = Make<TPanel>(owner, parent, name, 0, 0, parent->Width(), height);
  panel->SetCaption("");
  panel->SetBevelOuter(bvNone);
  panel->SetAlign(align);
  return panel;
}

// One wizard page: a box filling the wizard's client area, shown on that page only.
TABox* PageBox(TComponent* owner, TZelvant* z, const std::string& name, Integer page) {
  auto* box = Make<TABox>(owner, z, name, 0, 0, 50, 50);
  ShowOn(box, {{page, 0, 0}});
  box->SetAAlign(alClient);
  return box;
}

// The white band at the top of a page with its title, subtitle and icon.
void AddHeader(TComponent* owner, TWinControl* box, const std::string& prefix, Integer width,
               const std::string& title, const std::string& subtitle) {
  TPanel* header = PlainPanel(owner, box, prefix + "Header", alTop, kHeaderHeight);
  header->SetColor(clWhite);
  TLabel* t = Make<TLabel>(owner, header, prefix + "Title", 20, 10, width - 100, 13);
  t->Font()->SetStyle({fsBold});
  t->SetCaption(title);
  Text(owner, header, prefix + "Subtitle", 36, 28, width - 110, subtitle);
  auto* icon = Make<TImage>(owner, header, prefix + "Icon", width - 56, 5, 48, 48);
  TBitmap picture;
  DrawHeaderIcon(picture, 48);
  icon->Picture()->Assign(&picture);
  TPanel* line = PlainPanel(owner, box, prefix + "HeaderLine", alTop, 2);
  line->SetBevelOuter(bvLowered);
}

void DressWizard(TSetupForm* form, TZelvant* z, Integer numPages, std::initializer_list<const char*> names) {
  z->SetNumPages(numPages);
  Integer i = 0;
  for (const char* name : names) z->PageNames()->Put(i++, name);
  z->SetCaptionWizard("Setup - Zelvant Demo");
  z->OnPageChange = TPageChangeEvent(form, "WizardPageChange");
}

// A form of the demo's class with a wizard dressed from the language file, with its
// glyphs, as one dropped in the designer is.
std::unique_ptr<TSetupForm> WizardForm(TZelvant*& z) {
  auto form = std::make_unique<TSetupForm>(nullptr);
  form->SetName("SetupForm");
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetScaled(false);
  form->SetClientWidth(kClientWidth);
  form->SetClientHeight(kClientHeight);
  z = new TZelvant(form.get());
  z->SetName("Zelvant1");
  z->SetParent(form.get());
  z->LoadLanguage();
  return form;
}

// --- pages shared by both variants; `top` is where the page's content starts.

void SetupTypePage(TSetupForm* f, TABox* box, Integer page, Integer top, const char* explanation,
                   TAGroupBox*& group) {
  Text(f, box, "TypeIntro", kMargin, top, kContentWidth, "Which kind of installation do you want?");
  group = Make<TAGroupBox>(f, box, "TypeGroup", kMargin, top + 22, 210, 112);
  group->SetCaption("Setup type");
  ShowOn(group, {{page, kMargin, top + 22}});
  auto* typical = Make<TRadioButton>(f, group, "TypicalRadio", 12, 22, 180, 17);
  typical->SetCaption("&Typical");
  typical->SetChecked(true);
  Text(f, group, "TypicalNote", 30, 40, 170, "Program and examples.");
  auto* custom = Make<TRadioButton>(f, group, "CustomRadio", 12, 64, 180, 17);
  custom->SetCaption("&Custom");
  Text(f, group, "CustomNote", 30, 82, 170, "You choose the options.");
  Text(f, box, "TypeExplanation", kMargin + 230, top + 30, kContentWidth - 230, explanation);
}

TAForm* OptionsPage(TSetupForm* f, TABox* box, Integer page, Integer top, const char* intro) {
  Text(f, box, "OptionsIntro", kMargin, top, kContentWidth, intro);
  auto* container = Make<TAForm>(f, box, "OptionsContainer", kMargin, top + 22, kOptionsWidth, kOptionsHeight);
  ShowOn(container, {{page, kMargin, top + 22}});
  container->FormCreate = fcOnDemand;
  container->OnGetForm = TGetFormEvent(f, "GetOptionsForm");
  return container;
}

// A caption and the value the program fills in: one line, cut with an ellipsis when too
// long, and shown as typed (an "&" is not an accelerator).
void SummaryRow(TSetupForm* f, TTabSheet* sheet, Integer row, const char* caption, const char* name,
                const char* value) {
  const Integer top = 12 + row * 20;
  Text(f, sheet, std::string(name) + "Caption", 12, top, 120, caption);
  auto* label = Make<TLabel>(f, sheet, name, 136, top, 260, 13);
  label->SetAutoSize(false);
  label->SetShowAccelChar(false);
  label->SetCaption(value);
}

void ReadyPage(TSetupForm* f, TABox* box, Integer page, Integer top, Integer height, const char* intro) {
  Text(f, box, "ReadyIntro", kMargin, top, kContentWidth, intro);
  auto* pages = Make<TAPageControl>(f, box, "ReadyPages", kMargin, top + 34, kContentWidth, height);
  ShowOn(pages, {{page, kMargin, top + 34}});
  auto* summary = new TTabSheet(f);
  summary->SetName("SummarySheet");
  summary->SetPageControl(pages);
  summary->SetCaption("Summary");
  SummaryRow(f, summary, 0, "Setup type:", "SummaryType", "Typical installation");
  SummaryRow(f, summary, 1, "Your name:", "SummaryName", "(not given)");
  SummaryRow(f, summary, 2, "Destination folder:", "SummaryDestination", "/opt/zelvant-demo (proposed)");
  SummaryRow(f, summary, 3, "Start menu folder:", "SummaryFolder", "Zelvant Demo (proposed)");
  SummaryRow(f, summary, 4, "Language:", "SummaryLanguage", "English (proposed)");
  SummaryRow(f, summary, 5, "Installed for:", "SummaryUsers", "All users (proposed)");
  auto* details = new TTabSheet(f);
  details->SetName("DetailsSheet");
  details->SetPageControl(pages);
  details->SetCaption("Details");
  SummaryRow(f, details, 0, "Additional tasks:", "SummaryTasks", "Examples (proposed)");
  Text(f, details, "DetailsNames", 12, 32, 140, "Program files:\nExamples and pictures:\nDisk space needed:");
  Text(f, details, "DetailsValues", 136, 32, 240, "2.4 MB\n0.9 MB\n3.3 MB");
  pages->SetActivePage(summary);
}

// The name and folder page: two edits with their labels, and what the folder is for.
void NameFolderPage(TSetupForm* f, TABox* box, Integer top) {
  auto* nameLabel = Text(f, box, "UserNameLabel", kMargin, top, kContentWidth, "Your &name:");
  auto* name = Make<TEdit>(f, box, "UserNameEdit", kMargin, top + 18, 260, 21);
  name->SetText("");
  name->SetMaxLength(80);
  nameLabel->SetFocusControl(name);
  auto* folderLabel =
      Text(f, box, "DestinationLabel", kMargin, top + 54, kContentWidth, "&Destination folder:");
  auto* folder = Make<TEdit>(f, box, "DestinationEdit", kMargin, top + 72, kContentWidth, 21);
  folder->SetText("/opt/zelvant-demo");
  folderLabel->SetFocusControl(folder);
  Text(f, box, "DestinationNote", kMargin, top + 104, kContentWidth,
       "Setup installs the program's files into this folder, and makes the folder if it is not there.");
}

}  // namespace

std::unique_ptr<TSetupForm> BuildSetupWizard() {
  TZelvant* z = nullptr;
  auto form = WizardForm(z);
  TSetupForm* f = form.get();
  f->SetCaption("Setup - Zelvant Demo");
  DressWizard(f, z, 7,
              {"Setup Options", "Welcome", "Licence Agreement", "Name and Folder", "Setup Type", "Options",
               "Ready to Install", "Setup Not Completed"});
  z->SetCaptionDialog("Setup Options - Zelvant Demo");
  z->RememberPage = true;  // Change on the dialog returns to the page the user left
  for (TPage row : {TPage{rowWelcome, gpNext}, TPage{rowLicence, gpNext}, TPage{rowNameFolder, gpNext},
                    TPage{rowSetupType, gpAsk},
                    TPage{rowOptions, gpNext}, TPage{rowReady, gpFinish}, TPage{rowNotCompleted, gpFinish}})
    z->WayList()->AddPage(row);
  z->SetWayListEnabled(true);
  z->OnAskPageChange = TAskPageChangeEvent(f, "WizardAskPageChange");
  z->setPage(rowWelcome);

  const Integer pageHeight = kClientHeight - kBarHeight;
  const Integer top = kHeaderHeight + 14;

  // Welcome: the side picture and a white text area.
  TABox* welcome = PageBox(f, z, "WelcomeBox", rowWelcome);
  auto* side = Make<TAImage>(f, welcome, "WelcomeImage", 0, 0, 164, pageHeight);
  ShowOn(side, {{rowWelcome, 0, 0}});
  side->SetAAlign(alLeft);
  TBitmap picture;
  DrawSidePicture(picture, 164, pageHeight);
  side->Picture()->Assign(&picture);
  TPanel* text = PlainPanel(f, welcome, "WelcomePanel", alClient, pageHeight);
  text->SetColor(clWhite);
  TLabel* title = Make<TLabel>(f, text, "WelcomeTitle", 16, 16, kClientWidth - 164 - 32, 13);
  title->SetWordWrap(true);
  title->Font()->SetStyle({fsBold});
  title->Font()->SetSize(12);
  title->SetCaption("Welcome to the Zelvant Demo Setup Wizard");
  Text(f, text, "WelcomeText", 16, 76, kClientWidth - 164 - 32,
       "This will install Zelvant Demo 1.0 on your computer."
       "\n\nIt is recommended that you close all other applications before continuing."
       "\n\nClick Next to continue, or Cancel to exit Setup.");

  // Licence: the text and the two jump radio buttons that decide where Next leads.
  TABox* licence = PageBox(f, z, "LicenceBox", rowLicence);
  AddHeader(f, licence, "Licence", kClientWidth, "Licence Agreement",
            "Please read the following important information before continuing.");
  Text(f, licence, "LicenceIntro", kMargin, top, kContentWidth,
       "Please read the following licence agreement. You must accept it before you continue.");
  // Read-only and scrolling, so that a licence of any length can be read to its end.
  auto* memo = Make<TMemo>(f, licence, "LicenceMemo", kMargin, top + 34, kContentWidth, 150);
  memo->SetReadOnly(true);
  memo->SetScrollBars(ssVertical);
  for (const char* line : kLicence) memo->Lines()->Add(line);
  auto* choice = Make<TABox>(f, licence, "LicenceChoice", kMargin, top + 194, kContentWidth, 44);
  ShowOn(choice, {{rowLicence, kMargin, top + 194}});
  auto* accept = Make<TAJumpRadioBtn>(f, choice, "AcceptRadio", 0, 2, 300, 17);
  accept->SetCaption("I &accept the agreement");
  accept->JumpPage = rowNameFolder;
  ShowOn(accept, {{rowLicence, 0, 2}});
  auto* decline = Make<TAJumpRadioBtn>(f, choice, "DeclineRadio", 0, 24, 300, 17);
  decline->SetCaption("I do &not accept the agreement");
  decline->JumpPage = rowNotCompleted;
  decline->SetChecked(true);  // the user must choose to accept
  ShowOn(decline, {{rowLicence, 0, 24}});

  // Name and folder: the user types both.
  TABox* nameFolder = PageBox(f, z, "NameFolderBox", rowNameFolder);
  AddHeader(f, nameFolder, "NameFolder", kClientWidth, "Name and Folder",
            "Who uses Zelvant Demo, and where should it go?");
  NameFolderPage(f, nameFolder, top);

  // Setup type; its group box also stands on the dialog page.
  TABox* type = PageBox(f, z, "TypeBox", rowSetupType);
  AddHeader(f, type, "Type", kClientWidth, "Setup Type", "Choose how Zelvant Demo is installed.");
  TAGroupBox* group = nullptr;
  SetupTypePage(f, type, rowSetupType, top,
                "Typical installs Zelvant Demo with the proposed options."
                "\n\nCustom shows one more page, where you choose the start menu folder, the language and who "
                "may use the program.",
                group);

  // Options, in a form of their own that the container asks the program for.
  TABox* options = PageBox(f, z, "OptionsBox", rowOptions);
  AddHeader(f, options, "Options", kClientWidth, "Options", "Choose where the program goes and who may use it.");
  TAForm* container = OptionsPage(f, options, rowOptions, top, "Choose the options below, then click Next.");

  // Ready: what the program filled in, and a jump back to the options.
  TABox* ready = PageBox(f, z, "ReadyBox", rowReady);
  AddHeader(f, ready, "Ready", kClientWidth, "Ready to Install",
            "Setup is now ready to install Zelvant Demo on your computer.");
  ReadyPage(f, ready, rowReady, top, 164,
            "Click Finish to install, or Back to review or change any setting.");
  auto* change = Make<TAJumpBitBtn>(f, ready, "ChangeOptionsButton", kMargin, top + 206, 130, 25);
  change->SetCaption("Change &options...");
  change->JumpPage = rowOptions;
  ShowOn(change, {{rowReady, kMargin, top + 206}});

  // Not completed: where declining the licence leads.
  TABox* declined = PageBox(f, z, "DeclinedBox", rowNotCompleted);
  AddHeader(f, declined, "Declined", kClientWidth, "Setup Not Completed", "Zelvant Demo was not installed.");
  Text(f, declined, "DeclinedText", kMargin, top, kContentWidth,
       "You did not accept the licence agreement, so Setup has installed nothing on your computer."
       "\n\nClick Back to read the agreement again, or Finish to leave Setup.");

  // The dialog page: the setup type and the options side by side.
  TABox* dialog = PageBox(f, z, "DialogBox", 0);
  AddHeader(f, dialog, "Dialog", kDialogClientWidth, "Setup Options",
            "Every setting of the Zelvant Demo setup on one screen.");
  const Integer dialogTop = kHeaderHeight + 16;
  group->SetParentInDialog(dialog);
  group->ShowContainer()->SetApos(0, TAPos{16, dialogTop, 1});
  container->SetParentInDialog(dialog);
  container->ShowContainer()->SetApos(0, TAPos{246, dialogTop, 1});
  const Integer frameWidth = f->Width() - f->ClientWidth(), frameHeight = f->Height() - f->ClientHeight();
  z->setDialogWidth(kDialogClientWidth + frameWidth);
  z->setDialogHeight(kDialogClientHeight + frameHeight);

  z->setPage(rowWelcome);
  return form;
}

std::unique_ptr<TSetupForm> BuildTabbedSetup() {
  TZelvant* z = nullptr;
  auto form = WizardForm(z);
  TSetupForm* f = form.get();
  f->SetCaption("Setup - Zelvant Demo");
  DressWizard(f, z, 3, {"Dialog", "Setup Type", "Options", "Ready to Install"});
  z->SetStyle(asTabbed);
  z->setPage(1);

  // Cancel on every page, Install on the last: the tabbed style has no button bar.
  TPanel* bar = PlainPanel(f, z, "ButtonPanel", alBottom, 41);
  auto* cancel = Make<TButton>(f, bar, "CancelButton", kClientWidth - 2 - 8 - 90, 8, 90, 25);
  cancel->SetCaption("&Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  auto* install = Make<TAJumpBitBtn>(f, bar, "InstallButton", kClientWidth - 2 - 2 * (8 + 90), 8, 90, 25);
  install->SetCaption("&Install");
  install->JumpPage = -1;  // finishes the wizard
  if (auto glyph = LoadBitmap(PackageModule(), "FINISH")) install->SetGlyph(glyph.get());
  ShowOn(install, {{3, kClientWidth - 2 - 2 * (8 + 90), 8}});

  const Integer top = 14;
  TAGroupBox* group = nullptr;
  SetupTypePage(f, PageBox(f, z, "TypeBox", 1), 1, top,
                "Typical installs Zelvant Demo with the proposed options."
                "\n\nCustom uses the options you choose on the Options tab.",
                group);
  OptionsPage(f, PageBox(f, z, "OptionsBox", 2), 2, top,
              "Choose the options below. They are used for a custom installation.");
  ReadyPage(f, PageBox(f, z, "ReadyBox", 3), 3, top, 170,
            "Click Install to install Zelvant Demo, or a tab above to change a setting.");

  z->setPage(1);
  return form;
}

std::unique_ptr<TForm> BuildOptionsForm() {
  auto form = std::make_unique<TForm>(nullptr);
  TForm* f = form.get();
  f->SetName("OptionsForm");
  f->SetCaption("Options");
  f->SetBorderStyle(bsNone);
  f->SetClientWidth(kOptionsWidth);
  f->SetClientHeight(kOptionsHeight);
  auto* folderLabel = Text(f, f, "FolderLabel", 0, 4, 320, "Start &menu folder:");
  auto* folder = Make<TComboBox>(f, f, "FolderCombo", 0, 22, 320, 21);
  for (const char* item : {"Zelvant Demo", "Zelvant", "Accessories/Zelvant Demo"}) folder->Items()->Add(item);
  folder->SetItemIndex(0);
  folderLabel->SetFocusControl(folder);
  auto* languageLabel = Text(f, f, "LanguageLabel", 0, 56, 320, "&Language of the program:");
  auto* language = Make<TComboBox>(f, f, "LanguageCombo", 0, 74, 200, 21);
  language->SetStyle(csDropDownList);
  for (const char* item : {"English", "Deutsch", "Fran\xC3\xA7" "ais"}) language->Items()->Add(item);
  language->SetItemIndex(0);
  languageLabel->SetFocusControl(language);
  auto* users = Make<TGroupBox>(f, f, "UsersGroup", 0, 108, 320, 72);
  users->SetCaption("Install for");
  auto* all = Make<TRadioButton>(f, users, "AllUsersRadio", 12, 20, 290, 17);
  all->SetCaption("&All users of this computer");
  all->SetChecked(true);
  auto* me = Make<TRadioButton>(f, users, "JustMeRadio", 12, 44, 290, 17);
  me->SetCaption("&Only me");
  auto* desktop = Make<TCheckBox>(f, f, "DesktopIconCheck", 0, 188, 320, 17);
  desktop->SetCaption("Create a &desktop icon");
  auto* examples = Make<TCheckBox>(f, f, "ExamplesCheck", 0, 210, 320, 17);
  examples->SetCaption("Install the &examples");
  examples->SetChecked(true);
  return form;
}

}  // namespace demo
