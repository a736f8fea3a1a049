#include "Packages.h"

#include <dlfcn.h>

#include <filesystem>

#include "host/core/SysUtils.h"

namespace designer {

void LoadDesignPackage(const std::string& path) {
  // RTLD_GLOBAL: the package's classes join the one class registry of the process.
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (!handle) {
    const char* why = dlerror();
    throw host::Exception("Cannot load package \"" + path + "\": " + (why ? why : "unknown reason"));
  }
  using TRegisterProc = void (*)();
  auto reg = reinterpret_cast<TRegisterProc>(dlsym(handle, "Register"));
  if (!reg) {
    dlclose(handle);
    throw host::Exception("Package \"" + path + "\" has no Register procedure");
  }
  // The library stays loaded: its classes now live in the registry.
  reg();
}

std::vector<std::string> DefaultPackageCandidates(const std::string& programDir) {
  namespace fs = std::filesystem;
  const std::string file = ZELVANT_DESIGN_FILE_NAME;
  std::vector<std::string> list{(fs::path(programDir) / file).string(),
                                (fs::path(programDir) / ZELVANT_DESIGN_LIBDIR / file).string(),
                                (fs::path(programDir) / ".." / "lib" / file).string()};
#ifdef ZELVANT_DESIGN_BUILD_PATH
  list.push_back(ZELVANT_DESIGN_BUILD_PATH);
#endif
  return list;
}

std::string FindDefaultPackage(const std::string& programDir) {
  for (const std::string& candidate : DefaultPackageCandidates(programDir)) {
    std::error_code ec;
    if (std::filesystem::exists(candidate, ec)) return candidate;
  }
  return "";
}

}  // namespace designer
