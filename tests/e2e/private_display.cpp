#include "tests/e2e/private_display.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace e2e {

PrivateDisplay::PrivateDisplay() {
  // The server writes the number of the display it took on this pipe once it accepts clients.
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  server_ = fork();
  if (server_ == 0) {
    close(pipeEnds[0]);
    const std::string fd = std::to_string(pipeEnds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
           "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  // The number and its newline may come in two writes; the server dies if the pipe is closed
  // before the second.
  std::string number;
  char c = 0;
  while (server_ > 0 && number.size() < 16 && read(pipeEnds[0], &c, 1) == 1 && c != '\n')
    number += c;
  close(pipeEnds[0]);
  if (c != '\n' || number.empty()) {
    stop();
    return;
  }
  name_ = ":" + number;
}

PrivateDisplay::~PrivateDisplay() {
  stop();
}

void PrivateDisplay::stop() {
  if (server_ > 0) {
    kill(server_, SIGTERM);
    int status = 0;
    waitpid(server_, &status, 0);
  }
  server_ = -1;
}

}  // namespace e2e
