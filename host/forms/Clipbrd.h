// The clipboard's text, kept by the application's backend: in the process headless,
// the desktop's in a live window.
#pragma once

#include <string>

namespace host {

class TClipboard {
 public:
  std::string AsText() const;
  void SetAsText(const std::string& text);
  bool HasText() const { return !AsText().empty(); }
};

TClipboard& Clipboard();

}  // namespace host
