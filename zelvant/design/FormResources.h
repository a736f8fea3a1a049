// The dialogs' form files, compiled into the design package from the .dfm files beside
// their units.
#pragma once

#include <string_view>

namespace zelvant::resources {

extern const std::string_view pnfForm;
extern const std::string_view scfForm;
extern const std::string_view blfForm;
extern const std::string_view wlfForm;

}  // namespace zelvant::resources
