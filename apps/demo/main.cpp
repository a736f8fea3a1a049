// zelvant-demo: the setup wizard of the example form files, driven along a scripted
// route without a screen; every page shown is written as a PNG.
//
//   zelvant-demo [--headless] [--examples DIR] [--out DIR]
//
//   --headless       run the scripted routes without a window (the default)
//   --examples DIR   where setup.dfm, setup-tabbed.dfm and options.dfm are
//   --out DIR        where the pictures go (default out/demo under the current directory)
//
// Exit code 0 when both wizards finished with modal result 1 (OK).
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "Route.h"
#include "SetupForm.h"
#include "host/Filer.h"
#include "zelvant/Package.h"

namespace {

enum class TMode { Headless };

struct TDemoOptions {
  TMode Mode = TMode::Headless;
  std::string ExamplesDir;
  std::string OutDir = "out/demo";
};

int Usage() {
  std::cerr << "usage: zelvant-demo [--headless] [--examples DIR] [--out DIR]\n";
  return 2;
}

struct TTour {
  const char* Title;
  const char* File;
  const char* Prefix;
  std::vector<demo::TRouteStep> (*Route)();
};

std::string Describe(const demo::TSetupChoices& c) {
  std::string s = c.Custom ? "custom installation" : "typical installation";
  if (!c.Folder.empty())
    s += " into \"" + c.Folder + "\", " + c.Language + ", for " + (c.AllUsers ? "all users" : "the current user only");
  return s;
}

// Loads one example and runs its route; true when it finished with OK.
bool RunTour(const TTour& tour, const TDemoOptions& options) {
  const std::string file = (std::filesystem::path(options.ExamplesDir) / tour.File).string();
  auto form = std::make_unique<demo::TSetupForm>(nullptr);
  form->ExamplesDir = options.ExamplesDir;
  host::LoadFormFile(file, form.get());
  zelvant::TZelvant* z = form->Wizard();
  std::cout << tour.Title << " (" << tour.File << "): \"" << form->Caption() << "\", " << z->NumPages() << " pages"
            << (z->WayListEnabled() ? ", way list of " + std::to_string(z->WayList()->Count) + " rows" : "") << "\n";
  std::cout << "  step                             position  page  name                   picture\n";
  demo::TRouteOptions route;
  route.PictureDir = options.OutDir;
  route.PicturePrefix = tour.Prefix;
  route.Log = &std::cout;
  const demo::TRouteResult result = demo::RunRoute(*form, tour.Route(), route);
  const bool ok = result.ModalResult == host::mrOk;
  std::cout << "  => Execute returned " << result.ModalResult << (ok ? " (OK): " + Describe(form->Choices()) : "")
            << ", " << result.Visits.size() << " pages shown\n\n";
  return ok;
}

int RunHeadless(const TDemoOptions& options) {
  const TTour tours[] = {
      {"Setup wizard", "setup.dfm", "setup", demo::SetupRoute},
      {"Tabbed variant", "setup-tabbed.dfm", "tabbed", demo::TabbedRoute},
  };
  std::cout << "Zelvant demo, headless: examples from " << options.ExamplesDir << ", pictures into "
            << options.OutDir << "/\n\n";
  bool ok = true;
  for (const TTour& tour : tours) ok = RunTour(tour, options) && ok;
  std::cout << (ok ? "Both wizards finished with OK." : "A wizard did not finish with OK.") << " Pictures: "
            << options.OutDir << "/\n";
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  TDemoOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") options.Mode = TMode::Headless;
    else if (arg == "--examples" && i + 1 < argc) options.ExamplesDir = argv[++i];
    else if (arg == "--out" && i + 1 < argc) options.OutDir = argv[++i];
    else return Usage();
  }
  zelvant::PackageDescription();  // the package's classes must be registered
  options.ExamplesDir = demo::FindExamplesDir(options.ExamplesDir);
  try {
    switch (options.Mode) {
      case TMode::Headless: return RunHeadless(options);
    }
  } catch (const host::EFormReadError& e) {
    std::cerr << "zelvant-demo: " << e.Line() << ":" << e.Column() << ": " << e.Message() << "\n";
  } catch (const host::Exception& e) {
    std::cerr << "zelvant-demo: " << e.Message() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "zelvant-demo: " << e.what() << "\n";
  }
  return 1;
}
