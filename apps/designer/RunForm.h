// Run: the designed form as an application would see it, read from its text into a
// form that is not in design mode and shown modally. The document is not touched.
#pragma once

#include <functional>
#include <string>

#include "host/forms/Forms.h"

namespace designer {

struct TRunResult {
  host::TModalResult ModalResult = host::mrNone;
  std::string Caption;  // the form's caption when the run ended
};

// Raises the reader's error when the text cannot be read. `started`, when given, is
// called with the form just before it is shown (the tests queue their input there).
TRunResult RunDesignedForm(const std::string& text, const std::function<void(host::TForm&)>& started = {});
// "OK", "Cancel" and the other modal results by name; "none" for 0.
std::string ModalResultName(host::TModalResult result);

}  // namespace designer
