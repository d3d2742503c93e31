// HTTP on loopback from a chosen address of 127.0.0.0/8 (the system answers on all of them), so
// that a test or a bench can be many players, or an attacker beside them.
#pragma once

#include <string>

namespace server_testing {

// A connection from `from` to 127.0.0.1:`port`, or -1 when it cannot be made within 5 s.
int ConnectFrom(const std::string& from, int port);

// Sends all of `bytes`; false when the connection took only part of them.
bool SendAll(int sock, const std::string& bytes);

// What the connection brings until it closes, or all that came within 15 s.
std::string ReceiveAll(int sock);

struct HttpAnswer {
  int status = 0;  // 0: no answer (not connected, reset, or not whole within the time)
  std::string body;
};

// GET `target` (with its query) from `from`, within the game's own limits: 5 s to connect and
// 15 s for the whole answer.
HttpAnswer GetFrom(const std::string& from, int port, const std::string& target);

}  // namespace server_testing
