// A three-page wizard made in code, driven without a screen: the queued clicks press
// Next twice and then Finish, and the program prints each page it reaches.
#include <iostream>

#include "host/forms/Backend.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;

int main() {
  TForm form(nullptr);
  form.SetName("SetupForm");
  form.SetClientWidth(420);
  form.SetClientHeight(260);
  auto* wizard = new TZelvant(&form);  // the form owns and frees it
  wizard->SetName("Wizard");
  wizard->SetParent(&form);
  wizard->LoadLanguage();  // the button texts and glyphs of "Zelv.ini", else the built-in English ones
  wizard->SetCaptionWizard("My Setup - step %d of %d");
  wizard->SetNumPages(3);
  const char* texts[] = {"Welcome to My Setup.", "It installs into /opt/myapp.", "Ready to install."};
  for (Integer page = 1; page <= 3; ++page) {
    auto* panel = new TAPanel(&form);
    panel->SetParent(wizard);
    panel->SetBounds(16, 16, 380, 160);
    panel->SetCaption(texts[page - 1]);
    panel->ShowOn({page});
  }
  wizard->OnPageChange = [&form](TZelvant*, Integer page) { std::cout << "page " << page << ": " << form.Caption() << "\n"; };
  // Next, Next, then the same button, which reads Finish on the last page.
  for (int click = 0; click < 3; ++click) Application->Headless()->ClickControl("Wizard.NextButton");
  const Integer result = wizard->Execute(1);
  std::cout << "Execute returned " << result << (result == mrOk ? " (OK)\n" : "\n");
  return result == mrOk ? 0 : 1;
}
