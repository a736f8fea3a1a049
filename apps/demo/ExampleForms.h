// Builds the demo's example forms in code: the setup wizard (button bar or tabbed) and
// the options form that the wizard embeds. The example form files are these forms as
// saved, so that layout and pictures stay reproducible.
#pragma once

#include <memory>
#include <string>

#include "SetupForm.h"

namespace demo {

// The setup wizard with a way list and a dialog page.
std::unique_ptr<TSetupForm> BuildSetupWizard();
// A smaller variant in the tabbed style: setup type, options, summary.
std::unique_ptr<TSetupForm> BuildTabbedSetup();
// The options form shown inside the wizard's form container.
std::unique_ptr<host::TForm> BuildOptionsForm();

}  // namespace demo
