#include "host/forms/Clipbrd.h"

#include "host/forms/Backend.h"
#include "host/forms/Forms.h"

namespace host {

std::string TClipboard::AsText() const { return Application ? Application->Backend().ClipboardText() : std::string(); }

void TClipboard::SetAsText(const std::string& text) {
  if (Application) Application->Backend().SetClipboardText(text);
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

}  // namespace host
