#include "Package.h"

namespace zelvant {

const char* PackageDescription() { return "TZelvant wizard component"; }

}  // namespace zelvant
