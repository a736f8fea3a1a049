#include "zelvant/design/DesignDialog.h"

#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"

namespace zelvant {

HOST_PUBLISHED(TDesignDialog) {}

TDesignDialog::TDesignDialog(host::TComponent* AOwner) : host::TForm(AOwner) {}

void TDesignDialog::ReadFormResource(std::string_view text) { host::ReadForm(text, this); }

void TDesignDialog::RaiseDestroy() {
  if (!OnDestroy) return;
  host::TNotifyEvent handler = OnDestroy;
  OnDestroy.Clear();
  handler(this);
}

void TDesignDialog::MissingControl(const std::string& name) const {
  throw host::EComponentError("The form of " + ClassName() + " has no control " + name);
}

}  // namespace zelvant
