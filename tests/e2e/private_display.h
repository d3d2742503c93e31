// An X server of a test's own: Xvfb on a display number it picks itself (no race with other
// tests starting their servers at the same moment), 1024 x 768 in 24 bits, ended with the object.
#pragma once

#include <sys/types.h>

#include <string>

namespace e2e {

class PrivateDisplay {
 public:
  PrivateDisplay();
  ~PrivateDisplay();
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;

  // ":N", or empty when the server could not be started.
  const std::string& name() const { return name_; }
  // The server's process, or -1.
  pid_t pid() const { return server_; }
  // Ends the server and waits for it, as when a session is closed.
  void stop();

 private:
  pid_t server_ = -1;
  std::string name_;
};

}  // namespace e2e
