// Filling the dialogs as their property editors do when they open them, and a wizard on
// a form to take page names and page counts from.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "zelvant/ZelvA.h"
#include "zelvant/ZelvL.h"
#include "zelvant/design/blf.h"
#include "zelvant/design/pnf.h"
#include "zelvant/design/scf.h"
#include "zelvant/design/wlf.h"

namespace design_test {

// A form with a wizard whose pages 0 to names.size() - 1 carry the given names.
struct TWizardForm {
  explicit TWizardForm(const std::vector<std::string>& names);
  ~TWizardForm();
  host::TForm* form;
  zelvant::TZelvant* wizard;
};

void FillPageNames(zelvant::TPageNameDialog& dialog, const host::TStrings& names);
void FillShow(zelvant::TShowDialog& dialog, std::initializer_list<zelvant::Integer> shows, host::TStrings* names);
void FillLayout(zelvant::TLayoutDialog& dialog, std::initializer_list<zelvant::Integer> codes);
void FillWayList(zelvant::TWayListForm& dialog, zelvant::TZelvant& wizard,
                 std::initializer_list<zelvant::TPage> records);

std::vector<zelvant::Integer> Entries(const zelvant::TIntegerList& list);
std::vector<std::pair<zelvant::Integer, zelvant::Integer>> Records(const zelvant::TPageList& list);
std::vector<std::string> Items(const host::TStrings& items);

}  // namespace design_test
