#include "FillDialogs.h"

namespace design_test {

using namespace host;
using namespace zelvant;

TWizardForm::TWizardForm(const std::vector<std::string>& names) {
  form = new TForm(nullptr);
  form->SetBounds(0, 0, 500, 400);
  wizard = new TZelvant(form);
  wizard->SetParent(form);
  wizard->SetNumPages(static_cast<Integer>(names.size()) - 1);
  for (size_t i = 0; i < names.size(); ++i) wizard->PageNames()->Put(static_cast<Integer>(i), names[i]);
}

TWizardForm::~TWizardForm() { delete form; }

void FillPageNames(TPageNameDialog& d, const TStrings& names) { d.Fill(names, names.Count() - 1); }

void FillShow(TShowDialog& d, std::initializer_list<Integer> shows, TStrings* names) {
  Integer left = 10;
  for (Integer show : shows) d.ShowList()->AddAPos(TAPos{left += 5, 20, show});
  d.ShowGrid->SetRowCount(d.ShowList()->Count);
  d.FNames = names;
}

void FillLayout(TLayoutDialog& d, std::initializer_list<Integer> codes) {
  for (Integer code : codes) d.LayoutList()->Add(code);
  d.SyncRows();
}

void FillWayList(TWayListForm& d, TZelvant& wizard, std::initializer_list<TPage> records) {
  d.PageBox->Items()->Clear();
  d.GotoBox->Items()->Clear();
  for (const char* action : {"Next", "Finish", "Ask", "Dialog"}) d.GotoBox->Items()->Add(action);
  d.PageBox->Items()->AddStrings(*wizard.PageNames());
  d.FEditedZelvant = &wizard;
  if (records.size() == 0) {
    d.WorkList()->AddPage(TPage{1, gpNext});
  } else {
    for (const TPage& r : records) d.WorkList()->AddPage(r);
  }
  d.WayListGrid->SetRowCount(d.WorkList()->Count + 1);
  for (Integer k = 1; k <= d.WorkList()->Count; ++k) d.AddGotoItem();
}

std::vector<Integer> Entries(const TIntegerList& list) {
  std::vector<Integer> out;
  for (Integer i = 0; i < list.Count; ++i) out.push_back(list.GetInteger(i));
  return out;
}

std::vector<std::pair<Integer, Integer>> Records(const TPageList& list) {
  std::vector<std::pair<Integer, Integer>> out;
  for (Integer i = 0; i < list.List.Count(); ++i) out.emplace_back(list.GetNumber(i), list.GetGotoPage(i));
  return out;
}

std::vector<std::string> Items(const TStrings& items) {
  std::vector<std::string> out;
  for (Integer i = 0; i < items.Count(); ++i) out.push_back(items.Get(i));
  return out;
}

}  // namespace design_test
