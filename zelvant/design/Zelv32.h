// Registration of the package with the form designer.
#pragma once

namespace zelvant {

// The palette page "Zelvant", the property editors and the component editors.
void Register();

}  // namespace zelvant

// The entry point a designer finds by name after loading the design package.
extern "C" void Register();
