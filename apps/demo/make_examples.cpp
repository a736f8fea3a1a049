// zelvant-examples: writes the demo's example form files, built in code.
//
//   zelvant-examples DIR    writes DIR/setup.dfm, DIR/setup-tabbed.dfm, DIR/options.dfm
//
// The wizard's button texts come from DIR/Zelv.ini when it is there.
#include <filesystem>
#include <iostream>

#include "ExampleForms.h"
#include "host/streaming/Filer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zelvant-examples DIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  zelvant::TZelvant::SetLanguageDirectory(dir.string());
  try {
    host::SaveFormFile((dir / "options.dfm").string(), demo::BuildOptionsForm().get());
    host::SaveFormFile((dir / "setup.dfm").string(), demo::BuildSetupWizard().get());
    host::SaveFormFile((dir / "setup-tabbed.dfm").string(), demo::BuildTabbedSetup().get());
  } catch (const host::Exception& e) {
    std::cerr << "zelvant-examples: " << e.Message() << "\n";
    return 1;
  }
  std::cout << "wrote options.dfm, setup.dfm and setup-tabbed.dfm in " << dir.string() << "\n";
  return 0;
}
