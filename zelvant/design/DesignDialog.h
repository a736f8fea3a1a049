// A modal dialog of the design package. Its form is read from a form file compiled into
// the package, exactly as an application reads its forms, and its controls are found by
// the names the file gives them.
#pragma once

#include <string>
#include <string_view>

#include "host/forms/Forms.h"

namespace zelvant {

using host::Integer;

class TDesignDialog : public host::TForm {
  HOST_CLASS(TDesignDialog, host::TForm)
  explicit TDesignDialog(host::TComponent* AOwner);

 protected:
  // Reads the form file into this form: its properties, controls and handlers.
  void ReadFormResource(std::string_view text);
  // The control of that name and class; EComponentError when the form file lacks it.
  template <class T>
  T* Control(const std::string& name) const {
    auto* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) MissingControl(name);
    return found;
  }
  // Raises OnDestroy once. A dialog calls it first in its destructor, while its own
  // members still exist for the handler to free.
  void RaiseDestroy();

 private:
  [[noreturn]] void MissingControl(const std::string& name) const;
};

}  // namespace zelvant
