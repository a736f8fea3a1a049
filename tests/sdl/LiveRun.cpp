#include "LiveRun.h"

namespace sdltest {

namespace {

void PushQuit() {
  SDL_Event q{};
  q.type = SDL_QUIT;
  SDL_PushEvent(&q);
}

}  // namespace

void Wake() {
  SDL_Event e{};
  e.type = SDL_USEREVENT;
  SDL_PushEvent(&e);
}

TLiveRun::TLiveRun(host::sdl::TSdlBackend& backend, std::chrono::seconds limit) : backend_(backend) {
  backend_.SetIdleHandler([this] { Idle(); });
  watchdog_ = std::thread([this, limit] {
    std::unique_lock lock(mutex_);
    if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
      timedOut_ = true;
      PushQuit();  // SDL_PushEvent may be called from any thread
    }
  });
}

TLiveRun::~TLiveRun() {
  {
    std::lock_guard lock(mutex_);
    done_ = true;
  }
  done_cv_.notify_all();
  watchdog_.join();
  backend_.SetIdleHandler(nullptr);
}

TLiveRun& TLiveRun::Then(std::function<void()> stage) {
  stages_.push_back(std::move(stage));
  return *this;
}

bool TLiveRun::TimedOut() const {
  std::lock_guard lock(mutex_);
  return timedOut_;
}

void TLiveRun::Idle() {
  if (next_ < stages_.size()) {
    // The stage may make the loop idle again inside it (a modal run): count it first.
    auto& stage = stages_[next_++];
    stage();
    return;
  }
  if (!overran_) {
    overran_ = true;
    PushQuit();
  }
}

}  // namespace sdltest
