#include "Window.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "SetupForm.h"
#include "host/streaming/Filer.h"
#include "host/sdl/SdlBackend.h"

namespace demo {

bool WindowAvailable() { return host::sdl::TSdlBackend::DisplayAvailable(); }

int RunInWindow(const std::string& examplesDir) {
  using namespace host;
  Application->SetBackend(std::make_unique<sdl::TSdlBackend>());
  // The headless backend comes back however the run ends, after the form has gone.
  struct TRestore {
    ~TRestore() { Application->SetBackend(nullptr); }
  } restore;
  auto form = std::make_unique<TSetupForm>(nullptr);
  form->ExamplesDir = examplesDir;
  LoadFormFile((std::filesystem::path(examplesDir) / "setup.dfm").string(), form.get());
  zelvant::TZelvant* z = form->Wizard();
  if (!z) throw EInvalidOperation("setup.dfm has no wizard Zelvant1");
  std::cout << "Zelvant demo in a window: \"" << form->Caption() << "\" (close the window or press Escape to cancel)\n";
  const int result = z->Execute(z->StartPage());
  const TSetupChoices c = form->Choices();
  std::cout << "Execute returned " << result
            << (result == mrOk ? std::string(" (OK): ") + (c.Custom ? "custom" : "typical") + " installation" : "")
            << "\n";
  return result;
}

}  // namespace demo
