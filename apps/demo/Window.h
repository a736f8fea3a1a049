// The demo in a live window: the setup wizard of the example form files, run by a
// person on the SDL backend (built only where SDL2 is found).
#pragma once

#include <string>

namespace demo {

// Whether this build has the live backend and a display is there.
bool WindowAvailable();
// Shows setup.dfm of the examples directory in a window until the wizard is finished
// or cancelled; returns its modal result.
int RunInWindow(const std::string& examplesDir);

}  // namespace demo
