// A small wizard built in code for trying the live window backend without the demo:
// page 1 two radio buttons, page 2 a combo box and a button that shows a message
// dialog, page 3 two radio buttons.
#pragma once

#include <memory>

#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvA.h"

namespace sdlcheck {

struct TCheckWizard {
  TCheckWizard();
  std::unique_ptr<host::TForm> Form;
  zelvant::TZelvant* Wizard = nullptr;
  host::TRadioButton* Express = nullptr;
  host::TRadioButton* Custom = nullptr;
  host::TComboBox* Colour = nullptr;
  host::TButton* Message = nullptr;
  host::TRadioButton* Now = nullptr;
  host::TRadioButton* Later = nullptr;
  int MessageResult = -1;  // what the last message dialog returned
};

}  // namespace sdlcheck
