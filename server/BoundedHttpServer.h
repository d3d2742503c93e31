// An HTTP server whose every connection is bounded: one request each, a byte budget and a
// deadline for it, and a fixed number of workers with a short queue. Whatever a client sends,
// the server's memory and threads stay within these limits.
#pragma once

#include <httplib.h>

#include <chrono>
#include <cstddef>

struct ConnectionLimits {
  std::size_t workers = 16;
  std::size_t queued = 64;  // accepted connections waiting for a worker; then accepting waits
  std::chrono::milliseconds deadline{10000};  // for the whole request and its answer
  std::size_t requestBytes = 16384;           // request line, headers and body together
};

class BoundedHttpServer : public httplib::Server {
 public:
  explicit BoundedHttpServer(ConnectionLimits limits = {});

 private:
  bool process_and_close_socket(socket_t sock) override;

  ConnectionLimits limits_;
};
