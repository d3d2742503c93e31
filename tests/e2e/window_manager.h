// A window manager (Debian's openbox) running on a test's display for as long as the object
// lives, for the tests that must hold with and without one.
#pragma once

#include <sys/types.h>

#include <string>

namespace e2e {

class WindowManager {
 public:
  // Starts it and waits until it manages the screen.
  explicit WindowManager(const std::string& display);
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // False when it could not be started, or did not take the screen within ten seconds.
  bool running() const { return running_; }

 private:
  pid_t process_ = -1;
  bool running_ = false;
};

}  // namespace e2e
