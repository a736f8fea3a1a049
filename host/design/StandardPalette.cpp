// The host's standard controls on the designer's palette.
#include "host/design/DesignIntf.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

void RegisterStandardComponents() {
  RegisterComponents("Standard",
                     {&TLabel::StaticClassInfo(), &TEdit::StaticClassInfo(), &TMemo::StaticClassInfo(),
                      &TButton::StaticClassInfo(), &TCheckBox::StaticClassInfo(), &TRadioButton::StaticClassInfo(),
                      &TListBox::StaticClassInfo(), &TComboBox::StaticClassInfo(), &TScrollBar::StaticClassInfo(),
                      &TGroupBox::StaticClassInfo(), &TPanel::StaticClassInfo()});
}

}  // namespace host
