// zelvant-sdlcheck: the check wizard in a live window (or, with --png FILE, its first
// page rendered headless), for trying the SDL backend by hand.
#include <cstdio>
#include <cstring>
#include <memory>

#include "CheckWizard.h"
#include "host/sdl/SdlBackend.h"

int main(int argc, char** argv) {
  using namespace host;
  try {
    if (argc == 3 && std::strcmp(argv[1], "--png") == 0) {
      sdlcheck::TCheckWizard w;
      w.Form->SaveToPng(argv[2]);
      return 0;
    }
    if (!sdl::TSdlBackend::DisplayAvailable()) {
      std::fprintf(stderr, "zelvant-sdlcheck: no display (set DISPLAY)\n");
      return 1;
    }
    Application->SetBackend(std::make_unique<sdl::TSdlBackend>());
    int result = 0;
    {
      sdlcheck::TCheckWizard w;
      result = w.Form->ShowModal();
    }
    Application->SetBackend(nullptr);
    std::printf("modal result %d\n", result);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zelvant-sdlcheck: %s\n", e.what());
    return 1;
  }
}
