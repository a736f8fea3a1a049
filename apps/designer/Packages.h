// Design packages: shared libraries loaded at start, each registering its components
// and editors through its exported Register.
#pragma once

#include <string>
#include <vector>

namespace designer {

// Loads the library and calls its Register; raises host::Exception with a message
// that names the file when it cannot be loaded or exports no Register.
void LoadDesignPackage(const std::string& path);

// Where the Zelvant design package is looked for: beside the program, in the
// library folder next to the program's, and where the build put it.
std::vector<std::string> DefaultPackageCandidates(const std::string& programDir);
// The first candidate that exists, or "" when none does.
std::string FindDefaultPackage(const std::string& programDir);

}  // namespace designer
