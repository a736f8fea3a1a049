// A wizard form open in the screenless designer, with page-aware controls on it, and the
// property and component editors the designer would use for them.
#pragma once

#include <memory>
#include <string>

#include "host/design/DesignIntf.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"

namespace design_test {

struct TDesignedForm {
  // A form of 500 x 400 with a wizard of the given page count; each page-aware control
  // made by Box is shown on every page at (10 * i, 5).
  explicit TDesignedForm(zelvant::Integer pages = 3);
  ~TDesignedForm();
  host::TForm* form;
  std::unique_ptr<host::TFormDesigner> designer;
  zelvant::TZelvant* wizard;

  zelvant::TABox* Box(const std::string& name);
  // The editor the designer uses for a property of one component.
  std::unique_ptr<host::TPropertyEditor> Editor(host::TPersistent* component, const std::string& property);
  std::unique_ptr<host::TComponentEditor> ComponentEditor(host::TComponent* component);
  // The form as its file stores it.
  std::string Text() const;
};

// Records the questions MessageDlg asks and answers them.
struct TAnswering {
  explicit TAnswering(host::Integer answer);
  ~TAnswering();
  std::vector<std::string> asked;
};

// The records of a control's position list as (left, top, show).
std::vector<std::tuple<host::Integer, host::Integer, host::Integer>> Positions(const zelvant::TAposList& list);

}  // namespace design_test
