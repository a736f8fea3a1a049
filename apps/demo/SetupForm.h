// The demo's form class: the setup wizard's event handlers, published by name so that
// the example form files can name them.
#pragma once

#include <functional>
#include <string>

#include "host/forms/Forms.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"
#include "zelvant/ZelvRoutes.h"

namespace demo {

using host::Integer;

// Way-list rows of the setup wizard; row n shows page n.
enum TSetupRow : Integer { rowWelcome = 1, rowLicence, rowNameFolder, rowSetupType, rowOptions, rowReady, rowNotCompleted };

// What the user chose, as the summary reports it.
struct TSetupChoices {
  bool Custom = false;
  std::string UserName;     // as typed on the name and folder page
  std::string Destination;  // the folder the program goes into
  std::string Folder;       // the start menu folder; empty until the options form was shown
  std::string Language;
  bool AllUsers = true;
  bool DesktopIcon = false;
  bool Examples = true;
};

class TSetupForm : public host::TForm {
  HOST_CLASS(TSetupForm, host::TForm)
  explicit TSetupForm(host::TComponent* owner);

  // Where options.dfm is read from when the options page first needs it.
  std::string ExamplesDir;
  // Told of every page change after the form has updated itself.
  std::function<void(zelvant::TZelvant*, Integer)> PageShown;

  TSetupChoices Choices() const;
  // The routes as the handlers make them: the "Ask" row goes on to the options or to
  // the summary.
  static zelvant::TRouteOptions RouteOptions();
  zelvant::TZelvant* Wizard() const;

  // Published handlers.
  void WizardPageChange(zelvant::TZelvant* sender, Integer page);
  void WizardAskPageChange(zelvant::TZelvant* sender, Integer aktPage, Integer& newPage);
  host::TForm* GetOptionsForm();

 private:
  void FillSummary();
  // Sets a summary value, cut with an ellipsis where it is wider than its label.
  void SetLabel(const std::string& name, const std::string& text);
};

// Finds examples/setup.dfm: an explicit directory, else next to or above the
// executable, else the source tree the program was built from.
std::string FindExamplesDir(const std::string& explicitDir);

}  // namespace demo
