// Drives a live run from the loop's idle moments: each stage runs once the loop is about
// to wait with every window painted. A watchdog ends a run that hangs.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "host/sdl/SdlBackend.h"

namespace sdltest {

// Pushes an event that wakes the loop, for a stage that changed things without input.
void Wake();

class TLiveRun {
 public:
  explicit TLiveRun(host::sdl::TSdlBackend& backend, std::chrono::seconds limit = std::chrono::seconds(30));
  ~TLiveRun();
  TLiveRun(const TLiveRun&) = delete;
  TLiveRun& operator=(const TLiveRun&) = delete;

  TLiveRun& Then(std::function<void()> stage);
  // The loop fell idle after the last stage (the run would have waited for ever).
  bool Overran() const { return overran_; }
  bool TimedOut() const;
  size_t StagesRun() const { return next_; }

 private:
  void Idle();
  host::sdl::TSdlBackend& backend_;
  std::vector<std::function<void()>> stages_;
  size_t next_ = 0;
  bool overran_ = false;
  mutable std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  bool timedOut_ = false;
  std::thread watchdog_;
};

}  // namespace sdltest
