// An HTTP server whose every connection is bounded: one request each, a byte budget and a
// deadline for it, and a fixed number of workers with a short queue. Whatever a client sends,
// the server's memory and threads stay within these limits.
#pragma once

#include <httplib.h>

#include <chrono>
#include <cstddef>
#include <string>

struct ConnectionLimits {
  std::size_t workers = 16;
  std::size_t queued = 64;  // accepted connections waiting for a worker; then accepting waits
  std::chrono::milliseconds deadline{10000};  // for the whole request and its answer
  std::size_t requestBytes = 16384;           // request line, headers and body together
  int backlog = 64;  // connections the system holds before accepting (the library's 5 drops more)
};

class BoundedHttpServer : public httplib::Server {
 public:
  explicit BoundedHttpServer(ConnectionLimits limits = {});

  // Binds to `host` and `port` (0: a free port); the port bound, or -1. Then listen_after_bind.
  int Bind(const std::string& host, int port);

 private:
  bool process_and_close_socket(socket_t sock) override;

  ConnectionLimits limits_;
};
