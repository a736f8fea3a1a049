#include "CheckWizard.h"

#include "host/stdctrls/Dialogs.h"
#include "zelvant/ZelvC.h"

namespace sdlcheck {

using namespace host;
using namespace zelvant;

namespace {

// A page-aware panel shown on the page the wizard shows while it is made.
TAPanel* PagePanel(TForm* form, TZelvant* z, const char* name) {
  auto* p = new TAPanel(form);
  p->SetName(name);
  p->SetParent(z);
  p->SetCaption("");
  p->SetBevelOuter(bvNone);
  p->SetBounds(8, 8, 440, 230);
  return p;
}

TLabel* Caption(TForm* form, TWinControl* parent, const char* name, const char* text, Integer top) {
  auto* l = new TLabel(form);
  l->SetName(name);
  l->SetCaption(text);
  l->SetParent(parent);
  l->SetBounds(8, top, 300, 16);
  return l;
}

}  // namespace

TCheckWizard::TCheckWizard() : Form(std::make_unique<TForm>(nullptr)) {
  TForm* f = Form.get();
  f->SetName("CheckForm");
  f->SetBorderStyle(bsDialog);
  f->SetBounds(40, 40, 480, 340);
  f->SetClientWidth(460);
  f->SetClientHeight(300);
  Wizard = new TZelvant(f);
  Wizard->SetName("Zelvant1");
  Wizard->SetParent(f);
  Wizard->SetCaptionWizard("Setup");
  // Tab reaches the wizard, where the arrow keys page.
  Wizard->SetTabStop(true);
  struct Row {
    TButtonData* data;
    const char* text;
    bool show;
  } rows[] = {{Wizard->BtnHelp(), "&Help", false},          {Wizard->BtnWizardOK(), "&Finish", true},
              {Wizard->BtnFinish(), "&Finish", true},        {Wizard->BtnDialogOK(), "&OK", true},
              {Wizard->BtnChangeWizard(), "&Wizard", false}, {Wizard->BtnChangeDialog(), "&Dialog", false},
              {Wizard->BtnCancel(), "&Cancel", true},        {Wizard->BtnNext(), "&Next", true},
              {Wizard->BtnBack(), "&Back", true}};
  for (const Row& r : rows) {
    r.data->SetText(r.text);
    r.data->SetEnabled(true);
    r.data->SetShow(r.show);
  }
  Wizard->SetNumPages(3);

  Wizard->setPage(1);
  TAPanel* one = PagePanel(f, Wizard, "PageOne");
  Caption(f, one, "KindLabel", "How do you want to install?", 8);
  Express = new TRadioButton(f);
  Express->SetName("Express");
  Express->SetCaption("&Express");
  Express->SetParent(one);
  Express->SetBounds(16, 36, 200, 20);
  Express->SetChecked(true);
  Custom = new TRadioButton(f);
  Custom->SetName("Custom");
  Custom->SetCaption("C&ustom");
  Custom->SetParent(one);
  Custom->SetBounds(16, 60, 200, 20);

  Wizard->setPage(2);
  TAPanel* two = PagePanel(f, Wizard, "PageTwo");
  Caption(f, two, "ColourLabel", "Colour of the theme:", 8);
  Colour = new TComboBox(f);
  Colour->SetName("Colour");
  Colour->SetStyle(csDropDownList);
  Colour->SetParent(two);
  Colour->SetBounds(16, 32, 180, 21);
  for (const char* c : {"Silver", "Teal", "Navy", "Olive", "Maroon"}) Colour->Items()->Add(c);
  Colour->SetItemIndex(0);

  Message = new TButton(f);
  Message->SetName("Message");
  Message->SetCaption("&Message...");
  Message->SetParent(two);
  Message->SetBounds(16, 72, 100, 25);
  Message->OnClick = [this](TObject*) { MessageResult = MessageDlg("Install now?", mtConfirmation, mbYesNo, 0); };

  // The last page's first control is a radio button, so that Enter there is Finish
  // (a focused bar button would take it).
  Wizard->setPage(3);
  TAPanel* three = PagePanel(f, Wizard, "PageThree");
  Caption(f, three, "ReadyLabel", "Ready to install. Afterwards:", 8);
  Now = new TRadioButton(f);
  Now->SetName("RestartNow");
  Now->SetCaption("&Restart now");
  Now->SetParent(three);
  Now->SetBounds(16, 36, 200, 20);
  Now->SetChecked(true);
  Later = new TRadioButton(f);
  Later->SetName("RestartLater");
  Later->SetCaption("Restart &later");
  Later->SetParent(three);
  Later->SetBounds(16, 60, 200, 20);

  Wizard->setPage(1);
}

}  // namespace sdlcheck
