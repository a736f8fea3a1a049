#include "DesignedForm.h"

#include "host/streaming/Filer.h"
#include "host/stdctrls/Dialogs.h"
#include "zelvant/design/Zelv32.h"

namespace design_test {

using namespace host;
using namespace zelvant;

TDesignedForm::TDesignedForm(Integer pages) {
  if (PaletteClasses("Zelvant").empty()) zelvant::Register();
  form = new TForm(nullptr);
  form->SetName("WizardForm");
  form->SetBounds(100, 100, 500, 400);
  designer = std::make_unique<TFormDesigner>(form);
  wizard = new TZelvant(form);
  wizard->SetName("Zelvant1");
  wizard->SetParent(form);
  wizard->SetNumPages(pages);
  designer->ResetModified();
}

TDesignedForm::~TDesignedForm() {
  designer.reset();
  delete form;
}

TABox* TDesignedForm::Box(const std::string& name) {
  auto* box = new TABox(form);
  box->SetName(name);
  box->SetParent(wizard);
  const Integer i = form->ComponentCount();
  for (Integer p = 0; p < box->ShowContainer()->Count; ++p) box->ShowContainer()->SetApos(p, TAPos{10 * i, 5, 1});
  designer->ResetModified();
  return box;
}

std::unique_ptr<TPropertyEditor> TDesignedForm::Editor(TPersistent* component, const std::string& property) {
  return GetPropertyEditor(designer.get(), {component}, property);
}

std::unique_ptr<TComponentEditor> TDesignedForm::ComponentEditor(TComponent* component) {
  return GetComponentEditor(component, designer.get());
}

std::string TDesignedForm::Text() const { return WriteForm(form); }

TAnswering::TAnswering(Integer answer) {
  SetMessageDlgHandler([this, answer](const std::string& msg, TMsgDlgType, TMsgDlgButtons, Integer) {
    asked.push_back(msg);
    return answer;
  });
}

TAnswering::~TAnswering() { SetMessageDlgHandler(nullptr); }

std::vector<std::tuple<Integer, Integer, Integer>> Positions(const TAposList& list) {
  std::vector<std::tuple<Integer, Integer, Integer>> out;
  for (Integer i = 0; i < list.List.Count(); ++i) out.emplace_back(list.Record(i).Left, list.Record(i).Top, list.Record(i).Show);
  return out;
}

}  // namespace design_test
