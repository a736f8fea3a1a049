#include "WizardFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zelvant_test {

using namespace host;

bool TRecordingDesigner::IsDesignMsg(TControl*, TMessage& message) {
  const bool mouse = message.Msg >= WM_LBUTTONDOWN && message.Msg <= WM_MBUTTONUP;
  if (mouse) ++mouseTaken;
  return mouse;
}

Wizard::Wizard(bool designing, int clientWidth, int clientHeight) {
  form = new TForm(nullptr);
  form->SetName("WizardForm");
  if (designing) {
    designer = std::make_unique<TRecordingDesigner>(form);
    form->SetDesigning(true);
    form->SetDesigner(designer.get());
  }
  form->SetBounds(100, 100, 600, 450);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  z = new zelvant::TZelvant(form);
  z->SetName("Zelvant1");
  z->SetParent(form);
}

Wizard::~Wizard() { delete form; }

void Wizard::Dress() { z->LoadLanguage("/nonexistent/Zelv.ini"); }

LanguageDir::LanguageDir(const std::string& iniText) {
  char pattern[] = "/tmp/zelvant-lang-XXXXXX";
  dir_ = ::mkdtemp(pattern);
  if (!iniText.empty()) std::ofstream(dir_ + "/Zelv.ini") << iniText;
  zelvant::TZelvant::SetLanguageDirectory(dir_);
}

LanguageDir::~LanguageDir() {
  zelvant::TZelvant::SetLanguageDirectory("");
  std::filesystem::remove_all(dir_);
}

}  // namespace zelvant_test
