// An Xvfb server of the test's own, on a display number Xvfb finds free; stopped when
// the object goes.
#pragma once

#include <sys/types.h>

#include <string>

namespace sdltest {

class TXvfb {
 public:
  TXvfb();
  ~TXvfb();
  TXvfb(const TXvfb&) = delete;
  TXvfb& operator=(const TXvfb&) = delete;
  bool Ok() const { return pid_ > 0 && !display_.empty(); }
  // Why it could not start.
  const std::string& Error() const { return error_; }
  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
  std::string error_;
};

}  // namespace sdltest
