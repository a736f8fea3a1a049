#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace sdltest {

TXvfb::TXvfb() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    error_ = std::string("pipe: ") + std::strerror(errno);
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    // The child: Xvfb writes the display number it took to the pipe once it listens,
    // and goes when the test does, even when the test is killed.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    dup2(fds[1], 3);
    const int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
      dup2(devnull, 1);
      dup2(devnull, 2);
    }
    execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  if (pid_ < 0) {
    error_ = std::string("fork: ") + std::strerror(errno);
    close(fds[0]);
    return;
  }
  // Read "N\n", waiting at most 15 s in all; end of file means Xvfb failed or is missing.
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd p{fds[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
      error_ = "Xvfb did not report a display within 15 s";
      break;
    }
    char c;
    const ssize_t n = read(fds[0], &c, 1);
    if (n <= 0) {
      error_ = "Xvfb could not start (is the xvfb package installed?)";
      break;
    }
    if (c == '\n') break;
    number += c;
  }
  close(fds[0]);
  if (error_.empty() && !number.empty()) {
    display_ = ":" + number;
    return;
  }
  if (error_.empty()) error_ = "Xvfb reported no display";
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

TXvfb::~TXvfb() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace sdltest
