// zelvant-designer: the visual form designer for wizards and their forms.
//
//   zelvant-designer [--package PATH]... [--headless [--out DIR]] [FILE]
//
//   FILE            the form file to open
//   --package PATH  load another design package (the Zelvant one is loaded by default)
//   --headless      run the scripted story without a window, writing pictures to DIR
#include <iostream>
#include <string>
#include <vector>

#include "DesignerWindow.h"
#include "host/design/DesignIntf.h"
#include "Packages.h"
#include "ScriptDriver.h"
#include "host/core/SysUtils.h"
#ifdef ZELVANT_HAVE_SDL
#include "host/sdl/SdlBackend.h"
#endif

namespace {

int Usage() {
  std::cerr << "usage: zelvant-designer [--package PATH]... [--headless [--out DIR]] [FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> packages;
  std::string file, outDir = "out/designer";
  bool headless = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--package" && i + 1 < argc) packages.push_back(argv[++i]);
    else if (arg == "--headless") headless = true;
    else if (arg == "--out" && i + 1 < argc) outDir = argv[++i];
    else if (!arg.empty() && arg[0] == '-') return Usage();
    else if (file.empty()) file = arg;
    else return Usage();
  }
  using namespace host;
  host::RegisterStandardComponents();
  const std::string programDir = ExtractFilePath(Application->ExeName());
  const std::string zelvant = designer::FindDefaultPackage(programDir);
  std::vector<std::string> problems;
  if (zelvant.empty()) problems.push_back("The Zelvant design package was not found beside the program.");
  else packages.insert(packages.begin(), zelvant);
  for (const std::string& p : packages) {
    try {
      designer::LoadDesignPackage(p);
    } catch (const Exception& e) {
      problems.push_back(e.Message());
    }
  }
  for (const std::string& p : problems) std::cerr << "zelvant-designer: " << p << "\n";

  if (headless) {
    designer::TDesignerWindow window(nullptr);
    window.Palette()->Reload();
    const int failed = designer::RunDesignerStory(window, outDir, std::cout);
    std::cout << (failed == 0 ? "The story ran through." : std::to_string(failed) + " checks failed.") << "\n";
    return failed == 0 ? 0 : 1;
  }
#ifdef ZELVANT_HAVE_SDL
  if (!sdl::TSdlBackend::DisplayAvailable()) {
    std::cerr << "zelvant-designer: no display; use --headless for the scripted run\n";
    return 1;
  }
  Application->SetBackend(std::make_unique<sdl::TSdlBackend>());
  int code = 0;
  {
    designer::TDesignerWindow window(nullptr);
    window.Palette()->Reload();
    window.SetPosition(poScreenCenter);
    if (!file.empty()) window.OpenFile(file);
    for (const std::string& p : problems) window.ShowStatus(p);
    Application->SetMainForm(&window);
    Application->Run();
    Application->SetMainForm(nullptr);
  }
  Application->SetBackend(nullptr);
  return code;
#else
  std::cerr << "zelvant-designer: built without SDL2; use --headless\n";
  return 1;
#endif
}
