// The package as a whole: its description, and a call that makes sure an application
// has loaded it (its classes register themselves for form files when it loads).
#pragma once

namespace zelvant {

const char* PackageDescription();

}  // namespace zelvant
