// The root of a designed form: an ordinary form whose stored Left, Top and Visible are
// kept apart from where and whether the designer shows it, so that showing it inside
// the designer's window does not change the form the application will open.
#pragma once

#include "host/forms/Forms.h"

namespace designer {

class TDesignedForm : public host::TForm {
  HOST_CLASS(TDesignedForm, host::TForm)
  explicit TDesignedForm(host::TComponent* owner);

  // The stored position; a form without a parent also shows there.
  host::Integer DesignLeft() const { return designLeft_; }
  void SetDesignLeft(host::Integer value);
  host::Integer DesignTop() const { return designTop_; }
  void SetDesignTop(host::Integer value);
  // Stored visibility: showing the form in the designer does not make it visible at start.
  bool DesignVisible() const { return designVisible_; }
  void SetDesignVisible(bool value);

 private:
  host::Integer designLeft_ = 0;
  host::Integer designTop_ = 0;
  bool designVisible_ = false;
  host::Integer grid_ = 0;
};

}  // namespace designer
