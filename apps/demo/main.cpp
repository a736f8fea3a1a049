// zelvant-demo: the setup wizard of the example form files, in a window for a person to
// click through, or driven along a scripted route without a screen, writing every page
// shown as a PNG.
//
//   zelvant-demo [--window | --headless] [--examples DIR] [--out DIR]
//
//   --window         show the setup wizard in a window (the default where a display is)
//   --headless       run the scripted routes without a window (the default elsewhere)
//   --examples DIR   where setup.dfm, setup-tabbed.dfm and options.dfm are
//   --out DIR        where the pictures go (default out/demo under the current directory)
//
// Exit code 0 when the wizards finished with modal result 1 (OK).
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "Route.h"
#include "SetupForm.h"
#ifdef ZELVANT_HAVE_SDL
#include "Window.h"
#endif
#include "host/streaming/Filer.h"
#include "zelvant/Package.h"

namespace {

enum class TMode { Default, Headless, Window };

struct TDemoOptions {
  TMode Mode = TMode::Default;
  std::string ExamplesDir;
  std::string OutDir = "out/demo";
};

int Usage() {
  std::cerr << "usage: zelvant-demo [--window | --headless] [--examples DIR] [--out DIR]\n";
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
  if (!c.UserName.empty()) s += " for " + c.UserName;
  if (!c.Destination.empty()) s += " into \"" + c.Destination + "\"";
  if (!c.Folder.empty())
    s += ", start menu folder \"" + c.Folder + "\", " + c.Language + ", for " + (c.AllUsers ? "all users" : "the current user only");
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

bool WindowAvailable() {
#ifdef ZELVANT_HAVE_SDL
  return demo::WindowAvailable();
#else
  return false;
#endif
}

int RunWindow([[maybe_unused]] const TDemoOptions& options) {
#ifdef ZELVANT_HAVE_SDL
  return demo::RunInWindow(options.ExamplesDir) == host::mrOk ? 0 : 1;
#else
  return 1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  TDemoOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") options.Mode = TMode::Headless;
    else if (arg == "--window") options.Mode = TMode::Window;
    else if (arg == "--examples" && i + 1 < argc) options.ExamplesDir = argv[++i];
    else if (arg == "--out" && i + 1 < argc) options.OutDir = argv[++i];
    else return Usage();
  }
  zelvant::PackageDescription();  // the package's classes must be registered
  options.ExamplesDir = demo::FindExamplesDir(options.ExamplesDir);
  try {
    switch (options.Mode) {
      case TMode::Default:
        if (WindowAvailable()) return RunWindow(options);
        return RunHeadless(options);
      case TMode::Headless: return RunHeadless(options);
      case TMode::Window:
        if (!WindowAvailable()) {
          std::cerr << "zelvant-demo: no window can be opened here (no display, or built without SDL2)\n";
          return 1;
        }
        return RunWindow(options);
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
