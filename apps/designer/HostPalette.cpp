#include "HostPalette.h"

#include "host/design/DesignIntf.h"
#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

namespace designer {

using namespace host;

void RegisterHostPalette() {
  RegisterComponents("Standard", {&TLabel::StaticClassInfo(), &TButton::StaticClassInfo(),
                                  &TBitBtn::StaticClassInfo(), &TRadioButton::StaticClassInfo(),
                                  &TComboBox::StaticClassInfo(), &TGroupBox::StaticClassInfo(),
                                  &TPanel::StaticClassInfo(), &TImage::StaticClassInfo(),
                                  &TPageControl::StaticClassInfo()});
}

}  // namespace designer
