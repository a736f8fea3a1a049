// A three-page wizard made in code: a welcome, a choice, a summary.
#include <memory>

#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;

struct FirstWizard {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TZelvant* Wizard = nullptr;
  TRadioButton* Express = nullptr;
  TRadioButton* Custom = nullptr;

  FirstWizard() {
    Form->SetName("FirstForm");
    Form->SetClientWidth(460);
    Form->SetClientHeight(300);
    Wizard = new TZelvant(Form.get());  // after sizing: it keeps the form's size for its pages
    Wizard->SetName("Wizard");
    Wizard->SetParent(Form.get());
    Wizard->LoadLanguage();  // texts, glyphs, captions: English unless Zelv.ini says otherwise
    Wizard->SetNumPages(3);
    Wizard->SetCaptionWizard("My Setup - step %d of %d");
    Page(1, "Welcome to My Setup. Press Next to go on.");
    TAPanel* choice = Page(2, "How do you want to install?");
    Express = Radio(choice, "Express", "&Express", 48);
    Custom = Radio(choice, "Custom", "&Custom", 72);
    Express->SetChecked(true);
    Page(3, "Ready to install. Press Finish.");
  }
  // A panel per page holds the page's controls; only the panel needs to know its page.
  TAPanel* Page(Integer page, const char* text) {
    auto* panel = new TAPanel(Form.get());
    panel->SetName("Page" + IntToStr(page));
    panel->SetParent(Wizard);
    panel->SetBounds(8, 8, 440, 230);
    panel->SetCaption("");
    auto* label = new TLabel(Form.get());
    label->SetParent(panel);
    label->SetBounds(16, 16, 400, 20);
    label->SetCaption(text);
    panel->ShowOn({page});
    return panel;
  }
  TRadioButton* Radio(TAPanel* panel, const char* name, const char* text, Integer top) {
    auto* radio = new TRadioButton(Form.get());
    radio->SetName(name);
    radio->SetParent(panel);
    radio->SetBounds(24, top, 300, 20);
    radio->SetCaption(text);
    return radio;
  }
};
